#include "product/client/view/mainpanelistwidget.h"

#include "library/core/lib/timezonedatabase.h"
#include "library/core/proxy/documentkeyvalidator.h"
#include "library/core/proxy/folderkeyreader.h"
#include "library/core/proxy/folderkeyvalidator.h"
#include "library/core/proxy/groupkeyreader.h"
#include "library/core/proxy/documentkeyreader.h"
#include "library/gui/linguist.h"
#include "product/client/view/browserdrops.h"
#include "product/client/view/documentbrowserview.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QFont>
#include <QIcon>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <vector>

using namespace browser;

namespace {

// The identity of an item's record, kept beside it for the index.
constexpr int IdentityRole = Qt::UserRole + 100;

const QIcon& Icon(ItemType type)
{
    static const QHash<int, QIcon> icons = {
        {FolderItem, QIcon(QStringLiteral(":icons/32x32/folder.png"))},
        {FolderKeyItem, QIcon(QStringLiteral(":icons/32x32/folder-shared.png"))},
        {DocumentItem, QIcon(QStringLiteral(":icons/32x32/document.png"))},
        {DocumentKeyItem, QIcon(QStringLiteral(":icons/32x32/document-shared.png"))},
        {GroupKeyItem, QIcon(QStringLiteral(":icons/32x32/user-groups.png"))},
        {UserItem, QIcon(QStringLiteral(":icons/32x32/user.png"))},
    };
    return *icons.find(type);
}

int FolderIdentity(const zarv::data::Folder& folder)
{
    return folder.folder_id();
}

int DocumentIdentity(const zarv::data::Document& document)
{
    return document.document_id();
}

struct FolderKeyAdapter
{
    static constexpr ItemType Type = FolderKeyItem;
    static constexpr DataRole Role = FolderKeyRole;
    static int identity(const zarv::data::FolderKey& key) { return FolderKeyReader(key).folderId(); }
    static QString name(const zarv::data::FolderKey& key)
    {
        return QString::fromStdString(FolderKeyReader(key).folderName());
    }
    static int properties(const zarv::data::FolderKey& key) { return FolderKeyReader(key).properties(); }
};

struct DocumentKeyAdapter
{
    static constexpr ItemType Type = DocumentKeyItem;
    static constexpr DataRole Role = DocumentKeyRole;
    static int identity(const zarv::data::DocumentKey& key) { return key.document_key_document().document_id(); }
    static QString name(const zarv::data::DocumentKey& key)
    {
        return QString::fromStdString(key.document_key_document().document_name());
    }
    static int properties(const zarv::data::DocumentKey& key) { return key.document_key_properties(); }
};

bool Emphasized(int properties)
{
    return (properties & (1 << KeyProxy::EmphasizeName)) != 0;
}

void SetWeight(QListWidgetItem* item, QFont::Weight weight)
{
    QFont font = item->font();
    font.setWeight(weight);
    item->setFont(font);
}

// A key that cannot be used is greyed out with the reason, the view
// permission first; a usable one is selectable, bold while not yet opened,
// and loses a reason shown earlier.
void ApplyDisplayRule(QListWidgetItem* item, std::uint64_t flags, int properties)
{
    if (flags & KeyViewPermissionDenied) {
        item->setToolTip(MainPaneListWidget::tr("KeyViewPermissionDenied"));
        return;
    }
    if (flags & (KeyNotActive | KeyNotActiveMonth | KeyNotActiveDay | KeyNotActiveNow)) {
        item->setToolTip(MainPaneListWidget::tr("KeyInactive"));
        return;
    }
    if (Emphasized(properties)) {
        SetWeight(item, QFont::Bold);
    }
    item->setToolTip(QString());
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

// The context-menu entries: text (id, context) and icon.
struct MenuEntryLook
{
    const char* text;
    const char* context;
    const char* icon;
};

const MenuEntryLook MenuEntryLooks[MenuEntryCount] = {
    {"Open", "Linguist", nullptr},
    {"Copy", "Linguist", ":icons/32x32/copy.png"},
    {"Delete", "Linguist", ":icons/32x32/item-delete.png"},
    {"Rename", "Linguist", ":icons/32x32/item-rename.png"},
    {"Redescribe", "Linguist", ":icons/32x32/item-redescribe.png"},
    {"OpenItemKeyring", "MainPaneListWidget", ":icons/32x32/item-keyring.png"},
};

bool KeyGrantsView(const QListWidgetItem* item)
{
    if (item->type() == FolderKeyItem) {
        return FolderKeyReader(ItemRecord<zarv::data::FolderKey>(item, FolderKeyRole))
            .permission(FolderKeyReader::View);
    }
    if (item->type() == DocumentKeyItem) {
        return DocumentKeyReader(ItemRecord<zarv::data::DocumentKey>(item, DocumentKeyRole))
            .permission(DocumentKeyReader::View);
    }
    return true;
}

}  // namespace

namespace browser {

std::vector<MenuTag> ContextMenuTags(int itemType, bool viewPermitted)
{
    switch (itemType) {
    case FolderItem:
        return {OpenFolderTag,   Separator,           DeleteFolderTag, Separator,
                RenameFolderTag, RedescribeFolderTag, Separator,       FolderKeyringTag};
    case DocumentItem:
        return {OpenDocumentTag, Separator,         CopyDocumentTag,       Separator, DeleteDocumentTag,
                Separator,       RenameDocumentTag, RedescribeDocumentTag, Separator, DocumentKeyringTag};
    case FolderKeyItem:
        return viewPermitted ? std::vector<MenuTag>{OpenFolderKeyTag} : std::vector<MenuTag>{};
    case DocumentKeyItem:
        return viewPermitted ? std::vector<MenuTag>{OpenDocumentKeyTag} : std::vector<MenuTag>{};
    case GroupKeyItem:
        return {OpenGroupKeyTag};
    case UserItem:
        return {OpenUserTag};
    default:
        return {};
    }
}

MenuEntry EntryOfTag(MenuTag tag)
{
    switch (tag) {
    case DeleteDocumentTag:
    case DeleteFolderTag:
        return DeleteEntry;
    case DocumentKeyringTag:
    case FolderKeyringTag:
        return OpenKeyringEntry;
    case CopyDocumentTag:
        return CopyEntry;
    case RedescribeDocumentTag:
    case RedescribeFolderTag:
        return RedescribeEntry;
    case RenameDocumentTag:
    case RenameFolderTag:
        return RenameEntry;
    default:
        return OpenEntry;
    }
}

}  // namespace browser

template <typename Record, typename Adapter, typename Validator>
void AddKeyItem(MainPaneListWidget* pane, const Record& key)
{
    const std::uint64_t flags =
        Validator(key, ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance()->getTimeZoneDatabase()).flags();
    const int identity = Adapter::identity(key);
    QListWidgetItem* item = pane->findItem(Adapter::Type, identity);
    if (flags & KeyHasExpiredDate) {
        delete item;
        return;
    }
    if (item) {
        SetWeight(item, QFont::Normal);
        item->setFlags(Qt::NoItemFlags);
        ApplyDisplayRule(item, flags, Adapter::properties(key));
        return;
    }
    item = MainPaneListWidget::newItem(Adapter::Type, identity, Adapter::name(key));
    item->setData(Adapter::Role, QVariant::fromValue(key));
    item->setFlags(Qt::NoItemFlags);
    ApplyDisplayRule(item, flags, Adapter::properties(key));
    pane->appendItem(item);
}

MainPaneListWidget::MainPaneListWidget(QWidget* parent)
    : AbstractMainPaneListWidget(parent)
{
    for (int entry = 0; entry < MenuEntryCount; ++entry) {
        const MenuEntryLook& look = MenuEntryLooks[entry];
        m_menuActions[entry] = new QAction(QCoreApplication::translate(look.context, look.text), this);
        if (look.icon) {
            m_menuActions[entry]->setIcon(QIcon(QString::fromLatin1(look.icon)));
            m_menuActions[entry]->setIconVisibleInMenu(true);
        }
    }
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    connect(this, &QListWidget::itemActivated, this, qOverload<QListWidgetItem*>(&MainPaneListWidget::openItem));
    connect(this, &QListWidget::itemSelectionChanged, this, &MainPaneListWidget::itemSelectionChanged);
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { forgetRows(first, last); });
    connect(model(), &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_index.clear(); });
}

