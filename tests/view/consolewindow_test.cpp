// The console without a server: how it opens, its actions, menus and tool
// bar, the log pane, the log-on replies that open no session, the network
// settings and picture directories, the window requests and the manager that
// opens it.

#include "library/common/codes.h"
#include "library/gui/settings.h"
#include "library/gui/standingstatusmessage.h"
#include "library/network/networksettings.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/consolemanager.h"
#include "product/client/view/consoleview.h"
#include "product/client/view/networksettingsdialog.h"
#include "product/client/view/picturedirectoriesdialog.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/scopedenvironmentvariable.h"
#include "tests/view/consoletestsupport.h"

#include "authenticateuserreply3.pb.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

namespace {

using consoletest::FindConsole;
using consoletest::RunUntilQuit;
using testsupport::ChildWithText;
using testsupport::WhenModal;

// The texts of a menu's or tool bar's entries, separators as empty texts and
// submenus by their title.
QStringList EntryTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions) {
        texts.append(action->isSeparator() ? QString() : action->text());
    }
    return texts;
}

const QStringList LoggedOffActions = {"Log on...", "Network settings...", "About Quenlark..."};
const QStringList LoggedOnActions = {"Log off...",           "View Log",
                                     "My User Groups...",    "Message Browser...",
                                     "Document Browser...",  "My Document Keyring...",
                                     "My Folder Keyring...", "Picture Directories...",
                                     "Restore Document...",  "Reset Password..."};

class ConsoleWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        consoletest::PrepareClientServices();
        m_console = std::make_unique<ConsoleView>(nullptr);
        QObject::connect(m_console.get(), &AbstractMainWindow::deliverRequest,
                         [this](common::Opcode major, common::Opcode minor, const std::string& request) {
                             m_requests.emplace_back(major, minor, request);
                         });
    }

    QAction* action(const char* text) const { return consoletest::ConsoleAction(m_console.get(), text); }

    QTextEdit* logPane() const { return qobject_cast<QTextEdit*>(m_console->centralWidget()); }

    void log(const std::string& line)
    {
        m_console->receiveEvent(common::EventLogged, common::DeleteDocumentLogged, line);
    }

    testsupport::DialogGuard m_guard;
    std::unique_ptr<ConsoleView> m_console;
    std::vector<std::tuple<common::Opcode, common::Opcode, std::string>> m_requests;
};

