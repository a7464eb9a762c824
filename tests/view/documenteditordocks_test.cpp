// The document editor's revision and URL docks against the project's test
// server over the editor's fixture (product/testserver/fixtures/
// doceditor.textproto) under its open session, and the print preview's
// audit.

#include "library/common/codes.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/itemcreationdialogs.h"
#include "library/gui/servercall.h"
#include "library/gui/textdocument.h"
#include "library/gui/urlwidgets.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "library/security/hash.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/component/logonsession.h"
#include "product/client/view/documenteditormanager.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/documenteditortestsupport.h"

#include "deletedocumentwebpagerequest3.pb.h"
#include "insertdocumentwebpagerequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectdocumentwebpagereply3.pb.h"
#include "selectdocumentwebpagerequest3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatedocumentwebpagerequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDropEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QStatusBar>
#include <QTextCursor>
#include <QToolBar>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace editortest;
using testsupport::TestServerProcess;

struct Sent
{
    common::Opcode major;
    common::Opcode minor;
    std::string payload;
};

// The window with its controls in reach.
class ProbedEditor : public DocumentEditorView
{
public:
    using DocumentEditorView::DocumentEditorView;

    DocumentEditor& editor() const { return *m_textEditor; }

    // The enabled flags, as "1" and "0", of Save, Cut, Copy, Paste, Bold and
    // Find.
    std::string enabledControls() const
    {
        std::string flags;
        for (const QAction* action :
             {m_saveAction, m_cutAction, m_copyAction, m_pasteAction, m_boldAction, m_findAction}) {
            flags += action->isEnabled() ? '1' : '0';
        }
        return flags;
    }
};

QString SessionLabel(const DocumentEditorView& editor)
{
    for (const QLabel* label : editor.statusBar()->findChildren<QLabel*>()) {
        if (label->text().startsWith(QStringLiteral("Session Duration")) || label->objectName().isEmpty()) {
            if (label->text().isEmpty() || label->text().startsWith(QStringLiteral("Session Duration"))) {
                return label->text();
            }
        }
    }
    return QStringLiteral("(no label)");
}

// "text=description" of every page the URL dock lists.
QStringList ListedPages(const DocumentEditorView& editor)
{
    QStringList pages;
    const UrlListWidget& list = *editor.urlDockWidget()->urlListWidget();
    for (int row = 0; row < list.count(); ++row) {
        pages << list.item(row)->text() + QLatin1Char('=') + list.item(row)->data(Qt::StatusTipRole).toString();
    }
    return pages;
}

