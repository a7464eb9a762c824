#include "library/security/aesctr.h"
#include "library/security/cryptoerror.h"
#include "tests/security/testkeys.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
using testkeys::FromHex;

// A 16-byte IV block: the 8 nonce bytes and a tail that must not matter.
Bytes IvBlock(const std::string& nonceHex, unsigned char tail)
{
    Bytes iv = FromHex(nonceHex);
    iv.resize(16, tail);
    return iv;
}

Bytes Encrypt(const Bytes& input, const Bytes& key, const Bytes& iv)
{
    Bytes output(input.size(), 0xEE);
    AesCtrEncrypt(input.data(), output.data(), input.size(), key.data(), iv.data());
    return output;
}

// The key stream written straight with AES-128 in ECB mode over the counter
// blocks nonce || 0, nonce || 1, ..., so that the cipher is not checked with
// itself.
Bytes KeyStream(const Bytes& key, const Bytes& nonce, std::size_t blocks)
{
    std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> context(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    EVP_EncryptInit_ex(context.get(), EVP_aes_128_ecb(), nullptr, key.data(), nullptr);
    EVP_CIPHER_CTX_set_padding(context.get(), 0);
    Bytes counters;
    for (std::size_t block = 0; block < blocks; ++block) {
        counters.insert(counters.end(), nonce.begin(), nonce.end());
        counters.insert(counters.end(), 7, 0);
        counters.push_back(static_cast<unsigned char>(block));
    }
    Bytes stream(counters.size());
    int written = 0;
    EVP_EncryptUpdate(context.get(), stream.data(), &written, counters.data(), static_cast<int>(counters.size()));
    return stream;
}

Bytes Xor(Bytes a, const Bytes& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] ^= b[i];
    }
    return a;
}

// Under the all-zero key the counter blocks 0, 1 and 2 encrypt to the values
// published with GCM by McGrew and Viega (test case 2: H, E(K, Y0) and
// E(K, Y1)), so zero plain text encrypts to them. The vectors of NIST
// SP 800-38A (F.5.1 CTR-AES128.Encrypt) start from a counter block whose low
// half is not zero, which a counter block of nonce and zeros never reaches.
TEST(AesCtr, KnownAnswerUnderTheZeroKey)
{
    const Bytes key(16, 0);
    const Bytes stream = FromHex("66e94bd4ef8a2c3b884cfa59ca342b2e"
                                 "58e2fccefa7e3061367f1d57a4e7455a"
                                 "0388dace60b6a392f328c2b971b2fe78");
    for (const std::size_t length : {std::size_t(0), std::size_t(1), std::size_t(16), std::size_t(40), stream.size()}) {
        for (const unsigned char tail : {0x00, 0x5A, 0xFF}) {
            SCOPED_TRACE(std::to_string(length) + " bytes, IV tail " + std::to_string(tail));
            EXPECT_EQ(Bytes(stream.begin(), stream.begin() + length),
                      Encrypt(Bytes(length, 0), key, IvBlock("0000000000000000", tail)));
        }
    }
}

// The key, nonce and plain text of NIST SP 800-38A, F.5.1 CTR-AES128.Encrypt;
// the nonce is the first half of its initial counter block.
TEST(AesCtr, NonceIsTheFirstEightIvBytes)
{
    const Bytes key = FromHex("2b7e151628aed2a6abf7158809cf4f3c");
    const Bytes nonce = FromHex("f0f1f2f3f4f5f6f7");
    const Bytes plain = FromHex("6bc1bee22e409f96e93d7e117393172a"
                                "ae2d8a571e03ac9c9eb76fac45af8e51"
                                "30c81c46a35ce411e5fbc1191a0a52ef"
                                "f69f2445df4f9b17ad2b417be66c3710");
    const Bytes expected = Xor(plain, KeyStream(key, nonce, 4));
    EXPECT_EQ(expected, Encrypt(plain, key, IvBlock("f0f1f2f3f4f5f6f7", 0x00)));
    EXPECT_EQ(expected, Encrypt(plain, key, FromHex("f0f1f2f3f4f5f6f7f8f9fafbfcfdfeff")));

    for (std::size_t i = 0; i < nonce.size(); ++i) {
        SCOPED_TRACE(i);
        Bytes iv = IvBlock("f0f1f2f3f4f5f6f7", 0x00);
        iv[i] ^= 0x01;
        EXPECT_NE(expected, Encrypt(plain, key, iv));
    }
}

TEST(AesCtr, EncryptingTwiceRestoresTheTextInBothForms)
{
    const Bytes key = FromHex("000102030405060708090a0b0c0d0e0f");
    const Bytes iv = IvBlock("0102030405060708", 0xA5);
    const std::string text("a text with\0a NUL and more than two blocks of it", 48);
    Bytes cipher(text.size());
    AesCtrEncrypt(text.data(), cipher.data(), text.size(), key.data(), iv.data());
    EXPECT_NE(Bytes(text.begin(), text.end()), cipher);
    EXPECT_EQ(cipher, Encrypt(Bytes(text.begin(), text.end()), key, iv));
    EXPECT_EQ(Bytes(text.begin(), text.end()), Encrypt(cipher, key, iv));
}

TEST(AesCtr, LengthBeyondWhatOpenSslTakesThrowsAndWritesNothing)
{
    const Bytes key(16, 0);
    const Bytes iv(16, 0);
    const unsigned char input[1] = {0x42};
    unsigned char output[1] = {0xEE};
    const std::size_t tooLong = static_cast<std::size_t>(INT_MAX) + 1;
    try {
        AesCtrEncrypt(input, output, tooLong, key.data(), iv.data());
        ADD_FAILURE() << "no exception";
    } catch (const OpenSSLRuntimeError& error) {
        EXPECT_STREQ("EVP_EncryptUpdate", error.what());
    }
    EXPECT_EQ(0xEE, output[0]);
}

}  // namespace
