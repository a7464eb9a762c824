#include "library/core/proxy/keyreader.h"

#include "library/common/assertion.h"

#include <ace/Log_Msg.h>
#include <boost/date_time/posix_time/posix_time.hpp>
#include <boost/format.hpp>

#include <cstdio>
#include <exception>

std::string GetFormattedTime(const std::string& timeOfDay)
{
    try {
        // The date only carries the time of day into a date-time.
        const boost::posix_time::ptime dateTime = boost::posix_time::time_from_string("2001-01-01 " + timeOfDay);
        if (!QUENLARK_ASSERT(!dateTime.is_not_a_date_time())) {
            return std::string();
        }
        // "%I:%M %p", written out: a stream with a time facet costs a locale
        // for every call, and a key list formats two times a row.
        const boost::posix_time::time_duration time = dateTime.time_of_day();
        const int hour = static_cast<int>(time.hours());
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d %s", hour % 12 == 0 ? 12 : hour % 12,
                      static_cast<int>(time.minutes()), hour < 12 ? "AM" : "PM");
        return text;
    } catch (const std::exception& error) {
        ACE_ERROR((LM_WARNING, ACE_TEXT("GetFormattedTime: '%C' is not a time of day: %C\n"), timeOfDay.c_str(),
                   error.what()));
        return std::string();
    }
}

namespace proxy {

std::string ActiveHoursText(const std::string& activeFrom, const std::string& activeTo)
{
    if (activeFrom.empty() || activeTo.empty() || activeFrom == activeTo) {
        return std::string();
    }
    const std::string from = GetFormattedTime(activeFrom);
    const std::string to = GetFormattedTime(activeTo);
    if (from.empty() || to.empty()) {
        return std::string();
    }
    return from + " - " + to;
}

std::string SessionDurationText(int seconds)
{
    if (seconds <= 0) {
        return std::string();
    }
    if (seconds % 3600 == 0) {
        const int hours = seconds / 3600;
        return (boost::format(hours == 1 ? "%1% hour" : "%1% hours") % hours).str();
    }
    const int minutes = seconds / 60;
    return (boost::format(minutes == 1 ? "%1% minute" : "%1% minutes") % minutes).str();
}

std::string LocalText(const DbTimestamp& timestamp, LocalForm form)
{
    try {
        return (timestamp.*form)(boost::local_time::time_zone_ptr());
    } catch (const std::exception& error) {
        ACE_ERROR((LM_WARNING, ACE_TEXT("LocalText: '%C' cannot be shown in local time: %C\n"),
                   timestamp.toDbString().c_str(), error.what()));
        return std::string();
    }
}

}  // namespace proxy
