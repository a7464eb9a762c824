#include "library/core/proxy/displayname.h"

#include <boost/format.hpp>

namespace proxy {

namespace {

NamePart UnlessEmpty(const std::string& text)
{
    return text.empty() ? std::nullopt : NamePart(text);
}

}  // namespace

std::string FormatDisplayName(const NamePart& lastName, const NamePart& firstName, const NamePart& middleName)
{
    if (!lastName || !firstName) {
        return std::string();
    }
    if (middleName) {
        return (boost::format("%1% %2% %3%") % *firstName % *middleName % *lastName).str();
    }
    return (boost::format("%1% %2%") % *firstName % *lastName).str();
}

std::string
FormatDisplayNameAlphabetical(const NamePart& lastName, const NamePart& firstName, const NamePart& middleName)
{
    if (!lastName || !firstName) {
        return std::string();
    }
    if (middleName) {
        return (boost::format("%1%, %2% %3%") % *lastName % *firstName % *middleName).str();
    }
    return (boost::format("%1%, %2%") % *lastName % *firstName).str();
}

std::string GetUserDisplayName(const std::string& lastName, const std::string& firstName, const std::string& middleName)
{
    return FormatDisplayName(UnlessEmpty(lastName), UnlessEmpty(firstName), UnlessEmpty(middleName));
}

std::string
GetUserDisplayNameAlphabetical(const std::string& lastName, const std::string& firstName, const std::string& middleName)
{
    return FormatDisplayNameAlphabetical(UnlessEmpty(lastName), UnlessEmpty(firstName), UnlessEmpty(middleName));
}

}  // namespace proxy
