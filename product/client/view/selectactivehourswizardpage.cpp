#include "product/client/view/selectactivehourswizardpage.h"

#include "product/client/view/wizardpagesupport.h"

#include "library/core/lib/time.h"
#include "library/core/lib/timezonedatabase.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QList>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <set>

namespace {

enum Column
{
    RegionColumn = 0,
    StandardAbbreviationColumn = 1,
    DaylightSavingAbbreviationColumn = 2,
    ActiveHoursColumn = 3,
    DurationColumn = 4
};

const TimeZoneDatabase& Database()
{
    return *ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance();
}

// The part of each region name before its first '/', once per run of equal
// parts: the names are in ascending order, so each continent comes once.
void InitializeContinentComboBox(QComboBox* comboBox, const std::vector<std::string>& regions)
{
    QString previous;
    for (const std::string& region : regions) {
        const QString continent = QString::fromStdString(region.substr(0, region.find('/')));
        if (continent != previous) {
            comboBox->addItem(continent);
            previous = continent;
        }
    }
}

QStandardItem* TableItem(const QString& text)
{
    auto* item = new QStandardItem(text);
    item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEditable));
    return item;
}

// One row: region, both abbreviations and the two window cells, empty until
// the first update.
QList<QStandardItem*> RegionRow(const TimeZone& zone, const QString& daylightSavingNotObserved)
{
    const QString region = QString::fromStdString(zone.getRegion());
    QList<QStandardItem*> row = {
        TableItem(region),
        TableItem(QString::fromStdString(zone.getTimeZoneStandardAbbrev())),
        TableItem(QString::fromStdString(zone.getTimeZoneDaylightSavingTimeAbbrev())),
        TableItem(QString()),
        TableItem(QString()),
    };
    row[RegionColumn]->setData(region, Qt::UserRole);
    row[DaylightSavingAbbreviationColumn]->setToolTip(zone.hasDaylightSavingTime()
                                                          ? QString::fromStdString(zone.getDaylightSavingTimePeriod())
                                                          : daylightSavingNotObserved);
    return row;
}

}  // namespace

SelectActiveHoursWizardPage::SelectActiveHoursWizardPage(QWidget* parent)
    : QWizardPage(parent)
    , m_unrestrictedHoursRadioButton(new QRadioButton)
    , m_restrictedHoursRadioButton(new QRadioButton)
    , m_fromLabel(new QLabel)
    , m_upperSeparator(wizardpage::CreateSeparatorLabel())
    , m_lowerSeparator(wizardpage::CreateSeparatorLabel())
    , m_toLabel(new QLabel)
    , m_regionLabel(new QLabel)
    , m_fromTimeEdit(new QTimeEdit)
    , m_toTimeEdit(new QTimeEdit)
    , m_regionComboBox(new QComboBox)
    , m_tableFilterGroupBox(new QGroupBox)
    , m_filterByContinentRadioButton(new QRadioButton)
    , m_continentComboBox(new QComboBox)
    , m_filterByTimezoneRadioButton(new QRadioButton)
    , m_timezoneComboBox(new QComboBox)
    , m_tableView(new QTableView)
    , m_standardItemModel(new QStandardItemModel(0, 3, this))
    , m_sortFilterProxyModel(new QSortFilterProxyModel(this))
{
    wizardpage::InitializeHeader(this, tr("SelectActiveHoursWizardPageTitle"),
                                 tr("SelectActiveHoursWizardPageSubTitle"), "active-hours");
    initializeWidgets();
    initializeLayout();

    const std::vector<std::string> regions = Database().getTimeZoneDatabase().region_list();
    initializeTable(regions);
    for (const std::string& region : regions) {
        m_regionComboBox->addItem(QString::fromStdString(region));
    }
    if (m_regionComboBox->count() > 0) {
        const int index = m_regionComboBox->findText(QString::fromStdString(Database().getDefaultTimeZoneRegion()));
        m_regionComboBox->setCurrentIndex(index < 0 ? 0 : index);
    }
    InitializeContinentComboBox(m_continentComboBox, regions);
    std::set<std::string> abbreviations;
    for (const TimeZone& zone : m_regionTimeZones) {
        abbreviations.insert(zone.getTimeZoneStandardAbbrev());
    }
    for (const std::string& abbreviation : abbreviations) {
        m_timezoneComboBox->addItem(QString::fromStdString(abbreviation));
    }
    updateActiveHours();
    for (int column = RegionColumn; column < ActiveHoursColumn; ++column) {
        m_tableView->resizeColumnToContents(column);
    }
    initializeConnections();
    toggleRestrictedHours(false);
}

