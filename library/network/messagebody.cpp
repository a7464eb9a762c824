#include "library/network/messagebody.h"

MessageBody::MessageBody()
    : m_bodyLength(0)
{}

MessageBody::~MessageBody() = default;

void MessageBody::setBody(const std::string& body)
{
    m_body = body;
    m_bodyLength = static_cast<std::uint32_t>(m_body.size());
}
