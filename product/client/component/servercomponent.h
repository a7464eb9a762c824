#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
#include "product/client/component/abstractservercomponent.h"

#include <string>

// Chooses by major code what the server component does with a request: the
// log-on installs the session it opens, a saved message is stamped first, the
// other server operations go to the default exchange, and every other code
// (client requests among them) is left alone, without a reply.
class ServerComponent : public AbstractServerComponent
{
    Q_OBJECT

public:
    explicit ServerComponent(QObject* parent);

    // Always emits one reply, under a wait cursor. A reply with both error
    // codes 0 that opens a session installs it whole (LogonSession); one that
    // refuses the log-on in readable flags goes on unchanged; one that cannot
    // be read or decrypted is emitted as ServiceDecryptionAuthenticationEr.
    // A log-on that opens no session leaves the earlier session id in place.
    void authenticateUserRequestHandler(const common::Opcode majorOpcode,
                                        const common::Opcode minorOpcode,
                                        const std::string& request);
    // Sets the message's modification date to the current UTC time and sends
    // the stamped request; the reply carries it. A request that does not parse
    // (or serialise again) is answered with ProtoParseFromStringEr (or
    // ProtoSerializeToStringEr) without an exchange.
    void updateMessageRequestHandler(const common::Opcode majorOpcode,
                                     const common::Opcode minorOpcode,
                                     const std::string& request);

    // Whether the major code goes to the server by the default exchange.
    static bool IsForwarded(const common::Opcode majorOpcode);

public slots:
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;
};
