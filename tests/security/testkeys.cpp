#include "tests/security/testkeys.h"

#include <boost/algorithm/hex.hpp>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace testkeys {
namespace {

const char* const PrivateKeyFileVariable = "QUENLARK_CLIENT_PRIVATE_KEY_FILE";
const char* const PublicKeyFileVariable = "QUENLARK_SERVER_PUBLIC_KEY_FILE";
const char* const PassphraseVariable = "QUENLARK_CLIENT_PRIVATE_KEY_PASSPHRASE";

using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using Bio = std::unique_ptr<BIO, decltype(&BIO_free)>;
using KeyContext = std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)>;

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string KeyFile(const char* name)
{
    return std::string(QUENLARK_SOURCE_DIR) + "/product/testserver/keys/" + name;
}

Key ReadKey(const std::string& pem, bool isPrivate)
{
    Bio bio(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())), &BIO_free);
    Key key(isPrivate ? PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr)
                      : PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr),
            &EVP_PKEY_free);
    if (!key) {
        throw std::runtime_error("no key in PEM text");
    }
    return key;
}

}  // namespace

std::string ServerPrivateKeyFile()
{
    return KeyFile("server-private-key.pem");
}

std::string ClientPublicKeyFile()
{
    return KeyFile("client-public-key.pem");
}

std::string ServerPrivateKeyPem()
{
    return ReadFile(ServerPrivateKeyFile());
}

std::string ClientPublicKeyPem()
{
    return ReadFile(ClientPublicKeyFile());
}

std::string RsaEncrypt(const std::string& publicKeyPem, const std::string& plainText)
{
    const Key key = ReadKey(publicKeyPem, false);
    const KeyContext context(EVP_PKEY_CTX_new(key.get(), nullptr), &EVP_PKEY_CTX_free);
    std::size_t size = 0;
    const auto* input = reinterpret_cast<const unsigned char*>(plainText.data());
    if (EVP_PKEY_encrypt_init(context.get()) <= 0 || EVP_PKEY_CTX_set_rsa_padding(context.get(), RSA_PKCS1_PADDING) <= 0
        || EVP_PKEY_encrypt(context.get(), nullptr, &size, input, plainText.size()) <= 0) {
        throw std::runtime_error("RSA encryption does not start");
    }
    std::string cipherText(size, '\0');
    if (EVP_PKEY_encrypt(context.get(), reinterpret_cast<unsigned char*>(cipherText.data()), &size, input,
                         plainText.size())
        <= 0) {
        throw std::runtime_error("RSA encryption failed");
    }
    cipherText.resize(size);
    return cipherText;
}

std::string RsaDecrypt(const std::string& privateKeyPem, const std::string& cipherText)
{
    const Key key = ReadKey(privateKeyPem, true);
    const KeyContext context(EVP_PKEY_CTX_new(key.get(), nullptr), &EVP_PKEY_CTX_free);
    std::size_t size = 0;
    const auto* input = reinterpret_cast<const unsigned char*>(cipherText.data());
    if (EVP_PKEY_decrypt_init(context.get()) <= 0 || EVP_PKEY_CTX_set_rsa_padding(context.get(), RSA_PKCS1_PADDING) <= 0
        || EVP_PKEY_decrypt(context.get(), nullptr, &size, input, cipherText.size()) <= 0) {
        return "<failed>";
    }
    std::string plainText(size, '\0');
    if (EVP_PKEY_decrypt(context.get(), reinterpret_cast<unsigned char*>(plainText.data()), &size, input,
                         cipherText.size())
        <= 0) {
        return "<failed>";
    }
    plainText.resize(size);
    return plainText;
}

std::string EncryptedPrivateKeyPem(const std::string& privateKeyPem, const std::string& passphrase)
{
    const Key key = ReadKey(privateKeyPem, true);
    Bio bio(BIO_new(BIO_s_mem()), &BIO_free);
    std::string pass = passphrase;
    if (PEM_write_bio_PrivateKey(bio.get(), key.get(), EVP_aes_128_cbc(), reinterpret_cast<unsigned char*>(pass.data()),
                                 static_cast<int>(pass.size()), nullptr, nullptr)
        != 1) {
        throw std::runtime_error("cannot write the encrypted key");
    }
    char* data = nullptr;
    const long length = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, static_cast<std::size_t>(length));
}

std::vector<unsigned char> FromHex(const std::string& hex)
{
    std::vector<unsigned char> bytes;
    boost::algorithm::unhex(hex.begin(), hex.end(), std::back_inserter(bytes));
    return bytes;
}

TemporaryFile::TemporaryFile(const std::string& content)
{
    std::string pattern = testing::TempDir() + "quenlark-security-XXXXXX";
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        throw std::runtime_error("cannot make a temporary file");
    }
    m_path = pattern;
    const bool written = write(descriptor, content.data(), content.size()) == static_cast<ssize_t>(content.size());
    close(descriptor);
    if (!written) {
        std::remove(m_path.c_str());
        throw std::runtime_error("cannot write a temporary file");
    }
}

TemporaryFile::~TemporaryFile()
{
    std::remove(m_path.c_str());
}

KeyEnvironment::KeyEnvironment()
    : m_privateKeyFile(PrivateKeyFileVariable, std::nullopt)
    , m_publicKeyFile(PublicKeyFileVariable, std::nullopt)
    , m_passphrase(PassphraseVariable, std::nullopt)
{}

void KeyEnvironment::setPrivateKeyFile(const std::string& path)
{
    setenv(PrivateKeyFileVariable, path.c_str(), 1);
}

void KeyEnvironment::setPublicKeyFile(const std::string& path)
{
    setenv(PublicKeyFileVariable, path.c_str(), 1);
}

void KeyEnvironment::setPassphrase(const std::string& passphrase)
{
    setenv(PassphraseVariable, passphrase.c_str(), 1);
}

}  // namespace testkeys
