#pragma once

#include "library/common/codes.h"
#include "library/gui/log/logevent.h"

#include <string>
#include <vector>

namespace google::protobuf {
class Message;
}

namespace cef {

// One step of the script an audit event runs on its request or reply, in the
// order of the table. A path names a field from the parsed message down:
// "request.document_key.document_key_user.user_id", "reply.folder_id".
struct EventStep
{
    enum Action
    {
        Parse,               // parses the message `path` names ("request" or "reply")
        Require,             // the field must be present
        RequireNotNull,      // the id field must not hold the null id
        StopWithoutDetails,  // the steps after it run only with the details bit
        AddId,               // `key` = the id, `key`Label = the label
        AddText,             // the same for a text, when it is present and not empty
        AddNumber,           // `key` = the int field, 0 when absent
        AddConstant,         // `key` = `constant`
        AddIdList,           // `key` = the ids of a repeated record field, joined by ", "
    };

    Action action;
    std::string path;
    std::string key;
    // A label id in the translation context ClientLogEvent.
    std::string label;
    // Written when a Parse, Require or RequireNotNull step fails; the event
    // then writes no line.
    std::string warning;
    int constant;
};

// Events of one class built since start-up; never reset.
struct EventCounters
{
    int successOutcomeCnt;
    int failureOutcomeCnt;
    // Request events count here, whatever their outcome.
    int cnt;
};

// Everything that tells one audit event class from another.
struct EventDescriptor
{
    // The audited server reply (positive) or client request (negative).
    common::Opcode majorOpcode;
    // The event's class name, also the translation context of its "Name".
    const char* className;
    int classId;
    Severity severity;
    // The minor code of the event EventLogged that carries the line.
    common::Evcode logKind;
    // The messages that "request" and "reply" parse into, or nullptr.
    const google::protobuf::Message* request;
    const google::protobuf::Message* reply;
    std::vector<EventStep> steps;
    mutable EventCounters counters;
};

// The audit event of a server reply, or nullptr when the reply is not audited.
const EventDescriptor* FindReplyEvent(common::Opcode majorOpcode);
// The audit event of a client request, or nullptr when it is not an audit request.
const EventDescriptor* FindRequestEvent(common::Opcode majorOpcode);

// The translated text of the id "Name" in the event's own context.
std::string EventName(const EventDescriptor& descriptor);

// Runs the descriptor's steps on the serialised request and reply and adds
// their pairs to `event`; false, after one Qt warning, at the first failed check.
bool RunEventSteps(const EventDescriptor& descriptor,
                   const std::string& request,
                   const std::string& reply,
                   LogEvent& event);

}  // namespace cef
