#include "library/network/messagecode.h"

MessageCode::MessageCode()
    : m_codeLength(0)
{}

MessageCode::~MessageCode() = default;

void MessageCode::setCode(const Code& code)
{
    m_code = code;
    m_codeLength = static_cast<std::uint32_t>(m_code.size());
}

void MessageCode::resizeCode(std::size_t n)
{
    m_code.resize(n, 0);
    m_codeLength = static_cast<std::uint32_t>(m_code.size());
}
