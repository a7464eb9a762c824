#include "library/common/clock.h"
#include "library/core/lib/time.h"
#include "tests/core/fixturetable.h"
#include "tests/support/scopedtimezone.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using boost::posix_time::duration_from_string;
using boost::posix_time::time_from_string;

class TimeTest : public testing::Test
{
protected:
    // Loaded before the zones below look their regions up.
    TimeZoneDatabase& m_database = testsupport::FixtureDatabase();
    testsupport::ScopedTimeZone m_machineZone{"America/New_York"};
    common::FixedClock m_clock{time_from_string("2026-01-15 12:00:00")};
    const TimeZone m_newYork{"America/New_York"};
    const TimeZone m_sydney{"Australia/Sydney"};
};

TEST_F(TimeTest, SpanBetweenWallClockTimesHasNoSign)
{
    const Time nine(9, 0, 0, m_newYork);
    const Time halfPastFive(17, 30, 0, m_newYork);
    EXPECT_EQ("08:30", nine - halfPastFive);
    EXPECT_EQ("08:30", halfPastFive - nine);
    EXPECT_EQ("00:00", nine - nine);
    // Seconds are dropped; the zones play no part.
    EXPECT_EQ("00:01", Time(9, 0, 0, m_newYork) - Time(9, 1, 59, m_sydney));
}

TEST_F(TimeTest, EqualityComparesTimesOfDayOnly)
{
    EXPECT_TRUE(Time(9, 0, 0, m_newYork) == Time(9, 0, 0, m_sydney));
    EXPECT_FALSE(Time(9, 0, 0, m_newYork) != Time(9, 0, 0, m_sydney));
    EXPECT_TRUE(Time(9, 0, 0, m_newYork) != Time(9, 0, 1, m_newYork));
    EXPECT_TRUE(Time("09:00:00", m_newYork) == Time(9, 0, 0, m_newYork));
}

TEST_F(TimeTest, InstantInItsZoneAndInOthers)
{
    const Time winterMorning(9, 0, 0, m_newYork);
    EXPECT_EQ("14:00:00", winterMorning.getUniversalTime());
    EXPECT_EQ("09:00 AM", winterMorning.getLocalTime());
    EXPECT_EQ("01:00 AM", winterMorning.getLocalTime(m_sydney));
    EXPECT_EQ("02:00 PM", winterMorning.getLocalTime(TimeZone(TimeZone::UniversalRegion)));

    m_clock.set(time_from_string("2026-07-01 12:00:00"));
    const Time summerEvening(17, 30, 0, m_newYork);
    EXPECT_EQ("21:30:00", summerEvening.getUniversalTime());
    EXPECT_EQ("05:30 PM", summerEvening.getLocalTime());
    EXPECT_EQ("07:30 AM", summerEvening.getLocalTime(m_sydney));
    EXPECT_EQ("11:30 PM", summerEvening.getLocalTime(TimeZone("Europe/Berlin")));
}

TEST_F(TimeTest, WallClockTimeInADaylightSavingChangeIsNotADateTime)
{
    m_clock.set(time_from_string("2026-03-08 12:00:00"));
    const Time inTheGap(2, 30, 0, m_newYork);
    EXPECT_EQ("not-a-date-time", inTheGap.getUniversalTime());
    EXPECT_EQ("not-a-date-time", inTheGap.getLocalTime());
    EXPECT_EQ("not-a-date-time", inTheGap.getLocalTime(m_sydney));
    EXPECT_EQ("07:00:00", Time(3, 0, 0, m_newYork).getUniversalTime());

    m_clock.set(time_from_string("2026-11-01 12:00:00"));
    EXPECT_EQ("not-a-date-time", Time(1, 30, 0, m_newYork).getUniversalTime());
    EXPECT_EQ("07:00:00", Time(2, 0, 0, m_newYork).getUniversalTime());
}

