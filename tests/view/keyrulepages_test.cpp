// The key-rule pages of check boxes, session duration and expiration date,
// each in a bare wizard.

#include "product/client/view/selectactivedayswizardpage.h"
#include "product/client/view/selectactivemonthswizardpage.h"
#include "product/client/view/selectactivestatuswizardpage.h"
#include "product/client/view/selectexpirationdatewizardpage.h"
#include "product/client/view/selectfolderkeypermissionswizardpage.h"
#include "product/client/view/selectsessiondurationwizardpage.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/support/scopedtimezone.h"
#include "tests/view/wizardpagetestsupport.h"

#include "library/common/clock.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

using testsupport::ChildWithText;
using wizardtest::BareWizard;

class KeyRulePageTest : public ::testing::Test
{
protected:
    void SetUp() override { wizardtest::PrepareResources(); }
};

// ---- Status, months and days: clicks mapped to fields ----

const std::vector<std::string> MonthFields = {"january", "february", "march",     "april",   "may",      "june",
                                              "july",    "august",   "september", "october", "november", "december"};
const std::vector<std::string> DayFields = {"monday", "tuesday",  "wednesday", "thursday",
                                            "friday", "saturday", "sunday"};

enum class Page
{
    Status,
    Months,
    Days
};

// A step of the user: "box:<text>" clicks the box showing the text, "group"
// clicks the group box's own check box, "back" goes Back and Next again,
// "forward" Next and Back again.
struct ClickCase
{
    const char* name;
    Page page;
    std::vector<std::string> steps;
    // The page's fields that must read false; every other one reads true.
    std::set<std::string> unticked;
};

const ClickCase ClickCases[] = {
    {"StatusAtStart", Page::Status, {}, {}},
    {"StatusUnticked", Page::Status, {"box:Enable active status"}, {"active"}},
    {"StatusTickedAgain", Page::Status, {"box:Enable active status", "box:Enable active status"}, {}},
    {"StatusKeptAcrossBack", Page::Status, {"box:Enable active status", "back", "forward"}, {"active"}},
    {"MonthsAtStart", Page::Months, {}, {}},
    {"MonthsOneUnticked", Page::Months, {"box:March"}, {"march"}},
    {"MonthsGroupUnticked", Page::Months, {"box:March", "group"}, {MonthFields.begin(), MonthFields.end()}},
    {"MonthsGroupTickedAgain", Page::Months, {"box:March", "box:July", "group", "group"}, {}},
    {"MonthsKeptAcrossBack", Page::Months, {"box:March", "box:December", "back", "forward"}, {"march", "december"}},
    {"MonthsGroupKeptAcrossBack", Page::Months, {"group", "back", "forward"}, {MonthFields.begin(), MonthFields.end()}},
    {"DaysAtStart", Page::Days, {}, {}},
    {"DaysSundayUnticked", Page::Days, {"box:Sunday"}, {"sunday"}},
    {"DaysGroupUnticked", Page::Days, {"group"}, {DayFields.begin(), DayFields.end()}},
    {"DaysGroupTickedAgain", Page::Days, {"box:Monday", "box:Friday", "group", "group"}, {}},
    {"DaysKeptAcrossBack", Page::Days, {"box:Monday", "back", "forward"}, {"monday"}},
};

class ClickTest : public KeyRulePageTest, public ::testing::WithParamInterface<ClickCase>
{};

QWizardPage* CreatePage(Page page)
{
    switch (page) {
    case Page::Status:
        return new SelectActiveStatusWizardPage(nullptr);
    case Page::Months:
        return new SelectActiveMonthsWizardPage(nullptr);
    case Page::Days:
        return new SelectActiveDaysWizardPage(nullptr);
    }
    return nullptr;
}

std::vector<std::string> Fields(Page page)
{
    switch (page) {
    case Page::Status:
        return {"active"};
    case Page::Months:
        return MonthFields;
    case Page::Days:
        return DayFields;
    }
    return {};
}

