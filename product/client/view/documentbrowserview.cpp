#include "product/client/view/documentbrowserview.h"

#include "library/core/lib/registry.h"
#include "library/common/clock.h"
#include "library/core/proxy/documentwriter.h"
#include "library/core/proxy/folderkeyreader.h"
#include "library/core/proxy/groupkeyreader.h"
#include "library/database/lib/dbid.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/documentsearchdialogs.h"
#include "library/gui/itemcreationdialogs.h"
#include "library/gui/keyopeners.h"
#include "library/gui/linguist.h"
#include "library/gui/settings.h"
#include "library/network/messagedispatcher.h"
#include "product/client/view/sessionduration.h"

#include "deletedocumentrequest3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectuserrequest3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatefolderrequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTime>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QToolBar>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <algorithm>
#include <initializer_list>

using namespace browser;

namespace {

constexpr const char* Context = "DocumentBrowserView";

const AbstractViewWindow::ActionTexts ActionTable[] = {
    {"NewFolder", ":icons/32x32/folder-create.png", "NewFolderStatusTip", "NewFolderToolTip"},
    {"NewDocument", ":icons/32x32/document-create.png", "NewDocumentStatusTip", "NewDocumentToolTip"},
    {"OpenItem", nullptr, "OpenItemStatusTip", nullptr},
    {"CopyItem", ":icons/32x32/copy.png", "CopyItemStatusTip", "CopyItemToolTip"},
    {"PasteItem", ":icons/32x32/paste.png", "PasteItemStatusTip", "PasteItemToolTip"},
    {"DeleteItem", ":icons/32x32/item-delete.png", "DeleteItemStatusTip", "DeleteItemToolTip"},
    {"RenameItem", ":icons/32x32/item-rename.png", "RenameItemStatusTip", "RenameItemToolTip"},
    {"RedescribeItem", ":icons/32x32/item-redescribe.png", "RedescribeItemStatusTip", "RedescribeItemToolTip"},
    {"OpenItemKeyring", ":icons/32x32/item-keyring.png", "OpenItemKeyringStatusTip", "OpenItemKeyringToolTip"},
    {"FolderDocumentSearchItem", ":icons/32x32/folder-search.png", "FolderDocumentSearchStatusTip",
     "FolderDocumentSearchToolTip"},
};

// The action table, one row per slot that switches actions. Columns: New
// Folder, New Document, Open, Copy, Paste, Delete, Rename, Redescribe, Open
// Keyring, Search.
constexpr Switch K = Switch::Keep;
constexpr Switch F = Switch::Off;
constexpr Switch N = Switch::On;
constexpr Switch C = Switch::Clip;
constexpr Switch S = Switch::KeySearch;

const ActionRow NoItemSelectedRow = {K, K, F, F, Switch::ClipIfFolderOpen, F, F, F, F, Switch::IfFolderOpen};
const ActionRow FolderItemSelectedRow = {N, N, N, F, F, N, N, N, N, F};
const ActionRow DocumentItemSelectedRow = {K, K, N, N, F, N, N, N, N, F};
const ActionRow KeyOrUserSelectedRow = {F, F, N, F, F, F, F, F, F, F};
const ActionRow FolderKeyItemSelectedRow = {F, F, N, F, F, F, F, F, F, S};
const ActionRow FolderShortcutSelectedRow = {N, N, F, F, C, F, F, F, F, N};
const ActionRow FolderKeyShortcutSelectedRow = {F, F, F, F, F, F, F, F, F, S};
const ActionRow HomeFolderOpenedRow = {N, N, F, K, K, F, F, F, F, K};
const ActionRow HomeGroupsOpenedRow = {F, F, F, K, K, F, F, F, F, K};
const ActionRow FolderKeyOpenedRow = {K, K, K, K, K, K, K, K, K, S};
const ActionRow ClipboardChangedRow = {K, K, K, K, C, K, K, K, K, K};

bool GrantsSearch(const zarv::data::FolderKey& key)
{
    return FolderKeyReader(key).permission(FolderKeyReader::Search);
}

const QString WindowIconFileName = QStringLiteral(":icons/32x32/document-browser.png");

const zarv::data::User& LoggedOnUser()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser();
}

bool ClipboardOffersDocument()
{
    const QMimeData* data = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return data && data->hasFormat(browser::DocumentMimeType);
}

// The rename and redescribe prompts: window title, label, and the title and
// text of the warning about a blank answer.
struct PromptTexts
{
    const char* title;
    const char* label;
    const char* warningTitle;
    const char* warningText;
};

enum Prompt
{
    RenameFolderPrompt,
    RedescribeFolderPrompt,
    RenameDocumentPrompt,
    RedescribeDocumentPrompt
};

const PromptTexts Prompts[] = {
    {"RenameFolderDialogWindowTitle", "NewFolderName:", "RenameFolder", "FolderNameIsEmptyWarning"},
    {"RedescribeFolderDialogWindowTitle", "NewFolderDescription:", "RedescribeFolder",
     "FolderDescriptionIsEmptyWarning"},
    {"RenameDocumentDialogWindowTitle", "NewDocumentName:", "RenameDocument", "DocumentNameIsEmptyWarning"},
    {"RedescribeDocumentDialogWindowTitle", "NewDocumentDescription:", "RedescribeDocument",
     "DocumentDescriptionIsEmptyWarning"},
};

// The delete confirmations: window title, icon and question.
struct DeletionTexts
{
    const char* title;
    const char* icon;
    const char* text;
};

enum Deletion
{
    FolderDeletion,
    DocumentDeletion
};

const DeletionTexts Deletions[] = {
    {"DeleteFolderWindowTitle", ":icons/32x32/item-delete.png", "DeleteFolderConfirmation"},
    {"DeleteDocumentWindowTitle", ":icons/32x32/item-delete.png", "DeleteDocumentConfirmation"},
};

// A pasted document's body is at most this many bytes.
constexpr int MaxPastedBodyBytes = 1048576;
// And its name at most this many characters.
constexpr int MaxDocumentNameLength = 63;

