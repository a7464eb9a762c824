// The window and manager bases: the reply split and the reply table, the
// frame of every view window (menus, minimum size, tool bar, caption, actions, modes, About box,
// deletion on close), the single-selection query of the panes and the browser
// window's splitter.

#include "library/gui/abstractbrowserview.h"
#include "library/gui/abstractpanelistwidget.h"
#include "library/gui/abstractpanetreeview.h"
#include "library/gui/abstractpanetreewidget.h"
#include "library/gui/abstractviewmanager.h"
#include "library/gui/abstractviewwindow.h"
#include "library/gui/linguist.h"
#include "library/gui/textdialog.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/acelogcapture.h"

#include "authenticateuserreply3.pb.h"
#include "dictionary3.pb.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// What a window or manager saw of the replies it received, one line each.
using Calls = std::vector<std::string>;

std::string ProcessReplyLine(int major, int minor, const std::string& request, const std::string& reply)
{
    return "processReply " + std::to_string(major) + " " + std::to_string(minor) + " " + request + " " + reply;
}

std::string ProcessErrorLine(int major,
                             int minor,
                             const std::string& request,
                             int majorErcode,
                             int minorErcode,
                             const std::string& reply)
{
    return "processError " + std::to_string(major) + " " + std::to_string(minor) + " " + request + " "
           + std::to_string(majorErcode) + " " + std::to_string(minorErcode) + " " + reply;
}

// A window or manager base that writes down how it received each reply.
template <typename Base>
class ReplyRecorder : public Base
{
public:
    explicit ReplyRecorder(Calls& calls)
        : Base(nullptr)
        , m_calls(calls)
    {}

protected:
    void processReply(const common::Opcode major,
                      const common::Opcode minor,
                      const std::string& request,
                      const std::string& reply) override
    {
        m_calls.push_back(ProcessReplyLine(major, minor, request, reply));
    }
    void processError(const common::Opcode major,
                      const common::Opcode minor,
                      const std::string& request,
                      const common::Ercode majorErcode,
                      const common::Ercode minorErcode,
                      const std::string& reply) override
    {
        m_calls.push_back(ProcessErrorLine(major, minor, request, majorErcode, minorErcode, reply));
    }

    Calls& m_calls;
};

using RecordingManager = ReplyRecorder<AbstractViewManager>;

class RecordingWindow : public ReplyRecorder<AbstractViewWindow>
{
public:
    using AbstractViewWindow::helpAbout;
    using AbstractViewWindow::m_fileMenu;
    using AbstractViewWindow::m_helpMenuAction;
    using AbstractViewWindow::m_standardToolBar;
    using AbstractViewWindow::m_statusBar;
    using ReplyRecorder::ReplyRecorder;

protected:
    void enterMode(int mode) override { m_calls.push_back("enter " + std::to_string(mode)); }
    void leaveMode(int mode) override { m_calls.push_back("leave " + std::to_string(mode)); }
};

struct ErcodePair
{
    common::Ercode major;
    common::Ercode minor;
    bool success;
};

// Only both codes 0 are a success; no reply at all (-1, 1) is an error.
constexpr ErcodePair ReplySplit[] = {
    {0, 0, true}, {0, 5, false}, {3, 0, false}, {common::ServiceNoReplyEr, 1, false}, {63, 2, false},
};

template <typename Receiver>
void ExpectReplySplit(Receiver& receiver, Calls& calls)
{
    for (const ErcodePair& codes : ReplySplit) {
        calls.clear();
        receiver.receiveReply(37, -35, "request", codes.major, codes.minor, "reply");
        const std::string expected = codes.success
                                         ? ProcessReplyLine(37, -35, "request", "reply")
                                         : ProcessErrorLine(37, -35, "request", codes.major, codes.minor, "reply");
        EXPECT_EQ(calls, Calls{expected}) << codes.major << ", " << codes.minor;
    }
}

TEST(WindowBasesTest, RepliesSplitIntoProcessReplyAndProcessError)
{
    Calls calls;
    RecordingWindow window(calls);
    ExpectReplySplit(window, calls);
    RecordingManager manager(calls);
    ExpectReplySplit(manager, calls);
}

