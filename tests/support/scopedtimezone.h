#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

namespace testsupport {

// Sets the process's TZ for the lifetime of the object and restores it after.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char* zone)
    {
        if (const char* previous = std::getenv("TZ")) {
            m_previous = previous;
            m_hadPrevious = true;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_hadPrevious) {
            setenv("TZ", m_previous.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::string m_previous;
    bool m_hadPrevious = false;
};

}  // namespace testsupport