std::string Now()
{
    return DbTimestamp(common::Clock::universalTime()).toDbString();
}

bool Succeeded(const BusReply& bus)
{
    return bus.majorErcode == common::NoEr && bus.minorErcode == common::NoEr;
}

template <typename Request>
bool ParseRequest(const BusReply& bus, Request& request)
{
    return request.ParseFromString(bus.request);
}

}  // namespace

DocumentBrowserView::DocumentBrowserView(QWidget* parent)
    : AbstractBrowserView(parent)
{
    QMenu* newMenu = m_fileMenu->addMenu(Linguist::tr("New"));
    m_actions[NewFolder] = createAction(newMenu, Context, ActionTable[NewFolder]);
    m_actions[NewDocument] = createAction(newMenu, Context, ActionTable[NewDocument]);
    m_actions[Open] = createAction(m_fileMenu, Context, ActionTable[Open]);
    m_closeAction = createAction(m_fileMenu, "Linguist", {"Close", nullptr, nullptr, nullptr});
    m_closeAction->setStatusTip(tr("CloseStatusTip"));
    for (int index = Copy; index < ActionCount; ++index) {
        m_actions[index] = createAction(m_editMenu, Context, ActionTable[index]);
    }
    m_aboutAction = createAction(m_helpMenu, "Linguist", {"AboutZARV", nullptr, nullptr, nullptr});
    m_sessionDuration = std::make_unique<SessionDuration>(this);

    m_replyTable.add(common::SelectDocument, common::ListFolderContents, this, &DocumentBrowserView::documentsListed,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::SelectFolder, common::ListFolderContents, this, &DocumentBrowserView::foldersListed,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::SelectGroupKey, common::Untagged, this, &DocumentBrowserView::groupKeysListed,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::SelectUser, common::Untagged, this, &DocumentBrowserView::usersListed,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::SelectFolderKey, common::ListFolderKeys, this, &DocumentBrowserView::folderKeysListed,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::SelectDocumentKey, common::ListDocumentKeys, this,
                     &DocumentBrowserView::documentKeysListed, ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::UpdateDocumentKey, common::DisableEmphasizeName, this,
                     &DocumentBrowserView::documentKeyUpdated, ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::DeleteDocument, common::Untagged, this, &DocumentBrowserView::documentDeleted,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::DeleteFolder, ReplyTable::AnyMinor, this, &DocumentBrowserView::folderDeleted,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::InsertFolder, ReplyTable::AnyMinor, this, &DocumentBrowserView::folderInserted,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::InsertDocument, ReplyTable::AnyMinor, this, &DocumentBrowserView::documentInserted,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::UpdateFolder, ReplyTable::AnyMinor, this, &DocumentBrowserView::folderUpdated,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::UpdateDocument, ReplyTable::AnyMinor, this, &DocumentBrowserView::documentUpdated,
                     ReplyTable::Takes::AllReplies);

    initializeWindow();
    initializeSidePane();
    initializeMainPane();
    initializeFileMenu();
    initializeEditMenu();
    initializeStandardToolBar();
}

DocumentBrowserView::~DocumentBrowserView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassNameGroup);
}

void DocumentBrowserView::initializeWindow()
{
    setWindowCaption(tr("DocumentBrowserWindowTitle"), QString::fromStdString(MessageDispatcher::getServerName()),
                     QString());
    setWindowIcon(QIcon(WindowIconFileName));
    connect(QApplication::clipboard(), &QClipboard::changed, this, &DocumentBrowserView::clipboardChanged);
    connect(m_actions[Open], &QAction::triggered, m_mainPane, qOverload<>(&MainPaneListWidget::openItem));
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);
    connect(m_aboutAction, &QAction::triggered, this, &DocumentBrowserView::helpAbout);

    connect(this, &DocumentBrowserView::addFolderItem, m_mainPane, &MainPaneListWidget::addFolderItem);
    connect(this, &DocumentBrowserView::renameFolderItem, m_mainPane, &MainPaneListWidget::renameFolderItem);
    connect(this, &DocumentBrowserView::redescribeFolderItem, m_mainPane, &MainPaneListWidget::redescribeFolderItem);
    connect(this, &DocumentBrowserView::removeFolderItem, m_mainPane, &MainPaneListWidget::removeFolderItem);
    connect(this, &DocumentBrowserView::addDocumentItem, m_mainPane, &MainPaneListWidget::addDocumentItem);
    connect(this, &DocumentBrowserView::updateDocumentItem, m_mainPane, &MainPaneListWidget::updateDocumentItem);
    connect(this, &DocumentBrowserView::removeDocumentItem, m_mainPane, &MainPaneListWidget::removeDocumentItem);
    connect(this, &DocumentBrowserView::addGroupKeyItem, m_mainPane, &MainPaneListWidget::addGroupKeyItem);
    connect(this, &DocumentBrowserView::addUserItem, m_mainPane, &MainPaneListWidget::addUserItem);
    connect(this, &DocumentBrowserView::addFolderKeyItem, m_mainPane, &MainPaneListWidget::addFolderKeyItem);
    connect(this, &DocumentBrowserView::addFolderKeyShortcutItem, m_sidePane,
            &SidePaneListWidget::addFolderKeyShortcutItem);
    connect(this, &DocumentBrowserView::updateFolderKeyShortcutItem, m_sidePane,
            &SidePaneListWidget::updateFolderKeyShortcutItem);
    connect(this, &DocumentBrowserView::addDocumentKeyItem, m_mainPane, &MainPaneListWidget::addDocumentKeyItem);
    connect(this, &DocumentBrowserView::updateDocumentKeyItem, m_mainPane, &MainPaneListWidget::updateDocumentKeyItem);

    Settings().restoreWidgetGeometrySettings(this, Settings::ClassNameGroup, QSize(640, 480), QPoint(64, 48));
}

