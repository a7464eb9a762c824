#include "library/core/lib/timezonedatabase.h"
#include "library/core/lib/zoneclock.h"

#include <boost/date_time/local_time/local_time.hpp>
#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using boost::posix_time::duration_from_string;
using boost::posix_time::time_from_string;

class GeneratedTableTest : public testing::Test
{
protected:
    GeneratedTableTest() { m_database.loadFromFile(QUENLARK_SOURCE_DIR "/resources/resource.tmz"); }

    boost::local_time::time_zone_ptr zone(const std::string& region) const
    {
        return m_database.getTimeZoneDatabase().time_zone_from_region(region);
    }

    TimeZoneDatabase m_database;
};

TEST_F(GeneratedTableTest, HoldsEveryAreaRegionOfTheSystem)
{
    const auto regions = m_database.getTimeZoneDatabase().region_list();
    EXPECT_GT(regions.size(), 500u);
    EXPECT_TRUE(std::all_of(regions.begin(), regions.end(),
                            [](const std::string& region) { return region.find('/') != std::string::npos; }));
    for (const char* region :
         {"America/New_York", "Atlantic/Reykjavik", "Australia/Sydney", "Etc/UTC", "America/Argentina/Buenos_Aires"}) {
        EXPECT_TRUE(zone(region)) << region;
    }
}

TEST_F(GeneratedTableTest, DaylightSavingRulesNorthAndSouth)
{
    struct Case
    {
        const char* region;
        const char* standardAbbrev;
        const char* daylightAbbrev;
        const char* utcOffset;
        const char* adjustment;
        // Local times of the changes in 2026.
        const char* start;
        const char* end;
    };
    const Case cases[] = {
        {"America/New_York", "EST", "EDT", "-05:00", "01:00", "2026-03-08 02:00", "2026-11-01 02:00"},
        {"Europe/Berlin", "CET", "CEST", "01:00", "01:00", "2026-03-29 02:00", "2026-10-25 03:00"},
        // Negative daylight saving in the zoneinfo data, summer time here.
        {"Europe/Dublin", "GMT", "IST", "00:00", "01:00", "2026-03-29 01:00", "2026-10-25 02:00"},
        // Friday before the last Sunday of March, written as the fourth Thursday at 26:00.
        {"Asia/Jerusalem", "IST", "IDT", "02:00", "01:00", "2026-03-27 02:00", "2026-10-25 02:00"},
        {"Australia/Sydney", "AEST", "AEDT", "10:00", "01:00", "2026-10-04 02:00", "2026-04-05 03:00"},
        {"Australia/Lord_Howe", "+1030", "+11", "10:30", "00:30", "2026-10-04 02:00", "2026-04-05 02:00"},
        {"Pacific/Auckland", "NZST", "NZDT", "12:00", "01:00", "2026-09-27 02:00", "2026-04-05 03:00"},
        // Midnight after the first Saturday, written as that Saturday at 24:00.
        {"America/Santiago", "-04", "-03", "-04:00", "01:00", "2026-09-06 00:00", "2026-04-05 00:00"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.region);
        const auto found = zone(test.region);
        ASSERT_TRUE(found);
        EXPECT_EQ(test.standardAbbrev, found->std_zone_abbrev());
        EXPECT_EQ(test.daylightAbbrev, found->dst_zone_abbrev());
        EXPECT_TRUE(found->has_dst());
        EXPECT_EQ(duration_from_string(test.utcOffset), found->base_utc_offset());
        EXPECT_EQ(duration_from_string(test.adjustment), found->dst_offset());
        EXPECT_EQ(time_from_string(std::string(test.start) + ":00"), found->dst_local_start_time(2026));
        EXPECT_EQ(time_from_string(std::string(test.end) + ":00"), found->dst_local_end_time(2026));
    }
}

TEST_F(GeneratedTableTest, ZonesWithoutDaylightSaving)
{
    struct Case
    {
        const char* region;
        const char* abbrev;
        const char* utcOffset;
    };
    for (const Case& test : {Case{"Atlantic/Reykjavik", "GMT", "00:00"}, Case{"Asia/Kolkata", "IST", "05:30"},
                             Case{"Asia/Tokyo", "JST", "09:00"}, Case{"America/Phoenix", "MST", "-07:00"},
                             Case{"Asia/Kathmandu", "+0545", "05:45"}}) {
        SCOPED_TRACE(test.region);
        const auto found = zone(test.region);
        ASSERT_TRUE(found);
        EXPECT_FALSE(found->has_dst());
        EXPECT_EQ(test.abbrev, found->std_zone_abbrev());
        EXPECT_EQ("", found->dst_zone_abbrev());
        EXPECT_EQ(duration_from_string(test.utcOffset), found->base_utc_offset());
    }
}

