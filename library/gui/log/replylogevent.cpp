#include "library/gui/log/replylogevent.h"

#include "library/common/ercodenames.h"

#include <QCoreApplication>

namespace cef {

std::string ErrorMessageId(common::Ercode code)
{
    switch (code) {
    // Named codes that carry no audit text of their own.
    case common::ServiceNoReplyEr:
    case common::NoEr:
    case common::UnsetEr:
    case common::DatabaseConnectionEr:
    case common::DatabaseInvalidArgumentEr:
    case common::DatabaseNullPointerEr:
        return "UnknownErMsg";
    default:
        break;
    }
    const char* name = common::ErcodeName(code);
    return name ? std::string(name) + "Msg" : std::string("UnknownErMsg");
}

}  // namespace cef

ReplyLogEvent::ReplyLogEvent(common::Opcode majorOpcode,
                             common::Opcode minorOpcode,
                             const std::string& request,
                             common::Ercode majorErcode,
                             common::Ercode minorErcode,
                             const std::string& reply,
                             QObject* parent)
    : ClientLogEvent(parent)
    , m_majorOpcode(majorOpcode)
    , m_minorOpcode(minorOpcode)
    , m_request(request)
    , m_majorErcode(majorErcode)
    , m_minorErcode(minorErcode)
    , m_reply(reply)
{}

std::string ReplyLogEvent::operator()()
{
    if (!auditEvent() || !handleEvent()) {
        return std::string();
    }
    addServerAddress();
    if (m_majorErcode == common::NoEr) {
        return handleSuccess();
    }
    addKeyValuePair("reason", m_majorErcode);
    if (addEventDetails()) {
        const std::string id = cef::ErrorMessageId(m_majorErcode);
        addKeyValuePair("msg", QCoreApplication::translate("ReplyLogEvent", id.c_str()).toStdString());
    }
    return handleFailure();
}

std::string ReplyLogEvent::handleSuccess()
{
    return logEvent(cef::SuccessOutcome);
}

std::string ReplyLogEvent::handleFailure()
{
    return logEvent(cef::FailureOutcome);
}
