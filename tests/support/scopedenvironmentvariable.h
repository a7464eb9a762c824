#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace testsupport {

// Sets one environment variable (or unsets it, given no value) for the
// lifetime of the object and restores it after: the earlier value, or none.
class ScopedEnvironmentVariable
{
public:
    ScopedEnvironmentVariable(std::string name, const std::optional<std::string>& value)
        : m_name(std::move(name))
    {
        if (const char* previous = std::getenv(m_name.c_str())) {
            m_previous = previous;
        }
        set(value);
    }
    ~ScopedEnvironmentVariable() { set(m_previous); }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    void set(const std::optional<std::string>& value) const
    {
        if (value) {
            setenv(m_name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(m_name.c_str());
        }
    }

    const std::string m_name;
    std::optional<std::string> m_previous;
};

}  // namespace testsupport