TEST_P(ClickTest, FieldsFollowTheBoxes)
{
    const ClickCase& test = GetParam();
    QWizardPage* page = CreatePage(test.page);
    BareWizard bare(page);
    for (const std::string& step : test.steps) {
        if (step == "group") {
            QGroupBox* group = page->findChild<QGroupBox*>();
            ASSERT_NE(group, nullptr);
            group->setChecked(!group->isChecked());
        } else if (step == "back") {
            bare.backAndForward();
        } else if (step == "forward") {
            bare.forwardAndBack();
        } else {
            QCheckBox* box = ChildWithText<QCheckBox>(*page, QString::fromStdString(step.substr(4)));
            ASSERT_NE(box, nullptr) << step;
            box->click();
        }
        ASSERT_TRUE(bare.onPageUnderTest()) << step;
    }
    for (const std::string& field : Fields(test.page)) {
        const QVariant value = bare.field(field.c_str());
        ASSERT_TRUE(value.isValid()) << field;
        EXPECT_EQ(value.toBool(), test.unticked.count(field) == 0) << field;
    }
    if (test.page == Page::Status) {
        EXPECT_TRUE(wizardtest::LogoIs(*page, test.unticked.empty() ? "key-active" : "key-inactive"));
    }
}

INSTANTIATE_TEST_SUITE_P(KeyRulePages, ClickTest, ::testing::ValuesIn(ClickCases), [](const auto& info) {
    return std::string(info.param.name);
});

TEST_F(KeyRulePageTest, AnUntickedGroupDisablesItsBoxesAndTickingItEnablesThem)
{
    auto* page = new SelectActiveDaysWizardPage(nullptr);
    BareWizard bare(page);
    QGroupBox* group = page->findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("Active days"));
    const QList<QCheckBox*> boxes = group->findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 7);
    EXPECT_EQ(boxes.front()->text(), QStringLiteral("Monday"));
    EXPECT_EQ(boxes.back()->text(), QStringLiteral("Sunday"));
    group->setChecked(false);
    for (QCheckBox* box : boxes) {
        EXPECT_FALSE(box->isEnabled()) << box->text().toStdString();
    }
    group->setChecked(true);
    for (QCheckBox* box : boxes) {
        EXPECT_TRUE(box->isEnabled() && box->isChecked()) << box->text().toStdString();
    }
    EXPECT_TRUE(wizardtest::LogoIs(*page, "active-days"));
    EXPECT_EQ(page->title(), QStringLiteral("Select Active Days"));
}

TEST_F(KeyRulePageTest, MonthsPageListsTheMonthsInCalendarOrder)
{
    auto* page = new SelectActiveMonthsWizardPage(nullptr);
    BareWizard bare(page);
    const QList<QCheckBox*> boxes = page->findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 12);
    EXPECT_EQ(boxes[0]->text(), QStringLiteral("January"));
    EXPECT_EQ(boxes[11]->text(), QStringLiteral("December"));
    EXPECT_EQ(page->title(), QStringLiteral("Select Active Months"));
    EXPECT_TRUE(wizardtest::LogoIs(*page, "active-months"));
}

// ---- Folder key permissions ----

TEST_F(KeyRulePageTest, FolderPermissionsStartTickedAndKeepTheirStateAcrossBack)
{
    auto* page = new SelectFolderKeyPermissionsWizardPage(nullptr);
    BareWizard bare(page);
    EXPECT_TRUE(bare.field("permissionViewFolderContents").toBool());
    EXPECT_TRUE(bare.field("permissionSearchFolderContents").toBool());
    QCheckBox* search =
        ChildWithText<QCheckBox>(*page, QStringLiteral("Allow the contents of the folder to be searched"));
    ASSERT_NE(search, nullptr);
    search->click();
    bare.backAndForward();
    bare.forwardAndBack();
    EXPECT_TRUE(bare.field("permissionViewFolderContents").toBool());
    EXPECT_FALSE(bare.field("permissionSearchFolderContents").toBool());
    EXPECT_TRUE(wizardtest::LogoIs(*page, "key-permissions"));
}

// ---- Session duration ----

