#include "product/client/view/abstractconsoleview.h"

#include "library/common/ercodenames.h"
#include "library/gui/linguist.h"
#include "product/client/view/networksettingsdialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QScrollBar>
#include <QStatusBar>
#include <QSysInfo>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

constexpr const char* Context = "AbstractConsoleView";

const AbstractViewWindow::ActionTexts LogOnTexts = {"LogOn", ":icons/32x32/log-on.png", "LogOnStatusTip",
                                                    "LogOnToolTip"};
const AbstractViewWindow::ActionTexts LogOffTexts = {"LogOff", ":icons/32x32/log-off.png", "LogOffStatusTip",
                                                     "LogOffToolTip"};
const AbstractViewWindow::ActionTexts NetworkSettingsTexts = {"NetworkSettings", ":icons/32x32/network-settings.png",
                                                              "NetworkSettingsStatusTip", "NetworkSettingsToolTip"};
const AbstractViewWindow::ActionTexts ViewLogTexts = {"ViewLog", ":icons/32x32/event-log.png", "ViewLogStatusTip",
                                                      "ViewLogToolTip"};
const AbstractViewWindow::ActionTexts AboutTexts = {"AboutZARV", nullptr, nullptr, nullptr};

// How the outcome of a log-on is shown.
enum class Report
{
    StatusBar,
    Warning,
    Critical
};

struct LogonOutcome
{
    common::Ercode majorErcode;
    Report report;
};

// The text of each outcome has the id "AuthenticateUser" followed by the
// name of the code; any code not listed is a critical failure that names
// both error codes.
constexpr LogonOutcome LogonOutcomes[] = {
    {common::NoEr, Report::StatusBar},
    {common::ServiceNoReplyEr, Report::Warning},
    {common::DatabaseConnectionEr, Report::Critical},
    {common::DatabaseExecuteStatementEr, Report::Critical},
    {common::DatabaseInvalidArgumentEr, Report::Critical},
    {common::DatabaseNullPointerEr, Report::Critical},
    {common::DatabasePrepareStatementEr, Report::Critical},
    {common::ServiceBadPasswordEr, Report::Warning},
    {common::ServiceBadSequenceValueEr, Report::Critical},
    {common::ServiceDecryptionAuthenticationEr, Report::Critical},
    {common::ServiceEncryptionAuthenticationEr, Report::Critical},
    {common::ServiceInsertSessionRecordEr, Report::Critical},
    {common::ServiceInvalidMajorProtocolEr, Report::Warning},
    {common::ServiceInvalidMinorProtocolEr, Report::Warning},
    {common::ServiceNoUserFoundEr, Report::Warning},
};

const QString FailedOutcome = QStringLiteral("outcome=failure");

// "May 01 14:03:27 host ": the local wall-clock time and the machine's name.
// The locale and the name are looked up once, not for every line.
QString LogLinePrefix()
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    static const QString host = QSysInfo::machineHostName();
    static const QString afterTime = host.isEmpty() ? QStringLiteral(" ") : QLatin1Char(' ') + host + QLatin1Char(' ');
    return english.toString(QDateTime::currentDateTime(), QStringLiteral("MMM dd hh:mm:ss")) + afterTime;
}

}  // namespace

AbstractConsoleView::AbstractConsoleView(QWidget* parent)
    : AbstractViewWindow(parent)
    , m_logOnAction(createAction(m_fileMenu, Context, LogOnTexts))
    , m_logOffAction(createAction(m_fileMenu, Context, LogOffTexts))
    , m_networkSettingsAction(createAction(m_editMenu, Context, NetworkSettingsTexts))
    , m_viewLogAction(createAction(m_viewMenu, Context, ViewLogTexts))
    , m_aboutAction(createAction(m_helpMenu, "Linguist", AboutTexts))
    , m_logTextEdit(new QTextEdit(this))
    , m_statusMessage(new StandingStatusMessage(this))
    , m_loggedOffMode(registerMode(-1, std::string()))
    , m_loggedOnMode(registerMode(-1, std::string()))
{
    m_viewLogAction->setCheckable(true);
    m_viewLogAction->setChecked(false);
    connect(m_logOnAction, &QAction::triggered, this, &AbstractConsoleView::logOn);
    connect(m_logOffAction, &QAction::triggered, this, &AbstractConsoleView::logOff);
    connect(m_networkSettingsAction, &QAction::triggered, this, &AbstractConsoleView::networkSettings);
    connect(m_viewLogAction, &QAction::toggled, this, &AbstractConsoleView::toggleViewLog);
    connect(m_aboutAction, &QAction::triggered, this, &AbstractConsoleView::helpAbout);
}

