#include "library/network/messageivec.h"

MessageIvec::MessageIvec()
    : m_ivecLength(AES_IVEC_BLOCK_SIZE)
    , m_ivec()
{}

MessageIvec::~MessageIvec() = default;
