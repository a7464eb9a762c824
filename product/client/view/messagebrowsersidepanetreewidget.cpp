#include "product/client/view/messagebrowsersidepanetreewidget.h"

#include "library/core/lib/registry.h"
#include "library/core/proxy/messagereader.h"
#include "product/client/view/messagebrowserdrag.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QIcon>
#include <QSignalBlocker>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

namespace {

const QString RootIcon = QStringLiteral(":icons/32x32/messages.png");
const QString FolderIcon = QStringLiteral(":icons/32x32/message-folder.png");

const zarv::data::User& LoggedOnUser()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser();
}

}  // namespace

std::optional<zarv::data::MessageFolder> MessageFolderOf(const QTreeWidgetItem* item)
{
    const QVariant value = item ? item->data(0, MessageBrowserSidePaneTreeWidget::MessageFolderRole) : QVariant();
    if (!value.canConvert<zarv::data::MessageFolder>()) {
        return std::nullopt;
    }
    return value.value<zarv::data::MessageFolder>();
}

MessageBrowserSidePaneTreeWidget::MessageBrowserSidePaneTreeWidget(QWidget* parent)
    : AbstractSidePaneTreeWidget(parent)
    , m_rootItem(new QTreeWidgetItem(this, RootMessageFolderItem))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    header()->hide();

    const zarv::data::User& user = LoggedOnUser();
    zarv::data::MessageFolder root;
    root.set_message_folder_id(user.user_message_folder_id());
    root.set_message_folder_user_id(user.user_id());
    root.set_message_folder_description(tr("RootMessageFolder").toStdString());
    m_rootItem->setText(0, tr("Messages"));
    m_rootItem->setData(0, MessageFolderRole, QVariant::fromValue(root));
    m_rootItem->setIcon(0, QIcon(RootIcon));

    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) { itemClicked(item); });
}

MessageBrowserSidePaneTreeWidget::~MessageBrowserSidePaneTreeWidget() = default;

void MessageBrowserSidePaneTreeWidget::hidePane()
{
    hide();
}

void MessageBrowserSidePaneTreeWidget::showPane()
{
    m_rootItem->setSelected(true);
    scrollToTop();
    m_rootItem->setExpanded(true);
    show();
}

void MessageBrowserSidePaneTreeWidget::resetPane()
{
    qDeleteAll(m_rootItem->takeChildren());
}

void MessageBrowserSidePaneTreeWidget::itemClicked(QTreeWidgetItem* item)
{
    if (item && item->type() == RootMessageFolderItem) {
        emit messagesSelected();
    } else if (item && item->type() == MessageFolderItem) {
        if (const auto folder = MessageFolderOf(item)) {
            emit messageFolderItemSelected(*folder);
        }
    }
    m_rootItem->setExpanded(true);
}

void MessageBrowserSidePaneTreeWidget::newMessage()
{
    if (const auto folder = MessageFolderOf(getSelectedTreeWidgetItem())) {
        emit newMessage(folder->message_folder_id());
    }
}

void MessageBrowserSidePaneTreeWidget::newMessageFolder()
{
    emit newMessageFolder(LoggedOnUser().user_message_folder_id());
}

void MessageBrowserSidePaneTreeWidget::editMessageFolder()
{
    const QTreeWidgetItem* item = getSelectedTreeWidgetItem();
    if (item && item->type() == MessageFolderItem) {
        if (const auto folder = MessageFolderOf(item)) {
            emit editMessageFolder(*folder);
        }
    }
}

void MessageBrowserSidePaneTreeWidget::deleteMessageFolder()
{
    const QTreeWidgetItem* item = getSelectedTreeWidgetItem();
    if (item && item->type() == MessageFolderItem) {
        if (const auto folder = MessageFolderOf(item)) {
            emit deleteMessageFolder(*folder);
        }
    }
}

void MessageBrowserSidePaneTreeWidget::addMessageFolderItem(const zarv::data::MessageFolder& messageFolder)
{
    if (messageFolder.message_folder_parent_id() != LoggedOnUser().user_message_folder_id()) {
        return;
    }
    auto* item = new QTreeWidgetItem(m_rootItem, MessageFolderItem);
    item->setText(0, QString::fromStdString(messageFolder.message_folder_name()));
    item->setData(0, MessageFolderRole, QVariant::fromValue(messageFolder));
    item->setIcon(0, QIcon(FolderIcon));
    scrollToItem(item);
}

QTreeWidgetItem* MessageBrowserSidePaneTreeWidget::findFolderItem(int messageFolderId) const
{
    for (int index = 0; index < m_rootItem->childCount(); ++index) {
        QTreeWidgetItem* item = m_rootItem->child(index);
        const auto folder = MessageFolderOf(item);
        if (item->type() == MessageFolderItem && folder && folder->message_folder_id() == messageFolderId) {
            return item;
        }
    }
    return nullptr;
}

void MessageBrowserSidePaneTreeWidget::updateMessageFolderItem(const zarv::data::MessageFolder& messageFolder)
{
    if (QTreeWidgetItem* item = findFolderItem(messageFolder.message_folder_id())) {
        item->setText(0, QString::fromStdString(messageFolder.message_folder_name()));
        item->setData(0, MessageFolderRole, QVariant::fromValue(messageFolder));
    }
}

void MessageBrowserSidePaneTreeWidget::removeMessageFolderItem(int messageFolderId)
{
    QTreeWidgetItem* item = findFolderItem(messageFolderId);
    if (!item) {
        return;
    }
    const QSignalBlocker blocker(this);
    delete item;
    setCurrentItem(m_rootItem);
}

void MessageBrowserSidePaneTreeWidget::contextMenuEvent(QContextMenuEvent*) {}

void MessageBrowserSidePaneTreeWidget::dragEnterEvent(QDragEnterEvent* event)
{
    AcceptMessageDrag(event);
}

void MessageBrowserSidePaneTreeWidget::dragMoveEvent(QDragMoveEvent* event)
{
    AcceptMessageDrag(event);
}

void MessageBrowserSidePaneTreeWidget::dropEvent(QDropEvent* event)
{
    event->ignore();
    if (event->proposedAction() != Qt::MoveAction) {
        return;
    }
    const QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (!item || (item->type() != RootMessageFolderItem && item->type() != MessageFolderItem)) {
        return;
    }
    const auto message = MessageFromMimeData(event->mimeData());
    const auto folder = MessageFolderOf(item);
    if (!message || !folder || MessageReader(*message).folderId() == folder->message_folder_id()) {
        return;
    }
    event->acceptProposedAction();
    emit moveMessage(*message, folder->message_folder_id());
}

QModelIndex MessageBrowserSidePaneTreeWidget::moveCursor(CursorAction, Qt::KeyboardModifiers)
{
    return QModelIndex();
}
