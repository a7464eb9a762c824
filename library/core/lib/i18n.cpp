#include "library/core/lib/i18n.h"

#include "library/core/lib/timezone.h"

#include <boost/date_time/posix_time/posix_time.hpp>

#include <locale>
#include <sstream>

namespace i18n {

std::string GetLocale()
{
    return "C";
}

std::string FormatTime(const boost::posix_time::ptime& time, const char* format)
{
    std::ostringstream stream;
    stream.imbue(std::locale(std::locale(GetLocale()), new boost::posix_time::time_facet(format)));
    stream << time;
    return stream.str();
}

std::string GetTimeZoneAbbrev()
{
    return TimeZone(TimeZone::DefaultRegion).getTimeZoneAbbrev();
}

}  // namespace i18n
