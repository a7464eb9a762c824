#include "product/client/view/mainpanelistwidget.h"

#include "library/core/lib/timezonedatabase.h"
#include "library/core/proxy/documentkeyvalidator.h"
#include "library/core/proxy/folderkeyreader.h"
#include "library/core/proxy/folderkeyvalidator.h"
#include "library/core/proxy/groupkeyreader.h"

#include <QAbstractItemModel>
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

}  // namespace

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
    setSelectionMode(QAbstractItemView::SingleSelection);
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
    if (QListWidgetItem* item = findItem(DocumentItem, DocumentIdentity(document))) {
        item->setText(QString::fromStdString(document.document_name()));
        item->setToolTip(QString::fromStdString(document.document_description()));
        item->setData(DocumentRole, QVariant::fromValue(document));
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
