// The document browser's operations end to end: browsers opened by their
// manager on the client's bus change folders and documents on the project's
// test server and follow its answers. Dana's data
// (product/testserver/fixtures/docbrowser.textproto, session 7): her home
// folder 1100 holds Projects (1110, with Plan and Minutes), Letters (1111) and
// Readme (1500). The trial runs over the sample data, logged on as Avery.

#include "library/common/clock.h"
#include "library/gui/itemcreationdialogs.h"
#include "library/gui/servercall.h"
#include "product/client/component/logonsession.h"
#include "product/client/view/browserdrops.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/view/documentbrowseropssession.h"

#include "selectdocumentreply3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatefolderrequest3.pb.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace browsertest;
using testsupport::BoxRecorder;
using testsupport::WhenModal;

const QString Refused = QStringLiteral("The server refused the request (code 0).");

// The current record of a document as the server keeps it.
std::optional<zarv::data::Document> StoredDocument(int documentId)
{
    zarv::data::SelectDocumentRequest request;
    request.set_document_id(documentId);
    ServerCall call(common::SelectDocument);
    const auto reply = call.call<zarv::data::SelectDocumentReply>(request);
    if (!reply || reply->document_size() != 1) {
        return std::nullopt;
    }
    return reply->document(0);
}

std::optional<zarv::data::Folder> StoredFolder(int folderId)
{
    zarv::data::SelectFolderRequest request;
    request.set_folder_id(folderId);
    ServerCall call(common::SelectFolder);
    const auto reply = call.call<zarv::data::SelectFolderReply>(request);
    if (!reply || reply->folder_size() != 1) {
        return std::nullopt;
    }
    return reply->folder(0);
}

// The documents of a folder on the server, by name.
QStringList StoredDocumentNames(int folderId)
{
    zarv::data::SelectDocumentRequest request;
    request.set_document_folder_id(folderId);
    ServerCall call(common::SelectDocument);
    QStringList names;
    if (const auto reply = call.call<zarv::data::SelectDocumentReply>(request)) {
        for (const zarv::data::Document& document : reply->document()) {
            names << QString::fromStdString(document.document_name());
        }
    }
    return names;
}

// Answers the next text prompt with `text`.
void Answer(const QString& text)
{
    WhenModal<QInputDialog>([text](QInputDialog* dialog) {
        dialog->setTextValue(text);
        dialog->accept();
    });
}

// Answers the next creation dialog with a name.
template <typename Dialog>
void Create(const QString& name)
{
    WhenModal<Dialog>([name](Dialog* dialog) {
        dialog->template findChildren<QLineEdit*>().at(0)->setText(name);
        dialog->accept();
    });
}

// Confirms the next deletion with OK; with `refusal`, reads the box that
// follows into it and closes that.
void ConfirmDeletion(QString* refusal = nullptr)
{
    WhenModal<QMessageBox>([refusal](QMessageBox* box) {
        box->button(QMessageBox::Ok)->click();
        if (refusal) {
            WhenModal<QMessageBox>([refusal](QMessageBox* next) {
                *refusal = next->text();
                next->accept();
            });
        }
    });
}

