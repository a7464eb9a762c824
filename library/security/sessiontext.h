#pragma once

#include <array>
#include <cstddef>
#include <string>

// The session values of a log-on reply arrive as text. These readers are the
// one rule for them: the log-on context checks a reply with them and the
// log-on session installs what they read.

constexpr std::size_t SessionKeyLength = 16;
constexpr std::size_t SessionKeyTextLength = 34;

// The 16-byte session key of its 34-character text: two characters that are
// skipped, then the key as 32 hexadecimal digits, upper or lower case. False
// for any other text, and `key` is then unchanged.
bool DecodeSessionKey(const std::string& keyText, std::array<unsigned char, SessionKeyLength>& key);

// Reads a decimal int as std::stoi does: optional white space, an optional
// sign, then at least one digit, within the int range; what follows the digits
// is ignored. False where std::stoi would throw, and `value` is then unchanged.
bool ReadDecimalInt(const std::string& text, int& value);
