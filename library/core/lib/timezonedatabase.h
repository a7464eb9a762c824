#pragma once

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <boost/date_time/local_time/local_time_types.hpp>
#include <boost/date_time/local_time/tz_database.hpp>

#include <string>

// The table of time-zone regions, loaded once at start-up from a file in the
// date library's time-zone CSV format, and the default region chosen at
// log-on. The process uses one instance:
// ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance().
class TimeZoneDatabase
{
public:
    virtual ~TimeZoneDatabase() = default;

    // Adds the regions of the file. A file that cannot be opened throws
    // boost::local_time::data_not_accessible, a malformed line the date
    // library's field-count errors.
    void loadFromFile(const std::string& fileName);

    // Keeps `region` as the default whether or not it is in the table; true
    // when it is (the name must match exactly, case included).
    bool setDefaultTimeZone(const std::string& region);
    std::string getDefaultTimeZoneRegion() const;
    // Null, after a failed precondition report, when no default region was
    // found in the table.
    boost::local_time::time_zone_ptr getDefaultTimeZonePtr() const;

    // Region lookup (null for a name not in the table) and the region names
    // in ascending byte order.
    const boost::local_time::tz_database& getTimeZoneDatabase() const;

private:
    boost::local_time::tz_database m_timeZoneDatabase;
    std::string m_defaultTimeZoneRegion;
    boost::local_time::time_zone_ptr m_defaultTimeZonePtr;
};
