#pragma once

#include "library/common/codes.h"
#include "library/gui/log/clientlogevent.h"

#include <string>

// The audit event of a server reply: a success line, or a failure line with
// the major error code as "reason" and, with details, its text as "msg".
class ReplyLogEvent : public ClientLogEvent
{
    Q_OBJECT

public:
    ReplyLogEvent(common::Opcode majorOpcode,
                  common::Opcode minorOpcode,
                  const std::string& request,
                  common::Ercode majorErcode,
                  common::Ercode minorErcode,
                  const std::string& reply,
                  QObject* parent);

    // The audit line, or the empty string when the event is not audited or
    // its request or reply is faulty.
    virtual std::string operator()();
    virtual std::string handleSuccess();
    virtual std::string handleFailure();

protected:
    const common::Opcode m_majorOpcode;
    const common::Opcode m_minorOpcode;
    const std::string m_request;
    const common::Ercode m_majorErcode;
    const common::Ercode m_minorErcode;
    const std::string m_reply;
};

namespace cef {

// The translation id of the audit text of a major error code, in the context
// ReplyLogEvent: the code's name followed by "Msg", or "UnknownErMsg" for a
// code that has no audit text.
std::string ErrorMessageId(common::Ercode code);

}  // namespace cef