class DocumentEditorDocksTest : public ::testing::Test
{
protected:
    explicit DocumentEditorDocksTest(const std::vector<std::string>& faults = {})
        : m_server(faults, TestServerProcess::FixturePath("doceditor.textproto"))
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
    }

    void TearDown() override { ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear(); }

    // Gale's Plan with every right and an hour's session, its requests sent
    // to the test server as the bus does and recorded.
    std::unique_ptr<ProbedEditor> openPlan()
    {
        zarv::data::Document plan = Document(15300, UserId, "Plan", "<p>Plan</p>");
        *plan.mutable_document_security_descriptor() = Descriptor(4095, 3600);
        auto editor = std::make_unique<ProbedEditor>(plan, nullptr);
        ProbedEditor* window = editor.get();
        QObject::connect(window, &DocumentEditorView::deliverRequest,
                         [this, window](common::Opcode major, common::Opcode minor, const std::string& payload) {
                             sent.push_back({major, minor, payload});
                             ServerCall call(major, minor);
                             call.send(payload);
                             const common::Ercode majorErcode =
                                 call.noReply() ? common::ServiceNoReplyEr : call.majorErcode();
                             const common::Ercode minorErcode = call.noReply() ? 1 : call.minorErcode();
                             window->receiveReply(major, minor, payload, majorErcode, minorErcode, call.reply());
                         });
        return editor;
    }

    static zarv::data::Document Stored(int documentId)
    {
        zarv::data::SelectDocumentRequest request;
        request.set_document_id(documentId);
        std::optional<zarv::data::SelectDocumentReply> reply =
            ServerCall(common::SelectDocument, common::Untagged).call<zarv::data::SelectDocumentReply>(request);
        return reply && reply->document_size() == 1 ? reply->document(0) : zarv::data::Document();
    }

    // "url=description" of every page the server holds for Plan.
    static QStringList StoredPages()
    {
        zarv::data::SelectDocumentWebpageRequest request;
        request.set_document_webpage_document_id(15300);
        std::optional<zarv::data::SelectDocumentWebpageReply> reply =
            ServerCall(common::SelectDocumentWebpage, common::Untagged)
                .call<zarv::data::SelectDocumentWebpageReply>(request);
        QStringList pages;
        for (const zarv::data::DocumentWebpage& page :
             reply ? reply->document_webpage() : zarv::data::SelectDocumentWebpageReply().document_webpage()) {
            pages << QString::fromStdString(page.document_webpage_url() + "=" + page.document_webpage_description());
        }
        return pages;
    }

    static QString Revised(const char* start)
    {
        return QStringLiteral("Plan revised %1")
            .arg(QString::fromStdString(DbTimestamp(start).toLocalDbString(nullptr)));
    }

    static void Drop(DocumentEditorView& editor, const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the dock: the application hands a drop only to the target of a running drag.
        static_cast<QObject*>(editor.urlDockWidget())->event(&event);
    }

    static void EditDescription(DocumentEditorView& editor, const QString& url, const QString& description)
    {
        UrlListWidget& list = *editor.urlDockWidget()->urlListWidget();
        list.clearSelection();
        const QList<QListWidgetItem*> found = list.findItems(url, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        found[0]->setSelected(true);
        testsupport::WhenModal<QInputDialog>([description](QInputDialog* dialog) {
            dialog->setTextValue(description);
            dialog->accept();
        });
        editor.urlDockWidget()->editUrl();
    }

    static void Remove(DocumentEditorView& editor, const QString& url)
    {
        UrlListWidget& list = *editor.urlDockWidget()->urlListWidget();
        list.clearSelection();
        const QList<QListWidgetItem*> found = list.findItems(url, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        found[0]->setSelected(true);
        editor.urlDockWidget()->removeUrl();
    }

    std::vector<Sent> sentOf(common::Opcode major) const
    {
        std::vector<Sent> found;
        std::copy_if(sent.begin(), sent.end(), std::back_inserter(found),
                     [major](const Sent& each) { return each.major == major; });
        return found;
    }

    TestServerProcess m_server;
    std::vector<Sent> sent;
};

TEST_F(DocumentEditorDocksTest, TheRevisionDockShowsEachRevisionReadOnlyAndHidingItBringsBackTheEditedBody)
{
    std::unique_ptr<ProbedEditor> editor = openPlan();
    Type(*editor, QStringLiteral(" edited"));
    ASSERT_TRUE(editor->textDocument()->isModified());
    EXPECT_EQ(SessionLabel(*editor), QStringLiteral("Session Duration [01:00]"));
    EXPECT_EQ(editor->enabledControls(), "111111");

    // Another window is active: the list is this window's own answer all the same.
    QWidget other;
    other.show();
    other.activateWindow();
    editor->revisionHistoryDockWidget()->toggleViewAction()->trigger();
    const QListWidget& list = *editor->revisionHistoryListWidget();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text(), Revised("2024-01-02 03:04:05"));
    EXPECT_EQ(list.item(1)->text(), Revised("2023-12-01 09:00:00"));
    EXPECT_EQ(list.item(2)->text(), Revised("2023-11-01 08:30:00"));
    EXPECT_EQ(list.item(1)->data(Qt::UserRole).toString(), QStringLiteral("2023-12-01 09:00:00"));

    EXPECT_NE(editor->editor().document(), editor->textDocument());
    EXPECT_EQ(editor->editor().textInteractionFlags(), Qt::TextSelectableByMouse);
    // Save, Cut, Paste and formatting off; Copy and Find on.
    EXPECT_EQ(editor->enabledControls(), "001001");
    EXPECT_EQ(SessionLabel(*editor), QString());

    // The revision that starts where another ends comes alone.
    editor->revisionClicked(list.item(1));
    EXPECT_EQ(editor->editor().toPlainText(), QStringLiteral("Plan, second draft"));
    editor->revisionClicked(list.item(2));
    EXPECT_EQ(editor->editor().toPlainText(), QStringLiteral("Plan, first draft"));

    editor->revisionHistoryDockWidget()->toggleViewAction()->trigger();
    EXPECT_EQ(editor->editor().document(), editor->textDocument());
    EXPECT_EQ(editor->editor().toPlainText(), QStringLiteral("Plan edited"));
    EXPECT_TRUE(editor->textDocument()->isModified());
    EXPECT_EQ(editor->enabledControls(), "111111");
    EXPECT_EQ(SessionLabel(*editor), QStringLiteral("Session Duration [01:00]"));
    EXPECT_EQ(list.count(), 0);
    editor->textDocument()->setModified(false);
}

