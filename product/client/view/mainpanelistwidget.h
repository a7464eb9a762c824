#pragma once

#include "library/gui/abstractpanelistwidget.h"
#include "product/client/view/browseritems.h"

#include <QHash>

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

public slots:
    // With exactly one item selected, the signal of its kind with its record;
    // otherwise noItemSelected.
    void itemSelectionChanged();
    // Folders, folder keys, group keys and users become side-pane shortcuts
    // before they are opened; documents and document keys do not.
    void openItem(QListWidgetItem* item);
    // The selected item, when exactly one is selected.
    void openItem();

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
};
