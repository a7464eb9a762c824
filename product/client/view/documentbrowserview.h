#pragma once

#include "library/gui/abstractbrowserview.h"
#include "product/client/view/mainpanelistwidget.h"
#include "product/client/view/sidepanelistwidget.h"

#include "deletedocumentreply3.pb.h"
#include "deletefolderreply3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertfolderreply3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectgroupkeyreply3.pb.h"
#include "selectuserreply3.pb.h"
#include "updatedocumentkeyreply3.pb.h"
#include "updatedocumentreply3.pb.h"
#include "updatefolderreply3.pb.h"

#include <QClipboard>

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace google::protobuf {
class Message;
}

class QAction;
class SessionDuration;

namespace browser {

// The document browser's actions that switch with what is selected or open.
enum BrowserAction
{
    NewFolder,
    NewDocument,
    Open,
    Copy,
    Paste,
    Delete,
    Rename,
    Redescribe,
    OpenKeyring,
    Search,
    ActionCount
};

// What a row of the browser's action table does to one action.
enum class Switch
{
    Keep,
    Off,
    On,
    // On when the clipboard offers a document.
    Clip,
    // On when the key grants the search permission.
    KeySearch,
    // On when a folder is open.
    IfFolderOpen,
    // On when a folder is open and the clipboard offers a document.
    ClipIfFolderOpen
};

using ActionRow = std::array<Switch, ActionCount>;

}  // namespace browser

// The window in which the user browses his home folder, the folders and
// documents that others opened to him through keys, and his home groups with
// their users. The side pane holds the entry points, the main pane what was
// opened. The window sends its requests on the bus and fills its panes from
// the replies that pass: a listing only from the replies to its own requests,
// a change of a stored folder, document or key from every reply, so that
// every open browser follows it. A box about a refused change shows only in
// the browser that asked for it.
class DocumentBrowserView : public AbstractBrowserView<MainPaneListWidget, SidePaneListWidget>
{
    Q_OBJECT

public:
    explicit DocumentBrowserView(QWidget* parent);
    ~DocumentBrowserView() override;

    // Stops the countdown and empties the main pane.
    void reset();
    // The folder of the side pane's selected Home Folder or folder entry; a
    // folder-key shortcut is no open folder.
    bool currentFolderId(int& folderId) const;

    // Sends a request that changes a stored folder, document or key; a name
    // clash or a non-empty folder in its reply is told here alone.
    void sendChange(common::Opcode majorOpcode, common::Opcode minorOpcode, const google::protobuf::Message& request);

    QAction* action(browser::BrowserAction action) const { return m_actions[action]; }

signals:
    void addFolderItem(const zarv::data::Folder& folder);
    void renameFolderItem(const zarv::data::Folder& folder);
    void redescribeFolderItem(const zarv::data::Folder& folder);
    void removeFolderItem(int folderId);
    void addDocumentItem(const zarv::data::Document& document);
    void updateDocumentItem(const zarv::data::Document& document);
    void removeDocumentItem(int documentId);
    void addGroupKeyItem(const zarv::data::GroupKey& groupKey);
    void addUserItem(const zarv::data::User& user);
    void addFolderKeyItem(const zarv::data::FolderKey& folderKey);
    void addFolderKeyShortcutItem(const zarv::data::FolderKey& folderKey);
    void updateFolderKeyShortcutItem(const zarv::data::FolderKey& folderKey);
    void addDocumentKeyItem(const zarv::data::DocumentKey& documentKey);
    void updateDocumentKeyItem(const zarv::data::DocumentKey& documentKey);

public slots:
    void receiveEvent(QUENLARK_BUS_EVENT_PARAMETERS) override;

    // Which actions apply to what is selected.
    void noItemSelected();
    void folderItemSelected(const zarv::data::Folder& folder);
    void documentItemSelected(const zarv::data::Document& document);
    void groupKeyItemSelected(const zarv::data::GroupKey& groupKey);
    void userItemSelected(const zarv::data::User& user);
    void folderKeyItemSelected(const zarv::data::FolderKey& folderKey);
    void documentKeyItemSelected(const zarv::data::DocumentKey& documentKey);
    void folderShortcutItemSelected(const zarv::data::Folder& folder);
    void folderKeyShortcutItemSelected(const zarv::data::FolderKey& folderKey);
    void clipboardChanged(QClipboard::Mode mode);

