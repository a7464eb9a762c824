#include "library/database/lib/dbtimestamp.h"
#include "tests/support/acelogcapture.h"
#include "tests/support/scopedtimezone.h"

#include <boost/date_time/local_time/local_time.hpp>
#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using boost::local_time::posix_time_zone;
using boost::local_time::time_zone_ptr;
using boost::posix_time::ptime;
using boost::posix_time::time_from_string;

time_zone_ptr NewYork()
{
    return time_zone_ptr(new posix_time_zone("EST-05EDT+01,M3.2.0/02:00,M11.1.0/02:00"));
}

time_zone_ptr Sydney()
{
    return time_zone_ptr(new posix_time_zone("AEST+10AEDT+01,M10.1.0/02:00,M4.1.0/03:00"));
}

struct ParseCase
{
    const char* text;
    const char* dbText;  // empty: not-a-date-time or out of range
    bool warns;
};

const ParseCase ParseCases[] = {
    {"2024-01-31 12:34:56.123456", "2024-01-31 12:34:56.123456", false},
    {"2024-01-31T12:34:56.123456Z", "2024-01-31 12:34:56.123456", false},
    {"20240131T123456.123456", "2024-01-31 12:34:56.123456", false},
    {"'2024-01-31 12:34:56.123456'", "2024-01-31 12:34:56.123456", false},
    {"2024-01-31t12.34.56z", "2024-01-31 12:34:56", false},
    {"2024-01-31|12|34|56|", "2024-01-31 12:34:56", false},
    {"2024-01-31", "2024-01-31 00:00:00", false},
    {"'20240131'", "2024-01-31 00:00:00", false},
    {"2024-01-31 12:34:56.5", "2024-01-31 12:34:56.500000", false},
    {"2024-01-31 12:34:56.000000", "2024-01-31 12:34:56", false},
    {"2024-01-31 12:34:56.000001", "2024-01-31 12:34:56.000001", false},
    {"2024-01-31 12:34:56.1234567", "2024-01-31 12:34:56.123456", false},
    {"2024-01-31 12:34:56.123456789012", "2024-01-31 12:34:56.123456", false},
    {"2024-01-31 12:34:56.1234567890123", "", false},
    {"2024-01-31 12:34", "", false},
    {"2024-01-31 12:34:56 ", "", false},
    {"", "", false},
    {"yesterday", "", false},
    {"2024-13-01", "", true},
    {"2024-00-10", "", true},
    {"2023-02-29", "", true},
    {"2024-02-29", "2024-02-29 00:00:00", false},
    {"2024-01-31 24:00:00", "2024-02-01 00:00:00", false},
    {"2024-01-31 23:59:60", "2024-02-01 00:00:00", false},
    {"1399-12-31", "", true},
    {"1400-01-01", "1400-01-01 00:00:00", false},
    {"9999-12-31 23:59:59.999999", "9999-12-31 23:59:59.999999", false},
    {"9999-12-31 24:00:00", "", false},
};

TEST(DbTimestamp, ParsesLenientlyAndWarnsOnImpossibleDates)
{
    for (const ParseCase& parse : ParseCases) {
        SCOPED_TRACE(parse.text);
        testsupport::AceLogCapture log;
        const DbTimestamp timestamp{std::string(parse.text)};
        EXPECT_EQ(parse.dbText, timestamp.toDbString());
        EXPECT_EQ(*parse.dbText != '\0', timestamp.isValid());
        EXPECT_EQ(parse.warns, log.contains("PosixTimeDefaultValue: "));
        EXPECT_EQ(parse.warns ? 1u : 0u, log.entries().size());
        if (parse.warns) {
            EXPECT_EQ(LM_WARNING, log.entries().front().priority);
        }
    }
}

