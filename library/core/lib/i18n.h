#pragma once

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <string>

namespace i18n {

// The name of the locale of every time text: "C", so "%p" gives AM or PM and
// months are numeric.
std::string GetLocale();

// `time` in the given time-facet format under GetLocale(); special values
// read as the date library writes them ("not-a-date-time").
std::string FormatTime(const boost::posix_time::ptime& time, const char* format);

// The abbreviation now in effect in the default region.
std::string GetTimeZoneAbbrev();

}  // namespace i18n
