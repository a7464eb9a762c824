// Exchanges with the project's test server, whose fault modes break its
// replies on demand. The log-on is the exchange of the failure table: it
// needs no session, so each row runs against a fresh server with one fault
// and still gets a reply with an encrypted payload when nothing is broken.

#include "library/common/codes.h"
#include "library/network/messagedispatcher.h"
#include "library/security/clientauthenticationcontext.h"
#include "library/security/cryptographer.h"
#include "tests/network/dispatcherfixture.h"
#include "tests/network/peers.h"
#include "tests/support/acelogcapture.h"
#include "tests/support/testserverprocess.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "insertdictionaryrequest3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"
#include "user3.pb.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using networktest::UnchangedSessionId;
using testsupport::AceLogCapture;
using testsupport::TestServerProcess;

ClientAuthenticationContext& AuthenticationContext()
{
    return *ACE_Singleton<ClientAuthenticationContext, ACE_Null_Mutex>::instance();
}

// The encrypted log-on request of a fixture account.
std::string LogonRequest(const std::string& name, const std::string& password)
{
    Cryptographer cryptographer;
    AuthenticationContext().setUserNameHash(cryptographer.hashUserName(name));
    AuthenticationContext().setUserPasswordHash(cryptographer.hashPassword(password));
    zarv::data::AuthenticateUserRequest request;
    EXPECT_EQ(AUTH_CODE_SUCCESS, AuthenticationContext().encryptRequest(request));
    return request.SerializeAsString();
}

class ServerExchange : public networktest::DispatcherTest
{
protected:
    // Installs the session of a decrypted log-on reply, as the server
    // component does: the key from the last 32 of the 34 key characters, the
    // creation date and the session id.
    static void installSession()
    {
        const std::string keyText = AuthenticationContext().getDecryptedServerEncryptionKey();
        ASSERT_EQ(34u, keyText.size());
        for (std::size_t i = 0; i < 16; ++i) {
            cryptographer().getEkey()[i] =
                static_cast<unsigned char>(std::stoi(keyText.substr(2 + 2 * i, 2), nullptr, 16));
        }
        MessageDispatcher::setSessionCreationDate(AuthenticationContext().getDecryptedServerTimestamp());
        MessageDispatcher::setSessionId(std::stoi(AuthenticationContext().getDecryptedServerSessionId()));
    }

    static std::vector<std::string> words(const std::string& reply)
    {
        zarv::data::SelectDictionaryReply dictionary;
        EXPECT_TRUE(dictionary.ParseFromString(reply));
        std::vector<std::string> words;
        for (const zarv::data::Dictionary& entry : dictionary.dictionary()) {
            words.push_back(entry.dictionary_word());
        }
        return words;
    }
};

