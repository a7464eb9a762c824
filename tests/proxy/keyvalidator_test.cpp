#include "keykinds.h"

#include "library/common/clock.h"
#include "library/core/proxy/securitydescriptorwriter.h"
#include "tests/support/acelogcapture.h"
#include "tests/support/scopedtimezone.h"

#include <boost/date_time/local_time/local_time.hpp>
#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace proxytest;
using boost::posix_time::time_from_string;

// A small region table: one region behind UTC, one ahead, one with daylight
// saving time, and one whose summer time ends at local midnight.
boost::local_time::tz_database Regions()
{
    using boost::local_time::posix_time_zone;
    using boost::local_time::time_zone_ptr;
    boost::local_time::tz_database regions;
    regions.add_record("America/Bogota", time_zone_ptr(new posix_time_zone("COT-05")));
    regions.add_record("Asia/Tokyo", time_zone_ptr(new posix_time_zone("JST+09")));
    regions.add_record("America/New_York",
                       time_zone_ptr(new posix_time_zone("EST-05EDT+01,M3.2.0/02:00,M11.1.0/02:00")));
    regions.add_record("Asia/Beirut", time_zone_ptr(new posix_time_zone("EET+02EEST+01,M3.5.0/00:00,M10.5.0/00:00")));
    return regions;
}

struct HoursCase
{
    const char* universalNow;
    bool active;
};

// Every test runs in a fixed computer time zone at a fixed instant; the
// default is Wednesday 2030-06-12 12:00 UTC, 14:00 in Berlin.
template <class Kind>
class KeyValidatorTest : public ::testing::Test
{
protected:
    // Usable at any time: switched on, every month and weekday, no hours
    // limit, the view permission, expiring in the far future.
    static typename Kind::Record UsableKey()
    {
        typename Kind::Record key;
        zarv::data::SecurityDescriptor& descriptor = Kind::descriptor(key);
        descriptor.set_active(0xFFFFF);
        descriptor.set_permissions(1);
        descriptor.set_active_from("00:00:00");
        descriptor.set_active_to("00:00:00");
        descriptor.set_expiration_date("2099-12-31 00:00:00");
        return key;
    }

    static typename Kind::Record KeyWithHours(const std::string& region, const std::string& from, const std::string& to)
    {
        typename Kind::Record key = UsableKey();
        Kind::descriptor(key).set_active_region(region);
        Kind::descriptor(key).set_active_from(from);
        Kind::descriptor(key).set_active_to(to);
        return key;
    }

    std::uint64_t flagsAt(const typename Kind::Record& key, const std::string& universalNow)
    {
        m_clock.set(time_from_string(universalNow));
        return typename Kind::Validator(key, m_regions).flags();
    }

    std::uint64_t flags(const typename Kind::Record& key) { return typename Kind::Validator(key, m_regions).flags(); }

    void expectHours(const typename Kind::Record& key, const std::vector<HoursCase>& cases)
    {
        for (const HoursCase& c : cases) {
            const std::uint64_t expected = c.active ? 0u : static_cast<std::uint64_t>(KeyNotActiveNow);
            EXPECT_EQ(expected, flagsAt(key, c.universalNow)) << c.universalNow;
        }
    }

    testsupport::ScopedTimeZone m_zone{"Europe/Berlin"};
    common::FixedClock m_clock{time_from_string("2030-06-12 12:00:00")};
    const boost::local_time::tz_database m_regions = Regions();
};
TYPED_TEST_SUITE(KeyValidatorTest, KeyKinds);

