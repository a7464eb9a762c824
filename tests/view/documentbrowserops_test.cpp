// The document browser's operations on folders and documents, on a bus of
// its own that records every request and answers it with a canned reply
// handed to every browser: the prompts and their requests, the deletions,
// copy and paste, the context menus, dragging and the two panes' drops.

#include "library/common/clock.h"
#include "library/common/codes.h"
#include "library/gui/itemcreationdialogs.h"
#include "product/client/view/browserdrops.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/view/documentbrowsertestsupport.h"

#include "deletedocumentreply3.pb.h"
#include "deletedocumentrequest3.pb.h"
#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectfolderreply3.pb.h"
#include "updatedocumentreply3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatefolderreply3.pb.h"
#include "updatefolderrequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <google/protobuf/descriptor.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace browsertest;
using testsupport::BoxRecorder;
using testsupport::WhenModal;

struct Sent
{
    common::Opcode major;
    common::Opcode minor;
    std::string payload;
};

// Records the changes the browsers send and answers each with `answer`,
// handing the reply to every browser; listings get empty answers.
class RecordingBus
{
public:
    void hang(DocumentBrowserView& browser)
    {
        m_browsers.push_back(&browser);
        QObject::connect(&browser, &DocumentBrowserView::deliverRequest,
                         [this](common::Opcode major, common::Opcode minor, const std::string& request) {
                             std::string reply;
                             if (major == common::SelectFolder || major == common::SelectDocument) {
                                 reply = listing ? listing(major) : std::string();
                             } else {
                                 sent.push_back({major, minor, request});
                                 reply = answer(major, request);
                             }
                             for (DocumentBrowserView* each : m_browsers) {
                                 each->receiveReply(major, minor, request, common::NoEr, common::NoEr, reply);
                             }
                         });
    }

    std::function<std::string(common::Opcode major)> listing;
    std::function<std::string(common::Opcode major, const std::string& request)> answer =
        [](common::Opcode, const std::string&) { return std::string(); };
    std::vector<Sent> sent;

private:
    std::vector<DocumentBrowserView*> m_browsers;
};

// The names of the fields set in a message, in field order.
std::vector<std::string> FieldsPresent(const google::protobuf::Message& message)
{
    std::vector<const google::protobuf::FieldDescriptor*> fields;
    message.GetReflection()->ListFields(message, &fields);
    std::vector<std::string> names;
    for (const auto* field : fields) {
        names.push_back(field->name());
    }
    return names;
}

template <typename Reply>
std::string Answered(int returnCode, int sqlc = 0)
{
    Reply reply;
    reply.set_return_code(returnCode);
    reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    return reply.SerializeAsString();
}

zarv::data::Document FullDocument(int id, const std::string& name)
{
    zarv::data::Document document = Document(id, HomeFolderId, name, "The body", "About it");
    document.set_document_user_id(UserId);
    document.set_document_properties(3);
    document.set_document_body_format(1);
    document.set_document_creation_date("2024-01-01 00:00:00");
    document.set_document_modification_date("2024-01-02 00:00:00");
    zarv::data::SecurityDescriptor& descriptor = *document.mutable_document_security_descriptor();
    descriptor.set_active(1048575);
    descriptor.set_active_region("Europe/London");
    descriptor.set_active_from("08:00:00");
    descriptor.set_active_to("18:00:00");
    descriptor.set_password("1234");
    descriptor.set_permissions(2305);
    descriptor.set_session_duration(60);
    descriptor.set_expiration_date("2030-01-01 00:00:00");
    descriptor.set_audits(0);
    descriptor.set_expiration_action(0);
    return document;
}

// The dialog's name (0) and description (1) fields.
QLineEdit* LineEdit(const QDialog& dialog, int index)
{
    return dialog.findChildren<QLineEdit*>().at(index);
}

void PutOnClipboard(const zarv::data::Document& document)
{
    auto* data = new QMimeData;
    data->setData(browser::DocumentMimeType, QByteArray::fromStdString(document.SerializeAsString()));
    QApplication::clipboard()->setMimeData(data);
}

class DocumentBrowserOpsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PrepareBrowserServices();
        QApplication::clipboard()->clear();
        bus.listing = [](common::Opcode major) {
            if (major == common::SelectFolder) {
                zarv::data::SelectFolderReply reply;
                *reply.add_folder() = Folder(1110, HomeFolderId, "Projects", "Plans");
                return reply.SerializeAsString();
            }
            zarv::data::SelectDocumentReply reply;
            *reply.add_document() = FullDocument(1500, "Readme");
            return reply.SerializeAsString();
        };
    }

    std::unique_ptr<DocumentBrowserView> makeBrowser(bool openHome = true)
    {
        auto browser = std::make_unique<DocumentBrowserView>(nullptr);
        browser->setAttribute(Qt::WA_DeleteOnClose, false);
        bus.hang(*browser);
        if (openHome) {
            SidePaneListWidget& side = SidePane(*browser);
            side.setCurrentRow(0);
            side.open(side.item(0));
        }
        return browser;
    }

    RecordingBus bus;
};

