#include "library/common/clock.h"
#include "library/core/lib/i18n.h"
#include "library/core/lib/timezone.h"
#include "library/database/lib/dbtimestamp.h"
#include "tests/core/fixturetable.h"
#include "tests/support/acelogcapture.h"
#include "tests/support/scopedtimezone.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

namespace {

using boost::posix_time::time_from_string;

class TimeZoneTest : public testing::Test
{
protected:
    void SetUp() override { m_database.setDefaultTimeZone("America/New_York"); }

    TimeZoneDatabase& m_database = testsupport::FixtureDatabase();
    testsupport::ScopedTimeZone m_machineZone{"America/New_York"};
    common::FixedClock m_clock{time_from_string("2026-07-01 12:00:00")};
};

TEST_F(TimeZoneTest, RegionValueZeroIsReykjavikAndEveryOtherTheDefault)
{
    m_database.setDefaultTimeZone("Australia/Sydney");
    EXPECT_EQ("Atlantic/Reykjavik", TimeZone(TimeZone::UniversalRegion).getRegion());
    EXPECT_TRUE(TimeZone(TimeZone::UniversalRegion).getTimeZone());
    EXPECT_EQ("Australia/Sydney", TimeZone(TimeZone::DefaultRegion).getRegion());
    EXPECT_EQ("Australia/Sydney", TimeZone(static_cast<TimeZone::Region>(7)).getRegion());
    EXPECT_EQ(m_database.getDefaultTimeZonePtr(), TimeZone(TimeZone::DefaultRegion).getTimeZone());
}

TEST_F(TimeZoneTest, SharesTheZoneOfTheTable)
{
    const TimeZone zone("Europe/Berlin");
    EXPECT_EQ(m_database.getTimeZoneDatabase().time_zone_from_region("Europe/Berlin"), zone.getTimeZone());
    EXPECT_EQ("CET", zone.getTimeZoneStandardAbbrev());
    EXPECT_EQ("CEST", zone.getTimeZoneDaylightSavingTimeAbbrev());
    EXPECT_TRUE(zone.hasDaylightSavingTime());
}

TEST_F(TimeZoneTest, ZoneWithoutDaylightSaving)
{
    const TimeZone zone("Atlantic/Reykjavik");
    EXPECT_FALSE(zone.hasDaylightSavingTime());
    EXPECT_EQ("GMT", zone.getTimeZoneStandardAbbrev());
    EXPECT_EQ("", zone.getTimeZoneDaylightSavingTimeAbbrev());
    EXPECT_EQ("GMT", zone.getTimeZoneAbbrev());
    EXPECT_EQ("", zone.getDaylightSavingTimePeriod());
    EXPECT_FALSE(zone.daylightSavingTimeContains(time_from_string("2026-07-01 12:00:00")));
}

TEST_F(TimeZoneTest, DaylightSavingPeriodOfThisYear)
{
    EXPECT_EQ("03/08/26 - 11/01/26", TimeZone("America/New_York").getDaylightSavingTimePeriod());
    EXPECT_EQ("03/29/26 - 10/25/26", TimeZone("Europe/Berlin").getDaylightSavingTimePeriod());
    // The southern period that begins this year ends next year.
    EXPECT_EQ("10/04/26 - 04/04/27", TimeZone("Australia/Sydney").getDaylightSavingTimePeriod());

    // The year is the machine's local one: still 2026 in New York.
    m_clock.set(time_from_string("2027-01-01 04:59:59"));
    EXPECT_EQ("03/08/26 - 11/01/26", TimeZone("America/New_York").getDaylightSavingTimePeriod());
    m_clock.set(time_from_string("2027-01-01 05:00:00"));
    EXPECT_EQ("03/14/27 - 11/07/27", TimeZone("America/New_York").getDaylightSavingTimePeriod());
}

// The abbreviation in effect at the instant the UTC day began: Sydney's
// changes fall in the afternoon of the UTC day before.
TEST_F(TimeZoneTest, AbbreviationInEffectTodayNorthAndSouth)
{
    struct Case
    {
        const char* utcNow;
        const char* newYork;
        const char* sydney;
    };
    const Case cases[] = {
        {"2026-01-15 12:00:00", "EST", "AEDT"}, {"2026-03-08 12:00:00", "EST", "AEDT"},
        {"2026-03-09 00:00:00", "EDT", "AEDT"}, {"2026-04-04 12:00:00", "EDT", "AEDT"},
        {"2026-04-05 12:00:00", "EDT", "AEST"}, {"2026-07-01 12:00:00", "EDT", "AEST"},
        {"2026-10-03 12:00:00", "EDT", "AEST"}, {"2026-10-04 12:00:00", "EDT", "AEDT"},
        {"2026-11-02 00:00:00", "EST", "AEDT"}, {"2026-12-31 23:59:59", "EST", "AEDT"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.utcNow);
        m_clock.set(time_from_string(test.utcNow));
        EXPECT_EQ(test.newYork, TimeZone("America/New_York").getTimeZoneAbbrev());
        EXPECT_EQ(test.sydney, TimeZone("Australia/Sydney").getTimeZoneAbbrev());
    }
}

// At the start of the UTC day after summer time ended at local midnight, the
// region is on standard time; at the start of the UTC day on which it ends,
// it still is on summer time.
TEST_F(TimeZoneTest, AbbreviationAfterSummerTimeEndsAtLocalMidnight)
{
    struct Case
    {
        const char* region;
        const char* utcNow;
        const char* abbrev;
    };
    const Case cases[] = {
        {"Asia/Beirut", "2027-10-30 12:00:00", "EEST"},
        {"Asia/Beirut", "2027-10-31 12:00:00", "EET"},
        {"America/Santiago", "2027-04-04 12:00:00", "-03"},
        {"America/Santiago", "2027-04-05 12:00:00", "-04"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.region) + " " + test.utcNow);
        m_clock.set(time_from_string(test.utcNow));
        EXPECT_EQ(test.abbrev, TimeZone(test.region).getTimeZoneAbbrev());
    }
}

