#include "library/core/lib/zoneclock.h"

#include <boost/date_time/local_time/local_time.hpp>

#include <utility>

using boost::posix_time::ptime;
using boost::posix_time::time_duration;

ZoneClock::ZoneClock(boost::local_time::time_zone_ptr zone)
    : m_zone(std::move(zone))
{}

bool ZoneClock::isDaylightSavingTime(const ptime& universal) const
{
    if (!m_zone || !m_zone->has_dst() || universal.is_special()) {
        return false;
    }
    // The rule's year is the one of the standard-time wall clock.
    const time_duration standard = m_zone->base_utc_offset();
    const boost::gregorian::greg_year year = (universal + standard).date().year();
    const ptime start = m_zone->dst_local_start_time(year) - standard;
    const ptime end = m_zone->dst_local_end_time(year) - standard - m_zone->dst_offset();
    if (start < end) {
        return start <= universal && universal < end;
    }
    return end < start && (universal < end || start <= universal);
}

time_duration ZoneClock::utcOffset(const ptime& universal) const
{
    if (!m_zone) {
        return time_duration(0, 0, 0);
    }
    return isDaylightSavingTime(universal) ? m_zone->base_utc_offset() + m_zone->dst_offset()
                                           : m_zone->base_utc_offset();
}

std::string ZoneClock::abbreviation(const ptime& universal) const
{
    if (!m_zone) {
        return "UTC";
    }
    return isDaylightSavingTime(universal) ? m_zone->dst_zone_abbrev() : m_zone->std_zone_abbrev();
}

ptime ZoneClock::localTime(const ptime& universal) const
{
    return universal.is_special() ? universal : universal + utcOffset(universal);
}

ptime ZoneClock::universalTime(const ptime& local) const
{
    if (!m_zone || local.is_special()) {
        return local;
    }
    // The wall-clock time read in standard time and in daylight saving; each
    // reading stands only when the instant it gives lies in that time.
    const ptime asStandard = local - m_zone->base_utc_offset();
    const bool standardHolds = !isDaylightSavingTime(asStandard);
    const ptime asDaylightSaving = asStandard - m_zone->dst_offset();
    const bool daylightSavingHolds = m_zone->has_dst() && isDaylightSavingTime(asDaylightSaving);
    if (standardHolds == daylightSavingHolds) {
        return ptime(boost::posix_time::not_a_date_time);
    }
    return standardHolds ? asStandard : asDaylightSaving;
}
