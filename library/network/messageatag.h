#pragma once

#include "library/security/sharedconstants.h"

#include <array>
#include <cstdint>

// The frame's authentication tag block: the 16-byte AES-128-GCM tag. No other
// length can be held.
class MessageAtag
{
public:
    MessageAtag();
    virtual ~MessageAtag();

    std::uint32_t getAtagLength() const { return m_atagLength; }
    unsigned char* getAtag() { return m_atag.data(); }

protected:
    std::uint32_t m_atagLength;
    // Zero until a body is encrypted.
    std::array<unsigned char, AES_ATAG_BLOCK_SIZE> m_atag;
};
