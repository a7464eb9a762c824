// The document editor end to end: opened by its manager from the replies to a
// document browser on the client's bus, saving to and closing against the
// project's test server over the editor's fixture
// (product/testserver/fixtures/doceditor.textproto) under its open session.

#include "library/common/codes.h"
#include "library/gui/servercall.h"
#include "library/gui/textdocument.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/component/logonsession.h"
#include "product/client/view/documentbrowserview.h"
#include "product/client/view/documenteditormanager.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/documenteditortestsupport.h"

#include "logeventcopydocumenttoclipboardrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "updatedocumentrequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QToolBar>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace editortest;
using testsupport::TestServerProcess;

// A window of another part of the client, hung on the bus: it records the
// events and the replies that reach the windows.
class OtherWindow : public AbstractViewWindow
{
public:
    OtherWindow()
        : AbstractViewWindow(nullptr)
    {}

    void receiveEvent(const common::Evcode majorEvcode, const common::Evcode, const std::string&) override
    {
        events.push_back(majorEvcode);
    }

    void receiveReply(const common::Opcode majorOpcode,
                      const common::Opcode,
                      const std::string&,
                      const common::Ercode,
                      const common::Ercode,
                      const std::string&) override
    {
        replies.push_back(majorOpcode);
    }

    std::vector<common::Evcode> events;
    std::vector<common::Opcode> replies;
};

class DocumentEditorSessionTest : public ::testing::Test
{
protected:
    explicit DocumentEditorSessionTest(const std::vector<std::string>& faults = {},
                                       const char* fixture = "doceditor.textproto")
        : m_server(faults, TestServerProcess::FixturePath(fixture))
    {}

    void SetUp() override
    {
        PrepareEditorServices();
        ASSERT_NE(m_server.port(), 0);
        MessageDispatcher::setTimeout(std::chrono::seconds(10));
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server.port());
        MessageDispatcher::setSessionId(7);
        const unsigned char key[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                       0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
        std::copy(key, key + 16, ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
        m_tree = std::make_unique<ApplicationComponent>(
            nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                         &ApplicationComponent::CreateViewManager<DocumentEditorManager>});
        m_manager = m_tree->findChild<DocumentEditorManager*>();
        ASSERT_NE(m_manager, nullptr);
        m_browser = new DocumentBrowserView(nullptr);
        ASSERT_TRUE(m_tree->connectAbstractViewWindow(m_browser.data()));
        ASSERT_TRUE(m_tree->connectAbstractViewWindow(&m_other));
    }

    void TearDown() override
    {
        for (DocumentEditorView* editor : editors()) {
            editor->textDocument()->setModified(false);
            delete editor;
        }
        delete m_browser.data();
        m_tree.reset();
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
    }

    static std::vector<DocumentEditorView*> editors()
    {
        std::vector<DocumentEditorView*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* editor = qobject_cast<DocumentEditorView*>(widget); editor && editor->isVisible()) {
                found.push_back(editor);
            }
        }
        return found;
    }

    // The one open editor, with the requests it sends recorded.
    DocumentEditorView* theEditor()
    {
        const std::vector<DocumentEditorView*> open = editors();
        EXPECT_EQ(open.size(), 1u);
        if (open.size() != 1) {
            return nullptr;
        }
        QObject::connect(open[0], &DocumentEditorView::deliverRequest,
                         [this](common::Opcode major, common::Opcode minor, const std::string&) {
                             sent.emplace_back(major, minor);
                         });
        return open[0];
    }

    static QAction* SaveAction(DocumentEditorView& editor)
    {
        return editor.findChild<QToolBar*>(QStringLiteral("StandardToolBar"))->actions().value(0);
    }

    // The document as the server keeps it now.
    static zarv::data::Document Stored(int documentId)
    {
        zarv::data::SelectDocumentRequest request;
        request.set_document_id(documentId);
        std::optional<zarv::data::SelectDocumentReply> reply =
            ServerCall(common::SelectDocument, common::Untagged).call<zarv::data::SelectDocumentReply>(request);
        EXPECT_TRUE(reply && reply->document_size() == 1);
        return reply && reply->document_size() == 1 ? reply->document(0) : zarv::data::Document();
    }

    TestServerProcess m_server;
    std::unique_ptr<ApplicationComponent> m_tree;
    DocumentEditorManager* m_manager = nullptr;
    QPointer<DocumentBrowserView> m_browser;
    OtherWindow m_other;
    std::vector<std::pair<common::Opcode, common::Opcode>> sent;
};

