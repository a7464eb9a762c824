#include "product/testserver/exchange.h"

#include "product/testserver/operations.h"

namespace testserver {
namespace {

Frame ReplyFrame(const FrameHeader& requestHeader, const Answer& answer, const SessionKey& key)
{
    Frame reply;
    reply.header.sessionId = answer.sessionId ? static_cast<std::uint32_t>(*answer.sessionId) : requestHeader.sessionId;
    reply.header.majorOpcode = requestHeader.majorOpcode;
    reply.header.minorOpcode = requestHeader.minorOpcode;
    reply.header.majorErcode = static_cast<std::uint32_t>(answer.majorErcode);
    reply.header.minorErcode = static_cast<std::uint32_t>(answer.minorErcode);
    reply.stampNow();
    Sealed sealed = Seal(answer.payload, key);
    reply.ivec = std::move(sealed.ivec);
    reply.atag = std::move(sealed.atag);
    reply.code = std::move(sealed.code);
    reply.matchLengths();
    return reply;
}

}  // namespace

Frame Exchange(ServerState& state, const Frame& request)
{
    const int majorOpcode = static_cast<int>(request.header.majorOpcode);
    const Operation* operation = FindOperation(majorOpcode);
    const Session* session = nullptr;
    SessionKey key = ZeroKey;
    if (!operation || operation->needsSession) {
        session = state.sessions.find(static_cast<int>(request.header.sessionId));
        if (!session) {
            return ReplyFrame(request.header, Failure(common::ServiceBadSessionIdEr), key);
        }
        key = session->key;
    }
    Call call{majorOpcode, static_cast<int>(request.header.minorOpcode), session, {}};
    if (!Open(request.code, request.ivec, request.atag, key, call.payload)) {
        return ReplyFrame(request.header, Failure(common::ServiceDecryptionAuthenticationEr), key);
    }
    if (!operation) {
        return ReplyFrame(request.header, Failure(common::ServiceNoDataFoundEr), key);
    }
    return ReplyFrame(request.header, operation->handler(state, call), key);
}

}  // namespace testserver
