#pragma once

#include <boost/date_time/local_time/local_time_types.hpp>
#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <string>

// One instant in UTC with microsecond resolution.
//
// A value is valid from 1400-01-01 00:00:00 up to and including
// 9999-12-31 23:59:59.999999; not-a-date-time and the other special values
// are never valid, and every text form of a value that is not valid is the
// empty string. Text is read leniently: database text, ISO 8601 basic and
// extended text with or without a trailing Z, a date alone, each optionally
// inside single quotes.
class DbTimestamp
{
public:
    // The open ends of date ranges, in database form.
    static constexpr const char* m_MinTimestamp = "1400-01-01 00:00:00";
    // Midnight at the start of the last day, not the last instant of it.
    static constexpr const char* m_MaxTimestamp = "9999-12-31 00:00:00";

    // `source` is read as UTC; it must not be not-a-date-time.
    explicit DbTimestamp(const boost::posix_time::ptime& source);
    // Text that cannot be read gives not-a-date-time; nothing is thrown.
    explicit DbTimestamp(const std::string& text);

    bool isValid() const;
    // The date part, whatever the time of day, is the first or last valid day.
    bool isMinTimestamp() const;
    bool isMaxTimestamp() const;

    // The stored time when valid, else not-a-date-time.
    boost::posix_time::ptime toPosixTime() const;
    // The stored time in the machine's local time zone (not-a-date-time when
    // not valid). Throws std::out_of_range before 1970-01-01 00:00:00 UTC.
    boost::posix_time::ptime toLocalPosixTime() const;
    boost::local_time::local_date_time toLocalDateTime(boost::local_time::time_zone_ptr time_zone) const;

    // "%Y-%m-%d %H:%M:%S%F": six fraction digits only when the fraction is not
    // zero. The wire and database form.
    std::string toDbString() const;
    // "%Y-%m-%d %H:%M:%S"
    std::string toRfcString() const;
    // The date library's ISO extended time format for a UTC value: the same
    // text as the database form.
    std::string toDisplayString() const;
    // ISO 8601 basic form followed by "Z".
    std::string toIsoString() const;
    // ISO 8601 extended form followed by "Z".
    std::string toIsoExtendedString() const;
    // "2024-Jan-31 12:34:56" with the same fraction rule.
    std::string toSimpleString() const;

    // The same forms of the local time in `zone` (daylight saving included),
    // or in the machine's local time zone when `zone` is null; the ISO forms
    // carry no "Z". The date library's range errors pass to the caller.
    std::string toLocalDbString(boost::local_time::time_zone_ptr zone) const;
    std::string toLocalRfcString(boost::local_time::time_zone_ptr zone) const;
    std::string toLocalDisplayString(boost::local_time::time_zone_ptr zone) const;
    std::string toLocalIsoString(boost::local_time::time_zone_ptr zone) const;
    std::string toLocalIsoExtendedString(boost::local_time::time_zone_ptr zone) const;
    std::string toLocalSimpleString(boost::local_time::time_zone_ptr zone) const;
    // Empty also on the first and last valid day, which are never converted.
    std::string toLocalRfcStringExcMinMax(boost::local_time::time_zone_ptr zone) const;

    // Compare the stored counts, special values included: not-a-date-time
    // equals not-a-date-time and sorts after every valid instant.
    friend bool operator==(const DbTimestamp& left, const DbTimestamp& right);
    friend bool operator<(const DbTimestamp& left, const DbTimestamp& right);

private:
    using Formatter = std::string (*)(const boost::posix_time::ptime&);

    std::string universalText(Formatter formatter, const char* zoneSuffix = "") const;
    std::string localText(Formatter formatter, const boost::local_time::time_zone_ptr& zone) const;

    boost::posix_time::ptime m_timestamp;
};

bool operator!=(const DbTimestamp& left, const DbTimestamp& right);
bool operator<=(const DbTimestamp& left, const DbTimestamp& right);
bool operator>(const DbTimestamp& left, const DbTimestamp& right);
bool operator>=(const DbTimestamp& left, const DbTimestamp& right);
