#include "product/client/component/logonsession.h"

#include "library/common/assertion.h"
#include "library/core/lib/registry.h"
#include "library/core/lib/timezonedatabase.h"
#include "library/network/messagedispatcher.h"
#include "library/security/clientauthenticationcontext.h"
#include "library/security/cryptographer.h"
#include "library/security/sessiontext.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "user3.pb.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <algorithm>
#include <array>

namespace {

template <typename Service>
Service& Instance()
{
    return *ACE_Singleton<Service, ACE_Null_Mutex>::instance();
}

}  // namespace

std::optional<std::string> LogonSession::Request(const std::string& userName,
                                                 const std::string& password,
                                                 const std::string& serverName,
                                                 int serverPort,
                                                 const std::string& defaultTimeZone)
{
    Close();
    MessageDispatcher::setServerName(serverName);
    MessageDispatcher::setServerPort(serverPort);
    Instance<TimeZoneDatabase>().setDefaultTimeZone(defaultTimeZone);

    Cryptographer& cryptographer = Instance<Cryptographer>();
    const std::string userNameHash = cryptographer.hashUserName(userName);
    const std::string userPasswordHash = cryptographer.hashPassword(password);
    ClientAuthenticationContext& context = Instance<ClientAuthenticationContext>();
    context.setUserNameHash(userNameHash);
    context.setUserPasswordHash(userPasswordHash);

    zarv::data::AuthenticateUserRequest request;
    std::string payload;
    if (context.encryptRequest(request) != AUTH_CODE_SUCCESS || !request.SerializeToString(&payload)) {
        return std::nullopt;
    }
    return payload;
}

void LogonSession::Close()
{
    Instance<Registry>().clear();
    Instance<Cryptographer>().clear();
}

LogonSession::LogonSession()
    : m_earlierSessionId(MessageDispatcher::getSessionId())
{}

LogonSession::~LogonSession()
{
    if (!m_opened) {
        MessageDispatcher::setSessionId(m_earlierSessionId);
    }
}

LogonSession::Outcome LogonSession::open(const std::string& reply)
{
    zarv::data::AuthenticateUserReply authenticateUserReply;
    if (!authenticateUserReply.ParseFromString(reply)) {
        return Outcome::Unreadable;
    }
    if (!authenticateUserReply.user_name_found()) {
        return Outcome::UserNameNotFound;
    }
    if (!authenticateUserReply.user_password_decoded()) {
        return Outcome::PasswordNotDecoded;
    }
    if (!authenticateUserReply.user_session_inserted()) {
        return Outcome::SessionNotInserted;
    }

    ClientAuthenticationContext& context = Instance<ClientAuthenticationContext>();
    zarv::data::User user;
    if (context.decryptReply(authenticateUserReply, user) != AUTH_CODE_SUCCESS) {
        return Outcome::Unreadable;
    }
    const std::string keyText = context.getDecryptedServerEncryptionKey();
    std::array<unsigned char, SessionKeyLength> sessionKey{};
    int sessionId = 0;
    if (!QUENLARK_ASSERT(SessionKeyTextLength == keyText.size()) || !DecodeSessionKey(keyText, sessionKey)
        || !ReadDecimalInt(context.getDecryptedServerSessionId(), sessionId)) {
        return Outcome::Unreadable;
    }

    std::copy(sessionKey.begin(), sessionKey.end(), Instance<Cryptographer>().getEkey());
    MessageDispatcher::setSessionCreationDate(context.getDecryptedServerTimestamp());
    MessageDispatcher::setSessionId(sessionId);
    Instance<Registry>().setUser(user);
    m_opened = true;
    return Outcome::Opened;
}
