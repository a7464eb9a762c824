#include "library/network/messagedispatcher.h"

#include "library/common/assertion.h"
#include "library/common/codes.h"
#include "library/network/message.h"
#include "library/network/port.h"
#include "library/security/cryptographer.h"

#include <ace/Log_Msg.h>
#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

std::string MessageDispatcher::m_serverName;
int MessageDispatcher::m_serverPort = 0;
DbId MessageDispatcher::m_sessionId = DbId::m_NullId;
std::string MessageDispatcher::m_sessionCreationDate;
std::chrono::milliseconds MessageDispatcher::m_timeout = MessageChannel::m_DefaultTimeout;

MessageDispatcher::MessageDispatcher(int majorOpcode, int minorOpcode, const std::string& request)
    : m_majorOpcode(majorOpcode)
    , m_minorOpcode(minorOpcode)
    , m_request(request)
    , m_majorErcode(common::UnsetEr)
    , m_minorErcode(common::UnsetEr)
{}

bool MessageDispatcher::dispatch()
{
    m_majorErcode = common::UnsetEr;
    m_minorErcode = common::UnsetEr;
    m_reply.clear();
    return exchange();
}

bool MessageDispatcher::exchange()
{
    const unsigned char* key = ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey();

    Message message(static_cast<unsigned short>(m_serverPort), m_serverName.c_str(), m_timeout);
    message.setMajorOpcode(m_majorOpcode);
    message.setMinorOpcode(m_minorOpcode);
    message.setSessionId(m_sessionId);
    message.setBody(m_request);
    message.encrypt(key);

    if (message.connect() == common::Error) {
        ACE_ERROR((LM_NOTICE, ACE_TEXT("(%P|%t) %p\n"),
                   ACE_TEXT("MessageDispatcher::dispatch(): no connection to the server")));
        return false;
    }
    if (message.send() == common::Error || message.receive() == common::Error) {
        return false;
    }
    // The body block travels outside the encryption: a payload there is
    // unauthenticated and never becomes the reply.
    if (!QUENLARK_ASSERT(0 == message.getBody().size())) {
        return false;
    }
    if (message.decrypt(key) <= 0) {
        ACE_ERROR((LM_NOTICE, ACE_TEXT("(%P|%t) MessageDispatcher::dispatch(): the reply does not authenticate\n")));
        return false;
    }

    m_majorErcode = message.getMajorErcode();
    m_minorErcode = message.getMinorErcode();
    m_sessionId = message.getSessionId();
    m_reply = message.getBody();
    return true;
}

bool MessageDispatcher::noEr() const
{
    return m_majorErcode == common::NoEr && m_minorErcode == common::NoEr;
}

void MessageDispatcher::setServerName(const std::string& name)
{
    QUENLARK_ASSERT(!name.empty());
    m_serverName = name;
}

std::string MessageDispatcher::getServerName()
{
    return m_serverName;
}

void MessageDispatcher::setServerPort(int port)
{
    if (QUENLARK_ASSERT(network::IsValidPort(port))) {
        m_serverPort = port;
    }
}

int MessageDispatcher::getServerPort()
{
    return m_serverPort;
}

void MessageDispatcher::setSessionId(int sessionId)
{
    m_sessionId = sessionId;
}

int MessageDispatcher::getSessionId()
{
    return m_sessionId;
}

void MessageDispatcher::setSessionCreationDate(const std::string& date)
{
    m_sessionCreationDate = date;
}

std::string MessageDispatcher::getSessionCreationDate()
{
    return m_sessionCreationDate;
}

void MessageDispatcher::setTimeout(std::chrono::milliseconds timeout)
{
    m_timeout = timeout;
}

std::chrono::milliseconds MessageDispatcher::getTimeout()
{
    return m_timeout;
}
