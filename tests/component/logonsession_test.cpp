// The one owner of the session: what a log-on request leaves behind, which
// replies open a session, and that one that opens none leaves the earlier
// session whole, its session id included.

#include "library/core/lib/registry.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/component/logonsession.h"
#include "tests/component/servertestsupport.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using componenttest::CurrentSession;
using componenttest::InstallSentinelSession;
using componenttest::SentinelSession;
using Outcome = LogonSession::Outcome;

Cryptographer& TheCryptographer()
{
    return *ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
}

bool LoggedOnUser()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().has_user_id();
}

std::string Reply(bool nameFound, bool passwordDecoded, bool sessionInserted)
{
    zarv::data::AuthenticateUserReply reply;
    reply.mutable_sql_diag_rec();
    reply.set_user_name_found(nameFound);
    reply.set_user_password_decoded(passwordDecoded);
    reply.set_user_session_inserted(sessionInserted);
    // Fields that no private key opens.
    reply.set_encrypted_encryption_key(std::string(256, 'k'));
    reply.set_encrypted_encryption_key_len(256);
    return reply.SerializeAsString();
}

TEST(LogonSessionTest, AReplyThatOpensNoSessionLeavesTheEarlierOneWhole)
{
    struct Row
    {
        const char* name;
        std::string reply;
        Outcome outcome;
    };
    const Row rows[] = {
        {"user name not found", Reply(false, false, false), Outcome::UserNameNotFound},
        {"password not decoded", Reply(true, false, false), Outcome::PasswordNotDecoded},
        {"session not inserted", Reply(true, true, false), Outcome::SessionNotInserted},
        {"flags set, fields that do not decrypt", Reply(true, true, true), Outcome::Unreadable},
        {"not a reply", std::string("\xff\xff\xff", 3), Outcome::Unreadable},
        {"empty", std::string(), Outcome::UserNameNotFound},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        InstallSentinelSession();
        {
            LogonSession session;
            // The transport has taken the session id of the reply's header.
            MessageDispatcher::setSessionId(7);
            EXPECT_EQ(session.open(row.reply), row.outcome);
        }
        EXPECT_EQ(CurrentSession(), SentinelSession());
    }
}

TEST(LogonSessionTest, ARequestClosesTheEarlierSessionAndPointsTheTransportAtTheServer)
{
    InstallSentinelSession();
    TheCryptographer().getEkey()[0] = 0x5a;

    const std::optional<std::string> payload =
        LogonSession::Request("ada", "secret", "server.test", 4433, "Europe/Paris");
    ASSERT_TRUE(payload);
    zarv::data::AuthenticateUserRequest request;
    ASSERT_TRUE(request.ParseFromString(*payload));
    EXPECT_FALSE(request.encrypted_user_name().empty());
    EXPECT_FALSE(request.encrypted_user_password().empty());
    EXPECT_FALSE(request.encrypted_client_time_stamp().empty());

    EXPECT_EQ(MessageDispatcher::getServerName(), "server.test");
    EXPECT_EQ(MessageDispatcher::getServerPort(), 4433);
    EXPECT_TRUE(TheCryptographer().isClear());
    EXPECT_FALSE(LoggedOnUser());
}

TEST(LogonSessionTest, CloseClearsTheUserAndTheKey)
{
    InstallSentinelSession();
    TheCryptographer().getEkey()[3] = 0x11;
    LogonSession::Close();
    EXPECT_TRUE(TheCryptographer().isClear());
    EXPECT_FALSE(LoggedOnUser());
}

}  // namespace