TEST(DbTimestamp, UnreadableTextIsNotADateTime)
{
    const DbTimestamp timestamp{std::string("2024-01-31 12:34")};
    EXPECT_TRUE(timestamp.toPosixTime().is_not_a_date_time());
    EXPECT_TRUE(timestamp.toLocalPosixTime().is_not_a_date_time());
    EXPECT_TRUE(timestamp == DbTimestamp(std::string("2024-13-01")));
}

TEST(DbTimestamp, RangeEndsAndTheirDays)
{
    const DbTimestamp minimum{std::string(DbTimestamp::m_MinTimestamp)};
    EXPECT_TRUE(minimum.isValid());
    EXPECT_TRUE(minimum.isMinTimestamp());
    EXPECT_FALSE(minimum.isMaxTimestamp());
    EXPECT_EQ("1400-01-01 00:00:00", minimum.toDbString());

    const DbTimestamp maximum{std::string(DbTimestamp::m_MaxTimestamp)};
    EXPECT_TRUE(maximum.isMaxTimestamp());
    EXPECT_EQ("9999-12-31 00:00:00", maximum.toDbString());

    const DbTimestamp lastInstant{std::string("9999-12-31 23:59:59.999999")};
    EXPECT_TRUE(lastInstant.isMaxTimestamp());
    EXPECT_TRUE(maximum < lastInstant);

    EXPECT_TRUE(DbTimestamp(std::string("1400-01-01 23:59:59")).isMinTimestamp());
    EXPECT_FALSE(DbTimestamp(std::string("1400-01-02")).isMinTimestamp());

    const ptime last = time_from_string("9999-12-31 23:59:59.999999");
    EXPECT_FALSE(DbTimestamp(last + boost::posix_time::microseconds(1)).isValid());
    EXPECT_FALSE(DbTimestamp(last + boost::posix_time::microseconds(1)).isMaxTimestamp());
    const ptime first = time_from_string("1400-01-01 00:00:00");
    EXPECT_FALSE(DbTimestamp(first - boost::posix_time::microseconds(1)).isValid());
    EXPECT_FALSE(DbTimestamp(first - boost::posix_time::microseconds(1)).isMinTimestamp());
    EXPECT_EQ("", DbTimestamp(first - boost::posix_time::microseconds(1)).toDbString());
}

TEST(DbTimestamp, NotADateTimeSourceIsReportedAndKept)
{
    testsupport::AceLogCapture log;
    const DbTimestamp timestamp{ptime(boost::posix_time::not_a_date_time)};
    EXPECT_TRUE(log.contains("library/database/lib/dbtimestamp"));
    EXPECT_TRUE(log.contains("'! source.is_not_a_date_time()'"));
    EXPECT_FALSE(timestamp.isValid());
    EXPECT_EQ("", timestamp.toDbString());
}

TEST(DbTimestamp, NotADateTimeEqualsItselfAndSortsAfterEveryInstant)
{
    const DbTimestamp none{std::string("nothing")};
    const DbTimestamp alsoNone{ptime(boost::posix_time::not_a_date_time)};
    const DbTimestamp lastDay{std::string("9999-12-31 23:59:59.999999")};
    const DbTimestamp early{std::string("2024-01-31")};
    const DbTimestamp later{std::string("2024-01-31 00:00:00.000001")};

    EXPECT_TRUE(none == alsoNone);
    EXPECT_FALSE(none != alsoNone);
    EXPECT_TRUE(none <= alsoNone);
    EXPECT_TRUE(none >= alsoNone);
    EXPECT_FALSE(none < alsoNone);
    EXPECT_FALSE(none > alsoNone);

    struct Ordered
    {
        const DbTimestamp& lower;
        const DbTimestamp& upper;
    };
    for (const Ordered& pair : {Ordered{early, later}, Ordered{later, lastDay}, Ordered{lastDay, none}}) {
        EXPECT_TRUE(pair.lower < pair.upper);
        EXPECT_TRUE(pair.lower <= pair.upper);
        EXPECT_TRUE(pair.lower != pair.upper);
        EXPECT_FALSE(pair.lower == pair.upper);
        EXPECT_FALSE(pair.lower > pair.upper);
        EXPECT_FALSE(pair.lower >= pair.upper);
        EXPECT_TRUE(pair.upper > pair.lower);
        EXPECT_TRUE(pair.upper >= pair.lower);
    }
    EXPECT_TRUE(DbTimestamp(ptime(boost::posix_time::pos_infin)) > none);
    EXPECT_TRUE(DbTimestamp(ptime(boost::posix_time::neg_infin)) < early);
}

