#include "library/common/clock.h"
#include "tests/support/scopedtimezone.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

namespace {

using boost::posix_time::time_from_string;

TEST(Clock, FixedClockNestsAndRestores)
{
    const auto real = common::Clock::universalTime();
    {
        common::FixedClock outer(time_from_string("2026-03-08 06:59:59"));
        EXPECT_EQ(time_from_string("2026-03-08 06:59:59"), common::Clock::universalTime());
        {
            common::FixedClock inner(time_from_string("2000-01-01 00:00:00"));
            EXPECT_EQ(time_from_string("2000-01-01 00:00:00"), common::Clock::universalTime());
        }
        outer.set(time_from_string("2026-03-08 07:00:00"));
        EXPECT_EQ(time_from_string("2026-03-08 07:00:00"), common::Clock::universalTime());
    }
    EXPECT_GE(common::Clock::universalTime(), real);
}

TEST(Clock, LocalTimeFollowsTheProcessZoneAcrossDaylightSaving)
{
    testsupport::ScopedTimeZone zone("America/New_York");
    common::FixedClock clock(time_from_string("2026-03-08 06:59:59"));
    EXPECT_EQ(time_from_string("2026-03-08 01:59:59"), common::Clock::localTime());
    clock.set(time_from_string("2026-03-08 07:00:00"));
    EXPECT_EQ(time_from_string("2026-03-08 03:00:00"), common::Clock::localTime());
}

}  // namespace