TEST(WindowBasesTest, SignalsTakeOnlyTheMajorCode)
{
    Calls calls;
    RecordingWindow window(calls);
    std::vector<std::tuple<int, int, std::string>> requests;
    QObject::connect(&window, &AbstractMainWindow::deliverRequest,
                     [&requests](common::Opcode major, common::Opcode minor, const std::string& request) {
                         requests.emplace_back(major, minor, request);
                     });
    emit window.deliverRequest(common::OpenDocumentKeysView);
    ASSERT_EQ(requests.size(), 1U);
    EXPECT_EQ(requests[0], std::make_tuple(-27, common::Untagged, std::string()));

    // A reply with only the major code is a success with empty payloads.
    window.receiveReply(common::TerminateUserSession);
    EXPECT_EQ(calls, Calls{ProcessReplyLine(4, 1, "", "")});
}

// A window or manager whose reply table has a row for a dictionary record
// with minor code 1, one for the same major code and any minor code, and one
// for the log-on that also takes failed replies.
template <typename Base>
class TableReceiver : public Base
{
public:
    explicit TableReceiver(Calls& calls)
        : Base(nullptr)
        , m_calls(calls)
    {
        this->m_replyTable.add(common::SelectDictionary, common::Untagged, this, &TableReceiver::dictionary);
        this->m_replyTable.add(common::SelectDictionary, ReplyTable::AnyMinor, this, &TableReceiver::anyMinor);
        this->m_replyTable.add(common::AuthenticateUser, ReplyTable::AnyMinor, this, &TableReceiver::logOn,
                               ReplyTable::Takes::AllReplies);
    }

    std::vector<ReplyFailure> m_reports;

protected:
    void dictionary(const BusReply& bus, const zarv::data::Dictionary& reply)
    {
        m_calls.push_back("dictionary " + bus.request + " " + reply.dictionary_word());
    }
    void anyMinor(const BusReply& bus, const zarv::data::Dictionary& reply)
    {
        m_calls.push_back("any minor " + std::to_string(bus.minorOpcode) + " " + reply.dictionary_word());
    }
    void logOn(const BusReply& bus, const zarv::data::AuthenticateUserReply& reply)
    {
        m_calls.push_back("log-on " + std::to_string(bus.majorErcode) + " " + std::to_string(bus.minorErcode) + " "
                          + (reply.user_name_found() ? "found" : "not found"));
    }

    Calls& m_calls;
};

class TableWindow : public TableReceiver<AbstractViewWindow>
{
public:
    using AbstractViewWindow::m_statusBar;
    using TableReceiver::TableReceiver;

protected:
    void reportFailedReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const ReplyFailure& failure) override
    {
        m_reports.push_back(failure);
        TableReceiver::reportFailedReply(majorOpcode, minorOpcode, failure);
    }
};

using TableManager = TableReceiver<AbstractViewManager>;

std::string DictionaryBytes(const char* word)
{
    zarv::data::Dictionary dictionary;
    dictionary.set_dictionary_word(word);
    return dictionary.SerializeAsString();
}

std::string LogonBytes(bool nameFound)
{
    zarv::data::AuthenticateUserReply reply;
    reply.set_user_name_found(nameFound);
    return reply.SerializeAsString();
}

// A field number 0 is never valid: no message type reads these bytes.
const std::string Unreadable("\x00\x01", 2);

struct TableCase
{
    const char* what;
    common::Opcode major;
    common::Opcode minor;
    common::Ercode majorErcode;
    common::Ercode minorErcode;
    std::string reply;
    const char* handled;                 // the handler's line, or null
    std::optional<ReplyFailure> report;  // what the window reports
    const char* status;                  // and shows on its status bar
};