// One procedure for the four prompts: what the user types, and what goes out.
TEST_F(DocumentBrowserOpsTest, RenameAndRedescribeTrimTheTextAndSendTheFieldsOfTheirTable)
{
    const zarv::data::Folder folder = Folder(1110, HomeFolderId, "Projects", "Plans");
    const zarv::data::Document document = FullDocument(1500, "Readme");
    struct Case
    {
        const char* name;
        std::function<void(DocumentBrowserView&)> run;
        QString title;
        QString initial;
        QString warningTitle;
        QString warningText;
        common::Opcode major;
        common::Opcode minor;
    };
    const std::vector<Case> cases = {
        {"rename a folder", [&](DocumentBrowserView& b) { b.renameFolder(folder); }, "Rename Folder", "Projects",
         "Rename Folder", "Please enter a folder name.", common::UpdateFolder, common::RenameFolder},
        {"redescribe a folder", [&](DocumentBrowserView& b) { b.redescribeFolder(folder); }, "Redescribe Folder",
         "Plans", "Redescribe Folder", "Folder description is empty!", common::UpdateFolder, common::RedescribeFolder},
        {"rename a document", [&](DocumentBrowserView& b) { b.renameDocument(document); }, "Rename Document", "Readme",
         "Rename Document", "Please enter a document name.", common::UpdateDocument, common::RenameDocument},
        {"redescribe a document", [&](DocumentBrowserView& b) { b.redescribeDocument(document); },
         "Redescribe Document", "About it", "Redescribe Document", "Document description is empty!",
         common::UpdateDocument, common::RedescribeDocument},
    };
    const auto browser = makeBrowser(false);
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        bus.sent.clear();
        QString shownTitle;
        QString shownInitial;
        WhenModal<QInputDialog>([&](QInputDialog* dialog) {
            shownTitle = dialog->windowTitle();
            shownInitial = dialog->textValue();
            dialog->setTextValue(QStringLiteral("  New text \t"));
            dialog->accept();
        });
        each.run(*browser);
        EXPECT_EQ(shownTitle, each.title);
        EXPECT_EQ(shownInitial, each.initial);
        ASSERT_EQ(bus.sent.size(), 1U);
        EXPECT_EQ(bus.sent[0].major, each.major);
        EXPECT_EQ(bus.sent[0].minor, each.minor);
        if (each.major == common::UpdateFolder) {
            zarv::data::UpdateFolderRequest request;
            ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
            const std::string field = each.minor == common::RenameFolder ? "folder_name" : "folder_description";
            EXPECT_EQ(FieldsPresent(request.folder()), (std::vector<std::string>{"folder_id", field}));
            EXPECT_EQ(request.folder().folder_id(), 1110);
            EXPECT_EQ(each.minor == common::RenameFolder ? request.folder().folder_name()
                                                         : request.folder().folder_description(),
                      "New text");
        } else {
            zarv::data::UpdateDocumentRequest request;
            ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
            zarv::data::Document expected = document;
            if (each.minor == common::RenameDocument) {
                EXPECT_EQ(FieldsPresent(request.document()),
                          (std::vector<std::string>{"document_id", "document_name"}));
                EXPECT_EQ(request.document().document_name(), "New text");
            } else {
                expected.set_document_description("New text");
                EXPECT_EQ(request.document().SerializeAsString(), expected.SerializeAsString());
            }
        }

        // Blanks only: the table's warning, and nothing sent.
        bus.sent.clear();
        BoxRecorder recorder;
        WhenModal<QInputDialog>([](QInputDialog* dialog) {
            dialog->setTextValue(QStringLiteral("   "));
            dialog->accept();
        });
        each.run(*browser);
        EXPECT_TRUE(bus.sent.empty());
        ASSERT_EQ(recorder.boxes.size(), 1U);
        EXPECT_EQ(recorder.boxes[0].title, each.warningTitle);
        EXPECT_EQ(recorder.boxes[0].text, each.warningText);

        // Cancelled: nothing at all.
        WhenModal<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
        each.run(*browser);
        EXPECT_TRUE(bus.sent.empty());
        EXPECT_EQ(recorder.boxes.size(), 1U);
    }
}

TEST_F(DocumentBrowserOpsTest, NewFolderAndNewDocumentNeedAnOpenFolder)
{
    const auto browser = makeBrowser();
    SidePane(*browser).addFolderKeyShortcutItem(FolderKey(1210, "Shared"));
    ASSERT_EQ(SidePane(*browser).currentItem()->type(), browser::FolderKeyItem);
    testsupport::DialogGuard guard;
    bus.sent.clear();
    browser->newFolder();
    browser->newDocument();
    EXPECT_TRUE(bus.sent.empty());
}