MainPaneListWidget::~MainPaneListWidget()
{
    // The list empties itself after the index has gone.
    disconnect(model(), nullptr, this, nullptr);
}

QListWidgetItem* MainPaneListWidget::findItem(ItemType type, int identity) const
{
    const auto kind = m_index.constFind(type);
    return kind == m_index.constEnd() ? nullptr : kind->value(identity, nullptr);
}

QListWidgetItem* MainPaneListWidget::newItem(ItemType type, int identity, const QString& text)
{
    auto* item = new QListWidgetItem(Icon(type), text, nullptr, type);
    item->setData(IdentityRole, identity);
    return item;
}

void MainPaneListWidget::appendItem(QListWidgetItem* item)
{
    addItem(item);
    m_index[item->type()].insert(item->data(IdentityRole).toInt(), item);
}

void MainPaneListWidget::forgetRows(int first, int last)
{
    for (int row = first; row <= last; ++row) {
        QListWidgetItem* gone = item(row);
        auto kind = m_index.find(gone->type());
        if (kind == m_index.end()) {
            continue;
        }
        const auto entry = kind->find(gone->data(IdentityRole).toInt());
        if (entry != kind->end() && *entry == gone) {
            kind->erase(entry);
        }
    }
}

void MainPaneListWidget::itemSelectionChanged()
{
    const QListWidgetItem* item = getSelectedListWidgetItem();
    switch (item ? item->type() : 0) {
    case FolderItem:
        emit folderItemSelected(ItemRecord<zarv::data::Folder>(item, FolderRole));
        break;
    case FolderKeyItem:
        emit folderKeyItemSelected(ItemRecord<zarv::data::FolderKey>(item, FolderKeyRole));
        break;
    case DocumentItem:
        emit documentItemSelected(ItemRecord<zarv::data::Document>(item, DocumentRole));
        break;
    case DocumentKeyItem:
        emit documentKeyItemSelected(ItemRecord<zarv::data::DocumentKey>(item, DocumentKeyRole));
        break;
    case GroupKeyItem:
        emit groupKeyItemSelected(ItemRecord<zarv::data::GroupKey>(item, GroupKeyRole));
        break;
    case UserItem:
        emit userItemSelected(ItemRecord<zarv::data::User>(item, UserRole));
        break;
    default:
        emit noItemSelected();
    }
}

