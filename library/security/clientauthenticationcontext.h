#pragma once

#include "library/security/authenticationcontext.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <boost/date_time/posix_time/ptime.hpp>

#include <cstddef>
#include <string>

namespace zarv::data {
class AuthenticateUserReply;
class AuthenticateUserRequest;
class User;
}  // namespace zarv::data

// The client's side of the log-on exchange. The request carries the user-name
// hash, the password hash and the client's time stamp, each encrypted with the
// server's public key; the reply's session data and user record are encrypted
// with the client's public key and decrypted here with the client's private key.
//
// The keys are the built-in ones unless QUENLARK_CLIENT_PRIVATE_KEY_FILE names
// a PEM file; then QUENLARK_SERVER_PUBLIC_KEY_FILE names the server's public
// key and QUENLARK_CLIENT_PRIVATE_KEY_PASSPHRASE, when set, the private key's
// passphrase. They are read once, when the context is made; a key that cannot
// be loaded is reported as the failed assertion "AUTH_CODE_SUCCESS == authCode",
// and every operation that needs it then returns AUTH_CODE_CONTEXT_ERROR.
//
// One instance per process: ACE_Singleton<ClientAuthenticationContext, ACE_Null_Mutex>::instance().
class ClientAuthenticationContext : public AuthenticationContext
{
public:
    ClientAuthenticationContext();
    ~ClientAuthenticationContext() override;

    void setUserNameHash(const std::string& userNameHash);
    void setUserPasswordHash(const std::string& userPasswordHash);

    // Takes a fresh client time stamp, encrypts the two hashes and the time
    // stamp and sets the request's six fields. On failure the request is
    // untouched and the code of the first failed step is returned.
    AuthCode encryptRequest(zarv::data::AuthenticateUserRequest& request);

    // Decrypts the server time stamp, the session key text, the session id and
    // the user's record. The reply is untrusted: a length field that is not
    // positive or exceeds its bytes, a key text that is not 34 characters
    // ending in 32 hexadecimal digits, or a session id or number field that is
    // not a decimal int gives AUTH_CODE_DECRYPTION_ERROR. The user record and
    // the session texts change only on success.
    AuthCode decryptReply(const zarv::data::AuthenticateUserReply& reply, zarv::data::User& user);

    // The values of the last successful decryptReply.
    std::string getDecryptedServerTimestamp() const;
    // 34 characters: two that are skipped, then the 16-byte session key as 32
    // hexadecimal digits.
    std::string getDecryptedServerEncryptionKey() const;
    // Decimal text of an int.
    std::string getDecryptedServerSessionId() const;

    // The time stamp of the last request, UTC in ISO 8601 extended form
    // ("2024-05-01T12:30:45").
    std::string getClientTimestamp() const;

    std::string getPassphrase() const override;

private:
    AuthCode decryptField(const std::string& cipherText, int cipherTextLen, Bytes& plain, std::size_t& plainLen) const;
    AuthCode decryptUser(const zarv::data::AuthenticateUserReply& reply, zarv::data::User& user) const;

    std::string m_userNameHash;
    std::string m_userPasswordHash;
    boost::posix_time::ptime m_timestamp;
    Bytes m_decryptedServerTimestamp;
    std::size_t m_decryptedServerTimestampLen = 0;
    Bytes m_decryptedServerEncryptionKey;
    std::size_t m_decryptedServerEncryptionKeyLen = 0;
    Bytes m_decryptedServerSessionId;
    std::size_t m_decryptedServerSessionIdLen = 0;
};