const TableCase TableCases[] = {
    {"a listed pair", 35, 1, 0, 0, DictionaryBytes("Quenlark"), "dictionary request Quenlark", std::nullopt, ""},
    {"the row for any minor code", 35, -7, 0, 0, DictionaryBytes("keyring"), "any minor -7 keyring", std::nullopt, ""},
    {"no reply", 35, 1, common::ServiceNoReplyEr, 1, "", nullptr, ReplyFailure{-1, 1}, "No reply from the server."},
    {"a refusal", 35, 1, 63, 2, "", nullptr, ReplyFailure{63, 2}, "The server refused the request (code 63)."},
    {"a refusal with a payload", 35, -7, 0, 5, DictionaryBytes("x"), nullptr, ReplyFailure{0, 5},
     "The server refused the request (code 0)."},
    {"a payload that does not parse", 35, 1, 0, 0, Unreadable, nullptr, ReplyFailure{9, 1},
     "The server refused the request (code 9)."},
    {"a row that takes failures, success", 3, 5, 0, 0, LogonBytes(true), "log-on 0 0 found", std::nullopt, ""},
    {"a row that takes failures, no reply", 3, 1, -1, 1, "", "log-on -1 1 not found", std::nullopt, ""},
    {"a row that takes failures, unreadable", 3, 1, 80, 1, Unreadable, nullptr, ReplyFailure{9, 1},
     "The server refused the request (code 9)."},
    {"a pair that no row lists", 4, 1, 0, 0, Unreadable, nullptr, std::nullopt, ""},
    {"a failure that no row lists", 4, 1, -1, 1, "", nullptr, std::nullopt, ""},
};

TEST(WindowBasesTest, ReplyTableHandsEachReplyToItsRowOnce)
{
    for (const TableCase& each : TableCases) {
        SCOPED_TRACE(each.what);
        const Calls handled = each.handled ? Calls{each.handled} : Calls{};

        Calls calls;
        TableWindow window(calls);
        window.receiveReply(each.major, each.minor, "request", each.majorErcode, each.minorErcode, each.reply);
        EXPECT_EQ(calls, handled);
        EXPECT_EQ(window.m_reports.size(), each.report ? 1U : 0U);
        if (each.report && !window.m_reports.empty()) {
            EXPECT_TRUE(window.m_reports.front() == *each.report)
                << window.m_reports.front().majorErcode << ", " << window.m_reports.front().minorErcode;
        }
        EXPECT_EQ(window.m_statusBar->currentMessage(), QString::fromUtf8(each.status));

        // A manager takes the same replies and says nothing; what does not
        // parse is logged.
        calls.clear();
        TableManager manager(calls);
        testsupport::AceLogCapture log;
        manager.receiveReply(each.major, each.minor, "request", each.majorErcode, each.minorErcode, each.reply);
        EXPECT_EQ(calls, handled);
        EXPECT_EQ(log.contains("does not parse"), each.report && each.report->majorErcode == 9);
    }
}

