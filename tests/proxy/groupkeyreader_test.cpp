#include "library/core/proxy/groupkeyreader.h"

#include "tests/support/acelogcapture.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

zarv::data::GroupKey Filled()
{
    zarv::data::GroupKey key;
    key.mutable_group_key_group()->set_group_id(12);
    key.mutable_group_key_group()->set_group_name("Team");
    zarv::data::User& user = *key.mutable_group_key_user();
    user.set_user_id(7);
    user.set_user_last_name("Cole");
    user.set_user_first_name("Ann");
    user.set_user_middle_name("");
    key.set_group_key_description("member");
    key.set_group_key_creation_date("2030-06-12 10:00:00");
    return key;
}

TEST(GroupKeyReader, NullRule)
{
    zarv::data::GroupKey key;
    const GroupKeyReader reader(key);
    EXPECT_EQ(INT_MIN, reader.groupId());
    EXPECT_EQ(INT_MIN, reader.userId());
    EXPECT_EQ("", reader.groupName());
    EXPECT_EQ("", reader.creationDateDisplay());
    EXPECT_EQ("", reader.userDisplayName());
    key.mutable_group_key_group()->set_group_name("Team");
    EXPECT_EQ(INT_MIN, reader.groupId()) << "group without an id";
    key.mutable_group_key_group()->set_group_id(0);
    EXPECT_EQ(0, reader.groupId());
    EXPECT_EQ(&key, &static_cast<const zarv::data::GroupKey&>(reader));
}

TEST(GroupKeyReader, NamesAndDescription)
{
    zarv::data::GroupKey key = Filled();
    const GroupKeyReader reader(key);
    EXPECT_EQ(12, reader.groupId());
    EXPECT_EQ("Team", reader.groupName());
    EXPECT_EQ(7, reader.userId());
    EXPECT_EQ("member", reader.description());
    EXPECT_EQ("Ann Cole", reader.userDisplayName());
    EXPECT_EQ("Cole, Ann", reader.userDisplayNameAlphabetical());
    key.mutable_group_key_user()->set_user_middle_name("B");
    EXPECT_EQ("Ann B Cole", reader.userDisplayName());
    EXPECT_EQ("Cole, Ann B", reader.userDisplayNameAlphabetical());
    key.mutable_group_key_user()->set_user_first_name("");
    EXPECT_EQ("", reader.userDisplayName());
    EXPECT_EQ("", reader.userDisplayNameAlphabetical());
}

TEST(GroupKeyReader, CreationDateShowsTheStoredDay)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"2030-06-12 23:30:00.5", "2030-06-12"},
        {"2030-5-1", "2030-05-01"},
        {"2030-May-01 10:00", "2030-05-01"},
        {"", ""},
    };
    for (const auto& [stored, shown] : cases) {
        zarv::data::GroupKey key;
        key.set_group_key_creation_date(stored);
        EXPECT_EQ(stored, GroupKeyReader(key).creationDate());
        EXPECT_EQ(shown, GroupKeyReader(key).creationDateDisplay()) << stored;
    }
}

TEST(GroupKeyReader, CreationDateThatIsNoDateShowsEmptyWithAWarning)
{
    for (const char* stored : {"2030-13-01", "1399-01-01", "today"}) {
        zarv::data::GroupKey key;
        key.set_group_key_creation_date(stored);
        testsupport::AceLogCapture log;
        EXPECT_EQ("", GroupKeyReader(key).creationDateDisplay()) << stored;
        ASSERT_EQ(1u, log.entries().size()) << stored;
        EXPECT_EQ(LM_WARNING, log.entries()[0].priority);
    }
}

TEST(GroupKeyReader, EqualityIgnoresTheCreationDate)
{
    zarv::data::GroupKey other = Filled();
    other.set_group_key_creation_date("2000-01-01 00:00:00");
    other.set_group_key_properties(3);
    EXPECT_TRUE(GroupKeyReader(Filled()) == GroupKeyReader(other));
    EXPECT_FALSE(GroupKeyReader(Filled()) != GroupKeyReader(other));
    for (auto change : {+[](zarv::data::GroupKey& key) { key.mutable_group_key_group()->set_group_name("Other"); },
                        +[](zarv::data::GroupKey& key) { key.mutable_group_key_user()->set_user_middle_name("B"); },
                        +[](zarv::data::GroupKey& key) { key.set_group_key_description(""); },
                        +[](zarv::data::GroupKey& key) { key.clear_group_key_group_enum(); }}) {
        zarv::data::GroupKey changed = Filled();
        change(changed);
        EXPECT_TRUE(GroupKeyReader(Filled()) != GroupKeyReader(changed)) << changed.ShortDebugString();
    }
}

}  // namespace
