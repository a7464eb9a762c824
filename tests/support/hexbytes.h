#pragma once

#include <cstdio>
#include <sstream>
#include <string>

namespace testsupport {

// "C0 3E 00" -> the three bytes.
inline std::string BytesFromHex(const std::string& hex)
{
    std::istringstream in(hex);
    std::string bytes;
    unsigned int byte = 0;
    while (in >> std::hex >> byte) {
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

// The three bytes -> "C0 3E 00".
inline std::string HexFromBytes(const std::string& bytes)
{
    std::string hex;
    char pair[4];
    for (unsigned char byte : bytes) {
        std::snprintf(pair, sizeof pair, hex.empty() ? "%02X" : " %02X", byte);
        hex += pair;
    }
    return hex;
}

}  // namespace testsupport
