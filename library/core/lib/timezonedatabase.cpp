#include "library/core/lib/timezonedatabase.h"

#include "library/common/assertion.h"

void TimeZoneDatabase::loadFromFile(const std::string& fileName)
{
    if (!QUENLARK_ASSERT(!fileName.empty())) {
        return;
    }
    m_timeZoneDatabase.load_from_file(fileName);
}

bool TimeZoneDatabase::setDefaultTimeZone(const std::string& region)
{
    m_defaultTimeZoneRegion = region;
    m_defaultTimeZonePtr = m_timeZoneDatabase.time_zone_from_region(region);
    return static_cast<bool>(m_defaultTimeZonePtr);
}

std::string TimeZoneDatabase::getDefaultTimeZoneRegion() const
{
    return m_defaultTimeZoneRegion;
}

boost::local_time::time_zone_ptr TimeZoneDatabase::getDefaultTimeZonePtr() const
{
    QUENLARK_ASSERT(m_defaultTimeZonePtr);
    return m_defaultTimeZonePtr;
}

const boost::local_time::tz_database& TimeZoneDatabase::getTimeZoneDatabase() const
{
    return m_timeZoneDatabase;
}
