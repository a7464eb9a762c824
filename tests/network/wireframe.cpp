#include "tests/network/wireframe.h"

#include "library/security/aesgcm.h"

namespace wireframe {

namespace {

std::uint32_t LittleEndianWord(const std::string& bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    }
    return value;
}

void AppendWord(std::string& bytes, std::uint32_t value, bool bigEndian)
{
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t shift = bigEndian ? 8 * (3 - i) : 8 * i;
        bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

}  // namespace

Fields DecodeLittleEndian(const std::string& bytes)
{
    Fields fields{};
    for (std::size_t i = 0; i < FieldCount; ++i) {
        fields[i] = LittleEndianWord(bytes, 4 * i);
    }
    return fields;
}

Reply::Reply()
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

Reply& Reply::encrypted(const std::string& payload, const unsigned char* key)
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

Reply& Reply::codes(std::uint32_t major, std::uint32_t minor)
{
    fields[MajorErcode] = major;
    fields[MinorErcode] = minor;
    return *this;
}

Reply& Reply::session(std::uint32_t sessionId)
{
    fields[SessionId] = sessionId;
    return *this;
}

std::string Reply::bytes() const
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
    for (std::size_t i = 0; i < FieldCount; ++i) {
        AppendWord(frame, header[i], bigEndian);
    }
    return frame + hmac + ivec + atag + code + body;
}

}  // namespace wireframe
