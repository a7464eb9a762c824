// The document browser on a bus of its own that answers every request with a
// canned reply and hands it to every browser, as the client's bus does: the
// action table, the items of both panes, the listings that fill only the
// browser that asked, and the changes that every browser applies while only
// the one that asked tells a refusal.

#include "library/common/codes.h"
#include "library/network/messagedispatcher.h"
#include "tests/gui/qstringprinter.h"
#include "tests/view/documentbrowsertestsupport.h"

#include "deletedocumentreply3.pb.h"
#include "deletedocumentrequest3.pb.h"
#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderreply3.pb.h"
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
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace browsertest;
using testsupport::BoxRecorder;

struct Canned
{
    common::Ercode majorErcode = common::NoEr;
    common::Ercode minorErcode = common::NoEr;
    std::string payload;
};

// Answers each request of the browsers hung on it with `answer`, and hands
// the reply to every browser in the order they were hung.
class CannedBus
{
public:
    void hang(DocumentBrowserView& browser)
    {
        m_browsers.push_back(&browser);
        QObject::connect(&browser, &DocumentBrowserView::deliverRequest,
                         [this](common::Opcode major, common::Opcode minor, const std::string& request) {
                             requests.push_back(std::to_string(major) + " " + std::to_string(minor));
                             const Canned reply = answer(major, minor, request);
                             for (DocumentBrowserView* each : m_browsers) {
                                 each->receiveReply(major, minor, request, reply.majorErcode, reply.minorErcode,
                                                    reply.payload);
                             }
                         });
    }

    std::function<Canned(common::Opcode major, common::Opcode minor, const std::string& request)> answer =
        [](common::Opcode, common::Opcode, const std::string&) { return Canned(); };
    std::vector<std::string> requests;

private:
    std::vector<DocumentBrowserView*> m_browsers;
};

// The home folder's contents: the subfolder Projects and the document Readme.
Canned HomeFolderContents(common::Opcode major, common::Opcode, const std::string&)
{
    if (major == common::SelectFolder) {
        zarv::data::SelectFolderReply reply;
        *reply.add_folder() = Folder(1110, HomeFolderId, "Projects", "Plans");
        return {common::NoEr, common::NoEr, reply.SerializeAsString()};
    }
    if (major == common::SelectDocument) {
        zarv::data::SelectDocumentReply reply;
        *reply.add_document() = Document(1500, HomeFolderId, "Readme");
        return {common::NoEr, common::NoEr, reply.SerializeAsString()};
    }
    return {};
}

class DocumentBrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PrepareBrowserServices();
        QApplication::clipboard()->clear();
    }

    std::unique_ptr<DocumentBrowserView> makeBrowser(CannedBus& bus)
    {
        auto browser = std::make_unique<DocumentBrowserView>(nullptr);
        browser->setAttribute(Qt::WA_DeleteOnClose, false);
        bus.hang(*browser);
        return browser;
    }

    static void click(DocumentBrowserView& browser, int row)
    {
        SidePaneListWidget& side = SidePane(browser);
        side.setCurrentRow(row);
        side.open(side.item(row));
    }
};

TEST_F(DocumentBrowserTest, ANewWindowShowsFileEditAndHelpWithOnlyCloseAndAboutEnabled)
{
    MessageDispatcher::setServerName("docs.example");
    CannedBus bus;
    const auto browser = makeBrowser(bus);
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Document Browser [docs.example]"));
    QStringList menus;
    for (const QAction* entry : browser->menuBar()->actions()) {
        if (entry->isVisible()) {
            menus << entry->text();
        }
    }
    EXPECT_EQ(menus, QStringList({"File", "Edit", "Help"}));
    EXPECT_EQ(ActionStates(*browser), "0000000000");
    QStringList enabled;
    for (const QAction* action : browser->findChildren<QAction*>()) {
        if (action->isEnabled() && !action->text().isEmpty() && !action->menu()) {
            enabled << action->text();
        }
    }
    EXPECT_TRUE(enabled.contains("Close"));
    EXPECT_TRUE(enabled.contains("About Quenlark..."));
    EXPECT_EQ(MainPane(*browser).count(), 0);
    EXPECT_EQ(Texts(SidePane(*browser)), QStringList({"Home Folder", "Home Groups"}));
    EXPECT_TRUE(bus.requests.empty());
}