void MainPaneListWidget::openItem(QListWidgetItem* item)
{
    switch (item ? item->type() : 0) {
    case FolderItem: {
        const auto folder = ItemRecord<zarv::data::Folder>(item, FolderRole);
        emit addFolderShortcutItem(folder);
        emit openFolder(folder);
        break;
    }
    case FolderKeyItem: {
        const auto key = ItemRecord<zarv::data::FolderKey>(item, FolderKeyRole);
        emit addFolderKeyShortcutItem(key);
        emit openFolderKey(key);
        break;
    }
    case DocumentItem:
        emit openDocument(ItemRecord<zarv::data::Document>(item, DocumentRole));
        break;
    case DocumentKeyItem:
        emit openDocumentKey(ItemRecord<zarv::data::DocumentKey>(item, DocumentKeyRole));
        break;
    case GroupKeyItem: {
        const auto key = ItemRecord<zarv::data::GroupKey>(item, GroupKeyRole);
        emit addGroupKeyShortcutItem(key);
        emit openGroupKey(key);
        break;
    }
    case UserItem: {
        const auto user = ItemRecord<zarv::data::User>(item, UserRole);
        emit addUserShortcutItem(user);
        emit openUser(user);
        break;
    }
    default:
        break;
    }
}

void MainPaneListWidget::openItem()
{
    if (QListWidgetItem* item = getSelectedListWidgetItem()) {
        openItem(item);
    }
}