// What a drag of the main-pane item with this text carries.
std::unique_ptr<QMimeData> Dragged(const DocumentBrowserView& browser, const QString& text)
{
    const QList<QListWidgetItem*> found = MainPane(browser).findItems(text, Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << text.toStdString();
    return found.isEmpty() ? std::make_unique<QMimeData>() : browser::ItemMimeData(found.front());
}

// Makes the pane act on an accepted drop as its drop handler does.
template <typename Pane>
void Drop(Pane& pane, const browser::DropDecision& decision)
{
    switch (decision.signal) {
    case browser::DropSignal::MoveDocument:
        emit pane.moveDocument(decision.document, decision.folderId);
        break;
    case browser::DropSignal::MoveFolder:
        emit pane.moveFolder(decision.folder, decision.folderId);
        break;
    default:
        ADD_FAILURE() << "not a drop onto a folder";
    }
}

class DocumentBrowserOpsSessionTest : public BrowserOpsSessionTest
{
protected:
    DocumentBrowserOpsSessionTest()
        : BrowserOpsSessionTest("docbrowser.textproto", 7)
    {}

    DocumentBrowserView& openHome()
    {
        DocumentBrowserView& browser = openBrowser();
        click(browser, QStringLiteral("Home Folder"));
        return browser;
    }
};

TEST_F(DocumentBrowserOpsSessionTest, ANewFolderCannotTakeASiblingsNameAndAFullFolderStays)
{
    DocumentBrowserView& browser = openHome();
    ASSERT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Projects")));

    Create<CreateFolderDialog>(QStringLiteral("Drafts"));
    browser.newFolder();
    ASSERT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Drafts")));

    QString clash;
    WhenModal<QInputDialog>([&clash](QInputDialog* dialog) {
        dialog->setTextValue(QStringLiteral("Letters"));
        dialog->accept();
        WhenModal<QMessageBox>([&clash](QMessageBox* box) {
            clash = box->text();
            box->accept();
        });
    });
    select(browser, QStringLiteral("Drafts"));
    MainPane(browser).renameItem();
    EXPECT_EQ(clash, QStringLiteral("A folder named 'Letters' already exists."));
    EXPECT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Drafts")));

    QString full;
    ConfirmDeletion(&full);
    select(browser, QStringLiteral("Projects"));
    MainPane(browser).deleteItem();
    EXPECT_EQ(full, QStringLiteral("You cannot delete a non-empty folder."));
    EXPECT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Projects")));

    // The empty new folder goes.
    ConfirmDeletion();
    select(browser, QStringLiteral("Drafts"));
    MainPane(browser).deleteItem();
    EXPECT_FALSE(Texts(MainPane(browser)).contains(QStringLiteral("Drafts")));
}

// Drops onto a folder of the main pane and onto the side pane's Home Folder,
// each decided as the panes decide, sent with the whole record, stored by the
// server and followed by every browser.
TEST_F(DocumentBrowserOpsSessionTest, DraggedItemsMoveOnTheServerAndEveryBrowserFollows)
{
    DocumentBrowserView& first = openHome();
    DocumentBrowserView& second = openHome();
    ASSERT_EQ(Texts(MainPane(first)), (QStringList{"Projects", "Letters", "Readme"}));
    const std::optional<zarv::data::Document> readme = StoredDocument(1500);
    ASSERT_TRUE(readme);

    // Readme onto Letters, in the pane it is shown in.
    m_requests.clear();
    m_payloads.clear();
    Drop(MainPane(first), browser::DecideMainPaneDrop(Qt::MoveAction, &MainPane(first), &MainPane(first),
                                                      *Dragged(first, QStringLiteral("Readme")),
                                                      item(first, QStringLiteral("Letters"))));
    ASSERT_EQ(m_requests, std::vector<std::string>{"53 -22"});
    zarv::data::UpdateDocumentRequest moveDocument;
    ASSERT_TRUE(moveDocument.ParseFromString(m_payloads[0]));
    zarv::data::Document moved = *readme;
    moved.set_document_folder_id(1111);
    EXPECT_EQ(moveDocument.document().SerializeAsString(), moved.SerializeAsString());
    EXPECT_EQ(Texts(MainPane(first)), (QStringList{"Projects", "Letters"}));
    EXPECT_EQ(Texts(MainPane(second)), (QStringList{"Projects", "Letters"}));
    EXPECT_EQ(StoredDocumentNames(1111), QStringList{"Readme"});

    // Letters onto Projects, then from there onto Home Folder.
    Drop(MainPane(first), browser::DecideMainPaneDrop(Qt::MoveAction, &MainPane(first), &MainPane(first),
                                                      *Dragged(first, QStringLiteral("Letters")),
                                                      item(first, QStringLiteral("Projects"))));
    EXPECT_EQ(Texts(MainPane(first)), QStringList{"Projects"});
    EXPECT_EQ(Texts(MainPane(second)), QStringList{"Projects"});
    doubleClick(first, QStringLiteral("Projects"));
    ASSERT_EQ(Texts(MainPane(first)), (QStringList{"Letters", "Plan", "Minutes"}));
    const std::optional<zarv::data::Folder> letters = StoredFolder(1111);
    ASSERT_TRUE(letters);
    EXPECT_EQ(letters->folder_parent_id(), 1110);

    m_requests.clear();
    m_payloads.clear();
    SidePaneListWidget& side = SidePane(first);
    ASSERT_EQ(side.item(0)->text(), QStringLiteral("Home Folder"));
    Drop(side, browser::DecideSidePaneDrop(Qt::MoveAction, &MainPane(first), &side,
                                           *Dragged(first, QStringLiteral("Letters")), side.item(0)));
    ASSERT_EQ(m_requests, std::vector<std::string>{"56 -23"});
    zarv::data::UpdateFolderRequest moveFolder;
    ASSERT_TRUE(moveFolder.ParseFromString(m_payloads[0]));
    zarv::data::Folder home = *letters;
    home.set_folder_parent_id(HomeFolderId);
    EXPECT_EQ(moveFolder.folder().SerializeAsString(), home.SerializeAsString());
    EXPECT_EQ(Texts(MainPane(first)), (QStringList{"Plan", "Minutes"}));
    EXPECT_EQ(Texts(MainPane(second)), (QStringList{"Projects", "Letters"}));
    EXPECT_EQ(StoredFolder(1111)->folder_parent_id(), HomeFolderId);
    EXPECT_EQ(first.statusBar()->currentMessage(), QString());
}

// A folder dropped on its own subfolder shown in another browser goes to the
// server, which refuses it: the browser that sent it says so, and nothing
// moves anywhere.
TEST_F(DocumentBrowserOpsSessionTest, AFolderMovedBelowItselfIsRefusedAndThePanesStay)
{
    DocumentBrowserView& inside = openHome();
    doubleClick(inside, QStringLiteral("Projects"));
    Create<CreateFolderDialog>(QStringLiteral("Drafts"));
    inside.newFolder();
    ASSERT_EQ(Texts(MainPane(inside)), (QStringList{"Plan", "Minutes", "Drafts"}));
    DocumentBrowserView& outside = openHome();
    ASSERT_EQ(Texts(MainPane(outside)), (QStringList{"Projects", "Letters", "Readme"}));

    // Onto its own item: refused before any request.
    const std::unique_ptr<QMimeData> projects = Dragged(outside, QStringLiteral("Projects"));
    EXPECT_FALSE(browser::DecideMainPaneDrop(Qt::MoveAction, &MainPane(outside), &MainPane(outside), *projects,
                                             item(outside, QStringLiteral("Projects")))
                     .accepted);

    m_requests.clear();
    Drop(MainPane(inside), browser::DecideMainPaneDrop(Qt::MoveAction, &MainPane(outside), &MainPane(inside), *projects,
                                                       item(inside, QStringLiteral("Drafts"))));
    EXPECT_EQ(m_requests, std::vector<std::string>{"56 -23"});
    EXPECT_EQ(inside.statusBar()->currentMessage(), Refused);
    EXPECT_EQ(outside.statusBar()->currentMessage(), QString());
    EXPECT_EQ(Texts(MainPane(inside)), (QStringList{"Plan", "Minutes", "Drafts"}));
    EXPECT_EQ(Texts(MainPane(outside)), (QStringList{"Projects", "Letters", "Readme"}));
    EXPECT_EQ(StoredFolder(1110)->folder_parent_id(), HomeFolderId);
}

// A renamed row keeps its whole record: its copy, pasted under a fixed clock
// into a folder that two browsers show, carries the original body and
// description; the same paste again clashes and is told once, by the sender.
TEST_F(DocumentBrowserOpsSessionTest, ACopyOfARenamedRowIsPastedWholeAndASecondPasteClashes)
{
    DocumentBrowserView& pasting = openHome();
    Answer(QStringLiteral("Read me first"));
    select(pasting, QStringLiteral("Readme"));
    MainPane(pasting).renameItem();
    ASSERT_EQ(Texts(MainPane(pasting)), (QStringList{"Projects", "Letters", "Read me first"}));
    EXPECT_EQ(StoredDocument(1500)->document_name(), "Read me first");
    select(pasting, QStringLiteral("Read me first"));
    MainPane(pasting).copyItem();
    doubleClick(pasting, QStringLiteral("Letters"));
    DocumentBrowserView& watching = openHome();
    doubleClick(watching, QStringLiteral("Letters"));
    ASSERT_TRUE(pasting.action(browser::Paste)->isEnabled());

    const common::FixedClock clock(boost::posix_time::time_from_string("2026-05-06 07:08:09.010"));
    const QString name = QStringLiteral("Read me first - Copy (%1)")
                             .arg(QTime::fromMSecsSinceStartOfDay(
                                      static_cast<int>(common::Clock::localTime().time_of_day().total_milliseconds()))
                                      .toString(QStringLiteral("hh:mm:ss.zzz")));
    {
        BoxRecorder boxes;
        pasting.action(browser::Paste)->trigger();
        EXPECT_TRUE(boxes.boxes.empty());
        pasting.pasteItem();
        ASSERT_EQ(boxes.boxes.size(), 1U);
        EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("A document named '%1' already exists.").arg(name));
        EXPECT_EQ(boxes.boxes[0].over, &pasting);
    }
    EXPECT_EQ(Texts(MainPane(pasting)), QStringList{name});
    EXPECT_EQ(Texts(MainPane(watching)), QStringList{name});
    const int copyId =
        browser::ItemRecord<zarv::data::Document>(MainPane(watching).item(0), browser::DocumentRole).document_id();
    const std::optional<zarv::data::Document> copy = StoredDocument(copyId);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->document_name(), name.toStdString());
    EXPECT_EQ(copy->document_folder_id(), 1111);
    EXPECT_EQ(copy->document_user_id(), UserId);
    EXPECT_EQ(copy->document_body(), "<p>Readme</p>");
    EXPECT_EQ(copy->document_description(), "Start here");
    EXPECT_EQ(copy->document_creation_date(), "2026-05-06 07:08:09.010000");
    EXPECT_EQ(StoredDocumentNames(1111), QStringList{name});

    // The copy deleted in one browser leaves both, and the server.
    ConfirmDeletion();
    select(watching, name);
    MainPane(watching).deleteItem();
    EXPECT_EQ(MainPane(pasting).count(), 0);
    EXPECT_EQ(MainPane(watching).count(), 0);
    EXPECT_TRUE(StoredDocumentNames(1111).isEmpty());
}