void DocumentBrowserView::initializeSidePane()
{
    connect(m_sidePane, &SidePaneListWidget::moveDocument, this,
            qOverload<const zarv::data::Document&, int>(&DocumentBrowserView::moveDocument));
    connect(m_sidePane, &SidePaneListWidget::moveFolder, this,
            qOverload<const zarv::data::Folder&, int>(&DocumentBrowserView::moveFolder));
    connect(m_sidePane, &SidePaneListWidget::folderShortcutItemSelected, this,
            &DocumentBrowserView::folderShortcutItemSelected);
    connect(m_sidePane, &SidePaneListWidget::folderKeyShortcutItemSelected, this,
            &DocumentBrowserView::folderKeyShortcutItemSelected);
    connect(m_sidePane, &SidePaneListWidget::groupKeyItemSelected, this, &DocumentBrowserView::groupKeyItemSelected);
    connect(m_sidePane, &SidePaneListWidget::userItemSelected, this, &DocumentBrowserView::userItemSelected);
    connect(m_sidePane, &SidePaneListWidget::openHomeFolder, this, &DocumentBrowserView::openHomeFolder);
    connect(m_sidePane, &SidePaneListWidget::openHomeGroups, this, &DocumentBrowserView::openHomeGroups);
    connect(m_sidePane, &SidePaneListWidget::openGroupKey, this, &DocumentBrowserView::openGroupKey);
    connect(m_sidePane, &SidePaneListWidget::openFolder, this, &DocumentBrowserView::openFolder);
    connect(m_sidePane, &SidePaneListWidget::openUser, this, &DocumentBrowserView::openUser);
    connect(m_sidePane, &SidePaneListWidget::openFolderKey, this, &DocumentBrowserView::openFolderKey);
}

void DocumentBrowserView::initializeMainPane()
{
    connect(m_actions[NewFolder], &QAction::triggered, this, &DocumentBrowserView::newFolder);
    connect(m_actions[NewDocument], &QAction::triggered, this, &DocumentBrowserView::newDocument);
    connect(m_actions[Paste], &QAction::triggered, this, &DocumentBrowserView::pasteItem);
    connect(m_actions[Search], &QAction::triggered, this, &DocumentBrowserView::folderDocumentSearch);
    connect(m_actions[Copy], &QAction::triggered, m_mainPane, qOverload<>(&MainPaneListWidget::copyItem));
    connect(m_actions[Delete], &QAction::triggered, m_mainPane, qOverload<>(&MainPaneListWidget::deleteItem));
    connect(m_actions[Rename], &QAction::triggered, m_mainPane, qOverload<>(&MainPaneListWidget::renameItem));
    connect(m_actions[Redescribe], &QAction::triggered, m_mainPane, qOverload<>(&MainPaneListWidget::redescribeItem));
    connect(m_actions[OpenKeyring], &QAction::triggered, m_mainPane, qOverload<>(&MainPaneListWidget::openItemKeyring));
    connect(m_mainPane, &MainPaneListWidget::copyDocument, this, &DocumentBrowserView::copyDocument);
    connect(m_mainPane, &MainPaneListWidget::deleteFolder, this, &DocumentBrowserView::deleteFolder);
    connect(m_mainPane, &MainPaneListWidget::deleteDocument, this, &DocumentBrowserView::deleteDocument);
    connect(m_mainPane, &MainPaneListWidget::renameFolder, this, &DocumentBrowserView::renameFolder);
    connect(m_mainPane, &MainPaneListWidget::renameDocument, this, &DocumentBrowserView::renameDocument);
    connect(m_mainPane, &MainPaneListWidget::redescribeFolder, this, &DocumentBrowserView::redescribeFolder);
    connect(m_mainPane, &MainPaneListWidget::redescribeDocument, this, &DocumentBrowserView::redescribeDocument);
    connect(m_mainPane, &MainPaneListWidget::openFolderKeyring, this, &DocumentBrowserView::openFolderKeyring);
    connect(m_mainPane, &MainPaneListWidget::openDocumentKeyring, this, &DocumentBrowserView::openDocumentKeyring);
    connect(m_mainPane, qOverload<const zarv::data::Folder&, int>(&MainPaneListWidget::moveFolder), this,
            qOverload<const zarv::data::Folder&, int>(&DocumentBrowserView::moveFolder));
    connect(m_mainPane, qOverload<const zarv::data::Folder&>(&MainPaneListWidget::moveFolder), this,
            qOverload<const zarv::data::Folder&>(&DocumentBrowserView::moveFolder));
    connect(m_mainPane, qOverload<const zarv::data::Document&, int>(&MainPaneListWidget::moveDocument), this,
            qOverload<const zarv::data::Document&, int>(&DocumentBrowserView::moveDocument));
    connect(m_mainPane, qOverload<const zarv::data::Document&>(&MainPaneListWidget::moveDocument), this,
            qOverload<const zarv::data::Document&>(&DocumentBrowserView::moveDocument));
    connect(m_mainPane, &MainPaneListWidget::noItemSelected, this, &DocumentBrowserView::noItemSelected);
    connect(m_mainPane, &MainPaneListWidget::folderItemSelected, this, &DocumentBrowserView::folderItemSelected);
    connect(m_mainPane, &MainPaneListWidget::documentItemSelected, this, &DocumentBrowserView::documentItemSelected);
    connect(m_mainPane, &MainPaneListWidget::groupKeyItemSelected, this, &DocumentBrowserView::groupKeyItemSelected);
    connect(m_mainPane, &MainPaneListWidget::userItemSelected, this, &DocumentBrowserView::userItemSelected);
    connect(m_mainPane, &MainPaneListWidget::folderKeyItemSelected, this, &DocumentBrowserView::folderKeyItemSelected);
    connect(m_mainPane, &MainPaneListWidget::documentKeyItemSelected, this,
            &DocumentBrowserView::documentKeyItemSelected);
    connect(m_mainPane, &MainPaneListWidget::openFolder, this, &DocumentBrowserView::openFolder);
    connect(m_mainPane, &MainPaneListWidget::openDocument, this, &DocumentBrowserView::openDocument);
    connect(m_mainPane, &MainPaneListWidget::openGroupKey, this, &DocumentBrowserView::openGroupKey);
    connect(m_mainPane, &MainPaneListWidget::openUser, this, &DocumentBrowserView::openUser);
    connect(m_mainPane, &MainPaneListWidget::openFolderKey, this, &DocumentBrowserView::openFolderKey);
    connect(m_mainPane, &MainPaneListWidget::openDocumentKey, this, &DocumentBrowserView::openDocumentKey);
    connect(m_mainPane, &MainPaneListWidget::addFolderShortcutItem, m_sidePane,
            &SidePaneListWidget::addFolderShortcutItem);
    connect(m_mainPane, &MainPaneListWidget::addGroupKeyShortcutItem, m_sidePane,
            &SidePaneListWidget::addGroupKeyShortcutItem);
    connect(m_mainPane, &MainPaneListWidget::addUserShortcutItem, m_sidePane, &SidePaneListWidget::addUserShortcutItem);
    connect(m_mainPane, &MainPaneListWidget::addFolderKeyShortcutItem, m_sidePane,
            &SidePaneListWidget::addFolderKeyShortcutItem);
    connect(m_mainPane, &MainPaneListWidget::renameFolderShortcutItem, m_sidePane,
            &SidePaneListWidget::renameFolderShortcutItem);
    connect(m_mainPane, &MainPaneListWidget::redescribeFolderShortcutItem, m_sidePane,
            &SidePaneListWidget::redescribeFolderShortcutItem);
    connect(m_mainPane, &MainPaneListWidget::removeFolderShortcutItem, m_sidePane,
            &SidePaneListWidget::removeFolderShortcutItem);
}

