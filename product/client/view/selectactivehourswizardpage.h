#pragma once

#include "library/core/lib/timezone.h"

#include <QWizardPage>

#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QTime;
class QTimeEdit;

// The hours of the day in which a new key may be used: any hour, or a daily
// window from one time to another in a time-zone region. The fields are
// "restrictedHours", "fromTime", "toTime" and "region". Beside the window a
// table shows, for every region of the time-zone table, what the window means
// in that region's local time, filtered on demand by continent or by
// standard-time abbreviation. Going Back keeps every choice.
class SelectActiveHoursWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectActiveHoursWizardPage(QWidget* parent);
    ~SelectActiveHoursWizardPage() override;

    void cleanupPage() override;

signals:
    // Emitted before every change of the table's filter.
    void invalidateTableFilter();

public slots:
    void toggleRestrictedHours(bool on);
    // From is never later than to: moving one past the other drags the
    // other along. Each change rewrites the table's window columns.
    void fromTimeChanged(const QTime& time);
    void toTimeChanged(const QTime& time);
    void regionChanged(int index);
    void toggleTableFilter(bool on);
    void toggleFilterTableByContinent(bool on);
    void filterTableByContinentActivated(int index);
    void toggleFilterTableByTimezone(bool on);
    void filterTableByTimezoneActivated(int index);

private:
    void initializeWidgets();
    void initializeLayout();
    void initializeTable(const std::vector<std::string>& regions);
    void initializeConnections();
    void updateActiveHours();
    void showEveryRow();

    QRadioButton* m_unrestrictedHoursRadioButton;
    QRadioButton* m_restrictedHoursRadioButton;
    QLabel* m_fromLabel;
    QLabel* m_upperSeparator;
    QLabel* m_lowerSeparator;
    QLabel* m_toLabel;
    QLabel* m_regionLabel;
    QTimeEdit* m_fromTimeEdit;
    QTimeEdit* m_toTimeEdit;
    QComboBox* m_regionComboBox;
    QGroupBox* m_tableFilterGroupBox;
    QRadioButton* m_filterByContinentRadioButton;
    QComboBox* m_continentComboBox;
    QRadioButton* m_filterByTimezoneRadioButton;
    QComboBox* m_timezoneComboBox;
    QTableView* m_tableView;
    QStandardItemModel* m_standardItemModel;
    QSortFilterProxyModel* m_sortFilterProxyModel;
    // The zone of each table row (and region list entry), built once: the
    // window is recomputed for every region at every change.
    std::vector<TimeZone> m_regionTimeZones;
};