void MainPaneListWidget::copyItem(QListWidgetItem* item)
{
    if (item && item->type() == DocumentItem) {
        emit copyDocument(ItemRecord<zarv::data::Document>(item, DocumentRole));
    }
}

void MainPaneListWidget::deleteItem(QListWidgetItem* item)
{
    if (item && item->type() == FolderItem) {
        emit deleteFolder(ItemRecord<zarv::data::Folder>(item, FolderRole));
    } else if (item && item->type() == DocumentItem) {
        emit deleteDocument(ItemRecord<zarv::data::Document>(item, DocumentRole));
    }
}

void MainPaneListWidget::renameItem(QListWidgetItem* item)
{
    if (item && item->type() == FolderItem) {
        emit renameFolder(ItemRecord<zarv::data::Folder>(item, FolderRole));
    } else if (item && item->type() == DocumentItem) {
        emit renameDocument(ItemRecord<zarv::data::Document>(item, DocumentRole));
    }
}

void MainPaneListWidget::redescribeItem(QListWidgetItem* item)
{
    if (item && item->type() == FolderItem) {
        emit redescribeFolder(ItemRecord<zarv::data::Folder>(item, FolderRole));
    } else if (item && item->type() == DocumentItem) {
        emit redescribeDocument(ItemRecord<zarv::data::Document>(item, DocumentRole));
    }
}

void MainPaneListWidget::openItemKeyring(QListWidgetItem* item)
{
    if (item && item->type() == FolderItem) {
        emit openFolderKeyring(ItemRecord<zarv::data::Folder>(item, FolderRole));
    } else if (item && item->type() == DocumentItem) {
        emit openDocumentKeyring(ItemRecord<zarv::data::Document>(item, DocumentRole));
    }
}

void MainPaneListWidget::copyItem()
{
    copyItem(getSelectedListWidgetItem());
}

void MainPaneListWidget::deleteItem()
{
    deleteItem(getSelectedListWidgetItem());
}

void MainPaneListWidget::renameItem()
{
    renameItem(getSelectedListWidgetItem());
}

void MainPaneListWidget::redescribeItem()
{
    redescribeItem(getSelectedListWidgetItem());
}

void MainPaneListWidget::openItemKeyring()
{
    openItemKeyring(getSelectedListWidgetItem());
}

void MainPaneListWidget::dispatchMenuTag(MenuTag tag, QListWidgetItem* item)
{
    switch (EntryOfTag(tag)) {
    case OpenEntry:
        openItem(item);
        break;
    case CopyEntry:
        copyItem(item);
        break;
    case DeleteEntry:
        deleteItem(item);
        break;
    case RenameEntry:
        renameItem(item);
        break;
    case RedescribeEntry:
        redescribeItem(item);
        break;
    default:
        openItemKeyring(item);
        break;
    }
}

std::unique_ptr<QMenu> MainPaneListWidget::contextMenu()
{
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) {
        const auto* view = qobject_cast<const DocumentBrowserView*>(window());
        if (!view) {
            return nullptr;
        }
        auto menu = std::make_unique<QMenu>(this);
        if (view->action(Paste)->isEnabled()) {
            menu->addAction(view->action(Paste));
            menu->addSeparator();
        }
        for (const BrowserAction each : {NewFolder, NewDocument}) {
            if (view->action(each)->isEnabled()) {
                menu->addAction(view->action(each));
            }
        }
        return menu->actions().isEmpty() ? nullptr : std::move(menu);
    }
    if (selected.size() != 1 || isRowHidden(row(selected.front()))) {
        return nullptr;
    }
    for (QAction* each : m_menuActions) {
        each->setEnabled(true);
    }
    const std::vector<MenuTag> tags = ContextMenuTags(selected.front()->type(), KeyGrantsView(selected.front()));
    if (tags.empty()) {
        return nullptr;
    }
    auto menu = std::make_unique<QMenu>(this);
    for (const MenuTag tag : tags) {
        if (tag == Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = m_menuActions[EntryOfTag(tag)];
        action->setData(static_cast<int>(tag));
        menu->addAction(action);
    }
    return menu;
}

