#include "product/testserver/sessioncipher.h"

#include "library/security/sharedconstants.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <memory>
#include <stdexcept>

namespace testserver {
namespace {

struct ContextFree
{
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using Context = std::unique_ptr<EVP_CIPHER_CTX, ContextFree>;

Context NewContext()
{
    Context context(EVP_CIPHER_CTX_new());
    if (!context) {
        throw std::runtime_error("EVP_CIPHER_CTX_new failed");
    }
    return context;
}

unsigned char* Bytes(std::string& text)
{
    return reinterpret_cast<unsigned char*>(text.data());
}

const unsigned char* Bytes(const std::string& text)
{
    return reinterpret_cast<const unsigned char*>(text.data());
}

}  // namespace

void FillRandom(unsigned char* buffer, std::size_t length)
{
    if (RAND_bytes(buffer, static_cast<int>(length)) != 1) {
        throw std::runtime_error("RAND_bytes failed");
    }
}

Sealed Seal(const std::string& plain, const SessionKey& key)
{
    Sealed sealed{std::string(AES_IVEC_BLOCK_SIZE, '\0'), std::string(AES_ATAG_BLOCK_SIZE, '\0'), {}};
    if (plain.empty()) {
        return sealed;
    }
    FillRandom(Bytes(sealed.ivec), sealed.ivec.size());
    sealed.code.assign(plain.size(), '\0');

    Context context = NewContext();
    int written = 0;
    int finalWritten = 0;
    if (EVP_EncryptInit_ex(context.get(), EVP_aes_128_gcm(), nullptr, key.data(), Bytes(sealed.ivec)) != 1
        || EVP_EncryptUpdate(context.get(), Bytes(sealed.code), &written, Bytes(plain), static_cast<int>(plain.size()))
               != 1
        || EVP_EncryptFinal_ex(context.get(), Bytes(sealed.code) + written, &finalWritten) != 1
        || EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, static_cast<int>(sealed.atag.size()),
                               Bytes(sealed.atag))
               != 1) {
        throw std::runtime_error("AES-128-GCM encryption failed");
    }
    return sealed;
}

bool Open(const std::string& code,
          const std::string& ivec,
          const std::string& atag,
          const SessionKey& key,
          std::string& plain)
{
    plain.clear();
    if (code.empty()) {
        return true;
    }
    if (ivec.size() != AES_IVEC_BLOCK_SIZE || atag.size() != AES_ATAG_BLOCK_SIZE) {
        return false;
    }
    std::string opened(code.size(), '\0');
    std::string expectedTag = atag;
    Context context = NewContext();
    int written = 0;
    int finalWritten = 0;
    if (EVP_DecryptInit_ex(context.get(), EVP_aes_128_gcm(), nullptr, key.data(), Bytes(ivec)) != 1
        || EVP_DecryptUpdate(context.get(), Bytes(opened), &written, Bytes(code), static_cast<int>(code.size())) != 1
        || EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, static_cast<int>(expectedTag.size()),
                               Bytes(expectedTag))
               != 1) {
        throw std::runtime_error("AES-128-GCM decryption failed");
    }
    if (EVP_DecryptFinal_ex(context.get(), Bytes(opened) + written, &finalWritten) != 1) {
        return false;
    }
    plain = std::move(opened);
    return true;
}

}  // namespace testserver
