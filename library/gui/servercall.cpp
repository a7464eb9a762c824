#include "library/gui/servercall.h"

#include "library/gui/waitcursor.h"
#include "library/network/messagedispatcher.h"

#include <ace/Log_Msg.h>

#include <exception>

ServerCall::ServerCall(common::Opcode majorOpcode, common::Opcode minorOpcode)
    : m_majorOpcode(majorOpcode)
    , m_minorOpcode(minorOpcode)
{}

bool ServerCall::send(const std::string& request)
{
    MessageDispatcher dispatcher(m_majorOpcode, m_minorOpcode, request);
    utils::WaitCursor waitCursor(true);
    const bool replied = Dispatch(dispatcher);
    m_majorErcode = dispatcher.getMajorErcode();
    m_minorErcode = dispatcher.getMinorErcode();
    m_reply = dispatcher.getReply();
    return replied;
}

bool ServerCall::succeeded() const
{
    return m_majorErcode == common::NoEr && m_minorErcode == common::NoEr;
}

bool ServerCall::noReply() const
{
    return m_majorErcode == common::UnsetEr && m_minorErcode == common::UnsetEr;
}

bool ServerCall::Dispatch(MessageDispatcher& dispatcher)
{
    try {
        return dispatcher.dispatch();
    } catch (const std::exception& error) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("(%P|%t) the exchange with the server failed: %C\n"), error.what()));
        return false;
    }
}

void ServerCall::fail(common::Ercode majorErcode)
{
    m_majorErcode = majorErcode;
    m_minorErcode = ClientMinorErcode;
}
