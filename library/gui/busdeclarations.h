#pragma once

#include "library/common/codes.h"

#include <string>

// The argument lists of the component bus, declared once for every node.
// moc expands these macros (it reads this header through the include path),
// so a signal or slot declared with them has the same meta-object, argument
// names and shorter forms as one written out: every argument after the major
// code has a default, the minor codes Untagged, the error codes NoEr and the
// payloads empty.

// clang-format off
#define QUENLARK_BUS_EVENT_PARAMETERS                           \
    const common::Evcode majorEvcode,                           \
    const common::Evcode minorEvcode = common::Untagged,        \
    const std::string& event = std::string()

#define QUENLARK_BUS_REPLY_PARAMETERS                           \
    const common::Opcode majorOpcode,                           \
    const common::Opcode minorOpcode = common::Untagged,        \
    const std::string& request = std::string(),                 \
    const common::Ercode majorErcode = common::NoEr,            \
    const common::Ercode minorErcode = common::NoEr,            \
    const std::string& reply = std::string()

#define QUENLARK_BUS_REQUEST_PARAMETERS                         \
    const common::Opcode majorOpcode,                           \
    const common::Opcode minorOpcode = common::Untagged,        \
    const std::string& request = std::string()

// The two halves of the reply split of the windows and the managers; an
// error has no defaults.
#define QUENLARK_BUS_PROCESS_REPLY_PARAMETERS                   \
    const common::Opcode majorOpcode,                           \
    const common::Opcode minorOpcode = common::Untagged,        \
    const std::string& request = std::string(),                 \
    const std::string& reply = std::string()

#define QUENLARK_BUS_PROCESS_ERROR_PARAMETERS                   \
    const common::Opcode majorOpcode,                           \
    const common::Opcode minorOpcode,                           \
    const std::string& request,                                 \
    const common::Ercode majorErcode,                           \
    const common::Ercode minorErcode,                           \
    const std::string& reply

// The three signals of a node, in the bus's order.
#define QUENLARK_BUS_DELIVER_SIGNALS                            \
    void deliverEvent(QUENLARK_BUS_EVENT_PARAMETERS);           \
    void deliverReply(QUENLARK_BUS_REPLY_PARAMETERS);           \
    void deliverRequest(QUENLARK_BUS_REQUEST_PARAMETERS);

// The three receive slots of a node, in the same order, each overriding
// IComponent's.
#define QUENLARK_BUS_RECEIVE_SLOTS                              \
    void receiveEvent(QUENLARK_BUS_EVENT_PARAMETERS) override;  \
    void receiveReply(QUENLARK_BUS_REPLY_PARAMETERS) override;  \
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;

// The definitions of three receive slots that ignore what they receive.
#define QUENLARK_BUS_IGNORING_RECEIVE_SLOTS(Class)                                                      \
    void Class::receiveEvent(const common::Evcode, const common::Evcode, const std::string&) {}         \
    void Class::receiveReply(const common::Opcode, const common::Opcode, const std::string&,            \
                             const common::Ercode, const common::Ercode, const std::string&) {}         \
    void Class::receiveRequest(const common::Opcode, const common::Opcode, const std::string&) {}
// clang-format on
