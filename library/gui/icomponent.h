#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"

#include <string>

// What every node of the component bus receives. Requests travel down towards
// the server component and the clock; replies and events travel up towards the
// windows. A payload is one serialised record (or, for EventLogged, one audit
// line); a reply carries the request it answers.
class IComponent
{
public:
    virtual ~IComponent();

    virtual void receiveEvent(QUENLARK_BUS_EVENT_PARAMETERS) = 0;
    virtual void receiveReply(QUENLARK_BUS_REPLY_PARAMETERS) = 0;
    virtual void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) = 0;
};
