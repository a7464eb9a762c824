#pragma once

#include <boost/date_time/local_time/local_time_types.hpp>
#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <string>

// The wall clock of a time-zone region: the one place where the client turns
// UTC instants into local times and local times back into instants. An
// instant lies in daylight saving when it lies between the UTC instants at
// which the zone's rule starts and ends it in the instant's year (outside the
// end and the start when the period runs over the turn of the year). The date
// library's own conversion compares a date counted in standard time with an
// end counted in daylight-saving time, and so still reads the hour after a
// change at local midnight as daylight saving. A null zone is UTC.
class ZoneClock
{
public:
    explicit ZoneClock(boost::local_time::time_zone_ptr zone);

    bool isDaylightSavingTime(const boost::posix_time::ptime& universal) const;
    boost::posix_time::time_duration utcOffset(const boost::posix_time::ptime& universal) const;
    // "UTC" for a null zone.
    std::string abbreviation(const boost::posix_time::ptime& universal) const;
    // Special values stay as they are.
    boost::posix_time::ptime localTime(const boost::posix_time::ptime& universal) const;
    // The instant of a wall-clock time; not-a-date-time for one that the zone
    // skips or repeats at a change of daylight saving.
    boost::posix_time::ptime universalTime(const boost::posix_time::ptime& local) const;

private:
    boost::local_time::time_zone_ptr m_zone;
};