void DocumentBrowserView::initializeFileMenu()
{
    m_actions[NewFolder]->setIconVisibleInMenu(true);
    m_actions[NewDocument]->setIconVisibleInMenu(true);
    m_actions[NewFolder]->setEnabled(false);
    m_actions[NewDocument]->setEnabled(false);
    m_actions[Open]->setEnabled(false);
    m_fileMenu->insertSeparator(m_actions[Open]);
    m_fileMenu->insertSeparator(m_closeAction);
}

void DocumentBrowserView::initializeEditMenu()
{
    for (int index = Copy; index < ActionCount; ++index) {
        m_actions[index]->setEnabled(false);
    }
    for (const Action before : {Delete, Rename, OpenKeyring, Search}) {
        m_editMenu->insertSeparator(m_actions[before]);
    }
    m_viewMenuAction->setVisible(false);
    m_toolsMenuAction->setVisible(false);
}

void DocumentBrowserView::initializeStandardToolBar()
{
    AbstractViewWindow::initializeStandardToolBar();
    const std::initializer_list<std::initializer_list<Action>> groups = {
        {NewFolder, NewDocument}, {Copy, Paste}, {Delete}, {Rename, Redescribe}, {OpenKeyring}, {Search}};
    bool first = true;
    for (const auto& group : groups) {
        if (!first) {
            m_standardToolBar->addSeparator();
        }
        first = false;
        for (const Action each : group) {
            m_standardToolBar->addAction(m_actions[each]);
        }
    }
}

void DocumentBrowserView::reset()
{
    m_sessionDuration->reset();
    m_mainPane->hide();
    m_mainPane->clear();
    m_mainPane->show();
}

bool DocumentBrowserView::currentFolderId(int& folderId) const
{
    const QListWidgetItem* item = m_sidePane->getSelectedListWidgetItem();
    if (!item || (item->type() != browser::HomeFolderItem && item->type() != browser::FolderItem)) {
        return false;
    }
    folderId = browser::ItemRecord<zarv::data::Folder>(item, browser::FolderRole).folder_id();
    return true;
}

void DocumentBrowserView::apply(const ActionRow& row, bool keySearch)
{
    int folderId = 0;
    const bool folderOpen = currentFolderId(folderId);
    for (int index = 0; index < ActionCount; ++index) {
        switch (row[index]) {
        case Switch::Keep:
            break;
        case Switch::Off:
            m_actions[index]->setEnabled(false);
            break;
        case Switch::On:
            m_actions[index]->setEnabled(true);
            break;
        case Switch::Clip:
            m_actions[index]->setEnabled(ClipboardOffersDocument());
            break;
        case Switch::KeySearch:
            m_actions[index]->setEnabled(keySearch);
            break;
        case Switch::IfFolderOpen:
            m_actions[index]->setEnabled(folderOpen);
            break;
        case Switch::ClipIfFolderOpen:
            m_actions[index]->setEnabled(folderOpen && ClipboardOffersDocument());
            break;
        }
    }
}

void DocumentBrowserView::noItemSelected()
{
    apply(NoItemSelectedRow);
}

void DocumentBrowserView::folderItemSelected(const zarv::data::Folder&)
{
    apply(FolderItemSelectedRow);
}

void DocumentBrowserView::documentItemSelected(const zarv::data::Document&)
{
    apply(DocumentItemSelectedRow);
}

void DocumentBrowserView::groupKeyItemSelected(const zarv::data::GroupKey&)
{
    apply(KeyOrUserSelectedRow);
}

void DocumentBrowserView::userItemSelected(const zarv::data::User&)
{
    apply(KeyOrUserSelectedRow);
}

void DocumentBrowserView::documentKeyItemSelected(const zarv::data::DocumentKey&)
{
    apply(KeyOrUserSelectedRow);
}

void DocumentBrowserView::folderKeyItemSelected(const zarv::data::FolderKey& folderKey)
{
    apply(FolderKeyItemSelectedRow, GrantsSearch(folderKey));
}

void DocumentBrowserView::folderShortcutItemSelected(const zarv::data::Folder&)
{
    apply(FolderShortcutSelectedRow);
}

void DocumentBrowserView::folderKeyShortcutItemSelected(const zarv::data::FolderKey& folderKey)
{
    apply(FolderKeyShortcutSelectedRow, GrantsSearch(folderKey));
}