TEST_F(DocumentEditorSessionTest, PlanOpensFromTheBrowserSavesAndAsksBeforeUnsavedEditsAreClosedAway)
{
    m_browser->openDocument(Document(15300, UserId, "Plan", "", 0));
    DocumentEditorView* editor = theEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Plan [127.0.0.1]"));
    EXPECT_EQ(editor->textDocument()->toPlainText(), QStringLiteral("Plan"));

    Type(*editor, QStringLiteral(" for Q3"));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Plan* [127.0.0.1]"));
    SaveAction(*editor)->trigger();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Plan [127.0.0.1]"));
    EXPECT_EQ(QString::fromStdString(Stored(15300).document_body()), editor->textDocument()->toHtml());

    Type(*editor, QStringLiteral(" and Q4"));
    BoxAnswerer boxes;
    boxes.answers = {QMessageBox::Cancel};
    editor->close();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    EXPECT_TRUE(editor->isVisible());
}

// Save and close, by the reply that a save gets and the road it takes.
enum class Road
{
    SaveAction,
    CloseAndSave,
    CloseAndDiscard,
    CloseAndCancel
};

struct SaveCase
{
    const char* name;
    std::vector<std::string> faults;
    int documentId;
    Road road;
    // The minor code of the UpdateDocument sent, or none.
    std::optional<common::Opcode> minorSent;
    bool open;
    bool modified;
    // The reason of the warning that the changes were not saved, or none.
    QString warning;
};

class DocumentEditorSaveTest : public DocumentEditorSessionTest, public ::testing::WithParamInterface<SaveCase>
{
protected:
    DocumentEditorSaveTest()
        : DocumentEditorSessionTest(GetParam().faults)
    {}
};

const QString Refused66 = QStringLiteral("The server refused them (code 66).");
const QString NoReply = QStringLiteral("No reply from the server.");
const QString NotHeld = QStringLiteral("The server refused them (code %1).").arg(common::PackSqlState("02000"));

const SaveCase SaveCases[] = {
    {"AcceptedFromTheAction", {}, 15300, Road::SaveAction, 0, true, false, {}},
    {"ReturnCodeZeroFromTheAction", {}, 15399, Road::SaveAction, 0, true, true, NotHeld},
    {"ErrorCodesFromTheAction", {"error-codes=66,1@53"}, 15300, Road::SaveAction, 0, true, true, Refused66},
    {"NoReplyFromTheAction", {"no-reply@53"}, 15300, Road::SaveAction, 0, true, true, NoReply},
    {"AcceptedOnClosing", {}, 15300, Road::CloseAndSave, common::CloseDocumentEditorView, false, false, {}},
    {"ReturnCodeZeroOnClosing", {}, 15399, Road::CloseAndSave, common::CloseDocumentEditorView, true, true, NotHeld},
    {"ErrorCodesOnClosing",
     {"error-codes=66,1@53"},
     15300,
     Road::CloseAndSave,
     common::CloseDocumentEditorView,
     true,
     true,
     Refused66},
    {"NoReplyOnClosing",
     {"no-reply@53"},
     15300,
     Road::CloseAndSave,
     common::CloseDocumentEditorView,
     true,
     true,
     NoReply},
    {"Discard", {}, 15300, Road::CloseAndDiscard, std::nullopt, false, true, {}},
    {"Cancel", {}, 15300, Road::CloseAndCancel, std::nullopt, true, true, {}},
};