TEST_F(DocumentBrowserOpsTest, NewFolderSendsAnActiveFolderOfTheUserInTheOpenFolder)
{
    const auto browser = makeBrowser();
    bus.sent.clear();
    WhenModal<CreateFolderDialog>([](CreateFolderDialog* dialog) {
        LineEdit(*dialog, 0)->setText(QStringLiteral("  Archive "));
        LineEdit(*dialog, 1)->setText(QStringLiteral("Old things"));
        dialog->accept();
    });
    browser->newFolder();
    ASSERT_EQ(bus.sent.size(), 1U);
    EXPECT_EQ(bus.sent[0].major, common::InsertFolder);
    EXPECT_EQ(bus.sent[0].minor, common::Untagged);
    zarv::data::InsertFolderRequest request;
    ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
    const zarv::data::Folder& folder = request.folder();
    EXPECT_FALSE(folder.has_folder_id());
    EXPECT_EQ(folder.folder_user_id(), UserId);
    EXPECT_EQ(folder.folder_parent_id(), HomeFolderId);
    EXPECT_EQ(folder.folder_name(), "Archive");
    EXPECT_EQ(folder.folder_description(), "Old things");
    EXPECT_EQ(folder.folder_properties(), 0);
    EXPECT_FALSE(folder.folder_creation_date().empty());
    const zarv::data::SecurityDescriptor& descriptor = folder.folder_security_descriptor();
    EXPECT_EQ(descriptor.active(), 1);
    EXPECT_EQ(descriptor.active_from(), "00:00:00");
    EXPECT_EQ(descriptor.active_to(), "00:00:00");
    EXPECT_EQ(descriptor.permissions(), 0);
    EXPECT_EQ(descriptor.expiration_date(), "9999-12-31 00:00:00");

    // An empty name is warned about and sends nothing.
    bus.sent.clear();
    BoxRecorder recorder;
    WhenModal<CreateFolderDialog>([](CreateFolderDialog* dialog) { dialog->accept(); });
    browser->newFolder();
    EXPECT_TRUE(bus.sent.empty());
    ASSERT_EQ(recorder.boxes.size(), 1U);
    EXPECT_EQ(recorder.boxes[0].title, QStringLiteral("Folder..."));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Please enter a folder name."));
}

TEST_F(DocumentBrowserOpsTest, NewDocumentSendsTheDefaultsOfANewDocumentOfTheUser)
{
    const auto browser = makeBrowser();
    bus.sent.clear();
    WhenModal<CreateDocumentDialog>([](CreateDocumentDialog* dialog) {
        LineEdit(*dialog, 0)->setText(QStringLiteral("Minutes"));
        dialog->accept();
    });
    browser->newDocument();
    ASSERT_EQ(bus.sent.size(), 1U);
    EXPECT_EQ(bus.sent[0].major, common::InsertDocument);
    zarv::data::InsertDocumentRequest request;
    ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
    const zarv::data::Document& document = request.document();
    EXPECT_EQ(document.document_user_id(), UserId);
    EXPECT_EQ(document.document_folder_id(), HomeFolderId);
    EXPECT_EQ(document.document_name(), "Minutes");
    EXPECT_EQ(document.document_body(), "");
    EXPECT_FALSE(document.document_creation_date().empty());
    EXPECT_TRUE(document.has_document_security_descriptor());

    bus.sent.clear();
    BoxRecorder recorder;
    WhenModal<CreateDocumentDialog>([](CreateDocumentDialog* dialog) { dialog->accept(); });
    browser->newDocument();
    EXPECT_TRUE(bus.sent.empty());
    ASSERT_EQ(recorder.boxes.size(), 1U);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Please enter a document name."));
}

TEST_F(DocumentBrowserOpsTest, EnterCancelsADeletionAndOkDeletesInEveryBrowser)
{
    bus.answer = [](common::Opcode major, const std::string&) {
        return major == common::DeleteFolder ? Answered<zarv::data::DeleteFolderReply>(1)
                                             : Answered<zarv::data::DeleteDocumentReply>(1);
    };
    const auto first = makeBrowser();
    const auto second = makeBrowser();
    bus.sent.clear();
    QString informative;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
        informative = box->informativeText();
        QTest::keyClick(box, Qt::Key_Return);
    });
    MainPane(*first).setCurrentRow(0);
    MainPane(*first).deleteItem();
    EXPECT_EQ(informative, QStringLiteral("Projects"));
    EXPECT_TRUE(bus.sent.empty());

    WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    MainPane(*first).setCurrentRow(1);
    MainPane(*first).deleteItem();
    ASSERT_EQ(bus.sent.size(), 1U);
    EXPECT_EQ(bus.sent[0].major, common::DeleteDocument);
    zarv::data::DeleteDocumentRequest request;
    ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
    EXPECT_EQ(FieldsPresent(request), (std::vector<std::string>{"document_id", "document_name"}));
    EXPECT_EQ(Texts(MainPane(*first)), QStringList{"Projects"});
    EXPECT_EQ(Texts(MainPane(*second)), QStringList{"Projects"});
}

