#pragma once

#include "library/gui/abstractpanelistwidget.h"
#include "product/client/view/browseritems.h"

#include <QHash>
#include <QPoint>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace browser {

// The tags of the main pane's context-menu entries: the operation codes of
// what each entry starts. 0 stands for a separator.
enum MenuTag
{
    Separator = 0,
    DeleteDocumentTag = 7,
    DeleteFolderTag = 10,
    DocumentKeyringTag = 36,
    FolderKeyringTag = 39,
    CopyDocumentTag = -3,
    OpenDocumentKeyTag = -33,
    OpenDocumentTag = -35,
    OpenFolderKeyTag = -36,
    OpenFolderTag = -38,
    OpenGroupKeyTag = -39,
    OpenUserTag = -44,
    RedescribeDocumentTag = -45,
    RedescribeFolderTag = -46,
    RenameDocumentTag = -48,
    RenameFolderTag = -49
};

// The pane's context-menu entries.
enum MenuEntry
{
    OpenEntry,
    CopyEntry,
    DeleteEntry,
    RenameEntry,
    RedescribeEntry,
    OpenKeyringEntry,
    MenuEntryCount
};

// The entries of an item's menu from top to bottom; a key item has its Open
// entry only when the key grants the view permission (`viewPermitted`).
std::vector<MenuTag> ContextMenuTags(int itemType, bool viewPermitted);
// The entry that a tag stands for.
MenuEntry EntryOfTag(MenuTag tag);

}  // namespace browser

// The document browser's main pane: the subfolders and documents of a
// folder, the keys that the user holds, the user's home groups or the users
// of a group. Every item keeps its whole record, so that whatever the user
// does with it works from the item alone; the pane sends nothing itself and
// speaks to its window through signals. Key items are tested against the
// key's rules when they are added: a key that cannot be used now is greyed
// out with the reason as its tool tip, an expired one is not shown.
//
// Each kind of item is found by the identity of its record through an index
// that follows every addition and removal, however the item goes.
class MainPaneListWidget : public AbstractMainPaneListWidget
{
    Q_OBJECT

public:
    explicit MainPaneListWidget(QWidget* parent);
    ~MainPaneListWidget() override;

    // The item that shows the record of this kind and identity, or null.
    QListWidgetItem* findItem(browser::ItemType type, int identity) const;

signals:
    void noItemSelected();
    void folderItemSelected(const zarv::data::Folder& folder);
    void documentItemSelected(const zarv::data::Document& document);
    void groupKeyItemSelected(const zarv::data::GroupKey& groupKey);
    void userItemSelected(const zarv::data::User& user);
    void folderKeyItemSelected(const zarv::data::FolderKey& folderKey);
    void documentKeyItemSelected(const zarv::data::DocumentKey& documentKey);
    void addFolderShortcutItem(const zarv::data::Folder& folder);
    void addGroupKeyShortcutItem(const zarv::data::GroupKey& groupKey);
    void addUserShortcutItem(const zarv::data::User& user);
    void addFolderKeyShortcutItem(const zarv::data::FolderKey& folderKey);
    void removeFolderShortcutItem(int folderId);
    void renameFolderShortcutItem(const zarv::data::Folder& folder);
    void redescribeFolderShortcutItem(const zarv::data::Folder& folder);
    void openFolder(const zarv::data::Folder& folder);
    void openDocument(const zarv::data::Document& document);
    void openGroupKey(const zarv::data::GroupKey& groupKey);
    void openUser(const zarv::data::User& user);
    void openFolderKey(const zarv::data::FolderKey& folderKey);
    void openDocumentKey(const zarv::data::DocumentKey& documentKey);
    void copyDocument(const zarv::data::Document& document);
    void deleteFolder(const zarv::data::Folder& folder);
    void deleteDocument(const zarv::data::Document& document);
    void renameFolder(const zarv::data::Folder& folder);
    void renameDocument(const zarv::data::Document& document);
    void redescribeFolder(const zarv::data::Folder& folder);
    void redescribeDocument(const zarv::data::Document& document);
    void openFolderKeyring(const zarv::data::Folder& folder);
    void openDocumentKeyring(const zarv::data::Document& document);
    void moveFolder(const zarv::data::Folder& folder, int folderId);
    void moveFolder(const zarv::data::Folder& folder);
    void moveDocument(const zarv::data::Document& document, int folderId);
    void moveDocument(const zarv::data::Document& document);

public slots:
    // With exactly one item selected, the signal of its kind with its record;
    // otherwise noItemSelected.
    void itemSelectionChanged();
    // Folders, folder keys, group keys and users become side-pane shortcuts
    // before they are opened; documents and document keys do not.
    void openItem(QListWidgetItem* item);
    // The selected item, when exactly one is selected.
    void openItem();
    // The operations on folders and documents; nothing for other items, and
    // the no-argument forms nothing unless exactly one item is selected.
    void copyItem(QListWidgetItem* item);
    void copyItem();
    void deleteItem();
    void renameItem();
    void redescribeItem();
    void openItemKeyring();
    // Starts a drag of the current folder or document.
    void performDrag();

    // Appended unless an item of the same record is there.
    void addFolderItem(const zarv::data::Folder& folder);
    // The folder, its subfolders and its documents; the side pane follows.
    void removeFolderItem(int folderId);
    void renameFolderItem(const zarv::data::Folder& folder);
    void redescribeFolderItem(const zarv::data::Folder& folder);
    void addDocumentItem(const zarv::data::Document& document);
    void removeDocumentItem(int documentId);
    void updateDocumentItem(const zarv::data::Document& document);
    void addGroupKeyItem(const zarv::data::GroupKey& groupKey);
    void addUserItem(const zarv::data::User& user);
    // Appended, tested again when shown already, or removed once expired.
    void addFolderKeyItem(const zarv::data::FolderKey& folderKey);
    void addDocumentKeyItem(const zarv::data::DocumentKey& documentKey);
    // The emphasis follows the key's property word.
    void updateDocumentKeyItem(const zarv::data::DocumentKey& documentKey);

public:
    void deleteItem(QListWidgetItem* item);
    void renameItem(QListWidgetItem* item);
    void redescribeItem(QListWidgetItem* item);
    void openItemKeyring(QListWidgetItem* item);
    // Runs the context-menu entry of this tag on the item.
    void dispatchMenuTag(browser::MenuTag tag, QListWidgetItem* item);
    // The menu for what is selected now, or null when there is none: the
    // window's Paste, New Folder and New Document over empty space.
    std::unique_ptr<QMenu> contextMenu();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    template <typename Record, typename Adapter, typename Validator>
    friend void AddKeyItem(MainPaneListWidget* pane, const Record& key);

    // A new item of this kind and identity, not in the list yet: it is filled
    // before it joins, so that the view hears of it once.
    static QListWidgetItem* newItem(browser::ItemType type, int identity, const QString& text);
    // Appends the filled item and indexes it.
    void appendItem(QListWidgetItem* item);
    void forgetRows(int first, int last);

    QHash<int, QHash<int, QListWidgetItem*>> m_index;
    std::array<QAction*, browser::MenuEntryCount> m_menuActions;
    QPoint m_dragStartPoint;
};
