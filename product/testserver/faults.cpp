#include "product/testserver/faults.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace testserver {
namespace {

bool ParseNumber(const std::string& text, long long minimum, long long maximum, long long& value)
{
    if (text.empty() || text.size() > 20) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= minimum && value <= maximum;
}

template <typename Target>
bool SetNumber(const std::string& text, long long minimum, long long maximum, Target& target)
{
    long long value = 0;
    if (!ParseNumber(text, minimum, maximum, value)) {
        return false;
    }
    target = static_cast<typename Target::value_type>(value);
    return true;
}

constexpr long long MaxBlockLength = 1 << 16;
constexpr long long MaxDelayMs = 10 * 60 * 1000;

bool SetMilliseconds(const std::string& text, long long minimum, int& target)
{
    long long value = 0;
    if (!ParseNumber(text, minimum, MaxDelayMs, value)) {
        return false;
    }
    target = static_cast<int>(value);
    return true;
}

// A mode without a value takes an empty text and accepts nothing else.
struct Mode
{
    const char* name;
    bool takesValue;
    bool (*set)(Faults& faults, const std::string& value);
};

const Mode Modes[] = {
    {"close-after-header-bytes", true,
     [](Faults& f, const std::string& v) { return SetNumber(v, 0, 79, f.closeAfterHeaderBytes); }},
    {"close-mid-code", false, [](Faults& f, const std::string&) { return f.closeMidCode = true; }},
    {"flip-tag", false, [](Faults& f, const std::string&) { return f.flipTag = true; }},
    {"flip-code", false, [](Faults& f, const std::string&) { return f.flipCode = true; }},
    {"big-endian-header", false, [](Faults& f, const std::string&) { return f.bigEndianHeader = true; }},
    {"error-codes", true,
     [](Faults& f, const std::string& v) {
         const std::size_t comma = v.find(',');
         long long major = 0;
         long long minor = 0;
         if (comma == std::string::npos || !ParseNumber(v.substr(0, comma), INT_MIN, INT_MAX, major)
             || !ParseNumber(v.substr(comma + 1), INT_MIN, INT_MAX, minor)) {
             return false;
         }
         f.errorCodes = std::make_pair(static_cast<int>(major), static_cast<int>(minor));
         return true;
     }},
    {"plain-body", false, [](Faults& f, const std::string&) { return f.plainBody = true; }},
    {"ivec-length", true,
     [](Faults& f, const std::string& v) { return SetNumber(v, 0, MaxBlockLength, f.ivecLength); }},
    {"atag-length", true,
     [](Faults& f, const std::string& v) { return SetNumber(v, 0, MaxBlockLength, f.atagLength); }},
    {"huge-code-length", false, [](Faults& f, const std::string&) { return f.hugeCodeLength = true; }},
    {"delay-ms", true, [](Faults& f, const std::string& v) { return SetMilliseconds(v, 0, f.delayMs); }},
    {"trickle-ms", true, [](Faults& f, const std::string& v) { return SetMilliseconds(v, 1, f.trickleMs); }},
    {"session-id", true, [](Faults& f, const std::string& v) { return SetNumber(v, INT_MIN, INT_MAX, f.sessionId); }},
    {"no-reply", false, [](Faults& f, const std::string&) { return f.noReply = true; }},
};

}  // namespace

bool Faults::add(const std::string& mode, std::string& error)
{
    const std::size_t at = mode.rfind('@');
    if (at != std::string::npos) {
        long long opcode = 0;
        Faults check;
        if (!ParseNumber(mode.substr(at + 1), INT_MIN, INT_MAX, opcode)) {
            error = "fault " + mode + " needs a major opcode after @";
            return false;
        }
        if (!check.add(mode.substr(0, at), error)) {
            return false;
        }
        limited.emplace_back(static_cast<int>(opcode), mode.substr(0, at));
        return true;
    }
    const std::size_t equals = mode.find('=');
    const std::string name = mode.substr(0, equals);
    const bool hasValue = equals != std::string::npos;
    const std::string value = hasValue ? mode.substr(equals + 1) : std::string();
    for (const Mode& known : Modes) {
        if (name != known.name) {
            continue;
        }
        if (hasValue != known.takesValue || !known.set(*this, value)) {
            error = known.takesValue ? "fault " + name + " needs a valid value: " + mode
                                     : "fault " + name + " takes no value: " + mode;
            return false;
        }
        return true;
    }
    error = "unknown fault: " + mode;
    return false;
}

Faults Faults::forOpcode(int majorOpcode) const
{
    Faults faults = *this;
    faults.limited.clear();
    std::string error;
    for (const auto& [opcode, mode] : limited) {
        if (opcode == majorOpcode) {
            faults.add(mode, error);
        }
    }
    return faults;
}

std::string Faults::shape(Frame reply) const
{
    if (errorCodes) {
        reply.header.majorErcode = static_cast<std::uint32_t>(errorCodes->first);
        reply.header.minorErcode = static_cast<std::uint32_t>(errorCodes->second);
    }
    if (sessionId) {
        reply.header.sessionId = static_cast<std::uint32_t>(*sessionId);
    }
    if (plainBody) {
        reply.body = PlainBodyText;
    }
    if (flipTag && !reply.atag.empty()) {
        reply.atag[0] = static_cast<char>(reply.atag[0] ^ 0x01);
    }
    if (flipCode && !reply.code.empty()) {
        reply.code[0] = static_cast<char>(reply.code[0] ^ 0x01);
    }
    if (ivecLength) {
        reply.ivec.resize(*ivecLength, '\0');
    }
    if (atagLength) {
        reply.atag.resize(*atagLength, '\0');
    }
    reply.matchLengths();
    if (hugeCodeLength) {
        reply.header.codeLength = HugeCodeLength;
    }

    std::string bytes = EncodeFrame(reply, bigEndianHeader);
    if (closeAfterHeaderBytes) {
        bytes.resize(*closeAfterHeaderBytes);
    } else if (closeMidCode) {
        bytes.resize(HeaderLength + reply.hmac.size() + reply.ivec.size() + reply.atag.size() + reply.code.size() / 2);
    }
    return bytes;
}

}  // namespace testserver
