// The console end to end against the project's test server over the sample
// data set: the application opens it, the log-on dialog is filled in and
// accepted, the session opens, and log-off stores the new words, ends the
// session and quits; the log-on errors that the server reports, and the
// log-off that a window or the user refuses.

#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/gui/abstractviewwindow.h"
#include "library/gui/dictionaryentry.h"
#include "library/gui/spellchecker.h"
#include "library/network/messagedispatcher.h"
#include "library/network/networksettings.h"
#include "library/security/cryptographer.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/consolemanager.h"
#include "product/client/view/consoleview.h"
#include "product/client/view/logondialog.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/consoletestsupport.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>
#include <hunspell/hunspell.hxx>

#include <memory>
#include <string>
#include <vector>

namespace {

using consoletest::AnswerNextMessageBox;
using consoletest::CurrentSession;
using consoletest::FindConsole;
using consoletest::RunUntilQuit;
using consoletest::SampleDisplayName;
using consoletest::SamplePassword;
using consoletest::SampleUserId;
using consoletest::SampleUserName;
using consoletest::SampleUserWord;
using consoletest::ShownBox;
using testsupport::TestServerProcess;
using testsupport::WhenModal;

SpellChecker& Speller()
{
    return *ACE_Singleton<SpellChecker, ACE_Null_Mutex>::instance();
}

bool Known(const std::string& word)
{
    return Speller().getSpellChecker()->spell(word);
}

bool LoggedOnUser()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().user_id() == SampleUserId;
}

bool SessionKeyClear()
{
    return ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->isClear();
}

// A window that another part of the client opened; it refuses to close while
// it has unsaved changes, as an editor asks before it closes.
class OtherWindow : public AbstractViewWindow
{
public:
    OtherWindow()
        : AbstractViewWindow(nullptr)
    {}

    bool unsaved = true;

protected:
    void closeEvent(QCloseEvent* event) override { event->setAccepted(!unsaved); }
};

// The replies that reached the windows, as a hidden window hung on the bus
// sees them.
class BusWitness : public AbstractViewWindow
{
public:
    BusWitness()
        : AbstractViewWindow(nullptr)
    {}

    std::vector<std::string> lines;

protected:
    void processReply(const common::Opcode major,
                      const common::Opcode minor,
                      const std::string&,
                      const std::string&) override
    {
        lines.push_back("reply " + std::to_string(major) + " " + std::to_string(minor));
    }
    void processError(const common::Opcode major,
                      const common::Opcode minor,
                      const std::string&,
                      const common::Ercode majorErcode,
                      const common::Ercode minorErcode,
                      const std::string&) override
    {
        lines.push_back("error " + std::to_string(major) + " " + std::to_string(minor) + " "
                        + std::to_string(majorErcode) + " " + std::to_string(minorErcode));
    }
};

// The client as the program builds it, with the sample server stored in the
// network settings so that the log-on dialog opens with the server filled in.
class ConsoleSessionTest : public ::testing::Test
{
protected:
    explicit ConsoleSessionTest(const std::vector<std::string>& faults = {})
        : m_server(faults, TestServerProcess::FixturePath("sample.textproto"))
    {}

    void SetUp() override
    {
        consoletest::PrepareClientServices();
        ASSERT_NE(m_server.port(), 0);
        NetworkSettings settings;
        settings.setServerName(QStringLiteral("127.0.0.1"));
        settings.setServerPort(m_server.port());
        settings.setDefaultTimeZone(QStringLiteral("America/New_York"));

        m_tree = std::make_unique<ApplicationComponent>(nullptr,
                                                        std::vector<ApplicationComponent::ViewManagerFactory>{
                                                            &ApplicationComponent::CreateViewManager<ConsoleManager>});
        m_console = FindConsole();
        ASSERT_NE(m_console, nullptr);
        m_tree->connectAbstractViewWindow(static_cast<const AbstractViewWindow*>(&m_witness));
        QObject::connect(m_console, &AbstractMainWindow::deliverRequest,
                         [this](common::Opcode major, common::Opcode minor, const std::string&) {
                             m_requests.push_back(std::to_string(major) + " " + std::to_string(minor));
                         });
        m_guard.allow<LogonDialog>();
    }

    void TearDown() override
    {
        delete FindConsole();
        m_tree.reset();
        Speller().reset();
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->clear();
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
    }