// The hour before, the first instant of and the hour after every change of
// 2027, as the system's tzdata gives them: summer time that ends at local
// midnight (Cairo, Beirut, Nuuk, Santiago in the south), changes at 22:00
// (Easter Island) and 01:00 (Havana), and the ordinary ones of New York and
// Sydney; and a few instants of 2026.
TEST_F(GeneratedTableTest, WallClockAroundEveryChangeOfTheYearAgreesWithTheSystem)
{
    struct Case
    {
        const char* region;
        const char* utc;
        const char* utcOffset;
        bool daylightSaving;
        const char* abbrev;
        const char* local;
    };
    const Case cases[] = {
        {"Africa/Cairo", "2027-04-29 21:00:00", "02:00", false, "EET", "2027-04-29 23:00:00"},
        {"Africa/Cairo", "2027-04-29 22:00:00", "03:00", true, "EEST", "2027-04-30 01:00:00"},
        {"Africa/Cairo", "2027-04-29 23:00:00", "03:00", true, "EEST", "2027-04-30 02:00:00"},
        {"Africa/Cairo", "2027-10-28 20:00:00", "03:00", true, "EEST", "2027-10-28 23:00:00"},
        {"Africa/Cairo", "2027-10-28 21:00:00", "02:00", false, "EET", "2027-10-28 23:00:00"},
        {"Africa/Cairo", "2027-10-28 22:00:00", "02:00", false, "EET", "2027-10-29 00:00:00"},
        {"Asia/Beirut", "2027-03-27 21:00:00", "02:00", false, "EET", "2027-03-27 23:00:00"},
        {"Asia/Beirut", "2027-03-27 22:00:00", "03:00", true, "EEST", "2027-03-28 01:00:00"},
        {"Asia/Beirut", "2027-03-27 23:00:00", "03:00", true, "EEST", "2027-03-28 02:00:00"},
        {"Asia/Beirut", "2027-10-30 20:00:00", "03:00", true, "EEST", "2027-10-30 23:00:00"},
        {"Asia/Beirut", "2027-10-30 21:00:00", "02:00", false, "EET", "2027-10-30 23:00:00"},
        {"Asia/Beirut", "2027-10-30 22:00:00", "02:00", false, "EET", "2027-10-31 00:00:00"},
        {"America/Nuuk", "2027-03-28 00:00:00", "-02:00", false, "-02", "2027-03-27 22:00:00"},
        {"America/Nuuk", "2027-03-28 01:00:00", "-01:00", true, "-01", "2027-03-28 00:00:00"},
        {"America/Nuuk", "2027-03-28 02:00:00", "-01:00", true, "-01", "2027-03-28 01:00:00"},
        {"America/Nuuk", "2027-10-31 00:00:00", "-01:00", true, "-01", "2027-10-30 23:00:00"},
        {"America/Nuuk", "2027-10-31 01:00:00", "-02:00", false, "-02", "2027-10-30 23:00:00"},
        {"America/Nuuk", "2027-10-31 02:00:00", "-02:00", false, "-02", "2027-10-31 00:00:00"},
        {"America/Santiago", "2027-04-04 02:00:00", "-03:00", true, "-03", "2027-04-03 23:00:00"},
        {"America/Santiago", "2027-04-04 03:00:00", "-04:00", false, "-04", "2027-04-03 23:00:00"},
        {"America/Santiago", "2027-04-04 04:00:00", "-04:00", false, "-04", "2027-04-04 00:00:00"},
        {"America/Santiago", "2027-09-05 03:00:00", "-04:00", false, "-04", "2027-09-04 23:00:00"},
        {"America/Santiago", "2027-09-05 04:00:00", "-03:00", true, "-03", "2027-09-05 01:00:00"},
        {"America/Santiago", "2027-09-05 05:00:00", "-03:00", true, "-03", "2027-09-05 02:00:00"},
        {"America/New_York", "2027-03-14 06:00:00", "-05:00", false, "EST", "2027-03-14 01:00:00"},
        {"America/New_York", "2027-03-14 07:00:00", "-04:00", true, "EDT", "2027-03-14 03:00:00"},
        {"America/New_York", "2027-03-14 08:00:00", "-04:00", true, "EDT", "2027-03-14 04:00:00"},
        {"America/New_York", "2027-11-07 05:00:00", "-04:00", true, "EDT", "2027-11-07 01:00:00"},
        {"America/New_York", "2027-11-07 06:00:00", "-05:00", false, "EST", "2027-11-07 01:00:00"},
        {"America/New_York", "2027-11-07 07:00:00", "-05:00", false, "EST", "2027-11-07 02:00:00"},
        {"Australia/Sydney", "2027-04-03 15:00:00", "11:00", true, "AEDT", "2027-04-04 02:00:00"},
        {"Australia/Sydney", "2027-04-03 16:00:00", "10:00", false, "AEST", "2027-04-04 02:00:00"},
        {"Australia/Sydney", "2027-04-03 17:00:00", "10:00", false, "AEST", "2027-04-04 03:00:00"},
        {"Australia/Sydney", "2027-10-02 15:00:00", "10:00", false, "AEST", "2027-10-03 01:00:00"},
        {"Australia/Sydney", "2027-10-02 16:00:00", "11:00", true, "AEDT", "2027-10-03 03:00:00"},
        {"Australia/Sydney", "2027-10-02 17:00:00", "11:00", true, "AEDT", "2027-10-03 04:00:00"},
        {"Pacific/Easter", "2027-04-04 02:00:00", "-05:00", true, "-05", "2027-04-03 21:00:00"},
        {"Pacific/Easter", "2027-04-04 03:00:00", "-06:00", false, "-06", "2027-04-03 21:00:00"},
        {"Pacific/Easter", "2027-04-04 04:00:00", "-06:00", false, "-06", "2027-04-03 22:00:00"},
        {"Pacific/Easter", "2027-09-05 03:00:00", "-06:00", false, "-06", "2027-09-04 21:00:00"},
        {"Pacific/Easter", "2027-09-05 04:00:00", "-05:00", true, "-05", "2027-09-04 23:00:00"},
        {"Pacific/Easter", "2027-09-05 05:00:00", "-05:00", true, "-05", "2027-09-05 00:00:00"},
        {"America/Havana", "2027-11-07 04:00:00", "-04:00", true, "CDT", "2027-11-07 00:00:00"},
        {"America/Havana", "2027-11-07 05:00:00", "-05:00", false, "CST", "2027-11-07 00:00:00"},
        {"America/Havana", "2027-11-07 06:00:00", "-05:00", false, "CST", "2027-11-07 01:00:00"},
        {"Asia/Jerusalem", "2026-03-26 23:59:59", "02:00", false, "IST", "2026-03-27 01:59:59"},
        {"Asia/Jerusalem", "2026-03-27 00:00:00", "03:00", true, "IDT", "2026-03-27 03:00:00"},
        {"America/Santiago", "2026-04-05 02:59:59", "-03:00", true, "-03", "2026-04-04 23:59:59"},
        {"America/Santiago", "2026-09-06 03:59:59", "-04:00", false, "-04", "2026-09-05 23:59:59"},
        // tzdata counts Irish winter time as a negative daylight saving; the
        // table counts summer time as daylight saving instead.
        {"Europe/Dublin", "2026-07-01 12:00:00", "01:00", true, "IST", "2026-07-01 13:00:00"},
        {"Europe/Dublin", "2026-12-01 12:00:00", "00:00", false, "GMT", "2026-12-01 12:00:00"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.region) + " " + test.utc);
        const ZoneClock clock(zone(test.region));
        const boost::posix_time::ptime utc = time_from_string(test.utc);
        EXPECT_EQ(duration_from_string(test.utcOffset), clock.utcOffset(utc));
        EXPECT_EQ(test.daylightSaving, clock.isDaylightSavingTime(utc));
        EXPECT_EQ(test.abbrev, clock.abbreviation(utc));
        EXPECT_EQ(time_from_string(test.local), clock.localTime(utc));
    }
}

