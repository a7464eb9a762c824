#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The frame's HMAC block. The client never fills it; a reply's HMAC is read
// and kept, never trusted.
class MessageHmac
{
public:
    // The longest HMAC block a reply may announce; an HMAC text is a few dozen
    // characters, so anything longer is refused before it is read.
    static constexpr std::uint32_t m_MaxHmacLength = 512;

    MessageHmac();
    virtual ~MessageHmac();

    std::uint32_t getHmacLength() const { return m_hmacLength; }
    std::string getHmac() const { return m_hmac; }
    void setHmac(const std::string& hmac);

protected:
    std::uint32_t m_hmacLength;
    std::string m_hmac;
};
