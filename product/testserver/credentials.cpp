#include "product/testserver/credentials.h"

#include "product/testserver/sessioncipher.h"

#include "library/security/sharedconstants.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <stdexcept>

namespace testserver {
namespace {

constexpr std::size_t HashLength = 64;
constexpr std::size_t SaltBytes = 16;
constexpr int Iterations = 4096;
constexpr std::size_t CheckBytes = 16;

std::string Sha256Hex(const std::string& text)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(text.data(), text.size(), digest, &length, EVP_sha256(), nullptr) != 1) {
        throw std::runtime_error("SHA-256 failed");
    }
    return Hex(digest, length);
}

std::string CheckValue(const std::string& passwordHash, const std::string& salt)
{
    unsigned char check[CheckBytes];
    if (PKCS5_PBKDF2_HMAC_SHA1(passwordHash.data(), static_cast<int>(passwordHash.size()),
                               reinterpret_cast<const unsigned char*>(salt.data()), static_cast<int>(salt.size()),
                               Iterations, sizeof check, check)
        != 1) {
        throw std::runtime_error("PBKDF2 failed");
    }
    return Hex(check, sizeof check);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

std::string Hex(const unsigned char* bytes, std::size_t length)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(2 * length);
    for (std::size_t i = 0; i < length; ++i) {
        hex.push_back(Digits[bytes[i] >> 4]);
        hex.push_back(Digits[bytes[i] & 0x0F]);
    }
    return hex;
}

bool FromHex(const std::string& hex, unsigned char* bytes, std::size_t length)
{
    if (hex.size() != 2 * length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        const int high = HexDigit(hex[2 * i]);
        const int low = HexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes[i] = static_cast<unsigned char>(high << 4 | low);
    }
    return true;
}

std::string UserNameHash(const std::string& userName)
{
    return Sha256Hex(userName + HashUserNameSalt);
}

std::string PasswordHash(const std::string& password)
{
    return Sha256Hex(password + HashPasswordSalt);
}

std::string StoredPassword(const std::string& passwordHash)
{
    unsigned char saltBytes[SaltBytes];
    FillRandom(saltBytes, sizeof saltBytes);
    const std::string salt = Hex(saltBytes, sizeof saltBytes);
    return salt + CheckValue(passwordHash, salt);
}

bool PasswordMatches(const std::string& passwordHash, const std::string& storedPassword)
{
    if (passwordHash.size() != HashLength || storedPassword.size() != HashLength) {
        return false;
    }
    const std::string expected = storedPassword.substr(HashLength / 2);
    const std::string actual = CheckValue(passwordHash, storedPassword.substr(0, HashLength / 2));
    return CRYPTO_memcmp(expected.data(), actual.data(), expected.size()) == 0;
}

}  // namespace testserver
