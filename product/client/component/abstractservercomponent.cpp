#include "product/client/component/abstractservercomponent.h"

#include "library/gui/servercall.h"

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
    ServerCall call(majorOpcode, minorOpcode);
    if (call.send(request)) {
        emit deliverReply(majorOpcode, minorOpcode, request, call.majorErcode(), call.minorErcode(), call.reply());
    } else if (call.noReply()) {
        deliverClientReply(majorOpcode, minorOpcode, request, common::ServiceNoReplyEr);
    }
    // A frame whose header arrived and whose rest did not has been logged by
    // the transport; it gets no reply.
}

void AbstractServerComponent::deliverClientReply(const common::Opcode majorOpcode,
                                                 const common::Opcode minorOpcode,
                                                 const std::string& request,
                                                 const common::Ercode majorErcode)
{
    emit deliverReply(majorOpcode, minorOpcode, request, majorErcode, m_ClientMinorErcode, std::string());
}
