#include "library/common/clock.h"

#include <boost/date_time/c_local_time_adjustor.hpp>
#include <boost/date_time/posix_time/posix_time.hpp>

namespace common {

const boost::posix_time::ptime* Clock::s_fixedNow = nullptr;

boost::posix_time::ptime Clock::universalTime()
{
    if (s_fixedNow) {
        return *s_fixedNow;
    }
    return boost::posix_time::microsec_clock::universal_time();
}

boost::posix_time::ptime Clock::localTime()
{
    return toLocal(universalTime());
}

boost::posix_time::ptime Clock::toLocal(const boost::posix_time::ptime& universal)
{
    return boost::date_time::c_local_adjustor<boost::posix_time::ptime>::utc_to_local(universal);
}

FixedClock::FixedClock(const boost::posix_time::ptime& universalNow)
    : m_now(universalNow)
    , m_previous(Clock::s_fixedNow)
{
    Clock::s_fixedNow = &m_now;
}

FixedClock::~FixedClock()
{
    Clock::s_fixedNow = m_previous;
}

}  // namespace common