// The hour after summer time ends at local midnight is standard time, and
// its wall-clock times, which come twice, are not instants.
TEST_F(TimeTest, AroundTheEndOfSummerTimeAtLocalMidnight)
{
    const TimeZone universal(TimeZone::UniversalRegion);
    const TimeZone beirut("Asia/Beirut");
    const TimeZone santiago("America/Santiago");
    struct Case
    {
        const char* utcNow;
        int utcHour;
        const TimeZone& zone;
        const char* local;
    };
    const Case cases[] = {
        {"2027-10-30 12:00:00", 20, beirut, "11:00 PM"},  {"2027-10-30 12:00:00", 21, beirut, "11:00 PM"},
        {"2027-10-30 12:00:00", 22, beirut, "12:00 AM"},  {"2027-04-04 12:00:00", 2, santiago, "11:00 PM"},
        {"2027-04-04 12:00:00", 3, santiago, "11:00 PM"}, {"2027-04-04 12:00:00", 4, santiago, "12:00 AM"},
        {"2027-09-05 12:00:00", 3, santiago, "11:00 PM"}, {"2027-09-05 12:00:00", 4, santiago, "01:00 AM"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.utcNow) + " " + std::to_string(test.utcHour));
        m_clock.set(time_from_string(test.utcNow));
        EXPECT_EQ(test.local, Time(test.utcHour, 0, 0, universal).getLocalTime(test.zone));
    }

    m_clock.set(time_from_string("2027-10-30 12:00:00"));
    EXPECT_EQ("19:30:00", Time(22, 30, 0, beirut).getUniversalTime());
    EXPECT_EQ("not-a-date-time", Time(23, 30, 0, beirut).getUniversalTime());
    m_clock.set(time_from_string("2027-10-31 12:00:00"));
    EXPECT_EQ("22:00:00", Time(0, 0, 0, beirut).getUniversalTime());
    EXPECT_EQ("12:00 AM", Time(0, 0, 0, beirut).getLocalTime());
    m_clock.set(time_from_string("2027-09-05 12:00:00"));
    EXPECT_EQ("not-a-date-time", Time(0, 30, 0, santiago).getUniversalTime());
    EXPECT_EQ("04:00:00", Time(1, 0, 0, santiago).getUniversalTime());
}

TEST_F(TimeTest, DateIsTheMachinesLocalDate)
{
    // 22:00 on 7 March in New York, already 8 March in UTC: 02:30 exists on the 7th.
    m_clock.set(time_from_string("2026-03-08 03:00:00"));
    EXPECT_EQ("07:30:00", Time(2, 30, 0, m_newYork).getUniversalTime());
}

TEST_F(TimeTest, TimeOfDayFromNumbersAndText)
{
    EXPECT_EQ(duration_from_string("17:30:15"), Time(17, 30, 15, m_newYork).getTimeDuration());
    EXPECT_EQ(duration_from_string("-01:30:00"), Time(-1, 30, 0, m_newYork).getTimeDuration());
    EXPECT_EQ(duration_from_string("-01:30:00"), Time(1, -30, 0, m_newYork).getTimeDuration());
    EXPECT_EQ(duration_from_string("17:30:15.5"), Time("17:30:15.5", m_newYork).getTimeDuration());
    EXPECT_EQ("10:30:15", Time("05:30:15.5", m_newYork).getUniversalTime());
}

TEST_F(TimeTest, RegionNotInTheTableIsUniversalTime)
{
    const Time time(9, 0, 0, TimeZone("Mars/Olympus_Mons"));
    EXPECT_EQ("09:00:00", time.getUniversalTime());
    EXPECT_EQ("09:00 AM", time.getLocalTime());
    EXPECT_EQ("04:00 AM", time.getLocalTime(m_newYork));
}

TEST_F(TimeTest, KeepsItsOwnZone)
{
    auto zone = std::make_unique<TimeZone>("Australia/Sydney");
    const Time fromTemporary(9, 0, 0, TimeZone("Europe/Berlin"));
    const Time fromHeap(9, 0, 0, *zone);
    zone.reset();
    EXPECT_EQ("Europe/Berlin", fromTemporary.getTimeZone().getRegion());
    EXPECT_EQ("Australia/Sydney", fromHeap.getTimeZone().getRegion());
    EXPECT_EQ("CET", fromTemporary.getTimeZone().getTimeZoneStandardAbbrev());
    EXPECT_EQ("22:00:00", fromHeap.getUniversalTime());
    EXPECT_EQ("05:00 PM", fromHeap.getLocalTime(m_newYork));
}

}  // namespace
