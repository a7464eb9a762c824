#pragma once

#include "library/gui/abstractpanetreewidget.h"

#include "message3.pb.h"

#include <QHash>
#include <QList>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <optional>

class QContextMenuEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;
class QMouseEvent;

// The message browser's list of the messages of one folder: one top-level
// row per message, with a collapsed "Permissions" group of nine check rows
// under it that the author of the message may tick. Every row keeps two
// copies of its message: the saved one, as last built from a server record,
// and the edited one, whose permission bits follow the check boxes.
//
// Building or refreshing a row asks the server for the message's TO
// addressees (one synchronous call). Rows are found by message id through an
// index kept with them, and a new row is placed at once where the header's
// sort order puts it.
class MessageBrowserMainPaneTreeWidget : public AbstractMainPaneTreeWidget
{
    Q_OBJECT

public:
    // Item data of column 0.
    static constexpr int SavedMessageRole = Qt::UserRole;
    static constexpr int EditedMessageRole = Qt::UserRole + 1;
    static constexpr int ItemKindRole = Qt::UserRole + 2;

    enum ItemKind
    {
        MessageKind = 0,
        PermissionsKind = 1,
        // The nine permission rows are kinds 2 to 10, in the order of the
        // permissions group.
        FirstPermissionKind = 2,
        LastPermissionKind = 10
    };

    // The extra distance a press must travel, beyond the platform's start-drag
    // distance, before a row is dragged.
    static constexpr int ExtraDragDistance = 25;
    // Whether a press that moved this far starts a drag.
    static bool IsDragDistance(const QPoint& moved);

    explicit MessageBrowserMainPaneTreeWidget(QWidget* parent);
    ~MessageBrowserMainPaneTreeWidget() override;

    // The message row of a row or of one of its child rows; null, with a
    // warning, for an item of no known kind.
    QTreeWidgetItem* getTopLevelItem(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* getTopLevelItem(QTreeWidgetItem* item) const;

    // A row is modified while the permissions of its edited copy differ from
    // those of its saved copy. The forms with an item take the row of a
    // message of this list and throw std::bad_alloc for any other item.
    bool isMessageModified(const QTreeWidgetItem* item, zarv::data::Message& edited, zarv::data::Message& saved) const;
    bool isMessageModified(const QTreeWidgetItem* item) const;
    bool isMessageModified() const;
    // Appends the subject of every modified row in display order; the list is
    // not cleared first.
    bool isMessageModified(QList<QString>& subjects) const;

    // Shows a received unread message as read, in its texts and both copies.
    void handleOpenMessage(const zarv::data::Message& message);

    // The message that a drop moves into the list's folder: a move of a
    // message payload dragged from another message list, lying in another
    // folder. Nothing for a drop that is to be ignored.
    std::optional<zarv::data::Message>
    acceptedDrop(const QObject* source, Qt::DropAction action, const QMimeData* mimeData) const;

    // The row of the message id, or null.
    QTreeWidgetItem* findMessageItem(int messageId) const;
    // The folder whose messages the list shows.
    int messageFolderId() const { return m_messageFolderId; }

signals:
    void editMessage(const zarv::data::Message& message);
    void updateMessage(const zarv::data::Message& message);
    void deleteMessage(const zarv::data::Message& message);
    void moveMessage(const zarv::data::Message& message, int messageFolderId);
    void resetMessageViewerPane();

public slots:
    void hidePane();
    void showPane();
    void resetPane(int messageFolderId);
    // The same with the user's root message folder.
    void resetPane();
    void editMessage();
    void deleteMessage();
    // Refreshes the row of a listed id in place, otherwise builds a new row
    // and makes it current.
    void addMessageItem(const zarv::data::Message& message);
    void updateMessageItem(const zarv::data::Message& message);
    // Folds the check states of the row's permission rows into its edited
    // copy.
    void updateMessageItem(QTreeWidgetItem* item, int column = 0);
    // Keeps or refreshes the row when the message now lies in the list's
    // folder, otherwise removes it.
    void moveMessageItem(const zarv::data::Message& message);
    void removeMessageItem(int messageId);
    void removeMessageFolderMessageItems(int messageFolderId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The order of the header's sort indicator, which the rows always keep.
    bool sortsBefore(const QTreeWidgetItem& left, const QTreeWidgetItem& right) const;
    int sortedPosition(const QTreeWidgetItem& item) const;
    bool isInOrder(QTreeWidgetItem* item) const;
    void sortMessageItems(int column, Qt::SortOrder order);
    QTreeWidgetItem* createMessageTreeWidgetItem(const zarv::data::Message& message);
    // The texts of columns 0, 1, 2 and 4, and the icon.
    void setMessageTexts(QTreeWidgetItem* item, const zarv::data::Message& message);
    void setCheckStates(QTreeWidgetItem* item, const zarv::data::Message& message);
    void deleteMessageItem(QTreeWidgetItem* item);
    void performDrag();
    void fitColumns();

    QPoint m_pressPosition;
    int m_messageFolderId = 0;
    QHash<int, QTreeWidgetItem*> m_itemsById;
    QTimer m_fitColumnsTimer;
};

// The record that a row keeps under the role; an empty record when it keeps
// none.
zarv::data::Message MessageOf(const QTreeWidgetItem* item, int role);