void DocumentBrowserView::clipboardChanged(QClipboard::Mode mode)
{
    // The selection and find buffers of the window system leave Paste alone.
    if (mode == QClipboard::Clipboard) {
        apply(ClipboardChangedRow);
    }
}

void DocumentBrowserView::receiveEvent(const common::Evcode majorEvcode,
                                       const common::Evcode minorEvcode,
                                       const std::string& event)
{
    if (majorEvcode == common::ClockTicked) {
        m_sessionDuration->timeoutEventHandler(minorEvcode, event);
    }
}

void DocumentBrowserView::sendListing(common::Opcode majorOpcode,
                                      common::Opcode minorOpcode,
                                      const google::protobuf::Message& request)
{
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return;
    }
    const QScopedValueRollback<bool> sending(m_sendingListing, true);
    emit deliverRequest(majorOpcode, minorOpcode, payload);
}

void DocumentBrowserView::sendChange(common::Opcode majorOpcode,
                                     common::Opcode minorOpcode,
                                     const google::protobuf::Message& request)
{
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return;
    }
    const QScopedValueRollback<bool> sending(m_sendingChange, true);
    emit deliverRequest(majorOpcode, minorOpcode, payload);
}

void DocumentBrowserView::openHomeFolder()
{
    zarv::data::Folder home;
    home.set_folder_id(LoggedOnUser().user_folder_id());
    openFolder(home);
    apply(HomeFolderOpenedRow);
}

void DocumentBrowserView::openFolder(const zarv::data::Folder& folder)
{
    reset();
    zarv::data::SelectFolderRequest folders;
    folders.set_folder_parent_id(folder.folder_id());
    sendListing(common::SelectFolder, common::ListFolderContents, folders);
    zarv::data::SelectDocumentRequest documents;
    documents.set_document_folder_id(folder.folder_id());
    sendListing(common::SelectDocument, common::ListFolderContents, documents);
}

void DocumentBrowserView::openHomeGroups()
{
    reset();
    zarv::data::SelectGroupKeyRequest request;
    request.set_group_key_user_id(LoggedOnUser().user_id());
    sendListing(common::SelectGroupKey, common::Untagged, request);
    apply(HomeGroupsOpenedRow);
}

void DocumentBrowserView::openGroupKey(const zarv::data::GroupKey& groupKey)
{
    reset();
    zarv::data::SelectUserRequest request;
    request.set_user_group_id(GroupKeyReader(groupKey).groupId());
    sendListing(common::SelectUser, common::Untagged, request);
}

void DocumentBrowserView::openUser(const zarv::data::User& user)
{
    reset();
    zarv::data::SelectFolderKeyRequest folderKeys;
    folderKeys.set_folder_parent_id(user.user_folder_id());
    folderKeys.set_folder_key_user_id(LoggedOnUser().user_id());
    sendListing(common::SelectFolderKey, common::ListFolderKeys, folderKeys);
    zarv::data::SelectDocumentKeyRequest documentKeys;
    documentKeys.set_document_key_user_id(LoggedOnUser().user_id());
    documentKeys.set_document_folder_id(user.user_folder_id());
    sendListing(common::SelectDocumentKey, common::ListDocumentKeys, documentKeys);
}

void DocumentBrowserView::openFolderKey(const zarv::data::FolderKey& folderKey)
{
    reset();
    bool opened = false;
    {
        // The opener sends the listing of the key's folder keys.
        const QScopedValueRollback<bool> sending(m_sendingListing, true);
        opened = FolderKeyOpener(folderKey).open(this);
    }
    if (!opened) {
        return;
    }
    const FolderKeyReader reader(folderKey);
    zarv::data::SelectDocumentKeyRequest documentKeys;
    documentKeys.set_document_key_user_id(LoggedOnUser().user_id());
    documentKeys.set_document_folder_id(reader.folderId());
    sendListing(common::SelectDocumentKey, common::ListDocumentKeys, documentKeys);
    m_sessionDuration->initializeStatus(static_cast<unsigned int>(std::max(reader.sessionDuration(), 0)));
    apply(FolderKeyOpenedRow, GrantsSearch(folderKey));
}

void DocumentBrowserView::openDocument(const zarv::data::Document& document)
{
    zarv::data::SelectDocumentRequest request;
    request.set_document_id(document.document_id());
    std::string payload;
    if (request.SerializeToString(&payload)) {
        emit deliverRequest(common::SelectDocument, common::OpenDocumentEditorView, payload);
    }
}

void DocumentBrowserView::openDocumentKey(const zarv::data::DocumentKey& documentKey)
{
    DocumentKeyOpener(documentKey).open(this);
}

void DocumentBrowserView::openFolderKeyring(const zarv::data::Folder& folder)
{
    zarv::data::SelectFolderKeyRequest request;
    request.set_folder_key_folder_id(folder.folder_id());
    request.set_folder_key_folder_name(folder.folder_name());
    std::string payload;
    if (request.SerializeToString(&payload)) {
        emit deliverRequest(common::SelectFolderKey, common::OpenFolderKeyringView, payload);
    }
}

void DocumentBrowserView::openDocumentKeyring(const zarv::data::Document& document)
{
    zarv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(document.document_id());
    request.set_document_key_document_name(document.document_name());
    std::string payload;
    if (request.SerializeToString(&payload)) {
        emit deliverRequest(common::SelectDocumentKey, common::OpenDocumentKeyringView, payload);
    }
}

