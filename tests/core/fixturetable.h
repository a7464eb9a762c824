#pragma once

#include "library/core/lib/timezonedatabase.h"

#include <string>

namespace testsupport {

// A small hand-written table: New York, Kolkata, Reykjavik, Sydney, Berlin,
// and Beirut and Santiago, whose summer time ends at local midnight.
inline std::string FixtureTableFile()
{
    return QUENLARK_SOURCE_DIR "/tests/core/fixtures/timezones.csv";
}

// The process-wide table, holding the fixture regions.
inline TimeZoneDatabase& FixtureDatabase()
{
    TimeZoneDatabase& database = *ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance();
    if (database.getTimeZoneDatabase().region_list().empty()) {
        database.loadFromFile(FixtureTableFile());
    }
    return database;
}

}  // namespace testsupport