TYPED_TEST(KeyValidatorTest, EachConditionAloneAndTogether)
{
    using Record = typename TypeParam::Record;
    using Change = std::function<void(zarv::data::SecurityDescriptor&)>;
    struct Case
    {
        const char* name;
        Change change;
        std::uint64_t flags;
    };
    const std::vector<Case> cases = {
        {"usable", [](zarv::data::SecurityDescriptor&) {}, 0},
        {"switched off", [](zarv::data::SecurityDescriptor& d) { d.set_active(0xFFFFE); }, KeyNotActive},
        {"not in June", [](zarv::data::SecurityDescriptor& d) { d.set_active(0xFFFFF & ~(1 << 6)); },
         KeyNotActiveMonth},
        {"not on Wednesday", [](zarv::data::SecurityDescriptor& d) { d.set_active(0xFFFFF & ~(1 << 16)); },
         KeyNotActiveDay},
        {"outside the hours",
         [](zarv::data::SecurityDescriptor& d) {
             d.set_active_region("Asia/Tokyo");
             d.set_active_from("08:00:00");
             d.set_active_to("17:00:00");
         },
         KeyNotActiveNow},
        {"expired", [](zarv::data::SecurityDescriptor& d) { d.set_expiration_date("2030-06-01 00:00:00"); },
         KeyHasExpiredDate},
        {"no view permission", [](zarv::data::SecurityDescriptor& d) { d.set_permissions(0xFFE); },
         KeyViewPermissionDenied},
        {"off and no month", [](zarv::data::SecurityDescriptor& d) { d.set_active(0x7E000); },
         KeyNotActive | KeyNotActiveMonth},
        {"nothing at all", [](zarv::data::SecurityDescriptor& d) { d.Clear(); },
         KeyNotActive | KeyNotActiveMonth | KeyNotActiveDay | KeyHasExpiredDate | KeyViewPermissionDenied},
        {"every condition",
         [](zarv::data::SecurityDescriptor& d) {
             d.set_active(0);
             d.set_permissions(0);
             d.set_active_region("Asia/Tokyo");
             d.set_active_from("08:00:00");
             d.set_active_to("17:00:00");
             d.set_expiration_date("2030-06-12 00:00:00");
         },
         0x6F},
    };
    for (const Case& c : cases) {
        Record key = this->UsableKey();
        c.change(TypeParam::descriptor(key));
        EXPECT_EQ(c.flags, this->flags(key)) << c.name;
    }
}

// The computer's local calendar decides the month and the weekday.
TYPED_TEST(KeyValidatorTest, MonthAndWeekdayEdgesFollowTheLocalDate)
{
    typename TypeParam::Record januaryOnly = this->UsableKey();
    TypeParam::descriptor(januaryOnly).set_active((0xFFFFF & ~0x1FFE) | 1 << 1);
    typename TypeParam::Record thursdayOnly = this->UsableKey();
    TypeParam::descriptor(thursdayOnly).set_active(0x1FFF | 1 << 17);

    // Thursday 2030-01-31 22:59:59 in Berlin, then Friday 2030-02-01 00:00.
    EXPECT_EQ(0u, this->flagsAt(januaryOnly, "2030-01-31 21:59:59"));
    EXPECT_EQ(0u, this->flagsAt(thursdayOnly, "2030-01-31 21:59:59"));
    EXPECT_EQ(KeyNotActiveMonth, this->flagsAt(januaryOnly, "2030-01-31 23:00:00"));
    EXPECT_EQ(KeyNotActiveDay, this->flagsAt(thursdayOnly, "2030-01-31 23:00:00"));
    {
        // Still the 31st in New York.
        testsupport::ScopedTimeZone newYork("America/New_York");
        EXPECT_EQ(0u, this->flagsAt(januaryOnly, "2030-02-01 04:59:59"));
        EXPECT_EQ(0u, this->flagsAt(thursdayOnly, "2030-02-01 04:59:59"));
        EXPECT_EQ(KeyNotActiveMonth, this->flagsAt(januaryOnly, "2030-02-01 05:00:00"));
    }
    // Sunday is bit 13, Saturday bit 19.
    typename TypeParam::Record weekendOnly = this->UsableKey();
    TypeParam::descriptor(weekendOnly).set_active(0x1FFF | 1 << 13 | 1 << 19);
    EXPECT_EQ(0u, this->flagsAt(weekendOnly, "2030-06-15 12:00:00"));
    EXPECT_EQ(0u, this->flagsAt(weekendOnly, "2030-06-16 12:00:00"));
    EXPECT_EQ(KeyNotActiveDay, this->flagsAt(weekendOnly, "2030-06-17 12:00:00"));
}

// The permissive defaults of a new record allow every weekday.
TYPED_TEST(KeyValidatorTest, PermissiveDescriptorIsUsableEveryDay)
{
    typename TypeParam::Record key;
    SecurityDescriptorWriter writer(TypeParam::descriptor(key), SecurityDescriptorProxy::Permissive);
    for (const char* day :
         {"2030-06-09", "2030-06-10", "2030-06-11", "2030-06-12", "2030-06-13", "2030-06-14", "2030-06-15"}) {
        EXPECT_EQ(0u, this->flagsAt(key, std::string(day) + " 12:00:00")) << day;
    }
}

