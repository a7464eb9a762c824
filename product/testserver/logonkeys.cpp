#include "product/testserver/logonkeys.h"

#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <cstdio>

namespace testserver {
namespace {

struct FileClose
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

struct PkeyContextFree
{
    void operator()(EVP_PKEY_CTX* context) const { EVP_PKEY_CTX_free(context); }
};
using PkeyContext = std::unique_ptr<EVP_PKEY_CTX, PkeyContextFree>;

const unsigned char* Bytes(const std::string& text)
{
    return reinterpret_cast<const unsigned char*>(text.data());
}

template <typename Init, typename Run>
std::optional<std::string> RunRsa(EVP_PKEY* key, const std::string& input, Init init, Run run)
{
    PkeyContext context(EVP_PKEY_CTX_new(key, nullptr));
    if (!context || init(context.get()) <= 0 || EVP_PKEY_CTX_set_rsa_padding(context.get(), RSA_PKCS1_PADDING) <= 0) {
        return std::nullopt;
    }
    std::size_t length = 0;
    if (run(context.get(), nullptr, &length, Bytes(input), input.size()) <= 0) {
        return std::nullopt;
    }
    std::string output(length, '\0');
    if (run(context.get(), reinterpret_cast<unsigned char*>(output.data()), &length, Bytes(input), input.size()) <= 0) {
        return std::nullopt;
    }
    output.resize(length);
    return output;
}

}  // namespace

LogonKeys::LogonKeys(Key serverPrivateKey, Key clientPublicKey)
    : m_serverPrivateKey(std::move(serverPrivateKey))
    , m_clientPublicKey(std::move(clientPublicKey))
{}

std::optional<LogonKeys> LogonKeys::Load(const std::string& folder, std::string& error)
{
    const std::string privatePath = folder + "/server-private-key.pem";
    const std::string publicPath = folder + "/client-public-key.pem";
    std::unique_ptr<std::FILE, FileClose> privateFile(std::fopen(privatePath.c_str(), "r"));
    std::unique_ptr<std::FILE, FileClose> publicFile(std::fopen(publicPath.c_str(), "r"));
    if (!privateFile || !publicFile) {
        error = "cannot open " + (privateFile ? publicPath : privatePath);
        return std::nullopt;
    }
    Key serverPrivateKey(PEM_read_PrivateKey(privateFile.get(), nullptr, nullptr, nullptr));
    if (!serverPrivateKey) {
        error = "no private key in " + privatePath;
        return std::nullopt;
    }
    Key clientPublicKey(PEM_read_PUBKEY(publicFile.get(), nullptr, nullptr, nullptr));
    if (!clientPublicKey) {
        error = "no public key in " + publicPath;
        return std::nullopt;
    }
    return LogonKeys(std::move(serverPrivateKey), std::move(clientPublicKey));
}

std::optional<std::string> LogonKeys::open(const std::string& cipherText) const
{
    return RunRsa(m_serverPrivateKey.get(), cipherText, EVP_PKEY_decrypt_init, EVP_PKEY_decrypt);
}

std::optional<std::string> LogonKeys::seal(const std::string& plainText) const
{
    return RunRsa(m_clientPublicKey.get(), plainText, EVP_PKEY_encrypt_init, EVP_PKEY_encrypt);
}

}  // namespace testserver
