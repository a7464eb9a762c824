#pragma once

#include "library/common/codes.h"

#include <optional>
#include <string>

class MessageDispatcher;

// One synchronous request to the server outside the bus, for the pickers,
// dialogs and lists that wait for their answer: the request goes out through
// the transport under the wait cursor, and the call gives the parsed reply or
// the codes of its failure. Neither windows nor managers see it, and it is
// not audited.
//
//     ServerCall call(common::SelectDictionary);
//     if (const auto reply = call.call<zarv::data::SelectDictionaryReply>(request)) { ... }
//     else if (call.noReply()) { ... }
class ServerCall
{
public:
    // The minor error code of the failures that the client finds itself.
    static constexpr common::Ercode ClientMinorErcode = 1;

    explicit ServerCall(common::Opcode majorOpcode, common::Opcode minorOpcode = common::Untagged);

    // Sends the serialised request and waits for the reply; true when one
    // arrived whole. The error codes and the payload are then the server's;
    // otherwise the codes are those that the transport left (1 and 1 when no
    // reply arrived) and the payload is empty.
    bool send(const std::string& request);

    // Sends the request and reads the reply as a `Reply`. Nothing when the
    // request does not serialise (ProtoSerializeToStringEr, nothing is sent),
    // no reply arrived, the server refused it (its error codes), or the
    // payload does not parse (ProtoParseFromStringEr); the codes say which.
    template <typename Reply, typename Request>
    std::optional<Reply> call(const Request& request)
    {
        std::string payload;
        if (!request.SerializeToString(&payload)) {
            fail(common::ProtoSerializeToStringEr);
            return std::nullopt;
        }
        if (!send(payload) || !succeeded()) {
            return std::nullopt;
        }
        Reply reply;
        if (!reply.ParseFromString(m_reply)) {
            fail(common::ProtoParseFromStringEr);
            return std::nullopt;
        }
        return reply;
    }

    common::Ercode majorErcode() const { return m_majorErcode; }
    common::Ercode minorErcode() const { return m_minorErcode; }
    const std::string& reply() const { return m_reply; }
    // Both error codes 0.
    bool succeeded() const;
    // No reply arrived: the codes are still 1 and 1.
    bool noReply() const;

    // Runs the dispatcher's exchange; false when no reply arrived, an
    // exception out of the transport included (it is logged).
    static bool Dispatch(MessageDispatcher& dispatcher);

private:
    void fail(common::Ercode majorErcode);

    const common::Opcode m_majorOpcode;
    const common::Opcode m_minorOpcode;
    common::Ercode m_majorErcode = common::UnsetEr;
    common::Ercode m_minorErcode = common::UnsetEr;
    std::string m_reply;
};
