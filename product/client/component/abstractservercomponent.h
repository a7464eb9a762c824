#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
#include "library/gui/component.h"

#include <string>

// The bus's one way to the server: each request it receives is one
// synchronous exchange through the transport, answered by at most one reply.
class AbstractServerComponent : public Component
{
    Q_OBJECT

public:
    // The minor error code of the replies that the client makes itself
    // (ServiceNoReplyEr and requests that cannot be sent).
    static constexpr common::Ercode m_ClientMinorErcode = 1;

    explicit AbstractServerComponent(QObject* parent);

public slots:
    // Hands the request to defaultRequestHandler.
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;
    // Sends the request under a wait cursor and emits the server's reply with
    // the frame's error codes; when no reply arrived (the codes still 1 and
    // 1), emits ServiceNoReplyEr with an empty reply.
    virtual void defaultRequestHandler(const common::Opcode majorOpcode,
                                       const common::Opcode minorOpcode,
                                       const std::string& request);

protected:
    // Emits a reply made by the client: the error code, m_ClientMinorErcode,
    // an empty reply.
    void deliverClientReply(const common::Opcode majorOpcode,
                            const common::Opcode minorOpcode,
                            const std::string& request,
                            const common::Ercode majorErcode);
};
