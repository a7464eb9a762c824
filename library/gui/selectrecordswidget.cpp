#include "library/gui/selectrecordswidget.h"

#include "library/gui/linguist.h"
#include "library/gui/mode.h"
#include "library/gui/serverfailuretext.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The record's id, kept beside the record for the look-ups.
constexpr int IdRole = Qt::UserRole + 64;

QPushButton* Button(const char* text, const char* icon)
{
    return new QPushButton(QIcon(QString::fromLatin1(icon)), Linguist::tr(text));
}

// A click toggles an item without modifier keys; items stay in the order of
// their text.
QListWidget* RecordList()
{
    auto* list = new QListWidget;
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setSortingEnabled(true);
    return list;
}

}  // namespace

SelectRecordsWidget::SelectRecordsWidget(QWidget* parent, const Texts& texts)
    : QWidget(parent)
    , m_mode(new Mode(this))
    , m_sourcesList(RecordList())
    , m_include(Button("Include", texts.includeIcon))
    , m_includeAll(Button("IncludeAll", texts.includeAllIcon))
    , m_unselectedLabel(new QLabel(QCoreApplication::translate(texts.context, texts.unselectedLabel)))
    , m_unselectedList(RecordList())
    , m_add(Button("Add", texts.addIcon))
    , m_addAll(Button("AddAll", texts.addAllIcon))
    , m_selectedLabel(new QLabel(QCoreApplication::translate(texts.context, texts.selectedLabel)))
    , m_selectedList(RecordList())
    , m_remove(Button("Remove", texts.removeIcon))
    , m_removeAll(Button("RemoveAll", texts.removeAllIcon))
    , m_layout(new QHBoxLayout)
{
    for (int mode = 0; mode < ModeCount; ++mode) {
        m_mode->registerMode(-1, std::string());
    }
}

SelectRecordsWidget::~SelectRecordsWidget() = default;

void SelectRecordsWidget::initializeLayout(QLayout* sourcesColumn, QWidget* (*labelRowExtra)())
{
    const auto column = [labelRowExtra](QLabel* label, QListWidget* list, QPushButton* first, QPushButton* second) {
        auto* layout = new QVBoxLayout;
        if (labelRowExtra) {
            auto* labelRow = new QHBoxLayout;
            labelRow->addWidget(label);
            labelRow->addWidget(labelRowExtra());
            layout->addLayout(labelRow);
        } else {
            layout->addWidget(label);
        }
        layout->addWidget(list);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(first);
        buttons->addWidget(second);
        layout->addLayout(buttons);
        return layout;
    };
    m_layout->addLayout(sourcesColumn);
    m_layout->addLayout(column(m_unselectedLabel, m_unselectedList, m_add, m_addAll));
    m_layout->addLayout(column(m_selectedLabel, m_selectedList, m_remove, m_removeAll));
}

void SelectRecordsWidget::initializeMode(std::initializer_list<ModeValue> values)
{
    for (const ModeValue& value : values) {
        m_mode->registerProp(value.mode, Mode::Entering, value.control, value.property, value.value);
    }
    connect(this, &SelectRecordsWidget::setMode, m_mode, &Mode::setMode);
    connect(m_sourcesList, &QListWidget::itemSelectionChanged, this,
            &SelectRecordsWidget::sourcesListWidgetItemSelectionChanged);
    connect(m_unselectedList, &QListWidget::itemSelectionChanged, this,
            &SelectRecordsWidget::unselectedListWidgetItemSelectionChanged);
    connect(m_selectedList, &QListWidget::itemSelectionChanged, this,
            &SelectRecordsWidget::selectedListWidgetItemSelectionChanged);
    connect(m_include, &QPushButton::clicked, this, &SelectRecordsWidget::include);
    connect(m_includeAll, &QPushButton::clicked, this, &SelectRecordsWidget::includeAll);
    connect(m_add, &QPushButton::clicked, this, &SelectRecordsWidget::add);
    connect(m_addAll, &QPushButton::clicked, this, &SelectRecordsWidget::addAll);
    connect(m_remove, &QPushButton::clicked, this, &SelectRecordsWidget::remove);
    connect(m_removeAll, &QPushButton::clicked, this, &SelectRecordsWidget::removeAll);
    emit setMode(Start);
}

QList<QListWidgetItem*> SelectRecordsWidget::selectedItems() const
{
    QList<QListWidgetItem*> items;
    for (int row = 0; row < m_selectedList->count(); ++row) {
        items.append(m_selectedList->item(row));
    }
    return items;
}

void SelectRecordsWidget::clear()
{
    m_sourcesList->clear();
    m_unselectedList->clear();
    m_unselectedIds.clear();
}

