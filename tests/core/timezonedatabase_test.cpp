#include "library/core/lib/timezonedatabase.h"
#include "tests/core/fixturetable.h"
#include "tests/support/acelogcapture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

const char* const Header =
    "\"ID\",\"STD ABBR\",\"STD NAME\",\"DST ABBR\",\"DST NAME\",\"GMT offset\",\"DST adjustment\","
    "\"DST Start Date rule\",\"Start time\",\"DST End date rule\",\"End time\"\n";

// A table file that lives as long as the object.
class TableFile
{
public:
    explicit TableFile(const std::string& lines)
        : m_name(testing::TempDir() + "timezonedatabase_test_"
                 + testing::UnitTest::GetInstance()->current_test_info()->name() + ".csv")
    {
        std::ofstream(m_name) << Header << lines;
    }
    ~TableFile() { std::remove(m_name.c_str()); }
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;

    const std::string& name() const { return m_name; }

private:
    std::string m_name;
};

TEST(TimeZoneDatabase, LoadsEveryRegionInNameOrder)
{
    TimeZoneDatabase database;
    database.loadFromFile(testsupport::FixtureTableFile());
    const std::vector<std::string> expected{"America/New_York",   "America/Santiago", "Asia/Beirut",  "Asia/Kolkata",
                                            "Atlantic/Reykjavik", "Australia/Sydney", "Europe/Berlin"};
    EXPECT_EQ(expected, database.getTimeZoneDatabase().region_list());

    const auto newYork = database.getTimeZoneDatabase().time_zone_from_region("America/New_York");
    ASSERT_TRUE(newYork);
    EXPECT_EQ(boost::posix_time::hours(-5), newYork->base_utc_offset());
    EXPECT_EQ("EDT", newYork->dst_zone_abbrev());
    EXPECT_FALSE(database.getTimeZoneDatabase().time_zone_from_region("Europe/Paris"));
}

TEST(TimeZoneDatabase, DefaultRegionIsKeptEvenWhenNotFound)
{
    TimeZoneDatabase database;
    database.loadFromFile(testsupport::FixtureTableFile());
    EXPECT_EQ("", database.getDefaultTimeZoneRegion());

    struct Case
    {
        const char* region;
        bool found;
    };
    for (const Case& test : {Case{"America/New_York", true}, Case{"america/new_york", false},
                             Case{"Mars/Olympus_Mons", false}, Case{"Australia/Sydney", true}, Case{"", false}}) {
        SCOPED_TRACE(test.region);
        EXPECT_EQ(test.found, database.setDefaultTimeZone(test.region));
        EXPECT_EQ(test.region, database.getDefaultTimeZoneRegion());
        testsupport::AceLogCapture log;
        const auto zone = database.getDefaultTimeZonePtr();
        EXPECT_EQ(database.getTimeZoneDatabase().time_zone_from_region(test.region), zone);
        EXPECT_EQ(!test.found, log.contains("library/core/lib/timezonedatabase"));
        EXPECT_EQ(!test.found, log.contains("'m_defaultTimeZonePtr'"));
    }
}

TEST(TimeZoneDatabase, EmptyFileNameLoadsNothing)
{
    TimeZoneDatabase database;
    testsupport::AceLogCapture log;
    database.loadFromFile("");
    EXPECT_TRUE(log.contains("'!fileName.empty()'"));
    EXPECT_TRUE(database.getTimeZoneDatabase().region_list().empty());
}

TEST(TimeZoneDatabase, MissingFileThrowsDataNotAccessible)
{
    TimeZoneDatabase database;
    const std::string name = testing::TempDir() + "no-such-table.csv";
    try {
        database.loadFromFile(name);
        ADD_FAILURE() << "no exception";
    } catch (const boost::local_time::data_not_accessible& error) {
        EXPECT_EQ("Unable to locate or access the required datafile. Filespec: " + name, error.what());
    }
}

TEST(TimeZoneDatabase, MalformedLinesThrowFieldCountErrors)
{
    const char* const lines[] = {
        // Ten fields.
        "\"Europe/"
        "Berlin\",\"CET\",\"CET\",\"CEST\",\"CEST\",\"+01:00:00\",\"+01:00:00\",\"-1;0;3\",\"+02:00:00\",\"-1;0;10\"\n",
        // A start rule of two parts.
        "\"Europe/"
        "Berlin\",\"CET\",\"CET\",\"CEST\",\"CEST\",\"+01:00:00\",\"+01:00:00\",\"0;3\",\"+02:00:00\",\"-1;0;10\","
        "\"+03:00:00\"\n",
    };
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        TableFile file(line);
        TimeZoneDatabase database;
        EXPECT_THROW(database.loadFromFile(file.name()), boost::local_time::bad_field_count);
    }
}

TEST(TimeZoneDatabase, TrailingWhiteSpaceIsIgnored)
{
    TableFile file(
        "\"Asia/Kolkata\",\"IST\",\"IST\",\"\",\"\",\"+05:30:00\",\"+00:00:00\",\"\",\"\",\"\",\"\"  \t\r\n");
    TimeZoneDatabase database;
    database.loadFromFile(file.name());
    EXPECT_TRUE(database.setDefaultTimeZone("Asia/Kolkata"));
}

TEST(TimeZoneDatabase, ProcessWideInstanceIsMadeOnce)
{
    using ProcessDatabase = ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>;
    TimeZoneDatabase* first = ProcessDatabase::instance();
    EXPECT_EQ(first, ProcessDatabase::instance());
    EXPECT_EQ(first, &testsupport::FixtureDatabase());
}

}  // namespace
