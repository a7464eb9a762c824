// The session values of a log-on reply read from their text: the key in its
// 34 characters and the session id read as a decimal int.

#include "library/security/sessiontext.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

namespace {

TEST(SessionTextTest, ASessionIdIsReadAsDecimalTextOfAnInt)
{
    struct Row
    {
        const char* text;
        bool read;
        int value;
    };
    const Row rows[] = {
        {"42", true, 42},
        {" 42", true, 42},
        {"\t\n42", true, 42},
        {"42\n", true, 42},
        {"42 and more", true, 42},
        {"+7", true, 7},
        {"-3", true, -3},
        {"007", true, 7},
        {"2147483647", true, INT_MAX},
        {"-2147483648", true, INT_MIN},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999999", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"+", false, 0},
        {"- 4", false, 0},
        {"x42", false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.text + "\"");
        int value = 12345;
        EXPECT_EQ(ReadDecimalInt(row.text, value), row.read);
        EXPECT_EQ(value, row.read ? row.value : 12345);
    }
}

TEST(SessionTextTest, ASessionKeyIsThirtyTwoHexDigitsAfterTwoSkippedCharacters)
{
    const std::array<unsigned char, SessionKeyLength> expected = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                                                  0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    for (const char* text : {"0x00112233445566778899AABBCCDDEEFF", "zz00112233445566778899aabbccddeeff"}) {
        SCOPED_TRACE(text);
        std::array<unsigned char, SessionKeyLength> key{};
        ASSERT_TRUE(DecodeSessionKey(text, key));
        EXPECT_EQ(key, expected);
    }

    const std::array<unsigned char, SessionKeyLength> untouched = {1, 2, 3};
    for (const char* text : {"", "0x00112233445566778899AABBCCDDEEF", "0x00112233445566778899AABBCCDDEEFF0",
                             "0x0011223344556677889GAABBCCDDEEFF", "0x00112233445566778899AABBCCDDEE F"}) {
        SCOPED_TRACE(text);
        std::array<unsigned char, SessionKeyLength> key = untouched;
        EXPECT_FALSE(DecodeSessionKey(text, key));
        EXPECT_EQ(key, untouched);
    }
}

}  // namespace