void SelectRecordsWidget::include()
{
    const QList<QListWidgetItem*> sources = m_sourcesList->selectedItems();
    if (sources.isEmpty()) {
        return;
    }
    const int countBefore = m_unselectedList->count();
    for (QListWidgetItem* source : sources) {
        includeSource(source);
    }
    // An included source leaves the list.
    qDeleteAll(sources);
    emit setMode(m_sourcesList->count() > 0 ? SourcesIncluded : SourcesEmpty);
    enterUnselectedModeAfterInclude(countBefore);
    reportFailure();
}

void SelectRecordsWidget::includeAll()
{
    HighlightAll(m_sourcesList);
    include();
}

void SelectRecordsWidget::add()
{
    const QList<QListWidgetItem*> items = m_unselectedList->selectedItems();
    if (items.isEmpty()) {
        return;
    }
    const int countBefore = m_selectedList->count();
    for (QListWidgetItem* item : items) {
        const int id = item->data(IdRole).toInt();
        addItem(take(m_unselectedList, item), id);
    }
    emit setMode(m_unselectedList->count() > 0 ? UnselectedNotSelected : UnselectedEmpty);
    if (m_selectedList->count() > countBefore) {
        emit setMode(SelectedFilled);
    }
}

void SelectRecordsWidget::addAll()
{
    HighlightAll(m_unselectedList);
    add();
}

void SelectRecordsWidget::remove()
{
    const QList<QListWidgetItem*> items = m_selectedList->selectedItems();
    if (items.isEmpty()) {
        return;
    }
    const int countBefore = m_unselectedList->count();
    for (QListWidgetItem* item : items) {
        const int id = item->data(IdRole).toInt();
        // A removed record returns even when no listed source holds it.
        includeItem(take(m_selectedList, item), id);
    }
    emit setMode(m_selectedList->count() > 0 ? SelectedNotSelected : SelectedEmpty);
    if (m_unselectedList->count() > countBefore) {
        emit setMode(UnselectedFilled);
    }
}

void SelectRecordsWidget::removeAll()
{
    HighlightAll(m_selectedList);
    remove();
}

void SelectRecordsWidget::sourcesListWidgetItemSelectionChanged()
{
    emit setMode(m_sourcesList->selectedItems().isEmpty() ? SourcesNotSelected : SourcesSelected);
}

void SelectRecordsWidget::unselectedListWidgetItemSelectionChanged()
{
    emit setMode(m_unselectedList->selectedItems().isEmpty() ? UnselectedNotSelected : UnselectedSelected);
}

void SelectRecordsWidget::selectedListWidgetItemSelectionChanged()
{
    emit setMode(m_selectedList->selectedItems().isEmpty() ? SelectedNotSelected : SelectedSelected);
}

void SelectRecordsWidget::includeItem(QListWidgetItem* item, int id)
{
    append(m_unselectedList, item, id);
}

bool SelectRecordsWidget::addItem(QListWidgetItem* item, int id)
{
    if (isAdded(id)) {
        delete item;
        return false;
    }
    append(m_selectedList, item, id);
    emit setMode(SelectedFilled);
    return true;
}

bool SelectRecordsWidget::isIncluded(int id) const
{
    return m_unselectedIds.count(id) != 0;
}

bool SelectRecordsWidget::isAdded(int id) const
{
    return m_selectedIds.count(id) != 0;
}

void SelectRecordsWidget::noteFailure(const ServerCall& call)
{
    if (m_failure.isEmpty()) {
        m_failure = ServerFailureText(call);
    }
}

void SelectRecordsWidget::reportFailure()
{
    if (m_failure.isEmpty()) {
        return;
    }
    const QString text = m_failure;
    m_failure.clear();
    QWidget* host = parentWidget();
    QMessageBox::warning(host, host ? host->window()->windowTitle() : QString(), text);
}

SelectRecordsWidget::IdCounts& SelectRecordsWidget::countsOf(const QListWidget* list)
{
    return list == m_selectedList ? m_selectedIds : m_unselectedIds;
}

void SelectRecordsWidget::append(QListWidget* list, QListWidgetItem* item, int id)
{
    item->setData(IdRole, id);
    list->addItem(item);
    ++countsOf(list)[id];
}

QListWidgetItem* SelectRecordsWidget::take(QListWidget* list, QListWidgetItem* item)
{
    IdCounts& counts = countsOf(list);
    const auto found = counts.find(item->data(IdRole).toInt());
    if (found != counts.end() && --found->second == 0) {
        counts.erase(found);
    }
    return list->takeItem(list->row(item));
}

void SelectRecordsWidget::HighlightAll(QListWidget* list)
{
    list->selectAll();
}
