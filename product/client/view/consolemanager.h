#pragma once

#include "library/common/codes.h"
#include "library/gui/abstractviewmanager.h"
#include "library/gui/busdeclarations.h"

#include <string>

class ApplicationComponent;

// Opens the console, the application's main window, when the application has
// started.
class ConsoleManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit ConsoleManager(ApplicationComponent* applicationComponent);
    ~ConsoleManager() override;

protected slots:
    // ApplicationStarted with minor code 1: the console is created with the
    // application's active window as parent, hung on the bus and shown.
    void receiveEvent(QUENLARK_BUS_EVENT_PARAMETERS) override;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override;

private:
    ApplicationComponent* const m_applicationComponent;
};
