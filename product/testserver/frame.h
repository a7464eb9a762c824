#pragma once

// The test server's own reading and writing of the frame: an 80-byte header of
// twenty 32-bit fields, then the HMAC, IV, tag, code and body blocks. Written
// apart from the client's frame classes so that one mistake cannot hide on
// both sides of the wire.

#include <cstddef>
#include <cstdint>
#include <string>

namespace testserver {

struct FrameHeader
{
    std::uint32_t byteOrder = 1;
    std::uint32_t sessionId = 0x80000000u;
    std::uint32_t messageId = 0;
    std::uint32_t majorProtocol = 1;
    std::uint32_t minorProtocol = 0;
    std::uint32_t majorOpcode = 0;
    std::uint32_t minorOpcode = 0;
    std::uint32_t majorErcode = 0;
    std::uint32_t minorErcode = 0;
    std::uint32_t year = 0;
    std::uint32_t month = 0;
    std::uint32_t day = 0;
    std::uint32_t hour = 0;
    std::uint32_t minute = 0;
    std::uint32_t second = 0;
    std::uint32_t hmacLength = 0;
    std::uint32_t ivecLength = 0;
    std::uint32_t atagLength = 0;
    std::uint32_t codeLength = 0;
    std::uint32_t bodyLength = 0;
};

constexpr std::size_t HeaderLength = 80;

struct Frame
{
    FrameHeader header;
    std::string hmac;
    std::string ivec;
    std::string atag;
    std::string code;
    std::string body;

    // Makes the header's five lengths those of the blocks.
    void matchLengths();
    // Sets the six time fields to the current UTC time.
    void stampNow();
};

// The header as the 80 bytes of the wire: byte order 1 and little-endian
// fields, or, for a big-endian header, every field big-endian (the byte-order
// field then reads 0).
std::string EncodeHeader(const FrameHeader& header, bool bigEndian = false);

// The 80 header bytes back as fields: little-endian when the first field reads
// 1 as little-endian, big-endian otherwise.
FrameHeader DecodeHeader(const std::string& bytes);

// Header and blocks as they go on the wire. The header's lengths are written
// as they stand, whatever the blocks hold.
std::string EncodeFrame(const Frame& frame, bool bigEndianHeader = false);

// Reads one request frame from a connected socket. Returns false, with the
// reason in `error`, when the peer closes early, a read times out, or a block
// length is one that no request may carry (an IV or tag other than 16 bytes,
// an oversized HMAC or code, a plain body): nothing is allocated for a
// refused length.
bool ReadFrame(int socket, Frame& frame, std::string& error);

// Writes all bytes; false when the connection fails.
bool WriteAll(int socket, const std::string& bytes);

}  // namespace testserver