TEST_F(DocumentEditorDocksTest, RevisionRepliesWithBadStartsOrTwoDocumentsShowNothingOfThem)
{
    std::unique_ptr<ProbedEditor> editor = openPlan();
    editor->revisionHistoryDockWidget()->toggleViewAction()->trigger();
    const_cast<QListWidget*>(editor->revisionHistoryListWidget())->clear();

    zarv::data::SelectDocumentReply revisions;
    for (const char* start : {"2024-02-01 10:00:00", "2024-13-45 00:00:00", "", "not a date", "2024-01-01 10:00:00"}) {
        zarv::data::Document& revision = *revisions.add_document();
        revision.set_document_name("Plan");
        if (*start) {
            revision.mutable_sys_period()->set_from(start);
        }
    }
    editor->selectDocumentRevisionsHandler(revisions.SerializeAsString());
    ASSERT_EQ(editor->revisionHistoryListWidget()->count(), 2);
    EXPECT_EQ(editor->revisionHistoryListWidget()->item(0)->text(), Revised("2024-02-01 10:00:00"));
    EXPECT_EQ(editor->revisionHistoryListWidget()->item(1)->text(), Revised("2024-01-01 10:00:00"));

    zarv::data::SelectDocumentReply one;
    one.add_document()->set_document_body("<p>One</p>");
    editor->displayDocumentRevisionHandler(one.SerializeAsString());
    EXPECT_EQ(editor->editor().toPlainText(), QStringLiteral("One"));
    zarv::data::SelectDocumentReply two = one;
    two.add_document()->set_document_body("<p>Two</p>");
    editor->displayDocumentRevisionHandler(two.SerializeAsString());
    EXPECT_EQ(editor->editor().toPlainText(), QString());
}

// Closing while a revision shows: the question is about the body, and Save
// sends the body.
TEST_F(DocumentEditorDocksTest, ClosingWhileARevisionShowsAsksAboutTheBodyAndSavesIt)
{
    for (const QMessageBox::StandardButton answer : {QMessageBox::Save, QMessageBox::Discard}) {
        SCOPED_TRACE(answer == QMessageBox::Save ? "Save" : "Discard");
        sent.clear();
        std::unique_ptr<ProbedEditor> editor = openPlan();
        editor->show();
        Type(*editor, QStringLiteral(" kept"));
        const QString body = editor->textDocument()->toHtml();
        editor->revisionHistoryDockWidget()->toggleViewAction()->trigger();
        editor->revisionClicked(editor->revisionHistoryListWidget()->item(1));

        BoxAnswerer boxes;
        boxes.answers = {answer};
        editor->close();
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Do you want to save changes you made to Plan?"));
        EXPECT_FALSE(editor->isVisible());
        const std::vector<Sent> saves = sentOf(common::UpdateDocument);
        if (answer == QMessageBox::Save) {
            ASSERT_EQ(saves.size(), 1u);
            zarv::data::UpdateDocumentRequest request;
            ASSERT_TRUE(request.ParseFromString(saves[0].payload));
            EXPECT_EQ(QString::fromStdString(request.document().document_body()), body);
            EXPECT_EQ(QString::fromStdString(Stored(15300).document_body()), body);
        } else {
            EXPECT_TRUE(saves.empty());
        }
    }
}