TEST_F(DocumentBrowserOpsTest, CopyPutsOneFormatOnTheClipboardAndEnablesPasteEverywhere)
{
    const auto first = makeBrowser();
    const auto second = makeBrowser();
    MainPane(*first).setCurrentRow(1);
    MainPane(*first).copyItem();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->formats(), QStringList{browser::DocumentMimeType});
    zarv::data::Document copied;
    ASSERT_TRUE(copied.ParseFromString(data->data(browser::DocumentMimeType).toStdString()));
    EXPECT_EQ(copied.SerializeAsString(), FullDocument(1500, "Readme").SerializeAsString());
    MainPane(*second).clearSelection();
    EXPECT_TRUE(second->action(browser::Paste)->isEnabled());
    MainPane(*first).clearSelection();
    EXPECT_TRUE(first->action(browser::Paste)->isEnabled());
}

TEST_F(DocumentBrowserOpsTest, APastedCopyIsNamedAtTheTimeAndKeepsTheDescriptorWithNewDates)
{
    const common::FixedClock clock(boost::posix_time::time_from_string("2026-03-04 05:06:07.089"));
    const auto browser = makeBrowser();
    std::set<std::string> names;
    bus.answer = [&names](common::Opcode, const std::string& payload) {
        zarv::data::InsertDocumentRequest request;
        request.ParseFromString(payload);
        const bool clash = !names.insert(request.document().document_name()).second;
        return Answered<zarv::data::InsertDocumentReply>(clash ? 0 : 1, clash ? common::UniqueViolation : 0);
    };
    zarv::data::Document source = FullDocument(1500, std::string(41, 'a'));
    source.set_document_user_id(555);
    PutOnClipboard(source);
    bus.sent.clear();
    browser->pasteItem();
    ASSERT_EQ(bus.sent.size(), 1U);
    zarv::data::InsertDocumentRequest request;
    ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
    const zarv::data::Document& copy = request.document();
    const QString name = QString::fromStdString(copy.document_name());
    EXPECT_EQ(name.size(), 63);
    EXPECT_TRUE(name.startsWith(QString(41, 'a') + QStringLiteral(" - Copy (")));
    EXPECT_TRUE(name.endsWith(QStringLiteral(":07.089)")));
    EXPECT_FALSE(copy.has_document_id());
    EXPECT_EQ(copy.document_user_id(), UserId);
    EXPECT_EQ(copy.document_folder_id(), HomeFolderId);
    EXPECT_EQ(copy.document_body(), "The body");
    EXPECT_EQ(copy.document_description(), "About it");
    EXPECT_EQ(copy.document_security_descriptor().SerializeAsString(),
              source.document_security_descriptor().SerializeAsString());
    EXPECT_EQ(copy.document_creation_date(), "2026-03-04 05:06:07.089000");
    EXPECT_EQ(copy.document_modification_date(), copy.document_creation_date());

    // The same instant again: the server's clash is told by name.
    BoxRecorder recorder;
    browser->pasteItem();
    ASSERT_EQ(recorder.boxes.size(), 1U);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("A document named '%1' already exists.").arg(name));

    // One character more would pass 63: nothing is sent, and the status bar says why.
    bus.sent.clear();
    PutOnClipboard(FullDocument(1500, std::string(42, 'a')));
    browser->pasteItem();
    EXPECT_TRUE(bus.sent.empty());
    EXPECT_EQ(browser->statusBar()->currentMessage(),
              QStringLiteral("The copy's name would be longer than 63 characters."));
}

TEST_F(DocumentBrowserOpsTest, AnOversizeOrUnreadableClipboardIsNotPasted)
{
    const auto browser = makeBrowser();
    bus.sent.clear();
    zarv::data::Document big = FullDocument(1500, "Big");
    big.set_document_body(std::string(1048577, 'x'));
    PutOnClipboard(big);
    browser->pasteItem();
    EXPECT_TRUE(bus.sent.empty());
    EXPECT_EQ(browser->statusBar()->currentMessage(),
              QStringLiteral("The document on the clipboard is too large to paste."));

    big.set_document_body(std::string(1048576, 'x'));
    PutOnClipboard(big);
    browser->pasteItem();
    EXPECT_EQ(bus.sent.size(), 1U);

    bus.sent.clear();
    auto* garbage = new QMimeData;
    garbage->setData(browser::DocumentMimeType, QByteArray("\xff\xff\xff", 3));
    QApplication::clipboard()->setMimeData(garbage);
    browser->pasteItem();
    EXPECT_TRUE(bus.sent.empty());
    EXPECT_EQ(browser->statusBar()->currentMessage(),
              QStringLiteral("The clipboard holds no document that can be read."));
}

