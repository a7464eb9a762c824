#pragma once

#include "library/common/codes.h"
#include "library/gui/abstractviewwindow.h"
#include "library/gui/busdeclarations.h"
#include "library/gui/standingstatusmessage.h"

#include <QColor>

#include <string>

class QAction;
class QCloseEvent;
class QTextEdit;

// The generic console: Log On, Log Off, Network Settings, View Log and About,
// the logged-off and logged-on modes, the log pane that shows audit lines
// while View Log is checked, and the table by which the log-on reply's major
// error code is reported. Closing the console is a log-off.
class AbstractConsoleView : public AbstractViewWindow
{
    Q_OBJECT

public:
    // The log pane's background while View Log is unchecked, and checked.
    static constexpr QRgb m_LogInactiveColor = qRgb(211, 211, 211);
    static constexpr QRgb m_LogActiveColor = qRgb(255, 255, 255);

    explicit AbstractConsoleView(QWidget* parent);
    ~AbstractConsoleView() override;

public slots:
    // An EventLogged line joins the log pane while View Log is checked.
    void receiveEvent(QUENLARK_BUS_EVENT_PARAMETERS) override;
    // True when the log-on request was sent.
    virtual bool logOn() = 0;
    // True when the program is ending.
    virtual bool logOff() = 0;
    // Runs the network settings dialog and stores its values on OK.
    virtual void networkSettings();
    // Checked: the pane shows new audit lines on white. Unchecked: it is
    // emptied and grey.
    virtual void toggleViewLog(bool toggled);

protected:
    virtual void initializeLogTextEdit();
    // Reports the log-on outcome by its major error code: success on the
    // status bar, failures in a message box.
    virtual void authenticateUserReplyHandler(int majorOpcode,
                                              int minorOpcode,
                                              const std::string& request,
                                              int majorErcode,
                                              int minorErcode,
                                              const std::string& reply);
    void closeEvent(QCloseEvent* event) override;

    // Registers the enabled state of the base's actions in both modes and
    // switches to the logged-off mode; a subclass registers its own actions
    // first.
    void initializeMode();
    // Gives each action its value of "enabled" in the logged-off mode; the
    // logged-on mode takes the opposite.
    void registerEnabledWhenLoggedOff(QAction* action, bool enabled);

    bool isLoggedOn() const { return getMode() == m_loggedOnMode; }

    // How long a log-on outcome stays on the status bar, in milliseconds.
    static constexpr int StatusTimeout = 10000;

    QAction* const m_logOnAction;
    QAction* const m_logOffAction;
    QAction* const m_networkSettingsAction;
    QAction* const m_viewLogAction;
    QAction* const m_aboutAction;
    QTextEdit* const m_logTextEdit;
    // The greeting and the log-on outcomes, which a hover does not erase.
    StandingStatusMessage* const m_statusMessage;
    const int m_loggedOffMode;
    const int m_loggedOnMode;

private:
    void appendLogLine(const QString& line);
    void setLogColor(QRgb color);
};
