// The document editor window on a bus of canned replies: its security rules,
// options, caption, body decoding, saving and closing, the countdown's close
// and the audit requests; and its manager.

#include "library/common/clock.h"
#include "library/common/codes.h"
#include "library/gui/documenteditoroptionsdialog.h"
#include "library/gui/linguist.h"
#include "library/gui/settings.h"
#include "library/gui/textdocument.h"
#include "library/network/messagedispatcher.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/documenteditormanager.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/view/documenteditortestsupport.h"

#include "deletedocumentreply3.pb.h"
#include "deletedocumentrequest3.pb.h"
#include "logeventcopydocumenttoclipboardrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "updatedocumentreply3.pb.h"
#include "updatedocumentrequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMenu>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace editortest;

// The window with its controls in reach.
class ProbedEditor : public DocumentEditorView
{
public:
    using DocumentEditorView::DocumentEditorView;

    DocumentEditor& editor() const { return *m_textEditor; }
    QToolBar* standardToolBar() const { return m_standardToolBar; }
    QToolBar* formattingToolBar() const { return m_formattingToolBar; }
    QToolBar* iconToolBar() const { return m_iconToolBar; }
    QAction* saveAction() const { return m_saveAction; }
    QAction* optionsAction() const
    {
        for (QAction* action : m_toolsMenu->actions()) {
            if (action->text() == Linguist::tr("Options")) {
                return action;
            }
        }
        return nullptr;
    }

    // The enabled flags, as "1" and "0", of Find, SelectAll, Copy, Cut,
    // Paste, Save, Print, PrintPreview, ExportToTextFile, ExportToPdfFile,
    // Bold, the font box, the icon button and Options.
    std::string enabledControls() const
    {
        std::string flags;
        for (const QAction* action :
             {m_findAction, m_selectAllAction, m_copyAction, m_cutAction, m_pasteAction, m_saveAction, m_printAction,
              m_printPreviewAction, m_exportToTextFileAction, m_exportToPdfFileAction, m_boldAction}) {
            flags += action->isEnabled() ? '1' : '0';
        }
        flags += m_fontNameComboBox->isEnabled() ? '1' : '0';
        flags += m_iconSelectionToolButton->isEnabled() ? '1' : '0';
        flags += optionsAction()->isEnabled() ? '1' : '0';
        return flags;
    }

    // "1" for each of the standard, formatting and icon tool bars that shows.
    std::string shownToolBars() const
    {
        std::string flags;
        for (const QToolBar* toolBar : {m_standardToolBar, m_formattingToolBar, m_iconToolBar}) {
            flags += toolBar->isHidden() ? '0' : '1';
        }
        return flags;
    }
};

struct Sent
{
    common::Opcode major;
    common::Opcode minor;
    std::string payload;
};

struct CannedReply
{
    common::Ercode majorErcode = common::NoEr;
    common::Ercode minorErcode = common::NoEr;
    std::string payload;
};

CannedReply UpdateReply(int returnCode, int sqlc = 0)
{
    zarv::data::UpdateDocumentReply reply;
    reply.set_return_code(returnCode);
    reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    return {common::NoEr, common::NoEr, reply.SerializeAsString()};
}

// Records what the window sends and answers an UpdateDocument with `update`,
// within the request's delivery, as the bus does.
class CannedBus
{
public:
    explicit CannedBus(DocumentEditorView& editor)
        : m_editor(&editor)
    {
        QObject::connect(&editor, &DocumentEditorView::deliverRequest,
                         [this](common::Opcode major, common::Opcode minor, const std::string& payload) {
                             sent.push_back({major, minor, payload});
                             if (major == common::UpdateDocument && update) {
                                 m_editor->receiveReply(major, minor, payload, update->majorErcode, update->minorErcode,
                                                        update->payload);
                             }
                         });
    }

    std::vector<Sent> sent;
    std::optional<CannedReply> update = UpdateReply(1);

private:
    QPointer<DocumentEditorView> m_editor;
};

class DocumentEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PrepareEditorServices();
        MessageDispatcher::setServerName("srv");
    }

    static Settings& options() { return *ACE_Singleton<Settings, ACE_Null_Mutex>::instance(); }
};

TEST_F(DocumentEditorTest, TheDescriptorRulesTheTextTheToolBarsAndTheControls)
{
    // flags: the editor's text interaction, or -1 when it is hidden.
    struct Case
    {
        const char* name;
        int permissions;
        int ownerId;
        int flags;
        const char* toolBars;
        const char* controls;
        bool revisionDockEnabled;
        bool urlDockEnabled;
        bool urlDockTakesDrops;
    };
    const Case cases[] = {
        {"ViewWithCopy", 0x101, UserId, 1, "100", "11100000000001", true, true, true},
        {"ViewOnly", 0x1, UserId, 0, "000", "10000000000001", true, true, true},
        {"ViewWithPrint", 0x801, UserId, 0, "100", "10000011000001", true, true, true},
        {"UpdateWithoutCopyFromClipboard", 0x103, UserId, 19, "110", "11110100001111", true, true, true},
        {"NonOwnerWithEveryRight", 0xFFF, OtherUserId, 19, "110", "11111111111110", false, true, false},
        {"NoDescriptor", -1, UserId, -1, "000", "00000000000001", true, false, true},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        ProbedEditor editor(Document(15300, each.ownerId, "Plan", "<p>Plan</p>", each.permissions), nullptr);
        if (each.flags < 0) {
            EXPECT_TRUE(editor.editor().isHidden());
        } else {
            EXPECT_FALSE(editor.editor().isHidden());
            EXPECT_EQ(static_cast<int>(editor.editor().textInteractionFlags()), each.flags);
        }
        EXPECT_EQ(editor.shownToolBars(), each.toolBars);
        EXPECT_EQ(editor.enabledControls(), each.controls);
        EXPECT_EQ(editor.revisionHistoryDockWidget()->isEnabled(), each.revisionDockEnabled);
        EXPECT_EQ(editor.revisionHistoryDockWidget()->toggleViewAction()->isEnabled(), each.revisionDockEnabled);
        EXPECT_EQ(editor.urlDockWidget()->isEnabled(), each.urlDockEnabled);
        EXPECT_EQ(editor.urlDockWidget()->acceptDrops(), each.urlDockTakesDrops);
        EXPECT_TRUE(editor.revisionHistoryDockWidget()->isHidden());
    }
}

TEST_F(DocumentEditorTest, WithNothingStoredTheStandardAndFormattingBarsAreAtTheTopWithABreakAfterFormatting)
{
    ProbedEditor editor(Document(15300, UserId, "Plan", "<p>Plan</p>", 0x3), nullptr);
    EXPECT_EQ(editor.toolBarArea(editor.standardToolBar()), Qt::TopToolBarArea);
    EXPECT_EQ(editor.toolBarArea(editor.formattingToolBar()), Qt::TopToolBarArea);
    EXPECT_FALSE(editor.toolBarBreak(editor.formattingToolBar()));
    EXPECT_TRUE(editor.toolBarBreak(editor.iconToolBar()));
    EXPECT_EQ(editor.shownToolBars(), "110");
    EXPECT_TRUE(editor.urlDockWidget()->isHidden());
    EXPECT_TRUE(editor.revisionHistoryDockWidget()->isHidden());
    EXPECT_EQ(editor.dockWidgetArea(editor.urlDockWidget()), Qt::BottomDockWidgetArea);
    EXPECT_EQ(editor.dockWidgetArea(editor.revisionHistoryDockWidget()), Qt::LeftDockWidgetArea);
}