void MainPaneListWidget::contextMenuEvent(QContextMenuEvent* event)
{
    QListWidgetItem* item = getSelectedListWidgetItem();
    const std::unique_ptr<QMenu> menu = contextMenu();
    if (!menu) {
        return;
    }
    const QAction* chosen = menu->exec(event->globalPos());
    // Over empty space the window's own actions did the work.
    if (chosen && item && chosen->data().isValid()) {
        dispatchMenuTag(static_cast<MenuTag>(chosen->data().toInt()), item);
    }
}

void MainPaneListWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (!indexAt(position).isValid()) {
        clearSelection();
    }
    if (event->button() == Qt::LeftButton) {
        m_dragStartPoint = position;
    }
    AbstractMainPaneListWidget::mousePressEvent(event);
}

void MainPaneListWidget::mouseMoveEvent(QMouseEvent* event)
{
    // The list's own dragging and rubber band never start: drags start here.
    if ((event->buttons() & Qt::LeftButton)
        && StartsDrag(m_dragStartPoint, event->position().toPoint(), QApplication::startDragDistance())) {
        performDrag();
    }
}

void MainPaneListWidget::performDrag()
{
    QListWidgetItem* item = currentItem();
    std::unique_ptr<QMimeData> data = ItemMimeData(item);
    if (!data) {
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(data.release());
    drag->setPixmap(Icon(static_cast<ItemType>(item->type())).pixmap(32, 32));
    // The item changes only when the server has answered the move.
    drag->exec(Qt::MoveAction);
}

void MainPaneListWidget::dragEnterEvent(QDragEnterEvent* event)
{
    event->setAccepted(MainPaneTakesDrag(event->proposedAction(), *event->mimeData(), false, std::nullopt));
}

void MainPaneListWidget::dragMoveEvent(QDragMoveEvent* event)
{
    const QListWidgetItem* target = itemAt(event->position().toPoint());
    event->setAccepted(MainPaneTakesDrag(event->proposedAction(), *event->mimeData(), true,
                                         target ? std::optional<int>(target->type()) : std::nullopt));
}

void MainPaneListWidget::dropEvent(QDropEvent* event)
{
    const DropDecision decision = DecideMainPaneDrop(event->proposedAction(), event->source(), this, *event->mimeData(),
                                                     itemAt(event->position().toPoint()));
    event->setAccepted(decision.accepted);
    switch (decision.signal) {
    case DropSignal::MoveDocument:
        emit moveDocument(decision.document, decision.folderId);
        break;
    case DropSignal::MoveDocumentToOpenFolder:
        emit moveDocument(decision.document);
        break;
    case DropSignal::MoveFolder:
        emit moveFolder(decision.folder, decision.folderId);
        break;
    case DropSignal::MoveFolderToOpenFolder:
        emit moveFolder(decision.folder);
        break;
    case DropSignal::None:
        break;
    }
}

void MainPaneListWidget::addFolderItem(const zarv::data::Folder& folder)
{
    if (findItem(FolderItem, FolderIdentity(folder))) {
        return;
    }
    QListWidgetItem* item = newItem(FolderItem, FolderIdentity(folder), QString::fromStdString(folder.folder_name()));
    item->setToolTip(QString::fromStdString(folder.folder_description()));
    item->setData(FolderRole, QVariant::fromValue(folder));
    appendItem(item);
}

void MainPaneListWidget::removeFolderItem(int folderId)
{
    std::vector<QListWidgetItem*> gone;
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem* each = item(row);
        if (each->type() == FolderItem) {
            const auto folder = ItemRecord<zarv::data::Folder>(each, FolderRole);
            if (folder.folder_id() == folderId || folder.folder_parent_id() == folderId) {
                gone.push_back(each);
            }
        } else if (each->type() == DocumentItem
                   && ItemRecord<zarv::data::Document>(each, DocumentRole).document_folder_id() == folderId) {
            gone.push_back(each);
        }
    }
    for (QListWidgetItem* each : gone) {
        delete each;
    }
    emit removeFolderShortcutItem(folderId);
}

