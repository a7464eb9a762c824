#include "product/client/view/messagebrowsermainpanetreewidget.h"

#include "library/core/lib/registry.h"
#include "library/core/proxy/keyreader.h"
#include "library/core/proxy/messagereader.h"
#include "library/core/proxy/messagewriter.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/linguist.h"
#include "library/gui/resourceicon.h"
#include "library/gui/textreader.h"
#include "product/client/view/messagebrowserdrag.h"
#include "product/client/view/messageviewer.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFont>
#include <QHeaderView>
#include <QIcon>
#include <QMouseEvent>
#include <QPixmap>

#include <ace/Log_Msg.h>
#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <iterator>
#include <new>

namespace {

enum Column
{
    ToColumn = 0,
    FromColumn = 1,
    SubjectColumn = 2,
    CreatedColumn = 3,
    ModifiedColumn = 4
};

// The permission rows in group order: their label id and the bit they show.
struct PermissionRow
{
    const char* label;
    MessageProxy::Permission bit;
};

const PermissionRow PermissionRows[] = {
    {"View", MessageProxy::View},
    {"CopyToClipboard", MessageProxy::CopyToClipboard},
    {"ExportToTextFile", MessageProxy::ExportToTextFile},
    {"ExportToPdfFile", MessageProxy::ExportToPdfFile},
    {"Print", MessageProxy::Print},
    {"Search", MessageProxy::Search},
    {"Reply", MessageProxy::Reply},
    {"ReplyAll", MessageProxy::ReplyAll},
    {"Forward", MessageProxy::Forward},
};
constexpr int PermissionRowCount = static_cast<int>(std::size(PermissionRows));

constexpr int Unread = 1 << 0;

const QString DragPixmap = QStringLiteral(":icons/32x32/message.png");

const zarv::data::User& LoggedOnUser()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser();
}

QString IconOf(const zarv::data::Message& message)
{
    switch (MessageReader(message).parentRelation()) {
    case zarv::data::Message::PARENT_RELATION_REPLY:
        return QStringLiteral(":icons/32x32/message-reply.png");
    case zarv::data::Message::PARENT_RELATION_REPLY_ALL:
        return QStringLiteral(":icons/32x32/message-reply-all.png");
    case zarv::data::Message::PARENT_RELATION_FORWARD:
        return QStringLiteral(":icons/32x32/message-forward.png");
    default:
        return QStringLiteral(":icons/32x32/message-out.png");
    }
}

QString LocalDate(const std::string& stored)
{
    return QString::fromStdString(proxy::LocalText(DbTimestamp(stored), &DbTimestamp::toLocalDisplayString));
}

bool IsUnreadReceived(const zarv::data::Message& message)
{
    return message.message_user_is_recipient() && (message.message_user_properties() & Unread) != 0;
}

int PermissionsOf(const zarv::data::Message& message)
{
    return message.message_security_descriptor().permissions();
}

bool HoldsMessage(const QTreeWidgetItem* item, int role)
{
    return item->data(0, role).canConvert<zarv::data::Message>();
}

void SetCopies(QTreeWidgetItem* item, const zarv::data::Message& message)
{
    const QVariant value = QVariant::fromValue(message);
    item->setData(0, MessageBrowserMainPaneTreeWidget::SavedMessageRole, value);
    item->setData(0, MessageBrowserMainPaneTreeWidget::EditedMessageRole, value);
}

void SetWeight(QTreeWidgetItem* item, QFont::Weight weight)
{
    for (const int column : {SubjectColumn, ModifiedColumn}) {
        QFont font = item->font(column);
        font.setWeight(weight);
        item->setFont(column, font);
    }
}

}  // namespace

zarv::data::Message MessageOf(const QTreeWidgetItem* item, int role)
{
    const QVariant value = item ? item->data(0, role) : QVariant();
    return value.canConvert<zarv::data::Message>() ? value.value<zarv::data::Message>() : zarv::data::Message();
}

