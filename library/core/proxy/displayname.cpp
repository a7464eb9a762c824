#include "library/core/proxy/displayname.h"

#include <boost/format.hpp>

namespace proxy {

std::string GetUserDisplayName(const std::string& lastName, const std::string& firstName, const std::string& middleName)
{
    if (lastName.empty() || firstName.empty()) {
        return std::string();
    }
    if (!middleName.empty()) {
        return (boost::format("%1% %2% %3%") % firstName % middleName % lastName).str();
    }
    return (boost::format("%1% %2%") % firstName % lastName).str();
}

std::string
GetUserDisplayNameAlphabetical(const std::string& lastName, const std::string& firstName, const std::string& middleName)
{
    if (lastName.empty() || firstName.empty()) {
        return std::string();
    }
    if (!middleName.empty()) {
        return (boost::format("%1%, %2% %3%") % lastName % firstName % middleName).str();
    }
    return (boost::format("%1%, %2%") % lastName % firstName).str();
}

}  // namespace proxy
