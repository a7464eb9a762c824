#include "library/database/lib/dbtimestamp.h"

#include "library/common/assertion.h"
#include "library/common/clock.h"

#include <ace/Log_Msg.h>
#include <boost/date_time/local_time/local_time.hpp>
#include <boost/date_time/posix_time/posix_time.hpp>
#include <boost/regex.hpp>

#include <cstdint>
#include <limits>
#include <locale>
#include <sstream>
#include <stdexcept>

namespace {

using boost::gregorian::date;
using boost::posix_time::ptime;

// Database text, ISO 8601 basic and extended text with or without Z, a date
// alone, each optionally inside single quotes. Groups: year, month, day,
// hour, minute, second, fraction.
const boost::regex TimestampFormat(
    R"('?(\d{4})-?(\d{2})-?(\d{2})(?:[T|t|\-| ])?(?:(\d{2})[:|\.]?(\d{2})[:|\.]?(\d{2})(?:\.(\d{1,12}))?[Z|z]?)?'?)");

const ptime FirstValidInstant(date(1400, 1, 1));
const ptime LastValidInstant(date(9999, 12, 31), boost::posix_time::hours(24) - boost::posix_time::microseconds(1));

// Digits of microseconds that the date library keeps.
const std::size_t FractionDigits = 6;

ptime PosixTimeDefaultValue(const std::string& text)
{
    boost::smatch match;
    if (!boost::regex_match(text, match, TimestampFormat)) {
        return ptime(boost::posix_time::not_a_date_time);
    }
    const std::string year = match[1];
    const std::string month = match[2];
    const std::string day = match[3];
    // The failed assertions report their conditions as written here.
    // clang-format off
    if (!QUENLARK_ASSERT(! year.empty()) || !QUENLARK_ASSERT(! month.empty())
        || !QUENLARK_ASSERT(! day.empty())) {
        // clang-format on
        return ptime(boost::posix_time::not_a_date_time);
    }

    const std::string hour = match[4];
    const std::string minute = match[5];
    const std::string second = match[6];
    const std::string fraction = match[7];
    std::string isoText = year + month + day + 'T';
    if (!hour.empty()) {
        isoText += hour + minute + second;
        if (!fraction.empty()) {
            isoText += '.' + fraction.substr(0, FractionDigits);
        }
    } else {
        isoText += "000000";
    }

    try {
        return boost::posix_time::from_iso_string(isoText);
    } catch (const std::out_of_range& error) {
        ACE_ERROR((LM_WARNING, ACE_TEXT("PosixTimeDefaultValue: %C\n"), error.what()));
        return ptime(boost::posix_time::not_a_date_time);
    }
}

// Microseconds since the first valid instant, with the special values where
// the date library's 64-bit encoding puts them: the infinities at the ends of
// the range, not-a-date-time just below the top.
std::int64_t StoredCount(const ptime& time)
{
    if (time.is_not_a_date_time()) {
        return std::numeric_limits<std::int64_t>::max() - 1;
    }
    if (time.is_pos_infinity()) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (time.is_neg_infinity()) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return (time - FirstValidInstant).total_microseconds();
}

std::string FacetText(const ptime& time, const char* format)
{
    std::ostringstream stream;
    stream.imbue(std::locale(std::locale::classic(), new boost::posix_time::time_facet(format)));
    stream << time;
    return stream.str();
}

std::string DbText(const ptime& time)
{
    return FacetText(time, "%Y-%m-%d %H:%M:%S%F");
}

std::string RfcText(const ptime& time)
{
    return FacetText(time, "%Y-%m-%d %H:%M:%S");
}

std::string DisplayText(const ptime& time)
{
    return FacetText(time, "%Y-%m-%d %H:%M:%S%F%Q");
}

std::string IsoText(const ptime& time)
{
    return boost::posix_time::to_iso_string(time);
}

std::string IsoExtendedText(const ptime& time)
{
    return boost::posix_time::to_iso_extended_string(time);
}

std::string SimpleText(const ptime& time)
{
    return boost::posix_time::to_simple_string(time);
}

}  // namespace

DbTimestamp::DbTimestamp(const boost::posix_time::ptime& source)
    : m_timestamp(source)
{
    // clang-format off
    QUENLARK_ASSERT(! source.is_not_a_date_time());
    // clang-format on
}

