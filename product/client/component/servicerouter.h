#pragma once

#include "library/common/codes.h"
#include "library/gui/connector.h"

#include <string>

class AbstractServiceRouter : public Connector
{
    Q_OBJECT

public:
    using Connector::Connector;
};

// Audits on the way between the service connector and the executive
// connector. Every audited reply is preceded by the event EventLogged with its
// audit line (possibly empty) and the log kind as minor code; an audit request
// becomes such an event and goes no further down. Everything else passes on
// unchanged.
class ServiceRouter : public AbstractServiceRouter
{
    Q_OBJECT

public:
    using AbstractServiceRouter::AbstractServiceRouter;

public slots:
    void receiveReply(const common::Opcode majorOpcode,
                      const common::Opcode minorOpcode = common::Untagged,
                      const std::string& request = std::string(),
                      const common::Ercode majorErcode = common::NoEr,
                      const common::Ercode minorErcode = common::NoEr,
                      const std::string& reply = std::string()) override;
    void receiveRequest(const common::Opcode majorOpcode,
                        const common::Opcode minorOpcode = common::Untagged,
                        const std::string& request = std::string()) override;
};