TEST_F(ConsoleWindowTest, OpensLoggedOffAsConsole)
{
    EXPECT_EQ(m_console->windowTitle(), QStringLiteral("Console"));
    EXPECT_EQ(m_console->statusBar()->currentMessage(), QStringLiteral("Log on to access your account."));
    EXPECT_FALSE(m_console->windowIcon().isNull());
    for (const QString& text : LoggedOffActions) {
        EXPECT_TRUE(ChildWithText<QAction>(*m_console, text)->isEnabled()) << text.toStdString();
    }
    for (const QString& text : LoggedOnActions) {
        EXPECT_FALSE(ChildWithText<QAction>(*m_console, text)->isEnabled()) << text.toStdString();
    }
    EXPECT_TRUE(action("View Log")->isCheckable());
    EXPECT_FALSE(action("View Log")->isChecked());
    EXPECT_TRUE(logPane()->isReadOnly());
    EXPECT_EQ(logPane()->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_EQ(logPane()->palette().color(QPalette::Active, QPalette::Base), QColor(211, 211, 211));
}

TEST_F(ConsoleWindowTest, MenusAndToolBarHoldTheActionsInOrder)
{
    const QList<QAction*> menus = m_console->menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(EntryTexts(menus[0]->menu()->actions()), (QStringList{"Log on...", "Log off...", "", "New"}));
    const QMenu* newMenu = menus[0]->menu()->actions().last()->menu();
    ASSERT_NE(newMenu, nullptr);
    EXPECT_EQ(EntryTexts(newMenu->actions()),
              (QStringList{"My User Groups...", "", "Message Browser...", "Document Browser...", "",
                           "My Document Keyring...", "My Folder Keyring..."}));
    EXPECT_EQ(EntryTexts(menus[1]->menu()->actions()), (QStringList{"Network settings...", "Picture Directories..."}));
    EXPECT_EQ(EntryTexts(menus[2]->menu()->actions()), QStringList{"View Log"});
    EXPECT_EQ(EntryTexts(menus[3]->menu()->actions()), (QStringList{"Restore Document...", "", "Reset Password..."}));
    EXPECT_EQ(EntryTexts(menus[4]->menu()->actions()), QStringList{"About Quenlark..."});

    const QList<QToolBar*> toolBars = m_console->findChildren<QToolBar*>();
    ASSERT_EQ(toolBars.size(), 1);
    EXPECT_EQ(
        EntryTexts(toolBars[0]->actions()),
        (QStringList{"Log on...", "Log off...", "", "Network settings...", "", "View Log", "", "My User Groups...", "",
                     "Message Browser...", "Document Browser...", "", "My Document Keyring...", "My Folder Keyring...",
                     "", "Restore Document...", "", "Reset Password...", ""}));
}

TEST_F(ConsoleWindowTest, ActionsCarryTheirTips)
{
    struct Tips
    {
        const char* text;
        const char* statusTip;
        const char* toolTip;
    };
    const Tips tips[] = {
        {"Log on...", "Log on to access your account.", "Log On<p><small>Log on to access your account.</small></p>"},
        {"Log off...", "Log off to end your session.", "Log Off<p><small>Log off to end your session.</small></p>"},
        {"Network settings...", "Configure your network settings.",
         "Network Settings<p><small>Configure your network settings.</small></p>"},
        {"View Log", "View the event log.", "View Log<p><small>View the event log.</small></p>"},
        {"My User Groups...", "Create a window to view and edit your user groups.",
         "User Groups<p><small>Create a window to view and edit your user groups.</small></p>"},
        {"Message Browser...", "Create a Message Browser to view and edit your messages.",
         "Message Browser<p><small>Create a Message Browser to view and edit your messages.</small></p>"},
        {"Document Browser...", "Create a Document Browser to view and edit your folders and documents.",
         "Document Browser<p><small>Create a Document Browser to view and edit your folders and "
         "documents.</small></p>"},
        {"My Document Keyring...", "Create a window to view document keys created for you by other users.",
         "My Document Keyring<p><small>Create a window to view document keys created for you by "
         "others.</small></p>"},
        {"My Folder Keyring...", "Create a window to view folder keys created for you by other users.",
         "My Folder Keyring<p><small>Create a window to view folder keys created for you by others.</small></p>"},
        {"Picture Directories...", "Edit the directories that are searched for pictures when displaying content.",
         nullptr},
        {"Restore Document...", "Restore a document you have deleted.",
         "Restore Document<p><small>Restore a document you have deleted.</small></p>"},
        {"Reset Password...", "Reset your password.", "Reset Password<p><small>Reset your password.</small></p>"},
    };
    for (const Tips& each : tips) {
        QAction* found = action(each.text);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->statusTip(), QString::fromUtf8(each.statusTip)) << each.text;
        if (each.toolTip) {
            EXPECT_EQ(found->toolTip(), QString::fromUtf8(each.toolTip)) << each.text;
        }
        EXPECT_TRUE(found->isIconVisibleInMenu()) << each.text;
        EXPECT_FALSE(found->icon().isNull()) << each.text;
        EXPECT_TRUE(found->shortcut().isEmpty()) << each.text;
    }
}

TEST_F(ConsoleWindowTest, WindowActionsSendTheirRequests)
{
    const std::vector<std::pair<void (ConsoleView::*)(), common::Opcode>> windowSlots = {
        {&ConsoleView::newUserGroupBrowser, common::OpenUserGroupBrowserView},
        {&ConsoleView::newMessageBrowser, common::OpenMessageBrowserView},
        {&ConsoleView::newDocumentBrowser, common::OpenDocumentBrowserView},
        {&ConsoleView::newDocumentKeys, common::OpenDocumentKeysView},
        {&ConsoleView::newFolderKeys, common::OpenFolderKeysView},
    };
    for (const auto& [slot, opcode] : windowSlots) {
        m_requests.clear();
        (m_console.get()->*slot)();
        ASSERT_EQ(m_requests.size(), 1U) << opcode;
        EXPECT_EQ(m_requests[0], std::make_tuple(opcode, common::Untagged, std::string()));
    }
}