void DocumentBrowserView::newFolder()
{
    int parentId = 0;
    if (!currentFolderId(parentId)) {
        return;
    }
    CreateFolderDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QString name = dialog.getFolderName();
    if (name.isEmpty()) {
        QMessageBox::warning(this, tr("NewFolder"), tr("FolderNameIsEmptyWarning"), QMessageBox::Ok);
        return;
    }
    zarv::data::InsertFolderRequest request;
    zarv::data::Folder& folder = *request.mutable_folder();
    folder.set_folder_user_id(LoggedOnUser().user_id());
    folder.set_folder_parent_id(parentId);
    folder.set_folder_name(name.toStdString());
    folder.set_folder_description(dialog.getFolderDescription().toStdString());
    folder.set_folder_properties(0);
    folder.set_folder_creation_date(Now());
    zarv::data::SecurityDescriptor& descriptor = *folder.mutable_folder_security_descriptor();
    descriptor.set_active(1);
    descriptor.set_active_region(std::string());
    descriptor.set_active_from("00:00:00");
    descriptor.set_active_to("00:00:00");
    descriptor.set_audits(0);
    descriptor.set_password(std::string());
    descriptor.set_permissions(0);
    descriptor.set_session_duration(0);
    descriptor.set_expiration_date(DbTimestamp(std::string(DbTimestamp::m_MaxTimestamp)).toDbString());
    descriptor.set_expiration_action(0);
    sendChange(common::InsertFolder, common::Untagged, request);
}

void DocumentBrowserView::newDocument()
{
    int folderId = 0;
    if (!currentFolderId(folderId)) {
        return;
    }
    CreateDocumentDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QString name = dialog.getDocumentName();
    if (name.isEmpty()) {
        QMessageBox::warning(this, tr("NewDocument"), tr("DocumentNameIsEmptyWarning"), QMessageBox::Ok);
        return;
    }
    zarv::data::InsertDocumentRequest request;
    zarv::data::Document& document = *request.mutable_document();
    DocumentWriter(document, DocumentProxy::Permissive);
    document.set_document_user_id(LoggedOnUser().user_id());
    document.set_document_folder_id(folderId);
    document.set_document_name(name.toStdString());
    document.set_document_description(dialog.getDocumentDescription().toStdString());
    sendChange(common::InsertDocument, common::Untagged, request);
}

std::optional<QString> DocumentBrowserView::askText(int prompt, const std::string& initial)
{
    const PromptTexts& texts = Prompts[prompt];
    QInputDialog dialog(this);
    dialog.setWindowTitle(tr(texts.title));
    dialog.setLabelText(tr(texts.label));
    dialog.setWindowIcon(QIcon(QStringLiteral(":icons/32x32/item-rename.png")));
    dialog.setTextEchoMode(QLineEdit::Normal);
    dialog.setTextValue(QString::fromStdString(initial));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QString text = dialog.textValue().trimmed();
    if (text.isEmpty()) {
        QMessageBox::warning(this, tr(texts.warningTitle), tr(texts.warningText), QMessageBox::Ok);
        return std::nullopt;
    }
    return text;
}

void DocumentBrowserView::renameFolder(const zarv::data::Folder& folder)
{
    if (const auto text = askText(RenameFolderPrompt, folder.folder_name())) {
        zarv::data::UpdateFolderRequest request;
        request.mutable_folder()->set_folder_id(folder.folder_id());
        request.mutable_folder()->set_folder_name(text->toStdString());
        sendChange(common::UpdateFolder, common::RenameFolder, request);
    }
}

void DocumentBrowserView::redescribeFolder(const zarv::data::Folder& folder)
{
    if (const auto text = askText(RedescribeFolderPrompt, folder.folder_description())) {
        zarv::data::UpdateFolderRequest request;
        request.mutable_folder()->set_folder_id(folder.folder_id());
        request.mutable_folder()->set_folder_description(text->toStdString());
        sendChange(common::UpdateFolder, common::RedescribeFolder, request);
    }
}

void DocumentBrowserView::renameDocument(const zarv::data::Document& document)
{
    if (const auto text = askText(RenameDocumentPrompt, document.document_name())) {
        zarv::data::UpdateDocumentRequest request;
        request.mutable_document()->set_document_id(document.document_id());
        request.mutable_document()->set_document_name(text->toStdString());
        sendChange(common::UpdateDocument, common::RenameDocument, request);
    }
}

void DocumentBrowserView::redescribeDocument(const zarv::data::Document& document)
{
    if (const auto text = askText(RedescribeDocumentPrompt, document.document_description())) {
        zarv::data::UpdateDocumentRequest request;
        *request.mutable_document() = document;
        request.mutable_document()->set_document_description(text->toStdString());
        sendChange(common::UpdateDocument, common::RedescribeDocument, request);
    }
}

