#pragma once

#include "library/security/sharedconstants.h"

#include <array>
#include <cstdint>

// The frame's IV block: 16 bytes, of which AES-128-GCM uses the first 12.
// No other length can be held.
class MessageIvec
{
public:
    MessageIvec();
    virtual ~MessageIvec();

    std::uint32_t getIvecLength() const { return m_ivecLength; }
    unsigned char* getIvec() { return m_ivec.data(); }

protected:
    std::uint32_t m_ivecLength;
    // Zero until an IV is drawn, so a frame with an empty body sends no
    // leftover memory.
    std::array<unsigned char, AES_IVEC_BLOCK_SIZE> m_ivec;
};
