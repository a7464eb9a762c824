#include "library/security/clientauthenticationcontext.h"

#include "library/common/assertion.h"
#include "library/common/clock.h"
#include "library/security/builtinkeys.h"
#include "library/security/sessiontext.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "user3.pb.h"

#include <boost/date_time/posix_time/posix_time.hpp>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <sstream>

namespace {

using Reply = zarv::data::AuthenticateUserReply;
using User = zarv::data::User;
using Bytes = std::unique_ptr<unsigned char[]>;

const char* const PrivateKeyFileVariable = "QUENLARK_CLIENT_PRIVATE_KEY_FILE";
const char* const PublicKeyFileVariable = "QUENLARK_SERVER_PUBLIC_KEY_FILE";
const char* const PassphraseVariable = "QUENLARK_CLIENT_PRIVATE_KEY_PASSPHRASE";

// The passphrase of the built-in private key is written from this number at
// run time rather than kept as text.
constexpr double PassphraseSeed = 0.57721566490153286060651209008240243;
constexpr int PassphrasePrecision = 32;

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string Text(const Bytes& bytes, std::size_t length)
{
    return length ? std::string(reinterpret_cast<const char*>(bytes.get()), length) : std::string();
}

bool IsSessionKeyText(const std::string& text)
{
    std::array<unsigned char, SessionKeyLength> key;
    return DecodeSessionKey(text, key);
}

bool IsDecimalInt(const std::string& text)
{
    int value = 0;
    return ReadDecimalInt(text, value);
}

zarv::data::SecurityDescriptor& Descriptor(User& user)
{
    return *user.mutable_user_security_descriptor();
}

// One encrypted value of the user's record in the reply and where it goes;
// exactly one of the two setters is given.
struct UserField
{
    const std::string& (Reply::*cipherText)() const;
    std::int32_t (Reply::*cipherTextLen)() const;
    void (*setText)(User&, const std::string&);
    void (*setNumber)(User&, int);
};

const UserField UserFields[] = {
    {&Reply::encrypted_user_id, &Reply::encrypted_user_id_len, nullptr,
     [](User& user, int value) { user.set_user_id(value); }},
    {&Reply::encrypted_user_group_id, &Reply::encrypted_user_group_id_len, nullptr,
     [](User& user, int value) { user.set_user_group_id(value); }},
    {&Reply::encrypted_user_name, &Reply::encrypted_user_name_len,
     [](User& user, const std::string& text) { user.set_user_name(text); }, nullptr},
    {&Reply::encrypted_user_last_name, &Reply::encrypted_user_last_name_len,
     [](User& user, const std::string& text) { user.set_user_last_name(text); }, nullptr},
    {&Reply::encrypted_user_first_name, &Reply::encrypted_user_first_name_len,
     [](User& user, const std::string& text) { user.set_user_first_name(text); }, nullptr},
    {&Reply::encrypted_user_middle_name, &Reply::encrypted_user_middle_name_len,
     [](User& user, const std::string& text) { user.set_user_middle_name(text); }, nullptr},
    {&Reply::encrypted_user_description, &Reply::encrypted_user_description_len,
     [](User& user, const std::string& text) { user.set_user_description(text); }, nullptr},
    {&Reply::encrypted_user_properties, &Reply::encrypted_user_properties_len, nullptr,
     [](User& user, int value) { user.set_user_properties(value); }},
    {&Reply::encrypted_user_creation_date, &Reply::encrypted_user_creation_date_len,
     [](User& user, const std::string& text) { user.set_user_creation_date(text); }, nullptr},
    {&Reply::encrypted_active, &Reply::encrypted_active_len, nullptr,
     [](User& user, int value) { Descriptor(user).set_active(value); }},
    {&Reply::encrypted_active_region, &Reply::encrypted_active_region_len,
     [](User& user, const std::string& text) { Descriptor(user).set_active_region(text); }, nullptr},
    {&Reply::encrypted_active_from, &Reply::encrypted_active_from_len,
     [](User& user, const std::string& text) { Descriptor(user).set_active_from(text); }, nullptr},
    {&Reply::encrypted_active_to, &Reply::encrypted_active_to_len,
     [](User& user, const std::string& text) { Descriptor(user).set_active_to(text); }, nullptr},
    {&Reply::encrypted_audits, &Reply::encrypted_audits_len, nullptr,
     [](User& user, int value) { Descriptor(user).set_audits(value); }},
    {&Reply::encrypted_password, &Reply::encrypted_password_len,
     [](User& user, const std::string& text) { Descriptor(user).set_password(text); }, nullptr},
    {&Reply::encrypted_permissions, &Reply::encrypted_permissions_len, nullptr,
     [](User& user, int value) { Descriptor(user).set_permissions(value); }},
    {&Reply::encrypted_session_duration, &Reply::encrypted_session_duration_len, nullptr,
     [](User& user, int value) { Descriptor(user).set_session_duration(value); }},
    {&Reply::encrypted_expiration_date, &Reply::encrypted_expiration_date_len,
     [](User& user, const std::string& text) { Descriptor(user).set_expiration_date(text); }, nullptr},
    {&Reply::encrypted_expiration_action, &Reply::encrypted_expiration_action_len, nullptr,
     [](User& user, int value) { Descriptor(user).set_expiration_action(value); }},
    {&Reply::encrypted_user_security_descriptor_password_length,
     &Reply::encrypted_user_security_descriptor_password_length_len, nullptr,
     [](User& user, int value) { user.set_user_security_descriptor_password_length(value); }},
    {&Reply::encrypted_user_folder_id, &Reply::encrypted_user_folder_id_len, nullptr,
     [](User& user, int value) { user.set_user_folder_id(value); }},
    {&Reply::encrypted_user_message_folder_id, &Reply::encrypted_user_message_folder_id_len, nullptr,
     [](User& user, int value) { user.set_user_message_folder_id(value); }},
};

}  // namespace

