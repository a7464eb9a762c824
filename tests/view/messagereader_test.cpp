// The message reader and its manager against the test server over
// fixtures/messagereader.textproto, with ida logged on: the window's lines
// and buttons, the content filters, the audits of every use of the chain
// pane's text, the requests of Reply, Reply to All and Forward, the
// attachments and the manager's open, raise and close.

#include "library/core/lib/registry.h"
#include "library/gui/abstractviewwindow.h"
#include "library/gui/settings.h"
#include "library/gui/textreader.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/messagereadermanager.h"
#include "product/client/view/messagereaderview.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/scopedtimezone.h"
#include "tests/support/temporarysettingsstore.h"
#include "tests/support/testserverprocess.h"

#include "deletemessagereply3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "logeventcopymessagetoclipboardrequest3.pb.h"
#include "openmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace {

constexpr int Ida = 17001;
constexpr int Jon = 17002;
constexpr int Kim = 17003;
constexpr int IdaInbox = 17101;
constexpr int JonRoot = 17200;
constexpr int KimRoot = 17300;
constexpr int Third = 17503;
constexpr int SelfAddressed = 17504;
constexpr int OnlyIda = 17505;
constexpr int AllPermissions = 2041;

constexpr const char* FirstWords = "First words.";
constexpr const char* SecondWords = "Second words.";
constexpr const char* ThirdWords = "Third words.";

Registry& TheRegistry()
{
    return *ACE_Singleton<Registry, ACE_Null_Mutex>::instance();
}

Cryptographer& TheCryptographer()
{
    return *ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
}

zarv::data::User IdaRecord()
{
    zarv::data::User user;
    user.set_user_id(Ida);
    user.set_user_last_name("Ito");
    user.set_user_first_name("Ida");
    user.set_user_folder_id(Ida + 100);
    user.set_user_message_folder_id(17100);
    return user;
}

void PrepareOnce()
{
    static bool prepared = false;
    if (prepared) {
        return;
    }
    prepared = true;
    InitializeClientResources();
    static testsupport::TemporarySettingsStore store(QStringLiteral("messagereader_tests"));
    ASSERT_TRUE(store.isValid());
}

// The chain pane's protected hook through which every copy and drag passes.
struct MimeHook : TextReader
{
    using TextReader::createMimeDataFromSelection;
};

struct Recorded
{
    const QObject* sender;
    int majorOpcode;
    int minorOpcode;
    std::string payload;
};

class MessageReaderTest : public ::testing::Test
{
protected:
    explicit MessageReaderTest(const std::vector<std::string>& faults = {})
        : m_server(std::make_unique<testsupport::TestServerProcess>(
            faults,
            testsupport::TestServerProcess::FixturePath("messagereader.textproto")))
    {}

