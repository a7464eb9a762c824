#include "product/client/component/abstractservercomponent.h"

#include "library/gui/waitcursor.h"
#include "library/network/messagedispatcher.h"

#include <ace/Log_Msg.h>

#include <exception>

AbstractServerComponent::AbstractServerComponent(QObject* parent)
    : Component(parent)
{}

void AbstractServerComponent::receiveRequest(const common::Opcode majorOpcode,
                                             const common::Opcode minorOpcode,
                                             const std::string& request)
{
    defaultRequestHandler(majorOpcode, minorOpcode, request);
}

void AbstractServerComponent::defaultRequestHandler(const common::Opcode majorOpcode,
                                                    const common::Opcode minorOpcode,
                                                    const std::string& request)
{
    MessageDispatcher dispatcher(majorOpcode, minorOpcode, request);
    utils::WaitCursor waitCursor(true);
    const bool replied = exchange(dispatcher);
    waitCursor.restore();
    // Whatever part of the frame went missing, the sender hears of it.
    if (!replied) {
        deliverClientReply(majorOpcode, minorOpcode, request, common::ServiceNoReplyEr);
        return;
    }
    emit deliverReply(majorOpcode, minorOpcode, request, dispatcher.getMajorErcode(), dispatcher.getMinorErcode(),
                      dispatcher.getReply());
}

bool AbstractServerComponent::exchange(MessageDispatcher& dispatcher)
{
    try {
        return dispatcher.dispatch();
    } catch (const std::exception& error) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("(%P|%t) ServerComponent: the exchange failed: %C\n"), error.what()));
        return false;
    }
}

void AbstractServerComponent::deliverClientReply(const common::Opcode majorOpcode,
                                                 const common::Opcode minorOpcode,
                                                 const std::string& request,
                                                 const common::Ercode majorErcode)
{
    emit deliverReply(majorOpcode, minorOpcode, request, majorErcode, m_ClientMinorErcode, std::string());
}
