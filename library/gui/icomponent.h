#pragma once

#include "library/common/codes.h"

#include <string>

// What every node of the component bus receives. Requests travel down towards
// the server component and the clock; replies and events travel up towards the
// windows. A payload is one serialised record (or, for EventLogged, one audit
// line); a reply carries the request it answers.
class IComponent
{
public:
    virtual ~IComponent();

    virtual void receiveEvent(const common::Evcode majorEvcode,
                              const common::Evcode minorEvcode = common::Untagged,
                              const std::string& event = std::string()) = 0;
    virtual void receiveReply(const common::Opcode majorOpcode,
                              const common::Opcode minorOpcode = common::Untagged,
                              const std::string& request = std::string(),
                              const common::Ercode majorErcode = common::NoEr,
                              const common::Ercode minorErcode = common::NoEr,
                              const std::string& reply = std::string()) = 0;
    virtual void receiveRequest(const common::Opcode majorOpcode,
                                const common::Opcode minorOpcode = common::Untagged,
                                const std::string& request = std::string()) = 0;
};