    void SetUp() override
    {
        PrepareOnce();
        ASSERT_NE(m_server->port(), 0);
        static const unsigned char key[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                              0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
        std::copy(std::begin(key), std::end(key), TheCryptographer().getEkey());
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server->port());
        MessageDispatcher::setSessionId(17);
        MessageDispatcher::setTimeout(std::chrono::seconds(10));
        TheRegistry().setUser(IdaRecord());
        m_tree = std::make_unique<ApplicationComponent>(
            nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                         &ApplicationComponent::CreateViewManager<MessageReaderManager>});
    }

    void TearDown() override
    {
        QList<QPointer<QWidget>> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (dynamic_cast<AbstractViewWindow*>(widget)) {
                windows.append(widget);
            }
        }
        qDeleteAll(windows);
        m_tree.reset();
        TheRegistry().clear();
        TheCryptographer().clear();
        MessageDispatcher::setSessionId(INT_MIN);
    }

    // A received message as the server lists it to ida.
    static zarv::data::Message listed(int messageId)
    {
        zarv::data::SelectMessageUserRequest request;
        request.set_message_user_user_id(Ida);
        MessageDispatcher dispatcher(common::SelectMessageUser, common::Untagged, request.SerializeAsString());
        zarv::data::SelectMessageUserReply reply;
        EXPECT_TRUE(dispatcher.dispatch());
        EXPECT_TRUE(reply.ParseFromString(dispatcher.getReply()));
        for (const auto& message : reply.message()) {
            if (message.message_id() == messageId) {
                return message;
            }
        }
        ADD_FAILURE() << "ida received no message " << messageId;
        return zarv::data::Message();
    }

    void record(AbstractMainWindow* window)
    {
        QObject::connect(window, &AbstractMainWindow::deliverRequest,
                         [this, window](common::Opcode major, common::Opcode minor, const std::string& payload) {
                             m_requests.push_back({window, major, minor, payload});
                         });
    }

    // A reader hung on the bus, shown, its requests recorded.
    MessageReaderView* openReader(const zarv::data::Message& message)
    {
        auto* reader = new MessageReaderView(message, nullptr);
        record(reader);
        EXPECT_TRUE(m_tree->connectAbstractViewWindow(static_cast<const AbstractViewWindow*>(reader)));
        reader->show();
        return reader;
    }

    std::vector<std::pair<int, int>> codes(const QObject* sender = nullptr) const
    {
        std::vector<std::pair<int, int>> result;
        for (const Recorded& sent : m_requests) {
            if (!sender || sent.sender == sender) {
                result.emplace_back(sent.majorOpcode, sent.minorOpcode);
            }
        }
        return result;
    }

    static QAction* action(QWidget* window, const QString& text)
    {
        for (QAction* candidate : window->findChildren<QAction*>()) {
            if (candidate->text() == text) {
                return candidate;
            }
        }
        ADD_FAILURE() << "no action " << text.toStdString();
        return nullptr;
    }

    static QString pane(MessageReaderView* reader) { return reader->findChild<TextReader*>()->toPlainText(); }

    static QCheckBox* box(MessageReaderView* reader, const char* name)
    {
        return reader->findChild<QCheckBox*>(QString::fromLatin1(name));
    }

    testsupport::ScopedTimeZone m_zone{"UTC"};
    std::unique_ptr<testsupport::TestServerProcess> m_server;
    std::unique_ptr<ApplicationComponent> m_tree;
    std::vector<Recorded> m_requests;
};

// Construction

TEST_F(MessageReaderTest, ShowsSenderAddresseesSubjectAttachmentsAndTheViewableChain)
{
    MessageReaderView* reader = openReader(listed(Third));
    EXPECT_EQ(reader->findChild<QLineEdit*>("sender")->text(), "Jensen, Jon");
    EXPECT_EQ(reader->findChild<QLineEdit*>("addressees")->text(), "Jensen, Jon; Kovac, Kim")
        << "the sender, then To and Cc without ida";
    EXPECT_EQ(reader->findChild<QLineEdit*>("subject")->text(), "RE: RE: Start");
    EXPECT_EQ(reader->windowTitle(), "RE: RE: Start [127.0.0.1]");
    EXPECT_EQ(reader->findChild<QToolBar*>("AddresseeToolBar")->windowTitle(), "Addressee Toolbar");
    QStringList names;
    const auto* documents = reader->findChild<QListWidget*>("documents");
    for (int row = 0; row < documents->count(); ++row) {
        names << documents->item(row)->text();
    }
    EXPECT_EQ(names, (QStringList{"Single", "Locked", "Twice"}));
    const QString text = pane(reader);
    EXPECT_TRUE(text.contains(ThirdWords));
    EXPECT_TRUE(text.contains(SecondWords));
    EXPECT_FALSE(text.contains(FirstWords)) << "the message without view permission";
    for (const char* disabled :
         {"Export to Text File...", "Export to PDF File...", "Print", "Print Preview...", "Copy", "Select All"}) {
        EXPECT_FALSE(action(reader, disabled)->isEnabled()) << disabled;
    }
    EXPECT_TRUE(codes().empty()) << "construction sends nothing on the bus";
}

TEST_F(MessageReaderTest, TheBrowsersChainPageIsShownUntilTheFirstFilterChange)
{
    zarv::data::Message message = listed(Third);
    message.set_message_chain_cache("<p>Cached page.</p>");
    MessageReaderView* reader = openReader(message);
    EXPECT_EQ(pane(reader), "Cached page.");
    EXPECT_FALSE(reader->getMessage().has_message_chain_cache());
    box(reader, "filterPrinted")->setChecked(true);
    EXPECT_TRUE(pane(reader).contains(ThirdWords));
    EXPECT_FALSE(pane(reader).contains("Cached page."));
}

