#pragma once

#include "tests/support/scopedenvironmentvariable.h"

#include <ctime>
#include <optional>

namespace testsupport {

// Sets the process's TZ for the lifetime of the object and restores it after.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char* zone)
        : m_zone(std::in_place, "TZ", zone)
    {
        tzset();
    }
    ~ScopedTimeZone()
    {
        m_zone.reset();
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<ScopedEnvironmentVariable> m_zone;
};

}  // namespace testsupport