SelectActiveHoursWizardPage::~SelectActiveHoursWizardPage() = default;

void SelectActiveHoursWizardPage::initializeWidgets()
{
    m_unrestrictedHoursRadioButton->setText(tr("UnrestrictedHours"));
    m_restrictedHoursRadioButton->setText(tr("RestrictedHours"));
    m_unrestrictedHoursRadioButton->setChecked(true);
    registerField(QStringLiteral("restrictedHours"), m_restrictedHoursRadioButton);

    const QList<QPair<QLabel*, QWidget*>> labels = {
        {m_fromLabel, m_fromTimeEdit}, {m_toLabel, m_toTimeEdit}, {m_regionLabel, m_regionComboBox}};
    m_fromLabel->setText(tr("From"));
    m_toLabel->setText(tr("To"));
    m_regionLabel->setText(tr("Region"));
    for (const auto& [label, buddy] : labels) {
        label->setBuddy(buddy);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    m_fromTimeEdit->setTime(QTime(8, 0, 0));
    m_toTimeEdit->setTime(QTime(17, 0, 0));
    registerField(QStringLiteral("fromTime"), m_fromTimeEdit);
    registerField(QStringLiteral("toTime"), m_toTimeEdit);
    registerField(QStringLiteral("region"), m_regionComboBox, "currentText");

    m_tableFilterGroupBox->setTitle(tr("TableFilterGroupBoxTitle"));
    m_tableFilterGroupBox->setCheckable(true);
    m_tableFilterGroupBox->setFlat(false);
    m_tableFilterGroupBox->setChecked(false);
    m_filterByContinentRadioButton->setText(tr("FilterTableByContinent"));
    m_filterByTimezoneRadioButton->setText(tr("FilterTableByTimezone"));
}

void SelectActiveHoursWizardPage::initializeLayout()
{
    auto* windowLayout = new QHBoxLayout;
    windowLayout->addWidget(m_fromLabel);
    windowLayout->addWidget(m_fromTimeEdit);
    windowLayout->addWidget(m_toLabel);
    windowLayout->addWidget(m_toTimeEdit);
    windowLayout->addWidget(m_regionLabel);
    windowLayout->addWidget(m_regionComboBox);
    windowLayout->addStretch();

    auto* filterLayout = new QHBoxLayout(m_tableFilterGroupBox);
    filterLayout->addWidget(m_filterByContinentRadioButton);
    filterLayout->addWidget(m_continentComboBox);
    filterLayout->addWidget(m_filterByTimezoneRadioButton);
    filterLayout->addWidget(m_timezoneComboBox);
    filterLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_unrestrictedHoursRadioButton);
    layout->addWidget(m_restrictedHoursRadioButton);
    layout->addWidget(m_upperSeparator);
    layout->addLayout(windowLayout);
    layout->addWidget(m_lowerSeparator);
    layout->addWidget(m_tableFilterGroupBox);
    layout->addWidget(m_tableView);
}