TEST_F(MessageReaderTest, ReplyReplyToAllAndForwardFollowPermissionBitsEightToTen)
{
    const std::vector<std::tuple<int, bool, bool, bool>> cases = {
        {AllPermissions, true, true, true},
        {AllPermissions & ~(1 << 8), false, true, true},
        {AllPermissions & ~(1 << 9), true, false, true},
        {AllPermissions & ~(1 << 10), true, true, false},
    };
    for (const auto& [permissions, reply, replyAll, forward] : cases) {
        zarv::data::Message message = listed(OnlyIda);
        message.mutable_message_security_descriptor()->set_permissions(permissions);
        MessageReaderView* reader = openReader(message);
        EXPECT_EQ(reader->findChild<QPushButton*>("ReplyTo")->isEnabled(), reply) << permissions;
        EXPECT_EQ(reader->findChild<QPushButton*>("ReplyToAll")->isEnabled(), replyAll) << permissions;
        EXPECT_EQ(reader->findChild<QPushButton*>("ForwardTo")->isEnabled(), forward) << permissions;
        delete reader;
    }
}

// Filters

TEST_F(MessageReaderTest, EachFilterNarrowsTheChainAndEnablesItsActions)
{
    struct Case
    {
        const char* box;
        std::vector<const char*> actions;
    };
    const std::vector<Case> cases = {
        {"filterCopiedToClipboard", {"Copy", "Select All"}},
        {"filterExportedToTextFile", {"Export to Text File..."}},
        {"filterExportedToPdfFile", {"Export to PDF File..."}},
        {"filterPrinted", {"Print", "Print Preview..."}},
    };
    MessageReaderView* reader = openReader(listed(Third));
    auto* chain = reader->findChild<TextReader*>();
    for (const Case& each : cases) {
        box(reader, each.box)->setChecked(true);
        EXPECT_TRUE(pane(reader).contains(ThirdWords)) << each.box;
        EXPECT_FALSE(pane(reader).contains(SecondWords)) << each.box << ": the reply lacks the bit";
        EXPECT_FALSE(pane(reader).contains(FirstWords)) << each.box;
        for (const char* name : each.actions) {
            EXPECT_TRUE(action(reader, name)->isEnabled()) << each.box << " " << name;
        }
        if (each.actions.front() == std::string("Copy")) {
            EXPECT_EQ(chain->textInteractionFlags(), Qt::TextSelectableByMouse);
        }
        box(reader, each.box)->setChecked(false);
        EXPECT_TRUE(pane(reader).contains(SecondWords)) << each.box << ": unchecking brings it back";
        EXPECT_FALSE(pane(reader).contains(FirstWords)) << each.box;
        for (const char* name : each.actions) {
            EXPECT_FALSE(action(reader, name)->isEnabled()) << each.box << " " << name;
        }
        EXPECT_EQ(chain->textInteractionFlags(), Qt::NoTextInteraction);
    }
}

// Audits

class MessageReaderAuditTest : public MessageReaderTest
{
protected:
    void SetUp() override
    {
        MessageReaderTest::SetUp();
        m_reader = openReader(listed(Third));
        for (const char* name :
             {"filterCopiedToClipboard", "filterExportedToTextFile", "filterExportedToPdfFile", "filterPrinted"}) {
            box(m_reader, name)->setChecked(true);
        }
        m_requests.clear();
    }

    // The one audit request sent: its major code, message id and count.
    std::tuple<int, int, int> onlyAudit() const
    {
        EXPECT_EQ(m_requests.size(), 1u);
        if (m_requests.size() != 1) {
            return {0, 0, 0};
        }
        // The four audit requests share their fields' numbers.
        zarv::data::LogEventCopyMessageToClipboardRequest audit;
        EXPECT_TRUE(audit.ParseFromString(m_requests.front().payload));
        return {m_requests.front().majorOpcode, audit.message().message_id(), audit.size()};
    }

    int paneLength() const { return m_reader->findChild<TextReader*>()->toPlainText().size(); }