// Columns: New Folder, New Document, Open, Copy, Paste, Delete, Rename,
// Redescribe, Open Keyring, Search.
TEST_F(DocumentBrowserTest, TheActionsFollowTheActionTable)
{
    struct Case
    {
        const char* name;
        std::function<void(DocumentBrowserView& browser)> act;
        const char* states;
    };
    const auto home = [](DocumentBrowserView& browser) { click(browser, 0); };
    const auto select = [](DocumentBrowserView& browser, int row) { MainPane(browser).setCurrentRow(row); };
    const auto keyWith = [](int permissions) {
        KeyRules rules;
        rules.permissions = permissions;
        return FolderKey(1210, "Shared", rules);
    };
    const std::vector<Case> cases = {
        // Selected first, then opened: the open row lies over the selected one.
        {"Home Folder clicked", home, "1100000001"},
        {"a folder selected", [&](DocumentBrowserView& b) { home(b), select(b, 0); }, "1110011110"},
        {"a document selected", [&](DocumentBrowserView& b) { home(b), select(b, 1); }, "1111011110"},
        {"selection cleared in an open folder",
         [&](DocumentBrowserView& b) { home(b), select(b, 0), MainPane(b).clearSelection(); }, "1100000001"},
        {"Home Groups clicked", [](DocumentBrowserView& b) { click(b, 1); }, "0000000000"},
        {"a folder key granting search selected",
         [&](DocumentBrowserView& b) { MainPane(b).addFolderKeyItem(keyWith(65)), select(b, 0); }, "0010000001"},
        {"a folder key without search selected",
         [&](DocumentBrowserView& b) { MainPane(b).addFolderKeyItem(keyWith(1)), select(b, 0); }, "0010000000"},
        {"a user selected",
         [&](DocumentBrowserView& b) { home(b), MainPane(b).addUserItem(User(102, "Eaton", "Eli")), select(b, 2); },
         "0010000000"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        CannedBus bus;
        bus.answer = HomeFolderContents;
        const auto browser = makeBrowser(bus);
        each.act(*browser);
        EXPECT_EQ(ActionStates(*browser), each.states);
    }
}

TEST_F(DocumentBrowserTest, PasteFollowsTheClipboardButNotTheSelectionBuffer)
{
    CannedBus bus;
    const auto browser = makeBrowser(bus);
    auto* data = new QMimeData;
    data->setData(browser::DocumentMimeType, Document(1500, HomeFolderId, "Readme").SerializeAsString().c_str());
    QApplication::clipboard()->setMimeData(data);
    // Enabled even with no folder open.
    EXPECT_EQ(ActionStates(*browser), "0000100000");
    {
        const QSignalBlocker quiet(QApplication::clipboard());
        QApplication::clipboard()->clear();
    }
    browser->clipboardChanged(QClipboard::Selection);
    browser->clipboardChanged(QClipboard::FindBuffer);
    EXPECT_EQ(ActionStates(*browser), "0000100000");
    browser->clipboardChanged(QClipboard::Clipboard);
    EXPECT_EQ(ActionStates(*browser), "0000000000");
}

TEST_F(DocumentBrowserTest, TheOpenFolderIsTheSelectedHomeFolderOrFolderShortcut)
{
    CannedBus bus;
    bus.answer = HomeFolderContents;
    const auto browser = makeBrowser(bus);
    int folderId = -1;
    EXPECT_FALSE(browser->currentFolderId(folderId));
    click(*browser, 0);
    ASSERT_TRUE(browser->currentFolderId(folderId));
    EXPECT_EQ(folderId, HomeFolderId);
    MainPane(*browser).openItem(MainPane(*browser).item(0));
    ASSERT_TRUE(browser->currentFolderId(folderId));
    EXPECT_EQ(folderId, 1110);
    SidePane(*browser).addFolderKeyShortcutItem(FolderKey(1210, "Shared"));
    folderId = -1;
    EXPECT_FALSE(browser->currentFolderId(folderId));
    EXPECT_EQ(folderId, -1);
}

TEST_F(DocumentBrowserTest, ActivatingAFolderAddsItsShortcutThenListsItSubfoldersFirst)
{
    CannedBus bus;
    bus.answer = HomeFolderContents;
    const auto browser = makeBrowser(bus);
    click(*browser, 0);
    EXPECT_EQ(Texts(MainPane(*browser)), QStringList({"Projects", "Readme"}));
    EXPECT_EQ(bus.requests, (std::vector<std::string>{"40 -38", "37 -38"}));
    MainPane(*browser).openItem(MainPane(*browser).item(0));
    EXPECT_EQ(Texts(SidePane(*browser)), QStringList({"Home Folder", "Home Groups", "Projects"}));
    EXPECT_EQ(SidePane(*browser).currentRow(), 2);
    // A document opens without a shortcut and without emptying the pane.
    bus.requests.clear();
    MainPane(*browser).openItem(MainPane(*browser).item(1));
    EXPECT_EQ(bus.requests, (std::vector<std::string>{"37 -35"}));
    EXPECT_EQ(SidePane(*browser).count(), 3);
}

TEST_F(DocumentBrowserTest, AddingARecordAlreadyShownChangesNothing)
{
    CannedBus bus;
    const auto browser = makeBrowser(bus);
    MainPaneListWidget& pane = MainPane(*browser);
    pane.addFolderItem(Folder(1, 0, "First", "first tip"));
    pane.addFolderItem(Folder(1, 0, "Second", "second tip"));
    pane.addDocumentItem(Document(1, 0, "Doc", "", "doc tip"));
    pane.addDocumentItem(Document(1, 0, "Again"));
    pane.addUserItem(User(5, "Ford", ""));
    pane.addUserItem(User(5, "Other", "Name"));
    pane.addGroupKeyItem(GroupKey(301, "Staff"));
    pane.addGroupKeyItem(GroupKey(301, "Renamed"));
    EXPECT_EQ(Texts(pane), QStringList({"First", "Doc", "Ford, ", "Staff"}));
    EXPECT_EQ(pane.item(0)->toolTip(), QStringLiteral("first tip"));
    EXPECT_EQ(pane.item(1)->toolTip(), QStringLiteral("doc tip"));

    // The index follows removals however they happen.
    pane.removeDocumentItem(1);
    pane.addDocumentItem(Document(1, 0, "Back"));
    delete pane.item(0);
    pane.addFolderItem(Folder(1, 0, "Anew"));
    EXPECT_EQ(Texts(pane), QStringList({"Ford, ", "Staff", "Back", "Anew"}));
    browser->reset();
    pane.addFolderItem(Folder(1, 0, "Cleared"));
    EXPECT_EQ(Texts(pane), QStringList({"Cleared"}));
}

TEST_F(DocumentBrowserTest, KeyItemsShowWhetherTheirKeyMayBeUsed)
{
    struct Case
    {
        const char* name;
        KeyRules rules;
        bool shown;
        Qt::ItemFlags flags;
        const char* toolTip;
        bool bold;
    };
    KeyRules emphasized;
    emphasized.properties = 5;
    KeyRules inactive;
    inactive.active = 1048574;
    KeyRules deniedAndInactive = inactive;
    deniedAndInactive.permissions = 2304;
    KeyRules expired;
    expired.expirationDate = "2000-01-01 00:00:00";
    KeyRules inactiveEmphasized = inactive;
    inactiveEmphasized.properties = 1;
    const Qt::ItemFlags usable = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const std::vector<Case> cases = {
        {"usable", {}, true, usable, "", false},
        {"usable, not opened yet", emphasized, true, usable, "", true},
        {"switched off", inactive, true, Qt::NoItemFlags, "Key Inactive", false},
        {"switched off, not opened yet", inactiveEmphasized, true, Qt::NoItemFlags, "Key Inactive", false},
        {"no view permission and switched off", deniedAndInactive, true, Qt::NoItemFlags, "View Permission Denied",
         false},
        {"expired", expired, false, Qt::NoItemFlags, "", false},
    };
    CannedBus bus;
    const auto browser = makeBrowser(bus);
    MainPaneListWidget& pane = MainPane(*browser);
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        browser->reset();
        pane.addDocumentKeyItem(DocumentKey(1600, "Budget", each.rules));
        pane.addFolderKeyItem(FolderKey(1210, "Shared", each.rules));
        ASSERT_EQ(pane.count(), each.shown ? 2 : 0);
        for (int row = 0; row < pane.count(); ++row) {
            const QListWidgetItem* item = pane.item(row);
            EXPECT_EQ(item->flags(), each.flags);
            EXPECT_EQ(item->toolTip(), QString::fromLatin1(each.toolTip));
            EXPECT_EQ(item->font().bold(), each.bold);
        }
    }
}

