#include "product/client/view/keylisttrees.h"

#include "library/core/proxy/documentkeyreader.h"
#include "library/core/proxy/folderkeyreader.h"
#include "library/gui/linguist.h"
#include "product/client/view/keyrows.h"

#include <QIcon>
#include <QTimer>

namespace {

QStringList Headers(const std::vector<const char*>& ids)
{
    QStringList headers;
    for (const char* id : ids) {
        headers << Linguist::tr(id);
    }
    return headers;
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

KeyListPaneTreeWidget::KeyListPaneTreeWidget(QWidget* parent,
                                             const keyrows::Layout& layout,
                                             int activeColumn,
                                             const QStringList& headers)
    : AbstractPaneTreeWidget(parent)
    , m_layout(layout)
    , m_activeColumn(activeColumn)
{
    setHeaderLabels(headers);
    setAlternatingRowColors(true);
    connect(this, &QTreeWidget::itemExpanded, this, &KeyListPaneTreeWidget::resizeColumnsToContents);
    connect(this, &QTreeWidget::itemCollapsed, this, &KeyListPaneTreeWidget::resizeColumnsToContents);
}

KeyListPaneTreeWidget::~KeyListPaneTreeWidget() = default;

void KeyListPaneTreeWidget::resizeColumnsToContents()
{
    if (m_resizePending) {
        return;
    }
    m_resizePending = true;
    QTimer::singleShot(0, this, &KeyListPaneTreeWidget::fitColumns);
}

void KeyListPaneTreeWidget::fitColumns()
{
    m_resizePending = false;
    for (int column = 0; column < columnCount(); ++column) {
        resizeColumnToContents(column);
    }
}

void KeyListPaneTreeWidget::viewPermissionsToggled(bool view)
{
    keyrows::ViewGroup(this, 0, KeyListKindRole, m_layout.groups[0].kind, view);
}

void KeyListPaneTreeWidget::viewDaysToggled(bool view)
{
    keyrows::ViewGroup(this, m_activeColumn, KeyListKindRole, m_layout.groups[1].kind, view);
}

void KeyListPaneTreeWidget::viewMonthsToggled(bool view)
{
    keyrows::ViewGroup(this, m_activeColumn, KeyListKindRole, m_layout.groups[2].kind, view);
}

void KeyListPaneTreeWidget::addKeyRow(const QVariant& key,
                                      const QString& owner,
                                      const QStringList& texts,
                                      int permissions,
                                      int active)
{
    static const QIcon keyIcon(QStringLiteral(":icons/32x32/key.png"));
    // Built whole before it joins the tree, so that the tree lays it out once.
    auto* keyRow = new QTreeWidgetItem;
    keyRow->setText(0, owner);
    keyRow->setIcon(0, keyIcon);
    keyRow->setData(0, KeyListKindRole, m_layout.keyKind);
    keyRow->setData(0, KeyListRecordRole, key);
    int text = 0;
    for (int column = 1; column < columnCount() && text < texts.size(); ++column) {
        if (column != m_activeColumn) {
            keyRow->setText(column, texts[text++]);
        }
    }
    keyrows::AddGroups(keyRow, m_layout, m_activeColumn, KeyListKindRole, permissions, active);
    addTopLevelItem(keyRow);
    resizeColumnsToContents();
}

DocumentKeysPaneTreeWidget::DocumentKeysPaneTreeWidget(QWidget* parent)
    : KeyListPaneTreeWidget(
        parent,
        keyrows::DocumentKeyLayout(),
        3,
        Headers({"Owner", "Document", "Revision", "Active", "Hours", "Region", "Duration", "Expiration"}))
{}

DocumentKeysPaneTreeWidget::~DocumentKeysPaneTreeWidget() = default;

void DocumentKeysPaneTreeWidget::addDocumentKey(const zarv::data::DocumentKey& documentKey)
{
    const DocumentKeyReader reader(documentKey);
    const zarv::data::SecurityDescriptor& descriptor = documentKey.document_key_security_descriptor();
    addKeyRow(QVariant::fromValue(documentKey), Text(reader.ownerDisplayNameAlphabetical()),
              {Text(reader.documentName()), keyrows::RevisionText(reader.documentRevision()),
               Text(reader.activeHoursDisplay()), Text(reader.activeRegion()), Text(reader.sessionDurationDisplay()),
               Text(reader.expirationDateDisplay())},
              descriptor.permissions(), descriptor.active());
}

FolderKeysPaneTreeWidget::FolderKeysPaneTreeWidget(QWidget* parent)
    : KeyListPaneTreeWidget(parent,
                            keyrows::FolderKeyLayout(),
                            2,
                            Headers({"Owner", "Folder", "Active", "Hours", "Region", "Duration", "Expiration"}))
{}

FolderKeysPaneTreeWidget::~FolderKeysPaneTreeWidget() = default;

void FolderKeysPaneTreeWidget::addFolderKey(const zarv::data::FolderKey& folderKey)
{
    const FolderKeyReader reader(folderKey);
    const zarv::data::SecurityDescriptor& descriptor = folderKey.folder_key_security_descriptor();
    addKeyRow(QVariant::fromValue(folderKey), Text(reader.ownerDisplayNameAlphabetical()),
              {Text(reader.folderName()), Text(reader.activeHoursDisplay()), Text(reader.activeRegion()),
               Text(reader.sessionDurationDisplay()), Text(reader.expirationDateDisplay())},
              descriptor.permissions(), descriptor.active());
}
