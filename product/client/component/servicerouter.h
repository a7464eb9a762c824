#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
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
    void receiveReply(QUENLARK_BUS_REPLY_PARAMETERS) override;
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;
};