TEST_F(ConsoleWindowTest, LogPaneShowsAuditLinesWhileViewLogIsChecked)
{
    log("CEF:0|unseen");
    EXPECT_TRUE(logPane()->document()->isEmpty());

    action("View Log")->setChecked(true);
    EXPECT_EQ(logPane()->palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 255));
    log("CEF:0|first");
    log("");
    m_console->receiveEvent(common::ClockTicked, common::Untagged, "not an audit line");
    log("CEF:0|second");

    const QTextDocument* document = logPane()->document();
    ASSERT_EQ(document->blockCount(), 2);
    const QString host = QSysInfo::machineHostName();
    const QRegularExpression line(QStringLiteral("^[A-Z][a-z]{2} \\d\\d \\d\\d:\\d\\d:\\d\\d ")
                                  + QRegularExpression::escape(host) + QStringLiteral(" CEF:0\\|first$"));
    EXPECT_TRUE(line.match(document->firstBlock().text()).hasMatch()) << document->firstBlock().text().toStdString();
    EXPECT_TRUE(document->lastBlock().text().endsWith(QStringLiteral(" CEF:0|second")));

    // Unchecking empties the pane; lines in the meantime are not kept.
    action("View Log")->setChecked(false);
    EXPECT_TRUE(document->isEmpty());
    EXPECT_EQ(logPane()->palette().color(QPalette::Active, QPalette::Base), QColor(211, 211, 211));
    log("CEF:0|while unchecked");
    action("View Log")->setChecked(true);
    EXPECT_TRUE(document->isEmpty());
}

TEST_F(ConsoleWindowTest, LogPaneMarksFailuresAndShowsMarkupAsText)
{
    action("View Log")->setChecked(true);
    const QString markup = QStringLiteral("suser=<b>Eve</b><img src=x> &amp; <font color=\"red\">fake</font>");
    log("CEF:0|outcome=failure " + markup.toStdString() + " outcome=failure end");

    const QTextBlock block = logPane()->document()->firstBlock();
    const QString text = block.text();
    EXPECT_TRUE(
        text.endsWith(QStringLiteral("CEF:0|outcome=failure ") + markup + QStringLiteral(" outcome=failure end")))
        << text.toStdString();
    // Red exactly where the failed outcome stands, nowhere else; no markup
    // of the line takes effect.
    const QString failure = QStringLiteral("outcome=failure");
    std::vector<bool> expectedRed(text.size(), false);
    for (qsizetype at = text.indexOf(failure); at >= 0; at = text.indexOf(failure, at + 1)) {
        std::fill(expectedRed.begin() + at, expectedRed.begin() + at + failure.size(), true);
    }
    QTextCursor cursor(block);
    for (int at = 0; at < text.size(); ++at) {
        cursor.setPosition(block.position() + at + 1);
        const QTextCharFormat format = cursor.charFormat();
        EXPECT_EQ(format.foreground().color() == QColor(Qt::red), expectedRed[at]) << "at " << at;
        EXPECT_NE(format.fontWeight(), QFont::Bold) << "at " << at;
        EXPECT_FALSE(format.isImageFormat()) << "at " << at;
    }
}

TEST_F(ConsoleWindowTest, LogOnRepliesThatOpenNoSessionAreReported)
{
    struct Case
    {
        bool nameFound;
        bool passwordDecoded;
        bool sessionInserted;
        const char* status;
    };
    const Case cases[] = {
        {false, true, true, "User name not found."},
        {true, false, true, "User password incorrect."},
        {true, true, false, "User session not created."},
    };
    for (const Case& each : cases) {
        zarv::data::AuthenticateUserReply reply;
        reply.set_user_name_found(each.nameFound);
        reply.set_user_password_decoded(each.passwordDecoded);
        reply.set_user_session_inserted(each.sessionInserted);
        std::string payload;
        ASSERT_TRUE(reply.SerializeToString(&payload));
        m_console->receiveReply(common::AuthenticateUser, common::Untagged, std::string(), common::NoEr, common::NoEr,
                                payload);
        EXPECT_EQ(m_console->statusBar()->currentMessage(), QString::fromUtf8(each.status));
        EXPECT_EQ(m_console->windowTitle(), QStringLiteral("Console"));
        EXPECT_TRUE(action("Log on...")->isEnabled());
    }
}

