#include "library/gui/log/eventdescriptor.h"

#include "library/common/assertion.h"
#include "library/database/lib/dbid.h"

#include <google/protobuf/descriptor.h>
#include <google/protobuf/message.h>

#include <QCoreApplication>
#include <QtGlobal>

#include <memory>

namespace cef {

namespace {

using google::protobuf::FieldDescriptor;
using google::protobuf::Message;

// A field of a parsed message; `owner` is null when a record on the way to it
// is absent.
struct FieldRef
{
    const Message* owner = nullptr;
    const FieldDescriptor* field = nullptr;
};

std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> names;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type dot = path.find('.', start);
        names.push_back(path.substr(start, dot - start));
        if (dot == std::string::npos) {
            return names;
        }
        start = dot + 1;
    }
}

std::string Label(const std::string& id)
{
    return QCoreApplication::translate("ClientLogEvent", id.c_str()).toStdString();
}

class EventScript
{
public:
    EventScript(const EventDescriptor& descriptor,
                const std::string& request,
                const std::string& reply,
                LogEvent& event)
        : m_descriptor(descriptor)
        , m_request(request)
        , m_reply(reply)
        , m_event(event)
    {}

    bool run()
    {
        for (const EventStep& step : m_descriptor.steps) {
            if (step.action == EventStep::StopWithoutDetails) {
                if (!m_event.addEventDetails()) {
                    return true;
                }
            } else if (!runStep(step)) {
                qWarning("%s", step.warning.c_str());
                return false;
            }
        }
        return true;
    }

private:
    bool runStep(const EventStep& step)
    {
        switch (step.action) {
        case EventStep::Parse:
            return parse(step.path);
        case EventStep::Require:
            return isPresent(find(step.path));
        case EventStep::RequireNotNull:
            return !DbId(intValue(find(step.path))).null();
        case EventStep::AddId:
            addLabelled(step, std::to_string(intValue(find(step.path))));
            return true;
        case EventStep::AddText:
            addText(step);
            return true;
        case EventStep::AddNumber:
            m_event.addKeyValuePair(step.key, intValue(find(step.path)));
            return true;
        case EventStep::AddConstant:
            m_event.addKeyValuePair(step.key, step.constant);
            return true;
        case EventStep::AddIdList:
            addIdList(step);
            return true;
        case EventStep::StopWithoutDetails:
            break;
        }
        return true;
    }

    bool parse(const std::string& source)
    {
        const bool isRequest = source == "request";
        const Message* prototype = isRequest ? m_descriptor.request : m_descriptor.reply;
        if (!QUENLARK_ASSERT(prototype != nullptr)) {
            return false;
        }
        std::unique_ptr<Message>& parsed = isRequest ? m_parsedRequest : m_parsedReply;
        parsed.reset(prototype->New());
        return parsed->ParseFromString(isRequest ? m_request : m_reply);
    }

    FieldRef find(const std::string& path) const
    {
        const std::vector<std::string> names = SplitPath(path);
        const Message* message = names.front() == "request" ? m_parsedRequest.get() : m_parsedReply.get();
        if (!QUENLARK_ASSERT(message != nullptr)) {
            return {};
        }
        for (std::size_t i = 1; i < names.size(); ++i) {
            const FieldDescriptor* field = message->GetDescriptor()->FindFieldByName(names[i]);
            if (!QUENLARK_ASSERT(field != nullptr)) {
                return {};
            }
            if (i + 1 == names.size()) {
                return {message, field};
            }
            if (!message->GetReflection()->HasField(*message, field)) {
                return {};
            }
            message = &message->GetReflection()->GetMessage(*message, field);
        }
        return {};
    }

    static bool isPresent(const FieldRef& ref)
    {
        return ref.owner && ref.owner->GetReflection()->HasField(*ref.owner, ref.field);
    }

    // The int of a field; 0 when it or a record on the way is absent, as the
    // generated getter reads an absent field.
    static int intValue(const FieldRef& ref)
    {
        if (!ref.owner || !QUENLARK_ASSERT(ref.field->cpp_type() == FieldDescriptor::CPPTYPE_INT32)) {
            return 0;
        }
        return ref.owner->GetReflection()->GetInt32(*ref.owner, ref.field);
    }

    void addLabelled(const EventStep& step, const std::string& value)
    {
        m_event.addKeyValuePair(step.key + "Label", Label(step.label));
        m_event.addKeyValuePair(step.key, value);
    }

    void addText(const EventStep& step)
    {
        const FieldRef ref = find(step.path);
        if (!isPresent(ref) || !QUENLARK_ASSERT(ref.field->cpp_type() == FieldDescriptor::CPPTYPE_STRING)) {
            return;
        }
        const std::string text = ref.owner->GetReflection()->GetString(*ref.owner, ref.field);
        if (!text.empty()) {
            addLabelled(step, text);
        }
    }

    void addIdList(const EventStep& step)
    {
        const std::string::size_type lastDot = step.path.rfind('.');
        const FieldRef records = find(step.path.substr(0, lastDot));
        if (!records.owner || !QUENLARK_ASSERT(records.field->is_repeated())) {
            return;
        }
        const std::string idName = step.path.substr(lastDot + 1);
        const auto* reflection = records.owner->GetReflection();
        std::string list;
        const int count = reflection->FieldSize(*records.owner, records.field);
        for (int i = 0; i < count; ++i) {
            const Message& record = reflection->GetRepeatedMessage(*records.owner, records.field, i);
            const FieldDescriptor* id = record.GetDescriptor()->FindFieldByName(idName);
            if (!QUENLARK_ASSERT(id != nullptr)) {
                return;
            }
            if (!list.empty()) {
                list += ", ";
            }
            list += std::to_string(intValue({&record, id}));
        }
        if (!list.empty()) {
            addLabelled(step, list);
        }
    }

    const EventDescriptor& m_descriptor;
    const std::string& m_request;
    const std::string& m_reply;
    LogEvent& m_event;
    std::unique_ptr<Message> m_parsedRequest;
    std::unique_ptr<Message> m_parsedReply;
};

}  // namespace

std::string EventName(const EventDescriptor& descriptor)
{
    return QCoreApplication::translate(descriptor.className, "Name").toStdString();
}

bool RunEventSteps(const EventDescriptor& descriptor,
                   const std::string& request,
                   const std::string& reply,
                   LogEvent& event)
{
    return EventScript(descriptor, request, reply, event).run();
}

}  // namespace cef