// Wall-clock times back to instants: the hour that a change skips or repeats
// has none, the times around it have the system's.
TEST_F(GeneratedTableTest, WallClockTimesAroundAChangeBackToInstants)
{
    struct Case
    {
        const char* region;
        const char* local;
        // Null for none.
        const char* utc;
    };
    const Case cases[] = {
        {"Asia/Beirut", "2027-03-27 23:59:59", "2027-03-27 21:59:59"},
        {"Asia/Beirut", "2027-03-28 00:30:00", nullptr},
        {"Asia/Beirut", "2027-03-28 01:00:00", "2027-03-27 22:00:00"},
        {"Asia/Beirut", "2027-10-30 22:59:59", "2027-10-30 19:59:59"},
        {"Asia/Beirut", "2027-10-30 23:30:00", nullptr},
        {"Asia/Beirut", "2027-10-31 00:00:00", "2027-10-30 22:00:00"},
        {"America/Santiago", "2027-04-03 22:59:59", "2027-04-04 01:59:59"},
        {"America/Santiago", "2027-04-03 23:30:00", nullptr},
        {"America/Santiago", "2027-04-04 00:00:00", "2027-04-04 04:00:00"},
        {"America/Santiago", "2027-09-05 00:30:00", nullptr},
        {"America/Santiago", "2027-09-05 01:00:00", "2027-09-05 04:00:00"},
        {"America/New_York", "2027-03-14 02:30:00", nullptr},
        {"America/New_York", "2027-11-07 01:30:00", nullptr},
        {"America/New_York", "2027-11-07 02:00:00", "2027-11-07 07:00:00"},
        {"Asia/Kolkata", "2027-06-01 12:00:00", "2027-06-01 06:30:00"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.region) + " " + test.local);
        const boost::posix_time::ptime universal =
            ZoneClock(zone(test.region)).universalTime(time_from_string(test.local));
        EXPECT_EQ(test.utc ? time_from_string(test.utc) : boost::posix_time::ptime(boost::posix_time::not_a_date_time),
                  universal);
    }
}

}  // namespace
