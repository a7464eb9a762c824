#pragma once

#include "library/common/clock.h"

#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <boost/date_time/local_time/tz_database.hpp>
#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <cstdint>
#include <string>

// Why a key may not be used now; a flag word of 0 means that it may.
enum KeyCondition : std::uint64_t
{
    // The key is switched off.
    KeyNotActive = 0x01,
    // This month (local time) is not one of its months.
    KeyNotActiveMonth = 0x02,
    // Today (local time) is not one of its weekdays.
    KeyNotActiveDay = 0x04,
    // The wall clock of its region lies outside its daily hours.
    KeyNotActiveNow = 0x08,
    // Today (local time) is on or after its expiration date.
    KeyHasExpiredDate = 0x20,
    // It does not grant the view permission.
    KeyViewPermissionDenied = 0x40
};

namespace proxy {

// Whether the wall clock of `region` at `universalNow`, to the second, lies
// within the daily hours from `activeFrom` to `activeTo`, both included. A
// window whose end is before its start runs over midnight. Equal bounds or
// an empty region mean no hours limit; a region that `timeZoneDatabase` does
// not hold is read as UTC; bounds that are not times of day refuse the key.
bool WithinActiveHours(const std::string& activeFrom,
                       const std::string& activeTo,
                       const std::string& region,
                       const boost::local_time::tz_database& timeZoneDatabase,
                       const boost::posix_time::ptime& universalNow);

// Whether `today` is on or after the calendar date with which
// `expirationDate` begins (year, month and day; the time of day is ignored).
// A text that does not begin with a valid date counts as expired.
bool ExpiredOn(const std::string& expirationDate, const boost::gregorian::date& today);

}  // namespace proxy

// Decides once, when it is built, whether the key that `Reader` reads may be
// used now, and keeps the answer as a word of KeyCondition flags. Months,
// weekdays and expiry follow the computer's local calendar; the hours follow
// the wall clock of the key's region. "Now" is read through common::Clock.
template <class Reader>
class KeyValidator
{
public:
    KeyValidator(const Reader& reader, const boost::local_time::tz_database& timeZoneDatabase);
    virtual ~KeyValidator() = default;

    std::uint64_t flags() const { return m_flags; }

protected:
    void addFlag(KeyCondition flag) { m_flags |= flag; }

private:
    std::uint64_t m_flags;
    const boost::local_time::tz_database& m_timeZoneDatabase;
};

template <class Reader>
KeyValidator<Reader>::KeyValidator(const Reader& reader, const boost::local_time::tz_database& timeZoneDatabase)
    : m_flags(0)
    , m_timeZoneDatabase(timeZoneDatabase)
{
    using Active = typename Reader::Active;

    const boost::posix_time::ptime universalNow = common::Clock::universalTime();
    const boost::gregorian::date today = common::Clock::toLocal(universalNow).date();

    if (!reader.active(Reader::ActiveStatus)) {
        addFlag(KeyNotActive);
    }
    if (!reader.active(static_cast<Active>(Reader::January + today.month() - 1))) {
        addFlag(KeyNotActiveMonth);
    }
    if (!reader.active(static_cast<Active>(Reader::Sunday + today.day_of_week()))) {
        addFlag(KeyNotActiveDay);
    }
    if (!proxy::WithinActiveHours(reader.activeFrom(), reader.activeTo(), reader.activeRegion(), m_timeZoneDatabase,
                                  universalNow)) {
        addFlag(KeyNotActiveNow);
    }
    if (proxy::ExpiredOn(reader.expirationDate(), today)) {
        addFlag(KeyHasExpiredDate);
    }
}