TYPED_TEST(KeyValidatorTest, BothBoundsOfTheHoursAreIncluded)
{
    // Bogota is five hours behind UTC.
    this->expectHours(this->KeyWithHours("America/Bogota", "09:00:00", "17:00:00"), {{"2030-06-12 13:59:59", false},
                                                                                     {"2030-06-12 14:00:00", true},
                                                                                     {"2030-06-12 22:00:00", true},
                                                                                     {"2030-06-12 22:00:00.900", true},
                                                                                     {"2030-06-12 22:00:01", false}});
}

TYPED_TEST(KeyValidatorTest, WindowEndingBeforeItStartsRunsOverMidnight)
{
    this->expectHours(this->KeyWithHours("Asia/Tokyo", "22:00:00", "06:00:00"),
                      {{"2030-06-12 14:00:00", true},     // 23:00
                       {"2030-06-12 20:00:00", true},     // 05:00 the next day
                       {"2030-06-12 03:00:00", false},    // 12:00
                       {"2030-06-12 12:59:59", false},    // 21:59:59
                       {"2030-06-12 13:00:00", true},     // 22:00
                       {"2030-06-12 21:00:00", true},     // 06:00
                       {"2030-06-12 21:00:01", false}});  // 06:00:01
}

// The window lies on the region's own date, whatever the UTC date.
TYPED_TEST(KeyValidatorTest, RegionsBehindAndAheadOfUtcNearMidnight)
{
    this->expectHours(this->KeyWithHours("America/Bogota", "09:00:00", "23:00:00"),
                      {{"2030-06-12 23:00:00", true},     // 18:00 local
                       {"2030-06-13 01:00:00", true},     // 20:00 local, the next UTC day
                       {"2030-06-13 04:00:00", true},     // 23:00 local
                       {"2030-06-13 04:30:00", false}});  // 23:30 local
    this->expectHours(this->KeyWithHours("Asia/Tokyo", "01:00:00", "10:00:00"),
                      {{"2030-06-12 23:00:00", true},     // 08:00 local, the previous UTC day
                       {"2030-06-12 15:30:00", false},    // 00:30 local
                       {"2030-06-13 01:00:01", false}});  // 10:00:01 local
}

// Hours are read on the region's wall clock, with its daylight saving time.
TYPED_TEST(KeyValidatorTest, DaylightSavingTimeOfTheRegion)
{
    this->expectHours(this->KeyWithHours("America/New_York", "09:00:00", "17:00:00"),
                      {{"2030-06-12 12:59:59", false},  // 08:59:59 EDT
                       {"2030-06-12 13:00:00", true},
                       {"2030-06-12 21:00:00", true},
                       {"2030-06-12 21:00:01", false},
                       {"2030-01-15 13:30:00", false},  // 08:30 EST
                       {"2030-01-15 14:00:00", true}});
    // On 2030-03-10 the clocks jump from 02:00 EST to 03:00 EDT; a window
    // that starts in the gap begins when the clock reads 03:00.
    this->expectHours(this->KeyWithHours("America/New_York", "02:30:00", "05:00:00"),
                      {{"2030-03-10 06:59:59", false},  // 01:59:59 EST
                       {"2030-03-10 07:00:00", true},   // 03:00 EDT
                       {"2030-03-10 09:00:00", true},   // 05:00 EDT
                       {"2030-03-10 09:00:01", false}});
}

// Beirut leaves summer time at 21:00 UTC on 2027-10-30, when its clocks go
// back from 00:00 EEST to 23:00 EET: the hour after is winter time.
TYPED_TEST(KeyValidatorTest, HourAfterSummerTimeEndsAtLocalMidnight)
{
    this->expectHours(this->KeyWithHours("Asia/Beirut", "22:00:00", "23:59:00"),
                      {{"2027-10-30 18:59:59", false},    // 21:59:59 EEST
                       {"2027-10-30 19:00:00", true},     // 22:00 EEST
                       {"2027-10-30 20:30:00", true},     // 23:30 EEST
                       {"2027-10-30 21:30:00", true},     // 23:30 EET
                       {"2027-10-30 21:59:00", true},     // 23:59 EET
                       {"2027-10-30 21:59:01", false},    // 23:59:01 EET
                       {"2027-10-30 22:00:00", false}});  // 00:00 EET
}