TEST_F(DocumentBrowserOpsTest, ARenamedRowKeepsItsWholeRecordForCopyAndMove)
{
    bus.answer = [](common::Opcode, const std::string&) { return Answered<zarv::data::UpdateDocumentReply>(1); };
    const auto browser = makeBrowser();
    WhenModal<QInputDialog>([](QInputDialog* dialog) {
        dialog->setTextValue(QStringLiteral("Readme first"));
        dialog->accept();
    });
    MainPane(*browser).setCurrentRow(1);
    MainPane(*browser).renameItem();
    ASSERT_EQ(Texts(MainPane(*browser)), (QStringList{"Projects", "Readme first"}));

    MainPane(*browser).setCurrentRow(1);
    MainPane(*browser).copyItem();
    zarv::data::Document copied;
    ASSERT_TRUE(
        copied.ParseFromString(QApplication::clipboard()->mimeData()->data(browser::DocumentMimeType).toStdString()));
    zarv::data::Document expected = FullDocument(1500, "Readme first");
    EXPECT_EQ(copied.SerializeAsString(), expected.SerializeAsString());

    bus.sent.clear();
    const std::unique_ptr<QMimeData> drag = browser::ItemMimeData(MainPane(*browser).item(1));
    const browser::DropDecision drop = browser::DecideMainPaneDrop(
        Qt::MoveAction, &MainPane(*browser), &MainPane(*browser), *drag, MainPane(*browser).item(0));
    ASSERT_EQ(drop.signal, browser::DropSignal::MoveDocument);
    browser->moveDocument(drop.document, drop.folderId);
    ASSERT_EQ(bus.sent.size(), 1U);
    EXPECT_EQ(bus.sent[0].minor, common::MoveDocument);
    zarv::data::UpdateDocumentRequest request;
    ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
    expected.set_document_folder_id(1110);
    EXPECT_EQ(request.document().SerializeAsString(), expected.SerializeAsString());
}

TEST(DocumentBrowserMenus, EachItemKindHasItsEntriesAndTags)
{
    using namespace browser;
    struct Case
    {
        int type;
        bool viewPermitted;
        std::vector<MenuTag> tags;
    };
    const std::vector<Case> cases = {
        {FolderItem,
         true,
         {OpenFolderTag, Separator, DeleteFolderTag, Separator, RenameFolderTag, RedescribeFolderTag, Separator,
          FolderKeyringTag}},
        {DocumentItem,
         true,
         {OpenDocumentTag, Separator, CopyDocumentTag, Separator, DeleteDocumentTag, Separator, RenameDocumentTag,
          RedescribeDocumentTag, Separator, DocumentKeyringTag}},
        {FolderKeyItem, true, {OpenFolderKeyTag}},
        {FolderKeyItem, false, {}},
        {DocumentKeyItem, true, {OpenDocumentKeyTag}},
        {DocumentKeyItem, false, {}},
        {GroupKeyItem, true, {OpenGroupKeyTag}},
        {UserItem, true, {OpenUserTag}},
        {HomeFolderItem, true, {}},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(ContextMenuTags(each.type, each.viewPermitted), each.tags) << each.type << " " << each.viewPermitted;
    }
    EXPECT_EQ(static_cast<int>(OpenFolderTag), -38);
    EXPECT_EQ(static_cast<int>(CopyDocumentTag), -3);
    EXPECT_EQ(static_cast<int>(DocumentKeyringTag), 36);
}

TEST_F(DocumentBrowserOpsTest, AMenuEntryIsDispatchedByItsTag)
{
    const auto browser = makeBrowser();
    MainPaneListWidget& pane = MainPane(*browser);
    QListWidgetItem* folder = pane.item(0);
    QListWidgetItem* document = pane.item(1);
    struct Case
    {
        browser::MenuTag tag;
        QListWidgetItem* item;
        const char* signal;
    };
    const std::vector<Case> cases = {
        {browser::OpenFolderTag, folder, SIGNAL(openFolder(zarv::data::Folder))},
        {browser::DeleteFolderTag, folder, SIGNAL(deleteFolder(zarv::data::Folder))},
        {browser::RenameFolderTag, folder, SIGNAL(renameFolder(zarv::data::Folder))},
        {browser::RedescribeFolderTag, folder, SIGNAL(redescribeFolder(zarv::data::Folder))},
        {browser::FolderKeyringTag, folder, SIGNAL(openFolderKeyring(zarv::data::Folder))},
        {browser::OpenDocumentTag, document, SIGNAL(openDocument(zarv::data::Document))},
        {browser::CopyDocumentTag, document, SIGNAL(copyDocument(zarv::data::Document))},
        {browser::DeleteDocumentTag, document, SIGNAL(deleteDocument(zarv::data::Document))},
        {browser::RenameDocumentTag, document, SIGNAL(renameDocument(zarv::data::Document))},
        {browser::RedescribeDocumentTag, document, SIGNAL(redescribeDocument(zarv::data::Document))},
        {browser::DocumentKeyringTag, document, SIGNAL(openDocumentKeyring(zarv::data::Document))},
    };
    for (const Case& each : cases) {
        // The window would answer the signals with dialogs and requests.
        QObject::disconnect(&pane, nullptr, browser.get(), nullptr);
        QSignalSpy spy(&pane, each.signal);
        pane.dispatchMenuTag(each.tag, each.item);
        EXPECT_EQ(spy.count(), 1) << each.signal;
    }
}

