#include "product/client/component/servicerouter.h"

#include "library/gui/log/describedlogevent.h"

#include <ace/Log_Msg.h>

#include <exception>

namespace {

// The audit line of an event. A line that cannot be built is logged and left
// empty: the reply it belongs to must still reach the windows.
template <typename Event>
std::string AuditLine(Event& event)
{
    try {
        return event();
    } catch (const std::exception& error) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("(%P|%t) ServiceRouter: no audit line: %C\n"), error.what()));
        return std::string();
    }
}

}  // namespace

void ServiceRouter::receiveReply(const common::Opcode majorOpcode,
                                 const common::Opcode minorOpcode,
                                 const std::string& request,
                                 const common::Ercode majorErcode,
                                 const common::Ercode minorErcode,
                                 const std::string& reply)
{
    if (const cef::EventDescriptor* audit = cef::FindReplyEvent(majorOpcode)) {
        DescribedReplyLogEvent event(*audit, majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
        const std::string line = AuditLine(event);
        emit deliverEvent(common::EventLogged, event.getLogKind(), line);
    }
    emit deliverReply(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
}

void ServiceRouter::receiveRequest(const common::Opcode majorOpcode,
                                   const common::Opcode minorOpcode,
                                   const std::string& request)
{
    if (const cef::EventDescriptor* audit = cef::FindRequestEvent(majorOpcode)) {
        DescribedRequestLogEvent event(*audit, majorOpcode, minorOpcode, request);
        const std::string line = AuditLine(event);
        emit deliverEvent(common::EventLogged, event.getLogKind(), line);
        return;
    }
    emit deliverRequest(majorOpcode, minorOpcode, request);
}
