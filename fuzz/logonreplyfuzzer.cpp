// Arbitrary log-on replies for ClientAuthenticationContext::decryptReply.
//
// The first input byte chooses the form of the rest:
// - even: the rest is parsed as a serialised AuthenticateUserReply;
// - odd: the rest is split at 0xFF bytes into the plain texts of the 25
//   encrypted fields (server time stamp, session key text, session id, then
//   the user's columns), each encrypted with the client's public key, so that
//   decryption succeeds and the reading of the decrypted texts runs.
//
// Beyond the sanitizers, every run checks what the server component relies
// on: after a success the key text is 34 characters ending in 32 hex digits
// and the session id reads as a decimal int; after a failure the user record
// is untouched.

#include "library/security/builtinkeys.h"
#include "library/security/clientauthenticationcontext.h"

#include "authenticateuserreply3.pb.h"
#include "user3.pb.h"

#include <ace/Log_Msg.h>
#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

// The encrypted fields of the reply in the order in which they are decrypted.
const char* const FieldNames[] = {
    "server_time_stamp",
    "encryption_key",
    "session_id",
    "user_id",
    "user_group_id",
    "user_name",
    "user_last_name",
    "user_first_name",
    "user_middle_name",
    "user_description",
    "user_properties",
    "user_creation_date",
    "active",
    "active_region",
    "active_from",
    "active_to",
    "audits",
    "password",
    "permissions",
    "session_duration",
    "expiration_date",
    "expiration_action",
    "user_security_descriptor_password_length",
    "user_folder_id",
    "user_message_folder_id",
};

// PKCS#1 v1.5 under a 2048-bit key.
constexpr std::size_t MaxPlainText = 245;

EVP_PKEY* ClientKey = nullptr;
ClientAuthenticationContext* Context = nullptr;

void Require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

// The client's private key holds its public half, which the server encrypts with.
EVP_PKEY* LoadClientKey()
{
    BIO* bio = BIO_new_mem_buf(privateKey, static_cast<int>(std::strlen(privateKey)));
    const std::string passphrase = Context->getPassphrase();
    EVP_PKEY* key = PEM_read_bio_PrivateKey(bio, nullptr, nullptr, const_cast<char*>(passphrase.c_str()));
    BIO_free(bio);
    Require(key != nullptr);
    return key;
}

std::string Encrypt(const std::string& plainText)
{
    EVP_PKEY_CTX* context = EVP_PKEY_CTX_new(ClientKey, nullptr);
    std::size_t length = 0;
    std::string cipherText;
    if (EVP_PKEY_encrypt_init(context) == 1 && EVP_PKEY_CTX_set_rsa_padding(context, RSA_PKCS1_PADDING) == 1
        && EVP_PKEY_encrypt(context, nullptr, &length, reinterpret_cast<const unsigned char*>(plainText.data()),
                            plainText.size())
               == 1) {
        cipherText.resize(length);
        if (EVP_PKEY_encrypt(context, reinterpret_cast<unsigned char*>(cipherText.data()), &length,
                             reinterpret_cast<const unsigned char*>(plainText.data()), plainText.size())
            == 1) {
            cipherText.resize(length);
        }
    }
    EVP_PKEY_CTX_free(context);
    return cipherText;
}

zarv::data::AuthenticateUserReply SealedReply(const std::string& input)
{
    zarv::data::AuthenticateUserReply reply;
    const auto* descriptor = reply.GetDescriptor();
    const auto* reflection = reply.GetReflection();
    std::size_t start = 0;
    for (const char* name : FieldNames) {
        if (start > input.size()) {
            break;
        }
        std::size_t end = input.find('\xFF', start);
        if (end == std::string::npos) {
            end = input.size();
        }
        const std::string plainText = input.substr(start, std::min(end - start, MaxPlainText));
        start = end + 1;
        const std::string cipherText = Encrypt(plainText);
        const std::string field = std::string("encrypted_") + name;
        reflection->SetString(&reply, descriptor->FindFieldByName(field), cipherText);
        reflection->SetInt32(&reply, descriptor->FindFieldByName(field + "_len"),
                             static_cast<std::int32_t>(cipherText.size()));
    }
    return reply;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ACE_LOG_MSG->priority_mask(0, ACE_Log_Msg::PROCESS);
    // The built-in keys, whatever the environment names.
    unsetenv("QUENLARK_CLIENT_PRIVATE_KEY_FILE");
    unsetenv("QUENLARK_SERVER_PUBLIC_KEY_FILE");
    unsetenv("QUENLARK_CLIENT_PRIVATE_KEY_PASSPHRASE");
    Context = new ClientAuthenticationContext;
    ClientKey = LoadClientKey();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    zarv::data::AuthenticateUserReply reply;
    if (data[0] & 1) {
        reply = SealedReply(input);
    } else if (!reply.ParseFromString(input)) {
        return 0;
    }

    zarv::data::User user;
    if (Context->decryptReply(reply, user) != AUTH_CODE_SUCCESS) {
        Require(user.ByteSizeLong() == 0);
        return 0;
    }
    const std::string key = Context->getDecryptedServerEncryptionKey();
    Require(key.size() == 34);
    for (std::size_t i = 2; i < key.size(); ++i) {
        Require(std::isxdigit(static_cast<unsigned char>(key[i])) != 0);
    }
    try {
        std::stoi(Context->getDecryptedServerSessionId());
    } catch (const std::exception&) {
        Require(false);
    }
    return 0;
}