TEST_F(DocumentEditorTest, AnAreaOutsideTheFourLeavesTheBarOutEvenWhenItIsToShow)
{
    options().setValue(QStringLiteral("DocumentEditor/Options/IconToolBarArea"), 3);
    options().setValue(QStringLiteral("DocumentEditor/Options/IconToolBarDisplay"), true);
    ProbedEditor editor(Document(15300, UserId, "Plan", "<p>Plan</p>", 0x3), nullptr);
    EXPECT_EQ(editor.shownToolBars(), "110");

    options().setValue(QStringLiteral("DocumentEditor/Options/IconToolBarArea"), 8);
    editor.updateOptions();
    EXPECT_EQ(editor.toolBarArea(editor.iconToolBar()), Qt::BottomToolBarArea);
    EXPECT_EQ(editor.shownToolBars(), "111");
}

TEST_F(DocumentEditorTest, ChangedOptionsRearrangeTheWindowsOfTheUsersOwnDocumentsOnly)
{
    ProbedEditor own(Document(15300, UserId, "Plan", "<p>Plan</p>"), nullptr);
    ProbedEditor others(Document(15301, OtherUserId, "Report", "<p>Report</p>"), nullptr);
    options().setValue(QStringLiteral("DocumentEditor/Options/StandardToolBarArea"), 8);
    for (ProbedEditor* editor : {&own, &others}) {
        editor->receiveEvent(common::DocumentEditorOptionsChanged, common::Untagged, std::string());
    }
    EXPECT_EQ(own.toolBarArea(own.standardToolBar()), Qt::BottomToolBarArea);
    EXPECT_EQ(others.toolBarArea(others.standardToolBar()), Qt::TopToolBarArea);
}

TEST_F(DocumentEditorTest, TheOptionsAreAppliedOnlyWhenTheUserSaysYes)
{
    ProbedEditor editor(Document(15300, UserId, "Plan", "<p>Plan</p>"), nullptr);
    CannedBus bus(editor);
    BoxAnswerer boxes;
    boxes.answers = {QMessageBox::No, QMessageBox::Yes};
    for (int round = 0; round < 2; ++round) {
        testsupport::WhenModal<DocumentEditorOptionsDialog>(
            [](DocumentEditorOptionsDialog* dialog) { dialog->accept(); });
        editor.optionsAction()->trigger();
    }
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, DocumentEditorView::tr("ApplyUpdatedOptions?"));
    ASSERT_EQ(bus.sent.size(), 1u);
    EXPECT_EQ(bus.sent[0].major, common::ApplyDocumentEditorOptions);
    EXPECT_EQ(bus.sent[0].minor, common::Untagged);
    EXPECT_TRUE(bus.sent[0].payload.empty());
}

TEST_F(DocumentEditorTest, TheCaptionCarriesAStarWhileTheBodyIsUnsaved)
{
    ProbedEditor editor(Document(15300, UserId, "Plan", "<p>Plan</p>"), nullptr);
    CannedBus bus(editor);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Plan [srv]"));
    Type(editor, QStringLiteral(" and more"));
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Plan* [srv]"));
    editor.saveAction()->trigger();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Plan [srv]"));
    EXPECT_FALSE(editor.textDocument()->isModified());
}

TEST_F(DocumentEditorTest, TheBodyIsDecodedAsItsHtmlDeclaresUpToItsFirstNul)
{
    struct Case
    {
        const char* name;
        std::string body;
        QString text;
    };
    const Case cases[] = {
        {"Latin1Charset",
         "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\"></head>"
         "<body>caf\xE9</body></html>",
         QStringLiteral("caf\u00E9")},
        {"NoCharsetIsUtf8", "<p>caf\xC3\xA9</p>", QStringLiteral("caf\u00E9")},
        {"NulInTheMiddle", std::string("<p>before", 9) + '\0' + std::string(" after</p>"), QStringLiteral("before")},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        ProbedEditor editor(Document(15300, UserId, "Plan", each.body), nullptr);
        EXPECT_EQ(editor.textDocument()->toPlainText(), each.text);
        EXPECT_FALSE(editor.textDocument()->isModified());
    }
}

