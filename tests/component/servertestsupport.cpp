#include "tests/component/servertestsupport.h"

#include "library/core/lib/registry.h"
#include "library/gui/component.h"
#include "library/network/messagedispatcher.h"
#include "library/security/clientauthenticationcontext.h"
#include "library/security/cryptographer.h"

#include "authenticateuserrequest3.pb.h"
#include "user3.pb.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace componenttest {

namespace {

Cryptographer& TheCryptographer()
{
    return *ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
}

ClientAuthenticationContext& TheAuthenticationContext()
{
    return *ACE_Singleton<ClientAuthenticationContext, ACE_Null_Mutex>::instance();
}

Registry& TheRegistry()
{
    return *ACE_Singleton<Registry, ACE_Null_Mutex>::instance();
}

constexpr int SentinelSessionId = 424242;
constexpr int SentinelUserId = 77;
const char* const SentinelCreationDate = "2001-02-03 04:05:06";

}  // namespace

ReplyCollector::ReplyCollector(const Component& component)
    : m_connection(
        QObject::connect(&component,
                         &Component::deliverReply,
                         [this](common::Opcode majorOpcode,
                                common::Opcode minorOpcode,
                                const std::string& request,
                                common::Ercode majorErcode,
                                common::Ercode minorErcode,
                                const std::string& reply) {
                             m_replies.push_back({majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply});
                         }))
{}

ReplyCollector::~ReplyCollector()
{
    QObject::disconnect(m_connection);
}

std::string LogonRequest(const std::string& userName, const std::string& password)
{
    TheAuthenticationContext().setUserNameHash(TheCryptographer().hashUserName(userName));
    TheAuthenticationContext().setUserPasswordHash(TheCryptographer().hashPassword(password));
    zarv::data::AuthenticateUserRequest request;
    EXPECT_EQ(AUTH_CODE_SUCCESS, TheAuthenticationContext().encryptRequest(request));
    return request.SerializeAsString();
}

bool ClientSession::operator==(const ClientSession& other) const
{
    return key == other.key && sessionId == other.sessionId && creationDate == other.creationDate
           && userId == other.userId;
}

std::ostream& operator<<(std::ostream& stream, const ClientSession& session)
{
    stream << "{key";
    for (const unsigned char byte : session.key) {
        stream << ' ' << static_cast<int>(byte);
    }
    return stream << ", session id " << session.sessionId << ", created \"" << session.creationDate << "\", user "
                  << session.userId << '}';
}

ClientSession CurrentSession()
{
    ClientSession session{};
    std::copy_n(TheCryptographer().getEkey(), session.key.size(), session.key.begin());
    session.sessionId = MessageDispatcher::getSessionId();
    session.creationDate = MessageDispatcher::getSessionCreationDate();
    session.userId = TheRegistry().getUser().user_id();
    return session;
}

void InstallSentinelSession()
{
    TheCryptographer().clear();
    MessageDispatcher::setSessionId(SentinelSessionId);
    MessageDispatcher::setSessionCreationDate(SentinelCreationDate);
    zarv::data::User user;
    user.set_user_id(SentinelUserId);
    TheRegistry().setUser(user);
}

ClientSession SentinelSession()
{
    ClientSession session{};
    session.key.fill(0);
    session.sessionId = SentinelSessionId;
    session.creationDate = SentinelCreationDate;
    session.userId = SentinelUserId;
    return session;
}

ClientSession DecryptedSession(int userId)
{
    ClientSession session{};
    // Two characters that are not the key, then 32 hexadecimal digits.
    const std::string keyText = TheAuthenticationContext().getDecryptedServerEncryptionKey();
    EXPECT_EQ(keyText.size(), 34u);
    for (std::size_t i = 0; i < session.key.size() && 2 + 2 * i + 2 <= keyText.size(); ++i) {
        session.key[i] = static_cast<unsigned char>(std::stoi(keyText.substr(2 + 2 * i, 2), nullptr, 16));
    }
    session.sessionId = std::stoi(TheAuthenticationContext().getDecryptedServerSessionId());
    session.creationDate = TheAuthenticationContext().getDecryptedServerTimestamp();
    session.userId = userId;
    return session;
}

}  // namespace componenttest
