#include "library/security/authenticationcontext.h"

#include <openssl/err.h>
#include <openssl/pem.h>

#include <cstring>

namespace {

using Key = std::unique_ptr<EVP_PKEY, EVP_PKEY_deleter>;
using File = std::unique_ptr<FILE, FILE_deleter>;
using Bio = std::unique_ptr<BIO, BIO_deleter>;
using KeyContext = std::unique_ptr<EVP_PKEY_CTX, EVP_PKEY_CTX_deleter>;

// Failures are reported by code; OpenSSL's error queue is not left behind for
// later, unrelated calls to find.
AuthCode Failed(AuthCode code)
{
    ERR_clear_error();
    return code;
}

// OpenSSL's default passphrase callback prompts on the terminal when no
// passphrase is given; an empty one makes an encrypted key fail to read instead.
void* PassphraseArgument(const char* passphrase)
{
    return const_cast<char*>(passphrase ? passphrase : "");
}

// The PEM readers of the public and the private key, from a file and from a BIO.
using FileKeyReader = EVP_PKEY* (*)(FILE*, EVP_PKEY**, pem_password_cb*, void*);
using BioKeyReader = EVP_PKEY* (*)(BIO*, EVP_PKEY**, pem_password_cb*, void*);

AuthCode ReadKeyFile(FileKeyReader read, const std::string& fileName, const char* passphrase, AuthCode noKey, Key& key)
{
    const File file(std::fopen(fileName.c_str(), "r"));
    if (!file) {
        return Failed(AUTH_CODE_FILE_ERROR);
    }
    key.reset(read(file.get(), nullptr, nullptr, PassphraseArgument(passphrase)));
    return key ? AUTH_CODE_SUCCESS : Failed(noKey);
}

// A length of -1 takes the text's strlen.
AuthCode ReadKeyPem(BioKeyReader read, const char* pem, int length, const char* passphrase, AuthCode noKey, Key& key)
{
    const Bio bio(pem ? BIO_new_mem_buf(pem, length) : nullptr);
    if (!bio) {
        return Failed(AUTH_CODE_BIO_ERROR);
    }
    key.reset(read(bio.get(), nullptr, nullptr, PassphraseArgument(passphrase)));
    return key ? AUTH_CODE_SUCCESS : Failed(noKey);
}

const unsigned char* Unsigned(const char* data)
{
    return reinterpret_cast<const unsigned char*>(data);
}

// Encryption and decryption take the same steps with their own calls and codes.
struct RsaOperation
{
    int (*init)(EVP_PKEY_CTX*);
    int (*apply)(EVP_PKEY_CTX*, unsigned char*, std::size_t*, const unsigned char*, std::size_t);
    AuthCode initFailed;
    AuthCode failed;
};

const RsaOperation Encryption{&EVP_PKEY_encrypt_init, &EVP_PKEY_encrypt, AUTH_CODE_ENCRYPTION_INIT_ERROR,
                              AUTH_CODE_ENCRYPTION_ERROR};
const RsaOperation Decryption{&EVP_PKEY_decrypt_init, &EVP_PKEY_decrypt, AUTH_CODE_DECRYPTION_INIT_ERROR,
                              AUTH_CODE_DECRYPTION_ERROR};

// Makes a key context, asks for the output size, fills a zeroed buffer of that
// size and keeps the count actually written. The output is empty on failure.
AuthCode ApplyKey(const RsaOperation& operation,
                  EVP_PKEY* key,
                  const unsigned char* data,
                  std::size_t dataLen,
                  std::unique_ptr<unsigned char[]>& output,
                  std::size_t& outputLen)
{
    output.reset();
    outputLen = 0;
    const KeyContext context(key ? EVP_PKEY_CTX_new(key, nullptr) : nullptr);
    if (!context) {
        return Failed(AUTH_CODE_CONTEXT_ERROR);
    }
    if (operation.init(context.get()) <= 0) {
        return Failed(operation.initFailed);
    }
    std::size_t size = 0;
    if (!data || operation.apply(context.get(), nullptr, &size, data, dataLen) <= 0) {
        return Failed(operation.failed);
    }
    std::unique_ptr<unsigned char[]> bytes(new unsigned char[size]());
    if (operation.apply(context.get(), bytes.get(), &size, data, dataLen) <= 0) {
        return Failed(operation.failed);
    }
    output = std::move(bytes);
    outputLen = size;
    return AUTH_CODE_SUCCESS;
}

}  // namespace

