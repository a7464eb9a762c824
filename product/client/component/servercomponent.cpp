#include "product/client/component/servercomponent.h"

#include "library/common/clock.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/servercall.h"
#include "product/client/component/logonsession.h"

#include "updatemessagerequest3.pb.h"

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
    ServerCall call(majorOpcode, minorOpcode);
    LogonSession::Outcome outcome = LogonSession::Outcome::Unreadable;
    {
        // A log-on that opens no session puts the earlier session id back
        // here, before anyone sees the reply.
        LogonSession session;
        if (call.send(request) && call.succeeded()) {
            outcome = session.open(call.reply());
        }
    }
    if (call.noReply()) {
        deliverClientReply(majorOpcode, minorOpcode, request, common::ServiceNoReplyEr);
    } else if (call.succeeded() && outcome == LogonSession::Outcome::Unreadable) {
        emit deliverReply(majorOpcode, minorOpcode, request, common::ServiceDecryptionAuthenticationEr,
                          m_ClientMinorErcode, call.reply());
    } else {
        // A refusal that reads (user not found, wrong password, no session
        // made) goes on with codes 0 and 0: the console words it from the
        // reply's flags.
        emit deliverReply(majorOpcode, minorOpcode, request, call.majorErcode(), call.minorErcode(), call.reply());
    }
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