    // Navigation: each empties the main pane and stops the countdown, then
    // asks for what fills it.
    void openHomeFolder();
    void openFolder(const zarv::data::Folder& folder);
    void openHomeGroups();
    void openGroupKey(const zarv::data::GroupKey& groupKey);
    void openUser(const zarv::data::User& user);
    // The key's folder keys, then its document keys, and its countdown; a key
    // that its opener refuses leaves the pane empty.
    void openFolderKey(const zarv::data::FolderKey& folderKey);
    // These ask the managers for an editor or a keyring.
    void openDocument(const zarv::data::Document& document);
    void openDocumentKey(const zarv::data::DocumentKey& documentKey);
    void openFolderKeyring(const zarv::data::Folder& folder);
    void openDocumentKeyring(const zarv::data::Document& document);

    // The operations on the user's folders and documents: each asks what it
    // needs, builds one request and sends it as a change; the panes follow
    // the reply.
    void newFolder();
    void newDocument();
    void renameFolder(const zarv::data::Folder& folder);
    void redescribeFolder(const zarv::data::Folder& folder);
    void renameDocument(const zarv::data::Document& document);
    void redescribeDocument(const zarv::data::Document& document);
    void deleteFolder(const zarv::data::Folder& folder);
    void deleteDocument(const zarv::data::Document& document);
    // Without a folder id, to the open folder, if any.
    void moveFolder(const zarv::data::Folder& folder, int folderId);
    void moveFolder(const zarv::data::Folder& folder);
    void moveDocument(const zarv::data::Document& document, int folderId);
    void moveDocument(const zarv::data::Document& document);
    // The whole record on the clipboard, as a document only.
    void copyDocument(const zarv::data::Document& document);
    // A new document in the open folder from the clipboard's, named as its
    // copy at this time.
    void pasteItem();
    // Opens the documents that the user finds in the selected folder, or
    // through the selected folder key.
    void folderDocumentSearch();

private:
    using Action = browser::BrowserAction;
    using ActionRow = browser::ActionRow;

    void apply(const ActionRow& row, bool keySearch = false);
    // The trimmed text that the user enters for a rename or redescription;
    // nothing when cancelled or blank (blank is warned about).
    std::optional<QString> askText(int prompt, const std::string& initial);
    // Whether the user confirms a deletion of the named record.
    bool confirmDeletion(int deletion, const std::string& name);

    void initializeWindow();
    void initializeSidePane();
    void initializeMainPane();
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeStandardToolBar();

    // Sends a request whose reply fills this browser.
    void sendListing(common::Opcode majorOpcode, common::Opcode minorOpcode, const google::protobuf::Message& request);
    // Whether a listing reply is this browser's: a failed one is told on the
    // status bar.
    bool ownListing(const BusReply& bus);
    // Only the browser that sent a refused change tells it: the clash in a
    // box, any other refusal on the status bar.
    void reportRefusedChange(const BusReply& bus, const QString& clash);

    void documentsListed(const BusReply& bus, const zarv::data::SelectDocumentReply& reply);
    void foldersListed(const BusReply& bus, const zarv::data::SelectFolderReply& reply);
    void groupKeysListed(const BusReply& bus, const zarv::data::SelectGroupKeyReply& reply);
    void usersListed(const BusReply& bus, const zarv::data::SelectUserReply& reply);
    void folderKeysListed(const BusReply& bus, const zarv::data::SelectFolderKeyReply& reply);
    void documentKeysListed(const BusReply& bus, const zarv::data::SelectDocumentKeyReply& reply);
    void documentKeyUpdated(const BusReply& bus, const zarv::data::UpdateDocumentKeyReply& reply);
    void documentDeleted(const BusReply& bus, const zarv::data::DeleteDocumentReply& reply);
    void folderDeleted(const BusReply& bus, const zarv::data::DeleteFolderReply& reply);
    void folderInserted(const BusReply& bus, const zarv::data::InsertFolderReply& reply);
    void documentInserted(const BusReply& bus, const zarv::data::InsertDocumentReply& reply);
    void folderUpdated(const BusReply& bus, const zarv::data::UpdateFolderReply& reply);
    void documentUpdated(const BusReply& bus, const zarv::data::UpdateDocumentReply& reply);

    std::array<QAction*, browser::ActionCount> m_actions;
    QAction* m_closeAction;
    QAction* m_aboutAction;
    std::unique_ptr<SessionDuration> m_sessionDuration;
    // While this browser's own listing or change request is on the bus.
    bool m_sendingListing = false;
    bool m_sendingChange = false;
};