TEST_F(DocumentBrowserOpsTest, TheMenuOverEmptySpaceOffersTheWindowsEnabledActions)
{
    const auto browser = makeBrowser(false);
    MainPaneListWidget& pane = MainPane(*browser);
    EXPECT_EQ(pane.contextMenu(), nullptr);

    PutOnClipboard(FullDocument(1500, "Readme"));
    auto menu = pane.contextMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0], browser->action(browser::Paste));
    EXPECT_TRUE(menu->actions()[1]->isSeparator());

    SidePane(*browser).setCurrentRow(0);
    SidePane(*browser).open(SidePane(*browser).item(0));
    pane.clearSelection();
    menu = pane.contextMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 4);
    EXPECT_EQ(menu->actions()[2], browser->action(browser::NewFolder));
    EXPECT_EQ(menu->actions()[3], browser->action(browser::NewDocument));

    // A key without the view permission has no menu.
    KeyRules rules;
    rules.permissions = 0;
    pane.addFolderKeyItem(FolderKey(1210, "Shared", rules));
    pane.addDocumentKeyItem(DocumentKey(1600, "Hidden", rules));
    for (int row = pane.count() - 2; row < pane.count(); ++row) {
        pane.item(row)->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        pane.setCurrentRow(row);
        EXPECT_EQ(pane.contextMenu(), nullptr) << row;
    }
    pane.setCurrentRow(0);
    menu = pane.contextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions()[0]->data().toInt(), browser::OpenFolderTag);
}

TEST(DocumentBrowserDrags, StartOnePixelBeyondTheStartDistance)
{
    const QPoint start(10, 10);
    EXPECT_FALSE(browser::StartsDrag(start, QPoint(14, 10), 4));
    EXPECT_FALSE(browser::StartsDrag(start, QPoint(12, 8), 4));
    EXPECT_TRUE(browser::StartsDrag(start, QPoint(15, 10), 4));
    EXPECT_TRUE(browser::StartsDrag(start, QPoint(12, 7), 4));
}

// The pane's own press and move handling: a move with the left button held
// starts a drag of the pressed item only once it has gone one pixel further
// than the start distance, and only for a folder or a document.
TEST_F(DocumentBrowserOpsTest, ThePaneDragsThePressedItemOnePixelBeyondTheStartDistance)
{
    const auto browser = makeBrowser();
    MainPaneListWidget& pane = MainPane(*browser);
    pane.addGroupKeyItem(GroupKey(300, "Team"));
    pane.addUserItem(User(102, "Eli", "Ed"));
    browser->show();
    QWidget* viewport = pane.viewport();
    const int distance = QApplication::startDragDistance();
    // What a press on the row and a move by `dx` and `dy` with the left
    // button held start: the formats of the drag, or nothing.
    const auto dragged = [&](int row, int dx, int dy, Qt::MouseButtons held) -> std::optional<QStringList> {
        const QPoint start = pane.visualItemRect(pane.item(row)).center();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
        const QPoint to = start + QPoint(dx, dy);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(viewport->mapToGlobal(to)), Qt::NoButton, held,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
        std::optional<QStringList> formats;
        for (QDrag* drag : pane.findChildren<QDrag*>()) {
            formats = drag->mimeData()->formats();
            delete drag;
        }
        return formats;
    };
    struct Case
    {
        const char* name;
        int row;
        int dx;
        int dy;
        Qt::MouseButtons held;
        std::optional<QStringList> formats;
    };
    const std::vector<Case> cases = {
        {"a folder, exactly the distance", 0, distance, 0, Qt::LeftButton, std::nullopt},
        {"a folder, one pixel more", 0, distance + 1, 0, Qt::LeftButton, QStringList{browser::FolderMimeType}},
        {"a document, one pixel more across both axes", 1, -1, -distance, Qt::LeftButton,
         QStringList{browser::DocumentMimeType}},
        {"a document, the right button held", 1, distance + 1, 0, Qt::RightButton, std::nullopt},
        {"a group key", 2, distance + 1, 0, Qt::LeftButton, std::nullopt},
        {"a user", 3, distance + 1, 0, Qt::LeftButton, std::nullopt},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(dragged(each.row, each.dx, each.dy, each.held), each.formats) << each.name;
    }
    browser->hide();
}

