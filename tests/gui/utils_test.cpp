#include "library/gui/utils.h"

#include "tests/support/scopedtimezone.h"

#include <QPoint>

#include <gtest/gtest.h>

namespace {

QDateTime Utc(int year, int month, int day, int hour, int minute, int second, int msec = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), Qt::UTC);
}

TEST(NameFormatsTest, FullAndAlphabeticalNames)
{
    const struct
    {
        std::string first, middle, last;
        const char* full;
        const char* alphabetical;
    } cases[] = {
        {"Ann", "B.", "Lee", "Ann B. Lee", "Lee, Ann B."},
        {"Ann", "", "Lee", "Ann Lee", "Lee, Ann"},
        {"", "B.", "Lee", "", ""},
        {"Ann", "B.", "", "", ""},
        {"", "", "", "", ""},
        // Blanks count as set and nothing is trimmed.
        {" ", "", " ", "   ", " ,  "},
        {"Zo\xc3\xab", "", "\xc3\x86r\xc3\xb8", "Zo\xc3\xab \xc3\x86r\xc3\xb8", "\xc3\x86r\xc3\xb8, Zo\xc3\xab"},
        // A part that looks like a placeholder is not filled in again.
        {"%2", "", "%1", "%2 %1", "%1, %2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("[" + c.first + "|" + c.middle + "|" + c.last + "]");
        EXPECT_EQ(utils::GetFullName(c.first, c.middle, c.last), QString::fromUtf8(c.full));
        EXPECT_EQ(utils::GetAlphabeticalName(c.first, c.middle, c.last), QString::fromUtf8(c.alphabetical));
    }
}

TEST(StringFromVariantTest, TextOfConvertibleVariantsOnly)
{
    EXPECT_EQ(utils::GetStringFromVariant(QVariant(42)), QStringLiteral("42"));
    EXPECT_EQ(utils::GetStringFromVariant(QVariant(QStringLiteral("text"))), QStringLiteral("text"));
    EXPECT_EQ(utils::GetStringFromVariant(QVariant(QDate(2024, 5, 1))), QStringLiteral("2024-05-01"));
    EXPECT_EQ(utils::GetStringFromVariant(QVariant(QPoint(1, 2))), QString());
    EXPECT_EQ(utils::GetStringFromVariant(QVariant()), QString());
}

TEST(DateTimeFromStringTest, ReadsTheSharedFormat)
{
    // A zone with a spring gap: 02:30 on 10 March 2024 does not exist there.
    testsupport::ScopedTimeZone zone("America/New_York");
    const struct
    {
        const char* text;
        Qt::TimeSpec spec;
        QDateTime expected;  // invalid: the result must be invalid
    } cases[] = {
        {"2024-05-01 12:30:45.123456", Qt::UTC, Utc(2024, 5, 1, 12, 30, 45)},
        {"2024-05-01 12:30:45", Qt::UTC, Utc(2024, 5, 1, 12, 30, 45)},
        {"2024-05-01 12:30:45", Qt::LocalTime, QDateTime(QDate(2024, 5, 1), QTime(12, 30, 45), Qt::LocalTime)},
        {"2024-03-10 02:30:00", Qt::UTC, Utc(2024, 3, 10, 2, 30, 0)},
        {"2024-05-01", Qt::UTC, QDateTime()},
        {"", Qt::UTC, QDateTime()},
        {"2024-02-30 10:00:00", Qt::UTC, QDateTime()},
        {"yesterday at noon, roughly", Qt::UTC, QDateTime()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QDateTime result = utils::GetDateTimeFromStringDateTime(c.text, c.spec);
        ASSERT_EQ(result.isValid(), c.expected.isValid());
        if (c.expected.isValid()) {
            EXPECT_EQ(result.date(), c.expected.date());
            EXPECT_EQ(result.time(), c.expected.time());
            EXPECT_EQ(result.timeSpec(), c.spec);
        }
    }
}

TEST(DateToDurationTest, LocalDayAsUtcInterval)
{
    const struct
    {
        const char* zone;
        QDate date;
        QDateTime start;
        QDateTime end;
    } cases[] = {
        {"America/New_York", QDate(2024, 1, 15), Utc(2024, 1, 15, 5, 0, 0), Utc(2024, 1, 16, 4, 59, 59, 999)},
        // The local day is 23 hours long; the interval is not.
        {"America/New_York", QDate(2024, 3, 10), Utc(2024, 3, 10, 5, 0, 0), Utc(2024, 3, 11, 4, 59, 59, 999)},
        {"Asia/Tokyo", QDate(2024, 5, 1), Utc(2024, 4, 30, 15, 0, 0), Utc(2024, 5, 1, 14, 59, 59, 999)},
        {"UTC", QDate(2024, 2, 29), Utc(2024, 2, 29, 0, 0, 0), Utc(2024, 2, 29, 23, 59, 59, 999)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        testsupport::ScopedTimeZone zone(c.zone);
        const auto [start, end] = utils::DateToDurationUTC(c.date);
        EXPECT_EQ(start.timeSpec(), Qt::UTC);
        EXPECT_EQ(start, c.start);
        EXPECT_EQ(end, c.end);
    }
}

}  // namespace
