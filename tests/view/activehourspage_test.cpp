// The active hours page over the time-zone fixture (New York, Kolkata,
// Reykjavik, Sydney, Berlin), with the process's zone and the clock fixed.

#include "product/client/view/selectactivehourswizardpage.h"
#include "tests/core/fixturetable.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/support/scopedtimezone.h"
#include "tests/view/wizardpagetestsupport.h"

#include "library/common/clock.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTableView>
#include <QTimeEdit>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

namespace {

using testsupport::ChildWithText;
using wizardtest::BareWizard;

const char* const Winter = "2027-01-15 12:00:00";
const char* const Summer = "2027-07-15 12:00:00";

// The page in a wizard, with the widgets a user works with.
class ActiveHoursPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wizardtest::PrepareResources();
        testsupport::FixtureDatabase().setDefaultTimeZone("Europe/Berlin");
    }

    void build(const char* now = Winter)
    {
        m_clock.emplace(boost::posix_time::time_from_string(now));
        m_page = new SelectActiveHoursWizardPage(nullptr);
        m_wizard.emplace(m_page);
        m_from = wizardtest::Buddy<QTimeEdit>(*m_page, QStringLiteral("From:"));
        m_to = wizardtest::Buddy<QTimeEdit>(*m_page, QStringLiteral("To:"));
        m_region = wizardtest::Buddy<QComboBox>(*m_page, QStringLiteral("Region:"));
        m_table = m_page->findChild<QTableView*>();
        m_filter = m_page->findChild<QGroupBox*>();
        m_byContinent = ChildWithText<QRadioButton>(*m_page, QStringLiteral("By continent"));
        m_byTimezone = ChildWithText<QRadioButton>(*m_page, QStringLiteral("By time zone"));
        for (QComboBox* list : m_filter->findChildren<QComboBox*>()) {
            (list->findText(QStringLiteral("America")) >= 0 ? m_continents : m_abbreviations) = list;
        }
        ASSERT_TRUE(m_from && m_to && m_region && m_table && m_filter && m_byContinent && m_byTimezone && m_continents
                    && m_abbreviations);
    }

    void restrict() { ChildWithText<QRadioButton>(*m_page, QStringLiteral("Restricted hours"))->click(); }

    // The cell of the region's row as the table shows it.
    QString cell(const char* region, int column) const
    {
        const QAbstractItemModel* model = m_table->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data().toString() == QLatin1String(region)) {
                return model->index(row, column).data().toString();
            }
        }
        return QStringLiteral("<no row>");
    }

    std::set<std::string> shownRegions() const
    {
        std::set<std::string> regions;
        const QAbstractItemModel* model = m_table->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            regions.insert(model->index(row, 0).data().toString().toStdString());
        }
        return regions;
    }

    void activate(QComboBox* list, const char* text)
    {
        const int index = list->findText(QLatin1String(text));
        ASSERT_GE(index, 0) << text;
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    testsupport::ScopedTimeZone m_zone{"UTC"};
    std::optional<common::FixedClock> m_clock;
    SelectActiveHoursWizardPage* m_page = nullptr;
    std::optional<BareWizard> m_wizard;
    QTimeEdit* m_from = nullptr;
    QTimeEdit* m_to = nullptr;
    QComboBox* m_region = nullptr;
    QTableView* m_table = nullptr;
    QGroupBox* m_filter = nullptr;
    QRadioButton* m_byContinent = nullptr;
    QRadioButton* m_byTimezone = nullptr;
    QComboBox* m_continents = nullptr;
    QComboBox* m_abbreviations = nullptr;
};

