#include "library/security/evpcipher.h"

#include "library/security/cryptoerror.h"

namespace {

class FetchedCipher
{
public:
    explicit FetchedCipher(const char* algorithm)
        : m_cipher(EVP_CIPHER_fetch(nullptr, algorithm, nullptr), &EVP_CIPHER_free)
    {}

    const EVP_CIPHER* get() const
    {
        if (!m_cipher) {
            throw OpenSSLRuntimeError("EVP_CIPHER_fetch");
        }
        return m_cipher.get();
    }

private:
    std::unique_ptr<EVP_CIPHER, decltype(&EVP_CIPHER_free)> m_cipher;
};

}  // namespace

CipherContext NewCipherContext()
{
    CipherContext context(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    if (!context) {
        throw OpenSSLRuntimeError("EVP_CIPHER_CTX_new");
    }
    return context;
}

const EVP_CIPHER* Aes128Gcm()
{
    static const FetchedCipher cipher("AES-128-GCM");
    return cipher.get();
}

const EVP_CIPHER* Aes128Ctr()
{
    static const FetchedCipher cipher("AES-128-CTR");
    return cipher.get();
}