    QAction* action(const char* text) const { return consoletest::ConsoleAction(m_console, text); }

    // Log On through the dialog, typed in as a user would.
    void logOnThroughTheDialog(const QString& userName, const QString& password)
    {
        bool filled = false;
        WhenModal<LogonDialog>([&](LogonDialog* dialog) {
            auto* userNameField = qobject_cast<QLineEdit*>(
                testsupport::ChildWithText<QLabel>(*dialog, QStringLiteral("User name:"))->buddy());
            auto* passwordField = qobject_cast<QLineEdit*>(
                testsupport::ChildWithText<QLabel>(*dialog, QStringLiteral("User password:"))->buddy());
            ASSERT_NE(userNameField, nullptr);
            ASSERT_NE(passwordField, nullptr);
            EXPECT_EQ(dialog->focusWidget(), userNameField);
            userNameField->setText(userName);
            passwordField->setText(password);
            filled = true;
            dialog->accept();
        });
        action("Log on...")->trigger();
        EXPECT_TRUE(filled);
    }

    bool logOn(const QString& password = QString::fromLatin1(SamplePassword))
    {
        return m_console->logOnWithNamePassword(QString::fromLatin1(SampleUserName), password,
                                                QStringLiteral("127.0.0.1"), m_server.port(),
                                                QStringLiteral("America/New_York"));
    }

    void expectLoggedOn() const
    {
        EXPECT_EQ(m_console->windowTitle(), QStringLiteral("Console [%1 @ 127.0.0.1]").arg(SampleDisplayName));
        EXPECT_FALSE(action("Log on...")->isEnabled());
        EXPECT_FALSE(action("Network settings...")->isEnabled());
        for (const char* text :
             {"Log off...", "View Log", "My User Groups...", "Message Browser...", "Document Browser...",
              "My Document Keyring...", "My Folder Keyring...", "Picture Directories...", "Restore Document...",
              "Reset Password...", "About Quenlark..."}) {
            EXPECT_TRUE(action(text)->isEnabled()) << text;
        }
        EXPECT_TRUE(LoggedOnUser());
        EXPECT_FALSE(SessionKeyClear());
    }

    void expectLoggedOff() const
    {
        EXPECT_EQ(m_console->windowTitle(), QStringLiteral("Console"));
        EXPECT_TRUE(action("Log on...")->isEnabled());
        EXPECT_FALSE(action("Log off...")->isEnabled());
        expectNoSession();
    }

    static void expectNoSession()
    {
        EXPECT_FALSE(LoggedOnUser());
        EXPECT_TRUE(SessionKeyClear());
        EXPECT_TRUE(Speller().getDictionaryEntries().isEmpty());
    }

    // Whether the session still answers on the server.
    static bool sessionAnswers()
    {
        const consoletest::DictionaryReply reply = consoletest::SelectDictionary(SampleUserId);
        return reply.replied && reply.majorErcode == common::NoEr;
    }

