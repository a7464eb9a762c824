#pragma once

#include "library/common/codes.h"
#include "library/gui/log/clientlogevent.h"

#include <string>

// The audit event of an action that stays in the client (copy, export, paste,
// print): its line has no outcome.
class RequestLogEvent : public ClientLogEvent
{
    Q_OBJECT

public:
    RequestLogEvent(common::Opcode majorOpcode,
                    common::Opcode minorOpcode,
                    const std::string& request,
                    QObject* parent);

    // The audit line, or the empty string when the event is not audited or
    // its request is faulty.
    virtual std::string operator()();

protected:
    const common::Opcode m_majorOpcode;
    const common::Opcode m_minorOpcode;
    const std::string m_request;
};