TEST_F(DocumentEditorDocksTest, TheUrlDockListsSecurePagesAndAddsRedescribesAndRemovesThem)
{
    std::unique_ptr<ProbedEditor> editor = openPlan();
    editor->urlDockWidget()->toggleViewAction()->trigger();
    EXPECT_EQ(ListedPages(*editor), QStringList{QStringLiteral("https://example.org/plan=Plan overview")});

    const QString added = QStringLiteral("https://example.org/budget");
    testsupport::WhenModal<AddUrlDialog>([&added](AddUrlDialog* dialog) {
        const QList<QLineEdit*> edits = dialog->findChildren<QLineEdit*>();
        edits[0]->setText(added);
        edits[1]->setText(QStringLiteral("Budget"));
        dialog->accept();
    });
    editor->urlDockWidget()->addUrl();
    std::vector<Sent> inserts = sentOf(common::InsertDocumentWebpage);
    ASSERT_EQ(inserts.size(), 1u);
    EXPECT_EQ(inserts[0].minor, common::Untagged);
    zarv::data::InsertDocumentWebpageRequest insert;
    ASSERT_TRUE(insert.ParseFromString(inserts[0].payload));
    EXPECT_EQ(insert.document_webpage().document_webpage_document_id(), 15300);
    EXPECT_EQ(insert.document_webpage().document_webpage_url(), added.toStdString());
    EXPECT_EQ(insert.document_webpage().document_webpage_url_hash(), HashUrl(added.toStdString()));
    EXPECT_EQ(insert.document_webpage().document_webpage_description(), "Budget");
    EXPECT_TRUE(insert.document_webpage().has_document_webpage_properties());
    EXPECT_EQ(insert.document_webpage().document_webpage_properties(), 0);

    EditDescription(*editor, added, QStringLiteral("Budget 2025"));
    std::vector<Sent> updates = sentOf(common::UpdateDocumentWebpage);
    ASSERT_EQ(updates.size(), 1u);
    zarv::data::UpdateDocumentWebpageRequest update;
    ASSERT_TRUE(update.ParseFromString(updates[0].payload));
    EXPECT_EQ(update.document_webpage().document_webpage_url_hash(), HashUrl(added.toStdString()));
    EXPECT_FALSE(update.document_webpage().has_document_webpage_url());
    EXPECT_FALSE(update.document_webpage().has_document_webpage_properties());
    EXPECT_EQ(update.document_webpage().document_webpage_description(), "Budget 2025");
    EXPECT_EQ(StoredPages(), (QStringList{QStringLiteral("https://example.org/plan=Plan overview"),
                                          QStringLiteral("http://example.org/old-plan=Old plan"),
                                          QStringLiteral("https://example.org/budget=Budget 2025")}));

    {
        BoxAnswerer boxes;
        boxes.answers = {QMessageBox::Cancel};
        Remove(*editor, added);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Delete Webpage Confirmation"));
        EXPECT_EQ(boxes.boxes[0].informativeText, QStringLiteral("Delete webpage (%1)?").arg(added));
        EXPECT_TRUE(sentOf(common::DeleteDocumentWebpage).empty());
        EXPECT_EQ(ListedPages(*editor).size(), 2);
    }
    {
        BoxAnswerer boxes;
        boxes.answers = {QMessageBox::Ok};
        Remove(*editor, added);
    }
    std::vector<Sent> deletes = sentOf(common::DeleteDocumentWebpage);
    ASSERT_EQ(deletes.size(), 1u);
    zarv::data::DeleteDocumentWebpageRequest remove;
    ASSERT_TRUE(remove.ParseFromString(deletes[0].payload));
    EXPECT_EQ(remove.document_webpage_document_id(), 15300);
    EXPECT_EQ(remove.document_webpage_user_id(), UserId);
    EXPECT_EQ(remove.document_webpage_url_hash(), HashUrl(added.toStdString()));
    EXPECT_EQ(ListedPages(*editor), QStringList{QStringLiteral("https://example.org/plan=Plan overview")});
    EXPECT_EQ(StoredPages().size(), 2);
}

