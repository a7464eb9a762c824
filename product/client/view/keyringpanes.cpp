#include "product/client/view/keyringpanes.h"

#include "library/core/proxy/documentkeyreader.h"
#include "library/core/proxy/folderkeyreader.h"
#include "library/core/proxy/securitydescriptorproxy.h"
#include "library/gui/linguist.h"
#include "product/client/view/keyrows.h"

#include <QFont>
#include <QHeaderView>
#include <QIcon>
#include <QScopedValueRollback>
#include <QTimer>

namespace {

constexpr int ActiveColumn = 1;

const QIcon& KeyIcon(bool modified)
{
    static const QIcon key(QStringLiteral(":icons/32x32/key.png"));
    static const QIcon edited(QStringLiteral(":icons/32x32/key-edit.png"));
    return modified ? edited : key;
}

QStringList Headers(const std::vector<const char*>& ids)
{
    QStringList headers;
    for (const char* id : ids) {
        headers << Linguist::tr(id);
    }
    return headers;
}

// What the pane needs to know of a kind of key.
struct DocumentKeys
{
    using Record = zarv::data::DocumentKey;
    using Reader = DocumentKeyReader;

    static const zarv::data::SecurityDescriptor& descriptor(const Record& key)
    {
        return key.document_key_security_descriptor();
    }
    static zarv::data::SecurityDescriptor& mutableDescriptor(Record& key)
    {
        return *key.mutable_document_key_security_descriptor();
    }
    static int userId(const Record& key) { return key.document_key_user().user_id(); }
    // Columns 2 onwards.
    static QStringList texts(const Record& key)
    {
        const Reader reader(key);
        return {keyrows::RevisionText(reader.documentRevision()), QString::fromStdString(reader.activeHoursDisplay()),
                QString::fromStdString(reader.activeRegion()), QString::fromStdString(reader.sessionDurationDisplay()),
                QString::fromStdString(reader.expirationDateDisplay())};
    }
};

struct FolderKeys
{
    using Record = zarv::data::FolderKey;
    using Reader = FolderKeyReader;

    static const zarv::data::SecurityDescriptor& descriptor(const Record& key)
    {
        return key.folder_key_security_descriptor();
    }
    static zarv::data::SecurityDescriptor& mutableDescriptor(Record& key)
    {
        return *key.mutable_folder_key_security_descriptor();
    }
    static int userId(const Record& key) { return key.folder_key_user().user_id(); }
    static QStringList texts(const Record& key)
    {
        const Reader reader(key);
        return {QString::fromStdString(reader.activeHoursDisplay()), QString::fromStdString(reader.activeRegion()),
                QString::fromStdString(reader.sessionDurationDisplay()),
                QString::fromStdString(reader.expirationDateDisplay())};
    }
};

template <class Keys>
typename Keys::Record KeyOf(QTreeWidgetItem* item, int role)
{
    return item ? item->data(0, role).template value<typename Keys::Record>() : typename Keys::Record();
}

template <class Keys>
bool IsModified(QTreeWidgetItem* keyRow)
{
    return Keys::descriptor(KeyOf<Keys>(keyRow, KeyringKeyRole))
           != Keys::descriptor(KeyOf<Keys>(keyRow, KeyringKeyBaseRole));
}

// Normal and struck out while the key is inactive, bold otherwise.
template <class Keys>
void SetFont(const typename Keys::Record& key, QTreeWidgetItem* keyRow)
{
    QFont font = keyRow->font(0);
    const bool inactive = typename Keys::Reader(key).inactive();
    font.setWeight(inactive ? QFont::Normal : QFont::Bold);
    font.setStrikeOut(inactive);
    keyRow->setFont(0, font);
}

template <class Keys>
void ShowKey(QTreeWidgetItem* keyRow, const typename Keys::Record& key)
{
    const QVariant value = QVariant::fromValue(key);
    keyRow->setData(0, KeyringKeyRole, value);
    keyRow->setData(0, KeyringKeyBaseRole, value);
    keyRow->setIcon(0, KeyIcon(false));
    const QStringList texts = Keys::texts(key);
    for (int i = 0; i < texts.size(); ++i) {
        keyRow->setText(ActiveColumn + 1 + i, texts[i]);
    }
    SetFont<Keys>(key, keyRow);
}

template <class Keys>
QTreeWidgetItem* NewKeyRow(const typename Keys::Record& key, const keyrows::Layout& layout)
{
    auto* keyRow = new QTreeWidgetItem;
    keyRow->setText(0, QString::fromStdString(typename Keys::Reader(key).userDisplayNameAlphabetical()));
    keyRow->setData(0, KeyringItemKindRole, layout.keyKind);
    const zarv::data::SecurityDescriptor& descriptor = Keys::descriptor(key);
    keyrows::AddGroups(keyRow, layout, ActiveColumn, KeyringItemKindRole, descriptor.permissions(),
                       descriptor.active());
    ShowKey<Keys>(keyRow, key);
    return keyRow;
}

// The first key row of the holder, or null.
template <class Keys>
QTreeWidgetItem* RowOfHolder(QTreeWidget* tree, int userId)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = tree->topLevelItem(i);
        if (Keys::userId(KeyOf<Keys>(row, KeyringKeyRole)) == userId) {
            return row;
        }
    }
    return nullptr;
}

