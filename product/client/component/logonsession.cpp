#include "product/client/component/logonsession.h"

#include "library/common/assertion.h"
#include "library/core/lib/registry.h"
#include "library/network/messagedispatcher.h"
#include "library/security/clientauthenticationcontext.h"
#include "library/security/cryptographer.h"

#include "authenticateuserreply3.pb.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <algorithm>
#include <charconv>

namespace {

// Two characters that are skipped, then the key in hexadecimal.
constexpr std::size_t SessionKeyTextLength = 34;
constexpr std::size_t SessionKeySkippedLength = 2;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Two hexadecimal digits per byte, upper or lower case; false at the first
// character that is not one.
template <std::size_t Size>
bool DecodeHex(const std::string& hex, std::array<unsigned char, Size>& bytes)
{
    if (hex.size() != 2 * Size) {
        return false;
    }
    for (std::size_t i = 0; i < Size; ++i) {
        const int high = HexDigit(hex[2 * i]);
        const int low = HexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes[i] = static_cast<unsigned char>(high * 16 + low);
    }
    return true;
}

// The whole text is one decimal int.
bool ReadDecimalInt(const std::string& text, int& value)
{
    const char* const end = text.data() + text.size();
    const std::from_chars_result result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

}  // namespace

std::optional<LogonSession> LogonSession::Read(const std::string& reply)
{
    zarv::data::AuthenticateUserReply authenticateUserReply;
    if (!authenticateUserReply.ParseFromString(reply) || !authenticateUserReply.user_name_found()
        || !authenticateUserReply.user_password_decoded() || !authenticateUserReply.user_session_inserted()) {
        return std::nullopt;
    }
    ClientAuthenticationContext& context = *ACE_Singleton<ClientAuthenticationContext, ACE_Null_Mutex>::instance();
    LogonSession session;
    if (context.decryptReply(authenticateUserReply, session.m_user) != AUTH_CODE_SUCCESS) {
        return std::nullopt;
    }
    const std::string keyText = context.getDecryptedServerEncryptionKey();
    if (!QUENLARK_ASSERT(SessionKeyTextLength == keyText.size())
        || !DecodeHex(keyText.substr(SessionKeySkippedLength), session.m_sessionKey)
        || !ReadDecimalInt(context.getDecryptedServerSessionId(), session.m_sessionId)) {
        return std::nullopt;
    }
    session.m_creationDate = context.getDecryptedServerTimestamp();
    return session;
}

void LogonSession::install() const
{
    std::copy(m_sessionKey.begin(), m_sessionKey.end(),
              ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
    MessageDispatcher::setSessionCreationDate(m_creationDate);
    MessageDispatcher::setSessionId(m_sessionId);
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(m_user);
}
