#pragma once

#include <boost/date_time/posix_time/posix_time_types.hpp>

namespace common {

// The one place where the system clock is read. Production code asks it for
// "now"; tests fix "now" with FixedClock. Local time follows the process's
// time zone (the TZ variable), as the C library converts it.
class Clock
{
public:
    // Current UTC time with microsecond resolution.
    static boost::posix_time::ptime universalTime();
    // Current time in the computer's local time zone.
    static boost::posix_time::ptime localTime();
    // Converts a UTC time to the computer's local time zone.
    static boost::posix_time::ptime toLocal(const boost::posix_time::ptime& universal);

private:
    friend class FixedClock;
    static const boost::posix_time::ptime* s_fixedNow;
};

// While it lives, Clock::universalTime() returns the given instant.
class FixedClock
{
public:
    explicit FixedClock(const boost::posix_time::ptime& universalNow);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    void set(const boost::posix_time::ptime& universalNow) { m_now = universalNow; }

private:
    boost::posix_time::ptime m_now;
    const boost::posix_time::ptime* m_previous;
};

}  // namespace common
