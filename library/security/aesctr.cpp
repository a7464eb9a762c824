#include "library/security/aesctr.h"

#include "library/security/cryptoerror.h"
#include "library/security/evpcipher.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t CounterBlockSize = 16;
constexpr std::size_t CounterNonceSize = 8;

}  // namespace

void AesCtrEncrypt(const unsigned char* input,
                   unsigned char* output,
                   std::size_t length,
                   const unsigned char* key,
                   const unsigned char* ivec)
{
    const int inputLength = OpenSSLLength(length, "EVP_EncryptUpdate");
    std::array<unsigned char, CounterBlockSize> counter{};
    std::copy(ivec, ivec + CounterNonceSize, counter.begin());
    CipherContext context = NewCipherContext();
    if (EVP_EncryptInit_ex(context.get(), Aes128Ctr(), nullptr, key, counter.data()) != 1) {
        throw OpenSSLRuntimeError("EVP_EncryptInit_ex");
    }
    int updateLength = 0;
    if (inputLength > 0 && EVP_EncryptUpdate(context.get(), output, &updateLength, input, inputLength) != 1) {
        throw OpenSSLRuntimeError("EVP_EncryptUpdate");
    }
    int finalLength = 0;
    if (EVP_EncryptFinal_ex(context.get(), output + updateLength, &finalLength) != 1) {
        throw OpenSSLRuntimeError("EVP_EncryptFinal_ex");
    }
}

void AesCtrEncrypt(const char* input,
                   unsigned char* output,
                   std::size_t length,
                   const unsigned char* key,
                   const unsigned char* ivec)
{
    AesCtrEncrypt(reinterpret_cast<const unsigned char*>(input), output, length, key, ivec);
}