TEST_F(DocumentEditorDocksTest, LoadOpensASecurePageInTheWebBrowserAndAnInsecureOneNowhere)
{
    std::unique_ptr<ProbedEditor> editor = openPlan();
    // A slot that takes the address stands in for the desktop's browser.
    UrlToolButton browser(nullptr);
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "setUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "setUrl");
    editor->loadUrl(Url(QStringLiteral("http://example.org/old-plan")));
    EXPECT_TRUE(browser.url().isEmpty());
    editor->urlDockWidget()->toggleViewAction()->trigger();
    editor->urlDockWidget()->urlListWidget()->item(0)->setSelected(true);
    editor->urlDockWidget()->loadUrl();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    EXPECT_EQ(browser.url(), QUrl(QStringLiteral("https://example.org/plan")));
}

// A change of a web page that the server did not make, by operation and
// reply: the list afterwards shows what the server holds, and the window
// says what failed once.
enum class Change
{
    Insert,
    InsertListed,
    Update,
    UpdateUnknown,
    Delete,
    DeleteUnknown
};

struct PageChangeCase
{
    const char* name;
    std::vector<std::string> faults;
    Change change;
    QStringList listedAfter;
    // The warning's text and reason, or empty when the change was made.
    QString warning;
    QString reason;
};

class DocumentEditorPageChangeTest : public DocumentEditorDocksTest,
                                     public ::testing::WithParamInterface<PageChangeCase>
{
protected:
    DocumentEditorPageChangeTest()
        : DocumentEditorDocksTest(GetParam().faults)
    {}
};

const QString Plan = QStringLiteral("https://example.org/plan=Plan overview");
const QString Ghost = QStringLiteral("https://example.org/ghost");
const QString NoReply = QStringLiteral("No reply from the server.");
const QString Refused66 = QStringLiteral("The server refused the request (code 66).");
const QString NotAdded = QStringLiteral("The web page %1 was not added.");
const QString NotChanged = QStringLiteral("The web page %1 was not changed.");
const QString NotRemoved = QStringLiteral("The web page %1 was not removed.");
const QString PlanUrl = QStringLiteral("https://example.org/plan");
const QString NewUrl = QStringLiteral("https://example.org/new");

QString RefusedBy(int sqlc)
{
    return QStringLiteral("The server refused the request (code %1).").arg(sqlc);
}

const PageChangeCase PageChangeCases[] = {
    {"InsertAccepted", {}, Change::Insert, {NewUrl + QStringLiteral("="), Plan}, {}, {}},
    {"InsertOfAHeldPage", {}, Change::InsertListed, {Plan}, NotAdded.arg(PlanUrl), RefusedBy(common::UniqueViolation)},
    {"InsertErrorCodes", {"error-codes=66,1@23"}, Change::Insert, {Plan}, NotAdded.arg(NewUrl), Refused66},
    {"InsertNoReply", {"no-reply@23"}, Change::Insert, {Plan}, NotAdded.arg(NewUrl), NoReply},
    {"UpdateAccepted", {}, Change::Update, {PlanUrl + QStringLiteral("=Renamed")}, {}, {}},
    {"UpdateOfAPageNotHeld",
     {},
     Change::UpdateUnknown,
     {Plan},
     NotChanged.arg(Ghost),
     RefusedBy(common::PackSqlState("02000"))},
    {"UpdateErrorCodes", {"error-codes=66,1@54"}, Change::Update, {Plan}, NotChanged.arg(PlanUrl), Refused66},
    {"UpdateNoReply", {"no-reply@54"}, Change::Update, {Plan}, NotChanged.arg(PlanUrl), NoReply},
    {"DeleteAccepted", {}, Change::Delete, {}, {}, {}},
    {"DeleteOfAPageNotHeld",
     {},
     Change::DeleteUnknown,
     {Plan},
     NotRemoved.arg(Ghost),
     RefusedBy(common::PackSqlState("02000"))},
    {"DeleteErrorCodes", {"error-codes=66,1@8"}, Change::Delete, {Plan}, NotRemoved.arg(PlanUrl), Refused66},
    {"DeleteNoReply", {"no-reply@8"}, Change::Delete, {Plan}, NotRemoved.arg(PlanUrl), NoReply},
};

