#pragma once

#include "library/core/lib/timezone.h"

#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <string>

// A time of day in a time-zone region, on the machine's local date of the day
// the value is made. The instant is that wall-clock time read in the zone (in
// UTC when the zone is null) by the zone's ZoneClock; a wall-clock time that
// the zone skips or repeats at a daylight-saving change is not-a-date-time.
class Time
{
public:
    // When any of the three is negative the time of day is the negative sum
    // of their absolute values.
    Time(int hours, int minutes, int seconds, const TimeZone& timeZone);
    // Hours, minutes and seconds separated by colons, optional fraction. Text
    // that is not a time throws the date library's conversion errors.
    Time(const std::string& text, const TimeZone& timeZone);

    const boost::posix_time::time_duration& getTimeDuration() const;
    const TimeZone& getTimeZone() const;

    // The instant in UTC as "%H:%M:%S".
    std::string getUniversalTime() const;
    // The instant in its own zone as "%I:%M %p".
    std::string getLocalTime() const;
    // The same instant in another zone as "%I:%M %p".
    std::string getLocalTime(const TimeZone& timeZone) const;

    // The span between the two wall-clock times as "%H:%M", without sign.
    std::string operator-(const Time& other) const;

    // Times of day only; zones and dates play no part.
    bool operator==(const Time& other) const;
    bool operator!=(const Time& other) const;

private:
    Time(const boost::posix_time::time_duration& timeDuration, const TimeZone& timeZone);

    boost::posix_time::time_duration m_timeDuration;
    // A copy, so that a Time never outlives the zone it depends on.
    TimeZone m_timeZone;
    boost::gregorian::date m_date;
    boost::posix_time::ptime m_dateTime;
    // The instant in UTC.
    boost::posix_time::ptime m_universalTime;
};