TEST_P(DocumentEditorSaveTest, TheReplyAndTheRoadDecideWhatBecomesOfTheWindow)
{
    const SaveCase& row = GetParam();
    m_manager->openDocument(Document(row.documentId, UserId, row.documentId == 15300 ? "Plan" : "Ghost", "<p>x</p>"));
    QPointer<DocumentEditorView> editor = theEditor();
    ASSERT_FALSE(editor.isNull());
    Type(*editor, QStringLiteral("!"));
    const QString name = QString::fromStdString(editor->getDocument().document_name());

    BoxAnswerer boxes;
    TextDocument* body = editor->textDocument();
    bool modified = true;
    // The connection ends with the test, before the window is deleted.
    QObject listening;
    QObject::connect(body, &QTextDocument::modificationChanged, &listening,
                     [&modified](bool changed) { modified = changed; });
    switch (row.road) {
    case Road::SaveAction:
        SaveAction(*editor)->trigger();
        break;
    case Road::CloseAndSave:
        boxes.answers = {QMessageBox::Save};
        editor->close();
        break;
    case Road::CloseAndDiscard:
        boxes.answers = {QMessageBox::Discard};
        editor->close();
        break;
    case Road::CloseAndCancel:
        boxes.answers = {QMessageBox::Cancel};
        editor->close();
        break;
    }

    std::vector<std::pair<common::Opcode, common::Opcode>> expected;
    if (row.minorSent) {
        expected.emplace_back(common::UpdateDocument, *row.minorSent);
    }
    EXPECT_EQ(sent, expected);
    EXPECT_EQ(!editor.isNull() && editor->isVisible(), row.open);
    EXPECT_EQ(modified, row.modified);
    std::vector<QString> warnings;
    for (const BoxAnswerer::Box& box : boxes.boxes) {
        if (box.text == QStringLiteral("The changes to %1 were not saved.").arg(name)) {
            warnings.push_back(box.informativeText);
        }
    }
    EXPECT_EQ(warnings, row.warning.isEmpty() ? std::vector<QString>() : std::vector<QString>{row.warning});
}

