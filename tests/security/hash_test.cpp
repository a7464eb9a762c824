#include "library/security/cryptoerror.h"
#include "library/security/cryptographer.h"
#include "library/security/hash.h"
#include "library/security/sharedconstants.h"
#include "tests/security/testkeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

namespace {

using testkeys::FromHex;

// The published vectors are in lower case; every result here is upper case.
std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool IsUpperHex(const std::string& text)
{
    return text.find_first_not_of("0123456789ABCDEF") == std::string::npos;
}

std::string Repeat(const char* hexByte, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += hexByte;
    }
    return text;
}

const std::string Sha448BitMessage = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";

TEST(Hash, Sha256OfTextMatchesFips180Examples)
{
    const struct
    {
        std::string text;
        const char* digest;
    } cases[] = {
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {Sha448BitMessage, "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Upper(c.digest), HashText(c.text));
        // The raw form counts a terminating NUL in its length.
        EXPECT_EQ(Upper(c.digest), HashText(c.text.c_str(), c.text.size() + 1));
    }
    EXPECT_EQ(Upper(cases[2].digest), HashText(nullptr, 0));
}

TEST(Hash, UrlHashIsSha1AndCaseSensitive)
{
    EXPECT_EQ("A9993E364706816ABA3E25717850C26C9CD0D89D", HashUrl("abc"));
    EXPECT_EQ("84983E441C3BD26EBAAE4AA1F95129E5E54670F1", HashUrl(Sha448BitMessage));
    EXPECT_EQ("DA39A3EE5E6B4B0D3255BFEF95601890AFD80709", HashUrl(""));
    EXPECT_EQ(HashUrl("https://example.org/a"), HashUrl("https://example.org/a"));
    EXPECT_NE(HashUrl("https://example.org/a"), HashUrl("https://Example.org/a"));
}

TEST(Hash, MessageHashIsHmacSha1OfRfc2202)
{
    const struct
    {
        std::string keyHex;
        std::string dataHex;
        const char* digest;
    } cases[] = {
        {Repeat("0b", 20), "4869205468657265", "b617318655057264e28bc0b6fb378c8ef146be00"},
        {"4a656665", "7768617420646f2079612077616e7420666f72206e6f7468696e673f",
         "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79"},
        {Repeat("aa", 20), Repeat("dd", 50), "125d7342b9ac11cd91a39af48aa17b4f63f175d3"},
        {"0102030405060708090a0b0c0d0e0f10111213141516171819", Repeat("cd", 50),
         "4c9007f4026250c6bc8414f9bf50c86c2d7235da"},
        {Repeat("aa", 80),
         "54657374205573696e67204c6172676572205468616e20426c6f636b2d53697a65204b6579202d20486173"
         "68204b6579204669727374",
         "aa4ae5e15272d00e95705637ce8a3b55ed402112"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digest);
        std::vector<unsigned char> key = FromHex(c.keyHex);
        std::vector<unsigned char> data = FromHex(c.dataHex);
        key.push_back(0);
        data.push_back(0);
        EXPECT_EQ(Upper(c.digest), HashMessage(data.data(), data.size(), reinterpret_cast<const char*>(key.data()),
                                               static_cast<int>(key.size())));
    }
    // An empty key, with or without its NUL counted, is HMAC's all-zero key.
    const auto* abc = reinterpret_cast<const unsigned char*>("abc");
    EXPECT_EQ("9B4A918F398D74D3E367970ABA3CBE54E4D2B5D9", HashMessage(abc, 4, "", 1));
    EXPECT_EQ("9B4A918F398D74D3E367970ABA3CBE54E4D2B5D9", HashMessage(abc, 4, "", 0));
}

TEST(Hash, MessageHashWithoutKeyUsesTheSharedMessageKey)
{
    // Independently: printf hello | openssl dgst -sha1 -hmac <HashMessageKey>
    EXPECT_EQ("AA8E72099870A86351FCAB441B0FD66209CAD217", HashMessage("hello"));
    EXPECT_EQ(HashMessage("hello"), HashMessage(reinterpret_cast<const unsigned char*>("hello"), sizeof "hello"));
}

TEST(Hash, PasswordStretchingIsPbkdf2HmacSha1OfRfc6070)
{
    const struct
    {
        std::string password;
        std::string salt;
        int iterations;
        int outputLength;
        const char* derived;
    } cases[] = {
        {"password", "salt", 1, 20, "0c60c80f961f0e71f3a9b524af6012062fe037a6"},
        {"password", "salt", 2, 20, "ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957"},
        {"password", "salt", 4096, 20, "4b007901b765489abead49d926f721d065a429c1"},
        {"passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 25,
         "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038"},
        {std::string("pass\0word", 9), std::string("sa\0lt", 5), 4096, 16, "56fa6aa75548099dcc37d7f03425e0c3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.derived);
        EXPECT_EQ(Upper(c.derived), HashPassword(c.password.c_str(), c.password.size() + 1,
                                                 reinterpret_cast<const unsigned char*>(c.salt.c_str()),
                                                 c.salt.size() + 1, c.iterations, c.outputLength));
    }
    // The shorter forms: 4096 iterations, 16 bytes.
    const std::string expected = Upper("4b007901b765489abead49d926f721d0");
    EXPECT_EQ(expected, HashPassword("password", sizeof "password", reinterpret_cast<const unsigned char*>("salt"),
                                     sizeof "salt"));
    EXPECT_EQ(expected, HashPassword(std::string("password"), std::string("salt")));

    for (const int bad : {0, -1}) {
        EXPECT_THROW(HashPassword("p", 2, reinterpret_cast<const unsigned char*>("s"), 2, bad, 16),
                     OpenSSLRuntimeError);
        EXPECT_THROW(HashPassword("p", 2, reinterpret_cast<const unsigned char*>("s"), 2, 1, bad), OpenSSLRuntimeError);
    }
}

TEST(Hash, UserNameAndPasswordHashesAreSaltedSha256)
{
    // Independently: printf '%s%s' alice <HashUserNameSalt> | sha256sum
    EXPECT_EQ("834E2C4FB8219CC75480A44EF42BFE018DB037B57746FCC983D89E6C18EB3D6A", HashUserName("alice"));
    EXPECT_EQ("7B7E499F87D43A001CC176C538591CE7876634E2EDD44E99EA4B6B7DF42D244E", HashPassword("secret"));
    // An empty text still hashes: the hash of the salt alone.
    EXPECT_EQ("DC2A22ECFC189EA598431BD919214568B92BD5A6CA6C6A7E2E8E85B79E9AB042", HashPassword(""));
    EXPECT_EQ(HashText(HashUserNameSalt), HashUserName(""));

    for (const std::string text : {"", "alice", "Ünïcödé name"}) {
        SCOPED_TRACE(text);
        const std::string userNameHash = HashUserName(text);
        const std::string passwordHash = HashPassword(text);
        EXPECT_EQ(64u, userNameHash.size());
        EXPECT_EQ(64u, passwordHash.size());
        EXPECT_TRUE(IsUpperHex(userNameHash));
        EXPECT_TRUE(IsUpperHex(passwordHash));
        EXPECT_NE(userNameHash, passwordHash);
    }
}

class StoredPassword : public testing::Test
{
protected:
    const std::string hash = HashPassword("secret");
    const std::string otherHash = HashPassword("Secret");
};

TEST_F(StoredPassword, KnownStoredFormIsAccepted)
{
    // Independently: salt text, then PBKDF2-HMAC-SHA1(hash, salt text, 4096, 16).
    EXPECT_TRUE(DecodePassword(hash, "00112233445566778899AABBCCDDEEFF56C983FD9D53327F79634F3996DE241B"));
}

TEST_F(StoredPassword, EachEncodingHasAFreshSaltAndDecodes)
{
    const std::string first = EncodePassword(hash);
    const std::string second = EncodePassword(hash);
    EXPECT_NE(first, second);
    EXPECT_NE(first.substr(0, 32), second.substr(0, 32));
    for (const std::string& stored : {first, second}) {
        EXPECT_EQ(64u, stored.size());
        EXPECT_TRUE(IsUpperHex(stored));
        EXPECT_EQ(stored.substr(32), HashPassword(hash, stored.substr(0, 32)));
        EXPECT_TRUE(DecodePassword(hash, stored));
        EXPECT_FALSE(DecodePassword(otherHash, stored));
    }
}

TEST_F(StoredPassword, AnyChangeOfTheStoredFormIsRejected)
{
    const std::string stored = EncodePassword(hash);
    const struct
    {
        const char* name;
        std::function<std::string(std::string)> change;
    } cases[] = {
        {"check half in lower case",
         [](std::string s) {
             std::transform(s.begin() + 32, s.end(), s.begin() + 32,
                            [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
             return s;
         }},
        {"first salt character",
         [](std::string s) {
             s[0] = s[0] == 'A' ? 'B' : 'A';
             return s;
         }},
        {"last salt character",
         [](std::string s) {
             s[31] = s[31] == 'A' ? 'B' : 'A';
             return s;
         }},
        {"first check character",
         [](std::string s) {
             s[32] = s[32] == 'A' ? 'B' : 'A';
             return s;
         }},
        {"last check character",
         [](std::string s) {
             s[63] = s[63] == 'A' ? 'B' : 'A';
             return s;
         }},
        {"halves swapped", [](std::string s) { return s.substr(32) + s.substr(0, 32); }},
    };
    for (const auto& c : cases) {
        const std::string changed = c.change(stored);
        SCOPED_TRACE(std::string(c.name) + ": " + changed);
        ASSERT_NE(stored, changed);
        EXPECT_FALSE(DecodePassword(hash, changed));
    }
}

TEST_F(StoredPassword, WrongLengthsThrowWithTheirTexts)
{
    const std::string stored = EncodePassword(hash);
    const struct
    {
        const char* name;
        std::function<void()> call;
        const char* what;
    } cases[] = {
        {"encode 63", [&] { EncodePassword(hash.substr(1)); }, "bad pass size"},
        {"encode 65", [&] { EncodePassword(hash + "A"); }, "bad pass size"},
        {"encode empty", [&] { EncodePassword(""); }, "bad pass size"},
        {"decode empty stored", [&] { DecodePassword(hash, ""); }, "bad key size"},
        {"decode 63 stored", [&] { DecodePassword(hash, stored.substr(1)); }, "bad key size"},
        {"decode 65 stored", [&] { DecodePassword(hash, stored + "A"); }, "bad key size"},
        {"decode 63 hash, empty stored", [&] { DecodePassword(hash.substr(1), ""); }, "bad pass size"},
        {"decode 65 hash", [&] { DecodePassword(hash + "A", stored); }, "bad pass size"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.call();
            ADD_FAILURE() << "no exception";
        } catch (const CryptoLengthError& error) {
            EXPECT_STREQ(c.what, error.what());
        }
    }
}

TEST(Cryptographer, SessionKeyIsClearUntilAKeyIsWrittenAndAfterClear)
{
    Cryptographer cryptographer;
    EXPECT_TRUE(cryptographer.isClear());
    unsigned char* key = cryptographer.getEkey();
    EXPECT_EQ(std::vector<unsigned char>(AES_EKEY_BLOCK_SIZE, 0),
              std::vector<unsigned char>(key, key + AES_EKEY_BLOCK_SIZE));

    key[AES_EKEY_BLOCK_SIZE - 1] = 0x01;
    EXPECT_FALSE(cryptographer.isClear());
    cryptographer.clear();
    EXPECT_TRUE(cryptographer.isClear());
    EXPECT_EQ(key, cryptographer.getEkey());

    std::fill(key, key + AES_EKEY_BLOCK_SIZE, 0);
    EXPECT_TRUE(cryptographer.isClear());
}

TEST(Cryptographer, ProcessWideInstanceOffersTheHashes)
{
    Cryptographer* cryptographer = ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
    ASSERT_NE(nullptr, cryptographer);
    EXPECT_EQ(cryptographer, (ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()));
    EXPECT_EQ(HashUserName("alice"), cryptographer->hashUserName("alice"));
    EXPECT_EQ(HashPassword("secret"), cryptographer->hashPassword("secret"));
    EXPECT_EQ(HashMessage("hello"), cryptographer->hashMessage("hello"));
    const std::string stored = cryptographer->encodePassword(HashPassword("secret"));
    EXPECT_TRUE(cryptographer->decodePassword(HashPassword("secret"), stored));
    EXPECT_FALSE(cryptographer->decodePassword(HashPassword("other"), stored));
}

}  // namespace