TYPED_TEST(KeyValidatorTest, UnknownRegionIsReadAsUtcAndEmptyRegionMeansNoLimit)
{
    this->expectHours(this->KeyWithHours("Nowhere/Unknown", "09:00:00", "17:00:00"),
                      {{"2030-06-12 09:00:00", true}, {"2030-06-12 17:00:01", false}});
    this->expectHours(this->KeyWithHours("", "09:00:00", "17:00:00"),
                      {{"2030-06-12 03:00:00", true}, {"2030-06-12 20:00:00", true}});
    this->expectHours(this->KeyWithHours("Asia/Tokyo", "9:00:00", "09:00:00"), {{"2030-06-12 03:00:00", true}});
}

// Hours that are not times of day refuse the key instead of throwing.
TYPED_TEST(KeyValidatorTest, UnreadableHoursRefuseTheKey)
{
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{{"", "17:00:00"},
                                                                                   {"09:00:00", ""},
                                                                                   {"nine", "17:00:00"},
                                                                                   {"09:00:00", "25:00:00"},
                                                                                   {"-01:00:00", "17:00:00"}}) {
        testsupport::AceLogCapture log;
        EXPECT_EQ(KeyNotActiveNow, this->flags(this->KeyWithHours("Asia/Tokyo", from, to))) << from << "-" << to;
        EXPECT_EQ(1u, log.entries().size()) << from << "-" << to;
    }
}

// The expiration date is the calendar date the user picked; the key may be
// used until that day begins on the computer's own clock.
TYPED_TEST(KeyValidatorTest, ExpiryBoundaryEastAndWestOfUtc)
{
    typename TypeParam::Record key = this->UsableKey();
    TypeParam::descriptor(key).set_expiration_date("2030-06-15 00:00:00");
    {
        testsupport::ScopedTimeZone tokyo("Asia/Tokyo");
        EXPECT_EQ(0u, this->flagsAt(key, "2030-06-14 14:59:59"));
        EXPECT_EQ(KeyHasExpiredDate, this->flagsAt(key, "2030-06-14 15:00:00"));
    }
    {
        testsupport::ScopedTimeZone losAngeles("America/Los_Angeles");
        EXPECT_EQ(0u, this->flagsAt(key, "2030-06-15 06:59:59"));
        EXPECT_EQ(KeyHasExpiredDate, this->flagsAt(key, "2030-06-15 07:00:00"));
    }
    // Only the date counts.
    TypeParam::descriptor(key).set_expiration_date("2030-06-15 23:00:00");
    EXPECT_EQ(KeyHasExpiredDate, this->flagsAt(key, "2030-06-15 00:00:00"));
    TypeParam::descriptor(key).set_expiration_date("2030-6-16");
    EXPECT_EQ(0u, this->flagsAt(key, "2030-06-15 21:59:59"));
}

TYPED_TEST(KeyValidatorTest, UnreadableExpirationDateRefusesTheKey)
{
    for (const char* date : {"", "someday", "2030-13-01", "1399-12-31", "2030/02/30"}) {
        typename TypeParam::Record key = this->UsableKey();
        TypeParam::descriptor(key).set_expiration_date(date);
        testsupport::AceLogCapture log;
        EXPECT_EQ(KeyHasExpiredDate, this->flags(key)) << date;
        EXPECT_EQ(1u, log.entries().size()) << date;
    }
    typename TypeParam::Record absent = this->UsableKey();
    TypeParam::descriptor(absent).clear_expiration_date_enum();
    EXPECT_EQ(KeyHasExpiredDate, this->flags(absent));
}

TYPED_TEST(KeyValidatorTest, ViewPermissionIsRequiredWhateverElseHolds)
{
    typename TypeParam::Record key = this->UsableKey();
    TypeParam::descriptor(key).set_permissions(0xFFFFFFFE);
    EXPECT_EQ(KeyViewPermissionDenied, this->flags(key));
    TypeParam::descriptor(key).set_active(0);
    EXPECT_EQ(KeyViewPermissionDenied | KeyNotActive | KeyNotActiveMonth | KeyNotActiveDay, this->flags(key));
}

// The answer is that of the moment the validator was built.
TYPED_TEST(KeyValidatorTest, FlagsAreFixedAtConstruction)
{
    const typename TypeParam::Record key = this->KeyWithHours("Asia/Tokyo", "20:00:00", "21:00:00");
    this->m_clock.set(time_from_string("2030-06-12 11:30:00"));
    const typename TypeParam::Validator validator(key, this->m_regions);
    this->m_clock.set(time_from_string("2030-06-12 03:00:00"));
    EXPECT_EQ(0u, validator.flags());
}

}  // namespace
