#include "library/network/messageatag.h"

MessageAtag::MessageAtag()
    : m_atagLength(AES_ATAG_BLOCK_SIZE)
    , m_atag()
{}

MessageAtag::~MessageAtag() = default;