template <class Keys>
void UpdateRow(QTreeWidget* tree, const typename Keys::Record& key, const keyrows::Layout& layout)
{
    QTreeWidgetItem* keyRow = RowOfHolder<Keys>(tree, Keys::userId(key));
    if (!keyRow || keyRow->data(0, KeyringItemKindRole) != QVariant(layout.keyKind)) {
        return;
    }
    ShowKey<Keys>(keyRow, key);
    const zarv::data::SecurityDescriptor& descriptor = Keys::descriptor(key);
    keyrows::SetChecks(keyRow, layout, ActiveColumn, KeyringItemKindRole, descriptor.permissions(),
                       descriptor.active());
}

template <class Keys>
void ApplyBit(QTreeWidgetItem* keyRow, bool permission, int bit, bool on)
{
    typename Keys::Record key = KeyOf<Keys>(keyRow, KeyringKeyRole);
    zarv::data::SecurityDescriptor& descriptor = Keys::mutableDescriptor(key);
    if (permission) {
        descriptor.set_permissions(keyrows::WithBit(descriptor.permissions(), bit, on));
    } else {
        descriptor.set_active(keyrows::WithBit(descriptor.active(), bit, on));
    }
    keyRow->setData(0, KeyringKeyRole, QVariant::fromValue(key));
    keyRow->setIcon(0, KeyIcon(IsModified<Keys>(keyRow)));
    SetFont<Keys>(key, keyRow);
}

bool IsKeyRow(const QTreeWidgetItem* item)
{
    if (!item || item->parent()) {
        return false;
    }
    bool isInt = false;
    const int kind = item->data(0, KeyringItemKindRole).toInt(&isInt);
    return isInt && kind == 0;
}

QTreeWidgetItem* KeyRowOf(QTreeWidgetItem* item)
{
    while (item->parent()) {
        item = item->parent();
    }
    return item;
}

}  // namespace

KeyringPaneTreeWidget::KeyringPaneTreeWidget(QWidget* parent, const keyrows::Layout& layout, const QStringList& headers)
    : AbstractPaneTreeWidget(parent)
    , m_layout(layout)
{
    setHeaderLabels(headers);
    setAlternatingRowColors(true);
    connect(this, &QTreeWidget::itemExpanded, this, &KeyringPaneTreeWidget::resizeColumnsToContents);
    connect(this, &QTreeWidget::itemCollapsed, this, &KeyringPaneTreeWidget::resizeColumnsToContents);
}

KeyringPaneTreeWidget::~KeyringPaneTreeWidget() = default;

void KeyringPaneTreeWidget::resizeColumnsToContents()
{
    if (m_resizePending) {
        return;
    }
    m_resizePending = true;
    QTimer::singleShot(0, this, &KeyringPaneTreeWidget::fitColumns);
}

void KeyringPaneTreeWidget::fitColumns()
{
    m_resizePending = false;
    for (int column = 0; column < columnCount(); ++column) {
        resizeColumnToContents(column);
    }
}

void KeyringPaneTreeWidget::viewPermissionsToggled(bool view)
{
    keyrows::ViewGroup(this, 0, KeyringItemKindRole, m_layout.groups[0].kind, view);
}

void KeyringPaneTreeWidget::viewDaysToggled(bool view)
{
    keyrows::ViewGroup(this, ActiveColumn, KeyringItemKindRole, m_layout.groups[1].kind, view);
}

void KeyringPaneTreeWidget::viewMonthsToggled(bool view)
{
    keyrows::ViewGroup(this, ActiveColumn, KeyringItemKindRole, m_layout.groups[2].kind, view);
}

void KeyringPaneTreeWidget::checkChanged(QTreeWidgetItem* item, int column)
{
    if (m_writing || !item || (column != 0 && column != ActiveColumn)) {
        return;
    }
    const QVariant kindData = item->data(column, KeyringItemKindRole);
    if (kindData.typeId() != QMetaType::Int) {
        return;
    }
    keyrows::Word word = keyrows::Word::Active;
    int bit = 0;
    if (!keyrows::BitOfKind(m_layout, kindData.toInt(), word, bit)) {
        return;
    }
    // A permission's box stands in column 0, an active bit's in the Active
    // column; a change elsewhere on the row is none of the box's.
    const int boxColumn = word == keyrows::Word::Permissions ? 0 : ActiveColumn;
    if (column != boxColumn) {
        return;
    }
    const bool checked = item->data(column, Qt::CheckStateRole).toInt() == Qt::Checked;
    QScopedValueRollback<bool> writing(m_writing, true);
    applyBit(KeyRowOf(item), word == keyrows::Word::Permissions, bit, checked);
    resizeColumnsToContents();
}

