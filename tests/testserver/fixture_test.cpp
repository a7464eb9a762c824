// Loading fixtures. The stored forms of names and passwords are checked with
// the client's own hashing, so both sides are known to agree.

#include "product/testserver/store.h"

#include "library/security/hash.h"
#include "tests/support/testserverprocess.h"

#include "dictionary3.pb.h"
#include "user3.pb.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testserver::Store;
using testsupport::TestServerProcess;

Store LoadFixture(const std::string& name)
{
    std::string error;
    std::optional<Store> store = Store::Load(TestServerProcess::FixturePath(name), error);
    EXPECT_TRUE(store) << error;
    return store ? std::move(*store) : *Store::Parse("", error);
}

std::vector<std::string> Words(const Store& store, int userId)
{
    std::vector<std::string> words;
    for (const zarv::data::Dictionary& record : store.words(userId)) {
        EXPECT_EQ(userId, record.dictionary_user_id());
        words.push_back(record.dictionary_word());
    }
    return words;
}

TEST(TestServerFixture, AccountsKeepTheHashesTheClientMakes)
{
    struct Account
    {
        const char* fixture;
        const char* name;
        const char* password;
        int userId;
    };
    for (const Account& account : {Account{"sample.textproto", "avery", "quenlark-trial", 1001},
                                   Account{"test.textproto", "ada", "ada-secret", 1},
                                   Account{"test.textproto", "Cléo Ünicode", "pässwörd", 3}}) {
        SCOPED_TRACE(account.name);
        const Store store = LoadFixture(account.fixture);
        const zarv::data::User* user = store.findUserByNameHash(HashUserName(account.name));
        ASSERT_NE(nullptr, user);
        EXPECT_EQ(account.userId, user->user_id());
        EXPECT_EQ(user, store.findUser(account.userId));
        const std::string& stored = user->user_security_descriptor().password();
        EXPECT_TRUE(DecodePassword(HashPassword(account.password), stored));
        EXPECT_FALSE(DecodePassword(HashPassword(std::string(account.password) + "x"), stored));
    }
}

TEST(TestServerFixture, StoredPasswordsAreFreshlySalted)
{
    const std::string first = LoadFixture("test.textproto").findUser(1)->user_security_descriptor().password();
    const std::string second = LoadFixture("test.textproto").findUser(1)->user_security_descriptor().password();
    EXPECT_EQ(64u, first.size());
    EXPECT_NE(first, second);
}

TEST(TestServerFixture, SampleHoldsTheTrialsRecords)
{
    const Store store = LoadFixture("sample.textproto");
    EXPECT_THAT(Words(store, 1001), ElementsAre("Quenlark", "keyring", "passcode"));
    const auto& data = store.data();
    EXPECT_EQ(5, data.account_size());
    EXPECT_EQ(7, data.folder_size());
    // Project plan's two earlier revisions among them.
    EXPECT_EQ(13, data.document_size());
    EXPECT_EQ(2, data.document_webpage_size());
    EXPECT_EQ(5, data.document_key_size());
    EXPECT_EQ(2, data.folder_key_size());
    EXPECT_EQ(7, data.message_size());
    EXPECT_EQ(2, data.group_size());
    EXPECT_EQ(4, data.group_key_size());
    EXPECT_EQ(2, data.user_group_size());
    EXPECT_EQ(0, data.open_session_size());
}

TEST(TestServerFixture, KeyPasscodesAreKeptInTheClientsStoredForm)
{
    const Store store = LoadFixture("sample.textproto");
    const std::string& folderKey = store.data().folder_key(0).folder_key_security_descriptor().password();
    EXPECT_TRUE(DecodePassword(HashPassword("2468"), folderKey));
    EXPECT_FALSE(DecodePassword(HashPassword("2469"), folderKey));
    // A key without a passcode keeps the empty text.
    EXPECT_EQ("", store.data().document_key(0).document_key_security_descriptor().password());
}

TEST(TestServerFixture, WordsAreAddedOncePerUser)
{
    Store store = LoadFixture("test.textproto");
    EXPECT_THAT(Words(store, 1), ElementsAre("Quenlark", "keyring"));
    EXPECT_TRUE(Words(store, 2).empty());
    store.addWord(2, "lark");
    store.addWord(2, "lark");
    store.addWord(1, "lark");
    store.addWord(99, "nobody");
    EXPECT_THAT(Words(store, 2), ElementsAre("lark"));
    EXPECT_THAT(Words(store, 1), ElementsAre("Quenlark", "keyring", "lark"));
    EXPECT_TRUE(Words(store, 99).empty());
}

TEST(TestServerFixture, UnusableFixturesAreRefusedWithTheirFaults)
{
    const std::string account = "account { name: \"a\" password: \"p\" record { user_id: 1 } }\n";
    struct Case
    {
        std::string text;
        const char* fault;
    };
    const std::vector<Case> cases = {
        {"account { name: \"a\" ", "line 1"},
        {"\nacount {}", "line 2, column 8: Message type \"quenlark.testserver.Fixture\" has no field named \"acount\""},
        {"account { name: \"a\" record { user_id: 1 } }", "account \"a\": no password"},
        {"account { password: \"p\" record { user_id: 1 } }", "an account has no name"},
        {"account { name: \"a\" password: \"p\" }", "no record.user_id"},
        {"account { name: \"a\" password: \"p\" record { user_id: -2147483648 } }", "no record.user_id"},
        {account + "account { name: \"b\" password: \"p\" record { user_id: 1 } }", "user id 1 is taken"},
        {account + "account { name: \"a\" password: \"p\" record { user_id: 2 } }", "the name is taken"},
        {"account { name: \"a\" password: \"p\" record { user_id: 1 user_name: \"a\" } }",
         "come from name and password"},
        {"account { name: \"a\" password: \"p\" record { user_id: 1 user_last_name: \"" + std::string(246, 'x')
             + "\" } }",
         "user_last_name is longer than 245 bytes"},
        {"account { name: \"a\" password: \"p\" record { user_id: 1 user_security_descriptor { active_region: \""
             + std::string(246, 'x') + "\" } } }",
         "active_region is longer than 245 bytes"},
        {account + "open_session { session_id: 7 user_id: 1 key: \"00112233\" }", "not 32 hexadecimal digits"},
        {account + "open_session { session_id: 7 user_id: 1 key: \"0011223344556677889900AABBCCDDXX\" }",
         "not 32 hexadecimal digits"},
        {account + "open_session { session_id: 7 user_id: 2 key: \"00112233445566778899AABBCCDDEEFF\" }",
         "no account has user id 2"},
    };
    for (const Case& broken : cases) {
        SCOPED_TRACE(broken.text);
        std::string error;
        EXPECT_FALSE(Store::Parse(broken.text, error));
        EXPECT_THAT(error, HasSubstr(broken.fault));
    }
    std::string error;
    EXPECT_TRUE(Store::Parse(account
                                 + "open_session { session_id: 7 user_id: 1 key: "
                                   "\"00112233445566778899aabbccddeeff\" }",
                             error))
        << error;
}

TEST(TestServerFixture, AMissingFileIsNamed)
{
    std::string error;
    EXPECT_FALSE(Store::Load("/nonexistent/fixture.textproto", error));
    EXPECT_THAT(error, HasSubstr("/nonexistent/fixture.textproto"));
}

}  // namespace
