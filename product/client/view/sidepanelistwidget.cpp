#include "product/client/view/sidepanelistwidget.h"

#include "library/core/lib/registry.h"
#include "library/core/proxy/folderkeyreader.h"
#include "library/database/lib/dbid.h"
#include "library/gui/linguist.h"
#include "product/client/view/browserdrops.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QIcon>
#include <QMimeData>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

using namespace browser;

namespace {

QIcon ShortcutIcon(ItemType type)
{
    switch (type) {
    case HomeFolderItem:
        return QIcon(QStringLiteral(":icons/32x32/home-folder.png"));
    case HomeGroupsItem:
        return QIcon(QStringLiteral(":icons/32x32/home-groups.png"));
    case FolderItem:
        return QIcon(QStringLiteral(":icons/32x32/folder.png"));
    case FolderKeyItem:
        return QIcon(QStringLiteral(":icons/32x32/folder-shared.png"));
    case GroupKeyItem:
        return QIcon(QStringLiteral(":icons/32x32/user-groups.png"));
    default:
        return QIcon(QStringLiteral(":icons/32x32/user.png"));
    }
}

// The identity that an entry's stored record has; nothing for a record that
// matches no other (a user entry with the null id).
std::optional<int> StoredIdentity(const QListWidgetItem* item)
{
    switch (item->type()) {
    case FolderItem:
        return ItemRecord<zarv::data::Folder>(item, FolderRole).folder_id();
    case FolderKeyItem: {
        if (!item->data(FolderKeyRole).canConvert<zarv::data::FolderKey>()) {
            return std::nullopt;
        }
        const auto key = ItemRecord<zarv::data::FolderKey>(item, FolderKeyRole);
        return key.folder_key_folder().folder_id();
    }
    case GroupKeyItem:
        return ItemRecord<zarv::data::GroupKey>(item, GroupKeyRole).group_key_group().group_id();
    case UserItem: {
        const int userId = ItemRecord<zarv::data::User>(item, UserRole).user_id();
        if (DbId(userId).null()) {
            return std::nullopt;
        }
        return userId;
    }
    default:
        return std::nullopt;
    }
}

}  // namespace

namespace browser {

bool SidePaneTakesDrag(Qt::DropAction proposedAction,
                       bool fromAnotherList,
                       const QMimeData& data,
                       bool onTarget,
                       std::optional<int> targetType)
{
    const bool qualifies = proposedAction == Qt::MoveAction && fromAnotherList
                           && (data.hasFormat(DocumentMimeType) || data.hasFormat(FolderMimeType));
    if (!qualifies || !onTarget) {
        return qualifies;
    }
    return targetType == HomeFolderItem || targetType == FolderItem;
}

}  // namespace browser

SidePaneListWidget::SidePaneListWidget(QWidget* parent)
    : AbstractSidePaneListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    const zarv::data::User& user = ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser();
    zarv::data::Folder home;
    home.set_folder_id(user.has_user_folder_id() ? user.user_folder_id() : 0);
    appendShortcut(HomeFolderItem, Linguist::tr("HomeFolder"), FolderRole, QVariant::fromValue(home));
    appendShortcut(HomeGroupsItem, Linguist::tr("HomeGroups"), 0, QVariant());
    setDragEnabled(false);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    connect(this, &QListWidget::itemClicked, this, &SidePaneListWidget::open);
}

SidePaneListWidget::~SidePaneListWidget() = default;

QListWidgetItem* SidePaneListWidget::getSelectedListWidgetItemType(ItemType type) const
{
    QListWidgetItem* item = getSelectedListWidgetItem();
    return item && item->type() == type ? item : nullptr;
}

QListWidgetItem*
SidePaneListWidget::appendShortcut(ItemType type, const QString& text, int role, const QVariant& record)
{
    auto* item = new QListWidgetItem(ShortcutIcon(type), text, nullptr, type);
    if (role != 0) {
        item->setData(role, record);
    }
    addItem(item);
    return item;
}

QListWidgetItem* SidePaneListWidget::findShortcut(ItemType type, int identity) const
{
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem* each = item(row);
        if (each->type() == type && StoredIdentity(each) == identity) {
            return each;
        }
    }
    return nullptr;
}

void SidePaneListWidget::open(QListWidgetItem* item)
{
    switch (item ? item->type() : 0) {
    case HomeFolderItem:
        emit folderShortcutItemSelected(ItemRecord<zarv::data::Folder>(item, FolderRole));
        emit openHomeFolder();
        break;
    case FolderItem: {
        const auto folder = ItemRecord<zarv::data::Folder>(item, FolderRole);
        emit folderShortcutItemSelected(folder);
        emit openFolder(folder);
        break;
    }
    case FolderKeyItem: {
        const auto key = ItemRecord<zarv::data::FolderKey>(item, FolderKeyRole);
        emit folderKeyShortcutItemSelected(key);
        emit openFolderKey(key);
        break;
    }
    case HomeGroupsItem:
        emit groupKeyItemSelected(zarv::data::GroupKey());
        emit openHomeGroups();
        break;
    case GroupKeyItem: {
        const auto key = ItemRecord<zarv::data::GroupKey>(item, GroupKeyRole);
        emit groupKeyItemSelected(key);
        emit openGroupKey(key);
        break;
    }
    case UserItem: {
        const auto user = ItemRecord<zarv::data::User>(item, UserRole);
        emit userItemSelected(user);
        emit openUser(user);
        break;
    }
    default:
        break;
    }
}