INSTANTIATE_TEST_SUITE_P(Replies,
                         DocumentEditorSaveTest,
                         ::testing::ValuesIn(SaveCases),
                         [](const ::testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

TEST_F(DocumentEditorSessionTest, ARenameInTheBrowserKeepsTheEditsUnsavedAndASaveKeepsTheNewName)
{
    m_browser->openDocument(Document(15300, UserId, "Plan", "", 0));
    DocumentEditorView* editor = theEditor();
    ASSERT_NE(editor, nullptr);
    Type(*editor, QStringLiteral(" edited"));

    zarv::data::UpdateDocumentRequest rename;
    rename.mutable_document()->set_document_id(15300);
    rename.mutable_document()->set_document_name("Plan B");
    m_browser->sendChange(common::UpdateDocument, common::RenameDocument, rename);
    EXPECT_EQ(Stored(15300).document_name(), "Plan B");
    EXPECT_TRUE(editor->textDocument()->isModified());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Plan B* [127.0.0.1]"));

    {
        BoxAnswerer boxes;
        boxes.answers = {QMessageBox::Cancel};
        editor->close();
        EXPECT_EQ(boxes.boxes.size(), 1u);
        EXPECT_TRUE(editor->isVisible());
    }

    SaveAction(*editor)->trigger();
    EXPECT_FALSE(editor->textDocument()->isModified());
    const zarv::data::Document stored = Stored(15300);
    EXPECT_EQ(stored.document_name(), "Plan B");
    EXPECT_EQ(stored.document_description(), "Milestones");
    EXPECT_EQ(stored.document_folder_id(), 15110);
    EXPECT_EQ(QString::fromStdString(stored.document_body()), editor->textDocument()->toHtml());
}

TEST_F(DocumentEditorSessionTest, AnEditorOpenedThroughAKeySavesWithoutTouchingTheDocumentsDescriptor)
{
    zarv::data::SelectDocumentKeyRequest select;
    select.set_document_key_user_id(UserId);
    select.set_document_key_document_id(15301);
    emit m_other.deliverRequest(common::SelectDocumentKey, common::OpenDocumentEditorView, select.SerializeAsString());
    DocumentEditorView* editor = theEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->getDocument().document_security_descriptor().permissions(), 3);

    Type(*editor, QStringLiteral(" reviewed"));
    SaveAction(*editor)->trigger();
    EXPECT_FALSE(editor->textDocument()->isModified());
    const zarv::data::Document stored = Stored(15301);
    EXPECT_EQ(stored.document_security_descriptor().permissions(), 4095);
    EXPECT_EQ(stored.document_security_descriptor().session_duration(), 0);
    EXPECT_EQ(QString::fromStdString(stored.document_body()), editor->textDocument()->toHtml());
}

TEST_F(DocumentEditorSessionTest, AnAuditNeverReachesTheServer)
{
    m_browser->openDocument(Document(15300, UserId, "Plan", "", 0));
    DocumentEditorView* editor = theEditor();
    ASSERT_NE(editor, nullptr);
    m_other.events.clear();
    m_other.replies.clear();
    editor->copyBytesToClipboard(12);
    EXPECT_EQ(sent, (std::vector<std::pair<common::Opcode, common::Opcode>>{
                        {common::LogEventCopyDocumentToClipboard, common::Untagged}}));
    EXPECT_TRUE(m_other.replies.empty());
    EXPECT_EQ(m_other.events, std::vector<common::Evcode>{common::EventLogged});
}

// The trial of the README over the sample data, logged on as Avery.
class DocumentEditorTrialTest : public DocumentEditorSessionTest
{
protected:
    DocumentEditorTrialTest()
        : DocumentEditorSessionTest({}, "sample.textproto")
    {}

    void SetUp() override
    {
        DocumentEditorSessionTest::SetUp();
        const std::optional<std::string> logOn =
            LogonSession::Request("avery", "quenlark-trial", "127.0.0.1", m_server.port(), "America/New_York");
        ASSERT_TRUE(logOn);
        emit m_other.deliverRequest(common::AuthenticateUser, common::Untagged, *logOn);
    }
};

TEST_F(DocumentEditorTrialTest, ProjectPlanIsEditedAndSavedAndTheBudgetSummaryIsReadOnlyForHalfAnHour)
{
    zarv::data::Document plan;
    plan.set_document_id(4001);
    m_browser->openDocument(plan);
    DocumentEditorView* editor = theEditor();
    ASSERT_NE(editor, nullptr);
    Type(*editor, QStringLiteral(" Launch party, 10 May."));
    EXPECT_TRUE(editor->windowTitle().startsWith(QStringLiteral("Project plan* [")));
    SaveAction(*editor)->trigger();
    EXPECT_TRUE(editor->windowTitle().startsWith(QStringLiteral("Project plan [")));
    Type(*editor, QStringLiteral("!"));
    {
        BoxAnswerer boxes;
        boxes.answers = {QMessageBox::Discard};
        editor->close();
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    sent.clear();

    zarv::data::SelectDocumentKeyRequest select;
    select.set_document_key_user_id(1001);
    select.set_document_key_document_id(23001);
    std::optional<zarv::data::SelectDocumentKeyReply> keys =
        ServerCall(common::SelectDocumentKey, common::Untagged).call<zarv::data::SelectDocumentKeyReply>(select);
    ASSERT_TRUE(keys && keys->document_key_size() == 1);
    m_browser->openDocumentKey(keys->document_key(0));
    DocumentEditorView* budget = theEditor();
    ASSERT_NE(budget, nullptr);
    EXPECT_TRUE(budget->windowTitle().startsWith(QStringLiteral("Budget summary [")));
    EXPECT_EQ(budget->findChild<DocumentEditor*>()->textInteractionFlags(), Qt::TextSelectableByMouse);
    const QList<QAction*> standard = budget->findChild<QToolBar*>(QStringLiteral("StandardToolBar"))->actions();
    ASSERT_EQ(standard.size(), 10);
    // Save, Print, Undo, Redo, Cut, Copy, Paste and their separators.
    EXPECT_FALSE(standard[0]->isEnabled());
    EXPECT_TRUE(standard[2]->isEnabled());
    EXPECT_FALSE(standard[7]->isEnabled());
    EXPECT_TRUE(standard[8]->isEnabled());
    EXPECT_FALSE(standard[9]->isEnabled());
    QStringList labels;
    for (const QLabel* label : budget->findChildren<QLabel*>()) {
        labels << label->text();
    }
    EXPECT_TRUE(labels.contains(QStringLiteral("Session Duration [00:30]")))
        << labels.join(QLatin1Char('|')).toStdString();
}

}  // namespace
