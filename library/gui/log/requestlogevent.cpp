#include "library/gui/log/requestlogevent.h"

RequestLogEvent::RequestLogEvent(common::Opcode majorOpcode,
                                 common::Opcode minorOpcode,
                                 const std::string& request,
                                 QObject* parent)
    : ClientLogEvent(parent)
    , m_majorOpcode(majorOpcode)
    , m_minorOpcode(minorOpcode)
    , m_request(request)
{}

std::string RequestLogEvent::operator()()
{
    if (!auditEvent() || !handleEvent()) {
        return std::string();
    }
    addServerAddress();
    return logEvent(cef::NoOutcome);
}