TEST(WindowBasesTest, AViewWindowHasTheStandardFrame)
{
    Calls calls;
    RecordingWindow window(calls);
    QStringList menus;
    for (const QAction* action : window.menuBar()->actions()) {
        menus.append(action->text());
    }
    EXPECT_EQ(menus, (QStringList{"File", "Edit", "View", "Tools", "Help"}));
    EXPECT_EQ(window.m_helpMenuAction, window.menuBar()->actions().last());
    EXPECT_EQ(window.minimumSize(), QSize(800, 600));
    EXPECT_TRUE(window.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(window.m_statusBar, window.statusBar());

    // The tool bar joins the window only when a subclass asks for it.
    EXPECT_TRUE(window.findChildren<QToolBar*>().isEmpty());
    window.initializeStandardToolBar();
    ASSERT_EQ(window.findChildren<QToolBar*>(), QList<QToolBar*>{window.m_standardToolBar});
    EXPECT_EQ(window.m_standardToolBar->objectName(), QStringLiteral("StandardToolBar"));
    EXPECT_EQ(window.m_standardToolBar->windowTitle(), QStringLiteral("Standard"));
    EXPECT_EQ(window.toolBarArea(window.m_standardToolBar), Qt::TopToolBarArea);
}

TEST(WindowBasesTest, ClosingAWindowDeletesIt)
{
    Calls calls;
    QPointer<RecordingWindow> window = new RecordingWindow(calls);
    window->show();
    EXPECT_TRUE(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST(WindowBasesTest, CaptionCarriesTheUserAndTheServer)
{
    struct Case
    {
        const char* caption;
        const char* server;
        const char* user;
        const char* title;
    };
    const Case cases[] = {
        {"Console", "", "jane", "Console"},
        {"Console", "", "", "Console"},
        {"Console", "srv", "jane", "Console [jane @ srv]"},
        {"Console", "srv", "", "Console [srv]"},
        {"", "srv", "", ""},
        {"", "srv", "jane", " [jane @ srv]"},
        // A placeholder inside a name is shown as it is.
        {"Console", "srv", "%1 %2", "Console [%1 %2 @ srv]"},
    };
    Calls calls;
    RecordingWindow window(calls);
    for (const Case& each : cases) {
        window.setWindowTitle(QStringLiteral("stale"));
        window.setWindowCaption(QString::fromUtf8(each.caption), QString::fromUtf8(each.server),
                                QString::fromUtf8(each.user));
        EXPECT_EQ(window.windowTitle(), QString::fromUtf8(each.title))
            << each.caption << "|" << each.server << "|" << each.user;
    }
}

TEST(WindowBasesTest, CreateActionBuildsActionsFromTheirTexts)
{
    struct Case
    {
        const char* what;
        bool inMenu;
        AbstractViewWindow::ActionTexts texts;
        const char* statusTip;
        const char* toolTip;
        QKeySequence shortcut;
    };
    // Ids of the shared context with their English texts.
    const Case cases[] = {
        {"text only", false, {"Save", nullptr, nullptr, nullptr}, "", "Save", QKeySequence()},
        {"in a menu, with tips",
         true,
         {"Open", ":icons/32x32/log-on.png", "Copy", "Paste"},
         "Copy",
         "Paste",
         QKeySequence()},
        {"a shortcut",
         true,
         {"Save", nullptr, "Save", nullptr, "Ctrl+S"},
         "Save",
         "Save",
         QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"every part",
         true,
         {"SelectAll", ":icons/32x32/log-on.png", "SelectAll", "Find", "Ctrl+Shift+A"},
         "Select All",
         "Find",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)},
    };
    Calls calls;
    RecordingWindow window(calls);
    QMenu* menu = window.m_fileMenu;
    for (const Case& each : cases) {
        SCOPED_TRACE(each.what);
        QAction* action = window.createAction(each.inMenu ? menu : nullptr, "Linguist", each.texts);
        EXPECT_EQ(action->parent(), &window);
        EXPECT_EQ(action->text(), Linguist::tr(each.texts.text));
        EXPECT_EQ(action->statusTip(), QString::fromUtf8(each.statusTip));
        EXPECT_EQ(action->toolTip(), QString::fromUtf8(each.toolTip));
        EXPECT_EQ(action->shortcut(), each.shortcut);
        EXPECT_EQ(action->icon().isNull(), each.texts.icon == nullptr);
        // An action with a status tip shows its icon in menus.
        if (each.texts.statusTip) {
            EXPECT_TRUE(action->isIconVisibleInMenu());
        }
        EXPECT_EQ(menu->actions().contains(action), each.inMenu);
    }
}

TEST(WindowBasesTest, ModeSwitchesReachTheWindow)
{
    Calls calls;
    RecordingWindow window(calls);
    EXPECT_EQ(window.getMode(), -1);
    const int root = window.registerMode(-1, "root");
    const int child = window.registerMode(root, "child");
    QAction* action = window.createAction(nullptr, "Linguist", {"Save", nullptr, nullptr, nullptr});
    window.registerProp(child, Mode::Entering, action, "enabled", false);

    window.setMode(child);
    EXPECT_EQ(window.getMode(), child);
    EXPECT_EQ(window.getModeName(child), "child");
    EXPECT_FALSE(action->isEnabled());
    EXPECT_EQ(calls, (Calls{"enter " + std::to_string(root), "enter " + std::to_string(child)}));

    calls.clear();
    window.registerTran(child, root);
    window.setMode(root);
    EXPECT_EQ(calls, (Calls{"leave " + std::to_string(child), "leave " + std::to_string(root),
                            "enter " + std::to_string(root)}));
}

TEST(WindowBasesTest, AboutShowsTheNoticeAboveTheLicence)
{
    QFile license(QStringLiteral(":resources/license.txt"));
    ASSERT_TRUE(license.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(license.readAll());

    Calls calls;
    RecordingWindow window(calls);
    bool shown = false;
    testsupport::WhenModal<TextDialog>([&](TextDialog* dialog) {
        shown = true;
        EXPECT_EQ(dialog->parent(), &window);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About Quenlark..."));
        EXPECT_EQ(dialog->findChild<QTextEdit*>()->toPlainText(), text);
        EXPECT_NE(testsupport::ChildWithText<QLabel>(*dialog, Linguist::tr("ZarvCopyrightNotice")), nullptr);
        dialog->accept();
    });
    window.helpAbout();
    EXPECT_TRUE(shown);
}

// Exactly one selected item, or none.
template <typename Pane, typename Item, typename Query>
void ExpectSingleSelection(Pane& pane, Item* first, Item* second, Query selected)
{
    EXPECT_EQ((pane.*selected)(), nullptr);
    first->setSelected(true);
    EXPECT_EQ((pane.*selected)(), first);
    second->setSelected(true);
    EXPECT_EQ((pane.*selected)(), nullptr);
}

TEST(WindowBasesTest, PanesGiveTheSingleSelectedItem)
{
    QWidget window;
    AbstractMainPaneListWidget list(&window);
    list.setSelectionMode(QAbstractItemView::MultiSelection);
    ExpectSingleSelection(list, new QListWidgetItem(QStringLiteral("a"), &list),
                          new QListWidgetItem(QStringLiteral("b"), &list),
                          &AbstractPaneListWidget::getSelectedListWidgetItem);

    AbstractSidePaneTreeWidget tree(&window);
    tree.setSelectionMode(QAbstractItemView::MultiSelection);
    ExpectSingleSelection(tree, new QTreeWidgetItem(&tree, QStringList{"a"}),
                          new QTreeWidgetItem(&tree, QStringList{"b"}),
                          &AbstractPaneTreeWidget::getSelectedTreeWidgetItem);
}

TEST(WindowBasesTest, PanesTellMainFromSide)
{
    QWidget window;
    AbstractMainPaneListWidget mainList(&window);
    AbstractSidePaneListWidget sideList(&window);
    AbstractMainPaneTreeWidget mainTree(&window);
    AbstractSidePaneTreeWidget sideTree(&window);
    AbstractMainPaneTreeView mainView(&window);

    EXPECT_EQ(mainList.parentWidget(), &window);
    EXPECT_NE(qobject_cast<AbstractPaneListWidget*>(&sideList), nullptr);
    EXPECT_EQ(qobject_cast<AbstractMainPaneListWidget*>(&sideList), nullptr);
    EXPECT_EQ(qobject_cast<AbstractSidePaneTreeWidget*>(&mainTree), nullptr);
    EXPECT_NE(qobject_cast<AbstractPaneTreeWidget*>(&sideTree), nullptr);
    EXPECT_NE(qobject_cast<AbstractPaneTreeView*>(&mainView), nullptr);
    EXPECT_STREQ(sideTree.metaObject()->className(), "AbstractSidePaneTreeWidget");
}

class TestBrowser : public AbstractBrowserView<AbstractMainPaneListWidget, AbstractSidePaneTreeWidget>
{
public:
    TestBrowser()
        : AbstractBrowserView(nullptr)
    {}
    AbstractMainPaneListWidget* mainPane() const { return m_mainPane; }
    AbstractSidePaneTreeWidget* sidePane() const { return m_sidePane; }
    QSplitter* splitter() const { return m_splitter; }
};

TEST(WindowBasesTest, BrowserPutsTheSidePaneLeftAndWidensOnlyTheMainPane)
{
    QPointer<TestBrowser> browser = new TestBrowser;
    QPointer<QSplitter> splitter = browser->splitter();
    QPointer<AbstractMainPaneListWidget> mainPane = browser->mainPane();
    QPointer<AbstractSidePaneTreeWidget> sidePane = browser->sidePane();

    EXPECT_EQ(browser->centralWidget(), splitter);
    ASSERT_EQ(splitter->count(), 2);
    EXPECT_EQ(splitter->widget(0), sidePane);
    EXPECT_EQ(splitter->widget(1), mainPane);
    EXPECT_EQ(mainPane->parentWidget(), splitter);
    EXPECT_EQ(sidePane->parentWidget(), splitter);

    browser->resize(600, 400);
    browser->show();
    QCoreApplication::processEvents();
    const int sideWidth = sidePane->width();
    const int mainWidth = mainPane->width();
    browser->resize(900, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(sidePane->width(), sideWidth);
    EXPECT_GT(mainPane->width(), mainWidth);

    delete browser;
    EXPECT_TRUE(splitter.isNull());
    EXPECT_TRUE(mainPane.isNull());
    EXPECT_TRUE(sidePane.isNull());
}

}  // namespace