TEST_F(ServerExchange, EveryFailureEndsAsTheTableSays)
{
    enum Peer
    {
        Server,           // the test server with the row's faults
        NobodyListening,  // connection refused
        NeverReading,     // accepts in its backlog, never reads
        NeverAccepting    // a full backlog: the connection is never made
    };
    enum Request
    {
        Logon,      // a good log-on of a fixture account
        NoSession,  // a select request without a session
        Oversized   // 16 MiB that cannot all be sent to a peer that never reads
    };
    struct Row
    {
        const char* name;
        Peer peer;
        std::vector<std::string> faults;
        Request request;
        bool dispatched;
        int majorErcode;
        int minorErcode;
        bool payload;                  // a non-empty reply
        std::optional<int> sessionId;  // the session id afterwards; unset: the server's new one
    };
    const int Unchanged = UnchangedSessionId;
    const Row rows[] = {
        // Replies received and decrypted.
        {"log-on answered", Server, {}, Logon, true, 0, 0, true, std::nullopt},
        {"byte order 0", Server, {"big-endian-header"}, Logon, true, 0, 0, true, std::nullopt},
        {"received 1 and 1 read as 0 and 0", Server, {"error-codes=1,1"}, Logon, true, 0, 0, true, std::nullopt},
        {"received 2 and 1 read as 2 and 0", Server, {"error-codes=2,1"}, Logon, true, 2, 0, true, std::nullopt},
        {"server error code", Server, {"session-id=7"}, NoSession, true, common::ServiceBadSessionIdEr, 0, false, 7},
        {"session id from the reply header", Server, {"session-id=7"}, Logon, true, 0, 0, true, 7},
        // No usable reply: false, codes 1 and 1, no reply, session id unchanged.
        {"connection refused", NobodyListening, {}, Logon, false, 1, 1, false, Unchanged},
        {"connection never accepted", NeverAccepting, {}, Logon, false, 1, 1, false, Unchanged},
        {"sending fails", NeverReading, {}, Oversized, false, 1, 1, false, Unchanged},
        {"closed without reply", Server, {"no-reply"}, Logon, false, 1, 1, false, Unchanged},
        {"no header byte", Server, {"close-after-header-bytes=0"}, Logon, false, 1, 1, false, Unchanged},
        {"40 header bytes", Server, {"close-after-header-bytes=40"}, Logon, false, 1, 1, false, Unchanged},
        {"79 header bytes", Server, {"close-after-header-bytes=79"}, Logon, false, 1, 1, false, Unchanged},
        {"block cut short after a header with codes 2 and 1",
         Server,
         {"error-codes=2,1", "close-mid-code"},
         Logon,
         false,
         1,
         1,
         false,
         Unchanged},
        {"tag altered", Server, {"flip-tag"}, Logon, false, 1, 1, false, Unchanged},
        {"cipher text altered", Server, {"flip-code"}, Logon, false, 1, 1, false, Unchanged},
        {"plain body", Server, {"plain-body"}, Logon, false, 1, 1, false, Unchanged},
        {"IV of 12 bytes", Server, {"ivec-length=12"}, Logon, false, 1, 1, false, Unchanged},
        {"tag of 20 bytes", Server, {"atag-length=20"}, Logon, false, 1, 1, false, Unchanged},
        {"huge code length", Server, {"huge-code-length"}, Logon, false, 1, 1, false, Unchanged},
        {"reply later than the time-out", Server, {"delay-ms=3000"}, Logon, false, 1, 1, false, Unchanged},
    };
    const std::string logon = LogonRequest("ada", "ada-secret");

    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<TestServerProcess> server;
        std::unique_ptr<peers::ClosedPort> closedPort;
        std::unique_ptr<peers::DeafListener> deafListener;
        std::unique_ptr<peers::FullBacklog> fullBacklog;
        switch (row.peer) {
        case Server:
            server = std::make_unique<TestServerProcess>(row.faults);
            usePort(server->port());
            break;
        case NobodyListening:
            closedPort = std::make_unique<peers::ClosedPort>();
            usePort(closedPort->port());
            break;
        case NeverReading:
            deafListener = std::make_unique<peers::DeafListener>();
            usePort(deafListener->port());
            break;
        case NeverAccepting:
            fullBacklog = std::make_unique<peers::FullBacklog>();
            usePort(fullBacklog->port());
            break;
        }
        MessageDispatcher::setSessionId(UnchangedSessionId);
        MessageDispatcher::setTimeout(std::chrono::milliseconds(500));

        const std::string request = row.request == Logon ? logon
                                    : row.request == NoSession
                                        ? zarv::data::SelectDictionaryRequest().SerializeAsString()
                                        : std::string(16 << 20, 'o');
        const int majorOpcode = row.request == Logon ? common::AuthenticateUser : common::SelectDictionary;
        AceLogCapture log;
        MessageDispatcher dispatcher(majorOpcode, common::Untagged, request);

        EXPECT_EQ(row.dispatched, dispatcher.dispatch());
        EXPECT_EQ(row.majorErcode, dispatcher.getMajorErcode());
        EXPECT_EQ(row.minorErcode, dispatcher.getMinorErcode());
        EXPECT_EQ(row.payload, !dispatcher.getReply().empty());
        if (row.sessionId) {
            EXPECT_EQ(*row.sessionId, MessageDispatcher::getSessionId());
        } else {
            EXPECT_NE(UnchangedSessionId, MessageDispatcher::getSessionId());
            EXPECT_NE(INT_MIN, MessageDispatcher::getSessionId());
        }
        if (row.payload) {
            zarv::data::AuthenticateUserReply reply;
            EXPECT_TRUE(reply.ParseFromString(dispatcher.getReply()));
            EXPECT_TRUE(reply.user_name_found());
        }
        // A failure is written to the log; a success writes nothing.
        EXPECT_EQ(!row.dispatched, !log.entries().empty());
    }
}