TEST_F(ConsoleWindowTest, StatusMessagesComeBackAfterAHover)
{
    const auto hover = [this](const QString& tip) {
        QStatusTipEvent event(tip);
        QCoreApplication::sendEvent(m_console.get(), &event);
    };
    hover(QStringLiteral("Change the network settings."));
    EXPECT_EQ(m_console->statusBar()->currentMessage(), QStringLiteral("Change the network settings."));
    hover(QString());
    EXPECT_EQ(m_console->statusBar()->currentMessage(), QStringLiteral("Log on to access your account."));

    zarv::data::AuthenticateUserReply reply;
    reply.set_user_name_found(false);
    m_console->receiveReply(common::AuthenticateUser, common::Untagged, std::string(), common::NoEr, common::NoEr,
                            reply.SerializeAsString());
    hover(QStringLiteral("Log on to access your account."));
    hover(QString());
    EXPECT_EQ(m_console->statusBar()->currentMessage(), QStringLiteral("User name not found."));
}

TEST(StandingStatusMessageTest, AMessageWhoseTimeHasRunOutDoesNotComeBack)
{
    QMainWindow window;
    StandingStatusMessage message(&window);
    message.show(QStringLiteral("Saved."), 20);
    QTest::qWait(60);
    EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());
    QStatusTipEvent tip{QString()};
    QCoreApplication::sendEvent(&window, &tip);
    EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());
}

TEST_F(ConsoleWindowTest, LogOnReplyThatDoesNotParseTitlesTheWindow)
{
    // A field number 0 is never valid.
    m_console->receiveReply(common::AuthenticateUser, -7, std::string(), common::NoEr, common::NoEr,
                            std::string("\x00\x01", 2));
    EXPECT_EQ(m_console->windowTitle(), QStringLiteral("Cannot parse reply."));
    EXPECT_TRUE(action("Log on...")->isEnabled());
}

TEST_F(ConsoleWindowTest, LogOnWithoutAServerSendsNothing)
{
    EXPECT_FALSE(m_console->logOnWithNamePassword(QStringLiteral("avery"), QStringLiteral("pw"), QStringLiteral("  "),
                                                  4433, QStringLiteral("America/New_York")));
    EXPECT_FALSE(m_console->logOnWithNamePassword(QStringLiteral("avery"), QStringLiteral("pw"),
                                                  QStringLiteral("localhost"), 80, QStringLiteral("America/New_York")));
    EXPECT_TRUE(m_requests.empty());
}

TEST_F(ConsoleWindowTest, ClosingWhileLoggedOffQuitsWithoutAQuestion)
{
    m_console->show();
    bool closed = false;
    EXPECT_TRUE(RunUntilQuit([&] { closed = m_console->close(); }));
    EXPECT_TRUE(closed);
    // The close deletes the window; the fixture must not.
    static_cast<void>(m_console.release());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FindConsole(), nullptr);
}