TEST_F(ActiveHoursPageTest, StartsUnrestrictedWithTheDefaultWindowAndRegion)
{
    build();
    EXPECT_FALSE(m_wizard->field("restrictedHours").toBool());
    EXPECT_EQ(m_wizard->field("fromTime").toTime(), QTime(8, 0));
    EXPECT_EQ(m_wizard->field("toTime").toTime(), QTime(17, 0));
    EXPECT_EQ(m_wizard->field("region").toString(), QStringLiteral("Europe/Berlin"));
    for (QWidget* hidden : {static_cast<QWidget*>(m_from), static_cast<QWidget*>(m_to), static_cast<QWidget*>(m_region),
                            static_cast<QWidget*>(m_table), static_cast<QWidget*>(m_filter)}) {
        EXPECT_FALSE(hidden->isVisibleTo(m_page));
    }
    EXPECT_FALSE(m_filter->isChecked());
    EXPECT_FALSE(m_byContinent->isChecked() || m_byTimezone->isChecked());
    EXPECT_EQ(m_page->title(), QStringLiteral("Select Active Hours"));
    EXPECT_TRUE(wizardtest::LogoIs(*m_page, "active-hours"));

    restrict();
    for (QWidget* shown : {static_cast<QWidget*>(m_from), static_cast<QWidget*>(m_to), static_cast<QWidget*>(m_region),
                           static_cast<QWidget*>(m_table), static_cast<QWidget*>(m_filter)}) {
        EXPECT_TRUE(shown->isVisibleTo(m_page));
    }
    EXPECT_TRUE(m_wizard->field("restrictedHours").toBool());
    EXPECT_EQ(m_table->model()->rowCount(), 7);
    EXPECT_EQ(m_table->model()->columnCount(), 5);
    EXPECT_EQ(m_table->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Active Hours"));
}

TEST_F(ActiveHoursPageTest, RowsShowTheRegionsAbbreviationsAndDaylightSavingPeriods)
{
    build();
    EXPECT_EQ(cell("America/New_York", 1), QStringLiteral("EST"));
    EXPECT_EQ(cell("America/New_York", 2), QStringLiteral("EDT"));
    EXPECT_EQ(cell("Asia/Kolkata", 2), QString());
    const QAbstractItemModel* model = m_table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString region = model->index(row, 0).data().toString();
        const QString toolTip = model->index(row, 2).data(Qt::ToolTipRole).toString();
        if (region == QLatin1String("America/New_York")) {
            EXPECT_EQ(toolTip, QStringLiteral("03/14/27 - 11/07/27"));
        } else if (region == QLatin1String("Asia/Kolkata")) {
            EXPECT_EQ(toolTip, QStringLiteral("Daylight Saving Time not observed"));
        }
        EXPECT_EQ(model->index(row, 0).data(Qt::UserRole).toString(), region);
        EXPECT_FALSE(model->flags(model->index(row, 3)) & (Qt::ItemIsSelectable | Qt::ItemIsEditable));
    }
    QStringList continents;
    for (int i = 0; i < m_continents->count(); ++i) {
        continents << m_continents->itemText(i);
    }
    EXPECT_EQ(continents, (QStringList{"America", "Asia", "Atlantic", "Australia", "Europe"}));
    QStringList abbreviations;
    for (int i = 0; i < m_abbreviations->count(); ++i) {
        abbreviations << m_abbreviations->itemText(i);
    }
    EXPECT_EQ(abbreviations, (QStringList{"-04", "AEST", "CET", "EET", "EST", "GMT", "IST"}));
}

struct WindowCase
{
    const char* name;
    const char* now;
    QTime from;
    QTime to;
    const char* region;
    const char* ownHours;
    const char* duration;
    const char* otherRegion;
    const char* otherHours;
};

const WindowCase WindowCases[] = {
    {"BerlinInWinter", Winter, QTime(8, 0), QTime(17, 0), "Europe/Berlin", "08:00 AM - 05:00 PM", "09:00",
     "Australia/Sydney", "06:00 PM - 03:00 AM"},
    {"BerlinInSummer", Summer, QTime(8, 0), QTime(17, 0), "Europe/Berlin", "08:00 AM - 05:00 PM", "09:00",
     "Australia/Sydney", "04:00 PM - 01:00 AM"},
    {"NewYorkInWinter", Winter, QTime(9, 30), QTime(12, 0), "America/New_York", "09:30 AM - 12:00 PM", "02:30",
     "Asia/Kolkata", "08:00 PM - 10:30 PM"},
    {"NewYorkInSummer", Summer, QTime(9, 30), QTime(12, 0), "America/New_York", "09:30 AM - 12:00 PM", "02:30",
     "Asia/Kolkata", "07:00 PM - 09:30 PM"},
    {"ReykjavikToBerlinInSummer", Summer, QTime(0, 0), QTime(23, 59), "Atlantic/Reykjavik", "12:00 AM - 11:59 PM",
     "23:59", "Europe/Berlin", "02:00 AM - 01:59 AM"},
};

class WindowTest : public ActiveHoursPageTest, public ::testing::WithParamInterface<WindowCase>
{};

TEST_P(WindowTest, EveryRowShowsTheWindowInItsOwnLocalTime)
{
    const WindowCase& test = GetParam();
    build(test.now);
    restrict();
    m_region->setCurrentIndex(m_region->findText(QLatin1String(test.region)));
    m_to->setTime(test.to);
    m_from->setTime(test.from);
    EXPECT_EQ(cell(test.region, 3), QLatin1String(test.ownHours));
    EXPECT_EQ(cell(test.region, 4), QLatin1String(test.duration));
    EXPECT_EQ(cell(test.otherRegion, 3), QLatin1String(test.otherHours));
    EXPECT_EQ(cell(test.otherRegion, 4), QLatin1String(test.duration));
    EXPECT_EQ(m_wizard->field("region").toString(), QLatin1String(test.region));
    EXPECT_EQ(m_wizard->field("fromTime").toTime(), test.from);
    EXPECT_EQ(m_wizard->field("toTime").toTime(), test.to);
}

