#include "library/security/sessiontext.h"

#include <climits>
#include <cstdint>

namespace {

constexpr std::size_t SessionKeySkippedLength = 2;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

bool DecodeSessionKey(const std::string& keyText, std::array<unsigned char, SessionKeyLength>& key)
{
    if (keyText.size() != SessionKeyTextLength) {
        return false;
    }
    std::array<unsigned char, SessionKeyLength> decoded{};
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const int high = HexDigit(keyText[SessionKeySkippedLength + 2 * i]);
        const int low = HexDigit(keyText[SessionKeySkippedLength + 2 * i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        decoded[i] = static_cast<unsigned char>(high * 16 + low);
    }
    key = decoded;
    return true;
}

bool ReadDecimalInt(const std::string& text, int& value)
{
    static const std::string whiteSpace = " \t\n\v\f\r";
    std::size_t position = text.find_first_not_of(whiteSpace);
    if (position == std::string::npos) {
        return false;
    }
    const bool negative = text[position] == '-';
    if (negative || text[position] == '+') {
        ++position;
    }
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
    const std::size_t firstDigit = position;
    std::int64_t magnitude = 0;
    for (; position < text.size() && text[position] >= '0' && text[position] <= '9'; ++position) {
        magnitude = magnitude * 10 + (text[position] - '0');
        if (magnitude > limit) {
            return false;
        }
    }
    if (position == firstDigit) {
        return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}