void MainPaneListWidget::renameFolderItem(const zarv::data::Folder& folder)
{
    if (QListWidgetItem* item = findItem(FolderItem, FolderIdentity(folder))) {
        auto stored = ItemRecord<zarv::data::Folder>(item, FolderRole);
        stored.set_folder_name(folder.folder_name());
        item->setData(FolderRole, QVariant::fromValue(stored));
        item->setText(QString::fromStdString(folder.folder_name()));
    }
    emit renameFolderShortcutItem(folder);
}

void MainPaneListWidget::redescribeFolderItem(const zarv::data::Folder& folder)
{
    if (QListWidgetItem* item = findItem(FolderItem, FolderIdentity(folder))) {
        auto stored = ItemRecord<zarv::data::Folder>(item, FolderRole);
        stored.set_folder_description(folder.folder_description());
        item->setData(FolderRole, QVariant::fromValue(stored));
        item->setToolTip(QString::fromStdString(folder.folder_description()));
    }
    emit redescribeFolderShortcutItem(folder);
}

void MainPaneListWidget::addDocumentItem(const zarv::data::Document& document)
{
    if (findItem(DocumentItem, DocumentIdentity(document))) {
        return;
    }
    QListWidgetItem* item =
        newItem(DocumentItem, DocumentIdentity(document), QString::fromStdString(document.document_name()));
    item->setToolTip(QString::fromStdString(document.document_description()));
    item->setData(DocumentRole, QVariant::fromValue(document));
    appendItem(item);
}

void MainPaneListWidget::removeDocumentItem(int documentId)
{
    delete findItem(DocumentItem, documentId);
}

void MainPaneListWidget::updateDocumentItem(const zarv::data::Document& document)
{
    // A rename carries only the id and the name: the fields present are
    // merged into the stored record.
    if (QListWidgetItem* item = findItem(DocumentItem, DocumentIdentity(document))) {
        auto stored = ItemRecord<zarv::data::Document>(item, DocumentRole);
        stored.MergeFrom(document);
        item->setText(QString::fromStdString(stored.document_name()));
        item->setToolTip(QString::fromStdString(stored.document_description()));
        item->setData(DocumentRole, QVariant::fromValue(stored));
    }
}

void MainPaneListWidget::addGroupKeyItem(const zarv::data::GroupKey& groupKey)
{
    const int identity = GroupKeyReader(groupKey).groupId();
    if (!findItem(GroupKeyItem, identity)) {
        QListWidgetItem* item =
            newItem(GroupKeyItem, identity, QString::fromStdString(groupKey.group_key_group().group_name()));
        item->setData(GroupKeyRole, QVariant::fromValue(groupKey));
        appendItem(item);
    }
}

void MainPaneListWidget::addUserItem(const zarv::data::User& user)
{
    if (!findItem(UserItem, user.user_id())) {
        QListWidgetItem* item = newItem(UserItem, user.user_id(), UserItemText(user));
        item->setData(UserRole, QVariant::fromValue(user));
        appendItem(item);
    }
}

void MainPaneListWidget::addFolderKeyItem(const zarv::data::FolderKey& folderKey)
{
    AddKeyItem<zarv::data::FolderKey, FolderKeyAdapter, FolderKeyValidator>(this, folderKey);
}

void MainPaneListWidget::addDocumentKeyItem(const zarv::data::DocumentKey& documentKey)
{
    AddKeyItem<zarv::data::DocumentKey, DocumentKeyAdapter, DocumentKeyValidator>(this, documentKey);
}

void MainPaneListWidget::updateDocumentKeyItem(const zarv::data::DocumentKey& documentKey)
{
    if (QListWidgetItem* item = findItem(DocumentKeyItem, DocumentKeyAdapter::identity(documentKey))) {
        SetWeight(item, Emphasized(documentKey.document_key_properties()) ? QFont::Bold : QFont::Normal);
        item->setData(DocumentKeyRole, QVariant::fromValue(documentKey));
    }
}
