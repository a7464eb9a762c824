#pragma once

#include <cstdint>
#include <string>

// The frame's body block: the plain payload. It travels empty, since the
// payload goes encrypted in the code block; after decryption it holds the
// reply payload.
class MessageBody
{
public:
    // The longest body block a reply may announce (256 MiB); a longer one is
    // refused before anything is allocated for it.
    static constexpr std::uint32_t m_MaxBodyLength = 256u * 1024u * 1024u;

    MessageBody();
    virtual ~MessageBody();

    std::uint32_t getBodyLength() const { return m_bodyLength; }
    const std::string& getBody() const { return m_body; }
    void setBody(const std::string& body);

protected:
    std::uint32_t m_bodyLength;
    std::string m_body;
};
