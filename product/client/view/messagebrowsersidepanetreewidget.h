#pragma once

#include "library/gui/abstractpanetreewidget.h"

#include "message3.pb.h"
#include "messagefolder3.pb.h"

#include <optional>

class QContextMenuEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;

// The message browser's tree of the logged-on user's message folders: the
// root "Messages", which stands for the user's root message folder, and one
// level of folders under it. It only emits signals; the window sends the
// requests and feeds the replies back through the slots. A message dropped
// on the root or on a folder it does not lie in asks to be moved there.
class MessageBrowserSidePaneTreeWidget : public AbstractSidePaneTreeWidget
{
    Q_OBJECT

public:
    enum ItemType
    {
        RootMessageFolderItem = 2012,
        MessageFolderItem = 2013
    };
    // Column 0 of the root and of every folder keeps its MessageFolder here.
    static constexpr int MessageFolderRole = Qt::UserRole + 10;

    explicit MessageBrowserSidePaneTreeWidget(QWidget* parent);
    ~MessageBrowserSidePaneTreeWidget() override;

    QTreeWidgetItem* rootItem() const { return m_rootItem; }

signals:
    void messagesSelected();
    void messageFolderItemSelected(const zarv::data::MessageFolder& messageFolder);
    void newMessage(int messageFolderId);
    void newMessageFolder(int messageFolderParentId);
    void moveMessage(const zarv::data::Message& message, int messageFolderId);
    void editMessageFolder(const zarv::data::MessageFolder& messageFolder);
    void deleteMessageFolder(const zarv::data::MessageFolder& messageFolder);

public slots:
    void hidePane();
    void showPane();
    // Deletes every folder item; the root stays.
    void resetPane();
    void newMessage();
    void itemClicked(QTreeWidgetItem* item);
    // New folders always go directly under the root, whatever is selected.
    void newMessageFolder();
    void editMessageFolder();
    void deleteMessageFolder();
    // Only a folder whose parent is the user's root message folder is added;
    // no test for an item of the same id is made.
    void addMessageFolderItem(const zarv::data::MessageFolder& messageFolder);
    void updateMessageFolderItem(const zarv::data::MessageFolder& messageFolder);
    // Leaves the root current, without emitting any of the pane's signals.
    void removeMessageFolderItem(int messageFolderId);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The keyboard never moves the current item.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    QTreeWidgetItem* findFolderItem(int messageFolderId) const;

    QTreeWidgetItem* const m_rootItem;
};

// A folder's record as an item keeps it; nothing when it keeps none.
std::optional<zarv::data::MessageFolder> MessageFolderOf(const QTreeWidgetItem* item);
