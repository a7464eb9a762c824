#pragma once

// A bare client for the test server's tests: builds request bytes and reads
// reply bytes by their offsets, on its own, apart from the server's frame
// code and from library/network. The encryption is the client's own
// (library/security), so these tests also show that both sides agree.

#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>

namespace rawclient {

using Key = std::array<unsigned char, 16>;
inline constexpr Key ZeroKey{};

// The fixture test.textproto opens session 7 for "ada" under this key.
inline constexpr int OpenSessionId = 7;
inline constexpr Key OpenSessionKey{0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                    0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};

// The twenty header fields by position.
enum HeaderField
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
    BodyLength
};

// A request frame as the client sends it: byte order 1, the payload
// encrypted under the key with a random IV.
std::string Request(int majorOpcode, int minorOpcode, int sessionId, const std::string& payload, const Key& key);

// Overwrites one header field of a frame, little-endian.
void SetField(std::string& frame, HeaderField field, std::uint32_t value);

// Header field of received bytes: little-endian when the byte-order field
// reads 1, big-endian otherwise. The bytes must hold the field.
std::uint32_t Field(const std::string& frame, HeaderField field);
int SignedField(const std::string& frame, HeaderField field);

// The blocks of a received frame, cut by the header's lengths; nothing when
// the bytes are fewer than the header announces.
struct Blocks
{
    std::string hmac, ivec, atag, code, body;
};
std::optional<Blocks> Split(const std::string& frame);

// The reply payload: the code block decrypted under the key (an empty code
// gives an empty payload); nothing when the frame is short or the tag fails.
std::optional<std::string> Decrypt(const std::string& frame, const Key& key);

// Connects to 127.0.0.1:port, sends the bytes, half-closes and returns every
// byte the server sends until it closes. Fails the test on a connection error.
std::string Exchange(unsigned short port, const std::string& bytes, const char* host = "127.0.0.1");

// An AuthenticateUser request (opcode 3, minor 1) made by the client's log-on
// code, under the all-zero key.
std::string LogOnRequest(const std::string& name, const std::string& password, int sessionId = INT_MIN);

}  // namespace rawclient