// A plain body whose HTML is `bytes` long: lines of 200 characters, the last
// one made longer to fit (one long line takes the layout minutes).
void FillToHtmlSize(DocumentEditorView& editor, long long bytes)
{
    TextDocument* body = editor.textDocument();
    const QString line(200, QLatin1Char('x'));
    const auto htmlSize = [body](const QStringList& lines) {
        body->setPlainText(lines.join(QLatin1Char('\n')));
        return static_cast<long long>(body->toHtml().toUtf8().size());
    };
    const long long one = htmlSize({line});
    const long long perLine = htmlSize({line, line}) - one;
    QStringList lines(static_cast<qsizetype>((bytes - one) / perLine + 1), line);
    lines.last() += QString(static_cast<qsizetype>(bytes - htmlSize(lines)), QLatin1Char('x'));
    body->setPlainText(lines.join(QLatin1Char('\n')));
    body->setModified(true);
    ASSERT_EQ(body->toHtml().toUtf8().size(), bytes);
}

TEST_F(DocumentEditorTest, ABodyUpToTheLimitIsSentAndOneByteMoreIsRefusedWithTheExcess)
{
    ProbedEditor editor(Document(15300, UserId, "Plan", "<p>Plan</p>"), nullptr);
    CannedBus bus(editor);
    BoxAnswerer boxes;

    FillToHtmlSize(editor, DocumentEditorView::MaximumBodyBytes + 1);
    editor.saveAction()->trigger();
    EXPECT_TRUE(bus.sent.empty());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text,
              QStringLiteral("The document contains 1 excess characters.<br />Please delete at least 1 characters."));
    EXPECT_TRUE(editor.textDocument()->isModified());

    FillToHtmlSize(editor, DocumentEditorView::MaximumBodyBytes);
    editor.saveAction()->trigger();
    ASSERT_EQ(bus.sent.size(), 1u);
    zarv::data::UpdateDocumentRequest request;
    ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
    EXPECT_EQ(request.document().document_body().size(), static_cast<size_t>(DocumentEditorView::MaximumBodyBytes));
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_FALSE(editor.textDocument()->isModified());
}

TEST_F(DocumentEditorTest, ASaveSendsTheIdAndTheBodyOnly)
{
    ProbedEditor editor(Document(15300, UserId, "Plan", "<p>Plan</p>"), nullptr);
    CannedBus bus(editor);
    editor.saveAction()->trigger();
    EXPECT_TRUE(bus.sent.empty()) << "nothing to save";

    Type(editor, QStringLiteral("!"));
    editor.saveAction()->trigger();
    ASSERT_EQ(bus.sent.size(), 1u);
    EXPECT_EQ(bus.sent[0].major, common::UpdateDocument);
    EXPECT_EQ(bus.sent[0].minor, 0);
    zarv::data::UpdateDocumentRequest request;
    ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
    zarv::data::Document expected;
    expected.set_document_id(15300);
    expected.set_document_body(editor.textDocument()->toHtml().toStdString());
    EXPECT_EQ(request.document().SerializeAsString(), expected.SerializeAsString());
}

TEST_F(DocumentEditorTest, AnotherWindowsUpdateNeverMarksTheTextSavedButItsNameIsFollowed)
{
    ProbedEditor editor(Document(15300, UserId, "Plan", "<p>Plan</p>"), nullptr);
    Type(editor, QStringLiteral("!"));
    zarv::data::UpdateDocumentRequest rename;
    rename.mutable_document()->set_document_id(15300);
    rename.mutable_document()->set_document_name("Plan B");
    const CannedReply accepted = UpdateReply(1);
    editor.receiveReply(common::UpdateDocument, common::RenameDocument, rename.SerializeAsString(), common::NoEr,
                        common::NoEr, accepted.payload);
    EXPECT_TRUE(editor.textDocument()->isModified());
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Plan B* [srv]"));
    EXPECT_EQ(editor.getDocument().document_name(), "Plan B");
    EXPECT_EQ(editor.getDocument().document_description(), "Milestones");

    // A refused one changes nothing.
    rename.mutable_document()->set_document_name("Plan C");
    const CannedReply refused = UpdateReply(0, 1);
    editor.receiveReply(common::UpdateDocument, common::RenameDocument, rename.SerializeAsString(), common::NoEr,
                        common::NoEr, refused.payload);
    EXPECT_EQ(editor.getDocument().document_name(), "Plan B");
}