    static void ChooseFile(const QString& path)
    {
        testsupport::WhenModal<QFileDialog>([path](QFileDialog* dialog) {
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    }

    MessageReaderView* m_reader = nullptr;
    QTemporaryDir m_folder;
};

TEST_F(MessageReaderAuditTest, EveryExportAndPreviewSendsOneAuditWithTheMessageAndTheCount)
{
    ChooseFile(m_folder.filePath("chain.txt"));
    action(m_reader, "Export to Text File...")->trigger();
    EXPECT_EQ(onlyAudit(), std::make_tuple(common::LogEventExportMessageToTextFile, Third, paneLength()));
    m_requests.clear();

    ChooseFile(m_folder.filePath("chain.pdf"));
    action(m_reader, "Export to PDF File...")->trigger();
    EXPECT_EQ(onlyAudit(), std::make_tuple(common::LogEventExportMessageToPdfFile, Third, paneLength()));
    m_requests.clear();

    testsupport::WhenModal<QPrintPreviewDialog>([](QPrintPreviewDialog* dialog) { dialog->accept(); });
    action(m_reader, "Print Preview...")->trigger();
    EXPECT_EQ(onlyAudit(), std::make_tuple(common::LogEventPrintMessage, Third, paneLength()));
}

TEST_F(MessageReaderAuditTest, PrintingToAPdfFileSendsOneAuditWithTheMessageAndTheCount)
{
    // The print dialog's own choice of a PDF file stands in for a printer.
    const QString path = m_folder.filePath("printed.pdf");
    testsupport::WhenModal<QPrintDialog>([&path](QPrintDialog* dialog) {
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        if (printers && fileName) {
            printers->setCurrentIndex(printers->count() - 1);
            fileName->setText(path);
        }
        dialog->accept();
    });
    action(m_reader, "Print")->trigger();
    EXPECT_EQ(onlyAudit(), std::make_tuple(common::LogEventPrintMessage, Third, paneLength()));
    EXPECT_GT(QFileInfo(path).size(), 0) << "printed";
    m_requests.clear();

    testsupport::WhenModal<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
    action(m_reader, "Print")->trigger();
    EXPECT_TRUE(m_requests.empty());
}

TEST_F(MessageReaderAuditTest, ACancelledDialogSendsNothing)
{
    ChooseFile(QString());
    action(m_reader, "Export to Text File...")->trigger();
    ChooseFile(QString());
    action(m_reader, "Export to PDF File...")->trigger();
    testsupport::WhenModal<QPrintPreviewDialog>([](QPrintPreviewDialog* dialog) { dialog->reject(); });
    action(m_reader, "Print Preview...")->trigger();
    EXPECT_TRUE(m_requests.empty());
}

TEST_F(MessageReaderAuditTest, CopyByActionKeyAndDragIsAuditedOnceOnlyWhileTheCopyBoxIsChecked)
{
    auto* chain = m_reader->findChild<TextReader*>();
    const auto hook = &MimeHook::createMimeDataFromSelection;
    const int selected = [&] {
        chain->selectAll();
        return chain->textCursor().selectedText().size();
    }();
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"action", [&] { action(m_reader, "Copy")->trigger(); }},
        {"key", [&] { QTest::keyClick(chain, Qt::Key_C, Qt::ControlModifier); }},
        {"drag",
         [&] {
             QTest::mousePress(chain->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
             chain->selectAll();
             std::unique_ptr<QMimeData> dragged((chain->*hook)());
             EXPECT_EQ(dragged->hasText(), action(m_reader, "Copy")->isEnabled());
             QTest::mouseRelease(chain->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
         }},
    };
    for (const auto& [way, copy] : ways) {
        box(m_reader, "filterCopiedToClipboard")->setChecked(true);
        m_requests.clear();
        chain->selectAll();
        copy();
        EXPECT_EQ(onlyAudit(), std::make_tuple(common::LogEventCopyMessageToClipboard, Third, selected)) << way;

        box(m_reader, "filterCopiedToClipboard")->setChecked(false);
        m_requests.clear();
        QApplication::clipboard()->setText(QStringLiteral("untouched"));
        chain->selectAll();
        copy();
        EXPECT_TRUE(m_requests.empty()) << way << " refused with the copy box unchecked";
        EXPECT_EQ(QApplication::clipboard()->text(), "untouched") << way;
    }
}

// Reply, Reply to All, Forward

struct Row
{
    int user;
    int field;
    int folder;
    bool operator==(const Row& other) const
    {
        return user == other.user && field == other.field && folder == other.folder;
    }
};

std::ostream& operator<<(std::ostream& out, const Row& row)
{
    return out << "{" << row.user << ", " << row.field << ", " << row.folder << "}";
}

TEST_F(MessageReaderTest, ReplyReplyToAllAndForwardSendTheNewMessageAndItsAddressees)
{
    struct Case
    {
        const char* button;
        int message;
        int relation;
        const char* subject;
        std::vector<Row> rows;
    };
    const Row jonTo{Jon, 0, JonRoot};
    const std::vector<Case> cases = {
        {"ReplyTo", Third, 1, "RE: RE: RE: Start", {jonTo}},
        {"ReplyToAll", Third, 2, "RE: RE: RE: Start", {jonTo, {Kim, 1, KimRoot}}},
        {"ForwardTo", Third, 3, "FW: RE: RE: Start", {}},
        {"ReplyTo", SelfAddressed, 1, "RE: Self", {jonTo}},
        {"ReplyToAll", SelfAddressed, 2, "RE: Self", {jonTo, {Kim, 1, KimRoot}}},
        {"ForwardTo", SelfAddressed, 3, "FW: Self", {}},
        {"ReplyTo", OnlyIda, 1, "RE: Only", {{Kim, 0, KimRoot}}},
        {"ReplyToAll", OnlyIda, 2, "RE: Only", {{Kim, 0, KimRoot}}},
        {"ForwardTo", OnlyIda, 3, "FW: Only", {}},
    };
    for (const Case& each : cases) {
        const std::string label = std::string(each.button) + " " + std::to_string(each.message);
        m_requests.clear();
        QPointer<MessageReaderView> reader = openReader(listed(each.message));
        reader->findChild<QPushButton*>(each.button)->click();
        ASSERT_EQ(codes(), (std::vector<std::pair<int, int>>{{common::InsertMessage, common::Untagged},
                                                             {common::OpenMessageEditorView, common::Untagged}}))
            << label;
        zarv::data::InsertMessageRequest request;
        ASSERT_TRUE(request.ParseFromString(m_requests.front().payload)) << label;
        const zarv::data::Message& message = request.message();
        EXPECT_EQ(message.message_user_id(), Ida) << label;
        EXPECT_EQ(message.message_parent_id(), each.message) << label;
        EXPECT_EQ(message.message_parent_relation(), each.relation) << label;
        EXPECT_EQ(message.message_subject(), each.subject) << label;
        EXPECT_EQ(message.message_folder_id(), IdaInbox) << label;
        EXPECT_EQ(message.message_security_descriptor().permissions() & 0x7FF, AllPermissions) << label;
        EXPECT_EQ(message.message_sender().user_id(), Ida) << label;
        std::vector<Row> rows;
        for (const zarv::data::Message& row : request.message_user()) {
            rows.push_back(
                {row.message_user_user_id(), row.message_user_field(), row.message_user_message_folder_id()});
            EXPECT_EQ(row.message_user_properties(), 0) << label;
            EXPECT_FALSE(row.message_user_creation_date().empty()) << label;
        }
        EXPECT_EQ(rows, each.rows) << label;
        EXPECT_EQ(request.message_document_size(), 0) << label;

        zarv::data::OpenMessageRequest open;
        ASSERT_TRUE(open.ParseFromString(m_requests.back().payload));
        EXPECT_GT(open.message().message_id(), 0) << label;
        EXPECT_EQ(open.message().message_subject(), each.subject) << label;
        ASSERT_TRUE(reader);
        EXPECT_FALSE(reader->isVisible()) << label << ": the reader closes after the insert";
        delete reader;
    }
}

TEST_F(MessageReaderTest, OfTwoOpenReadersOnlyTheSenderOpensTheEditor)
{
    MessageReaderView* first = openReader(listed(Third));
    MessageReaderView* second = openReader(listed(OnlyIda));
    second->findChild<QPushButton*>("ReplyTo")->click();
    EXPECT_EQ(codes(second), (std::vector<std::pair<int, int>>{{common::InsertMessage, common::Untagged},
                                                               {common::OpenMessageEditorView, common::Untagged}}));
    EXPECT_TRUE(codes(first).empty());
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(second->isVisible());
}

class RefusedInsertTest : public MessageReaderTest
{
protected:
    RefusedInsertTest()
        : MessageReaderTest({"error-codes=3,0@30"})
    {}
};

class UnansweredInsertTest : public MessageReaderTest
{
protected:
    UnansweredInsertTest()
        : MessageReaderTest({"no-reply@30"})
    {}
};

TEST_F(RefusedInsertTest, KeepsTheReaderOpenSendsNoEditorRequestAndWarns)
{
    MessageReaderView* reader = openReader(listed(Third));
    QString shown;
    testsupport::WhenModal<QMessageBox>([&shown](QMessageBox* box) {
        shown = box->text();
        box->accept();
    });
    reader->findChild<QPushButton*>("ReplyToAll")->click();
    EXPECT_EQ(codes(), (std::vector<std::pair<int, int>>{{common::InsertMessage, common::Untagged}}));
    EXPECT_EQ(shown, "The server refused the request (code 3).");
    EXPECT_TRUE(reader->isVisible());
}

TEST_F(UnansweredInsertTest, KeepsTheReaderOpenSendsNoEditorRequestAndWarns)
{
    MessageReaderView* reader = openReader(listed(Third));
    QString shown;
    testsupport::WhenModal<QMessageBox>([&shown](QMessageBox* box) {
        shown = box->text();
        box->accept();
    });
    reader->findChild<QPushButton*>("ForwardTo")->click();
    EXPECT_EQ(codes(), (std::vector<std::pair<int, int>>{{common::InsertMessage, common::Untagged}}));
    EXPECT_EQ(shown, "No reply from the server.");
    EXPECT_TRUE(reader->isVisible());
}

// Attachments

TEST_F(MessageReaderTest, AnAttachmentOpensUnderTheOneKeyAndIsRefusedWithNoneOrTwo)
{
    MessageReaderView* reader = openReader(listed(Third));
    auto* documents = reader->findChild<QListWidget*>("documents");
    emit documents->itemDoubleClicked(documents->item(0));
    EXPECT_EQ(codes(), (std::vector<std::pair<int, int>>{{common::SelectDocumentKey, common::OpenDocumentEditorView}}));

    for (int row : {1, 2}) {
        m_requests.clear();
        const QString name = documents->item(row)->text();
        QString text;
        QString informative;
        testsupport::WhenModal<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            informative = box->informativeText();
            box->accept();
        });
        emit documents->itemDoubleClicked(documents->item(row));
        EXPECT_EQ(text, "Access denied: " + name);
        EXPECT_TRUE(informative.contains("('" + name + "')")) << informative.toStdString();
        EXPECT_TRUE(m_requests.empty()) << name.toStdString();
    }
}