TEST_F(KeyRulePageTest, DurationShowsItsDetailsOnlyWhileRestrictedAndKeepsThem)
{
    auto* page = new SelectSessionDurationWizardPage(nullptr);
    BareWizard bare(page);
    QRadioButton* restricted = ChildWithText<QRadioButton>(*page, QStringLiteral("Restricted duration"));
    QRadioButton* unrestricted = ChildWithText<QRadioButton>(*page, QStringLiteral("Unrestricted duration"));
    auto* spinBox = wizardtest::Buddy<QSpinBox>(*page, QStringLiteral("Duration"));
    auto* units = wizardtest::Buddy<QComboBox>(*page, QStringLiteral("Units:"));
    ASSERT_TRUE(restricted && unrestricted && spinBox && units);

    EXPECT_FALSE(bare.field("restrictedDuration").toBool());
    EXPECT_EQ(bare.field("durationSpinBox").toInt(), 60);
    EXPECT_EQ(bare.field("durationComboBox").toInt(), 0);
    EXPECT_FALSE(spinBox->isVisibleTo(page));
    EXPECT_FALSE(units->isVisibleTo(page));

    restricted->click();
    EXPECT_TRUE(spinBox->isVisibleTo(page));
    EXPECT_TRUE(units->isVisibleTo(page));
    EXPECT_EQ(units->itemText(0), QStringLiteral("Minutes"));
    EXPECT_EQ(units->itemText(1), QStringLiteral("Hours"));
    spinBox->setValue(0);
    EXPECT_EQ(spinBox->value(), 1);
    spinBox->setValue(30000);
    EXPECT_EQ(spinBox->value(), 28800);
    spinBox->setValue(90);
    units->setCurrentIndex(1);
    EXPECT_TRUE(bare.field("restrictedDuration").toBool());
    bare.backAndForward();
    EXPECT_TRUE(bare.field("restrictedDuration").toBool());
    EXPECT_EQ(bare.field("durationSpinBox").toInt(), 90);

    unrestricted->click();
    EXPECT_FALSE(spinBox->isVisibleTo(page));
    EXPECT_FALSE(bare.field("restrictedDuration").toBool());
    EXPECT_EQ(bare.field("durationSpinBox").toInt(), 90);
    EXPECT_EQ(bare.field("durationComboBox").toInt(), 1);
    EXPECT_TRUE(wizardtest::LogoIs(*page, "session-duration"));
}

// ---- Expiration date ----

boost::posix_time::ptime Utc(const char* text)
{
    return boost::posix_time::time_from_string(text);
}

struct PresetCase
{
    const char* name;
    // The process's zone and the UTC instant of "now".
    const char* zone;
    const char* now;
    const char* preset;
    QDate expected;
};

const PresetCase PresetCases[] = {
    {"OneWeek", "UTC", "2027-03-15 12:00:00", "1 Week", QDate(2027, 3, 22)},
    {"TwoWeeks", "UTC", "2027-12-25 12:00:00", "2 Weeks", QDate(2028, 1, 8)},
    {"MonthFromJanuary31", "UTC", "2027-01-31 12:00:00", "1 Month", QDate(2027, 2, 28)},
    {"MonthFromJanuary31InALeapYear", "UTC", "2028-01-31 12:00:00", "1 Month", QDate(2028, 2, 29)},
    {"ThreeMonthsToFebruary", "UTC", "2027-11-30 12:00:00", "3 Months", QDate(2028, 2, 29)},
    {"SixMonths", "UTC", "2027-08-31 12:00:00", "6 Months", QDate(2028, 2, 29)},
    {"NineMonths", "UTC", "2027-05-31 12:00:00", "9 Months", QDate(2028, 2, 29)},
    {"YearFromFebruary29", "UTC", "2028-02-29 12:00:00", "1 Year", QDate(2029, 2, 28)},
    {"TwoYears", "UTC", "2028-02-29 12:00:00", "2 Years", QDate(2030, 2, 28)},
    {"ThreeYears", "UTC", "2027-06-01 12:00:00", "3 Years", QDate(2030, 6, 1)},
    {"FourYearsFromFebruary29", "UTC", "2028-02-29 12:00:00", "4 Years", QDate(2032, 2, 29)},
    {"FiveYears", "UTC", "2027-06-01 12:00:00", "5 Years", QDate(2032, 6, 1)},
    {"TenYears", "UTC", "2028-02-29 12:00:00", "10 Years", QDate(2038, 2, 28)},
    // Still 31 January in New York, already 1 February in UTC.
    {"TodayIsTheLocalDate", "America/New_York", "2027-02-01 03:00:00", "1 Month", QDate(2027, 2, 28)},
    {"TodayIsTheLocalDateEastOfUtc", "Australia/Sydney", "2027-01-30 14:00:00", "1 Month", QDate(2027, 2, 28)},
};