TEST_F(DocumentBrowserTest, AKeyTestedAgainKeepsItsItemAndLosesAnOldReason)
{
    CannedBus bus;
    const auto browser = makeBrowser(bus);
    MainPaneListWidget& pane = MainPane(*browser);
    KeyRules inactive;
    inactive.active = 1048574;
    pane.addDocumentKeyItem(DocumentKey(1600, "Budget", inactive));
    pane.addDocumentKeyItem(DocumentKey(1600, "Renamed"));
    ASSERT_EQ(pane.count(), 1);
    EXPECT_EQ(pane.item(0)->text(), QStringLiteral("Budget"));
    EXPECT_EQ(pane.item(0)->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    EXPECT_EQ(pane.item(0)->toolTip(), QString());

    KeyRules expired;
    expired.expirationDate = "2000-01-01 00:00:00";
    pane.addDocumentKeyItem(DocumentKey(1600, "Budget", expired));
    EXPECT_EQ(pane.count(), 0);
}

TEST_F(DocumentBrowserTest, AnUpdatedKeyTurnsItsBoldNameNormal)
{
    CannedBus bus;
    const auto browser = makeBrowser(bus);
    MainPaneListWidget& pane = MainPane(*browser);
    KeyRules emphasized;
    emphasized.properties = 5;
    pane.addDocumentKeyItem(DocumentKey(1600, "Budget", emphasized));
    ASSERT_TRUE(pane.item(0)->font().bold());
    KeyRules opened;
    opened.properties = 4;
    pane.updateDocumentKeyItem(DocumentKey(1600, "Budget", opened));
    EXPECT_FALSE(pane.item(0)->font().bold());
    EXPECT_EQ(
        browser::ItemRecord<zarv::data::DocumentKey>(pane.item(0), browser::DocumentKeyRole).document_key_properties(),
        4);
}

TEST_F(DocumentBrowserTest, RemovingAFolderTakesItsSubfoldersAndDocumentsButNoKeys)
{
    CannedBus bus;
    const auto browser = makeBrowser(bus);
    MainPaneListWidget& pane = MainPane(*browser);
    SidePane(*browser).addFolderShortcutItem(Folder(1110, HomeFolderId, "Projects"));
    pane.addFolderItem(Folder(1110, HomeFolderId, "Projects"));
    pane.addFolderItem(Folder(1111, HomeFolderId, "Letters"));
    pane.addDocumentItem(Document(1500, HomeFolderId, "Readme"));
    pane.addDocumentItem(Document(1501, 1110, "Plan"));
    pane.addFolderKeyItem(FolderKey(1210, "Shared"));
    pane.addDocumentKeyItem(DocumentKey(1600, "Budget"));
    pane.addGroupKeyItem(GroupKey(301, "Staff"));
    pane.addUserItem(User(102, "Eaton", "Eli"));

    pane.removeFolderItem(1110);
    EXPECT_EQ(Texts(pane), QStringList({"Letters", "Readme", "Shared", "Budget", "Staff", "Eaton, Eli"}));
    EXPECT_EQ(Texts(SidePane(*browser)), QStringList({"Home Folder", "Home Groups"}));
    pane.removeFolderItem(HomeFolderId);
    EXPECT_EQ(Texts(pane), QStringList({"Shared", "Budget", "Staff", "Eaton, Eli"}));
}

TEST_F(DocumentBrowserTest, RenamingAFolderFollowsInBothPanes)
{
    CannedBus bus;
    const auto browser = makeBrowser(bus);
    MainPaneListWidget& pane = MainPane(*browser);
    SidePane(*browser).addFolderShortcutItem(Folder(1111, HomeFolderId, "Letters", "Post"));
    pane.addFolderItem(Folder(1110, HomeFolderId, "Projects", "Plans"));
    zarv::data::Folder renamed;
    renamed.set_folder_id(1110);
    renamed.set_folder_name("Ventures");
    pane.renameFolderItem(renamed);
    EXPECT_EQ(pane.item(0)->text(), QStringLiteral("Ventures"));
    EXPECT_EQ(browser::ItemRecord<zarv::data::Folder>(pane.item(0), browser::FolderRole).folder_description(), "Plans");
    // A folder that the main pane does not show still renames its shortcut.
    pane.renameFolderItem(Folder(1111, HomeFolderId, "Mail"));
    EXPECT_EQ(SidePane(*browser).item(2)->text(), QStringLiteral("Mail"));
    EXPECT_EQ(SidePane(*browser).item(2)->toolTip(), QStringLiteral("Post"));
}

TEST_F(DocumentBrowserTest, TheSidePaneKeepsItsFixedEntriesAndOneShortcutPerRecord)
{
    CannedBus bus;
    const auto browser = makeBrowser(bus);
    SidePaneListWidget& side = SidePane(*browser);
    ASSERT_EQ(side.count(), 2);
    EXPECT_EQ(side.item(0)->type(), browser::HomeFolderItem);
    EXPECT_EQ(side.item(1)->type(), browser::HomeGroupsItem);
    EXPECT_EQ(browser::ItemRecord<zarv::data::Folder>(side.item(0), browser::FolderRole).folder_id(), HomeFolderId);

    side.addFolderShortcutItem(Folder(1110, HomeFolderId, "Projects", "Plans"));
    side.addGroupKeyShortcutItem(GroupKey(301, "Staff"));
    side.addFolderShortcutItem(Folder(1110, HomeFolderId, "Renamed", "Other"));
    EXPECT_EQ(Texts(side), QStringList({"Home Folder", "Home Groups", "Projects", "Staff"}));
    EXPECT_EQ(side.currentRow(), 2);
    EXPECT_EQ(side.item(2)->toolTip(), QStringLiteral("Plans"));
    // A shortcut to the home folder does not merge with Home Folder.
    side.addFolderShortcutItem(Folder(HomeFolderId, 0, "Home"));
    EXPECT_EQ(side.count(), 5);

    // A user entry whose id is null matches no other user.
    side.addUserShortcutItem(User(INT_MIN, "Null", "One"));
    side.addUserShortcutItem(User(INT_MIN, "Null", "Two"));
    side.addUserShortcutItem(User(102, "Eaton", "Eli"));
    side.addUserShortcutItem(User(102, "Eaton", "Eli"));
    EXPECT_EQ(Texts(side).mid(5), QStringList({"Null, One", "Null, Two", "Eaton, Eli"}));
    EXPECT_EQ(side.currentRow(), 7);
}

TEST_F(DocumentBrowserTest, AnInactiveFolderKeyShortcutIsGreyedAndNotSelected)
{
    CannedBus bus;
    const auto browser = makeBrowser(bus);
    SidePaneListWidget& side = SidePane(*browser);
    side.setCurrentRow(0);
    KeyRules inactive;
    inactive.active = 0;
    side.addFolderKeyShortcutItem(FolderKey(1210, "Shared", inactive));
    ASSERT_EQ(side.count(), 3);
    EXPECT_FALSE(side.item(2)->flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(side.currentRow(), 0);
    // Usable later, it stays greyed but becomes the current entry.
    side.addFolderKeyShortcutItem(FolderKey(1210, "Shared"));
    EXPECT_EQ(side.count(), 3);
    EXPECT_FALSE(side.item(2)->flags() & Qt::ItemIsEnabled);

    side.addFolderKeyShortcutItem(FolderKey(1211, "Open Share"));
    KeyRules fresh;
    fresh.sessionDuration = 60;
    side.updateFolderKeyShortcutItem(FolderKey(1211, "Open Share", fresh));
    EXPECT_EQ(browser::ItemRecord<zarv::data::FolderKey>(side.item(3), browser::FolderKeyRole)
                  .folder_key_security_descriptor()
                  .session_duration(),
              60);
    EXPECT_EQ(browser::ItemRecord<zarv::data::FolderKey>(side.item(2), browser::FolderKeyRole)
                  .folder_key_security_descriptor()
                  .session_duration(),
              0);
}

TEST_F(DocumentBrowserTest, ClickingHomeGroupsSaysAnEmptyGroupKeyWasSelectedBeforeOpening)
{
    CannedBus bus;
    const auto browser = makeBrowser(bus);
    SidePaneListWidget& side = SidePane(*browser);
    std::vector<std::string> emitted;
    QObject::connect(&side, &SidePaneListWidget::groupKeyItemSelected, [&emitted](const zarv::data::GroupKey& key) {
        emitted.push_back("selected " + std::to_string(key.ByteSizeLong()));
    });
    QObject::connect(&side, &SidePaneListWidget::openHomeGroups, [&emitted] { emitted.push_back("open"); });
    side.open(side.item(1));
    EXPECT_EQ(emitted, (std::vector<std::string>{"selected 0", "open"}));
    EXPECT_EQ(bus.requests, (std::vector<std::string>{"41 1"}));
}

TEST(SidePaneDrops, TakeOnlyMovesOfRecordsFromAnotherListOntoAFolderEntry)
{
    QMimeData document;
    document.setData(browser::DocumentMimeType, "x");
    QMimeData folder;
    folder.setData(browser::FolderMimeType, "x");
    QMimeData text;
    text.setText("x");
    struct Case
    {
        const char* name;
        Qt::DropAction action;
        bool fromAnotherList;
        const QMimeData* data;
        bool onTarget;
        std::optional<int> target;
        bool taken;
    };
    const std::vector<Case> cases = {
        {"enter with a document", Qt::MoveAction, true, &document, false, std::nullopt, true},
        {"enter with a folder over a user", Qt::MoveAction, true, &folder, false, browser::UserItem, true},
        {"enter with a copy", Qt::CopyAction, true, &document, false, std::nullopt, false},
        {"enter from the pane itself", Qt::MoveAction, false, &document, false, std::nullopt, false},
        {"enter with text", Qt::MoveAction, true, &text, false, std::nullopt, false},
        {"over Home Folder", Qt::MoveAction, true, &document, true, browser::HomeFolderItem, true},
        {"over a folder shortcut", Qt::MoveAction, true, &folder, true, browser::FolderItem, true},
        {"over a user", Qt::MoveAction, true, &document, true, browser::UserItem, false},
        {"over a folder key", Qt::MoveAction, true, &document, true, browser::FolderKeyItem, false},
        {"over Home Groups", Qt::MoveAction, true, &document, true, browser::HomeGroupsItem, false},
        {"over empty space", Qt::MoveAction, true, &document, true, std::nullopt, false},
        {"a copy over Home Folder", Qt::CopyAction, true, &document, true, browser::HomeFolderItem, false},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(browser::SidePaneTakesDrag(each.action, each.fromAnotherList, *each.data, each.onTarget, each.target),
                  each.taken)
            << each.name;
    }
}

TEST_F(DocumentBrowserTest, AListingFillsOnlyTheBrowserThatAskedForIt)
{
    CannedBus bus;
    bus.answer = HomeFolderContents;
    const auto asking = makeBrowser(bus);
    const auto other = makeBrowser(bus);
    other->show();
    other->activateWindow();
    click(*asking, 0);
    EXPECT_EQ(Texts(MainPane(*asking)), QStringList({"Projects", "Readme"}));
    EXPECT_EQ(MainPane(*other).count(), 0);
    click(*other, 0);
    EXPECT_EQ(Texts(MainPane(*other)), QStringList({"Projects", "Readme"}));
    EXPECT_EQ(Texts(MainPane(*asking)), QStringList({"Projects", "Readme"}));
}

TEST_F(DocumentBrowserTest, AFailedListingIsToldOnlyByTheBrowserThatAskedForIt)
{
    struct Case
    {
        common::Ercode majorErcode;
        const char* text;
    };
    for (const Case& each : {Case{common::ServiceNoReplyEr, "No reply from the server."},
                             Case{2, "The server refused the request (code 2)."}}) {
        CannedBus bus;
        bus.answer = [&each](common::Opcode, common::Opcode, const std::string&) {
            return Canned{each.majorErcode, 1, std::string()};
        };
        const auto asking = makeBrowser(bus);
        const auto other = makeBrowser(bus);
        click(*asking, 0);
        EXPECT_EQ(asking->statusBar()->currentMessage(), QString::fromLatin1(each.text));
        EXPECT_EQ(other->statusBar()->currentMessage(), QString());
        EXPECT_EQ(MainPane(*asking).count(), 0);
    }
}

// One change sent by the first of two browsers, both with the home folder open.
struct ChangeCase
{
    const char* name;
    common::Opcode major;
    common::Opcode minor;
    std::shared_ptr<const google::protobuf::Message> request;
    Canned reply;
    QStringList contents;
    const char* box;
    const char* status;
};

template <typename Reply>
Canned ChangeReply(int returnCode, int sqlc, const std::function<void(Reply&)>& fill = nullptr)
{
    Reply reply;
    reply.set_return_code(returnCode);
    reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    if (fill) {
        fill(reply);
    }
    return {common::NoEr, common::NoEr, reply.SerializeAsString()};
}

template <typename Message>
std::shared_ptr<const google::protobuf::Message> Shared(const Message& message)
{
    return std::make_shared<Message>(message);
}

std::vector<ChangeCase> ChangeCases()
{
    zarv::data::InsertFolderRequest newFolder;
    *newFolder.mutable_folder() = Folder(0, HomeFolderId, "Letters");
    zarv::data::InsertFolderRequest elsewhereFolder;
    *elsewhereFolder.mutable_folder() = Folder(0, 1110, "Deep");
    zarv::data::InsertDocumentRequest newDocument;
    *newDocument.mutable_document() = Document(0, HomeFolderId, "Notes");
    zarv::data::DeleteFolderRequest deleteProjects;
    deleteProjects.set_folder_id(1110);
    zarv::data::UpdateFolderRequest renameProjects;
    renameProjects.mutable_folder()->set_folder_id(1110);
    renameProjects.mutable_folder()->set_folder_name("Ventures");
    zarv::data::UpdateFolderRequest moveProjects;
    *moveProjects.mutable_folder() = Folder(1110, 1111, "Projects");
    zarv::data::UpdateDocumentRequest renameReadme;
    *renameReadme.mutable_document() = Document(1500, HomeFolderId, "Read me first");
    zarv::data::UpdateDocumentRequest moveReadme;
    *moveReadme.mutable_document() = Document(1500, 1110, "Readme");
    zarv::data::DeleteDocumentRequest deleteReadme;
    deleteReadme.set_document_id(1500);
    const QStringList unchanged = {"Projects", "Readme"};
    const auto folderId = [](zarv::data::InsertFolderReply& reply) { reply.set_folder_id(1111); };
    const auto documentId = [](zarv::data::InsertDocumentReply& reply) { reply.set_document_id(1502); };
    using common::ForeignKeyViolation;
    using common::UniqueViolation;
    return {
        {"a folder inserted here",
         common::InsertFolder,
         common::Untagged,
         Shared(newFolder),
         ChangeReply<zarv::data::InsertFolderReply>(1, 0, folderId),
         {"Projects", "Readme", "Letters"},
         nullptr,
         nullptr},
        {"a folder inserted elsewhere", common::InsertFolder, common::Untagged, Shared(elsewhereFolder),
         ChangeReply<zarv::data::InsertFolderReply>(1, 0, folderId), unchanged, nullptr, nullptr},
        {"a folder name taken", common::InsertFolder, common::Untagged, Shared(newFolder),
         ChangeReply<zarv::data::InsertFolderReply>(0, UniqueViolation), unchanged,
         "A folder named 'Letters' already exists.", nullptr},
        {"a document inserted here",
         common::InsertDocument,
         common::Untagged,
         Shared(newDocument),
         ChangeReply<zarv::data::InsertDocumentReply>(1, 0, documentId),
         {"Projects", "Readme", "Notes"},
         nullptr,
         nullptr},
        {"a document name taken", common::InsertDocument, common::Untagged, Shared(newDocument),
         ChangeReply<zarv::data::InsertDocumentReply>(0, UniqueViolation), unchanged,
         "A document named 'Notes' already exists.", nullptr},
        {"a folder deleted",
         common::DeleteFolder,
         common::Untagged,
         Shared(deleteProjects),
         ChangeReply<zarv::data::DeleteFolderReply>(1, 0),
         {"Readme"},
         nullptr,
         nullptr},
        {"a non-empty folder", common::DeleteFolder, common::Untagged, Shared(deleteProjects),
         ChangeReply<zarv::data::DeleteFolderReply>(0, ForeignKeyViolation), unchanged,
         "You cannot delete a non-empty folder.", nullptr},
        {"a folder renamed",
         common::UpdateFolder,
         common::RenameFolder,
         Shared(renameProjects),
         ChangeReply<zarv::data::UpdateFolderReply>(1, 0),
         {"Ventures", "Readme"},
         nullptr,
         nullptr},
        {"a folder renamed to a taken name", common::UpdateFolder, common::RenameFolder, Shared(renameProjects),
         ChangeReply<zarv::data::UpdateFolderReply>(0, UniqueViolation), unchanged,
         "A folder named 'Ventures' already exists.", nullptr},
        {"a folder moved away",
         common::UpdateFolder,
         common::MoveFolder,
         Shared(moveProjects),
         ChangeReply<zarv::data::UpdateFolderReply>(1, 0),
         {"Readme"},
         nullptr,
         nullptr},
        {"a document renamed",
         common::UpdateDocument,
         common::RenameDocument,
         Shared(renameReadme),
         ChangeReply<zarv::data::UpdateDocumentReply>(1, 0),
         {"Projects", "Read me first"},
         nullptr,
         nullptr},
        {"a document moved away",
         common::UpdateDocument,
         common::MoveDocument,
         Shared(moveReadme),
         ChangeReply<zarv::data::UpdateDocumentReply>(1, 0),
         {"Projects"},
         nullptr,
         nullptr},
        {"a document name taken", common::UpdateDocument, common::RenameDocument, Shared(renameReadme),
         ChangeReply<zarv::data::UpdateDocumentReply>(0, UniqueViolation), unchanged,
         "A document named 'Read me first' already exists.", nullptr},
        {"a document deleted",
         common::DeleteDocument,
         common::Untagged,
         Shared(deleteReadme),
         {common::NoEr, common::NoEr, zarv::data::DeleteDocumentReply().SerializeAsString()},
         {"Projects"},
         nullptr,
         nullptr},
        {"a deletion refused",
         common::DeleteDocument,
         common::Untagged,
         Shared(deleteReadme),
         {2, 1, std::string()},
         unchanged,
         nullptr,
         "The server refused the request (code 2)."},
        {"a change unanswered",
         common::UpdateFolder,
         common::RenameFolder,
         Shared(renameProjects),
         {common::ServiceNoReplyEr, 1, std::string()},
         unchanged,
         nullptr,
         "No reply from the server."},
    };
}

TEST_F(DocumentBrowserTest, EveryBrowserAppliesAChangeButOnlyTheSenderTellsARefusal)
{
    for (const ChangeCase& each : ChangeCases()) {
        SCOPED_TRACE(each.name);
        CannedBus bus;
        bus.answer = HomeFolderContents;
        const auto sender = makeBrowser(bus);
        const auto other = makeBrowser(bus);
        click(*sender, 0);
        click(*other, 0);
        bus.answer = [&each](common::Opcode, common::Opcode, const std::string&) { return each.reply; };
        BoxRecorder recorder;

        sender->sendChange(each.major, each.minor, *each.request);

        EXPECT_EQ(Texts(MainPane(*sender)), each.contents);
        EXPECT_EQ(Texts(MainPane(*other)), each.contents);
        if (each.box) {
            ASSERT_EQ(recorder.boxes.size(), 1U);
            EXPECT_EQ(recorder.boxes[0].over, sender.get());
            EXPECT_EQ(recorder.boxes[0].text, QString::fromLatin1(each.box));
        } else {
            EXPECT_TRUE(recorder.boxes.empty());
        }
        EXPECT_EQ(sender->statusBar()->currentMessage(), QString::fromLatin1(each.status ? each.status : ""));
        EXPECT_EQ(other->statusBar()->currentMessage(), QString());
    }
}

}  // namespace