TEST_F(TimeZoneTest, DaylightSavingContainsLocalTimesNorthAndSouth)
{
    struct Case
    {
        const char* region;
        const char* localTime;
        bool contained;
    };
    const Case cases[] = {
        {"America/New_York", "2026-03-08 01:59:59", false}, {"America/New_York", "2026-03-08 02:00:00", true},
        {"America/New_York", "2026-07-01 12:00:00", true},  {"America/New_York", "2026-11-01 01:59:59", true},
        {"America/New_York", "2026-11-01 02:00:00", false}, {"America/New_York", "2026-12-25 12:00:00", false},
        {"Australia/Sydney", "2026-01-01 00:00:00", true},  {"Australia/Sydney", "2026-04-05 02:59:59", true},
        {"Australia/Sydney", "2026-04-05 03:00:00", false}, {"Australia/Sydney", "2026-07-01 12:00:00", false},
        {"Australia/Sydney", "2026-10-04 01:59:59", false}, {"Australia/Sydney", "2026-10-04 02:00:00", true},
        {"Australia/Sydney", "2026-12-31 23:59:59", true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.region) + " " + test.localTime);
        EXPECT_EQ(test.contained, TimeZone(test.region).daylightSavingTimeContains(time_from_string(test.localTime)));
    }
    EXPECT_FALSE(TimeZone("America/New_York")
                     .daylightSavingTimeContains(boost::posix_time::ptime(boost::posix_time::not_a_date_time)));
}

TEST_F(TimeZoneTest, UnknownRegionHasNoZone)
{
    const TimeZone zone("Mars/Olympus_Mons");
    EXPECT_EQ("Mars/Olympus_Mons", zone.getRegion());
    EXPECT_FALSE(zone.getTimeZone());

    testsupport::AceLogCapture log;
    EXPECT_EQ("", zone.getTimeZoneStandardAbbrev());
    EXPECT_EQ("", zone.getTimeZoneDaylightSavingTimeAbbrev());
    EXPECT_FALSE(zone.hasDaylightSavingTime());
    EXPECT_EQ("", zone.getTimeZoneAbbrev());
    EXPECT_EQ("", zone.getDaylightSavingTimePeriod());
    EXPECT_FALSE(zone.daylightSavingTimeContains(time_from_string("2026-07-01 12:00:00")));
    EXPECT_EQ(6u, log.entries().size());
    EXPECT_TRUE(log.contains("library/core/lib/timezone, line"));
    EXPECT_TRUE(log.contains("'m_timeZonePtr'"));
}

TEST_F(TimeZoneTest, TimestampsInARegionOrWithoutOneInTheMachineZone)
{
    const DbTimestamp summer{std::string("2026-07-01 12:00:00")};
    const TimeZone unknown("Mars/Olympus_Mons");
    EXPECT_EQ("2026-07-01 22:00:00", summer.toLocalRfcString(TimeZone("Australia/Sydney").getTimeZone()));
    EXPECT_EQ("2026-07-01 14:00:00", summer.toLocalRfcString(TimeZone("Europe/Berlin").getTimeZone()));
    EXPECT_EQ("2026-07-01 08:00:00", summer.toLocalRfcString(unknown.getTimeZone()));
    testsupport::ScopedTimeZone universal("UTC");
    EXPECT_EQ("2026-07-01 12:00:00", summer.toLocalRfcString(unknown.getTimeZone()));
}

TEST_F(TimeZoneTest, LocaleAndDefaultRegionAbbreviation)
{
    EXPECT_EQ("C", i18n::GetLocale());
    EXPECT_EQ("EDT", i18n::GetTimeZoneAbbrev());
    m_database.setDefaultTimeZone("Australia/Sydney");
    EXPECT_EQ("AEST", i18n::GetTimeZoneAbbrev());
    m_clock.set(time_from_string("2026-01-15 12:00:00"));
    EXPECT_EQ("AEDT", i18n::GetTimeZoneAbbrev());
}

}  // namespace