AbstractConsoleView::~AbstractConsoleView() = default;

void AbstractConsoleView::initializeMode()
{
    registerEnabledWhenLoggedOff(m_logOnAction, true);
    registerEnabledWhenLoggedOff(m_logOffAction, false);
    registerEnabledWhenLoggedOff(m_networkSettingsAction, true);
    registerEnabledWhenLoggedOff(m_viewLogAction, false);
    setMode(m_loggedOffMode);
}

void AbstractConsoleView::registerEnabledWhenLoggedOff(QAction* action, bool enabled)
{
    registerProp(m_loggedOffMode, Mode::Entering, action, "enabled", enabled);
    registerProp(m_loggedOnMode, Mode::Entering, action, "enabled", !enabled);
}

void AbstractConsoleView::initializeLogTextEdit()
{
    setLogColor(m_LogInactiveColor);
    m_logTextEdit->setReadOnly(true);
    m_logTextEdit->setLineWrapMode(QTextEdit::NoWrap);
}

void AbstractConsoleView::receiveEvent(const common::Evcode majorEvcode, const common::Evcode, const std::string& event)
{
    if (majorEvcode == common::EventLogged && m_viewLogAction->isChecked() && !event.empty()) {
        appendLogLine(LogLinePrefix() + QString::fromStdString(event));
    }
}

// The line goes in as text, never as markup: a name in it cannot format the
// pane. Only the failed outcome is marked, in red.
void AbstractConsoleView::appendLogLine(const QString& line)
{
    QTextCursor cursor(m_logTextEdit->document());
    cursor.movePosition(QTextCursor::End);
    if (!m_logTextEdit->document()->isEmpty()) {
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
    QTextCharFormat failed;
    failed.setForeground(QColor(Qt::red));
    const QStringList parts = line.split(FailedOutcome);
    for (qsizetype index = 0; index < parts.size(); ++index) {
        if (index > 0) {
            cursor.insertText(FailedOutcome, failed);
        }
        cursor.insertText(parts.at(index), QTextCharFormat());
    }
    QScrollBar* scrollBar = m_logTextEdit->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
}

void AbstractConsoleView::toggleViewLog(bool toggled)
{
    if (toggled) {
        setLogColor(m_LogActiveColor);
    } else {
        setLogColor(m_LogInactiveColor);
        m_logTextEdit->clear();
    }
}

void AbstractConsoleView::setLogColor(QRgb color)
{
    QPalette palette = m_logTextEdit->palette();
    palette.setBrush(QPalette::All, QPalette::Base, QBrush(QColor(color)));
    m_logTextEdit->setPalette(palette);
}

void AbstractConsoleView::networkSettings()
{
    NetworkSettingsDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        dialog.storeNetworkSettings();
    }
}

void AbstractConsoleView::authenticateUserReplyHandler(int,
                                                       int,
                                                       const std::string&,
                                                       int majorErcode,
                                                       int minorErcode,
                                                       const std::string&)
{
    Report report = Report::Critical;
    QString text = tr("AuthenticateUserDefaultEr").arg(majorErcode).arg(minorErcode);
    for (const LogonOutcome& outcome : LogonOutcomes) {
        if (outcome.majorErcode == majorErcode) {
            report = outcome.report;
            const QByteArray id = QByteArray("AuthenticateUser") + common::ErcodeName(majorErcode);
            text = tr(id.constData());
            break;
        }
    }
    if (report == Report::StatusBar) {
        m_statusMessage->show(text, StatusTimeout);
        return;
    }
    const QMessageBox::Icon icon = report == Report::Warning ? QMessageBox::Warning : QMessageBox::Critical;
    QMessageBox box(icon, tr("AuthenticateUser"), text, QMessageBox::Ok, this);
    box.exec();
}

void AbstractConsoleView::closeEvent(QCloseEvent* event)
{
    event->setAccepted(logOff());
}
