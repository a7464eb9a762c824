// The message editor and its manager against the test server over
// fixtures/messageeditor.textproto, with una logged on: construction and the
// requests it makes, Send and the caption, the active pane, the audits, the
// addressees, the attachments and the key check (with the key wizards
// replaced by a stand-in), saving, the subject, Send, Discard and closing,
// and the refusals of a faulty server.

#include "library/core/lib/registry.h"
#include "library/gui/abstractviewwindow.h"
#include "library/gui/messageeditor.h"
#include "library/gui/selectrecordsdialogs.h"
#include "library/gui/selectdocumentswidget.h"
#include "library/gui/selectuserswidget.h"
#include "library/gui/textdocument.h"
#include "library/gui/textreader.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/messageeditormanager.h"
#include "product/client/view/messageeditorview.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/scopedtimezone.h"
#include "tests/support/temporarysettingsstore.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/holderkeywizards.h"

#include "deletemessagedocumentreply3.pb.h"
#include "deletemessagedocumentrequest3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "insertmessagedocumentrequest3.pb.h"
#include "insertmessageuserrequest3.pb.h"
#include "logeventcopymessagetoclipboardrequest3.pb.h"
#include "openmessagerequest3.pb.h"
#include "selectmessagedocumentreply3.pb.h"
#include "selectmessagedocumentrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "updatemessagereply3.pb.h"
#include "updatemessagerequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace {

constexpr int Una = 34001;
constexpr int Vic = 34002;
constexpr int Wes = 34003;
constexpr int Xan = 34004;
constexpr int UnaRoot = 34100;
constexpr int VicRoot = 34200;
constexpr int XanRoot = 34400;
constexpr int Question = 34501;
constexpr int Draft = 34502;
constexpr int Fresh = 34503;
constexpr int Empty = 34504;
constexpr int Answered = 34505;
constexpr int Notes = 34601;
constexpr int Plan = 34602;
constexpr int Spare = 34603;

using Codes = std::vector<std::pair<int, int>>;

Registry& TheRegistry()
{
    return *ACE_Singleton<Registry, ACE_Null_Mutex>::instance();
}

Cryptographer& TheCryptographer()
{
    return *ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
}

zarv::data::User UnaRecord()
{
    zarv::data::User user;
    user.set_user_id(Una);
    user.set_user_last_name("Ueda");
    user.set_user_first_name("Una");
    user.set_user_folder_id(34101);
    user.set_user_message_folder_id(UnaRoot);
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
    static testsupport::TemporarySettingsStore store(QStringLiteral("messageeditor_tests"));
    ASSERT_TRUE(store.isValid());
}

// The editor's protected parts that the tests drive.
class TestEditor : public MessageEditorView
{
public:
    using MessageEditorView::MessageEditorView;

    MessageEditor* editor() const { return m_textEditor; }
    TextReader* reader() const { return chainReader(); }
    QAction* save() const { return m_saveAction; }
    QAction* cut() const { return m_cutAction; }
    QAction* copy() const { return m_copyAction; }
    QAction* paste() const { return m_pasteAction; }
    QAction* selectAll() const { return m_selectAllAction; }
    QAction* find() const { return m_findAction; }
    QAction* replace() const { return m_replaceAction; }
    QAction* exportText() const { return m_exportToTextFileAction; }
    QAction* exportPdf() const { return m_exportToPdfFileAction; }
    QAction* print() const { return m_printAction; }
    QAction* printPreview() const { return m_printPreviewAction; }

    // "1" or "0" for Save, Cut, Paste, Replace, Find, Select All, Copy,
    // Export to Text File, Export to PDF File, Print, Print Preview.
    std::string enabledActions() const
    {
        std::string flags;
        for (const QAction* action : {save(), cut(), paste(), replace(), find(), selectAll(), copy(), exportText(),
                                      exportPdf(), print(), printPreview()}) {
            flags += action->isEnabled() ? '1' : '0';
        }
        return flags;
    }
};

// The editor pane's protected hooks through which every drag and drop passes.
struct EditorHook : MessageEditor
{
    using AbstractTextEditor::createMimeDataFromSelection;
    using AbstractTextEditor::insertFromMimeData;
};

struct Recorded
{
    int majorOpcode;
    int minorOpcode;
    std::string payload;
};

// The test server's standard error goes to a file while it starts, so that
// the exchanges it logs ("request M/m ...") can be read back.
class ServerLog
{
public:
    ServerLog()
    {
        m_file.setAutoRemove(true);
        EXPECT_TRUE(m_file.open());
    }

    std::unique_ptr<testsupport::TestServerProcess> start(const std::vector<std::string>& faults)
    {
        const int saved = ::dup(STDERR_FILENO);
        const int log = ::open(m_file.fileName().toLocal8Bit().constData(), O_WRONLY | O_APPEND);
        ::dup2(log, STDERR_FILENO);
        auto server = std::make_unique<testsupport::TestServerProcess>(
            faults, testsupport::TestServerProcess::FixturePath("messageeditor.textproto"));
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
        ::close(log);
        return server;
    }

    // The major opcodes of the exchanges logged so far.
    std::vector<int> majors() const
    {
        QFile file(m_file.fileName());
        std::vector<int> result;
        if (!file.open(QIODevice::ReadOnly)) {
            return result;
        }
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith("request ") && line.contains(" session ")) {
                result.push_back(line.mid(8, line.indexOf('/') - 8).toInt());
            }
        }
        return result;
    }

private:
    QTemporaryFile m_file;
};

