// The active hours page when no time-zone table was loaded: a program of its
// own, since the process-wide table cannot be emptied once loaded.

#include "product/client/view/selectactivehourswizardpage.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/view/wizardpagetestsupport.h"

#include "library/core/lib/timezonedatabase.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTableView>
#include <QTimeEdit>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

namespace {

TEST(ActiveHoursPageWithoutRegions, ShowsTheWindowEditorsButNeverTheTable)
{
    wizardtest::PrepareResources();
    const TimeZoneDatabase& database = *ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance();
    ASSERT_TRUE(database.getTimeZoneDatabase().region_list().empty());
    auto* page = new SelectActiveHoursWizardPage(nullptr);
    wizardtest::BareWizard bare(page);
    auto* from = wizardtest::Buddy<QTimeEdit>(*page, QStringLiteral("From:"));
    auto* region = wizardtest::Buddy<QComboBox>(*page, QStringLiteral("Region:"));
    ASSERT_TRUE(from && region);

    testsupport::ChildWithText<QRadioButton>(*page, QStringLiteral("Restricted hours"))->click();
    from->setTime(QTime(18, 0));
    EXPECT_TRUE(from->isVisibleTo(page));
    EXPECT_TRUE(region->isVisibleTo(page));
    EXPECT_EQ(region->count(), 0);
    EXPECT_FALSE(page->findChild<QTableView*>()->isVisibleTo(page));
    EXPECT_FALSE(page->findChild<QGroupBox*>()->isVisibleTo(page));
    EXPECT_EQ(page->findChild<QTableView*>()->model()->rowCount(), 0);
    EXPECT_TRUE(bare.field("restrictedHours").toBool());
    EXPECT_EQ(bare.field("region").toString(), QString());
    EXPECT_EQ(bare.field("toTime").toTime(), QTime(18, 0));
}

}  // namespace
