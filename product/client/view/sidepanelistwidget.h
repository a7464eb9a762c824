#pragma once

#include "library/gui/abstractpanelistwidget.h"
#include "product/client/view/browseritems.h"

#include <QModelIndex>

#include <optional>

class QMimeData;

namespace browser {

// Whether the side pane takes a drag: a move, from a list of the application
// other than the pane itself, carrying a document or a folder; over an entry
// (`onTarget`) it must also be the Home Folder entry or a folder shortcut,
// `targetType` being the type of the entry under the pointer, if any.
bool SidePaneTakesDrag(Qt::DropAction proposedAction,
                       bool fromAnotherList,
                       const QMimeData& data,
                       bool onTarget,
                       std::optional<int> targetType);

}  // namespace browser

// The document browser's side pane: Home Folder and Home Groups, then the
// shortcuts to the folders, folder keys, group keys and users that the user
// opened. One click opens an entry; a document or folder dragged from a main
// pane onto Home Folder or a folder shortcut is to be moved there. The pane
// sends nothing itself and speaks to its window through signals.
class SidePaneListWidget : public AbstractSidePaneListWidget
{
    Q_OBJECT

public:
    explicit SidePaneListWidget(QWidget* parent);
    ~SidePaneListWidget() override;

    // The selected entry when exactly one is selected and it is of this type.
    QListWidgetItem* getSelectedListWidgetItemType(browser::ItemType type) const;

signals:
    void openHomeFolder();
    void openHomeGroups();
    void folderShortcutItemSelected(const zarv::data::Folder& folder);
    void folderKeyShortcutItemSelected(const zarv::data::FolderKey& folderKey);
    void groupKeyItemSelected(const zarv::data::GroupKey& groupKey);
    void userItemSelected(const zarv::data::User& user);
    void openFolder(const zarv::data::Folder& folder);
    void openGroupKey(const zarv::data::GroupKey& groupKey);
    void openUser(const zarv::data::User& user);
    void openFolderKey(const zarv::data::FolderKey& folderKey);
    void moveDocument(const zarv::data::Document& document, int folderId);
    void moveFolder(const zarv::data::Folder& folder, int folderId);

public slots:
    // Says what the entry stands for, then asks to open it.
    void open(QListWidgetItem* item);
    // Adds a shortcut, or finds the one already there unchanged; either
    // becomes the selected entry, except an inactive folder key, whose entry
    // is greyed out and leaves the selection as it was.
    void addFolderShortcutItem(const zarv::data::Folder& folder);
    void addGroupKeyShortcutItem(const zarv::data::GroupKey& groupKey);
    void addUserShortcutItem(const zarv::data::User& user);
    void addFolderKeyShortcutItem(const zarv::data::FolderKey& folderKey);
    // The shortcut of the key's folder keeps the fresh key.
    void updateFolderKeyShortcutItem(const zarv::data::FolderKey& folderKey);
    void renameFolderShortcutItem(const zarv::data::Folder& folder);
    void redescribeFolderShortcutItem(const zarv::data::Folder& folder);
    void removeFolderShortcutItem(int folderId);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The entries are chosen by pointer only.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    // The first shortcut of this type whose record has this identity, or null.
    QListWidgetItem* findShortcut(browser::ItemType type, int identity) const;
    QListWidgetItem* appendShortcut(browser::ItemType type, const QString& text, int role, const QVariant& record);
    bool takesDrag(const QDropEvent& event, bool onTarget) const;
};