// The rows go into the model before the proxy and the view see it, so that
// neither reacts to every new cell.
void SelectActiveHoursWizardPage::initializeTable(const std::vector<std::string>& regions)
{
    const QString daylightSavingNotObserved = tr("DSTNotObserved");
    m_regionTimeZones.reserve(regions.size());
    for (const std::string& region : regions) {
        const TimeZone& zone = m_regionTimeZones.emplace_back(region);
        m_standardItemModel->appendRow(RegionRow(zone, daylightSavingNotObserved));
    }
    const QStringList headers = {tr("Region"), tr("STZ"), tr("DTZ"), tr("ActiveHours"), tr("Duration")};
    for (int column = 0; column < headers.size(); ++column) {
        m_standardItemModel->setHorizontalHeaderItem(column, new QStandardItem(headers[column]));
    }

    m_sortFilterProxyModel->setSourceModel(m_standardItemModel);
    m_tableView->setSelectionMode(QAbstractItemView::NoSelection);
    m_tableView->setSortingEnabled(true);
    m_tableView->verticalHeader()->hide();
    m_tableView->setModel(m_sortFilterProxyModel);
}

void SelectActiveHoursWizardPage::initializeConnections()
{
    connect(this, &SelectActiveHoursWizardPage::invalidateTableFilter, m_sortFilterProxyModel,
            &QSortFilterProxyModel::invalidate);
    connect(m_restrictedHoursRadioButton, &QRadioButton::toggled, this,
            &SelectActiveHoursWizardPage::toggleRestrictedHours);
    connect(m_fromTimeEdit, &QTimeEdit::timeChanged, this, &SelectActiveHoursWizardPage::fromTimeChanged);
    connect(m_toTimeEdit, &QTimeEdit::timeChanged, this, &SelectActiveHoursWizardPage::toTimeChanged);
    connect(m_regionComboBox, &QComboBox::currentIndexChanged, this, &SelectActiveHoursWizardPage::regionChanged);
    connect(m_tableFilterGroupBox, &QGroupBox::toggled, this, &SelectActiveHoursWizardPage::toggleTableFilter);
    connect(m_filterByContinentRadioButton, &QRadioButton::toggled, this,
            &SelectActiveHoursWizardPage::toggleFilterTableByContinent);
    connect(m_continentComboBox, &QComboBox::activated, this,
            &SelectActiveHoursWizardPage::filterTableByContinentActivated);
    connect(m_filterByTimezoneRadioButton, &QRadioButton::toggled, this,
            &SelectActiveHoursWizardPage::toggleFilterTableByTimezone);
    connect(m_timezoneComboBox, &QComboBox::activated, this,
            &SelectActiveHoursWizardPage::filterTableByTimezoneActivated);
}

void SelectActiveHoursWizardPage::cleanupPage() {}

void SelectActiveHoursWizardPage::toggleRestrictedHours(bool on)
{
    for (QWidget* widget :
         QList<QWidget*>{m_fromLabel, m_toLabel, m_regionLabel, m_fromTimeEdit, m_toTimeEdit, m_regionComboBox}) {
        widget->setVisible(on);
    }
    // Without regions there is no table to show.
    if (m_regionTimeZones.empty()) {
        on = false;
    }
    for (QWidget* widget :
         QList<QWidget*>{m_lowerSeparator, m_tableFilterGroupBox, m_filterByContinentRadioButton, m_continentComboBox,
                         m_filterByTimezoneRadioButton, m_timezoneComboBox, m_tableView}) {
        widget->setVisible(on);
    }
}

void SelectActiveHoursWizardPage::fromTimeChanged(const QTime& time)
{
    if (time > m_toTimeEdit->time()) {
        m_toTimeEdit->setTime(time);
    }
    updateActiveHours();
}

void SelectActiveHoursWizardPage::toTimeChanged(const QTime& time)
{
    if (time < m_fromTimeEdit->time()) {
        m_fromTimeEdit->setTime(time);
    }
    updateActiveHours();
}

void SelectActiveHoursWizardPage::regionChanged(int)
{
    updateActiveHours();
}

