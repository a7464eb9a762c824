// The server component against the project's test server (and against a port
// that refuses connections): which major codes go to the server, the one reply
// that every forwarded request gets, the stamp on a saved message, and what a
// log-on installs.

#include "library/common/clock.h"
#include "library/common/codes.h"
#include "library/network/messagechannel.h"
#include "library/network/messagedispatcher.h"
#include "product/client/component/servercomponent.h"
#include "tests/component/refusingport.h"
#include "tests/component/servertestsupport.h"
#include "tests/support/testserverprocess.h"

#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"
#include "updatemessagerequest3.pb.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using componenttest::ClientSession;
using componenttest::CurrentSession;
using componenttest::DecryptedSession;
using componenttest::LogonRequest;
using componenttest::Reply;
using componenttest::ReplyCollector;
using componenttest::SentinelSession;
using testsupport::TestServerProcess;

// The user of the test fixture whose log-on the tests use.
constexpr const char* UserName = "ada";
constexpr const char* Password = "ada-secret";
constexpr int UserId = 1;

class ServerComponentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setTimeout(std::chrono::seconds(5));
        componenttest::InstallSentinelSession();
    }

    void TearDown() override { MessageDispatcher::setTimeout(MessageChannel::m_DefaultTimeout); }

    const std::vector<Reply>& send(common::Opcode major, common::Opcode minor, const std::string& request)
    {
        m_replies.clear();
        emit m_requests.deliverRequest(major, minor, request);
        return m_replies.replies();
    }

    // A log-on of the fixture's user against the server on `port`.
    const std::vector<Reply>& logOn(int port, const std::string& password = Password)
    {
        MessageDispatcher::setServerPort(port);
        return send(common::AuthenticateUser, common::Untagged, LogonRequest(UserName, password));
    }

    ServerComponent m_serverComponent{nullptr};
    ReplyCollector m_replies{m_serverComponent};
    // Requests come down to the server component as from the service connector.
    Component m_requests{nullptr};
    QMetaObject::Connection m_wire =
        QObject::connect(&m_requests, &Component::deliverRequest, &m_serverComponent, &ServerComponent::receiveRequest);
};

// The one reply that the client makes itself for a request: the error code,
// minor error code 1 and no payload.
void ExpectOneClientReply(const std::vector<Reply>& replies,
                          common::Opcode major,
                          common::Opcode minor,
                          common::Ercode majorErcode)
{
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].majorOpcode, major);
    EXPECT_EQ(replies[0].minorOpcode, minor);
    EXPECT_EQ(replies[0].majorErcode, majorErcode);
    EXPECT_EQ(replies[0].minorErcode, 1);
    EXPECT_EQ(replies[0].reply, "");
}

// The major codes that go to the server, the log-on and the saved message
// included; all others are no business of the server component.
bool GoesToTheServer(common::Opcode major)
{
    const std::vector<std::pair<int, int>> ranges = {{3, 10},  {13, 18}, {20, 25}, {28, 33},
                                                     {35, 37}, {39, 42}, {45, 56}, {60, 64}};
    for (const auto& [first, last] : ranges) {
        if (major >= first && major <= last) {
            return true;
        }
    }
    return false;
}

TEST_F(ServerComponentTest, EveryServerOperationGetsExactlyOneReplyAndEveryOtherCodeNone)
{
    componenttest::RefusingPort refusingPort;
    MessageDispatcher::setServerPort(refusingPort.port());
    for (common::Opcode major = -60; major <= 70; ++major) {
        SCOPED_TRACE(major);
        const std::vector<Reply>& replies = send(major, common::OpenDocumentEditorView, std::string());
        if (GoesToTheServer(major)) {
            ExpectOneClientReply(replies, major, common::OpenDocumentEditorView, common::ServiceNoReplyEr);
        } else {
            EXPECT_TRUE(replies.empty());
        }
    }
    EXPECT_EQ(CurrentSession(), SentinelSession());
}

