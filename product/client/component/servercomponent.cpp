#include "product/client/component/servercomponent.h"

#include "library/common/clock.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/network/messagedispatcher.h"
#include "product/client/component/logonsession.h"

#include "updatemessagerequest3.pb.h"

#include <optional>

namespace {

struct OpcodeRange
{
    common::Opcode first;
    common::Opcode last;
};

// Server operations that the default exchange sends; 42 and 64 have no name
// in the client but belong to the server's blocks.
constexpr OpcodeRange ForwardedOpcodes[] = {
    {common::TerminateUserSession, common::DeleteFolder},
    {common::DeleteMessageDocument, common::DeleteUserGroupUser},
    {common::InsertDictionary, common::InsertFolder},
    {common::InsertMessageDocument, common::InsertUserGroupUser},
    {common::SelectDictionary, common::SelectDocument},
    {common::SelectFolderKey, 42},
    {common::SelectMessageFolder, common::UpdateFolder},
    {common::UpdateMessageFolder, common::UpdateMessageFolder},
    {common::UpdateMessageUser, 64},
};

}  // namespace

ServerComponent::ServerComponent(QObject* parent)
    : AbstractServerComponent(parent)
{}

bool ServerComponent::IsForwarded(const common::Opcode majorOpcode)
{
    for (const OpcodeRange& range : ForwardedOpcodes) {
        if (majorOpcode >= range.first && majorOpcode <= range.last) {
            return true;
        }
    }
    return false;
}

void ServerComponent::receiveRequest(const common::Opcode majorOpcode,
                                     const common::Opcode minorOpcode,
                                     const std::string& request)
{
    switch (majorOpcode) {
    case common::AuthenticateUser:
        authenticateUserRequestHandler(majorOpcode, minorOpcode, request);
        break;
    case common::UpdateMessage:
        updateMessageRequestHandler(majorOpcode, minorOpcode, request);
        break;
    default:
        if (IsForwarded(majorOpcode)) {
            AbstractServerComponent::receiveRequest(majorOpcode, minorOpcode, request);
        }
        break;
    }
}

void ServerComponent::authenticateUserRequestHandler(const common::Opcode majorOpcode,
                                                     const common::Opcode minorOpcode,
                                                     const std::string& request)
{
    // The transport takes the session id of every reply header; only a
    // session that is installed may keep it.
    const int earlierSessionId = MessageDispatcher::getSessionId();
    MessageDispatcher dispatcher(majorOpcode, minorOpcode, request);
    if (!exchange(dispatcher)) {
        deliverClientReply(majorOpcode, minorOpcode, request, common::ServiceNoReplyEr);
        return;
    }

    const std::string reply = dispatcher.getReply();
    common::Ercode majorErcode = dispatcher.getMajorErcode();
    common::Ercode minorErcode = dispatcher.getMinorErcode();
    if (dispatcher.noEr()) {
        if (const std::optional<LogonSession> session = LogonSession::Read(reply)) {
            session->install();
            emit deliverReply(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
            return;
        }
        majorErcode = common::ServiceDecryptionAuthenticationEr;
        minorErcode = m_ClientMinorErcode;
    }
    MessageDispatcher::setSessionId(earlierSessionId);
    emit deliverReply(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
}

void ServerComponent::updateMessageRequestHandler(const common::Opcode majorOpcode,
                                                  const common::Opcode minorOpcode,
                                                  const std::string& request)
{
    zarv::data::UpdateMessageRequest updateMessageRequest;
    if (!updateMessageRequest.ParseFromString(request)) {
        deliverClientReply(majorOpcode, minorOpcode, request, common::ProtoParseFromStringEr);
        return;
    }
    updateMessageRequest.mutable_message()->set_message_modification_date(
        DbTimestamp(common::Clock::universalTime()).toDbString());
    std::string stampedRequest;
    if (!updateMessageRequest.SerializeToString(&stampedRequest)) {
        deliverClientReply(majorOpcode, minorOpcode, request, common::ProtoSerializeToStringEr);
        return;
    }
    AbstractServerComponent::receiveRequest(majorOpcode, minorOpcode, stampedRequest);
}