// Rewrites the window cells of every row, reusing the zones built with the
// page. The model is silent while the cells change and then reports them in
// one block, so that the proxy sorts and filters once.
void SelectActiveHoursWizardPage::updateActiveHours()
{
    const int regionIndex = m_regionComboBox->currentIndex();
    if (m_regionTimeZones.empty() || regionIndex < 0) {
        m_tableView->resizeColumnsToContents();
        return;
    }
    const TimeZone& zone = m_regionTimeZones[static_cast<std::size_t>(regionIndex)];
    const QTime fromTime = m_fromTimeEdit->time();
    const QTime toTime = m_toTimeEdit->time();
    const Time from(fromTime.hour(), fromTime.minute(), fromTime.second(), zone);
    const Time to(toTime.hour(), toTime.minute(), toTime.second(), zone);
    const QString duration = QString::fromStdString(to - from);
    const int rows = m_standardItemModel->rowCount();
    {
        const QSignalBlocker blocker(m_standardItemModel);
        for (int row = 0; row < rows; ++row) {
            const TimeZone& rowZone = m_regionTimeZones[static_cast<std::size_t>(row)];
            m_standardItemModel->item(row, ActiveHoursColumn)
                ->setText(QStringLiteral("%1 - %2").arg(QString::fromStdString(from.getLocalTime(rowZone)),
                                                        QString::fromStdString(to.getLocalTime(rowZone))));
            m_standardItemModel->item(row, DurationColumn)->setText(duration);
        }
    }
    emit m_standardItemModel->dataChanged(m_standardItemModel->index(0, ActiveHoursColumn),
                                          m_standardItemModel->index(rows - 1, DurationColumn));
    // The other columns never change after the page is built.
    m_tableView->resizeColumnToContents(ActiveHoursColumn);
    m_tableView->resizeColumnToContents(DurationColumn);
}

void SelectActiveHoursWizardPage::showEveryRow()
{
    m_sortFilterProxyModel->setFilterKeyColumn(RegionColumn);
    m_sortFilterProxyModel->setFilterFixedString(QString());
}

void SelectActiveHoursWizardPage::toggleTableFilter(bool on)
{
    emit invalidateTableFilter();
    showEveryRow();
    if (!on) {
        return;
    }
    if (m_filterByContinentRadioButton->isChecked()) {
        filterTableByContinentActivated(m_continentComboBox->currentIndex());
    } else if (m_filterByTimezoneRadioButton->isChecked()) {
        filterTableByTimezoneActivated(m_timezoneComboBox->currentIndex());
    }
}

void SelectActiveHoursWizardPage::toggleFilterTableByContinent(bool on)
{
    if (on) {
        filterTableByContinentActivated(m_continentComboBox->currentIndex());
        return;
    }
    emit invalidateTableFilter();
    showEveryRow();
}

// Keeps the regions whose name begins with the continent.
void SelectActiveHoursWizardPage::filterTableByContinentActivated(int index)
{
    m_filterByContinentRadioButton->setChecked(true);
    emit invalidateTableFilter();
    m_sortFilterProxyModel->setFilterKeyColumn(RegionColumn);
    m_sortFilterProxyModel->setFilterRegularExpression(
        QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(m_continentComboBox->itemText(index))));
    m_tableView->resizeColumnsToContents();
}

void SelectActiveHoursWizardPage::toggleFilterTableByTimezone(bool on)
{
    if (on) {
        filterTableByTimezoneActivated(m_timezoneComboBox->currentIndex());
        return;
    }
    emit invalidateTableFilter();
    showEveryRow();
}

// Keeps the regions whose standard-time abbreviation is the chosen one: the
// list offers whole abbreviations, so "EST" keeps no "AEST" row.
void SelectActiveHoursWizardPage::filterTableByTimezoneActivated(int index)
{
    m_filterByTimezoneRadioButton->setChecked(true);
    emit invalidateTableFilter();
    m_sortFilterProxyModel->setFilterKeyColumn(StandardAbbreviationColumn);
    m_sortFilterProxyModel->setFilterRegularExpression(QRegularExpression(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(m_timezoneComboBox->itemText(index)))));
    m_tableView->resizeColumnsToContents();
}
