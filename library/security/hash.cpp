#include "library/security/hash.h"

#include "library/security/cryptoerror.h"
#include "library/security/randombytes.h"
#include "library/security/sharedconstants.h"

#include <boost/algorithm/hex.hpp>
#include <openssl/core_names.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/params.h>

#include <iterator>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t PasswordHashLength = 64;
constexpr std::size_t StoredPasswordLength = 64;
constexpr std::size_t StoredSaltBytes = 16;
constexpr std::size_t StoredSaltLength = 2 * StoredSaltBytes;
constexpr int DefaultIterations = 4096;
constexpr int DefaultOutputLength = 16;
constexpr unsigned int Sha1DigestLength = 20;

std::string ToHex(const unsigned char* bytes, std::size_t length)
{
    std::string text;
    text.reserve(2 * length);
    boost::algorithm::hex(bytes, bytes + length, std::back_inserter(text));
    return text;
}

std::size_t WithoutNul(std::size_t length)
{
    return length > 0 ? length - 1 : 0;
}

// The names under which each digest reports its failing step.
struct DigestCalls
{
    const EVP_MD* (*digest)();
    const char* init;
    const char* update;
    const char* final;
};

const DigestCalls Sha256Calls{&EVP_sha256, "SHA256_Init", "SHA256_Update", "SHA256_Final"};
const DigestCalls Sha1Calls{&EVP_sha1, "SHA1_Init", "SHA1_Update", "SHA1_Final"};

std::string Digest(const DigestCalls& calls, const void* data, std::size_t length)
{
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), calls.digest(), nullptr) != 1) {
        throw OpenSSLRuntimeError(calls.init);
    }
    if (EVP_DigestUpdate(context.get(), data, length) != 1) {
        throw OpenSSLRuntimeError(calls.update);
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int digestLength = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &digestLength) != 1) {
        throw OpenSSLRuntimeError(calls.final);
    }
    return ToHex(digest, digestLength);
}

}  // namespace

std::string HashText(const char* text, std::size_t length)
{
    return Digest(Sha256Calls, text, WithoutNul(length));
}

std::string HashText(const std::string& text)
{
    return HashText(text.c_str(), text.size() + 1);
}

std::string HashUserName(const std::string& userName)
{
    return HashText(userName + HashUserNameSalt);
}

std::string HashPassword(const std::string& password)
{
    return HashText(password + HashPasswordSalt);
}

std::string HashPassword(const char* password,
                         std::size_t passwordLength,
                         const unsigned char* salt,
                         std::size_t saltLength,
                         int iterations,
                         int outputLength)
{
    static const char* const call = "PKCS5_PBKDF2_HMAC";
    if (iterations <= 0 || outputLength <= 0) {
        throw OpenSSLRuntimeError(call);
    }
    std::vector<unsigned char> output(static_cast<std::size_t>(outputLength));
    if (PKCS5_PBKDF2_HMAC(password, OpenSSLLength(WithoutNul(passwordLength), call), salt,
                          OpenSSLLength(WithoutNul(saltLength), call), iterations, EVP_sha1(), outputLength,
                          output.data())
        != 1) {
        throw OpenSSLRuntimeError(call);
    }
    return ToHex(output.data(), output.size());
}

std::string
HashPassword(const char* password, std::size_t passwordLength, const unsigned char* salt, std::size_t saltLength)
{
    return HashPassword(password, passwordLength, salt, saltLength, DefaultIterations, DefaultOutputLength);
}

std::string HashPassword(const std::string& password, const std::string& salt)
{
    return HashPassword(password.c_str(), password.size() + 1, reinterpret_cast<const unsigned char*>(salt.c_str()),
                        salt.size() + 1);
}

std::string EncodePassword(const std::string& passwordHash)
{
    if (passwordHash.size() != PasswordHashLength) {
        throw CryptoLengthError("bad pass size");
    }
    unsigned char saltBytes[StoredSaltBytes];
    RandomBytes(saltBytes, sizeof saltBytes);
    const std::string salt = ToHex(saltBytes, sizeof saltBytes);
    return salt + HashPassword(passwordHash, salt);
}

bool DecodePassword(const std::string& passwordHash, const std::string& storedPassword)
{
    if (passwordHash.size() != PasswordHashLength) {
        throw CryptoLengthError("bad pass size");
    }
    if (storedPassword.size() != StoredPasswordLength) {
        throw CryptoLengthError("bad key size");
    }
    const std::string salt = storedPassword.substr(0, StoredSaltLength);
    const std::string actual = HashPassword(passwordHash, salt);
    const std::string expected = storedPassword.substr(StoredSaltLength);
    return actual.size() == expected.size() && CRYPTO_memcmp(actual.data(), expected.data(), actual.size()) == 0;
}

std::string HashUrl(const std::string& url)
{
    return Digest(Sha1Calls, url.data(), url.size());
}

std::string HashMessage(const unsigned char* data, std::size_t dataLength, const char* key, int keyLength)
{
    std::unique_ptr<EVP_MAC, decltype(&EVP_MAC_free)> mac(EVP_MAC_fetch(nullptr, "HMAC", nullptr), &EVP_MAC_free);
    std::unique_ptr<EVP_MAC_CTX, decltype(&EVP_MAC_CTX_free)> context(mac ? EVP_MAC_CTX_new(mac.get()) : nullptr,
                                                                      &EVP_MAC_CTX_free);
    if (!context) {
        throw OpenSSLRuntimeError("HMAC_CTX_new");
    }
    char digestName[] = "SHA1";
    const OSSL_PARAM parameters[] = {
        OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digestName, 0),
        OSSL_PARAM_construct_end(),
    };
    // An empty key is still a key: HMAC pads it with zeros. A null pointer
    // would mean "keep the previous key" instead.
    static const unsigned char emptyKey = 0;
    const std::size_t keyBytes = keyLength > 1 ? static_cast<std::size_t>(keyLength - 1) : 0;
    const unsigned char* keyData = keyBytes > 0 ? reinterpret_cast<const unsigned char*>(key) : &emptyKey;
    if (EVP_MAC_init(context.get(), keyData, keyBytes, parameters) != 1) {
        throw OpenSSLRuntimeError("HMAC_Init_ex");
    }
    if (EVP_MAC_update(context.get(), data, WithoutNul(dataLength)) != 1) {
        throw OpenSSLRuntimeError("HMAC_Update");
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    std::size_t digestLength = 0;
    if (EVP_MAC_final(context.get(), digest, &digestLength, sizeof digest) != 1) {
        throw OpenSSLRuntimeError("HMAC_Final");
    }
    if (digestLength != Sha1DigestLength) {
        throw CryptoLengthError("bad digest length");
    }
    return ToHex(digest, digestLength);
}

std::string HashMessage(const unsigned char* data, std::size_t dataLength)
{
    return HashMessage(data, dataLength, HashMessageKey, static_cast<int>(sizeof HashMessageKey));
}

std::string HashMessage(const std::string& data)
{
    return HashMessage(reinterpret_cast<const unsigned char*>(data.c_str()), data.size() + 1);
}