MessageBrowserMainPaneTreeWidget::MessageBrowserMainPaneTreeWidget(QWidget* parent)
    : AbstractMainPaneTreeWidget(parent)
{
    setColumnCount(5);
    setHeaderLabels({Linguist::tr("To"), Linguist::tr("From"), Linguist::tr("Subject"), Linguist::tr("Created"),
                     Linguist::tr("Modified")});
    // The columns fit their contents once the rows of a burst of changes are
    // in: sections sized by the header itself measure every row again at each
    // change of the current row, which a fill makes once per row.
    header()->setSectionResizeMode(QHeaderView::Fixed);
    m_fitColumnsTimer.setSingleShot(true);
    m_fitColumnsTimer.setInterval(0);
    connect(&m_fitColumnsTimer, &QTimer::timeout, this, &MessageBrowserMainPaneTreeWidget::fitColumns);
    const auto fitColumnsLater = [this] { m_fitColumnsTimer.start(); };
    connect(model(), &QAbstractItemModel::rowsInserted, this, fitColumnsLater);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, fitColumnsLater);
    connect(model(), &QAbstractItemModel::dataChanged, this, fitColumnsLater);
    connect(model(), &QAbstractItemModel::layoutChanged, this, fitColumnsLater);
    connect(model(), &QAbstractItemModel::modelReset, this, fitColumnsLater);
    connect(this, &QTreeView::expanded, this, fitColumnsLater);
    connect(this, &QTreeView::collapsed, this, fitColumnsLater);
    setAlternatingRowColors(true);
    // The list keeps its rows in order itself: the view's own sorting re-sorts
    // every row after each insertion, and sorts the permission rows too.
    header()->setSortIndicator(ModifiedColumn, Qt::DescendingOrder);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    connect(header(), &QHeaderView::sortIndicatorChanged, this, &MessageBrowserMainPaneTreeWidget::sortMessageItems);
    setAcceptDrops(true);
    setDragEnabled(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

MessageBrowserMainPaneTreeWidget::~MessageBrowserMainPaneTreeWidget()
{
    // The base class empties the model after the timer has gone.
    disconnect(model(), nullptr, this, nullptr);
}

QTreeWidgetItem* MessageBrowserMainPaneTreeWidget::getTopLevelItem(const QTreeWidgetItem* item) const
{
    return getTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

QTreeWidgetItem* MessageBrowserMainPaneTreeWidget::getTopLevelItem(QTreeWidgetItem* item) const
{
    bool known = false;
    const int kind = item ? item->data(0, ItemKindRole).toInt(&known) : -1;
    if (known && kind == MessageKind) {
        return item;
    }
    if (known && kind == PermissionsKind) {
        return item->parent();
    }
    if (known && kind >= FirstPermissionKind && kind <= LastPermissionKind && item->parent()) {
        return item->parent()->parent();
    }
    ACE_DEBUG((LM_WARNING, ACE_TEXT("MessageBrowserMainPaneTreeWidget::getTopLevelItem: no top level item found!\n")));
    return nullptr;
}

bool MessageBrowserMainPaneTreeWidget::sortsBefore(const QTreeWidgetItem& left, const QTreeWidgetItem& right) const
{
    // The order that the items' own operator< gives texts, so that placing a
    // row and sorting the list agree.
    const int column = header()->sortIndicatorSection();
    const int compared = left.text(column).localeAwareCompare(right.text(column));
    return header()->sortIndicatorOrder() == Qt::AscendingOrder ? compared < 0 : compared > 0;
}

int MessageBrowserMainPaneTreeWidget::sortedPosition(const QTreeWidgetItem& item) const
{
    // After the rows it ties with, where a stable sort of the appended row
    // would put it.
    int first = 0;
    int last = topLevelItemCount();
    while (first < last) {
        const int middle = first + (last - first) / 2;
        if (sortsBefore(item, *topLevelItem(middle))) {
            last = middle;
        } else {
            first = middle + 1;
        }
    }
    return first;
}

bool MessageBrowserMainPaneTreeWidget::isInOrder(QTreeWidgetItem* item) const
{
    const int index = indexOfTopLevelItem(item);
    const QTreeWidgetItem* previous = index > 0 ? topLevelItem(index - 1) : nullptr;
    const QTreeWidgetItem* next = topLevelItem(index + 1);
    return (!previous || !sortsBefore(*item, *previous)) && (!next || !sortsBefore(*next, *item));
}

void MessageBrowserMainPaneTreeWidget::sortMessageItems(int column, Qt::SortOrder order)
{
    // Only the message rows: the permission rows keep the order of their bits.
    invisibleRootItem()->sortChildren(column, order);
}

QTreeWidgetItem* MessageBrowserMainPaneTreeWidget::findMessageItem(int messageId) const
{
    return m_itemsById.value(messageId, nullptr);
}

bool MessageBrowserMainPaneTreeWidget::isMessageModified(const QTreeWidgetItem* item,
                                                         zarv::data::Message& edited,
                                                         zarv::data::Message& saved) const
{
    const QTreeWidgetItem* row = item ? getTopLevelItem(item) : nullptr;
    if (!row || row->treeWidget() != this) {
        throw std::bad_alloc();
    }
    if (!HoldsMessage(row, EditedMessageRole) || !HoldsMessage(row, SavedMessageRole)) {
        return false;
    }
    edited = MessageOf(row, EditedMessageRole);
    saved = MessageOf(row, SavedMessageRole);
    return PermissionsOf(edited) != PermissionsOf(saved);
}

bool MessageBrowserMainPaneTreeWidget::isMessageModified(const QTreeWidgetItem* item) const
{
    zarv::data::Message edited;
    zarv::data::Message saved;
    return isMessageModified(item, edited, saved);
}

bool MessageBrowserMainPaneTreeWidget::isMessageModified() const
{
    for (int index = 0; index < topLevelItemCount(); ++index) {
        if (isMessageModified(topLevelItem(index))) {
            return true;
        }
    }
    return false;
}

bool MessageBrowserMainPaneTreeWidget::isMessageModified(QList<QString>& subjects) const
{
    bool found = false;
    for (int index = 0; index < topLevelItemCount(); ++index) {
        zarv::data::Message edited;
        zarv::data::Message saved;
        if (isMessageModified(topLevelItem(index), edited, saved)) {
            subjects.append(QString::fromStdString(edited.message_subject()));
            found = true;
        }
    }
    return found;
}

void MessageBrowserMainPaneTreeWidget::handleOpenMessage(const zarv::data::Message& message)
{
    QTreeWidgetItem* item = findMessageItem(message.message_id());
    if (!item || !IsUnreadReceived(message)) {
        return;
    }
    SetWeight(item, QFont::Normal);
    for (const int role : {SavedMessageRole, EditedMessageRole}) {
        zarv::data::Message copy = MessageOf(item, role);
        copy.set_message_user_properties(copy.message_user_properties() & ~Unread);
        item->setData(0, role, QVariant::fromValue(copy));
    }
}

void MessageBrowserMainPaneTreeWidget::hidePane()
{
    hide();
}

void MessageBrowserMainPaneTreeWidget::showPane()
{
    scrollToTop();
    show();
}

void MessageBrowserMainPaneTreeWidget::resetPane(int messageFolderId)
{
    m_messageFolderId = messageFolderId;
    m_itemsById.clear();
    clear();
}

void MessageBrowserMainPaneTreeWidget::resetPane()
{
    resetPane(LoggedOnUser().user_message_folder_id());
}

void MessageBrowserMainPaneTreeWidget::editMessage()
{
    const QTreeWidgetItem* item = currentItem();
    if (item && !item->parent()) {
        emit editMessage(MessageOf(item, EditedMessageRole));
    }
}

void MessageBrowserMainPaneTreeWidget::deleteMessage()
{
    const QTreeWidgetItem* item = currentItem();
    if (item && !item->parent()) {
        emit deleteMessage(MessageOf(item, EditedMessageRole));
    }
}

void MessageBrowserMainPaneTreeWidget::setMessageTexts(QTreeWidgetItem* item, const zarv::data::Message& message)
{
    const MessageReader reader(message);
    item->setText(ToColumn, FormatUserNames(SelectMessageUsers(message, zarv::data::Message::TO, ExcludeNoUser)));
    item->setText(FromColumn, QString::fromStdString(reader.senderDisplayNameAlphabetical()));
    item->setText(SubjectColumn, QString::fromStdString(message.message_subject()));
    item->setText(ModifiedColumn, LocalDate(message.message_modification_date()));
    item->setIcon(ToColumn, ResourceIcon(IconOf(message)));
}

void MessageBrowserMainPaneTreeWidget::setCheckStates(QTreeWidgetItem* item, const zarv::data::Message& message)
{
    QTreeWidgetItem* group = item->child(0);
    const MessageReader reader(message);
    for (int index = 0; index < PermissionRowCount && index < group->childCount(); ++index) {
        group->child(index)->setCheckState(0,
                                           reader.permission(PermissionRows[index].bit) ? Qt::Checked : Qt::Unchecked);
    }
}

QTreeWidgetItem* MessageBrowserMainPaneTreeWidget::createMessageTreeWidgetItem(const zarv::data::Message& message)
{
    // Built whole before it joins the list, which then places it once.
    auto* item = new QTreeWidgetItem(0);
    setMessageTexts(item, message);
    item->setText(CreatedColumn, LocalDate(message.message_creation_date()));
    if (IsUnreadReceived(message)) {
        SetWeight(item, QFont::Bold);
    }
    item->setData(0, ItemKindRole, MessageKind);
    SetCopies(item, message);

    const bool author = MessageReader(message).userId() == LoggedOnUser().user_id();
    auto* group = new QTreeWidgetItem(item, 0);
    group->setText(0, Linguist::tr("Permissions"));
    group->setData(0, ItemKindRole, PermissionsKind);
    group->setDisabled(!author);
    for (int index = 0; index < PermissionRowCount; ++index) {
        auto* row = new QTreeWidgetItem(group, 0);
        row->setText(0, Linguist::tr(PermissionRows[index].label));
        row->setData(0, ItemKindRole, FirstPermissionKind + index);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setDisabled(!author);
    }
    setCheckStates(item, message);
    insertTopLevelItem(sortedPosition(*item), item);
    group->setExpanded(false);
    m_itemsById.insert(message.message_id(), item);
    return item;
}

void MessageBrowserMainPaneTreeWidget::addMessageItem(const zarv::data::Message& message)
{
    if (findMessageItem(message.message_id())) {
        updateMessageItem(message);
        return;
    }
    QTreeWidgetItem* item = createMessageTreeWidgetItem(message);
    setCurrentItem(item);
    item->setHidden(false);
}

void MessageBrowserMainPaneTreeWidget::updateMessageItem(const zarv::data::Message& message)
{
    QTreeWidgetItem* item = findMessageItem(message.message_id());
    if (!item) {
        return;
    }
    setMessageTexts(item, message);
    if (item->childCount() > 0 && item->child(0)->data(0, ItemKindRole).toInt() == PermissionsKind) {
        setCheckStates(item, message);
    }
    SetCopies(item, message);
    if (!isInOrder(item)) {
        sortMessageItems(header()->sortIndicatorSection(), header()->sortIndicatorOrder());
    }
}

void MessageBrowserMainPaneTreeWidget::updateMessageItem(QTreeWidgetItem* item, int)
{
    QTreeWidgetItem* row = item ? getTopLevelItem(item) : nullptr;
    if (!row || row->childCount() == 0 || row->child(0)->childCount() != PermissionRowCount) {
        throw std::bad_alloc();
    }
    zarv::data::Message edited = MessageOf(row, EditedMessageRole);
    MessageWriter writer(edited);
    const QTreeWidgetItem* group = row->child(0);
    for (int index = 0; index < PermissionRowCount; ++index) {
        writer.setPermission(PermissionRows[index].bit, group->child(index)->checkState(0) == Qt::Checked);
    }
    row->setData(0, EditedMessageRole, QVariant::fromValue(edited));
}

void MessageBrowserMainPaneTreeWidget::moveMessageItem(const zarv::data::Message& message)
{
    if (MessageReader(message).folderId() == m_messageFolderId) {
        addMessageItem(message);
    } else {
        removeMessageItem(message.message_id());
    }
}

void MessageBrowserMainPaneTreeWidget::deleteMessageItem(QTreeWidgetItem* item)
{
    m_itemsById.remove(MessageOf(item, EditedMessageRole).message_id());
    delete item;
}

void MessageBrowserMainPaneTreeWidget::removeMessageItem(int messageId)
{
    QTreeWidgetItem* item = findMessageItem(messageId);
    if (!item) {
        return;
    }
    emit resetMessageViewerPane();
    deleteMessageItem(item);
    clearSelection();
}

void MessageBrowserMainPaneTreeWidget::removeMessageFolderMessageItems(int messageFolderId)
{
    if (messageFolderId == m_messageFolderId) {
        resetPane();
        emit resetMessageViewerPane();
        return;
    }
    for (int index = 0; index < topLevelItemCount();) {
        const zarv::data::Message message = MessageOf(topLevelItem(index), EditedMessageRole);
        if (MessageReader(message).folderId() == messageFolderId) {
            removeMessageItem(message.message_id());
        } else {
            ++index;
        }
    }
}

void MessageBrowserMainPaneTreeWidget::fitColumns()
{
    m_fitColumnsTimer.stop();
    header()->resizeSections(QHeaderView::ResizeToContents);
}

void MessageBrowserMainPaneTreeWidget::paintEvent(QPaintEvent* event)
{
    if (m_fitColumnsTimer.isActive()) {
        fitColumns();
    }
    QTreeWidget::paintEvent(event);
}

void MessageBrowserMainPaneTreeWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressPosition = event->position().toPoint();
    }
    QTreeWidget::mousePressEvent(event);
}

