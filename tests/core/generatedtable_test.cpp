#include "library/core/lib/timezonedatabase.h"

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

TEST_F(GeneratedTableTest, ConvertsInstantsLikeTheSystem)
{
    struct Case
    {
        const char* region;
        const char* utc;
        const char* local;
    };
    const Case cases[] = {
        {"Europe/Dublin", "2026-07-01 12:00:00", "2026-07-01 13:00:00"},
        {"Europe/Dublin", "2026-12-01 12:00:00", "2026-12-01 12:00:00"},
        {"Australia/Sydney", "2026-01-15 12:00:00", "2026-01-15 23:00:00"},
        {"Australia/Sydney", "2026-07-01 12:00:00", "2026-07-01 22:00:00"},
        // The date library counts the hour before a change at 24:00 as daylight
        // saving; the change itself is placed right.
        {"America/Santiago", "2026-04-05 02:59:59", "2026-04-04 23:59:59"},
        {"America/Santiago", "2026-04-05 04:00:00", "2026-04-05 00:00:00"},
        {"America/Santiago", "2026-09-06 03:59:59", "2026-09-05 23:59:59"},
        {"America/Santiago", "2026-09-06 04:00:00", "2026-09-06 01:00:00"},
        {"Asia/Jerusalem", "2026-03-26 23:59:59", "2026-03-27 01:59:59"},
        {"Asia/Jerusalem", "2026-03-27 00:00:00", "2026-03-27 03:00:00"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.region) + " " + test.utc);
        const boost::local_time::local_date_time local(time_from_string(test.utc), zone(test.region));
        EXPECT_EQ(time_from_string(test.local), local.local_time());
    }
}

}  // namespace