class PresetTest : public KeyRulePageTest, public ::testing::WithParamInterface<PresetCase>
{};

TEST_P(PresetTest, SelectsTheCalendarStepFromToday)
{
    const PresetCase& test = GetParam();
    testsupport::ScopedTimeZone zone(test.zone);
    common::FixedClock clock(Utc(test.now));
    auto* page = new SelectExpirationDateWizardPage(nullptr);
    BareWizard bare(page);
    QRadioButton* preset = ChildWithText<QRadioButton>(*page, QString::fromLatin1(test.preset));
    ASSERT_NE(preset, nullptr);
    // From another preset, so that the chosen one is toggled on.
    ChildWithText<QRadioButton>(*page, QStringLiteral("Select"))->click();
    preset->click();
    EXPECT_EQ(bare.field("expirationDateCalendar").toDate(), test.expected);
    EXPECT_EQ(page->findChild<QCalendarWidget*>()->selectionMode(), QCalendarWidget::NoSelection);
}

INSTANTIATE_TEST_SUITE_P(KeyRulePages, PresetTest, ::testing::ValuesIn(PresetCases), [](const auto& info) {
    return std::string(info.param.name);
});

TEST_F(KeyRulePageTest, ExpirationStartsAtOneYearAndSelectKeepsTheDateFromTomorrowOn)
{
    testsupport::ScopedTimeZone zone("Europe/Berlin");
    common::FixedClock clock(Utc("2027-03-14 23:30:00"));
    auto* page = new SelectExpirationDateWizardPage(nullptr);
    BareWizard bare(page);
    QCalendarWidget* calendar = page->findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    // Local date: 15 March.
    EXPECT_EQ(bare.field("expirationDateCalendar").toDate(), QDate(2028, 3, 15));
    EXPECT_TRUE(ChildWithText<QRadioButton>(*page, QStringLiteral("1 Year"))->isChecked());
    EXPECT_EQ(calendar->minimumDate(), QDate(2027, 3, 16));
    EXPECT_EQ(calendar->selectionMode(), QCalendarWidget::NoSelection);
    EXPECT_TRUE(calendar->isGridVisible());
    EXPECT_EQ(calendar->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);

    ChildWithText<QRadioButton>(*page, QStringLiteral("Select"))->click();
    EXPECT_EQ(calendar->selectionMode(), QCalendarWidget::SingleSelection);
    EXPECT_EQ(bare.field("expirationDateCalendar").toDate(), QDate(2028, 3, 15));
    calendar->setSelectedDate(QDate(2027, 3, 15));
    EXPECT_EQ(bare.field("expirationDateCalendar").toDate(), QDate(2027, 3, 16));
    calendar->setSelectedDate(QDate(2029, 7, 4));
    bare.backAndForward();
    EXPECT_EQ(bare.field("expirationDateCalendar").toDate(), QDate(2029, 7, 4));

    ChildWithText<QRadioButton>(*page, QStringLiteral("2 Weeks"))->click();
    EXPECT_EQ(bare.field("expirationDateCalendar").toDate(), QDate(2027, 3, 29));
    EXPECT_TRUE(wizardtest::LogoIs(*page, "expiration-date"));
}

}  // namespace