bool MessageBrowserMainPaneTreeWidget::IsDragDistance(const QPoint& moved)
{
    return moved.manhattanLength() > QApplication::startDragDistance() + ExtraDragDistance;
}

void MessageBrowserMainPaneTreeWidget::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && IsDragDistance(event->position().toPoint() - m_pressPosition)) {
        performDrag();
    }
}

void MessageBrowserMainPaneTreeWidget::performDrag()
{
    const QTreeWidgetItem* item = currentItem();
    if (!item || item->parent()) {
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(CreateMessageMimeData(MessageOf(item, EditedMessageRole)));
    drag->setPixmap(QPixmap(DragPixmap));
    drag->exec(Qt::MoveAction);
}

void MessageBrowserMainPaneTreeWidget::contextMenuEvent(QContextMenuEvent*) {}

void MessageBrowserMainPaneTreeWidget::dragEnterEvent(QDragEnterEvent* event)
{
    AcceptMessageDrag(event);
}

void MessageBrowserMainPaneTreeWidget::dragMoveEvent(QDragMoveEvent* event)
{
    AcceptMessageDrag(event);
}

std::optional<zarv::data::Message> MessageBrowserMainPaneTreeWidget::acceptedDrop(const QObject* source,
                                                                                  Qt::DropAction action,
                                                                                  const QMimeData* mimeData) const
{
    if (!qobject_cast<const QTreeWidget*>(source) || source == this || action != Qt::MoveAction) {
        return std::nullopt;
    }
    const auto message = MessageFromMimeData(mimeData);
    if (!message || MessageReader(*message).folderId() == m_messageFolderId) {
        return std::nullopt;
    }
    return message;
}

void MessageBrowserMainPaneTreeWidget::dropEvent(QDropEvent* event)
{
    const auto message = acceptedDrop(event->source(), event->proposedAction(), event->mimeData());
    if (!message) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit moveMessage(*message, m_messageFolderId);
}