TEST_P(DocumentEditorPageChangeTest, OnlyAChangeTheServerMadeStaysInTheList)
{
    const PageChangeCase& row = GetParam();
    std::unique_ptr<ProbedEditor> editor = openPlan();
    editor->urlDockWidget()->toggleViewAction()->trigger();
    ASSERT_EQ(ListedPages(*editor), QStringList{Plan});
    // A page listed here that the server does not hold.
    if (row.change == Change::UpdateUnknown || row.change == Change::DeleteUnknown) {
        emit editor->urlDockWidget()->addUrl(Url(Ghost));
    }

    BoxAnswerer boxes;
    boxes.answers = {QMessageBox::Ok};
    switch (row.change) {
    case Change::Insert:
        Drop(*editor, {QUrl(NewUrl)});
        break;
    case Change::InsertListed:
        Drop(*editor, {QUrl(PlanUrl)});
        break;
    case Change::Update:
        EditDescription(*editor, PlanUrl, QStringLiteral("Renamed"));
        break;
    case Change::UpdateUnknown:
        EditDescription(*editor, Ghost, QStringLiteral("Renamed"));
        break;
    case Change::Delete:
        Remove(*editor, PlanUrl);
        break;
    case Change::DeleteUnknown:
        Remove(*editor, Ghost);
        break;
    }

    EXPECT_EQ(ListedPages(*editor), row.listedAfter);
    std::vector<std::pair<QString, QString>> warnings;
    for (const BoxAnswerer::Box& box : boxes.boxes) {
        if (box.text.startsWith(QStringLiteral("The web page"))) {
            warnings.emplace_back(box.text, box.informativeText);
        }
    }
    const std::vector<std::pair<QString, QString>> expected =
        row.warning.isEmpty() ? std::vector<std::pair<QString, QString>>()
                              : std::vector<std::pair<QString, QString>>{{row.warning, row.reason}};
    EXPECT_EQ(warnings, expected);
}

INSTANTIATE_TEST_SUITE_P(Replies,
                         DocumentEditorPageChangeTest,
                         ::testing::ValuesIn(PageChangeCases),
                         [](const ::testing::TestParamInfo<PageChangeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(DocumentEditorDocksTest, AFailedListReadLeavesTheListAndSaysSo)
{
    std::unique_ptr<ProbedEditor> editor = openPlan();
    editor->urlDockWidget()->toggleViewAction()->trigger();
    ASSERT_EQ(ListedPages(*editor), QStringList{Plan});
    editor->urlDockWidget()->toggleViewAction()->trigger();
    m_server.stop();
    editor->urlDockWidget()->toggleViewAction()->trigger();
    EXPECT_EQ(ListedPages(*editor), QStringList{Plan});
    EXPECT_EQ(editor->statusBar()->currentMessage(), NoReply);
}

TEST_F(DocumentEditorDocksTest, APrintPreviewClosedWithoutPrintingSendsNothing)
{
    std::unique_ptr<ProbedEditor> editor = openPlan();
    testsupport::WhenModal<QPrintPreviewDialog>([](QPrintPreviewDialog* dialog) { dialog->reject(); });
    editor->printPreviewDocument();
    EXPECT_TRUE(sent.empty());
}

// The trial of the README over the sample data, logged on as Avery: Project
// plan's earlier revisions and its web pages, on the client's bus.
class DocumentEditorDocksTrialTest : public ::testing::Test
{
protected:
    class BusWindow : public AbstractViewWindow
    {
    public:
        BusWindow()
            : AbstractViewWindow(nullptr)
        {}
    };

    DocumentEditorDocksTrialTest()
        : m_server({}, TestServerProcess::FixturePath("sample.textproto"))
    {}

    void SetUp() override
    {
        PrepareEditorServices();
        ASSERT_NE(m_server.port(), 0);
        MessageDispatcher::setTimeout(std::chrono::seconds(10));
        m_tree = std::make_unique<ApplicationComponent>(
            nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                         &ApplicationComponent::CreateViewManager<DocumentEditorManager>});
        ASSERT_TRUE(m_tree->connectAbstractViewWindow(&m_window));
        const std::optional<std::string> logOn =
            LogonSession::Request("avery", "quenlark-trial", "127.0.0.1", m_server.port(), "America/New_York");
        ASSERT_TRUE(logOn);
        emit m_window.deliverRequest(common::AuthenticateUser, common::Untagged, *logOn);
    }

    void TearDown() override
    {
        // Collected first: deleting an editor deletes the top-level widgets it owns.
        std::vector<QPointer<DocumentEditorView>> editors;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* editor = qobject_cast<DocumentEditorView*>(widget)) {
                editors.emplace_back(editor);
            }
        }
        for (const QPointer<DocumentEditorView>& editor : editors) {
            if (editor) {
                editor->textDocument()->setModified(false);
                delete editor.data();
            }
        }
        m_tree.reset();
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
    }

    static DocumentEditorView* OpenEditor()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* editor = qobject_cast<DocumentEditorView*>(widget); editor && editor->isVisible()) {
                return editor;
            }
        }
        return nullptr;
    }

    TestServerProcess m_server;
    std::unique_ptr<ApplicationComponent> m_tree;
    BusWindow m_window;
};