TEST_F(DocumentBrowserOpsTest, OnlyFoldersAndDocumentsDragAndEachCarriesItsRecord)
{
    const auto browser = makeBrowser();
    MainPaneListWidget& pane = MainPane(*browser);
    pane.addGroupKeyItem(GroupKey(300, "Team"));
    pane.addUserItem(User(102, "Eli", "Ed"));
    pane.addFolderKeyItem(FolderKey(1210, "Shared"));
    pane.addDocumentKeyItem(DocumentKey(1600, "Report"));
    for (int row = 2; row < pane.count(); ++row) {
        EXPECT_EQ(browser::ItemMimeData(pane.item(row)), nullptr) << row;
    }
    const auto folder = browser::ItemMimeData(pane.item(0));
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->formats(), QStringList{browser::FolderMimeType});
    EXPECT_EQ(folder->data(browser::FolderMimeType).toStdString(),
              Folder(1110, HomeFolderId, "Projects", "Plans").SerializeAsString());
    const auto document = browser::ItemMimeData(pane.item(1));
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->formats(), QStringList{browser::DocumentMimeType});
    EXPECT_EQ(document->data(browser::DocumentMimeType).toStdString(),
              FullDocument(1500, "Readme").SerializeAsString());
}

// The drops of both panes as one table: data, source, target, action.
TEST(DocumentBrowserDrops, EachPaneDecidesByDataSourceTargetAndAction)
{
    using browser::DropSignal;
    QListWidget pane;
    QListWidget otherList;
    QObject notAList;
    const zarv::data::Folder projects = Folder(1110, HomeFolderId, "Projects");
    const zarv::data::Document readme = Document(1500, HomeFolderId, "Readme");
    QMimeData document;
    document.setData(browser::DocumentMimeType, QByteArray::fromStdString(readme.SerializeAsString()));
    QMimeData folder;
    folder.setData(browser::FolderMimeType, QByteArray::fromStdString(projects.SerializeAsString()));
    QMimeData both;
    both.setData(browser::FolderMimeType, QByteArray::fromStdString(projects.SerializeAsString()));
    both.setData(browser::DocumentMimeType, QByteArray::fromStdString(readme.SerializeAsString()));
    QMimeData broken;
    broken.setData(browser::DocumentMimeType, QByteArray("\xff\xff", 2));
    QMimeData text;
    text.setText("Readme");

    auto item = [](browser::ItemType type, int folderId) {
        auto* each = new QListWidgetItem(nullptr, type);
        if (type == browser::FolderItem || type == browser::HomeFolderItem) {
            each->setData(browser::FolderRole, QVariant::fromValue(Folder(folderId, HomeFolderId, "F")));
        }
        return std::unique_ptr<QListWidgetItem>(each);
    };
    const auto letters = item(browser::FolderItem, 1111);
    const auto itself = item(browser::FolderItem, 1110);
    const auto home = item(browser::HomeFolderItem, HomeFolderId);
    const auto aDocument = item(browser::DocumentItem, 0);
    const auto aUser = item(browser::UserItem, 0);
    const auto aKey = item(browser::FolderKeyItem, 0);

    enum Pane
    {
        Main,
        Side
    };
    struct Case
    {
        const char* name;
        Pane target;
        const QMimeData* data;
        const QObject* source;
        const QListWidgetItem* onto;
        Qt::DropAction action;
        bool accepted;
        DropSignal signal;
        int folderId;
    };
    const std::vector<Case> cases = {
        {"main: a document onto a folder", Main, &document, &pane, letters.get(), Qt::MoveAction, true,
         DropSignal::MoveDocument, 1111},
        {"main: a folder onto another folder", Main, &folder, &otherList, letters.get(), Qt::MoveAction, true,
         DropSignal::MoveFolder, 1111},
        {"main: a folder onto its own item", Main, &folder, &pane, itself.get(), Qt::MoveAction, false,
         DropSignal::None, 0},
        {"main: both types are a document", Main, &both, &pane, itself.get(), Qt::MoveAction, true,
         DropSignal::MoveDocument, 1110},
        {"main: a copy", Main, &document, &pane, letters.get(), Qt::CopyAction, false, DropSignal::None, 0},
        {"main: onto a document", Main, &document, &pane, aDocument.get(), Qt::MoveAction, false, DropSignal::None, 0},
        {"main: onto a user", Main, &document, &otherList, aUser.get(), Qt::MoveAction, false, DropSignal::None, 0},
        {"main: onto a key", Main, &folder, &otherList, aKey.get(), Qt::MoveAction, false, DropSignal::None, 0},
        {"main: empty space of the source pane", Main, &folder, &pane, nullptr, Qt::MoveAction, false, DropSignal::None,
         0},
        {"main: empty space, from another list", Main, &folder, &otherList, nullptr, Qt::MoveAction, true,
         DropSignal::MoveFolderToOpenFolder, 0},
        {"main: a document onto empty space, from another list", Main, &document, &otherList, nullptr, Qt::MoveAction,
         true, DropSignal::MoveDocumentToOpenFolder, 0},
        {"main: no source", Main, &document, nullptr, letters.get(), Qt::MoveAction, false, DropSignal::None, 0},
        {"main: a source that is no list", Main, &document, &notAList, letters.get(), Qt::MoveAction, false,
         DropSignal::None, 0},
        {"main: unreadable data", Main, &broken, &pane, letters.get(), Qt::MoveAction, false, DropSignal::None, 0},
        {"main: text", Main, &text, &otherList, letters.get(), Qt::MoveAction, false, DropSignal::None, 0},
        {"side: a folder onto Home Folder", Side, &folder, &otherList, home.get(), Qt::MoveAction, true,
         DropSignal::MoveFolder, HomeFolderId},
        {"side: a document onto a folder shortcut", Side, &document, &otherList, letters.get(), Qt::MoveAction, true,
         DropSignal::MoveDocument, 1111},
        {"side: a folder onto its own shortcut", Side, &folder, &otherList, itself.get(), Qt::MoveAction, false,
         DropSignal::None, 0},
        {"side: both types are a document", Side, &both, &otherList, home.get(), Qt::MoveAction, true,
         DropSignal::MoveDocument, HomeFolderId},
        {"side: a copy", Side, &document, &otherList, home.get(), Qt::CopyAction, false, DropSignal::None, 0},
        {"side: from the pane itself", Side, &document, &pane, home.get(), Qt::MoveAction, false, DropSignal::None, 0},
        {"side: onto a user", Side, &document, &otherList, aUser.get(), Qt::MoveAction, false, DropSignal::None, 0},
        {"side: onto empty space", Side, &document, &otherList, nullptr, Qt::MoveAction, false, DropSignal::None, 0},
        {"side: unreadable data", Side, &broken, &otherList, home.get(), Qt::MoveAction, false, DropSignal::None, 0},
    };
    for (const Case& each : cases) {
        const browser::DropDecision decision =
            each.target == Main ? browser::DecideMainPaneDrop(each.action, each.source, &pane, *each.data, each.onto)
                                : browser::DecideSidePaneDrop(each.action, each.source, &pane, *each.data, each.onto);
        EXPECT_EQ(decision.accepted, each.accepted) << each.name;
        EXPECT_EQ(decision.signal, each.signal) << each.name;
        if (each.accepted && (each.signal == DropSignal::MoveDocument || each.signal == DropSignal::MoveFolder)) {
            EXPECT_EQ(decision.folderId, each.folderId) << each.name;
        }
    }
    // Enter and move in the main pane: a move of a record, over nothing or a folder.
    EXPECT_TRUE(browser::MainPaneTakesDrag(Qt::MoveAction, document, false, browser::UserItem));
    EXPECT_TRUE(browser::MainPaneTakesDrag(Qt::MoveAction, folder, true, std::nullopt));
    EXPECT_TRUE(browser::MainPaneTakesDrag(Qt::MoveAction, folder, true, browser::FolderItem));
    EXPECT_FALSE(browser::MainPaneTakesDrag(Qt::MoveAction, folder, true, browser::DocumentItem));
    EXPECT_FALSE(browser::MainPaneTakesDrag(Qt::CopyAction, folder, false, std::nullopt));
    EXPECT_FALSE(browser::MainPaneTakesDrag(Qt::MoveAction, text, false, std::nullopt));
}

