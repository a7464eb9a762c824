#include "product/client/component/clockcomponent.h"

#include <QTimer>

ClockComponent::ClockComponent(QObject* parent)
    : Component(parent)
    , m_timer(new QTimer(this))
{
    connectSignals();
}

void ClockComponent::connectSignals()
{
    connect(m_timer, &QTimer::timeout, this, &ClockComponent::handleTimeout);
}

void ClockComponent::receiveRequest(const common::Opcode majorOpcode, const common::Opcode, const std::string&)
{
    switch (majorOpcode) {
    case common::StartClock:
        m_timer->start(m_TickInterval);
        break;
    case common::StopClock:
        m_timer->stop();
        break;
    default:
        break;
    }
}

void ClockComponent::handleTimeout()
{
    emit deliverEvent(common::ClockTicked);
}