ClientAuthenticationContext::ClientAuthenticationContext()
{
    const std::string privateKeyFileName = EnvironmentValue(PrivateKeyFileVariable);
    const AuthCode authCode = privateKeyFileName.empty()
                                  ? ephemeralKeysMode(::privateKey, ::publicKey, m_privateKey, m_publicKey)
                                  : perpetualKeysMode(privateKeyFileName, EnvironmentValue(PublicKeyFileVariable),
                                                      m_privateKey, m_publicKey, std::getenv(PassphraseVariable));
    QUENLARK_ASSERT(AUTH_CODE_SUCCESS == authCode);
}

ClientAuthenticationContext::~ClientAuthenticationContext() = default;

void ClientAuthenticationContext::setUserNameHash(const std::string& userNameHash)
{
    // clang-format off
    QUENLARK_ASSERT(! userNameHash.empty());
    // clang-format on
    m_userNameHash = userNameHash;
}

void ClientAuthenticationContext::setUserPasswordHash(const std::string& userPasswordHash)
{
    // clang-format off
    QUENLARK_ASSERT(! userPasswordHash.empty());
    // clang-format on
    m_userPasswordHash = userPasswordHash;
}

AuthCode ClientAuthenticationContext::encryptRequest(zarv::data::AuthenticateUserRequest& request)
{
    const boost::posix_time::ptime now = common::Clock::universalTime();
    m_timestamp = boost::posix_time::ptime(now.date(), boost::posix_time::seconds(now.time_of_day().total_seconds()));
    const std::string timestamp = getClientTimestamp();

    const std::string* const plainTexts[] = {&m_userNameHash, &m_userPasswordHash, &timestamp};
    std::string cipherTexts[std::size(plainTexts)];
    for (std::size_t i = 0; i < std::size(plainTexts); ++i) {
        Bytes bytes;
        std::size_t length = 0;
        const AuthCode code = encryptDataWithPublicKey(plainTexts[i]->c_str(), bytes, length, m_publicKey.get());
        if (code != AUTH_CODE_SUCCESS) {
            return code;
        }
        cipherTexts[i] = Text(bytes, length);
    }
    request.set_encrypted_user_name(cipherTexts[0]);
    request.set_encrypted_user_name_len(static_cast<std::int32_t>(cipherTexts[0].size()));
    request.set_encrypted_user_password(cipherTexts[1]);
    request.set_encrypted_user_password_len(static_cast<std::int32_t>(cipherTexts[1].size()));
    request.set_encrypted_client_time_stamp(cipherTexts[2]);
    request.set_encrypted_client_time_stamp_len(static_cast<std::int32_t>(cipherTexts[2].size()));
    return AUTH_CODE_SUCCESS;
}