AuthenticationRuntimeError::AuthenticationRuntimeError(const std::string& what, AuthCode code)
    : std::runtime_error(what)
    , m_authCode(code)
{}

AuthenticationRuntimeError::~AuthenticationRuntimeError() = default;

void FILE_deleter::operator()(FILE* file) const
{
    if (file) {
        std::fclose(file);
    }
}

void EVP_PKEY_CTX_deleter::operator()(EVP_PKEY_CTX* context) const
{
    if (context) {
        EVP_PKEY_CTX_free(context);
    }
}

void EVP_PKEY_deleter::operator()(EVP_PKEY* key) const
{
    if (key) {
        EVP_PKEY_free(key);
    }
}

void BIO_deleter::operator()(BIO* bio) const
{
    if (bio) {
        BIO_free(bio);
    }
}

AuthenticationContext::AuthenticationContext() = default;

AuthenticationContext::~AuthenticationContext() = default;

AuthCode AuthenticationContext::ephemeralKeysMode(const char* privateKeyPem,
                                                  const char* publicKeyPem,
                                                  Key& privateKey,
                                                  Key& publicKey) const
{
    const AuthCode code =
        ReadKeyPem(PEM_read_bio_PUBKEY, publicKeyPem, -1, nullptr, AUTH_CODE_EPHEMERAL_PUBLIC_KEY_ERROR, publicKey);
    if (code != AUTH_CODE_SUCCESS) {
        return code;
    }
    const std::string passphrase = getPassphrase();
    return ReadKeyPem(PEM_read_bio_PrivateKey, privateKeyPem, -1, passphrase.c_str(), AUTH_CODE_PRIVATE_KEY_ERROR,
                      privateKey);
}

AuthCode AuthenticationContext::perpetualKeysMode(const std::string& privateKeyFileName,
                                                  const std::string& publicKeyFileName,
                                                  Key& privateKey,
                                                  Key& publicKey,
                                                  const char* passphrase)
{
    const AuthCode code =
        ReadKeyFile(PEM_read_PUBKEY, publicKeyFileName, nullptr, AUTH_CODE_PUBLIC_KEY_ERROR, publicKey);
    if (code != AUTH_CODE_SUCCESS) {
        return code;
    }
    return ReadKeyFile(PEM_read_PrivateKey, privateKeyFileName, passphrase, AUTH_CODE_PRIVATE_KEY_ERROR, privateKey);
}

AuthCode AuthenticationContext::encryptDataWithPublicKey(const unsigned char* data,
                                                         Bytes& encrypted,
                                                         std::size_t& encryptedLen,
                                                         EVP_PKEY* publicKey)
{
    const std::size_t dataLen = data ? std::strlen(reinterpret_cast<const char*>(data)) : 0;
    return ApplyKey(Encryption, publicKey, data, dataLen, encrypted, encryptedLen);
}

AuthCode AuthenticationContext::encryptDataWithPublicKey(const char* data,
                                                         Bytes& encrypted,
                                                         std::size_t& encryptedLen,
                                                         EVP_PKEY* publicKey)
{
    return encryptDataWithPublicKey(Unsigned(data), encrypted, encryptedLen, publicKey);
}

AuthCode AuthenticationContext::encryptDataWithPublicKey(const unsigned char* data,
                                                         Bytes& encrypted,
                                                         std::size_t& encryptedLen,
                                                         const std::string& publicKeyFileName)
{
    encrypted.reset();
    encryptedLen = 0;
    Key key;
    const AuthCode code = ReadKeyFile(PEM_read_PUBKEY, publicKeyFileName, nullptr, AUTH_CODE_PUBLIC_KEY_ERROR, key);
    return code != AUTH_CODE_SUCCESS ? code : encryptDataWithPublicKey(data, encrypted, encryptedLen, key.get());
}

AuthCode AuthenticationContext::encryptDataWithPublicKey(const char* data,
                                                         Bytes& encrypted,
                                                         std::size_t& encryptedLen,
                                                         const std::string& publicKeyFileName)
{
    return encryptDataWithPublicKey(Unsigned(data), encrypted, encryptedLen, publicKeyFileName);
}

