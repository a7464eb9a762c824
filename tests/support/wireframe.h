#pragma once

// The frame as the tests, fuzzers and benchmarks see it on the wire, written
// with plain byte arithmetic so that the client's CDR code is checked, not
// reused. Header-only, for the programs built without the test support
// library; a program that builds a Reply links library/security.

#include "library/security/aesgcm.h"
#include "tests/support/loopbacksocket.h"

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
inline Fields DecodeLittleEndian(const std::string& bytes)
{
    Fields fields{};
    for (std::size_t field = 0; field < FieldCount; ++field) {
        for (std::size_t i = 0; i < 4; ++i) {
            fields[field] |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[4 * field + i])) << (8 * i);
        }
    }
    return fields;
}

// One frame with a little-endian header from a connection: the header, then
// as many bytes as its five block lengths add up to. Fewer when the
// connection ends first.
inline std::string ReadFrame(int socket)
{
    std::string frame = testsupport::ReadUpTo(socket, HeaderLength);
    if (frame.size() == HeaderLength) {
        const Fields fields = DecodeLittleEndian(frame);
        std::size_t blocks = 0;
        for (int field = HmacLength; field <= BodyLength; ++field) {
            blocks += fields[static_cast<std::size_t>(field)];
        }
        frame += testsupport::ReadUpTo(socket, blocks);
    }
    return frame;
}

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

    Reply()
    {
        fields[ByteOrder] = 1;
        fields[SessionId] = 0x80000000u;
        fields[MajorProtocol] = 1;
        fields[MajorOpcode] = 35;
        fields[MinorOpcode] = 1;
        fields[Year] = 2025;
        fields[Month] = 6;
        fields[Day] = 1;
    }

    // The payload encrypted under the key (16 bytes, or all zero when null)
    // into IV, tag and code, with a fixed IV.
    Reply& encrypted(const std::string& payload, const unsigned char* key = nullptr)
    {
        static const unsigned char zeroKey[16] = {};
        ivec = std::string("fixed-nonce-0000", 16);
        atag.assign(16, '\0');
        code.assign(payload.size(), '\0');
        AesGcmEncrypt(payload.data(), reinterpret_cast<unsigned char*>(code.data()), payload.size(),
                      key ? key : zeroKey, reinterpret_cast<const unsigned char*>(ivec.data()),
                      reinterpret_cast<unsigned char*>(atag.data()));
        return *this;
    }

    Reply& codes(std::uint32_t major, std::uint32_t minor)
    {
        fields[MajorErcode] = major;
        fields[MinorErcode] = minor;
        return *this;
    }

    Reply& session(std::uint32_t sessionId)
    {
        fields[SessionId] = sessionId;
        return *this;
    }

    std::string bytes() const
    {
        Fields header = fields;
        if (!keepLengths) {
            header[HmacLength] = static_cast<std::uint32_t>(hmac.size());
            header[IvecLength] = static_cast<std::uint32_t>(ivec.size());
            header[AtagLength] = static_cast<std::uint32_t>(atag.size());
            header[CodeLength] = static_cast<std::uint32_t>(code.size());
            header[BodyLength] = static_cast<std::uint32_t>(body.size());
        }
        std::string frame;
        for (const std::uint32_t value : header) {
            for (std::size_t i = 0; i < 4; ++i) {
                const std::size_t shift = bigEndian ? 8 * (3 - i) : 8 * i;
                frame.push_back(static_cast<char>((value >> shift) & 0xFF));
            }
        }
        return frame + hmac + ivec + atag + code + body;
    }
};

}  // namespace wireframe
