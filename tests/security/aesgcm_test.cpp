#include "library/security/aesgcm.h"
#include "library/security/sharedconstants.h"
#include "tests/security/testkeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
using testkeys::FromHex;

// A 16-byte IV block whose first 12 bytes are the GCM nonce; the last 4 are
// filled with a marker that must not matter.
Bytes IvBlock(const std::string& nonceHex, unsigned char tail = 0xA5)
{
    Bytes iv = FromHex(nonceHex);
    iv.resize(AES_IVEC_BLOCK_SIZE, tail);
    return iv;
}

// Test cases 1 to 3 published with GCM by McGrew and Viega (96-bit IV, no additional data).
struct GcmVector
{
    const char* name;
    const char* key;
    const char* nonce;
    const char* plain;
    const char* cipher;
    const char* tag;
};

const GcmVector GcmVectors[] = {
    {"empty", "00000000000000000000000000000000", "000000000000000000000000", "", "",
     "58e2fccefa7e3061367f1d57a4e7455a"},
    {"one block", "00000000000000000000000000000000", "000000000000000000000000", "00000000000000000000000000000000",
     "0388dace60b6a392f328c2b971b2fe78", "ab6e47d42cec13bdf53a67b21257bddf"},
    {"four blocks", "feffe9928665731c6d6a8f9467308308", "cafebabefacedbaddecaf888",
     "d9313225f88406e5a55909c5aff5269a86a7a9531534f7da2e4c303d8a318a72"
     "1c3c0c95956809532fcf0e2449a6b525b16aedf5aa0de657ba637b391aafd255",
     "42831ec2217774244b7221b784d0d49ce3aa212f2c02a4e035c17e2329aca12e"
     "21d514b25466931c7d8f6a5aac84aa051ba30b396a0aac973d58e091473f5985",
     "4d5c2af327cd64a62cf35abd2ba6fab4"},
};

TEST(AesGcm, KnownAnswersEncryptAndDecrypt)
{
    for (const GcmVector& v : GcmVectors) {
        SCOPED_TRACE(v.name);
        const Bytes key = FromHex(v.key);
        const Bytes iv = IvBlock(v.nonce);
        const Bytes plain = FromHex(v.plain);
        Bytes cipher(plain.size());
        Bytes tag(AES_ATAG_BLOCK_SIZE);
        EXPECT_EQ(static_cast<int>(plain.size()),
                  AesGcmEncrypt(plain.data(), cipher.data(), plain.size(), key.data(), iv.data(), tag.data()));
        EXPECT_EQ(FromHex(v.cipher), cipher);
        EXPECT_EQ(FromHex(v.tag), tag);

        Bytes decrypted(cipher.size(), 0xEE);
        EXPECT_EQ(static_cast<int>(cipher.size()),
                  AesGcmDecrypt(cipher.data(), decrypted.data(), cipher.size(), key.data(), iv.data(), tag.data()));
        EXPECT_EQ(plain, decrypted);
    }
}

// The four-block vector as it travels: cipher text, IV block and tag.
struct Sealed
{
    Bytes cipher;
    Bytes iv;
    Bytes tag;
};

class AesGcmTamper : public testing::Test
{
protected:
    int decrypt(const Sealed& sealed, Bytes& plain) const
    {
        plain.assign(sealed.cipher.size(), 0xEE);
        return AesGcmDecrypt(sealed.cipher.data(), plain.data(), sealed.cipher.size(), key.data(), sealed.iv.data(),
                             sealed.tag.data());
    }

    const Bytes key = FromHex(GcmVectors[2].key);
    const Bytes plainText = FromHex(GcmVectors[2].plain);
    const Sealed original{FromHex(GcmVectors[2].cipher), IvBlock(GcmVectors[2].nonce), FromHex(GcmVectors[2].tag)};
};

TEST_F(AesGcmTamper, ChangedTagCipherTextOrNonceByteFailsAndLeavesNoPlainText)
{
    const struct
    {
        const char* name;
        Bytes Sealed::*part;
        std::size_t bytes;
    } targets[] = {
        {"tag", &Sealed::tag, AES_ATAG_BLOCK_SIZE},
        {"cipher text", &Sealed::cipher, original.cipher.size()},
        {"IV", &Sealed::iv, AES_GCM_NONCE_SIZE},
    };
    for (const auto& target : targets) {
        for (std::size_t i = 0; i < target.bytes; ++i) {
            SCOPED_TRACE(std::string(target.name) + " byte " + std::to_string(i));
            Sealed tampered = original;
            (tampered.*target.part)[i] ^= 0x01;
            Bytes plain;
            EXPECT_EQ(-1, decrypt(tampered, plain));
            EXPECT_EQ(Bytes(plain.size(), 0), plain);
        }
    }
}

TEST_F(AesGcmTamper, IvBytesBeyondTheNonceDoNotEnterTheCipher)
{
    for (std::size_t i = AES_GCM_NONCE_SIZE; i < AES_IVEC_BLOCK_SIZE; ++i) {
        SCOPED_TRACE(i);
        Sealed changed = original;
        changed.iv[i] ^= 0xFF;
        Bytes plain;
        EXPECT_EQ(static_cast<int>(plainText.size()), decrypt(changed, plain));
        EXPECT_EQ(plainText, plain);

        AesGcmEncrypt(plainText.data(), changed.cipher.data(), plainText.size(), key.data(), changed.iv.data(),
                      changed.tag.data());
        EXPECT_EQ(original.cipher, changed.cipher);
        EXPECT_EQ(original.tag, changed.tag);
    }
}

TEST(AesGcm, TextFormsRoundTripUnderTheAllZeroKey)
{
    const unsigned char zeroKey[AES_EKEY_BLOCK_SIZE] = {};
    const Bytes iv = IvBlock("0102030405060708090a0b0c");
    const std::string text("a body with\0a NUL and more than one block of text", 50);
    Bytes cipher(text.size());
    Bytes tag(AES_ATAG_BLOCK_SIZE);
    ASSERT_EQ(static_cast<int>(text.size()),
              AesGcmEncrypt(text.data(), cipher.data(), text.size(), zeroKey, iv.data(), tag.data()));
    EXPECT_NE(text, std::string(cipher.begin(), cipher.end()));

    std::string plain(text.size(), '\0');
    ASSERT_EQ(static_cast<int>(text.size()),
              AesGcmDecrypt(cipher.data(), plain.data(), cipher.size(), zeroKey, iv.data(), tag.data()));
    EXPECT_EQ(text, plain);

    const unsigned char otherKey[AES_EKEY_BLOCK_SIZE] = {1};
    EXPECT_EQ(-1, AesGcmDecrypt(cipher.data(), plain.data(), cipher.size(), otherKey, iv.data(), tag.data()));
}

}  // namespace