TEST_F(DocumentEditorTest, WhenTheSessionEndsTheQuestionOffersSaveAndDiscardOnlyAndComesOnce)
{
    const boost::posix_time::ptime start = boost::posix_time::time_from_string("2026-03-01 10:00:00");
    common::FixedClock clock(start);
    zarv::data::Document document = Document(15301, OtherUserId, "Report", "<p>Report</p>");
    *document.mutable_document_security_descriptor() = Descriptor(0x3, 3600);
    auto* editor = new ProbedEditor(document, nullptr);
    QPointer<ProbedEditor> window(editor);
    editor->show();
    CannedBus bus(*editor);
    Type(*editor, QStringLiteral("!"));

    BoxAnswerer boxes;
    bool nested = false;
    boxes.onShow = [&]() {
        if (!nested && window) {
            nested = true;
            window->receiveEvent(common::ClockTicked, common::Untagged, std::string());
            window->close();
        }
    };
    boxes.answers = {QMessageBox::Discard};
    clock.set(start + boost::posix_time::seconds(3600 - 30));
    editor->receiveEvent(common::ClockTicked, common::Untagged, std::string());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].buttons, QMessageBox::Save | QMessageBox::Discard);
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Do you want to save changes you made to Report?"));
    EXPECT_TRUE(bus.sent.empty());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(DocumentEditorTest, AFailedSaveAtTheSessionsEndSaysSoAndAsksAgain)
{
    const boost::posix_time::ptime start = boost::posix_time::time_from_string("2026-03-01 10:00:00");
    common::FixedClock clock(start);
    zarv::data::Document document = Document(15301, OtherUserId, "Report", "<p>Report</p>");
    *document.mutable_document_security_descriptor() = Descriptor(0x3, 3600);
    auto* editor = new ProbedEditor(document, nullptr);
    QPointer<ProbedEditor> window(editor);
    editor->show();
    CannedBus bus(*editor);
    bus.update = UpdateReply(0, 99);
    Type(*editor, QStringLiteral("!"));

    BoxAnswerer boxes;
    boxes.answers = {QMessageBox::Save, QMessageBox::Ok, QMessageBox::Discard};
    clock.set(start + boost::posix_time::seconds(3600 - 30));
    editor->receiveEvent(common::ClockTicked, common::Untagged, std::string());
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_EQ(boxes.boxes[1].text, QStringLiteral("The changes to Report were not saved."));
    EXPECT_EQ(boxes.boxes[1].informativeText, QStringLiteral("The server refused them (code 99)."));
    EXPECT_EQ(boxes.boxes[2].buttons, QMessageBox::Save | QMessageBox::Discard);
    ASSERT_EQ(bus.sent.size(), 1u);
    EXPECT_EQ(bus.sent[0].minor, common::CloseDocumentEditorView);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(DocumentEditorTest, EveryByteCountIsAuditedWithTheRecordAsOpenedWithoutItsBody)
{
    struct Case
    {
        const char* name;
        void (AbstractTextReader::*readerSignal)(unsigned int);
        void (AbstractTextEditor::*editorSignal)(unsigned int);
        common::Opcode major;
    };
    const Case cases[] = {
        {"ExportText", &AbstractTextReader::exportBytesToTextFile, nullptr, common::LogEventExportDocumentToTextFile},
        {"ExportPdf", &AbstractTextReader::exportBytesToPdfFile, nullptr, common::LogEventExportDocumentToPdfFile},
        {"Print", &AbstractTextReader::printBytes, nullptr, common::LogEventPrintDocument},
        {"Copy", &AbstractTextReader::copyBytesToClipboard, nullptr, common::LogEventCopyDocumentToClipboard},
        {"CutIsACopy", nullptr, &AbstractTextEditor::cutBytesToClipboard, common::LogEventCopyDocumentToClipboard},
        {"Paste", nullptr, &AbstractTextEditor::pasteBytesFromClipboard, common::LogEventPasteDocumentFromClipboard},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        ProbedEditor editor(Document(15300, UserId, "Plan", "<p>Plan</p>"), nullptr);
        CannedBus bus(editor);
        // Edited and saved meanwhile: the audit tells the record as opened.
        Type(editor, QStringLiteral("!"));
        editor.saveAction()->trigger();
        bus.sent.clear();
        if (each.readerSignal) {
            emit(editor.editor().*each.readerSignal)(42);
        } else {
            emit(editor.editor().*each.editorSignal)(42);
        }
        ASSERT_EQ(bus.sent.size(), 1u);
        EXPECT_EQ(bus.sent[0].major, each.major);
        EXPECT_EQ(bus.sent[0].minor, common::Untagged);
        // The five audit requests share their fields.
        zarv::data::LogEventCopyDocumentToClipboardRequest request;
        ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
        EXPECT_EQ(request.document().document_id(), 15300);
        EXPECT_EQ(request.document().document_name(), "Plan");
        EXPECT_FALSE(request.document().has_document_body());
        EXPECT_EQ(request.size(), 42);
    }
}

// The manager on the client's bus, with canned replies handed to it.
class DocumentEditorManagerTest : public DocumentEditorTest
{
protected:
    void SetUp() override
    {
        DocumentEditorTest::SetUp();
        m_tree = std::make_unique<ApplicationComponent>(
            nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                         &ApplicationComponent::CreateViewManager<DocumentEditorManager>});
        m_manager = m_tree->findChild<DocumentEditorManager*>();
        ASSERT_NE(m_manager, nullptr);
    }

    void TearDown() override
    {
        for (DocumentEditorView* editor : editors()) {
            delete editor;
        }
        m_tree.reset();
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

    void reply(common::Opcode major, common::Opcode minor, const std::string& request, const std::string& payload)
    {
        m_manager->receiveReply(major, minor, request, common::NoEr, common::NoEr, payload);
    }

    static std::string KeyReply(int keys, int sqlc, int permissions)
    {
        zarv::data::SelectDocumentKeyReply reply;
        reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
        for (int key = 0; key < keys; ++key) {
            zarv::data::DocumentKey& documentKey = *reply.add_document_key();
            *documentKey.mutable_document_key_document() =
                Document(15301 + key, OtherUserId, "Report", "<p>Report</p>", 0xFFF);
            *documentKey.mutable_document_key_security_descriptor() = Descriptor(permissions, 1800);
        }
        return reply.SerializeAsString();
    }

    std::unique_ptr<ApplicationComponent> m_tree;
    DocumentEditorManager* m_manager = nullptr;
};

TEST_F(DocumentEditorManagerTest, AKeyOpensTheDocumentUnderItsRightsAndASecondOpeningRaisesTheFirst)
{
    const std::string request = zarv::data::SelectDocumentKeyRequest().SerializeAsString();
    reply(common::SelectDocumentKey, common::OpenDocumentEditorView, request, KeyReply(1, 0, 0x101));
    ASSERT_EQ(editors().size(), 1u);
    DocumentEditorView* first = editors()[0];
    EXPECT_EQ(first->getDocument().document_security_descriptor().permissions(), 0x101);
    EXPECT_EQ(first->getDocument().document_security_descriptor().session_duration(), 1800);

    zarv::data::SelectDocumentReply direct;
    *direct.add_document() = Document(15301, OtherUserId, "Report", "<p>Report</p>", 0xFFF);
    reply(common::SelectDocument, common::OpenDocumentEditorView,
          zarv::data::SelectDocumentRequest().SerializeAsString(), direct.SerializeAsString());
    reply(common::SelectDocumentKey, common::OpenDocumentEditorView, request, KeyReply(1, 0, 0x3));
    ASSERT_EQ(editors().size(), 1u);
    EXPECT_EQ(editors()[0], first);
    EXPECT_EQ(first->getDocument().document_security_descriptor().permissions(), 0x101);
}

TEST_F(DocumentEditorManagerTest, AKeyReplyWithTwoKeysOrAnSqlCodeOpensNothing)
{
    const std::string request = zarv::data::SelectDocumentKeyRequest().SerializeAsString();
    reply(common::SelectDocumentKey, common::OpenDocumentEditorView, request, KeyReply(2, 0, 0x3));
    reply(common::SelectDocumentKey, common::OpenDocumentEditorView, request, KeyReply(1, 100, 0x3));
    reply(common::SelectDocumentKey, common::OpenDocumentEditorView, request, KeyReply(0, 0, 0x3));
    reply(common::SelectDocumentKey, common::OpenDocumentKeyringView, request, KeyReply(1, 0, 0x3));
    EXPECT_TRUE(editors().empty());

    zarv::data::SelectDocumentReply documents;
    documents.mutable_sql_diag_rec()->set_sqlc(100);
    *documents.add_document() = Document(15300, UserId, "Plan", "<p>Plan</p>");
    reply(common::SelectDocument, common::OpenDocumentEditorView,
          zarv::data::SelectDocumentRequest().SerializeAsString(), documents.SerializeAsString());
    EXPECT_TRUE(editors().empty());
}

TEST_F(DocumentEditorManagerTest, ADeletedDocumentsEditorsCloseThroughTheirQuestion)
{
    zarv::data::SelectDocumentReply documents;
    *documents.add_document() = Document(15300, UserId, "Plan", "<p>Plan</p>");
    *documents.add_document() = Document(15302, UserId, "Notes", "<p>Notes</p>");
    reply(common::SelectDocument, common::OpenDocumentEditorView,
          zarv::data::SelectDocumentRequest().SerializeAsString(), documents.SerializeAsString());
    ASSERT_EQ(editors().size(), 2u);
    for (DocumentEditorView* editor : editors()) {
        if (editor->getDocument().document_id() == 15300) {
            Type(*editor, QStringLiteral("!"));
        }
    }

    BoxAnswerer boxes;
    boxes.answers = {QMessageBox::Cancel, QMessageBox::Discard};
    zarv::data::DeleteDocumentRequest deletion;
    deletion.set_document_id(15300);
    const std::string payload = zarv::data::DeleteDocumentReply().SerializeAsString();
    reply(common::DeleteDocument, common::Untagged, deletion.SerializeAsString(), payload);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Do you want to save changes you made to Plan?"));
    EXPECT_EQ(editors().size(), 2u);

    reply(common::DeleteDocument, common::Untagged, deletion.SerializeAsString(), payload);
    ASSERT_EQ(editors().size(), 1u);
    EXPECT_EQ(editors()[0]->getDocument().document_id(), 15302);
}

TEST_F(DocumentEditorManagerTest, ApplyingTheOptionsIsAnsweredWithTheEventToEveryWindow)
{
    std::vector<std::pair<common::Evcode, common::Evcode>> events;
    QObject::connect(m_manager, &DocumentEditorManager::deliverEvent,
                     [&events](common::Evcode major, common::Evcode minor, const std::string& event) {
                         EXPECT_TRUE(event.empty());
                         events.emplace_back(major, minor);
                     });
    static_cast<Component*>(m_manager)->receiveRequest(common::ApplyDocumentEditorOptions, 7, std::string());
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].first, common::DocumentEditorOptionsChanged);
    EXPECT_EQ(events[0].second, common::Untagged);
}

}  // namespace