TEST_F(ServerComponentTest, ForwardedRequestsCarryTheServersReplyAndCodes)
{
    TestServerProcess server;
    ASSERT_EQ(logOn(server.port()).size(), 1u);
    ASSERT_EQ(m_replies.replies()[0].majorErcode, common::NoEr);

    zarv::data::SelectDictionaryRequest select;
    select.set_dictionary_user_id(UserId);
    const std::vector<Reply>& replies =
        send(common::SelectDictionary, common::ShowRevision, select.SerializeAsString());
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].minorOpcode, common::ShowRevision);
    EXPECT_EQ(replies[0].request, select.SerializeAsString());
    EXPECT_EQ(replies[0].majorErcode, common::NoEr);
    EXPECT_EQ(replies[0].minorErcode, common::NoEr);
    zarv::data::SelectDictionaryReply dictionary;
    ASSERT_TRUE(dictionary.ParseFromString(replies[0].reply));
    ASSERT_EQ(dictionary.dictionary_size(), 2);
    EXPECT_EQ(dictionary.dictionary(0).dictionary_word(), "Quenlark");

    // The server's own error codes are a reply like any other.
    // 42 belongs to the server's blocks, has no name in the client and is not
    // answered by the test server.
    const std::vector<Reply>& noData = send(42, common::ListFolderContents, std::string());
    ASSERT_EQ(noData.size(), 1u);
    EXPECT_EQ(noData[0].majorErcode, common::ServiceNoDataFoundEr);
    EXPECT_EQ(noData[0].minorOpcode, common::ListFolderContents);

    const std::vector<Reply>& logOff = send(common::TerminateUserSession, common::Untagged, std::string());
    ASSERT_EQ(logOff.size(), 1u);
    EXPECT_EQ(logOff[0].majorErcode, common::NoEr);
    const std::vector<Reply>& afterLogOff =
        send(common::SelectDictionary, common::Untagged, select.SerializeAsString());
    ASSERT_EQ(afterLogOff.size(), 1u);
    EXPECT_EQ(afterLogOff[0].majorErcode, common::ServiceBadSessionIdEr);
}

TEST_F(ServerComponentTest, AReplyThatDoesNotArriveWholeIsServiceNoReplyEr)
{
    // The default exchange of a log-on request: the only request whose reply
    // carries a payload without a session, so that every fault has bytes to break.
    const std::string request = LogonRequest(UserName, Password);
    const std::vector<std::string> faults = {
        "no-reply",
        "close-after-header-bytes=0",
        "close-after-header-bytes=40",
        "close-after-header-bytes=79",
        "close-mid-code",  // cut after the header, IV and tag
        "huge-code-length",
        "flip-tag",
        "flip-code",
        "plain-body",
    };
    for (const std::string& fault : faults) {
        SCOPED_TRACE(fault);
        TestServerProcess server({fault});
        MessageDispatcher::setServerPort(server.port());
        m_replies.clear();
        m_serverComponent.defaultRequestHandler(common::AuthenticateUser, common::Untagged, request);
        ExpectOneClientReply(m_replies.replies(), common::AuthenticateUser, common::Untagged, common::ServiceNoReplyEr);
        EXPECT_EQ(m_replies.replies().at(0).request, request);
    }
}

