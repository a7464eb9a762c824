#pragma once

// Faults that the server injects into its replies on demand, so that tests
// can see how a client copes with a broken or hostile server. Each applies to
// every reply.

#include "product/testserver/frame.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testserver {

struct Faults
{
    std::optional<std::size_t> closeAfterHeaderBytes;  // close-after-header-bytes=K
    bool closeMidCode = false;                         // close-mid-code
    bool flipTag = false;                              // flip-tag
    bool flipCode = false;                             // flip-code
    bool bigEndianHeader = false;                      // big-endian-header
    std::optional<std::pair<int, int>> errorCodes;     // error-codes=M,m
    bool plainBody = false;                            // plain-body
    std::optional<std::uint32_t> ivecLength;           // ivec-length=N
    std::optional<std::uint32_t> atagLength;           // atag-length=N
    bool hugeCodeLength = false;                       // huge-code-length
    int delayMs = 0;                                   // delay-ms=T
    int trickleMs = 0;                                 // trickle-ms=T
    std::optional<int> sessionId;                      // session-id=S
    bool noReply = false;                              // no-reply
    // Modes written "mode@M": they apply only to the replies of major opcode M.
    std::vector<std::pair<int, std::string>> limited;

    // Adds one mode written as "name" or "name=value", either followed by
    // "@M" to limit it to the replies of major opcode M. False, with the
    // reason in `error`, for an unknown mode, a bad value or a bad opcode.
    bool add(const std::string& mode, std::string& error);

    // The faults of a reply to a request of this major opcode.
    Faults forOpcode(int majorOpcode) const;

    // The bytes that go out for a reply, every fault applied. Delay, trickle
    // and no-reply are the caller's.
    std::string shape(Frame reply) const;
};

// The plain body block that plain-body adds.
inline constexpr char PlainBodyText[] = "unauthenticated plain body";

// The code length that huge-code-length announces.
inline constexpr std::uint32_t HugeCodeLength = 0x7FFFFFFF;

}  // namespace testserver