void SidePaneListWidget::addFolderShortcutItem(const zarv::data::Folder& folder)
{
    QListWidgetItem* item = findShortcut(FolderItem, folder.folder_id());
    if (!item) {
        item = appendShortcut(FolderItem, QString::fromStdString(folder.folder_name()), FolderRole,
                              QVariant::fromValue(folder));
        item->setToolTip(QString::fromStdString(folder.folder_description()));
    }
    setCurrentItem(item);
}

void SidePaneListWidget::addGroupKeyShortcutItem(const zarv::data::GroupKey& groupKey)
{
    QListWidgetItem* item = findShortcut(GroupKeyItem, groupKey.group_key_group().group_id());
    if (!item) {
        item = appendShortcut(GroupKeyItem, QString::fromStdString(groupKey.group_key_group().group_name()),
                              GroupKeyRole, QVariant::fromValue(groupKey));
    }
    setCurrentItem(item);
}

void SidePaneListWidget::addUserShortcutItem(const zarv::data::User& user)
{
    QListWidgetItem* item = findShortcut(UserItem, user.user_id());
    if (!item) {
        item = appendShortcut(UserItem, UserItemText(user), UserRole, QVariant::fromValue(user));
    }
    setCurrentItem(item);
}

void SidePaneListWidget::addFolderKeyShortcutItem(const zarv::data::FolderKey& folderKey)
{
    const FolderKeyReader reader(folderKey);
    // A key without a folder matches no entry.
    QListWidgetItem* item = DbId(reader.folderId()).null() ? nullptr : findShortcut(FolderKeyItem, reader.folderId());
    if (!item) {
        item = appendShortcut(FolderKeyItem, QString::fromStdString(reader.folderName()), FolderKeyRole,
                              QVariant::fromValue(folderKey));
    }
    if (reader.inactive()) {
        item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    } else {
        setCurrentItem(item);
    }
}

void SidePaneListWidget::updateFolderKeyShortcutItem(const zarv::data::FolderKey& folderKey)
{
    if (QListWidgetItem* item = findShortcut(FolderKeyItem, folderKey.folder_key_folder().folder_id())) {
        item->setData(FolderKeyRole, QVariant::fromValue(folderKey));
    }
}

void SidePaneListWidget::renameFolderShortcutItem(const zarv::data::Folder& folder)
{
    if (QListWidgetItem* item = findShortcut(FolderItem, folder.folder_id())) {
        auto stored = ItemRecord<zarv::data::Folder>(item, FolderRole);
        stored.set_folder_name(folder.folder_name());
        item->setText(QString::fromStdString(folder.folder_name()));
        item->setData(FolderRole, QVariant::fromValue(stored));
    }
}

void SidePaneListWidget::redescribeFolderShortcutItem(const zarv::data::Folder& folder)
{
    if (QListWidgetItem* item = findShortcut(FolderItem, folder.folder_id())) {
        auto stored = ItemRecord<zarv::data::Folder>(item, FolderRole);
        stored.set_folder_description(folder.folder_description());
        item->setToolTip(QString::fromStdString(folder.folder_description()));
        item->setData(FolderRole, QVariant::fromValue(stored));
    }
}

void SidePaneListWidget::removeFolderShortcutItem(int folderId)
{
    delete findShortcut(FolderItem, folderId);
}

void SidePaneListWidget::contextMenuEvent(QContextMenuEvent*) {}

QModelIndex SidePaneListWidget::moveCursor(CursorAction, Qt::KeyboardModifiers)
{
    return QModelIndex();
}

bool SidePaneListWidget::takesDrag(const QDropEvent& event, bool onTarget) const
{
    const auto* source = qobject_cast<const QListWidget*>(event.source());
    const QListWidgetItem* target = itemAt(event.position().toPoint());
    return SidePaneTakesDrag(event.proposedAction(), source && source != this, *event.mimeData(), onTarget,
                             target ? std::optional<int>(target->type()) : std::nullopt);
}

void SidePaneListWidget::dragEnterEvent(QDragEnterEvent* event)
{
    event->setAccepted(takesDrag(*event, false));
}

void SidePaneListWidget::dragMoveEvent(QDragMoveEvent* event)
{
    event->setAccepted(takesDrag(*event, true));
}

void SidePaneListWidget::dropEvent(QDropEvent* event)
{
    const DropDecision decision = DecideSidePaneDrop(event->proposedAction(), event->source(), this, *event->mimeData(),
                                                     itemAt(event->position().toPoint()));
    event->setAccepted(decision.accepted);
    if (decision.signal == DropSignal::MoveDocument) {
        emit moveDocument(decision.document, decision.folderId);
    } else if (decision.signal == DropSignal::MoveFolder) {
        emit moveFolder(decision.folder, decision.folderId);
    }
}