TEST_F(ServerComponentTest, ASavedMessageIsStampedWithTheCurrentUtcTime)
{
    TestServerProcess server;
    MessageDispatcher::setServerPort(server.port());
    const common::FixedClock clock(boost::posix_time::time_from_string("2024-05-06 07:08:09.123456"));

    zarv::data::UpdateMessageRequest update;
    update.mutable_message()->set_message_subject("Minutes");
    update.mutable_message()->set_message_modification_date("2000-01-01 00:00:00");
    struct Row
    {
        const char* name;
        std::string request;
        std::string subject;
    };
    const Row rows[] = {
        {"message with a date", update.SerializeAsString(), "Minutes"},
        {"request without a message", std::string(), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<Reply>& replies = send(common::UpdateMessage, common::CloseMessageEditorView, row.request);
        ASSERT_EQ(replies.size(), 1u);
        // No session: the server refuses, and its answer carries the request it got.
        EXPECT_EQ(replies[0].majorErcode, common::ServiceBadSessionIdEr);
        EXPECT_EQ(replies[0].minorOpcode, common::CloseMessageEditorView);
        zarv::data::UpdateMessageRequest stamped;
        ASSERT_TRUE(stamped.ParseFromString(replies[0].request));
        EXPECT_EQ(stamped.message().message_modification_date(), "2024-05-06 07:08:09.123456");
        EXPECT_EQ(stamped.message().message_subject(), row.subject);
    }
}

TEST_F(ServerComponentTest, ASavedMessageThatDoesNotParseIsAnsweredWithoutAnExchange)
{
    componenttest::RefusingPort refusingPort;
    MessageDispatcher::setServerPort(refusingPort.port());
    const std::string malformed = "\xff\xff\xff";
    const std::vector<Reply>& replies = send(common::UpdateMessage, common::Untagged, malformed);
    ExpectOneClientReply(replies, common::UpdateMessage, common::Untagged, common::ProtoParseFromStringEr);
    EXPECT_EQ(replies.at(0).request, malformed);
}

TEST_F(ServerComponentTest, ALogOnInstallsAWholeSessionOrNothing)
{
    struct Row
    {
        const char* name;
        std::vector<std::string> faults;
        const char* password;
        common::Ercode majorErcode;
        common::Ercode minorErcode;
        bool installs;
        bool replyPayload;
    };
    const Row rows[] = {
        {"log-on", {}, Password, common::NoEr, common::NoEr, true, true},
        {"error codes 1 and 1 read as success", {"error-codes=1,1"}, Password, common::NoEr, common::NoEr, true, true},
        {"header session id differs from the decrypted one",
         {"session-id=7"},
         Password,
         common::NoEr,
         common::NoEr,
         true,
         true},
        {"wrong password", {}, "wrong", common::ServiceBadPasswordEr, common::NoEr, false, true},
        {"refusal keeps the earlier session id",
         {"session-id=7"},
         "wrong",
         common::ServiceBadPasswordEr,
         common::NoEr,
         false,
         true},
        {"server error codes", {"error-codes=2,3"}, Password, 2, 3, false, true},
        // The refused reply arrives with 0 and 0: its flags say it opened no
        // session, and it goes on for the console to word.
        {"refusal without error codes", {"error-codes=1,1"}, "wrong", common::NoEr, common::NoEr, false, true},
        {"refusal without error codes keeps the earlier session id",
         {"error-codes=0,0", "session-id=7"},
         "wrong",
         common::NoEr,
         common::NoEr,
         false,
         true},
        {"no reply", {"no-reply"}, Password, common::ServiceNoReplyEr, 1, false, false},
        {"frame cut after the header", {"close-mid-code"}, Password, common::ServiceNoReplyEr, 1, false, false},
        {"tag does not authenticate", {"flip-tag"}, Password, common::ServiceNoReplyEr, 1, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        componenttest::InstallSentinelSession();
        TestServerProcess server(row.faults);
        const std::string request = LogonRequest(UserName, row.password);
        MessageDispatcher::setServerPort(server.port());
        const std::vector<Reply>& replies = send(common::AuthenticateUser, -3, request);

        ASSERT_EQ(replies.size(), 1u);
        EXPECT_EQ(replies[0].majorOpcode, common::AuthenticateUser);
        EXPECT_EQ(replies[0].minorOpcode, -3);
        EXPECT_EQ(replies[0].request, request);
        EXPECT_EQ(replies[0].majorErcode, row.majorErcode);
        EXPECT_EQ(replies[0].minorErcode, row.minorErcode);
        EXPECT_EQ(!replies[0].reply.empty(), row.replyPayload);
        const ClientSession expected = row.installs ? DecryptedSession(UserId) : SentinelSession();
        EXPECT_EQ(CurrentSession(), expected);
        EXPECT_NE(CurrentSession().sessionId, 7);
    }
}

}  // namespace