class MessageEditorTest : public ::testing::Test
{
protected:
    explicit MessageEditorTest(const std::vector<std::string>& faults = {})
        : m_server(m_log.start(faults))
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
        MessageDispatcher::setSessionId(34);
        MessageDispatcher::setTimeout(std::chrono::seconds(10));
        TheRegistry().setUser(UnaRecord());
        m_tree = std::make_unique<ApplicationComponent>(
            nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                         &ApplicationComponent::CreateViewManager<MessageEditorManager>});
        KeyWizards::install(&m_wizards);
    }

    void TearDown() override
    {
        KeyWizards::install(nullptr);
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

    // una's own message as the server lists it to her.
    static zarv::data::Message own(int messageId)
    {
        zarv::data::SelectMessageRequest request;
        request.set_message_user_id(Una);
        MessageDispatcher dispatcher(common::SelectMessage, common::Untagged, request.SerializeAsString());
        zarv::data::SelectMessageReply reply;
        EXPECT_TRUE(dispatcher.dispatch());
        EXPECT_TRUE(reply.ParseFromString(dispatcher.getReply()));
        for (const auto& message : reply.message()) {
            if (message.message_id() == messageId) {
                return message;
            }
        }
        ADD_FAILURE() << "una wrote no message " << messageId;
        return zarv::data::Message();
    }

    // The message as the server holds it now.
    static zarv::data::Message stored(int messageId)
    {
        zarv::data::SelectMessageRequest request;
        request.set_message_id(messageId);
        MessageDispatcher dispatcher(common::SelectMessage, common::Untagged, request.SerializeAsString());
        zarv::data::SelectMessageReply reply;
        EXPECT_TRUE(dispatcher.dispatch());
        EXPECT_TRUE(reply.ParseFromString(dispatcher.getReply()));
        return reply.message_size() == 1 ? reply.message(0) : zarv::data::Message();
    }

    // The attached documents' ids as the server holds them.
    static std::vector<int> attached(int messageId)
    {
        zarv::data::SelectMessageDocumentRequest request;
        request.set_message_document_message_id(messageId);
        MessageDispatcher dispatcher(common::SelectMessageDocument, common::Untagged, request.SerializeAsString());
        zarv::data::SelectMessageDocumentReply reply;
        EXPECT_TRUE(dispatcher.dispatch());
        EXPECT_TRUE(reply.ParseFromString(dispatcher.getReply()));
        std::vector<int> ids;
        for (const auto& row : reply.message_document()) {
            ids.push_back(row.message_document_document_id());
        }
        return ids;
    }

    // An editor hung on the bus, shown, its requests recorded.
    TestEditor* openEditor(const zarv::data::Message& message)
    {
        auto* editor = new TestEditor(message, nullptr);
        QObject::connect(editor, &AbstractMainWindow::deliverRequest,
                         [this](common::Opcode major, common::Opcode minor, const std::string& payload) {
                             m_requests.push_back({major, minor, payload});
                         });
        EXPECT_TRUE(m_tree->connectAbstractViewWindow(static_cast<const AbstractViewWindow*>(editor)));
        editor->show();
        return editor;
    }

    // Another window on the bus, as a browser would be.
    AbstractViewWindow* otherWindow()
    {
        auto* window = new AbstractViewWindow(nullptr);
        EXPECT_TRUE(m_tree->connectAbstractViewWindow(window));
        return window;
    }

    Codes codes() const
    {
        Codes result;
        for (const Recorded& sent : m_requests) {
            result.emplace_back(sent.majorOpcode, sent.minorOpcode);
        }
        return result;
    }

    static QString text(QWidget* window, const char* name)
    {
        return window->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }

    static QPushButton* button(QWidget* window, const char* name)
    {
        return window->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    static QCheckBox* box(QWidget* window, const char* name)
    {
        return window->findChild<QCheckBox*>(QString::fromLatin1(name));
    }

    static QStringList documentNames(QWidget* window)
    {
        QStringList names;
        const auto* documents = window->findChild<QListWidget*>(QStringLiteral("documents"));
        for (int row = 0; row < documents->count(); ++row) {
            names << documents->item(row)->text();
        }
        return names;
    }

    // Answers the next message box with `answer` and keeps its texts.
    void answerBox(QMessageBox::StandardButton answer)
    {
        testsupport::WhenModal<QMessageBox>([this, answer](QMessageBox* box) {
            m_boxTexts << box->text();
            m_boxInformativeTexts << box->informativeText();
            box->button(answer)->click();
        });
    }

    testsupport::ScopedTimeZone m_zone{"UTC"};
    ServerLog m_log;
    std::unique_ptr<testsupport::TestServerProcess> m_server;
    std::unique_ptr<ApplicationComponent> m_tree;
    std::vector<Recorded> m_requests;
    messageeditortest::HolderKeyWizards m_wizards{Una};
    QStringList m_boxTexts;
    QStringList m_boxInformativeTexts;
};

// Construction

TEST_F(MessageEditorTest, AReplyShowsItsAddresseesAttachmentsAndTheParentChain)
{
    const zarv::data::Message message = own(Draft);
    const std::size_t before = m_log.majors().size();
    TestEditor* editor = openEditor(message);
    const std::vector<int> all = m_log.majors();
    const std::vector<int> construction(all.begin() + static_cast<long>(before), all.end());
    // The three addressee fields, the attachments, the parent by its id, the
    // parent's block (its To and Cc addressees), then the chain it answers.
    EXPECT_EQ(construction,
              (std::vector<int>{common::SelectMessageUser, common::SelectMessageUser, common::SelectMessageUser,
                                common::SelectMessageDocument, common::SelectMessage, common::SelectMessageUser,
                                common::SelectMessageUser, common::SelectMessage}));
    EXPECT_EQ(text(editor, "to"), "Vance, Vic");
    EXPECT_EQ(text(editor, "cc"), "Wong, Wes");
    EXPECT_EQ(text(editor, "bcc"), "");
    EXPECT_EQ(text(editor, "subject"), "RE: Question");
    EXPECT_EQ(editor->windowTitle(), "RE: Question [127.0.0.1]");
    EXPECT_EQ(editor->findChild<QToolBar*>("AddresseeToolBar")->windowTitle(), "Addressee Toolbar");
    EXPECT_EQ(documentNames(editor), (QStringList{"Notes", "Plan"}));
    EXPECT_TRUE(editor->reader()->toPlainText().contains("Question words."));
    EXPECT_TRUE(editor->editor()->toPlainText().contains("Draft reply."));
    EXPECT_TRUE(button(editor, "Send")->isEnabled());
    EXPECT_FALSE(editor->textDocument()->isModified());
    EXPECT_TRUE(codes().empty()) << "construction sends nothing on the bus";
}

TEST_F(MessageEditorTest, TheBrowsersChainPageMakesNoChainRequestUntilAFilterChanges)
{
    zarv::data::Message message = own(Draft);
    message.set_message_parent_chain_cache("<p>Cached page.</p>");
    const std::size_t before = m_log.majors().size();
    TestEditor* editor = openEditor(message);
    const std::vector<int> all = m_log.majors();
    EXPECT_EQ(std::vector<int>(all.begin() + static_cast<long>(before), all.end()),
              (std::vector<int>{common::SelectMessageUser, common::SelectMessageUser, common::SelectMessageUser,
                                common::SelectMessageDocument}));
    EXPECT_EQ(editor->reader()->toPlainText(), "Cached page.");
    EXPECT_FALSE(editor->getMessage().has_message_parent_chain_cache());
    box(editor, "filterPrinted")->setChecked(true);
    EXPECT_TRUE(editor->reader()->toPlainText().contains("Question words."));
}

TEST_F(MessageEditorTest, ANewMessageShowsAnEmptyReaderPaneWithTheBoxesDisabled)
{
    TestEditor* editor = openEditor(own(Fresh));
    EXPECT_TRUE(editor->reader()->toPlainText().isEmpty());
    for (const char* name :
         {"filterCopiedToClipboard", "filterExportedToTextFile", "filterExportedToPdfFile", "filterPrinted"}) {
        EXPECT_FALSE(box(editor, name)->isEnabled()) << name;
    }
    const std::size_t before = m_log.majors().size();
    box(editor, "filterPrinted")->setChecked(true);
    emit editor->reader()->focusIn(nullptr);
    EXPECT_EQ(m_log.majors().size(), before) << "a box of a new message fetches nothing";
    EXPECT_TRUE(editor->save()->isEnabled()) << "the editor pane stays active";
    EXPECT_FALSE(button(editor, "Send")->isEnabled()) << "nobody is addressed";
}

// Send and the caption

TEST_F(MessageEditorTest, SendIsEnabledByAnyAddresseeAndTheCaptionFollowsTheModifiedFlag)
{
    TestEditor* editor = openEditor(own(Fresh));
    const struct
    {
        const char* to;
        const char* cc;
        const char* bcc;
        const char* subject;
        bool enabled;
    } cases[] = {
        {"", "", "", "", false}, {"A", "", "", "", true},  {"", "B", "", "", true},
        {"", "", "C", "", true}, {"", "", "", "S", false}, {"A", "B", "C", "", true},
    };
    for (const auto& each : cases) {
        editor->findChild<QLineEdit*>("to")->setText(each.to);
        editor->findChild<QLineEdit*>("cc")->setText(each.cc);
        editor->findChild<QLineEdit*>("bcc")->setText(each.bcc);
        editor->findChild<QLineEdit*>("subject")->setText(each.subject);
        EXPECT_EQ(button(editor, "Send")->isEnabled(), each.enabled)
            << each.to << "/" << each.cc << "/" << each.bcc << "/" << each.subject;
    }
    EXPECT_EQ(editor->windowTitle(), "Fresh [127.0.0.1]");
    editor->editor()->insertPlainText("more");
    EXPECT_EQ(editor->windowTitle(), "Fresh* [127.0.0.1]");
    editor->textDocument()->setModified(false);
    EXPECT_EQ(editor->windowTitle(), "Fresh [127.0.0.1]");
}

// The active pane

TEST_F(MessageEditorTest, TheActivePaneDecidesTheActionsTheBoxesAndWhereSelectAllAndCopyGo)
{
    TestEditor* editor = openEditor(own(Draft));
    const auto boxesEnabled = [editor] {
        std::string flags;
        for (const char* name :
             {"filterCopiedToClipboard", "filterExportedToTextFile", "filterExportedToPdfFile", "filterPrinted"}) {
            flags += box(editor, name)->isEnabled() ? '1' : '0';
        }
        return flags;
    };
    // Save, Cut, Paste, Replace, Find, Select All, Copy, text, PDF, Print,
    // Print Preview.
    EXPECT_EQ(editor->enabledActions(), "11111111111");
    EXPECT_EQ(boxesEnabled(), "0000");

    const struct
    {
        const char* box;
        const char* actions;
    } cases[] = {
        {nullptr, "00001000000"},
        {"filterCopiedToClipboard", "00001110000"},
        {"filterExportedToTextFile", "00001001000"},
        {"filterExportedToPdfFile", "00001000100"},
        {"filterPrinted", "00001000011"},
    };
    for (const auto& each : cases) {
        for (const char* name :
             {"filterCopiedToClipboard", "filterExportedToTextFile", "filterExportedToPdfFile", "filterPrinted"}) {
            box(editor, name)->setChecked(each.box && std::string(name) == each.box);
        }
        emit editor->reader()->focusIn(nullptr);
        EXPECT_EQ(editor->enabledActions(), each.actions) << (each.box ? each.box : "no box");
        EXPECT_EQ(boxesEnabled(), "1111");
        emit editor->editor()->focusIn(nullptr);
        EXPECT_EQ(editor->enabledActions(), "11111111111");
        EXPECT_EQ(boxesEnabled(), "0000");
    }

    box(editor, "filterCopiedToClipboard")->setChecked(true);
    emit editor->reader()->focusIn(nullptr);
    editor->selectAll()->trigger();
    EXPECT_FALSE(editor->reader()->textCursor().selectedText().isEmpty()) << "Select All reaches the reader pane";
    EXPECT_TRUE(editor->editor()->textCursor().selectedText().isEmpty());
    m_requests.clear();
    editor->copy()->trigger();
    ASSERT_EQ(codes(), (Codes{{common::LogEventCopyMessageToClipboard, common::Untagged}}));
    zarv::data::LogEventCopyMessageToClipboardRequest audit;
    ASSERT_TRUE(audit.ParseFromString(m_requests.front().payload));
    EXPECT_EQ(audit.size(), editor->reader()->textCursor().selectedText().size()) << "the reader pane's selection";

    emit editor->editor()->focusIn(nullptr);
    editor->reader()->moveCursor(QTextCursor::Start);
    editor->selectAll()->trigger();
    EXPECT_FALSE(editor->editor()->textCursor().selectedText().isEmpty()) << "Select All reaches the editor pane";
    EXPECT_TRUE(editor->reader()->textCursor().selectedText().isEmpty());
}

// Audits

class MessageEditorAuditTest : public MessageEditorTest
{
protected:
    void SetUp() override
    {
        MessageEditorTest::SetUp();
        m_editor = openEditor(own(Draft));
        for (const char* name :
             {"filterCopiedToClipboard", "filterExportedToTextFile", "filterExportedToPdfFile", "filterPrinted"}) {
            box(m_editor, name)->setChecked(true);
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
        // The audit requests share their fields' numbers.
        zarv::data::LogEventCopyMessageToClipboardRequest audit;
        EXPECT_TRUE(audit.ParseFromString(m_requests.front().payload));
        return {m_requests.front().majorOpcode, audit.message().message_id(), audit.size()};
    }

    static void ChooseFile(const QString& path)
    {
        testsupport::WhenModal<QFileDialog>([path](QFileDialog* dialog) {
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    }

    TestEditor* m_editor = nullptr;
    QTemporaryDir m_folder;
};

TEST_F(MessageEditorAuditTest, EveryExportPrintCopyCutAndPasteOfEitherPaneIsAuditedOnce)
{
    MessageEditor* pane = m_editor->editor();
    const auto hook = &EditorHook::createMimeDataFromSelection;
    const auto drop = &EditorHook::insertFromMimeData;
    const int editorLength = pane->toPlainText().size();
    struct Case
    {
        const char* name;
        bool readerPane;
        std::function<void()> act;
        int major;
        std::function<int()> count;
    };
    const std::vector<Case> cases = {
        {"export text (editor)", false,
         [&] {
             ChooseFile(m_folder.filePath("editor.txt"));
             m_editor->exportText()->trigger();
         },
         common::LogEventExportMessageToTextFile, [&] { return editorLength; }},
        {"export PDF (editor)", false,
         [&] {
             ChooseFile(m_folder.filePath("editor.pdf"));
             m_editor->exportPdf()->trigger();
         },
         common::LogEventExportMessageToPdfFile, [&] { return editorLength; }},
        {"print preview (editor)", false,
         [&] {
             testsupport::WhenModal<QPrintPreviewDialog>([](QPrintPreviewDialog* dialog) { dialog->accept(); });
             m_editor->printPreview()->trigger();
         },
         common::LogEventPrintMessage, [&] { return editorLength; }},
        {"copy (editor)", false,
         [&] {
             pane->selectAll();
             m_editor->copy()->trigger();
         },
         common::LogEventCopyMessageToClipboard, [&] { return editorLength; }},
        {"paste (editor)", false,
         [&] {
             QApplication::clipboard()->setText(QStringLiteral("pasted"));
             m_editor->paste()->trigger();
         },
         common::LogEventPasteMessageFromClipboard, [] { return 6; }},
        {"cut (editor)", false,
         [&] {
             pane->selectAll();
             m_editor->cut()->trigger();
         },
         common::LogEventCopyMessageToClipboard,
         [&] { return static_cast<int>(QApplication::clipboard()->text().size()); }},
        {"drop (editor)", false,
         [&] {
             QMimeData incoming;
             incoming.setText(QStringLiteral("dropped"));
             (pane->*drop)(&incoming);
         },
         common::LogEventPasteMessageFromClipboard, [] { return 7; }},
        {"drag out (editor)", false,
         [&] {
             pane->setPlainText(QStringLiteral("dragged text"));
             QTest::mousePress(pane->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
             pane->selectAll();
             std::unique_ptr<QMimeData> dragged((pane->*hook)());
             dragged.reset();
             QTest::mouseRelease(pane->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
         },
         common::LogEventCopyMessageToClipboard, [] { return 12; }},
        {"export text (reader)", true,
         [&] {
             ChooseFile(m_folder.filePath("reader.txt"));
             m_editor->exportText()->trigger();
         },
         common::LogEventExportMessageToTextFile,
         [&] { return static_cast<int>(m_editor->reader()->toPlainText().size()); }},
        {"export PDF (reader)", true,
         [&] {
             ChooseFile(m_folder.filePath("reader.pdf"));
             m_editor->exportPdf()->trigger();
         },
         common::LogEventExportMessageToPdfFile,
         [&] { return static_cast<int>(m_editor->reader()->toPlainText().size()); }},
        {"print preview (reader)", true,
         [&] {
             testsupport::WhenModal<QPrintPreviewDialog>([](QPrintPreviewDialog* dialog) { dialog->accept(); });
             m_editor->printPreview()->trigger();
         },
         common::LogEventPrintMessage, [&] { return static_cast<int>(m_editor->reader()->toPlainText().size()); }},
        {"copy (reader)", true,
         [&] {
             m_editor->reader()->selectAll();
             m_editor->copy()->trigger();
         },
         common::LogEventCopyMessageToClipboard,
         [&] { return static_cast<int>(m_editor->reader()->textCursor().selectedText().size()); }},
    };
    for (const Case& each : cases) {
        if (each.readerPane) {
            emit m_editor->reader()->focusIn(nullptr);
        } else {
            emit pane->focusIn(nullptr);
        }
        m_requests.clear();
        each.act();
        EXPECT_EQ(onlyAudit(), std::make_tuple(each.major, Draft, each.count())) << each.name;
    }
}

// Addressees

// Answers the addressee dialog: removes the users of `removed` from its
// selected list, adds `added` in order, then presses OK.
void AnswerAddresseeDialog(const std::vector<int>& removed, const std::vector<zarv::data::User>& added)
{
    testsupport::WhenModal<SelectUsersDialog>([removed, added](SelectUsersDialog* dialog) {
        for (QListWidgetItem* item : dialog->widget()->selectedItems()) {
            const int id = item->data(Qt::UserRole + 7).value<zarv::data::User>().user_id();
            if (std::find(removed.begin(), removed.end(), id) != removed.end()) {
                delete item;
            }
        }
        for (const zarv::data::User& user : added) {
            dialog->addUser(user);
        }
        dialog->accept();
    });
}

zarv::data::User Person(int id, const char* first, const char* last, int folder)
{
    zarv::data::User user;
    user.set_user_id(id);
    user.set_user_first_name(first);
    user.set_user_last_name(last);
    user.set_user_message_folder_id(folder);
    return user;
}

TEST_F(MessageEditorTest, TheAddresseeDifferenceInsertsBeforeDeletesEachInAscendingUserId)
{
    const zarv::data::User vic = Person(Vic, "Vic", "Vance", VicRoot);
    const zarv::data::User xan = Person(Xan, "Xan", "Xu", XanRoot);
    struct Request
    {
        int major;
        int user;
        bool operator==(const Request& other) const { return major == other.major && user == other.user; }
    };
    const struct
    {
        const char* name;
        int message;
        std::vector<int> removed;
        std::vector<zarv::data::User> added;
        std::vector<Request> requests;
        const char* line;
    } cases[] = {
        // The dialog lists Adams before Vance; the rows go in user id order.
        {"two added to nobody",
         Fresh,
         {},
         {Person(Xan, "Xan", "Adams", XanRoot), vic},
         {{common::InsertMessageUser, Vic}, {common::InsertMessageUser, Xan}},
         "Adams, Xan; Vance, Vic"},
        {"Vic replaced by Xan",
         Draft,
         {Vic},
         {xan},
         {{common::InsertMessageUser, Xan}, {common::DeleteMessageUser, Vic}},
         "Xu, Xan"},
        {"Vic removed", Draft, {Vic}, {}, {{common::DeleteMessageUser, Vic}}, ""},
        {"OK without a change", Draft, {}, {}, {}, "Vance, Vic"},
    };
    for (const auto& each : cases) {
        m_requests.clear();
        TestEditor* editor = openEditor(own(each.message));
        AnswerAddresseeDialog(each.removed, each.added);
        button(editor, "To")->click();
        std::vector<Request> sent;
        for (const Recorded& request : m_requests) {
            if (request.majorOpcode == common::InsertMessageUser) {
                zarv::data::InsertMessageUserRequest insert;
                ASSERT_TRUE(insert.ParseFromString(request.payload));
                const zarv::data::Message& row = insert.message();
                sent.push_back({request.majorOpcode, row.message_user_user_id()});
                EXPECT_EQ(row.message_user_message_id(), each.message) << each.name;
                EXPECT_EQ(row.message_user_field(), zarv::data::Message::TO) << each.name;
                EXPECT_EQ(row.message_user_properties(), 0) << each.name;
                EXPECT_EQ(row.message_user_message_folder_id(), row.message_user_user_id() == Vic ? VicRoot : XanRoot)
                    << each.name;
                EXPECT_FALSE(row.message_user_creation_date().empty()) << each.name;
            } else if (request.majorOpcode == common::DeleteMessageUser) {
                zarv::data::DeleteMessageUserRequest remove;
                ASSERT_TRUE(remove.ParseFromString(request.payload));
                sent.push_back({request.majorOpcode, remove.message_user_user_id()});
                EXPECT_EQ(remove.message_user_message_id(), each.message) << each.name;
            } else {
                ADD_FAILURE() << each.name << ": request " << request.majorOpcode;
            }
        }
        EXPECT_TRUE(sent == each.requests) << each.name;
        EXPECT_EQ(text(editor, "to"), each.line) << each.name;
        EXPECT_TRUE(editor->statusBar()->currentMessage().isEmpty()) << each.name;
        delete editor;
        // Put the fixture's addressees back for the next case.
        if (each.message == Draft) {
            TestEditor* restore = openEditor(own(Draft));
            AnswerAddresseeDialog({Xan}, {vic});
            button(restore, "To")->click();
            delete restore;
        }
    }
}

TEST_F(MessageEditorTest, TheRecipientsOfTheOtherFieldsAreNotOffered)
{
    TestEditor* editor = openEditor(own(Draft));
    QStringList offered;
    QStringList chosen;
    testsupport::WhenModal<SelectUsersDialog>([&](SelectUsersDialog* dialog) {
        dialog->widget()->includeAll();
        const QList<QListWidget*> lists = dialog->findChildren<QListWidget*>();
        for (QListWidget* list : lists) {
            for (int row = 0; row < list->count(); ++row) {
                offered << list->item(row)->text();
            }
        }
        for (QListWidgetItem* item : dialog->widget()->selectedItems()) {
            chosen << item->text();
        }
        dialog->reject();
    });
    button(editor, "To")->click();
    EXPECT_TRUE(offered.contains("Xu, Xan")) << offered.join('|').toStdString();
    EXPECT_FALSE(offered.contains("Wong, Wes")) << "Wes is a Cc recipient";
    EXPECT_EQ(chosen, QStringList{"Vance, Vic"});
    EXPECT_TRUE(codes().empty()) << "Cancel sends nothing";
    EXPECT_EQ(text(editor, "to"), "Vance, Vic");
}

// Attachments and keys

TEST_F(MessageEditorTest, AttachedDocumentsAreNotOfferedAgainAndAnAttachmentIsSentAndListed)
{
    TestEditor* editor = openEditor(own(Draft));
    QStringList offered;
    testsupport::WhenModal<SelectDocumentsDialog>([&](SelectDocumentsDialog* dialog) {
        dialog->widget()->includeAll();
        for (QListWidget* list : dialog->findChildren<QListWidget*>()) {
            for (int row = 0; row < list->count(); ++row) {
                offered << list->item(row)->text();
            }
        }
        zarv::data::Document spare;
        spare.set_document_id(Spare);
        spare.set_document_name("Spare");
        dialog->addDocument(spare);
        dialog->accept();
    });
    editor->findChild<QAction*>("attachDocument")->trigger();
    EXPECT_TRUE(offered.contains("Spare")) << offered.join('|').toStdString();
    EXPECT_FALSE(offered.contains("Notes"));
    EXPECT_FALSE(offered.contains("Plan"));
    ASSERT_EQ(codes(), (Codes{{common::InsertMessageDocument, common::Untagged}}));
    zarv::data::InsertMessageDocumentRequest request;
    ASSERT_TRUE(request.ParseFromString(m_requests.front().payload));
    EXPECT_EQ(request.message_document().message_document_message_id(), Draft);
    EXPECT_EQ(request.message_document().message_document_document_id(), Spare);
    EXPECT_EQ(request.message_document().message_document_properties(), 0);
    EXPECT_EQ(documentNames(editor), (QStringList{"Notes", "Plan", "Spare"}));
    EXPECT_EQ(attached(Draft), (std::vector<int>{Notes, Plan, Spare}));
}

TEST_F(MessageEditorTest, ADetachReplyRemovesTheItemOnlyInTheEditorOfItsMessage)
{
    TestEditor* draft = openEditor(own(Draft));
    TestEditor* other = openEditor(own(Answered));
    auto* list = other->findChild<QListWidget*>(QStringLiteral("documents"));
    zarv::data::Document plan;
    plan.set_document_id(Plan);
    plan.set_document_name("Plan");
    auto* item = new QListWidgetItem(QStringLiteral("Plan"), nullptr, 2004);
    item->setData(Qt::UserRole + 3, QVariant::fromValue(plan));
    list->addItem(item);

    auto* documents = draft->findChild<QListWidget*>(QStringLiteral("documents"));
    documents->setCurrentRow(1);
    draft->findChild<QToolButton*>("removeDocument")->click();
    EXPECT_EQ(documentNames(draft), QStringList{"Notes"});
    EXPECT_EQ(documentNames(other), QStringList{"Plan"}) << "another message's detach reply is ignored";
    EXPECT_EQ(attached(Draft), std::vector<int>{Notes});
}

TEST_F(MessageEditorTest, KeyVerificationOffersTheMissingHoldersAndSendsOneKeyEach)
{
    TestEditor* editor = openEditor(own(Draft));
    // Notes: Vic holds a key, Wes lacks one; Plan: both lack one. Yes for
    // Notes, No for Plan.
    answerBox(QMessageBox::Yes);
    answerBox(QMessageBox::No);
    editor->findChild<QAction*>("verifyDocumentKeys")->trigger();
    ASSERT_EQ(m_wizards.runs.size(), 1u);
    EXPECT_EQ(m_wizards.runs[0].documentId, Notes);
    EXPECT_EQ(m_wizards.runs[0].documentName, "Notes");
    EXPECT_EQ(m_wizards.runs[0].holders, std::vector<int>{Wes});
    EXPECT_EQ(codes(), (Codes{{common::InsertDocumentKey, common::Untagged}}));
    zarv::data::InsertDocumentKeyRequest request;
    ASSERT_TRUE(request.ParseFromString(m_requests.front().payload));
    EXPECT_EQ(request.document_key().document_key_user().user_id(), Wes);
    EXPECT_EQ(m_boxInformativeTexts, (QStringList{"Notes", "Plan"}));
    EXPECT_EQ(m_boxTexts.size(), 2) << "No suppresses the final box";
    EXPECT_EQ(messageeditorview::GetMessageUsersWithoutDocumentKeyForDocument(Draft, Notes).user_size(), 0)
        << "the key was stored";
}

TEST_F(MessageEditorTest, AllVerifiedShowsOnlyForConfirmationZeroAndNoAttachmentsShowNothing)
{
    TestEditor* editor = openEditor(own(Draft));
    // Keys for everyone first.
    answerBox(QMessageBox::Yes);
    testsupport::WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    editor->verifyDocumentKeys(0);
    ASSERT_EQ(m_wizards.runs.size(), 2u);
    EXPECT_EQ(m_wizards.runs[1].holders, (std::vector<int>{Vic, Wes}));

    testsupport::DialogGuard guard;
    guard.allow<QMessageBox>();
    answerBox(QMessageBox::Ok);
    editor->verifyDocumentKeys(0);
    EXPECT_EQ(m_boxTexts.back(), "All document keys have been verified.");
    const int shown = m_boxTexts.size();
    editor->verifyDocumentKeys(1);
    QTest::qWait(50);
    EXPECT_EQ(m_boxTexts.size(), shown) << "closing's check shows no confirmation";
    guard.forbid<QMessageBox>();

    TestEditor* bare = openEditor(own(Fresh));
    bare->verifyDocumentKeys(0);
    QTest::qWait(50);
}

TEST_F(MessageEditorTest, ACancelledWizardSendsNoKey)
{
    m_wizards.finish = false;
    TestEditor* editor = openEditor(own(Draft));
    answerBox(QMessageBox::Yes);
    answerBox(QMessageBox::Yes);
    editor->verifyDocumentKeys(0);
    EXPECT_EQ(m_wizards.runs.size(), 2u);
    EXPECT_TRUE(codes().empty());
}

// The body limit, the subject, Discard and the close prompt

// A modified body whose stored HTML is exactly `bytes` long, of lines of
// two-byte characters.
void FillBody(TestEditor* editor, long long bytes)
{
    const QString line = QString(999, QChar(0x00E9)) + QLatin1Char('\n');
    QString text = line.repeated(400);
    text.chop(1);
    editor->editor()->setPlainText(text);
    const long long size = editor->textDocument()->toHtml().toUtf8().size();
    ASSERT_LE(size, bytes);
    const long long missing = bytes - size;
    // Pairs of bytes as "\u00e9", one odd byte as "a", all in the last line.
    text.append(QString(static_cast<int>(missing / 2), QChar(0x00E9)));
    text.append(QString(static_cast<int>(missing % 2), QLatin1Char('a')));
    editor->editor()->setPlainText(text);
    editor->textDocument()->setModified(true);
    ASSERT_EQ(editor->textDocument()->toHtml().toUtf8().size(), bytes);
}

TEST_F(MessageEditorTest, ABodyOfTheLimitIsSavedAndOneByteMoreIsRefusedWithTheCount)
{
    TestEditor* editor = openEditor(own(Fresh));
    FillBody(editor, MessageEditorView::MaximumBodyBytes);
    m_requests.clear();
    editor->save()->trigger();
    EXPECT_EQ(codes(), (Codes{{common::UpdateMessage, common::Untagged}}));
    EXPECT_FALSE(editor->textDocument()->isModified());
    EXPECT_EQ(static_cast<long long>(stored(Fresh).message_body().size()), MessageEditorView::MaximumBodyBytes);

    FillBody(editor, MessageEditorView::MaximumBodyBytes + 1);
    m_requests.clear();
    answerBox(QMessageBox::Ok);
    editor->save()->trigger();
    EXPECT_TRUE(codes().empty());
    EXPECT_EQ(m_boxTexts, QStringList{"The message contains 1 excess characters.<br />Please delete at least 1 "
                                      "characters."});
    EXPECT_TRUE(editor->textDocument()->isModified());
    EXPECT_EQ(static_cast<long long>(editor->getMessage().message_body().size()), MessageEditorView::MaximumBodyBytes)
        << "the copy keeps the last saved body";

    answerBox(QMessageBox::Ok);
    editor->send();
    EXPECT_TRUE(codes().empty());
    EXPECT_TRUE(editor->isVisible()) << "Send with a body over the limit keeps the window";
}

TEST_F(MessageEditorTest, TheSubjectIsTrimmedAndABlankOneIsIgnored)
{
    TestEditor* editor = openEditor(own(Fresh));
    editor->editor()->insertPlainText("changed ");
    testsupport::WhenModal<QInputDialog>([](QInputDialog* dialog) {
        dialog->setTextValue(QStringLiteral("   "));
        dialog->accept();
    });
    button(editor, "Subject")->click();
    EXPECT_TRUE(codes().empty()) << "a blank subject";

    testsupport::WhenModal<QInputDialog>([](QInputDialog* dialog) {
        EXPECT_EQ(dialog->textValue(), "Fresh");
        dialog->setTextValue(QStringLiteral("  New subject \t"));
        dialog->accept();
    });
    button(editor, "Subject")->click();
    EXPECT_EQ(codes(), (Codes{{common::UpdateMessage, common::Untagged}}));
    EXPECT_EQ(stored(Fresh).message_subject(), "New subject");
    EXPECT_TRUE(QString::fromStdString(stored(Fresh).message_body()).contains("changed"));
    EXPECT_EQ(text(editor, "subject"), "New subject");
    EXPECT_FALSE(editor->textDocument()->isModified()) << "the body went with the subject";
    EXPECT_EQ(editor->windowTitle(), "New subject [127.0.0.1]");
}

TEST_F(MessageEditorTest, DiscardAsksOnlyForANonEmptyBodyAndTheManagerClosesTheWindow)
{
    QPointer<TestEditor> empty = openEditor(own(Empty));
    testsupport::DialogGuard guard;
    empty->findChild<QPushButton*>("Discard")->click();
    EXPECT_EQ(codes(), (Codes{{common::DeleteMessage, common::Untagged}}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!empty || !empty->isVisible()) << "closed by the manager";

    m_requests.clear();
    QPointer<TestEditor> fresh = openEditor(own(Fresh));
    guard.allow<QMessageBox>();
    answerBox(QMessageBox::Cancel);
    button(fresh, "Discard")->click();
    EXPECT_TRUE(codes().empty()) << "Cancel keeps the message";
    answerBox(QMessageBox::Ok);
    button(fresh, "Discard")->click();
    EXPECT_EQ(codes(), (Codes{{common::DeleteMessage, common::Untagged}}));
    EXPECT_EQ(m_boxTexts, (QStringList{"Are you sure you want to delete this message?",
                                       "Are you sure you want to delete this message?"}));
    EXPECT_TRUE(!fresh || !fresh->isVisible());
    EXPECT_EQ(stored(Fresh).message_id(), 0) << "deleted on the server";
}

TEST_F(MessageEditorTest, TheClosePromptSavesDiscardsOrCancels)
{
    const struct
    {
        QMessageBox::StandardButton answer;
        bool closes;
        bool sends;
    } cases[] = {
        {QMessageBox::Cancel, false, false},
        {QMessageBox::Discard, true, false},
        {QMessageBox::Save, true, true},
    };
    for (const auto& each : cases) {
        m_requests.clear();
        m_boxTexts.clear();
        QPointer<TestEditor> editor = openEditor(own(Fresh));
        editor->editor()->insertPlainText("edited ");
        answerBox(each.answer);
        editor->close();
        EXPECT_EQ(m_boxTexts, QStringList{"Do you want to save changes you made to Fresh?"});
        EXPECT_EQ(!editor->isVisible(), each.closes) << each.answer;
        EXPECT_EQ(codes().size(), each.sends ? 1u : 0u) << each.answer;
        delete editor;
    }
    EXPECT_TRUE(QString::fromStdString(stored(Fresh).message_body()).contains("edited"));
}

TEST_F(MessageEditorTest, SendSavesAndClosesAMessageWithoutChanges)
{
    QPointer<TestEditor> editor = openEditor(own(Answered));
    editor->send();
    EXPECT_EQ(codes(), (Codes{{common::UpdateMessage, common::Untagged}}));
    EXPECT_FALSE(editor->isVisible());
}

// Mended faults

TEST_F(MessageEditorTest, AnotherWindowsUpdateKeepsTheModifiedFlagAndTheCopyTakesItsFolderAndPermissions)
{
    TestEditor* editor = openEditor(own(Fresh));
    editor->editor()->insertPlainText("unsaved ");
    AbstractViewWindow* browser = otherWindow();
    zarv::data::UpdateMessageRequest move;
    *move.mutable_message() = own(Fresh);
    move.mutable_message()->set_message_folder_id(34199);
    move.mutable_message()->mutable_message_security_descriptor()->set_permissions(3);
    emit browser->deliverRequest(common::UpdateMessage, common::MoveMessage, move.SerializeAsString());
    EXPECT_TRUE(editor->textDocument()->isModified()) << "another window's update saved nothing of this editor";
    EXPECT_EQ(editor->windowTitle(), "Fresh* [127.0.0.1]");
    EXPECT_EQ(editor->getMessage().message_folder_id(), 34199);
    EXPECT_EQ(editor->getMessage().message_security_descriptor().permissions(), 3);

    editor->save()->trigger();
    EXPECT_FALSE(editor->textDocument()->isModified());
    const zarv::data::Message kept = stored(Fresh);
    EXPECT_EQ(kept.message_folder_id(), 34199) << "the editor's save does not undo the move";
    EXPECT_EQ(kept.message_security_descriptor().permissions(), 3);
}

TEST_F(MessageEditorTest, ASaveOfAnotherUsersMessageIsRefusedAndWarns)
{
    zarv::data::Message message = own(Fresh);
    message.set_message_id(Question);
    TestEditor* editor = openEditor(message);
    editor->editor()->insertPlainText("mine ");
    answerBox(QMessageBox::Ok);
    editor->send();
    EXPECT_EQ(codes(), (Codes{{common::UpdateMessage, common::Untagged}}));
    ASSERT_EQ(m_boxTexts, QStringList{"The changes to Fresh were not saved."});
    EXPECT_TRUE(m_boxInformativeTexts.front().startsWith("The server refused them (code "));
    EXPECT_TRUE(editor->textDocument()->isModified());
    EXPECT_TRUE(editor->isVisible()) << "Send keeps a window whose save was refused";
    EXPECT_EQ(stored(Question).message_subject(), "Question");
}

TEST_F(MessageEditorTest, ARefusedDeleteOfAnAnsweredMessageWarnsAndPutsTheFlagBack)
{
    TestEditor* editor = openEditor(own(Answered));
    editor->editor()->insertPlainText("kept ");
    answerBox(QMessageBox::Ok);
    button(editor, "Discard")->click();
    EXPECT_EQ(codes(), (Codes{{common::DeleteMessage, common::Untagged}}));
    EXPECT_EQ(editor->statusBar()->currentMessage(),
              "This message is part of a message chain and cannot be deleted at this time.");
    EXPECT_TRUE(editor->textDocument()->isModified());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(editor->isActiveView());
}

TEST_F(MessageEditorTest, TheDeleteWarningShowsForBothChainStates)
{
    const struct
    {
        int sqlc;
        const char* sqls;
        bool warns;
    } cases[] = {
        {common::ForeignKeyViolation, "23503", true},
        {0, "23504", true},
        {common::UniqueViolation, "23505", false},
    };
    for (const auto& each : cases) {
        // Off the bus: the editor's delete comes back refused with the
        // case's diagnostic, as its own reply.
        auto* editor = new TestEditor(own(Fresh), nullptr);
        editor->show();
        zarv::data::DeleteMessageReply reply;
        reply.mutable_sql_diag_rec()->set_sqlc(each.sqlc);
        reply.mutable_sql_diag_rec()->set_sqls(each.sqls);
        const std::string refusal = reply.SerializeAsString();
        AbstractMainWindow* window = editor;
        QObject::connect(window, &AbstractMainWindow::deliverRequest, window,
                         [window, &refusal](common::Opcode major, common::Opcode minor, const std::string& payload) {
                             window->receiveReply(major, minor, payload, 4, 1, refusal);
                         });
        testsupport::WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
        editor->editor()->insertPlainText("x");
        button(editor, "Discard")->click();
        EXPECT_EQ(editor->statusBar()->currentMessage()
                      == "This message is part of a message chain and cannot be deleted at this time.",
                  each.warns)
            << each.sqls;
        delete editor;
    }
}

TEST_F(MessageEditorTest, ARefusedAddresseeInsertRereadsTheFieldAndWarns)
{
    TestEditor* editor = openEditor(own(Draft));
    // An account that the server does not know.
    AnswerAddresseeDialog({}, {Person(34999, "Zed", "Zero", 0)});
    button(editor, "To")->click();
    EXPECT_EQ(codes(), (Codes{{common::InsertMessageUser, common::Untagged}}));
    EXPECT_EQ(text(editor, "to"), "Vance, Vic") << "what the server holds";
    EXPECT_EQ(editor->statusBar()->currentMessage(), "The server refused the request (code 74).");
}

class UnansweredAttachmentTest : public MessageEditorTest
{
protected:
    UnansweredAttachmentTest()
        : MessageEditorTest({"no-reply@13", "no-reply@28"})
    {}
};

TEST_F(UnansweredAttachmentTest, AFailedAttachOrDetachRereadsTheListAndWarns)
{
    TestEditor* editor = openEditor(own(Draft));
    testsupport::WhenModal<SelectDocumentsDialog>([](SelectDocumentsDialog* dialog) {
        zarv::data::Document spare;
        spare.set_document_id(Spare);
        spare.set_document_name("Spare");
        dialog->addDocument(spare);
        dialog->accept();
    });
    editor->findChild<QAction*>("attachDocument")->trigger();
    EXPECT_EQ(documentNames(editor), (QStringList{"Notes", "Plan"}));
    EXPECT_EQ(editor->statusBar()->currentMessage(), "No reply from the server.");

    editor->statusBar()->clearMessage();
    editor->findChild<QListWidget*>(QStringLiteral("documents"))->setCurrentRow(0);
    editor->findChild<QToolButton*>("removeDocument")->click();
    EXPECT_EQ(documentNames(editor), (QStringList{"Notes", "Plan"}));
    EXPECT_EQ(editor->statusBar()->currentMessage(), "No reply from the server.");
}

class UnansweredSaveTest : public MessageEditorTest
{
protected:
    UnansweredSaveTest()
        : MessageEditorTest({"no-reply@61"})
    {}
};

TEST_F(UnansweredSaveTest, AnUnansweredSaveWarnsKeepsTheFlagAndTheClosePromptAsksAgain)
{
    QPointer<TestEditor> editor = openEditor(own(Fresh));
    editor->editor()->insertPlainText("unsaved ");
    answerBox(QMessageBox::Save);
    answerBox(QMessageBox::Ok);
    editor->close();
    EXPECT_EQ(m_boxTexts,
              (QStringList{"Do you want to save changes you made to Fresh?", "The changes to Fresh were not saved."}));
    EXPECT_EQ(m_boxInformativeTexts.back(), "No reply from the server.");
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isVisible()) << "a refused save keeps the window open";
    EXPECT_TRUE(editor->textDocument()->isModified());

    answerBox(QMessageBox::Discard);
    editor->close();
    EXPECT_EQ(m_boxTexts.back(), "Do you want to save changes you made to Fresh?") << "asked again";
    EXPECT_FALSE(editor->isVisible());
}

class UnansweredDeleteTest : public MessageEditorTest
{
protected:
    UnansweredDeleteTest()
        : MessageEditorTest({"no-reply@15"})
    {}
};

TEST_F(UnansweredDeleteTest, AnUnansweredDiscardPutsTheFlagBackAndSaysSo)
{
    TestEditor* editor = openEditor(own(Fresh));
    editor->editor()->insertPlainText("kept ");
    answerBox(QMessageBox::Ok);
    button(editor, "Discard")->click();
    EXPECT_TRUE(editor->textDocument()->isModified());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->statusBar()->currentMessage(), "No reply from the server.");
}

// The server's refusals of the editor's requests

TEST_F(MessageEditorTest, TheServerRefusesUnknownRecipientsAndOtherUsersDocuments)
{
    zarv::data::InsertMessageUserRequest user;
    user.mutable_message()->set_message_user_message_id(Fresh);
    user.mutable_message()->set_message_user_user_id(34999);
    MessageDispatcher unknown(common::InsertMessageUser, common::Untagged, user.SerializeAsString());
    EXPECT_TRUE(unknown.dispatch());
    EXPECT_EQ(unknown.getMajorErcode(), common::ServiceBadUserIdEr);

    zarv::data::InsertMessageDocumentRequest document;
    document.mutable_message_document()->set_message_document_message_id(Fresh);
    document.mutable_message_document()->set_message_document_document_id(34604);
    MessageDispatcher foreign(common::InsertMessageDocument, common::Untagged, document.SerializeAsString());
    EXPECT_TRUE(foreign.dispatch());
    EXPECT_EQ(foreign.getMajorErcode(), common::ServiceBadDocumentIdEr);

    zarv::data::UpdateMessageRequest update;
    *update.mutable_message() = stored(Question);
    MessageDispatcher other(common::UpdateMessage, common::Untagged, update.SerializeAsString());
    EXPECT_TRUE(other.dispatch());
    EXPECT_EQ(other.getMajorErcode(), common::NoEr);
    zarv::data::UpdateMessageReply reply;
    ASSERT_TRUE(reply.ParseFromString(other.getReply()));
    EXPECT_EQ(reply.return_code(), 0);
    EXPECT_NE(reply.sql_diag_rec().sqlc(), 0);
}

// Manager

TEST_F(MessageEditorTest, TheManagerOpensOneEditorPerOwnMessageAndClosesItOnItsDeletion)
{
    AbstractViewWindow* browser = otherWindow();
    const auto editors = [] {
        std::vector<MessageEditorView*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* editor = qobject_cast<MessageEditorView*>(widget); editor && editor->isVisible()) {
                found.push_back(editor);
            }
        }
        return found;
    };
    zarv::data::OpenMessageRequest open;
    *open.mutable_message() = own(Fresh);
    emit browser->deliverRequest(common::OpenMessageEditorView, common::Untagged, open.SerializeAsString());
    ASSERT_EQ(editors().size(), 1u);
    MessageEditorView* editor = editors().front();
    EXPECT_EQ(editor->getMessage().message_id(), Fresh);
    emit browser->deliverRequest(common::OpenMessageEditorView, common::Untagged, open.SerializeAsString());
    EXPECT_EQ(editors(), std::vector<MessageEditorView*>{editor}) << "a second open raises the same editor";

    open.mutable_message()->set_message_user_is_recipient(true);
    open.mutable_message()->set_message_id(Question);
    emit browser->deliverRequest(common::OpenMessageEditorView, common::Untagged, open.SerializeAsString());
    EXPECT_EQ(editors().size(), 1u) << "a received message opens no editor";

    zarv::data::DeleteMessageRequest deleted;
    deleted.set_message_id(Fresh);
    emit browser->deliverRequest(common::DeleteMessage, common::Untagged, deleted.SerializeAsString());
    EXPECT_TRUE(editors().empty());
}

}  // namespace