// The trial of the README over the sample data, logged on as Avery.
class DocumentBrowserOpsTrialTest : public BrowserOpsSessionTest
{
protected:
    DocumentBrowserOpsTrialTest()
        : BrowserOpsSessionTest("sample.textproto", 7)
    {}

    void SetUp() override
    {
        BrowserOpsSessionTest::SetUp();
        const std::optional<std::string> logOn =
            LogonSession::Request("avery", "quenlark-trial", "127.0.0.1", m_server.port(), "America/New_York");
        ASSERT_TRUE(logOn);
        emit m_other.deliverRequest(common::AuthenticateUser, common::Untagged, *logOn);
    }
};

TEST_F(DocumentBrowserOpsTrialTest, CreateRenameDragCopyPasteAndDelete)
{
    DocumentBrowserView& browser = openBrowser();
    click(browser, QStringLiteral("Home Folder"));
    ASSERT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Projects")));
    ASSERT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Letters")));

    Create<CreateFolderDialog>(QStringLiteral("Ideas"));
    browser.action(browser::NewFolder)->trigger();
    Answer(QStringLiteral("Ideas for May"));
    select(browser, QStringLiteral("Ideas"));
    browser.action(browser::Rename)->trigger();
    ASSERT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Ideas for May")));
    {
        BoxRecorder boxes;
        Answer(QStringLiteral("Letters"));
        select(browser, QStringLiteral("Ideas for May"));
        browser.action(browser::Rename)->trigger();
        ASSERT_EQ(boxes.boxes.size(), 1U);
        EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("A folder named 'Letters' already exists."));
    }
    EXPECT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Ideas for May")));

    // Meeting notes from Projects onto the Home Folder entry.
    doubleClick(browser, QStringLiteral("Projects"));
    ASSERT_EQ(Texts(MainPane(browser)), (QStringList{"Project plan", "Meeting notes"}));
    SidePaneListWidget& side = SidePane(browser);
    Drop(side, browser::DecideSidePaneDrop(Qt::MoveAction, &MainPane(browser), &side,
                                           *Dragged(browser, QStringLiteral("Meeting notes")), side.item(0)));
    EXPECT_EQ(Texts(MainPane(browser)), QStringList{"Project plan"});

    // Project plan copied and pasted into Letters, then the copy deleted.
    select(browser, QStringLiteral("Project plan"));
    browser.action(browser::Copy)->trigger();
    click(browser, QStringLiteral("Home Folder"));
    EXPECT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Meeting notes")));
    doubleClick(browser, QStringLiteral("Letters"));
    const int before = MainPane(browser).count();
    browser.action(browser::Paste)->trigger();
    ASSERT_EQ(MainPane(browser).count(), before + 1);
    const QString copy = MainPane(browser).item(before)->text();
    EXPECT_TRUE(copy.startsWith(QStringLiteral("Project plan - Copy ("))) << copy.toStdString();
    ConfirmDeletion();
    select(browser, copy);
    browser.action(browser::Delete)->trigger();
    EXPECT_EQ(MainPane(browser).count(), before);

    // Projects still holds Project plan.
    click(browser, QStringLiteral("Home Folder"));
    QString full;
    ConfirmDeletion(&full);
    select(browser, QStringLiteral("Projects"));
    browser.action(browser::Delete)->trigger();
    EXPECT_EQ(full, QStringLiteral("You cannot delete a non-empty folder."));
    EXPECT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Projects")));
}

}  // namespace
