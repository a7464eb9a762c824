#include "library/core/lib/timezone.h"

#include "library/common/assertion.h"
#include "library/common/clock.h"
#include "library/core/lib/i18n.h"
#include "library/core/lib/timezonedatabase.h"
#include "library/core/lib/zoneclock.h"

#include <boost/date_time/local_time/local_time.hpp>

namespace {

using boost::posix_time::ptime;

const char* const UniversalRegionName = "Atlantic/Reykjavik";
const char* const PeriodDateFormat = "%m/%d/%y";

const TimeZoneDatabase& Database()
{
    return *ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance();
}

std::string RegionName(TimeZone::Region region)
{
    return region == TimeZone::UniversalRegion ? UniversalRegionName : Database().getDefaultTimeZoneRegion();
}

}  // namespace

TimeZone::TimeZone(Region region)
    : TimeZone(RegionName(region))
{}

TimeZone::TimeZone(const std::string& region)
    : m_region(region)
    , m_timeZonePtr(Database().getTimeZoneDatabase().time_zone_from_region(region))
{}

const std::string& TimeZone::getRegion() const
{
    return m_region;
}

const boost::local_time::time_zone_ptr& TimeZone::getTimeZone() const
{
    return m_timeZonePtr;
}

bool TimeZone::requireZone() const
{
    return QUENLARK_ASSERT(m_timeZonePtr);
}

std::string TimeZone::getTimeZoneStandardAbbrev() const
{
    return requireZone() ? m_timeZonePtr->std_zone_abbrev() : std::string();
}

std::string TimeZone::getTimeZoneDaylightSavingTimeAbbrev() const
{
    return requireZone() ? m_timeZonePtr->dst_zone_abbrev() : std::string();
}

bool TimeZone::hasDaylightSavingTime() const
{
    return requireZone() && m_timeZonePtr->has_dst();
}

std::string TimeZone::getTimeZoneAbbrev() const
{
    if (!requireZone()) {
        return std::string();
    }
    return ZoneClock(m_timeZonePtr).abbreviation(ptime(common::Clock::universalTime().date()));
}

std::string TimeZone::getDaylightSavingTimePeriod() const
{
    if (!hasDaylightSavingTime()) {
        return std::string();
    }
    const boost::gregorian::greg_year year = common::Clock::localTime().date().year();
    const ptime start = m_timeZonePtr->dst_local_start_time(year);
    ptime end = m_timeZonePtr->dst_local_end_time(year);
    if (end < start) {
        // Southern hemisphere: the period that begins this year ends next year.
        end = m_timeZonePtr->dst_local_end_time(year + 1);
    }
    if (!(start < end)) {
        return std::string();
    }
    return i18n::FormatTime(start, PeriodDateFormat) + " - " + i18n::FormatTime(end, PeriodDateFormat);
}

bool TimeZone::daylightSavingTimeContains(const boost::posix_time::ptime& time) const
{
    if (!hasDaylightSavingTime() || time.is_special()) {
        return false;
    }
    const boost::gregorian::greg_year year = time.date().year();
    const ptime start = m_timeZonePtr->dst_local_start_time(year);
    const ptime end = m_timeZonePtr->dst_local_end_time(year);
    if (start < end) {
        return start <= time && time < end;
    }
    // Southern hemisphere: daylight saving runs over the turn of the year.
    return end < start && (time < end || start <= time);
}
