// The one synchronous call to the server, against the project's test server
// under the fixture's open session: a reply read into its type, a refusal
// with the server's codes, no reply at all, and a reply that does not parse.

#include "library/common/codes.h"
#include "library/gui/servercall.h"
#include "library/network/messagechannel.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "tests/component/refusingport.h"
#include "tests/support/acelogcapture.h"
#include "tests/support/hexbytes.h"
#include "tests/support/testserverprocess.h"

#include "dictionary3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"

#include <QGuiApplication>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace {

using testsupport::TestServerProcess;

// Session 7 of the fixture's user 1 is open from the start under this key.
constexpr int OpenSessionId = 7;
constexpr const char* OpenSessionKey = "00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF";
constexpr int UserId = 1;

class ServerCallTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setTimeout(std::chrono::seconds(5));
        const std::string key = testsupport::BytesFromHex(OpenSessionKey);
        std::copy(key.begin(), key.end(), ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
        MessageDispatcher::setSessionId(OpenSessionId);
    }

    void TearDown() override
    {
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
        MessageDispatcher::setTimeout(MessageChannel::m_DefaultTimeout);
    }

    // The user's dictionary, read as `Reply`, from the server on `port`.
    template <typename Reply>
    std::optional<Reply> selectDictionary(ServerCall& call, int port)
    {
        MessageDispatcher::setServerPort(port);
        zarv::data::SelectDictionaryRequest request;
        request.set_dictionary_user_id(UserId);
        std::optional<Reply> reply = call.template call<Reply>(request);
        // The wait cursor is gone once the call returns, whatever its outcome.
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        return reply;
    }
};

std::vector<std::string> Words(const zarv::data::SelectDictionaryReply& reply)
{
    std::vector<std::string> words;
    for (const zarv::data::Dictionary& dictionary : reply.dictionary()) {
        words.push_back(dictionary.dictionary_word());
    }
    return words;
}

TEST_F(ServerCallTest, GivesTheReplyReadIntoItsType)
{
    TestServerProcess server;
    ServerCall call(common::SelectDictionary);
    const auto reply = selectDictionary<zarv::data::SelectDictionaryReply>(call, server.port());
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(Words(*reply), (std::vector<std::string>{"Quenlark", "keyring"}));
    EXPECT_TRUE(call.succeeded());
    EXPECT_FALSE(call.noReply());
}

struct FailureCase
{
    const char* what;
    std::vector<std::string> faults;
    common::Opcode majorOpcode;
    common::Ercode majorErcode;
    common::Ercode minorErcode;
    bool noReply;
};

// An operation of the server's blocks that has no name in the client and that
// the test server does not answer.
constexpr common::Opcode UnknownOperation = 42;

const FailureCase FailureCases[] = {
    {"an operation that the server does not know", {}, UnknownOperation, common::ServiceNoDataFoundEr, 0, false},
    {"error codes in the header", {"error-codes=63,2"}, common::SelectDictionary, 63, 2, false},
    {"no reply", {"no-reply"}, common::SelectDictionary, common::UnsetEr, common::UnsetEr, true},
    {"a tag that does not authenticate",
     {"flip-tag"},
     common::SelectDictionary,
     common::UnsetEr,
     common::UnsetEr,
     true},
    {"a frame cut after its header",
     {"close-mid-code"},
     common::SelectDictionary,
     common::UnsetEr,
     common::UnsetEr,
     true},
};

TEST_F(ServerCallTest, AFailureGivesNothingAndItsCodes)
{
    for (const FailureCase& each : FailureCases) {
        SCOPED_TRACE(each.what);
        TestServerProcess server(each.faults);
        ServerCall call(each.majorOpcode);
        EXPECT_FALSE(selectDictionary<zarv::data::SelectDictionaryReply>(call, server.port()).has_value());
        EXPECT_EQ(call.majorErcode(), each.majorErcode);
        EXPECT_EQ(call.minorErcode(), each.minorErcode);
        EXPECT_EQ(call.noReply(), each.noReply);
    }
}

TEST_F(ServerCallTest, AServerThatRefusesTheConnectionGivesNoReply)
{
    componenttest::RefusingPort refusing;
    ServerCall call(common::SelectDictionary);
    EXPECT_FALSE(selectDictionary<zarv::data::SelectDictionaryReply>(call, refusing.port()).has_value());
    EXPECT_TRUE(call.noReply());
    EXPECT_TRUE(call.reply().empty());
}

TEST_F(ServerCallTest, AReplyThatDoesNotParseIsAFailure)
{
    TestServerProcess server;
    ServerCall call(common::SelectDictionary);
    // The dictionary records of the reply are not text: read as one record,
    // its word field does not parse.
    EXPECT_FALSE(selectDictionary<zarv::data::Dictionary>(call, server.port()).has_value());
    EXPECT_EQ(call.majorErcode(), common::ProtoParseFromStringEr);
    EXPECT_EQ(call.minorErcode(), ServerCall::ClientMinorErcode);
    EXPECT_FALSE(call.noReply());
    // The payload stays for a caller that reads it another way.
    zarv::data::SelectDictionaryReply reply;
    ASSERT_TRUE(reply.ParseFromString(call.reply()));
    EXPECT_EQ(Words(reply).size(), 2U);
}

TEST_F(ServerCallTest, SendGivesTheServersCodesAndPayload)
{
    TestServerProcess server({"error-codes=8,3"});
    MessageDispatcher::setServerPort(server.port());
    ServerCall call(common::SelectDictionary);
    zarv::data::SelectDictionaryRequest request;
    request.set_dictionary_user_id(UserId);
    EXPECT_TRUE(call.send(request.SerializeAsString()));
    EXPECT_EQ(call.majorErcode(), 8);
    EXPECT_EQ(call.minorErcode(), 3);
    EXPECT_FALSE(call.succeeded());
}

}  // namespace
