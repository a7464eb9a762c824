#include "library/core/lib/time.h"

#include "library/common/clock.h"
#include "library/core/lib/i18n.h"
#include "library/core/lib/zoneclock.h"

#include <boost/date_time/posix_time/posix_time.hpp>

#include <cstdio>

namespace {

const char* const UniversalTimeFormat = "%H:%M:%S";
const char* const LocalTimeFormat = "%I:%M %p";

}  // namespace

Time::Time(int hours, int minutes, int seconds, const TimeZone& timeZone)
    : Time(boost::posix_time::time_duration(hours, minutes, seconds), timeZone)
{}

Time::Time(const std::string& text, const TimeZone& timeZone)
    : Time(boost::posix_time::duration_from_string(text), timeZone)
{}

Time::Time(const boost::posix_time::time_duration& timeDuration, const TimeZone& timeZone)
    : m_timeDuration(timeDuration)
    , m_timeZone(timeZone)
    , m_date(common::Clock::localTime().date())
    , m_dateTime(m_date, m_timeDuration)
    , m_universalTime(ZoneClock(m_timeZone.getTimeZone()).universalTime(m_dateTime))
{}

const boost::posix_time::time_duration& Time::getTimeDuration() const
{
    return m_timeDuration;
}

const TimeZone& Time::getTimeZone() const
{
    return m_timeZone;
}

std::string Time::getUniversalTime() const
{
    return i18n::FormatTime(m_universalTime, UniversalTimeFormat);
}

std::string Time::getLocalTime() const
{
    return getLocalTime(m_timeZone);
}

std::string Time::getLocalTime(const TimeZone& timeZone) const
{
    return i18n::FormatTime(ZoneClock(timeZone.getTimeZone()).localTime(m_universalTime), LocalTimeFormat);
}

std::string Time::operator-(const Time& other) const
{
    const boost::posix_time::time_duration span = (other.m_dateTime - m_dateTime).abs();
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld", static_cast<long>(span.hours()), static_cast<long>(span.minutes()));
    return text;
}

bool Time::operator==(const Time& other) const
{
    return m_timeDuration == other.m_timeDuration;
}

bool Time::operator!=(const Time& other) const
{
    return !(*this == other);
}