INSTANTIATE_TEST_SUITE_P(ActiveHours, WindowTest, ::testing::ValuesIn(WindowCases), [](const auto& info) {
    return std::string(info.param.name);
});

TEST_F(ActiveHoursPageTest, MovingOneTimePastTheOtherDragsTheOtherAlong)
{
    build();
    restrict();
    m_from->setTime(QTime(18, 0));
    EXPECT_EQ(m_to->time(), QTime(18, 0));
    EXPECT_EQ(cell("Europe/Berlin", 3), QStringLiteral("06:00 PM - 06:00 PM"));
    EXPECT_EQ(cell("Europe/Berlin", 4), QStringLiteral("00:00"));

    m_to->setTime(QTime(17, 0));
    m_from->setTime(QTime(8, 0));
    m_to->setTime(QTime(7, 0));
    EXPECT_EQ(m_from->time(), QTime(7, 0));
    EXPECT_EQ(cell("Europe/Berlin", 3), QStringLiteral("07:00 AM - 07:00 AM"));
}

TEST_F(ActiveHoursPageTest, BackAndForwardKeepTheChoices)
{
    build();
    restrict();
    m_region->setCurrentIndex(m_region->findText(QStringLiteral("Asia/Kolkata")));
    m_from->setTime(QTime(10, 15));
    m_wizard->backAndForward();
    m_wizard->forwardAndBack();
    EXPECT_TRUE(m_wizard->field("restrictedHours").toBool());
    EXPECT_EQ(m_wizard->field("fromTime").toTime(), QTime(10, 15));
    EXPECT_EQ(m_wizard->field("region").toString(), QStringLiteral("Asia/Kolkata"));
}

TEST_F(ActiveHoursPageTest, ContinentFilterKeepsTheRegionsOfThatContinent)
{
    build();
    restrict();
    m_filter->setChecked(true);
    EXPECT_EQ(shownRegions().size(), 7u);
    activate(m_abbreviations, "GMT");
    EXPECT_TRUE(m_byTimezone->isChecked());
    activate(m_continents, "Australia");
    EXPECT_TRUE(m_byContinent->isChecked());
    EXPECT_FALSE(m_byTimezone->isChecked());
    EXPECT_EQ(shownRegions(), (std::set<std::string>{"Australia/Sydney"}));
    activate(m_continents, "America");
    EXPECT_EQ(shownRegions(), (std::set<std::string>{"America/New_York", "America/Santiago"}));
}

TEST_F(ActiveHoursPageTest, AbbreviationFilterKeepsOnlyThatAbbreviation)
{
    build();
    restrict();
    m_filter->setChecked(true);
    activate(m_abbreviations, "EST");
    EXPECT_TRUE(m_byTimezone->isChecked());
    EXPECT_EQ(shownRegions(), (std::set<std::string>{"America/New_York"}));
    activate(m_abbreviations, "AEST");
    EXPECT_EQ(shownRegions(), (std::set<std::string>{"Australia/Sydney"}));
}

TEST_F(ActiveHoursPageTest, UncheckingTheFilterShowsEveryRowAndCheckingItReappliesTheFilter)
{
    build();
    restrict();
    m_filter->setChecked(true);
    activate(m_continents, "Europe");
    EXPECT_EQ(shownRegions(), (std::set<std::string>{"Europe/Berlin"}));
    m_filter->setChecked(false);
    EXPECT_EQ(shownRegions().size(), 7u);
    m_filter->setChecked(true);
    EXPECT_EQ(shownRegions(), (std::set<std::string>{"Europe/Berlin"}));

    activate(m_abbreviations, "IST");
    m_filter->setChecked(false);
    m_filter->setChecked(true);
    EXPECT_EQ(shownRegions(), (std::set<std::string>{"Asia/Kolkata"}));
}

TEST_F(ActiveHoursPageTest, TheFilterSurvivesAWindowChange)
{
    build();
    restrict();
    m_filter->setChecked(true);
    activate(m_continents, "Asia");
    m_from->setTime(QTime(9, 0));
    EXPECT_EQ(shownRegions(), (std::set<std::string>{"Asia/Beirut", "Asia/Kolkata"}));
    EXPECT_EQ(cell("Asia/Kolkata", 3), QStringLiteral("01:30 PM - 09:30 PM"));
}

}  // namespace