TEST_F(ConsoleWindowTest, NetworkSettingsAreStoredOnlyOnOk)
{
    m_guard.allow<NetworkSettingsDialog>();
    NetworkSettings().setServerName(QStringLiteral("before.example"));
    NetworkSettings().setServerPort(2000);
    NetworkSettings().setDefaultTimeZone(QStringLiteral("Europe/London"));

    WhenModal<NetworkSettingsDialog>([](NetworkSettingsDialog* dialog) {
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("ignored.example"));
        dialog->reject();
    });
    action("Network settings...")->trigger();
    EXPECT_EQ(NetworkSettings().getServerName(), QStringLiteral("before.example"));

    WhenModal<NetworkSettingsDialog>([](NetworkSettingsDialog* dialog) {
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("  server.example "));
        dialog->findChild<QSpinBox*>()->setValue(4433);
        dialog->findChild<QComboBox*>()->setCurrentText(QStringLiteral("America/Chicago"));
        dialog->accept();
    });
    action("Network settings...")->trigger();
    EXPECT_EQ(NetworkSettings().getServerName(), QStringLiteral("server.example"));
    EXPECT_EQ(NetworkSettings().getServerPort(), 4433U);
    EXPECT_EQ(NetworkSettings().getDefaultTimeZone(), QStringLiteral("America/Chicago"));
}

TEST_F(ConsoleWindowTest, PictureDirectoriesKeepTheHomeFolderOutOfTheStore)
{
    m_guard.allow<PictureDirectoriesDialog>();
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const testsupport::ScopedEnvironmentVariable homeVariable("HOME", QFile::encodeName(home.path()).toStdString());
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Pictures")));
    const QString homePictures = home.filePath(QStringLiteral("Pictures"));
    const QString stored = home.path();
    Settings().setPictureDirectories({stored});

    // Cancelled: nothing stored, but the search path is set all the same.
    QDir::setSearchPaths(QStringLiteral("pictures"), {});
    WhenModal<PictureDirectoriesDialog>([&](PictureDirectoriesDialog* dialog) {
        const QListWidget* list = dialog->getDirectoryListWidget();
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), homePictures);
        EXPECT_EQ(list->item(0)->flags(), Qt::NoItemFlags);
        EXPECT_EQ(list->item(1)->text(), stored);
        dialog->getDirectoryListWidget()->addItem(QStringLiteral("/dropped"));
        dialog->reject();
    });
    m_console->pictureDirectories();
    EXPECT_EQ(Settings().getPictureDirectories(), QList<QString>{stored});
    EXPECT_EQ(QDir::searchPaths(QStringLiteral("pictures")), (QStringList{homePictures, stored}));

    // Accepted: every row but the home folder is stored, in order.
    WhenModal<PictureDirectoriesDialog>([&](PictureDirectoriesDialog* dialog) {
        dialog->getDirectoryListWidget()->addItem(homePictures);
        dialog->getDirectoryListWidget()->addItem(QStringLiteral("/added"));
        dialog->accept();
    });
    m_console->pictureDirectories();
    EXPECT_EQ(Settings().getPictureDirectories(), (QList<QString>{stored, QStringLiteral("/added")}));
    EXPECT_EQ(QDir::searchPaths(QStringLiteral("pictures")),
              (QStringList{homePictures, stored, QStringLiteral("/added")}));
}

TEST(ConsoleManagerTest, OpensTheConsoleWhenTheApplicationHasStarted)
{
    consoletest::PrepareClientServices();
    ASSERT_EQ(FindConsole(), nullptr);
    ConsoleManager* manager = nullptr;
    ApplicationComponent tree(nullptr, {[&manager](ApplicationComponent* component) -> Component* {
                                  manager = new ConsoleManager(component);
                                  return manager;
                              }});
    std::unique_ptr<ConsoleView> console(FindConsole());
    ASSERT_NE(console, nullptr);
    EXPECT_TRUE(console->isVisible());

    // Only ApplicationStarted with minor code 1 opens one.
    static_cast<Component*>(manager)->receiveEvent(common::ApplicationStarted, 2);
    static_cast<Component*>(manager)->receiveEvent(common::ClockTicked);
    EXPECT_EQ(FindConsole(), console.get());

    // The console hangs on the bus: events from below reach it.
    ChildWithText<QAction>(*console, QStringLiteral("View Log"))->setChecked(true);
    emit tree.deliverEvent(common::EventLogged, common::AuthenticateUserLogged, "CEF:0|wired");
    EXPECT_TRUE(
        qobject_cast<QTextEdit*>(console->centralWidget())->toPlainText().endsWith(QStringLiteral("CEF:0|wired")));
}

}  // namespace
