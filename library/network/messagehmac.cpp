#include "library/network/messagehmac.h"

MessageHmac::MessageHmac()
    : m_hmacLength(0)
{}

MessageHmac::~MessageHmac() = default;

void MessageHmac::setHmac(const std::string& hmac)
{
    m_hmac = hmac;
    m_hmacLength = static_cast<std::uint32_t>(m_hmac.size());
}