TEST(DbTimestamp, UniversalTextForms)
{
    const DbTimestamp fraction{std::string("2024-01-31 12:34:56.123456")};
    EXPECT_EQ("2024-01-31 12:34:56", fraction.toRfcString());
    EXPECT_EQ("2024-01-31 12:34:56.123456", fraction.toDisplayString());
    EXPECT_EQ("20240131T123456.123456Z", fraction.toIsoString());
    EXPECT_EQ("2024-01-31T12:34:56.123456Z", fraction.toIsoExtendedString());
    EXPECT_EQ("2024-Jan-31 12:34:56.123456", fraction.toSimpleString());

    const DbTimestamp whole{std::string("2024-01-31 12:34:56")};
    EXPECT_EQ("2024-01-31 12:34:56", whole.toDisplayString());
    EXPECT_EQ("20240131T123456Z", whole.toIsoString());
    EXPECT_EQ("2024-01-31T12:34:56Z", whole.toIsoExtendedString());
    EXPECT_EQ("2024-Jan-31 12:34:56", whole.toSimpleString());

    const DbTimestamp invalid{std::string("2024-02-30")};
    for (const std::string& text :
         {invalid.toDbString(), invalid.toRfcString(), invalid.toDisplayString(), invalid.toIsoString(),
          invalid.toIsoExtendedString(), invalid.toSimpleString(), invalid.toLocalDbString(NewYork()),
          invalid.toLocalRfcString(nullptr), invalid.toLocalRfcStringExcMinMax(nullptr)}) {
        EXPECT_EQ("", text);
    }
}

TEST(DbTimestamp, LocalFormsInAZone)
{
    const DbTimestamp winter{std::string("2024-01-31 12:34:56.5")};
    EXPECT_EQ("2024-01-31 07:34:56.500000", winter.toLocalDbString(NewYork()));
    EXPECT_EQ("2024-01-31 07:34:56", winter.toLocalRfcString(NewYork()));
    EXPECT_EQ("2024-01-31 07:34:56.500000", winter.toLocalDisplayString(NewYork()));
    EXPECT_EQ("20240131T073456.500000", winter.toLocalIsoString(NewYork()));
    EXPECT_EQ("2024-01-31T07:34:56.500000", winter.toLocalIsoExtendedString(NewYork()));
    EXPECT_EQ("2024-Jan-31 07:34:56.500000", winter.toLocalSimpleString(NewYork()));
    EXPECT_EQ("2024-01-31 23:34:56", winter.toLocalRfcString(Sydney()));

    const DbTimestamp summer{std::string("2024-07-01 12:00:00")};
    EXPECT_EQ("2024-07-01 08:00:00", summer.toLocalRfcString(NewYork()));
    EXPECT_EQ("2024-07-01 22:00:00", summer.toLocalRfcString(Sydney()));

    const auto local = summer.toLocalDateTime(NewYork());
    EXPECT_TRUE(local.is_dst());
    EXPECT_EQ(time_from_string("2024-07-01 12:00:00"), local.utc_time());
}

