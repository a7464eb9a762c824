#include "product/client/component/applicationcomponent.h"

#include "product/client/component/clockcomponent.h"

ApplicationComponent::ApplicationComponent(QObject* parent, const std::vector<ViewManagerFactory>& viewManagerFactories)
    : ApplicationBus(parent)
    , m_clockComponent(new ClockComponent(this))
{
    for (const ViewManagerFactory& create : viewManagerFactories) {
        m_viewManagers.push_back(create(this));
    }
    // Managers after the first one that cannot be wired stay off the bus.
    if (connectClockComponent()) {
        for (const Component* manager : m_viewManagers) {
            if (!connectAbstractViewManager(manager)) {
                break;
            }
        }
    }
    emit deliverEvent(common::ApplicationStarted);
    emit deliverRequest(common::StartClock);
}

ApplicationComponent::~ApplicationComponent()
{
    emit deliverRequest(common::StopClock);
}

bool ApplicationComponent::connectClockComponent()
{
    // The clock overrides only receiveRequest, which it keeps protected: the
    // connections name Component's members and reach the clock's override.
    return connect(m_clockComponent, &Component::deliverEvent, m_systemConnector, &SystemConnector::receiveEvent)
           && connect(m_clockComponent, &Component::deliverReply, m_systemConnector, &SystemConnector::receiveReply)
           && connect(m_systemConnector, &SystemConnector::deliverRequest, m_clockComponent,
                      &Component::receiveRequest);
}