DbTimestamp::DbTimestamp(const std::string& text)
    : m_timestamp(PosixTimeDefaultValue(text))
{}

bool DbTimestamp::isValid() const
{
    const std::int64_t count = StoredCount(m_timestamp);
    return StoredCount(FirstValidInstant) <= count && count <= StoredCount(LastValidInstant);
}

bool DbTimestamp::isMinTimestamp() const
{
    return isValid() && m_timestamp.date() == FirstValidInstant.date();
}

bool DbTimestamp::isMaxTimestamp() const
{
    return isValid() && m_timestamp.date() == LastValidInstant.date();
}

boost::posix_time::ptime DbTimestamp::toPosixTime() const
{
    return isValid() ? m_timestamp : ptime(boost::posix_time::not_a_date_time);
}

boost::posix_time::ptime DbTimestamp::toLocalPosixTime() const
{
    return isValid() ? common::Clock::toLocal(m_timestamp) : ptime(boost::posix_time::not_a_date_time);
}

boost::local_time::local_date_time DbTimestamp::toLocalDateTime(boost::local_time::time_zone_ptr time_zone) const
{
    // Without a zone the date library keeps the time in UTC.
    QUENLARK_ASSERT(nullptr != time_zone);
    return boost::local_time::local_date_time(m_timestamp, time_zone);
}

std::string DbTimestamp::universalText(Formatter formatter, const char* zoneSuffix) const
{
    return isValid() ? formatter(m_timestamp) + zoneSuffix : std::string();
}

std::string DbTimestamp::localText(Formatter formatter, const boost::local_time::time_zone_ptr& zone) const
{
    if (!isValid()) {
        return std::string();
    }
    return formatter(zone ? toLocalDateTime(zone).local_time() : toLocalPosixTime());
}

std::string DbTimestamp::toDbString() const
{
    return universalText(DbText);
}

std::string DbTimestamp::toRfcString() const
{
    return universalText(RfcText);
}

std::string DbTimestamp::toDisplayString() const
{
    return universalText(DisplayText);
}

std::string DbTimestamp::toIsoString() const
{
    return universalText(IsoText, "Z");
}

std::string DbTimestamp::toIsoExtendedString() const
{
    return universalText(IsoExtendedText, "Z");
}

std::string DbTimestamp::toSimpleString() const
{
    return universalText(SimpleText);
}

std::string DbTimestamp::toLocalDbString(boost::local_time::time_zone_ptr zone) const
{
    return localText(DbText, zone);
}

std::string DbTimestamp::toLocalRfcString(boost::local_time::time_zone_ptr zone) const
{
    return localText(RfcText, zone);
}

std::string DbTimestamp::toLocalDisplayString(boost::local_time::time_zone_ptr zone) const
{
    return localText(DisplayText, zone);
}

std::string DbTimestamp::toLocalIsoString(boost::local_time::time_zone_ptr zone) const
{
    return localText(IsoText, zone);
}

std::string DbTimestamp::toLocalIsoExtendedString(boost::local_time::time_zone_ptr zone) const
{
    return localText(IsoExtendedText, zone);
}

std::string DbTimestamp::toLocalSimpleString(boost::local_time::time_zone_ptr zone) const
{
    return localText(SimpleText, zone);
}

std::string DbTimestamp::toLocalRfcStringExcMinMax(boost::local_time::time_zone_ptr zone) const
{
    if (isMinTimestamp() || isMaxTimestamp()) {
        return std::string();
    }
    return toLocalRfcString(zone);
}

bool operator==(const DbTimestamp& left, const DbTimestamp& right)
{
    return StoredCount(left.m_timestamp) == StoredCount(right.m_timestamp);
}

bool operator<(const DbTimestamp& left, const DbTimestamp& right)
{
    return StoredCount(left.m_timestamp) < StoredCount(right.m_timestamp);
}

bool operator!=(const DbTimestamp& left, const DbTimestamp& right)
{
    return !(left == right);
}

bool operator<=(const DbTimestamp& left, const DbTimestamp& right)
{
    return left < right || left == right;
}

bool operator>(const DbTimestamp& left, const DbTimestamp& right)
{
    return !(left <= right);
}

bool operator>=(const DbTimestamp& left, const DbTimestamp& right)
{
    return !(left < right);
}