DocumentKeyringPaneTreeWidget::DocumentKeyringPaneTreeWidget(QWidget* parent)
    : KeyringPaneTreeWidget(parent,
                            keyrows::DocumentKeyLayout(),
                            Headers({"User", "Active", "Revision", "Hours", "Region", "Duration", "Expiration"}))
{
    connect(this, &QTreeWidget::itemChanged, this, &DocumentKeyringPaneTreeWidget::documentKeyChanged);
}

DocumentKeyringPaneTreeWidget::~DocumentKeyringPaneTreeWidget() = default;

void DocumentKeyringPaneTreeWidget::addDocumentKey(const zarv::data::DocumentKey& documentKey)
{
    QScopedValueRollback<bool> writing(m_writing, true);
    addTopLevelItem(NewKeyRow<DocumentKeys>(documentKey, m_layout));
    resizeColumnsToContents();
}

void DocumentKeyringPaneTreeWidget::updateDocumentKey(const zarv::data::DocumentKey& documentKey)
{
    QScopedValueRollback<bool> writing(m_writing, true);
    UpdateRow<DocumentKeys>(this, documentKey, m_layout);
    resizeColumnsToContents();
}

void DocumentKeyringPaneTreeWidget::revertDocumentKey(const zarv::data::DocumentKey& documentKeyBase)
{
    updateDocumentKey(documentKeyBase);
}

void DocumentKeyringPaneTreeWidget::deleteDocumentKey(int userId)
{
    delete RowOfHolder<DocumentKeys>(this, userId);
}

void DocumentKeyringPaneTreeWidget::documentKeyChanged(QTreeWidgetItem* item, int column)
{
    checkChanged(item, column);
}

void DocumentKeyringPaneTreeWidget::applyBit(QTreeWidgetItem* keyRow, bool permission, int bit, bool on)
{
    ApplyBit<DocumentKeys>(keyRow, permission, bit, on);
}

FolderKeyringPaneTreeWidget::FolderKeyringPaneTreeWidget(QWidget* parent)
    : KeyringPaneTreeWidget(parent,
                            keyrows::FolderKeyLayout(),
                            Headers({"User", "Active", "Hours", "Region", "Duration", "Expiration"}))
{
    connect(this, &QTreeWidget::itemChanged, this, &FolderKeyringPaneTreeWidget::folderKeyChanged);
}

FolderKeyringPaneTreeWidget::~FolderKeyringPaneTreeWidget() = default;

void FolderKeyringPaneTreeWidget::addFolderKey(const zarv::data::FolderKey& folderKey)
{
    QScopedValueRollback<bool> writing(m_writing, true);
    addTopLevelItem(NewKeyRow<FolderKeys>(folderKey, m_layout));
    resizeColumnsToContents();
}

void FolderKeyringPaneTreeWidget::updateFolderKey(const zarv::data::FolderKey& folderKey)
{
    QScopedValueRollback<bool> writing(m_writing, true);
    UpdateRow<FolderKeys>(this, folderKey, m_layout);
    resizeColumnsToContents();
}

void FolderKeyringPaneTreeWidget::revertFolderKey(const zarv::data::FolderKey& folderKeyBase)
{
    updateFolderKey(folderKeyBase);
}

void FolderKeyringPaneTreeWidget::deleteFolderKey(int userId)
{
    delete RowOfHolder<FolderKeys>(this, userId);
}

void FolderKeyringPaneTreeWidget::folderKeyChanged(QTreeWidgetItem* item, int column)
{
    checkChanged(item, column);
}

void FolderKeyringPaneTreeWidget::applyBit(QTreeWidgetItem* keyRow, bool permission, int bit, bool on)
{
    ApplyBit<FolderKeys>(keyRow, permission, bit, on);
}

bool IsDocumentKeyTreeWidgetItem(const QTreeWidgetItem* item)
{
    return IsKeyRow(item);
}

bool IsFolderKeyTreeWidgetItem(const QTreeWidgetItem* item)
{
    return IsKeyRow(item);
}

QTreeWidgetItem* GetDocumentKeyTreeWidgetItem(QTreeWidgetItem* item)
{
    return KeyRowOf(item);
}

QTreeWidgetItem* GetFolderKeyTreeWidgetItem(QTreeWidgetItem* item)
{
    return KeyRowOf(item);
}

zarv::data::DocumentKey GetDocumentKey(QTreeWidgetItem* item)
{
    return KeyOf<DocumentKeys>(item, KeyringKeyRole);
}

zarv::data::DocumentKey GetDocumentKeyBase(QTreeWidgetItem* item)
{
    return KeyOf<DocumentKeys>(item, KeyringKeyBaseRole);
}

zarv::data::FolderKey GetFolderKey(QTreeWidgetItem* item)
{
    return KeyOf<FolderKeys>(item, KeyringKeyRole);
}

zarv::data::FolderKey GetFolderKeyBase(QTreeWidgetItem* item)
{
    return KeyOf<FolderKeys>(item, KeyringKeyBaseRole);
}

bool IsModifiedDocumentKey(QTreeWidgetItem* keyRow)
{
    return IsModified<DocumentKeys>(keyRow);
}

bool IsModifiedFolderKey(QTreeWidgetItem* keyRow)
{
    return IsModified<FolderKeys>(keyRow);
}
