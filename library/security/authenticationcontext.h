#pragma once

#include <openssl/bio.h>
#include <openssl/evp.h>

#include <cstddef>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

// The result of every log-on key operation; 0 is success. Returned, never thrown.
enum AuthCode
{
    AUTH_CODE_SUCCESS = 0,
    AUTH_CODE_CONTEXT_ERROR = 1,     // no key context for the key, or no key
    AUTH_CODE_DECRYPTION_ERROR = 2,  // RSA decryption failed, or the reply is malformed
    AUTH_CODE_DECRYPTION_INIT_ERROR = 3,
    AUTH_CODE_ENCRYPTION_ERROR = 4,  // RSA encryption failed
    AUTH_CODE_ENCRYPTION_INIT_ERROR = 5,
    AUTH_CODE_FILE_ERROR = 6,                   // a key file does not open for reading
    AUTH_CODE_PRIVATE_KEY_ERROR = 7,            // no private key in the PEM
    AUTH_CODE_PUBLIC_KEY_ERROR = 8,             // no public key in the PEM
    AUTH_CODE_BIO_ERROR = 15,                   // no memory BIO over the PEM text
    AUTH_CODE_EPHEMERAL_PUBLIC_KEY_ERROR = 17,  // no public key in the built-in PEM text
};

class AuthenticationRuntimeError : public std::runtime_error
{
public:
    AuthenticationRuntimeError(const std::string& what, AuthCode code);
    ~AuthenticationRuntimeError() override;

    AuthCode getAuthCode() const { return m_authCode; }

private:
    AuthCode m_authCode;
};

// Single ownership of OpenSSL objects and C file streams; a null handle is ignored.
struct FILE_deleter
{
    void operator()(FILE* file) const;
};

struct EVP_PKEY_CTX_deleter
{
    void operator()(EVP_PKEY_CTX* context) const;
};

struct EVP_PKEY_deleter
{
    void operator()(EVP_PKEY* key) const;
};

struct BIO_deleter
{
    void operator()(BIO* bio) const;
};

// Key loading and the RSA primitives of the log-on exchange. Cipher texts are
// raw bytes; PKCS#1 v1.5 padding, so a 2048-bit key takes at most 245 bytes of
// plain text and gives 256 bytes of cipher text.
class AuthenticationContext
{
public:
    virtual ~AuthenticationContext();
    AuthenticationContext(const AuthenticationContext&) = delete;
    AuthenticationContext& operator=(const AuthenticationContext&) = delete;

    // The passphrase of the built-in private key.
    virtual std::string getPassphrase() const = 0;

protected:
    using Key = std::unique_ptr<EVP_PKEY, EVP_PKEY_deleter>;
    // An output buffer: the owned bytes and, beside it, their count.
    using Bytes = std::unique_ptr<unsigned char[]>;

    AuthenticationContext();

    // Reads the key pair from PEM texts; the private key with getPassphrase().
    // A key read before a later step failed stays loaded.
    AuthCode
    ephemeralKeysMode(const char* privateKeyPem, const char* publicKeyPem, Key& privateKey, Key& publicKey) const;
    // Reads the key pair from PEM files, the public key first; a null
    // passphrase means none (an encrypted key then fails to read, no prompt).
    static AuthCode perpetualKeysMode(const std::string& privateKeyFileName,
                                      const std::string& publicKeyFileName,
                                      Key& privateKey,
                                      Key& publicKey,
                                      const char* passphrase);

    // Encryption takes a zero-terminated text and encrypts its strlen bytes;
    // decryption takes an explicit byte count. The output is released first,
    // and stays empty when the operation fails.
    static AuthCode encryptDataWithPublicKey(const unsigned char* data,
                                             Bytes& encrypted,
                                             std::size_t& encryptedLen,
                                             EVP_PKEY* publicKey);
    static AuthCode
    encryptDataWithPublicKey(const char* data, Bytes& encrypted, std::size_t& encryptedLen, EVP_PKEY* publicKey);
    static AuthCode encryptDataWithPublicKey(const unsigned char* data,
                                             Bytes& encrypted,
                                             std::size_t& encryptedLen,
                                             const std::string& publicKeyFileName);
    static AuthCode encryptDataWithPublicKey(const char* data,
                                             Bytes& encrypted,
                                             std::size_t& encryptedLen,
                                             const std::string& publicKeyFileName);
    static AuthCode encryptDataWithPublicKey(const unsigned char* data,
                                             Bytes& encrypted,
                                             std::size_t& encryptedLen,
                                             const char* publicKeyPem,
                                             int publicKeyPemLength);
    static AuthCode encryptDataWithPublicKey(const char* data,
                                             Bytes& encrypted,
                                             std::size_t& encryptedLen,
                                             const char* publicKeyPem,
                                             int publicKeyPemLength);

    static AuthCode decryptEncryptedDataWithPrivateKey(const unsigned char* data,
                                                       std::size_t dataLen,
                                                       Bytes& decrypted,
                                                       std::size_t& decryptedLen,
                                                       EVP_PKEY* privateKey);
    static AuthCode decryptEncryptedDataWithPrivateKey(const char* data,
                                                       std::size_t dataLen,
                                                       Bytes& decrypted,
                                                       std::size_t& decryptedLen,
                                                       EVP_PKEY* privateKey);
    static AuthCode decryptEncryptedDataWithPrivateKey(const unsigned char* data,
                                                       std::size_t dataLen,
                                                       Bytes& decrypted,
                                                       std::size_t& decryptedLen,
                                                       const std::string& privateKeyFileName,
                                                       const char* passphrase);
    static AuthCode decryptEncryptedDataWithPrivateKey(const char* data,
                                                       std::size_t dataLen,
                                                       Bytes& decrypted,
                                                       std::size_t& decryptedLen,
                                                       const std::string& privateKeyFileName,
                                                       const char* passphrase);
    // Note: a private key that cannot be read from the PEM text gives
    // AUTH_CODE_PUBLIC_KEY_ERROR here, not AUTH_CODE_PRIVATE_KEY_ERROR.
    static AuthCode decryptEncryptedDataWithPrivateKey(const unsigned char* data,
                                                       std::size_t dataLen,
                                                       Bytes& decrypted,
                                                       std::size_t& decryptedLen,
                                                       const char* privateKeyPem,
                                                       int privateKeyPemLength,
                                                       const char* passphrase);
    static AuthCode decryptEncryptedDataWithPrivateKey(const char* data,
                                                       std::size_t dataLen,
                                                       Bytes& decrypted,
                                                       std::size_t& decryptedLen,
                                                       const char* privateKeyPem,
                                                       int privateKeyPemLength,
                                                       const char* passphrase);

    Key m_privateKey;  // the client's
    Key m_publicKey;   // the server's
};
