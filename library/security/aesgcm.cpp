#include "library/security/aesgcm.h"

#include "library/security/cryptoerror.h"
#include "library/security/evpcipher.h"
#include "library/security/sharedconstants.h"

#include <openssl/crypto.h>

#include <algorithm>
#include <array>

int AesGcmEncrypt(const unsigned char* plaintext,
                  unsigned char* ciphertext,
                  std::size_t length,
                  const unsigned char* key,
                  const unsigned char* ivec,
                  unsigned char* atag)
{
    const int inputLength = OpenSSLLength(length, "EVP_EncryptUpdate");
    CipherContext context = NewCipherContext();
    if (EVP_EncryptInit_ex(context.get(), Aes128Gcm(), nullptr, key, ivec) != 1) {
        throw OpenSSLRuntimeError("EVP_EncryptInit_ex");
    }
    int updateLength = 0;
    if (inputLength > 0 && EVP_EncryptUpdate(context.get(), ciphertext, &updateLength, plaintext, inputLength) != 1) {
        throw OpenSSLRuntimeError("EVP_EncryptUpdate");
    }
    int finalLength = 0;
    if (EVP_EncryptFinal_ex(context.get(), ciphertext + updateLength, &finalLength) != 1) {
        throw OpenSSLRuntimeError("EVP_EncryptFinal_ex");
    }
    if (EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, AES_ATAG_BLOCK_SIZE, atag) != 1) {
        throw OpenSSLRuntimeError("EVP_CIPHER_CTX_ctrl");
    }
    return updateLength + finalLength;
}

int AesGcmEncrypt(const char* plaintext,
                  unsigned char* ciphertext,
                  std::size_t length,
                  const unsigned char* key,
                  const unsigned char* ivec,
                  unsigned char* atag)
{
    return AesGcmEncrypt(reinterpret_cast<const unsigned char*>(plaintext), ciphertext, length, key, ivec, atag);
}

int AesGcmDecrypt(const unsigned char* ciphertext,
                  unsigned char* plaintext,
                  std::size_t length,
                  const unsigned char* key,
                  const unsigned char* ivec,
                  const unsigned char* atag)
{
    const int inputLength = OpenSSLLength(length, "EVP_DecryptUpdate");
    CipherContext context = NewCipherContext();
    if (EVP_DecryptInit_ex(context.get(), Aes128Gcm(), nullptr, key, ivec) != 1) {
        throw OpenSSLRuntimeError("EVP_DecryptInit_ex");
    }
    int updateLength = 0;
    if (inputLength > 0 && EVP_DecryptUpdate(context.get(), plaintext, &updateLength, ciphertext, inputLength) != 1) {
        throw OpenSSLRuntimeError("EVP_DecryptUpdate");
    }
    // The control call takes a writable pointer; the caller's tag stays untouched.
    std::array<unsigned char, AES_ATAG_BLOCK_SIZE> expectedTag;
    std::copy(atag, atag + AES_ATAG_BLOCK_SIZE, expectedTag.begin());
    if (EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, AES_ATAG_BLOCK_SIZE, expectedTag.data()) != 1) {
        throw OpenSSLRuntimeError("EVP_CIPHER_CTX_ctrl");
    }
    int finalLength = 0;
    if (EVP_DecryptFinal_ex(context.get(), plaintext + updateLength, &finalLength) <= 0) {
        if (length > 0) {
            OPENSSL_cleanse(plaintext, length);
        }
        return -1;
    }
    return updateLength + finalLength;
}

int AesGcmDecrypt(const unsigned char* ciphertext,
                  char* plaintext,
                  std::size_t length,
                  const unsigned char* key,
                  const unsigned char* ivec,
                  const unsigned char* atag)
{
    return AesGcmDecrypt(ciphertext, reinterpret_cast<unsigned char*>(plaintext), length, key, ivec, atag);
}