TEST_F(ServerExchange, TrickledReplyFailsAtTheDeadlineOfTheWholeExchange)
{
    // Each byte comes long before the deadline; the reply as a whole does not.
    struct Case
    {
        const char* name;
        const char* fault;
        const char* logged;
    };
    const Case cases[] = {
        {"the header is never whole", "trickle-ms=200", "Message::receiveHeader(): headerCount != m_HeaderLength"},
        {"a block after the header is never whole", "trickle-ms=5", "codeMessageBlock->length() == m_codeLength"},
    };
    const std::chrono::milliseconds deadline(2000);
    // Room for a loaded machine: the bound is about correctness, not speed.
    const std::chrono::milliseconds margin(1500);
    const std::string logon = LogonRequest("ada", "ada-secret");

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestServerProcess server({c.fault});
        usePort(server.port());
        MessageDispatcher::setTimeout(deadline);
        AceLogCapture log;
        MessageDispatcher dispatcher(common::AuthenticateUser, common::Untagged, logon);

        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(dispatcher.dispatch());
        const auto elapsed = std::chrono::steady_clock::now() - start;

        EXPECT_EQ(common::UnsetEr, dispatcher.getMajorErcode());
        EXPECT_EQ(common::UnsetEr, dispatcher.getMinorErcode());
        EXPECT_TRUE(dispatcher.getReply().empty());
        EXPECT_EQ(UnchangedSessionId, MessageDispatcher::getSessionId());
        EXPECT_GE(elapsed, deadline);
        EXPECT_LE(elapsed, deadline + margin);
        EXPECT_TRUE(log.contains(c.logged));
    }
}

TEST_F(ServerExchange, LogOnOpensASessionThatLaterRequestsUse)
{
    TestServerProcess server;
    usePort(server.port());
    MessageDispatcher::setSessionId(INT_MIN);

    MessageDispatcher logon(common::AuthenticateUser, common::Untagged, LogonRequest("ada", "ada-secret"));
    ASSERT_TRUE(logon.dispatch());
    ASSERT_TRUE(logon.noEr());
    zarv::data::AuthenticateUserReply reply;
    ASSERT_TRUE(reply.ParseFromString(logon.getReply()));
    ASSERT_TRUE(reply.user_name_found() && reply.user_password_decoded() && reply.user_session_inserted());
    zarv::data::User user;
    ASSERT_EQ(AUTH_CODE_SUCCESS, AuthenticationContext().decryptReply(reply, user));
    EXPECT_EQ(1, user.user_id());

    // The reply header already carried the session that the payload names.
    const int sessionId = MessageDispatcher::getSessionId();
    EXPECT_NE(INT_MIN, sessionId);
    EXPECT_EQ(std::to_string(sessionId), AuthenticationContext().getDecryptedServerSessionId());
    installSession();
    EXPECT_FALSE(cryptographer().isClear());

    MessageDispatcher select(common::SelectDictionary, -7, zarv::data::SelectDictionaryRequest().SerializeAsString());
    ASSERT_TRUE(select.dispatch());
    ASSERT_TRUE(select.noEr());
    EXPECT_EQ((std::vector<std::string>{"Quenlark", "keyring"}), words(select.getReply()));
    EXPECT_EQ(sessionId, MessageDispatcher::getSessionId());

    zarv::data::InsertDictionaryRequest insert;
    insert.mutable_dictionary()->set_dictionary_word("skylark");
    MessageDispatcher added(common::InsertDictionary, common::Untagged, insert.SerializeAsString());
    ASSERT_TRUE(added.dispatch());
    EXPECT_TRUE(added.noEr());
    MessageDispatcher again(common::SelectDictionary, common::Untagged, "");
    ASSERT_TRUE(again.dispatch());
    EXPECT_EQ((std::vector<std::string>{"Quenlark", "keyring", "skylark"}), words(again.getReply()));

    // Frames under any other key do not authenticate at the server.
    cryptographer().clear();
    zarv::data::SelectDictionaryRequest ownWords;
    ownWords.set_dictionary_user_id(1);
    MessageDispatcher zeroKey(common::SelectDictionary, common::Untagged, ownWords.SerializeAsString());
    ASSERT_TRUE(zeroKey.dispatch());
    EXPECT_FALSE(zeroKey.noEr());
    installSession();

    MessageDispatcher terminate(common::TerminateUserSession, common::Untagged, "");
    ASSERT_TRUE(terminate.dispatch());
    EXPECT_TRUE(terminate.noEr());
    MessageDispatcher afterwards(common::SelectDictionary, common::Untagged, "");
    ASSERT_TRUE(afterwards.dispatch());
    EXPECT_EQ(common::ServiceBadSessionIdEr, afterwards.getMajorErcode());
}

}  // namespace
