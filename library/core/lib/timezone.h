#pragma once

#include <boost/date_time/local_time/local_time_types.hpp>
#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <string>

// A named region of the time-zone table and its zone, shared with the table;
// the zone is null when the table does not hold the region. Every operation
// but the constructors, getRegion and getTimeZone needs the zone.
class TimeZone
{
public:
    enum Region
    {
        // "Atlantic/Reykjavik": universal time, no daylight saving.
        UniversalRegion = 0,
        // The table's default region; so is every other non-zero value.
        DefaultRegion = 1
    };

    explicit TimeZone(Region region);
    // Exact, case-sensitive match of the whole name.
    explicit TimeZone(const std::string& region);

    const std::string& getRegion() const;
    const boost::local_time::time_zone_ptr& getTimeZone() const;

    std::string getTimeZoneStandardAbbrev() const;
    // Empty when the zone has no daylight saving.
    std::string getTimeZoneDaylightSavingTimeAbbrev() const;
    bool hasDaylightSavingTime() const;

    // The abbreviation in effect at the instant the UTC day began.
    std::string getTimeZoneAbbrev() const;
    // The daylight-saving period that begins this year (by the local clock) as
    // "%m/%d/%y - %m/%d/%y"; in the southern hemisphere it ends next year.
    // Empty without daylight saving.
    std::string getDaylightSavingTimePeriod() const;
    // `time`, a local time of the zone, lies in daylight saving: from the
    // period's local start up to its local end, across the turn of the year
    // in the southern hemisphere.
    bool daylightSavingTimeContains(const boost::posix_time::ptime& time) const;

private:
    // Reports a missing zone as a failed precondition.
    bool requireZone() const;

    std::string m_region;
    boost::local_time::time_zone_ptr m_timeZonePtr;
};
