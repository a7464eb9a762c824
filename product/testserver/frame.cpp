#include "product/testserver/frame.h"

#include "library/security/sharedconstants.h"

#include <sys/socket.h>

#include <cerrno>
#include <ctime>

namespace testserver {
namespace {

// The header's fields in wire order.
constexpr std::uint32_t FrameHeader::*WireOrder[] = {
    &FrameHeader::byteOrder,     &FrameHeader::sessionId,   &FrameHeader::messageId,   &FrameHeader::majorProtocol,
    &FrameHeader::minorProtocol, &FrameHeader::majorOpcode, &FrameHeader::minorOpcode, &FrameHeader::majorErcode,
    &FrameHeader::minorErcode,   &FrameHeader::year,        &FrameHeader::month,       &FrameHeader::day,
    &FrameHeader::hour,          &FrameHeader::minute,      &FrameHeader::second,      &FrameHeader::hmacLength,
    &FrameHeader::ivecLength,    &FrameHeader::atagLength,  &FrameHeader::codeLength,  &FrameHeader::bodyLength,
};
static_assert(sizeof WireOrder / sizeof WireOrder[0] * 4 == HeaderLength, "twenty fields");

// Limits for a request's blocks: the client never sends an HMAC, and no
// request payload comes near the code limit.
constexpr std::uint32_t MaxHmacLength = 1024;
constexpr std::uint32_t MaxCodeLength = 256u << 20;

void PutField(std::string& out, std::uint32_t value, bool bigEndian)
{
    for (int i = 0; i < 4; ++i) {
        const int shift = bigEndian ? 8 * (3 - i) : 8 * i;
        out.push_back(static_cast<char>((value >> shift) & 0xFFu));
    }
}

std::uint32_t GetField(const std::string& bytes, std::size_t offset, bool bigEndian)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const int shift = bigEndian ? 8 * (3 - i) : 8 * i;
        value |= std::uint32_t{static_cast<unsigned char>(bytes[offset + i])} << shift;
    }
    return value;
}

bool ReadExactly(int socket, std::string& into, std::size_t count, std::string& error)
{
    into.assign(count, '\0');
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::recv(socket, &into[done], count - done, 0);
        if (got > 0) {
            done += static_cast<std::size_t>(got);
        } else if (got == 0) {
            error = "peer closed after " + std::to_string(done) + " of " + std::to_string(count) + " bytes";
            return false;
        } else if (errno != EINTR) {
            error = errno == EAGAIN || errno == EWOULDBLOCK ? "timed out waiting for the request" : "receive failed";
            return false;
        }
    }
    return true;
}

const char* RefusedLength(const FrameHeader& header)
{
    if (header.hmacLength > MaxHmacLength) {
        return "HMAC length too large";
    }
    if (header.ivecLength != AES_IVEC_BLOCK_SIZE) {
        return "IV length is not 16";
    }
    if (header.atagLength != AES_ATAG_BLOCK_SIZE) {
        return "tag length is not 16";
    }
    if (header.codeLength > MaxCodeLength) {
        return "code length too large";
    }
    if (header.bodyLength != 0) {
        return "plain body in a request";
    }
    return nullptr;
}

}  // namespace

void Frame::matchLengths()
{
    header.hmacLength = static_cast<std::uint32_t>(hmac.size());
    header.ivecLength = static_cast<std::uint32_t>(ivec.size());
    header.atagLength = static_cast<std::uint32_t>(atag.size());
    header.codeLength = static_cast<std::uint32_t>(code.size());
    header.bodyLength = static_cast<std::uint32_t>(body.size());
}

void Frame::stampNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    ::gmtime_r(&now, &utc);
    header.year = static_cast<std::uint32_t>(utc.tm_year + 1900);
    header.month = static_cast<std::uint32_t>(utc.tm_mon + 1);
    header.day = static_cast<std::uint32_t>(utc.tm_mday);
    header.hour = static_cast<std::uint32_t>(utc.tm_hour);
    header.minute = static_cast<std::uint32_t>(utc.tm_min);
    header.second = static_cast<std::uint32_t>(utc.tm_sec);
}

std::string EncodeHeader(const FrameHeader& header, bool bigEndian)
{
    std::string out;
    out.reserve(HeaderLength);
    FrameHeader written = header;
    written.byteOrder = bigEndian ? 0 : 1;
    for (auto field : WireOrder) {
        PutField(out, written.*field, bigEndian);
    }
    return out;
}

FrameHeader DecodeHeader(const std::string& bytes)
{
    FrameHeader header;
    const bool bigEndian = GetField(bytes, 0, false) != 1;
    std::size_t offset = 0;
    for (auto field : WireOrder) {
        header.*field = GetField(bytes, offset, bigEndian);
        offset += 4;
    }
    header.byteOrder = GetField(bytes, 0, false);
    return header;
}

std::string EncodeFrame(const Frame& frame, bool bigEndianHeader)
{
    return EncodeHeader(frame.header, bigEndianHeader) + frame.hmac + frame.ivec + frame.atag + frame.code + frame.body;
}

bool ReadFrame(int socket, Frame& frame, std::string& error)
{
    std::string headerBytes;
    if (!ReadExactly(socket, headerBytes, HeaderLength, error)) {
        return false;
    }
    frame.header = DecodeHeader(headerBytes);
    if (const char* refused = RefusedLength(frame.header)) {
        error = refused;
        return false;
    }
    return ReadExactly(socket, frame.hmac, frame.header.hmacLength, error)
           && ReadExactly(socket, frame.ivec, frame.header.ivecLength, error)
           && ReadExactly(socket, frame.atag, frame.header.atagLength, error)
           && ReadExactly(socket, frame.code, frame.header.codeLength, error)
           && ReadExactly(socket, frame.body, frame.header.bodyLength, error);
}

bool WriteAll(int socket, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t sent = ::send(socket, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent > 0) {
            done += static_cast<std::size_t>(sent);
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace testserver