TEST_F(DocumentBrowserOpsTest, AFolderDroppedOnHomeFolderMovesItsWholeRecordThere)
{
    bus.answer = [](common::Opcode, const std::string&) {
        return Answered<zarv::data::UpdateFolderReply>(0, common::PackSqlState("23514"));
    };
    const auto browser = makeBrowser();
    zarv::data::Folder deep = Folder(1120, 1110, "Deep", "Below");
    deep.set_folder_user_id(UserId);
    QListWidget otherPane;
    QMimeData data;
    data.setData(browser::FolderMimeType, QByteArray::fromStdString(deep.SerializeAsString()));
    const browser::DropDecision drop =
        browser::DecideSidePaneDrop(Qt::MoveAction, &otherPane, &SidePane(*browser), data, SidePane(*browser).item(0));
    ASSERT_TRUE(drop.accepted);
    bus.sent.clear();
    emit SidePane(*browser).moveFolder(drop.folder, drop.folderId);
    ASSERT_EQ(bus.sent.size(), 1U);
    EXPECT_EQ(bus.sent[0].major, common::UpdateFolder);
    EXPECT_EQ(bus.sent[0].minor, common::MoveFolder);
    zarv::data::UpdateFolderRequest request;
    ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
    deep.set_folder_parent_id(HomeFolderId);
    EXPECT_EQ(request.folder().SerializeAsString(), deep.SerializeAsString());
    // Refused by the server: the panes stay and the sender says so.
    EXPECT_EQ(Texts(MainPane(*browser)), (QStringList{"Projects", "Readme"}));
    EXPECT_EQ(browser->statusBar()->currentMessage(), QStringLiteral("The server refused the request (code 0)."));
}

}  // namespace
