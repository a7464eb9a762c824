#pragma once

#include <bitset>
#include <cstddef>

// The records' bit words (active, permissions, audits, properties) are 32
// single bits, bit 0 the lowest. A position of 32 or more throws
// std::out_of_range, as a 32-bit bit set does.
namespace proxy {

inline bool TestBit(int word, std::size_t position)
{
    return std::bitset<32>(static_cast<unsigned int>(word)).test(position);
}

// `word` with the bit at `position` set (`on`) or cleared; the others kept.
inline int WithBit(int word, std::size_t position, bool on)
{
    return static_cast<int>(std::bitset<32>(static_cast<unsigned int>(word)).set(position, on).to_ulong());
}

// Whether any of the bits from `first` to `last`, both included, is set.
inline bool AnyBit(int word, std::size_t first, std::size_t last)
{
    for (std::size_t position = first; position <= last; ++position) {
        if (TestBit(word, position)) {
            return true;
        }
    }
    return false;
}

// Whether the two words agree in the bits from 0 to `count` - 1.
inline bool LowBitsEqual(int left, int right, std::size_t count)
{
    for (std::size_t position = 0; position < count; ++position) {
        if (TestBit(left, position) != TestBit(right, position)) {
            return false;
        }
    }
    return true;
}

}  // namespace proxy