AuthCode ClientAuthenticationContext::decryptReply(const zarv::data::AuthenticateUserReply& reply,
                                                   zarv::data::User& user)
{
    Bytes timestamp;
    std::size_t timestampLen = 0;
    Bytes encryptionKey;
    std::size_t encryptionKeyLen = 0;
    Bytes sessionId;
    std::size_t sessionIdLen = 0;
    AuthCode code = decryptField(reply.encrypted_server_time_stamp(), reply.encrypted_server_time_stamp_len(),
                                 timestamp, timestampLen);
    if (code == AUTH_CODE_SUCCESS) {
        code = decryptField(reply.encrypted_encryption_key(), reply.encrypted_encryption_key_len(), encryptionKey,
                            encryptionKeyLen);
    }
    if (code == AUTH_CODE_SUCCESS) {
        code = decryptField(reply.encrypted_session_id(), reply.encrypted_session_id_len(), sessionId, sessionIdLen);
    }
    if (code != AUTH_CODE_SUCCESS) {
        return code;
    }
    if (!IsSessionKeyText(Text(encryptionKey, encryptionKeyLen)) || !IsDecimalInt(Text(sessionId, sessionIdLen))) {
        return AUTH_CODE_DECRYPTION_ERROR;
    }

    User decryptedUser(user);
    code = decryptUser(reply, decryptedUser);
    if (code != AUTH_CODE_SUCCESS) {
        return code;
    }

    m_decryptedServerTimestamp = std::move(timestamp);
    m_decryptedServerTimestampLen = timestampLen;
    m_decryptedServerEncryptionKey = std::move(encryptionKey);
    m_decryptedServerEncryptionKeyLen = encryptionKeyLen;
    m_decryptedServerSessionId = std::move(sessionId);
    m_decryptedServerSessionIdLen = sessionIdLen;
    user.Swap(&decryptedUser);
    return AUTH_CODE_SUCCESS;
}

AuthCode ClientAuthenticationContext::decryptField(const std::string& cipherText,
                                                   int cipherTextLen,
                                                   Bytes& plain,
                                                   std::size_t& plainLen) const
{
    if (cipherTextLen <= 0 || static_cast<std::size_t>(cipherTextLen) > cipherText.size()) {
        return AUTH_CODE_DECRYPTION_ERROR;
    }
    return decryptEncryptedDataWithPrivateKey(cipherText.data(), static_cast<std::size_t>(cipherTextLen), plain,
                                              plainLen, m_privateKey.get());
}

AuthCode ClientAuthenticationContext::decryptUser(const zarv::data::AuthenticateUserReply& reply,
                                                  zarv::data::User& user) const
{
    for (const UserField& field : UserFields) {
        Bytes plain;
        std::size_t plainLen = 0;
        const AuthCode code =
            decryptField((reply.*field.cipherText)(), (reply.*field.cipherTextLen)(), plain, plainLen);
        if (code != AUTH_CODE_SUCCESS) {
            return code;
        }
        const std::string text = Text(plain, plainLen);
        if (field.setText) {
            field.setText(user, text);
            continue;
        }
        int value = 0;
        if (!ReadDecimalInt(text, value)) {
            return AUTH_CODE_DECRYPTION_ERROR;
        }
        field.setNumber(user, value);
    }
    return AUTH_CODE_SUCCESS;
}

std::string ClientAuthenticationContext::getDecryptedServerTimestamp() const
{
    if (!QUENLARK_ASSERT(m_decryptedServerTimestampLen && m_decryptedServerTimestamp)) {
        return std::string();
    }
    return Text(m_decryptedServerTimestamp, m_decryptedServerTimestampLen);
}

std::string ClientAuthenticationContext::getDecryptedServerEncryptionKey() const
{
    if (!QUENLARK_ASSERT(m_decryptedServerEncryptionKeyLen && m_decryptedServerEncryptionKey)) {
        return std::string();
    }
    return Text(m_decryptedServerEncryptionKey, m_decryptedServerEncryptionKeyLen);
}

std::string ClientAuthenticationContext::getDecryptedServerSessionId() const
{
    if (!QUENLARK_ASSERT(m_decryptedServerSessionIdLen && m_decryptedServerSessionId)) {
        return std::string();
    }
    return Text(m_decryptedServerSessionId, m_decryptedServerSessionIdLen);
}

std::string ClientAuthenticationContext::getClientTimestamp() const
{
    if (!QUENLARK_ASSERT(boost::posix_time::not_a_date_time != m_timestamp)) {
        return std::string();
    }
    return boost::posix_time::to_iso_extended_string(m_timestamp);
}

std::string ClientAuthenticationContext::getPassphrase() const
{
    std::ostringstream text;
    text.precision(PassphrasePrecision);
    text << PassphraseSeed;
    return text.str();
}