TEST(DbTimestamp, LocalFormsFollowTheMachineZoneWithoutAZone)
{
    const DbTimestamp beforeGap{std::string("2026-03-08 06:59:59")};
    const DbTimestamp afterGap{std::string("2026-03-08 07:00:00.25")};
    {
        testsupport::ScopedTimeZone zone("UTC");
        EXPECT_EQ("2026-03-08 06:59:59", beforeGap.toLocalRfcString(nullptr));
        EXPECT_EQ("2026-03-08 07:00:00.250000", afterGap.toLocalDisplayString(nullptr));
        EXPECT_EQ("20260308T070000.250000", afterGap.toLocalIsoString(nullptr));
    }
    {
        testsupport::ScopedTimeZone zone("America/New_York");
        EXPECT_EQ("2026-03-08 01:59:59", beforeGap.toLocalRfcString(nullptr));
        EXPECT_EQ("2026-03-08 03:00:00.250000", afterGap.toLocalDisplayString(nullptr));
        EXPECT_EQ("2026-03-08 03:00:00.250000", afterGap.toLocalDbString(nullptr));
        EXPECT_EQ("2026-03-08T03:00:00.250000", afterGap.toLocalIsoExtendedString(nullptr));
        EXPECT_EQ("2026-Mar-08 03:00:00.250000", afterGap.toLocalSimpleString(nullptr));
        EXPECT_EQ(time_from_string("2026-03-08 03:00:00.25"), afterGap.toLocalPosixTime());
    }
}

TEST(DbTimestamp, LocalIsoFormsCarryNoZoneLetter)
{
    const DbTimestamp timestamp{std::string("2024-01-31T12:34:56Z")};
    EXPECT_EQ("20240131T123456Z", timestamp.toIsoString());
    EXPECT_EQ("20240131T073456", timestamp.toLocalIsoString(NewYork()));
    EXPECT_EQ("2024-01-31T07:34:56", timestamp.toLocalIsoExtendedString(NewYork()));
}

TEST(DbTimestamp, RfcStringExcludingMinMaxIsEmptyOnTheRangeEndsInEveryZone)
{
    testsupport::ScopedTimeZone machineZone("America/New_York");
    const DbTimestamp maximum{std::string(DbTimestamp::m_MaxTimestamp)};
    const DbTimestamp minimum{std::string(DbTimestamp::m_MinTimestamp)};
    for (const time_zone_ptr& zone : {time_zone_ptr(), NewYork(), Sydney()}) {
        EXPECT_EQ("", maximum.toLocalRfcStringExcMinMax(zone));
        EXPECT_EQ("", minimum.toLocalRfcStringExcMinMax(zone));
    }
    const DbTimestamp ordinary{std::string("2024-07-01 12:00:00.75")};
    EXPECT_EQ("2024-07-01 08:00:00", ordinary.toLocalRfcStringExcMinMax(nullptr));
    EXPECT_EQ("2024-07-01 22:00:00", ordinary.toLocalRfcStringExcMinMax(Sydney()));
}

TEST(DbTimestamp, LocalFormsLetTheDateLibraryRangeErrorsPass)
{
    testsupport::ScopedTimeZone machineZone("UTC");
    const DbTimestamp beforeEpoch{std::string("1969-12-31 23:59:59")};
    EXPECT_THROW(beforeEpoch.toLocalRfcString(nullptr), std::out_of_range);
    EXPECT_EQ("1969-12-31 18:59:59", beforeEpoch.toLocalRfcString(NewYork()));

    const DbTimestamp minimum{std::string(DbTimestamp::m_MinTimestamp)};
    EXPECT_THROW(minimum.toLocalRfcString(NewYork()), std::out_of_range);
}

TEST(DbTimestamp, LocalDateTimeWithoutAZoneIsReported)
{
    testsupport::AceLogCapture log;
    const DbTimestamp timestamp{std::string("2024-01-31 12:00:00")};
    const auto local = timestamp.toLocalDateTime(nullptr);
    EXPECT_TRUE(log.contains("'nullptr != time_zone'"));
    EXPECT_EQ(time_from_string("2024-01-31 12:00:00"), local.local_time());
}

}  // namespace
