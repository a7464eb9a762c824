#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
#include "library/gui/component.h"

#include <string>

class QTimer;

// The client's minute clock, below the system connector. StartClock starts it
// (anew when it runs), StopClock stops it; while it runs, every minute emits
// the event ClockTicked to every window and manager.
class ClockComponent : public Component
{
    Q_OBJECT

public:
    static constexpr int m_TickInterval = 60000;

    explicit ClockComponent(QObject* parent);

    virtual void connectSignals();

protected slots:
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;
    void handleTimeout();

private:
    QTimer* const m_timer;
};
