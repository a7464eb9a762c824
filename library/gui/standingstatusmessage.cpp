#include "library/gui/standingstatusmessage.h"

#include <QEvent>
#include <QMainWindow>
#include <QStatusBar>
#include <QStatusTipEvent>

StandingStatusMessage::StandingStatusMessage(QMainWindow* window)
    : QObject(window)
    , m_statusBar(window->statusBar())
{
    window->installEventFilter(this);
}

void StandingStatusMessage::show(const QString& text, int timeout)
{
    m_text = text;
    m_deadline = timeout > 0 ? QDeadlineTimer(timeout) : QDeadlineTimer(QDeadlineTimer::Forever);
    m_statusBar->showMessage(text, timeout);
}

bool StandingStatusMessage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::StatusTip || !static_cast<QStatusTipEvent*>(event)->tip().isEmpty()
        || m_text.isEmpty()) {
        return QObject::eventFilter(watched, event);
    }
    if (m_deadline.isForever()) {
        m_statusBar->showMessage(m_text);
        return true;
    }
    const qint64 remaining = m_deadline.remainingTime();
    if (remaining <= 0) {
        m_text.clear();
        return QObject::eventFilter(watched, event);
    }
    m_statusBar->showMessage(m_text, static_cast<int>(remaining));
    return true;
}