// Manager

TEST_F(MessageReaderTest, TheManagerOpensOneReaderPerMessageAndClosesItOnItsDeletion)
{
    auto* browser = new AbstractViewWindow(nullptr);
    ASSERT_TRUE(m_tree->connectAbstractViewWindow(browser));
    zarv::data::OpenMessageRequest open;
    *open.mutable_message() = listed(Third);
    const auto readers = [] {
        std::vector<MessageReaderView*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* reader = qobject_cast<MessageReaderView*>(widget); reader && reader->isVisible()) {
                found.push_back(reader);
            }
        }
        return found;
    };
    emit browser->deliverRequest(common::OpenMessageReaderView, common::Untagged, open.SerializeAsString());
    ASSERT_EQ(readers().size(), 1u);
    MessageReaderView* reader = readers().front();
    EXPECT_EQ(reader->getMessage().message_id(), Third);
    emit browser->deliverRequest(common::OpenMessageReaderView, common::Untagged, open.SerializeAsString());
    EXPECT_EQ(readers(), std::vector<MessageReaderView*>{reader}) << "a second open raises the same reader";

    open.mutable_message()->set_message_user_is_recipient(false);
    open.mutable_message()->set_message_id(OnlyIda);
    emit browser->deliverRequest(common::OpenMessageReaderView, common::Untagged, open.SerializeAsString());
    EXPECT_EQ(readers().size(), 1u) << "an own message opens no reader";

    auto* manager = m_tree->findChild<MessageReaderManager*>();
    ASSERT_NE(manager, nullptr);
    zarv::data::DeleteMessageRequest deleted;
    deleted.set_message_id(Third);
    zarv::data::DeleteMessageReply reply;
    reply.mutable_sql_diag_rec();
    manager->receiveReply(common::DeleteMessage, common::Untagged, deleted.SerializeAsString(), 3, 0,
                          reply.SerializeAsString());
    EXPECT_EQ(readers().size(), 1u) << "a failed deletion closes nothing";
    manager->receiveReply(common::DeleteMessage, common::Untagged, deleted.SerializeAsString(), common::NoEr,
                          common::NoEr, reply.SerializeAsString());
    EXPECT_TRUE(readers().empty());
}

}  // namespace
