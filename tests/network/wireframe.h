#pragma once

// The frame as the tests see it on the wire, written with plain byte
// arithmetic so that the client's CDR code is checked, not reused.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace wireframe {

// The twenty header fields in wire order.
enum Field
{
    ByteOrder,
    SessionId,
    MessageId,
    MajorProtocol,
    MinorProtocol,
    MajorOpcode,
    MinorOpcode,
    MajorErcode,
    MinorErcode,
    Year,
    Month,
    Day,
    Hour,
    Minute,
    Second,
    HmacLength,
    IvecLength,
    AtagLength,
    CodeLength,
    BodyLength,
    FieldCount
};

constexpr std::size_t HeaderLength = 80;
using Fields = std::array<std::uint32_t, FieldCount>;

// A little-endian header: byte order 1.
Fields DecodeLittleEndian(const std::string& bytes);

// A reply frame. The lengths follow the blocks unless told otherwise.
struct Reply
{
    Fields fields{};
    std::string hmac;
    std::string ivec = std::string(16, '\0');
    std::string atag = std::string(16, '\0');
    std::string code;
    std::string body;
    bool bigEndian = false;
    bool keepLengths = false;

    Reply();
    // The payload encrypted under the key (16 bytes, or all zero when null)
    // into IV, tag and code, with a fixed IV.
    Reply& encrypted(const std::string& payload, const unsigned char* key = nullptr);
    Reply& codes(std::uint32_t major, std::uint32_t minor);
    Reply& session(std::uint32_t sessionId);
    std::string bytes() const;
};

}  // namespace wireframe