AuthCode AuthenticationContext::encryptDataWithPublicKey(const unsigned char* data,
                                                         Bytes& encrypted,
                                                         std::size_t& encryptedLen,
                                                         const char* publicKeyPem,
                                                         int publicKeyPemLength)
{
    encrypted.reset();
    encryptedLen = 0;
    Key key;
    const AuthCode code =
        ReadKeyPem(PEM_read_bio_PUBKEY, publicKeyPem, publicKeyPemLength, nullptr, AUTH_CODE_PUBLIC_KEY_ERROR, key);
    return code != AUTH_CODE_SUCCESS ? code : encryptDataWithPublicKey(data, encrypted, encryptedLen, key.get());
}

AuthCode AuthenticationContext::encryptDataWithPublicKey(const char* data,
                                                         Bytes& encrypted,
                                                         std::size_t& encryptedLen,
                                                         const char* publicKeyPem,
                                                         int publicKeyPemLength)
{
    return encryptDataWithPublicKey(Unsigned(data), encrypted, encryptedLen, publicKeyPem, publicKeyPemLength);
}

AuthCode AuthenticationContext::decryptEncryptedDataWithPrivateKey(const unsigned char* data,
                                                                   std::size_t dataLen,
                                                                   Bytes& decrypted,
                                                                   std::size_t& decryptedLen,
                                                                   EVP_PKEY* privateKey)
{
    return ApplyKey(Decryption, privateKey, data, dataLen, decrypted, decryptedLen);
}

AuthCode AuthenticationContext::decryptEncryptedDataWithPrivateKey(const char* data,
                                                                   std::size_t dataLen,
                                                                   Bytes& decrypted,
                                                                   std::size_t& decryptedLen,
                                                                   EVP_PKEY* privateKey)
{
    return decryptEncryptedDataWithPrivateKey(Unsigned(data), dataLen, decrypted, decryptedLen, privateKey);
}

AuthCode AuthenticationContext::decryptEncryptedDataWithPrivateKey(const unsigned char* data,
                                                                   std::size_t dataLen,
                                                                   Bytes& decrypted,
                                                                   std::size_t& decryptedLen,
                                                                   const std::string& privateKeyFileName,
                                                                   const char* passphrase)
{
    decrypted.reset();
    decryptedLen = 0;
    Key key;
    const AuthCode code =
        ReadKeyFile(PEM_read_PrivateKey, privateKeyFileName, passphrase, AUTH_CODE_PRIVATE_KEY_ERROR, key);
    return code != AUTH_CODE_SUCCESS
               ? code
               : decryptEncryptedDataWithPrivateKey(data, dataLen, decrypted, decryptedLen, key.get());
}

AuthCode AuthenticationContext::decryptEncryptedDataWithPrivateKey(const char* data,
                                                                   std::size_t dataLen,
                                                                   Bytes& decrypted,
                                                                   std::size_t& decryptedLen,
                                                                   const std::string& privateKeyFileName,
                                                                   const char* passphrase)
{
    return decryptEncryptedDataWithPrivateKey(Unsigned(data), dataLen, decrypted, decryptedLen, privateKeyFileName,
                                              passphrase);
}

AuthCode AuthenticationContext::decryptEncryptedDataWithPrivateKey(const unsigned char* data,
                                                                   std::size_t dataLen,
                                                                   Bytes& decrypted,
                                                                   std::size_t& decryptedLen,
                                                                   const char* privateKeyPem,
                                                                   int privateKeyPemLength,
                                                                   const char* passphrase)
{
    decrypted.reset();
    decryptedLen = 0;
    Key key;
    const AuthCode code = ReadKeyPem(PEM_read_bio_PrivateKey, privateKeyPem, privateKeyPemLength, passphrase,
                                     AUTH_CODE_PUBLIC_KEY_ERROR, key);
    return code != AUTH_CODE_SUCCESS
               ? code
               : decryptEncryptedDataWithPrivateKey(data, dataLen, decrypted, decryptedLen, key.get());
}

AuthCode AuthenticationContext::decryptEncryptedDataWithPrivateKey(const char* data,
                                                                   std::size_t dataLen,
                                                                   Bytes& decrypted,
                                                                   std::size_t& decryptedLen,
                                                                   const char* privateKeyPem,
                                                                   int privateKeyPemLength,
                                                                   const char* passphrase)
{
    return decryptEncryptedDataWithPrivateKey(Unsigned(data), dataLen, decrypted, decryptedLen, privateKeyPem,
                                              privateKeyPemLength, passphrase);
}
