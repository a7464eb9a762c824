#include "library/gui/searchtableview.h"

#include "library/gui/searcheditors.h"
#include "library/gui/searchrequest.h"

#include <QBrush>
#include <QHeaderView>
#include <QStandardItemModel>

namespace {

// Decorates a header section as a button: its sign, its colour and its tip.
void DecorateSection(QStandardItemModel& model,
                     int section,
                     Qt::Orientation orientation,
                     const QString& sign,
                     Qt::GlobalColor color,
                     const QString& toolTip)
{
    model.setHeaderData(section, orientation, sign, Qt::EditRole);
    model.setHeaderData(section, orientation, QBrush(color, Qt::SolidPattern), Qt::ForegroundRole);
    model.setHeaderData(section, orientation, toolTip, Qt::ToolTipRole);
}

// The four criterion roles in the order the delegate writes them.
constexpr int CriterionRoles[] = {search::CriterionSubjectRole, search::CriterionPredicateRole,
                                  search::CriterionTextRole, search::CriterionDateRole};

}  // namespace

SearchTableView::SearchTableView(QWidget* parent)
    : QTableView(parent)
    , m_standardItemModel(new QStandardItemModel(0, 1, this))
{
    setModel(m_standardItemModel);
    DecorateSection(*m_standardItemModel, 0, Qt::Horizontal, tr("+"), Qt::green, tr("AddSearchCriteria"));
    horizontalHeader()->setStretchLastSection(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &SearchTableView::addRow);
    connect(verticalHeader(), &QHeaderView::sectionClicked, this, &SearchTableView::deleteRow);
}

void SearchTableView::addRow(int)
{
    setSelectionMode(QAbstractItemView::NoSelection);
    m_standardItemModel->insertRow(m_standardItemModel->rowCount());
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void SearchTableView::deleteRow(int logicalIndex)
{
    m_standardItemModel->removeRow(logicalIndex);
}

void SearchTableView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QTableView::rowsInserted(parent, start, end);
    for (int row = start; row <= end; ++row) {
        DecorateSection(*m_standardItemModel, row, Qt::Vertical, tr("-"), Qt::red, tr("DeleteSearchCriteria"));
        openPersistentEditor(m_standardItemModel->index(row, 0, parent));
    }
}

void AbstractSearchDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* searchEditor = qobject_cast<AbstractSearchEditor*>(editor);
    QVariant values[std::size(CriterionRoles)];
    for (std::size_t role = 0; role < std::size(CriterionRoles); ++role) {
        values[role] = index.data(CriterionRoles[role]);
        if (!values[role].isValid()) {
            return;
        }
    }
    if (searchEditor == nullptr) {
        return;
    }
    searchEditor->setSubject(values[0].toInt());
    searchEditor->setPredicate(values[1].toInt());
    searchEditor->setText(values[2].toString());
    searchEditor->setDate(values[3].toDate());
}

void AbstractSearchDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    const auto* searchEditor = qobject_cast<AbstractSearchEditor*>(editor);
    if (searchEditor == nullptr) {
        return;
    }
    model->setData(index, searchEditor->getSubject(), search::CriterionSubjectRole);
    model->setData(index, searchEditor->getPredicate(), search::CriterionPredicateRole);
    model->setData(index, searchEditor->getText(), search::CriterionTextRole);
    model->setData(index, searchEditor->getDate(), search::CriterionDateRole);
}

void AbstractSearchDelegate::updateEditorGeometry(QWidget* editor,
                                                  const QStyleOptionViewItem& option,
                                                  const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

QWidget* AbstractSearchDelegate::connected(QWidget* editor) const
{
    connect(static_cast<AbstractSearchEditor*>(editor), &AbstractSearchEditor::commitData, this,
            &AbstractSearchDelegate::commitData);
    return editor;
}

DocumentSearchDelegate::DocumentSearchDelegate(QObject* parent)
    : AbstractSearchDelegate(parent)
{}

QWidget* DocumentSearchDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    return connected(new DocumentSearchEditor(parent));
}

MessageSearchDelegate::MessageSearchDelegate(QObject* parent)
    : AbstractSearchDelegate(parent)
{}

QWidget* MessageSearchDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    return connected(new MessageSearchEditor(parent));
}

namespace {

// What both criteria tables do once their delegate is in place: one row,
// its column fitted, shown.
void StartWithOneRow(SearchTableView& table)
{
    table.addRow(0);
    table.resizeColumnToContents(0);
    table.show();
}

}  // namespace

DocumentSearchTableView::DocumentSearchTableView(QWidget* parent)
    : SearchTableView(parent)
{
    setItemDelegateForColumn(0, new DocumentSearchDelegate(this));
    StartWithOneRow(*this);
}

MessageSearchTableView::MessageSearchTableView(QWidget* parent)
    : SearchTableView(parent)
{
    setItemDelegateForColumn(0, new MessageSearchDelegate(this));
    StartWithOneRow(*this);
}
