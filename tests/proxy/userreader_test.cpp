#include "library/core/proxy/userreader.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace {

using Name = std::optional<std::string>;

zarv::data::User MakeUser(Name last, Name first, Name middle)
{
    zarv::data::User user;
    if (last) {
        user.set_user_last_name(*last);
    }
    if (first) {
        user.set_user_first_name(*first);
    }
    if (middle) {
        user.set_user_middle_name(*middle);
    }
    return user;
}

TEST(UserReader, EmptyRecordReadsAsNull)
{
    const zarv::data::User user;
    const UserReader reader(user);
    EXPECT_EQ(INT_MIN, reader.id());
    EXPECT_EQ(INT_MIN, reader.groupId());
    EXPECT_EQ("", reader.userName());
    EXPECT_EQ("", reader.description());
    EXPECT_EQ(0, reader.properties());
    EXPECT_EQ("", reader.creationDate());
    EXPECT_EQ("", reader.displayName());
    EXPECT_FALSE(reader.isValid());
    EXPECT_EQ(&user, &static_cast<const zarv::data::User&>(reader));
}

TEST(UserReader, Validity)
{
    struct Case
    {
        std::optional<int> id;
        std::optional<int> groupId;
        Name last;
        Name first;
        bool valid;
    };
    const std::vector<Case> cases = {
        {0, 0, "Cole", "Ann", true},
        {5, -2, "Cole", "Ann", true},
        {INT_MIN, 0, "Cole", "Ann", false},
        {0, INT_MIN, "Cole", "Ann", false},
        {std::nullopt, 0, "Cole", "Ann", false},
        {0, std::nullopt, "Cole", "Ann", false},
        {0, 0, "Cole", "", false},
        {0, 0, std::nullopt, "Ann", false},
    };
    for (const Case& c : cases) {
        zarv::data::User user = MakeUser(c.last, c.first, std::nullopt);
        if (c.id) {
            user.set_user_id(*c.id);
        }
        if (c.groupId) {
            user.set_user_group_id(*c.groupId);
        }
        EXPECT_EQ(c.valid, UserReader(user).isValid()) << user.ShortDebugString();
    }
}

// The names are decided by which fields are present, not by their text: a
// present but empty name part still takes its place, blanks and comma
// included, and the parts are inserted unchanged.
TEST(UserReader, DisplayNamesFollowPresentFields)
{
    struct Case
    {
        Name last;
        Name first;
        Name middle;
        const char* name;
        const char* alphabetical;
    };
    const std::vector<Case> cases = {
        {"Cole", "Ann", "B", "Ann B Cole", "Cole, Ann B"},
        {"Cole", "Ann", std::nullopt, "Ann Cole", "Cole, Ann"},
        {"Cole", "Ann", "", "Ann  Cole", "Cole, Ann "},
        {"Cole", std::nullopt, "B", "", ""},
        {std::nullopt, "Ann", "B", "", ""},
        {std::nullopt, std::nullopt, std::nullopt, "", ""},
        {"", "", std::nullopt, " ", ", "},
        {"", "", "", "  ", ",  "},
        {"Cole", "", std::nullopt, " Cole", "Cole, "},
        {"", "Ann", std::nullopt, "Ann ", ", Ann"},
        {" Cole ", "Ann ", " B", "Ann   B  Cole ", " Cole , Ann   B"},
    };
    for (const Case& c : cases) {
        const zarv::data::User user = MakeUser(c.last, c.first, c.middle);
        const UserReader reader(user);
        EXPECT_EQ(c.name, reader.displayName()) << user.ShortDebugString();
        EXPECT_EQ(c.alphabetical, reader.displayNameAlphabetical()) << user.ShortDebugString();
    }
}

TEST(UserReader, CreationDateInUtcForms)
{
    zarv::data::User user;
    user.set_user_creation_date("2030-01-02 03:04:05.5");
    EXPECT_EQ("20300102T030405.500000Z", UserReader(user).creationDate());
    EXPECT_EQ("2030-01-02 03:04:05.500000", UserReader(user).creationDateDisplay());
    user.set_user_creation_date("last week");
    EXPECT_EQ("", UserReader(user).creationDate());
    EXPECT_EQ("", UserReader(user).creationDateDisplay());
}

}  // namespace