bool DocumentBrowserView::confirmDeletion(int deletion, const std::string& name)
{
    const DeletionTexts& texts = Deletions[deletion];
    QMessageBox box(QMessageBox::Question, tr(texts.title), tr(texts.text), QMessageBox::Ok | QMessageBox::Cancel,
                    this);
    box.setWindowIcon(QIcon(QString::fromLatin1(texts.icon)));
    box.setInformativeText(QString::fromStdString(name));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void DocumentBrowserView::deleteFolder(const zarv::data::Folder& folder)
{
    if (confirmDeletion(FolderDeletion, folder.folder_name())) {
        zarv::data::DeleteFolderRequest request;
        request.set_folder_id(folder.folder_id());
        sendChange(common::DeleteFolder, common::Untagged, request);
    }
}

void DocumentBrowserView::deleteDocument(const zarv::data::Document& document)
{
    if (confirmDeletion(DocumentDeletion, document.document_name())) {
        zarv::data::DeleteDocumentRequest request;
        request.set_document_id(document.document_id());
        request.set_document_name(document.document_name());
        sendChange(common::DeleteDocument, common::Untagged, request);
    }
}

void DocumentBrowserView::moveFolder(const zarv::data::Folder& folder, int folderId)
{
    zarv::data::UpdateFolderRequest request;
    *request.mutable_folder() = folder;
    request.mutable_folder()->set_folder_parent_id(folderId);
    sendChange(common::UpdateFolder, common::MoveFolder, request);
}

void DocumentBrowserView::moveFolder(const zarv::data::Folder& folder)
{
    int folderId = 0;
    if (currentFolderId(folderId)) {
        moveFolder(folder, folderId);
    }
}

void DocumentBrowserView::moveDocument(const zarv::data::Document& document, int folderId)
{
    zarv::data::UpdateDocumentRequest request;
    *request.mutable_document() = document;
    request.mutable_document()->set_document_folder_id(folderId);
    sendChange(common::UpdateDocument, common::MoveDocument, request);
}

void DocumentBrowserView::moveDocument(const zarv::data::Document& document)
{
    int folderId = 0;
    if (currentFolderId(folderId)) {
        moveDocument(document, folderId);
    }
}

void DocumentBrowserView::copyDocument(const zarv::data::Document& document)
{
    auto* data = new QMimeData;
    data->setData(DocumentMimeType, QByteArray::fromStdString(document.SerializeAsString()));
    QApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

void DocumentBrowserView::pasteItem()
{
    const QMimeData* data = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data || !data->hasFormat(DocumentMimeType)) {
        return;
    }
    const QByteArray bytes = data->data(DocumentMimeType);
    zarv::data::Document source;
    if (bytes.isEmpty() || !source.ParseFromString(bytes.toStdString())) {
        m_statusBar->showMessage(tr("ClipboardDocumentUnreadable"));
        return;
    }
    int folderId = 0;
    if (!currentFolderId(folderId) || DbId(folderId).null()) {
        return;
    }
    const QString name = QStringLiteral("%1 - Copy (%2)")
                             .arg(QString::fromStdString(source.document_name()),
                                  QTime::fromMSecsSinceStartOfDay(
                                      static_cast<int>(common::Clock::localTime().time_of_day().total_milliseconds()))
                                      .toString(QStringLiteral("hh:mm:ss.zzz")));
    if (name.size() > MaxDocumentNameLength) {
        m_statusBar->showMessage(tr("PastedDocumentNameTooLong").arg(MaxDocumentNameLength));
        return;
    }
    // The clipboard may hold anything: the copy belongs to the user who
    // pastes it, and its body must be one the server can take.
    if (source.document_body().size() > static_cast<std::size_t>(MaxPastedBodyBytes)) {
        m_statusBar->showMessage(tr("DocumentOnClipboardTooLarge"));
        return;
    }
    zarv::data::InsertDocumentRequest request;
    zarv::data::Document& document = *request.mutable_document();
    document.set_document_user_id(LoggedOnUser().user_id());
    document.set_document_folder_id(folderId);
    document.set_document_name(name.toStdString());
    document.set_document_description(source.document_description());
    document.set_document_properties(source.document_properties());
    document.set_document_body(source.document_body());
    document.set_document_body_format(source.document_body_format());
    const std::string now = Now();
    document.set_document_creation_date(now);
    document.set_document_modification_date(now);
    const zarv::data::SecurityDescriptor& from = source.document_security_descriptor();
    zarv::data::SecurityDescriptor& to = *document.mutable_document_security_descriptor();
    to.set_active(from.active());
    to.set_active_region(from.active_region());
    to.set_active_from(from.active_from());
    to.set_active_to(from.active_to());
    to.set_audits(from.audits());
    to.set_password(from.password());
    to.set_permissions(from.permissions());
    to.set_session_duration(from.session_duration());
    to.set_expiration_date(from.expiration_date());
    to.set_expiration_action(from.expiration_action());
    sendChange(common::InsertDocument, common::Untagged, request);
}

void DocumentBrowserView::folderDocumentSearch()
{
    if (const QListWidgetItem* folderKeyItem = m_sidePane->getSelectedListWidgetItemType(FolderKeyItem)) {
        // The dialog keeps the record by reference.
        const auto folderKey = ItemRecord<zarv::data::FolderKey>(folderKeyItem, FolderKeyRole);
        FolderKeyDocumentSearchDialog dialog(folderKey, this);
        if (dialog.exec() == QDialog::Accepted) {
            const zarv::data::DocumentKeys chosen = dialog.selectedDocumentKeys();
            for (const zarv::data::DocumentKey& documentKey : chosen.document_key()) {
                openDocumentKey(documentKey);
            }
        }
        return;
    }
    const QListWidgetItem* folderItem = m_sidePane->getSelectedListWidgetItemType(HomeFolderItem);
    if (!folderItem) {
        folderItem = m_sidePane->getSelectedListWidgetItemType(FolderItem);
    }
    if (!folderItem) {
        return;
    }
    const auto folder = ItemRecord<zarv::data::Folder>(folderItem, FolderRole);
    FolderDocumentSearchDialog dialog(folder, this);
    if (dialog.exec() == QDialog::Accepted) {
        const zarv::data::Documents chosen = dialog.selectedDocuments();
        for (const zarv::data::Document& document : chosen.document()) {
            openDocument(document);
        }
    }
}

bool DocumentBrowserView::ownListing(const BusReply& bus)
{
    if (!m_sendingListing) {
        return false;
    }
    if (!Succeeded(bus)) {
        reportFailedReply(bus.majorOpcode, bus.minorOpcode, ReplyFailure{bus.majorErcode, bus.minorErcode});
        return false;
    }
    return true;
}

void DocumentBrowserView::documentsListed(const BusReply& bus, const zarv::data::SelectDocumentReply& reply)
{
    if (ownListing(bus)) {
        for (const zarv::data::Document& document : reply.document()) {
            emit addDocumentItem(document);
        }
    }
}

void DocumentBrowserView::foldersListed(const BusReply& bus, const zarv::data::SelectFolderReply& reply)
{
    if (ownListing(bus)) {
        for (const zarv::data::Folder& folder : reply.folder()) {
            emit addFolderItem(folder);
        }
    }
}

void DocumentBrowserView::groupKeysListed(const BusReply& bus, const zarv::data::SelectGroupKeyReply& reply)
{
    if (ownListing(bus)) {
        for (const zarv::data::GroupKey& groupKey : reply.group_key()) {
            emit addGroupKeyItem(groupKey);
        }
    }
}

void DocumentBrowserView::usersListed(const BusReply& bus, const zarv::data::SelectUserReply& reply)
{
    if (ownListing(bus)) {
        for (const zarv::data::User& user : reply.user()) {
            emit addUserItem(user);
        }
    }
}

void DocumentBrowserView::folderKeysListed(const BusReply& bus, const zarv::data::SelectFolderKeyReply& reply)
{
    if (ownListing(bus)) {
        for (const zarv::data::FolderKey& folderKey : reply.folder_key()) {
            emit addFolderKeyItem(folderKey);
            emit updateFolderKeyShortcutItem(folderKey);
        }
    }
}

void DocumentBrowserView::documentKeysListed(const BusReply& bus, const zarv::data::SelectDocumentKeyReply& reply)
{
    if (ownListing(bus)) {
        for (const zarv::data::DocumentKey& documentKey : reply.document_key()) {
            emit addDocumentKeyItem(documentKey);
        }
    }
}

void DocumentBrowserView::documentKeyUpdated(const BusReply& bus, const zarv::data::UpdateDocumentKeyReply&)
{
    zarv::data::UpdateDocumentKeyRequest request;
    if (Succeeded(bus) && ParseRequest(bus, request)) {
        emit updateDocumentKeyItem(request.document_key());
    }
}

void DocumentBrowserView::documentDeleted(const BusReply& bus, const zarv::data::DeleteDocumentReply&)
{
    if (!Succeeded(bus)) {
        reportRefusedChange(bus, QString());
        return;
    }
    zarv::data::DeleteDocumentRequest request;
    if (ParseRequest(bus, request)) {
        emit removeDocumentItem(request.document_id());
    }
}

void DocumentBrowserView::reportRefusedChange(const BusReply& bus, const QString& clash)
{
    if (!m_sendingChange) {
        return;
    }
    if (!clash.isEmpty()) {
        QMessageBox::information(this, QCoreApplication::applicationName(), clash);
    } else {
        reportFailedReply(bus.majorOpcode, bus.minorOpcode, ReplyFailure{bus.majorErcode, bus.minorErcode});
    }
}

void DocumentBrowserView::folderDeleted(const BusReply& bus, const zarv::data::DeleteFolderReply& reply)
{
    zarv::data::DeleteFolderRequest request;
    if (!ParseRequest(bus, request)) {
        return;
    }
    if (reply.return_code() != 0) {
        emit removeFolderItem(request.folder_id());
    } else {
        reportRefusedChange(bus, reply.sql_diag_rec().sqlc() == common::ForeignKeyViolation
                                     ? tr("CannotDeleteNonEmptyFolder")
                                     : QString());
    }
}

void DocumentBrowserView::folderInserted(const BusReply& bus, const zarv::data::InsertFolderReply& reply)
{
    zarv::data::InsertFolderRequest request;
    if (!ParseRequest(bus, request)) {
        return;
    }
    int folderId = 0;
    if (reply.return_code() != 0) {
        if (currentFolderId(folderId) && request.folder().folder_parent_id() == folderId) {
            zarv::data::Folder folder = request.folder();
            folder.set_folder_id(reply.folder_id());
            emit addFolderItem(folder);
        }
    } else {
        reportRefusedChange(bus,
                            reply.sql_diag_rec().sqlc() == common::UniqueViolation
                                ? tr("FolderAlreadyExists").arg(QString::fromStdString(request.folder().folder_name()))
                                : QString());
    }
}

void DocumentBrowserView::documentInserted(const BusReply& bus, const zarv::data::InsertDocumentReply& reply)
{
    zarv::data::InsertDocumentRequest request;
    if (!ParseRequest(bus, request)) {
        return;
    }
    int folderId = 0;
    if (reply.return_code() != 0) {
        if (currentFolderId(folderId) && request.document().document_folder_id() == folderId) {
            zarv::data::Document document = request.document();
            document.set_document_id(reply.document_id());
            emit addDocumentItem(document);
        }
    } else {
        reportRefusedChange(
            bus, reply.sql_diag_rec().sqlc() == common::UniqueViolation
                     ? tr("DocumentAlreadyExists").arg(QString::fromStdString(request.document().document_name()))
                     : QString());
    }
}

void DocumentBrowserView::folderUpdated(const BusReply& bus, const zarv::data::UpdateFolderReply& reply)
{
    zarv::data::UpdateFolderRequest request;
    if (!ParseRequest(bus, request)) {
        return;
    }
    const zarv::data::Folder& folder = request.folder();
    if (reply.return_code() == 0) {
        reportRefusedChange(bus, reply.sql_diag_rec().sqlc() == common::UniqueViolation
                                     ? tr("FolderAlreadyExists").arg(QString::fromStdString(folder.folder_name()))
                                     : QString());
        return;
    }
    int folderId = 0;
    switch (bus.minorOpcode) {
    case common::RenameFolder:
        if (folder.has_folder_name()) {
            emit renameFolderItem(folder);
        }
        break;
    case common::RedescribeFolder:
        if (folder.has_folder_description()) {
            emit redescribeFolderItem(folder);
        }
        break;
    case common::MoveFolder:
        if (!currentFolderId(folderId) || folder.folder_id() == folderId) {
            break;
        }
        if (folder.folder_parent_id() == folderId) {
            emit addFolderItem(folder);
        } else {
            emit removeFolderItem(folder.folder_id());
        }
        break;
    default:
        break;
    }
}

void DocumentBrowserView::documentUpdated(const BusReply& bus, const zarv::data::UpdateDocumentReply& reply)
{
    zarv::data::UpdateDocumentRequest request;
    if (!ParseRequest(bus, request)) {
        return;
    }
    const zarv::data::Document& document = request.document();
    if (reply.return_code() == 0) {
        reportRefusedChange(bus, reply.sql_diag_rec().sqlc() == common::UniqueViolation
                                     ? tr("DocumentAlreadyExists").arg(QString::fromStdString(document.document_name()))
                                     : QString());
        return;
    }
    emit updateDocumentItem(document);
    int folderId = 0;
    if (bus.minorOpcode == common::MoveDocument && currentFolderId(folderId)) {
        if (document.document_folder_id() == folderId) {
            emit addDocumentItem(document);
        } else {
            emit removeDocumentItem(document.document_id());
        }
    }
}
