#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The frame's code block: the AES-128-GCM cipher text of the payload.
class MessageCode
{
public:
    using Code = std::basic_string<unsigned char>;

    // The longest code block a reply may announce (256 MiB); a longer one is
    // refused before anything is allocated for it.
    static constexpr std::uint32_t m_MaxCodeLength = 256u * 1024u * 1024u;

    MessageCode();
    virtual ~MessageCode();

    std::uint32_t getCodeLength() const { return m_codeLength; }
    const Code& getCode() const { return m_code; }
    void setCode(const Code& code);
    // n bytes long, new bytes zero.
    void resizeCode(std::size_t n);

protected:
    std::uint32_t m_codeLength;
    Code m_code;
};