TEST_F(DocumentEditorDocksTrialTest, ProjectPlansEarlierRevisionsAreReadAndItsWebPagesLoadedAddedRedescribedAndRemoved)
{
    zarv::data::SelectDocumentRequest open;
    open.set_document_id(4001);
    emit m_window.deliverRequest(common::SelectDocument, common::OpenDocumentEditorView, open.SerializeAsString());
    DocumentEditorView* editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    QTextCursor cursor(editor->textDocument());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(" Launch party, 10 May."));

    editor->revisionHistoryDockWidget()->toggleViewAction()->trigger();
    ASSERT_EQ(editor->revisionHistoryListWidget()->count(), 3);
    editor->revisionClicked(editor->revisionHistoryListWidget()->item(1));
    auto* text = editor->findChild<DocumentEditor*>();
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Beta, 1 April")));
    EXPECT_EQ(text->textInteractionFlags(), Qt::TextSelectableByMouse);
    editor->revisionHistoryDockWidget()->toggleViewAction()->trigger();
    EXPECT_TRUE(text->toPlainText().endsWith(QStringLiteral("Launch party, 10 May.")));
    EXPECT_TRUE(editor->textDocument()->isModified());

    editor->urlDockWidget()->toggleViewAction()->trigger();
    UrlListWidget& list = *editor->urlDockWidget()->urlListWidget();
    ASSERT_EQ(list.count(), 2);
    UrlToolButton browser(nullptr);
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "setUrl");
    list.item(0)->setSelected(true);
    editor->urlDockWidget()->loadUrl();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(browser.url(), QUrl(list.item(0)->text()));

    const QString launch = QStringLiteral("https://example.com/launch");
    testsupport::WhenModal<AddUrlDialog>([&launch](AddUrlDialog* dialog) {
        const QList<QLineEdit*> edits = dialog->findChildren<QLineEdit*>();
        edits[0]->setText(launch);
        edits[1]->setText(QStringLiteral("Launch"));
        dialog->accept();
    });
    BoxAnswerer boxes;
    boxes.answers = {QMessageBox::Ok};
    editor->urlDockWidget()->addUrl();
    ASSERT_EQ(list.findItems(launch, Qt::MatchExactly).size(), 1);
    list.clearSelection();
    list.findItems(launch, Qt::MatchExactly)[0]->setSelected(true);
    testsupport::WhenModal<QInputDialog>([](QInputDialog* dialog) {
        dialog->setTextValue(QStringLiteral("Launch party"));
        dialog->accept();
    });
    editor->urlDockWidget()->editUrl();
    editor->urlDockWidget()->removeUrl();
    EXPECT_EQ(list.count(), 2);
    // Only the removal's question: nothing failed.
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Delete Webpage Confirmation"));
}

}  // namespace
