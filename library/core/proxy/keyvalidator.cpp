#include "library/core/proxy/keyvalidator.h"

#include "library/core/lib/zoneclock.h"

#include <ace/Log_Msg.h>
#include <boost/date_time/gregorian/gregorian.hpp>
#include <boost/date_time/posix_time/posix_time.hpp>

#include <exception>

namespace proxy {

namespace {

using boost::posix_time::time_duration;

// A time of day from 00:00:00 to 24:00:00; false for anything else.
bool ReadTimeOfDay(const std::string& text, time_duration& timeOfDay)
{
    try {
        timeOfDay = boost::posix_time::duration_from_string(text);
    } catch (const std::exception& error) {
        ACE_ERROR((LM_WARNING, ACE_TEXT("KeyValidator: active hour '%C' is not a time of day: %C\n"), text.c_str(),
                   error.what()));
        return false;
    }
    if (timeOfDay.is_special() || timeOfDay.is_negative() || timeOfDay > boost::posix_time::hours(24)) {
        ACE_ERROR((LM_WARNING, ACE_TEXT("KeyValidator: active hour '%C' is not a time of day\n"), text.c_str()));
        return false;
    }
    return true;
}

}  // namespace

bool WithinActiveHours(const std::string& activeFrom,
                       const std::string& activeTo,
                       const std::string& region,
                       const boost::local_time::tz_database& timeZoneDatabase,
                       const boost::posix_time::ptime& universalNow)
{
    if (activeFrom == activeTo || region.empty()) {
        return true;
    }
    time_duration start;
    time_duration end;
    if (!ReadTimeOfDay(activeFrom, start) || !ReadTimeOfDay(activeTo, end)) {
        return false;
    }
    if (start == end) {
        return true;
    }

    const boost::posix_time::ptime second(universalNow.date(),
                                          boost::posix_time::seconds(universalNow.time_of_day().total_seconds()));
    const time_duration now = ZoneClock(timeZoneDatabase.time_zone_from_region(region)).localTime(second).time_of_day();

    if (start < end) {
        return start <= now && now <= end;
    }
    return start <= now || now <= end;
}

bool ExpiredOn(const std::string& expirationDate, const boost::gregorian::date& today)
{
    try {
        const boost::gregorian::date expiry = boost::gregorian::from_simple_string(expirationDate);
        if (!expiry.is_special()) {
            return today >= expiry;
        }
    } catch (const std::exception& error) {
        ACE_ERROR((LM_WARNING, ACE_TEXT("KeyValidator: expiration date '%C' is not a date: %C\n"),
                   expirationDate.c_str(), error.what()));
        return true;
    }
    ACE_ERROR((LM_WARNING, ACE_TEXT("KeyValidator: expiration date '%C' is not a date\n"), expirationDate.c_str()));
    return true;
}

}  // namespace proxy
