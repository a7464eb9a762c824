// Requests under a session: the fixture's open session 7 of "ada", key
// 00112233445566778899AABBCCDDEEFF.

#include "tests/support/testserverprocess.h"
#include "tests/testserver/rawclient.h"

#include "insertdictionaryrequest3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using namespace rawclient;
using ::testing::ElementsAre;
using testsupport::TestServerProcess;

// Sends a request under session 7 and returns the reply frame.
std::string Send(const TestServerProcess& server, int majorOpcode, const std::string& payload, int minorOpcode = 1)
{
    return Exchange(server.port(), Request(majorOpcode, minorOpcode, OpenSessionId, payload, OpenSessionKey));
}

std::vector<std::string>
SelectWords(const TestServerProcess& server, int minorOpcode = 1, std::optional<int> userId = 1)
{
    zarv::data::SelectDictionaryRequest request;
    if (userId) {
        request.set_dictionary_user_id(*userId);
    }
    const std::string frame = Send(server, 35, request.SerializeAsString(), minorOpcode);
    EXPECT_EQ(0, SignedField(frame, MajorErcode));
    EXPECT_EQ(minorOpcode, SignedField(frame, MinorOpcode));
    zarv::data::SelectDictionaryReply reply;
    EXPECT_TRUE(reply.ParseFromString(Decrypt(frame, OpenSessionKey).value_or("?")));
    EXPECT_TRUE(reply.has_sql_diag_rec());
    std::vector<std::string> words;
    for (const zarv::data::Dictionary& entry : reply.dictionary()) {
        EXPECT_EQ(1, entry.dictionary_user_id());
        words.push_back(entry.dictionary_word());
    }
    return words;
}

std::string InsertWord(const TestServerProcess& server, const std::string& word, int userId = 1)
{
    zarv::data::InsertDictionaryRequest request;
    zarv::data::Dictionary& entry = *request.mutable_dictionary();
    entry.set_dictionary_user_id(userId);
    entry.set_dictionary_word(word);
    entry.set_dictionary_description("");
    entry.set_dictionary_definition("");
    entry.set_dictionary_access(0);
    return Send(server, 20, request.SerializeAsString());
}

TEST(TestServerSessions, DictionaryWordsAreTheSessionUsersOwn)
{
    TestServerProcess server;
    EXPECT_THAT(SelectWords(server, -5), ElementsAre("Quenlark", "keyring"));
    EXPECT_THAT(SelectWords(server, 1, std::nullopt), ElementsAre("Quenlark", "keyring"));
    EXPECT_TRUE(SelectWords(server, 1, 2).empty()) << "another user's words are not given out";
}

TEST(TestServerSessions, InsertedWordsAreSelectedAfterwards)
{
    TestServerProcess server;
    std::string frame = InsertWord(server, "Überlark");
    EXPECT_EQ(0, SignedField(frame, MajorErcode));
    EXPECT_EQ(20, SignedField(frame, MajorOpcode));
    EXPECT_EQ(OpenSessionId, SignedField(frame, SessionId));
    EXPECT_EQ(0u, Field(frame, CodeLength)) << "InsertDictionary has no reply message";
    InsertWord(server, "Überlark");
    EXPECT_THAT(SelectWords(server), ElementsAre("Quenlark", "keyring", "Überlark"));

    EXPECT_EQ(74, SignedField(InsertWord(server, "other", 2), MajorErcode));
    EXPECT_EQ(62, SignedField(InsertWord(server, ""), MajorErcode));
    EXPECT_THAT(SelectWords(server), ElementsAre("Quenlark", "keyring", "Überlark"));
}

TEST(TestServerSessions, TerminateUserSessionEndsTheSession)
{
    TestServerProcess server;
    std::string frame = Send(server, 4, "");
    EXPECT_EQ(0, SignedField(frame, MajorErcode));
    EXPECT_EQ(4, SignedField(frame, MajorOpcode));
    EXPECT_EQ(0u, Field(frame, CodeLength));
    frame = Send(server, 35, "");
    EXPECT_EQ(66, SignedField(frame, MajorErcode));
    frame = Send(server, 4, "");
    EXPECT_EQ(66, SignedField(frame, MajorErcode));
}

TEST(TestServerSessions, RequestsOutsideAKnownSessionAreRefusedWithAnEmptyPayload)
{
    struct Case
    {
        const char* what;
        int majorOpcode;
        int sessionId;
        Key key;
        std::string payload;
        int ercode;
    };
    zarv::data::SelectDictionaryRequest select;
    select.set_dictionary_user_id(1);
    const std::string request = select.SerializeAsString();
    const std::vector<Case> cases = {
        {"unknown session", 35, 8, OpenSessionKey, request, 66},
        {"no session", 35, INT_MIN, ZeroKey, request, 66},
        {"no session, empty payload", 4, INT_MIN, ZeroKey, "", 66},
        {"unknown operation in an unknown session", 99, 8, OpenSessionKey, request, 66},
        {"wrong key", 35, OpenSessionId, ZeroKey, request, 80},
        {"unknown operation", 99, OpenSessionId, OpenSessionKey, request, 88},
        {"client-side operation", -26, OpenSessionId, OpenSessionKey, "", 88},
        {"payload of another kind", 35, OpenSessionId, OpenSessionKey, std::string("\xFF\xFF", 2), 9},
        {"not an insert request", 20, OpenSessionId, OpenSessionKey, std::string("\x0A", 1), 9},
    };
    TestServerProcess server;
    for (const Case& refused : cases) {
        SCOPED_TRACE(refused.what);
        const std::string frame =
            Exchange(server.port(), Request(refused.majorOpcode, -38, refused.sessionId, refused.payload, refused.key));
        ASSERT_TRUE(Split(frame));
        EXPECT_EQ(refused.ercode, SignedField(frame, MajorErcode));
        EXPECT_EQ(0, SignedField(frame, MinorErcode));
        EXPECT_EQ(refused.majorOpcode, SignedField(frame, MajorOpcode));
        EXPECT_EQ(-38, SignedField(frame, MinorOpcode));
        EXPECT_EQ(refused.sessionId, SignedField(frame, SessionId));
        EXPECT_EQ(0u, Field(frame, CodeLength));
        EXPECT_EQ(0u, Field(frame, BodyLength));
    }
    EXPECT_THAT(SelectWords(server), ElementsAre("Quenlark", "keyring")) << "the session survives refusals";
}

}  // namespace