    // Log Off, answered with Yes, in a running event loop; true when it quit.
    // Quitting closes every window, the console included, which is then gone.
    bool logOffAndQuit()
    {
        m_guard.allow<QMessageBox>();
        ShownBox question;
        AnswerNextMessageBox(question, QMessageBox::Yes);
        QString lastTitle;
        QObject::connect(m_console, &QWidget::windowTitleChanged,
                         [&lastTitle](const QString& title) { lastTitle = title; });
        bool loggedOff = false;
        const bool quit = RunUntilQuit([&] { loggedOff = m_console->logOff(); });
        EXPECT_TRUE(question.shown);
        EXPECT_EQ(question.text, QStringLiteral("Do you want to log off and exit the application?"));
        EXPECT_EQ(lastTitle, QStringLiteral("Console"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(FindConsole(), nullptr);
        m_console = nullptr;
        return quit && loggedOff;
    }

    // The application as the program starts it again.
    void restart()
    {
        delete FindConsole();
        m_tree = std::make_unique<ApplicationComponent>(nullptr,
                                                        std::vector<ApplicationComponent::ViewManagerFactory>{
                                                            &ApplicationComponent::CreateViewManager<ConsoleManager>});
        m_console = FindConsole();
        ASSERT_NE(m_console, nullptr);
    }

    TestServerProcess m_server;
    testsupport::DialogGuard m_guard;
    BusWitness m_witness;
    std::vector<std::string> m_requests;  // the console's, "<major> <minor>"
    std::unique_ptr<ApplicationComponent> m_tree;
    ConsoleView* m_console = nullptr;
};

TEST_F(ConsoleSessionTest, LogsOnThroughTheDialogAndOffAgain)
{
    EXPECT_TRUE(m_console->isVisible());
    EXPECT_EQ(m_console->windowTitle(), QStringLiteral("Console"));
    EXPECT_FALSE(Known(SampleUserWord));

    logOnThroughTheDialog(QString::fromLatin1(SampleUserName), QString::fromLatin1(SamplePassword));
    expectLoggedOn();
    EXPECT_EQ(m_console->statusBar()->currentMessage(), QStringLiteral("You have been successfully authenticated."));
    EXPECT_TRUE(Known(SampleUserWord));
    EXPECT_TRUE(Known("passcode"));

    // A word the user adds during the session is stored at log-off.
    const std::string newWord = "Zyxquorble";
    EXPECT_FALSE(Known(newWord));
    Speller().getSpellChecker()->add(newWord);
    Speller().addDictionaryEntry(DictionaryEntry(newWord, std::string(), std::string(), DictionaryEntry::Access(0)));

    const consoletest::Session session = CurrentSession();
    m_witness.lines.clear();
    m_requests.clear();
    ASSERT_TRUE(logOffAndQuit());
    expectNoSession();
    EXPECT_FALSE(Known(newWord));
    EXPECT_EQ(m_requests, std::vector<std::string>{"4 1"});
    EXPECT_EQ(m_witness.lines, std::vector<std::string>{"reply 4 1"});

    // The session is over on the server ...
    consoletest::InstallSession(session);
    const consoletest::DictionaryReply afterwards = consoletest::SelectDictionary(SampleUserId);
    EXPECT_EQ(afterwards.majorErcode, common::ServiceBadSessionIdEr);
    ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();

    // ... and the next one knows the stored word.
    restart();
    ASSERT_TRUE(logOn());
    expectLoggedOn();
    EXPECT_TRUE(Known(newWord));
}

TEST_F(ConsoleSessionTest, DecliningTheLogOffKeepsTheWindowAndTheSession)
{
    m_guard.allow<QMessageBox>();
    ASSERT_TRUE(logOn());
    expectLoggedOn();
    m_requests.clear();

    ShownBox question;
    AnswerNextMessageBox(question, QMessageBox::No);
    EXPECT_FALSE(m_console->logOff());
    EXPECT_EQ(question.title, m_console->windowTitle());
    EXPECT_EQ(question.icon, QMessageBox::Question);

    // Closing the window asks too; No keeps it open.
    AnswerNextMessageBox(question, QMessageBox::No);
    EXPECT_FALSE(m_console->close());
    EXPECT_TRUE(m_console->isVisible());

    expectLoggedOn();
    EXPECT_TRUE(m_requests.empty());
    EXPECT_TRUE(sessionAnswers());
}

TEST_F(ConsoleSessionTest, AWindowThatStaysOpenStopsTheLogOff)
{
    m_guard.allow<QMessageBox>();
    ASSERT_TRUE(logOn());
    QPointer<OtherWindow> editor = new OtherWindow;
    editor->show();
    m_requests.clear();
    m_witness.lines.clear();

    ShownBox question;
    AnswerNextMessageBox(question, QMessageBox::Yes);
    EXPECT_FALSE(m_console->logOff());
    EXPECT_TRUE(question.shown);
    EXPECT_TRUE(editor->isVisible());
    expectLoggedOn();
    EXPECT_TRUE(m_requests.empty());
    EXPECT_TRUE(m_witness.lines.empty());
    EXPECT_TRUE(sessionAnswers());

    // Once it lets itself be closed, the log-off closes it and ends the session.
    editor->unsaved = false;
    EXPECT_TRUE(logOffAndQuit());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    delete editor.data();
    expectNoSession();
    EXPECT_EQ(m_requests, std::vector<std::string>{"4 1"});
    EXPECT_EQ(m_witness.lines, std::vector<std::string>{"reply 4 1"});
}

TEST_F(ConsoleSessionTest, AWrongPasswordIsReportedAndLeavesTheConsoleLoggedOff)
{
    m_guard.allow<QMessageBox>();
    ShownBox box;
    AnswerNextMessageBox(box, QMessageBox::Ok);
    logOnThroughTheDialog(QString::fromLatin1(SampleUserName), QStringLiteral("not-the-password"));
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.title, QStringLiteral("Authenticate User"));
    EXPECT_EQ(box.text, QStringLiteral("Incorrect password; please try again."));
    expectLoggedOff();
}

// A server that refuses a log-on in the reply's flags alone, with codes 0 and 0.
class FlagRefusalConsoleSessionTest : public ConsoleSessionTest
{
protected:
    FlagRefusalConsoleSessionTest()
        : ConsoleSessionTest({"error-codes=0,0"})
    {}
};

TEST_F(FlagRefusalConsoleSessionTest, IsWordedFromTheFlagsAndOpensNoSession)
{
    EXPECT_TRUE(logOn(QStringLiteral("not-the-password")));
    EXPECT_EQ(m_console->statusBar()->currentMessage(), QStringLiteral("User password incorrect."));
    expectLoggedOff();
}

// The log-on against a server whose replies carry the given error codes.
struct LogonError
{
    const char* fault;
    QMessageBox::Icon icon;
    const char* text;
};

void PrintTo(const LogonError& error, std::ostream* out)
{
    *out << error.fault;
}

const char* const UpdateText =
    "Please uninstall this version of the program and install the latest version (you can always download the "
    "latest version of this program from <a "
    "href=\"https://quenlark.example/download\">https://quenlark.example/download</a>).";

const LogonError LogonErrors[] = {
    {"no-reply", QMessageBox::Warning,
     "No reply was received from the server; please verify the following:<ul><li>Your computer has network and "
     "Internet access</li><li>Your computer has the correct date and time settings</li><li>The correct Server "
     "Name is displayed in Network Settings</li><li>The correct Server Port number is displayed in Network "
     "Settings</li></ul>"},
    {"error-codes=3,0", QMessageBox::Critical, "Authenticate user database connection error."},
    {"error-codes=4,0", QMessageBox::Critical,
     "Cannot execute a database statement; please contact your Quenlark Administrator."},
    {"error-codes=5,0", QMessageBox::Critical, "Authenticate user database invalid argument error."},
    {"error-codes=6,0", QMessageBox::Critical, "Authenticate user database null pointer error."},
    {"error-codes=7,0", QMessageBox::Critical,
     "Cannot prepare a database statement; please contact your Quenlark Administrator."},
    {"error-codes=63,0", QMessageBox::Warning, "Incorrect password; please try again."},
    {"error-codes=64,0", QMessageBox::Critical, "Bad sequence value: please contact your Quenlark Administrator."},
    {"error-codes=80,0", QMessageBox::Critical, "Decryption error: please contact your Quenlark Administrator."},
    {"error-codes=81,0", QMessageBox::Critical, "Encryption error: please contact your Quenlark Administrator."},
    {"error-codes=82,0", QMessageBox::Critical, "Cannot create a session; please contact your Quenlark Administrator."},
    {"error-codes=84,0", QMessageBox::Warning, UpdateText},
    {"error-codes=85,0", QMessageBox::Warning, UpdateText},
    {"error-codes=90,0", QMessageBox::Warning, "Incorrect user name; please try again."},
    {"error-codes=8,3", QMessageBox::Critical,
     "Authentication failed (with major error code 8 and minor error code 3); please contact your Quenlark "
     "Administrator."},
    {"error-codes=66,0", QMessageBox::Critical,
     "Authentication failed (with major error code 66 and minor error code 0); please contact your Quenlark "
     "Administrator."},
};

class LogonErrorTest : public ConsoleSessionTest, public ::testing::WithParamInterface<LogonError>
{
protected:
    LogonErrorTest()
        : ConsoleSessionTest({GetParam().fault})
    {}
};

TEST_P(LogonErrorTest, IsReportedInItsBox)
{
    m_guard.allow<QMessageBox>();
    ShownBox box;
    AnswerNextMessageBox(box, QMessageBox::Ok);
    EXPECT_TRUE(logOn());
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.icon, GetParam().icon);
    EXPECT_EQ(box.title, QStringLiteral("Authenticate User"));
    EXPECT_EQ(box.text, QString::fromUtf8(GetParam().text));
    expectLoggedOff();
}

INSTANTIATE_TEST_SUITE_P(ServerErrorCodes, LogonErrorTest, ::testing::ValuesIn(LogonErrors));

}  // namespace
