#pragma once

#include <google/protobuf/descriptor.h>
#include <google/protobuf/message.h>

#include <set>
#include <string>
#include <vector>

namespace proxytest {

// The paths of every present field of `message` ("document_key_user.user_id"),
// nested records followed down to their leaves; a present nested record that
// holds nothing is listed under its own name.
inline std::set<std::string> PresentFields(const google::protobuf::Message& message, const std::string& prefix = "")
{
    std::set<std::string> paths;
    std::vector<const google::protobuf::FieldDescriptor*> fields;
    message.GetReflection()->ListFields(message, &fields);
    for (const google::protobuf::FieldDescriptor* field : fields) {
        const std::string path = prefix + field->name();
        if (field->type() == google::protobuf::FieldDescriptor::TYPE_MESSAGE && !field->is_repeated()) {
            const std::set<std::string> inner =
                PresentFields(message.GetReflection()->GetMessage(message, field), path + ".");
            if (inner.empty()) {
                paths.insert(path);
            }
            paths.insert(inner.begin(), inner.end());
        } else {
            paths.insert(path);
        }
    }
    return paths;
}

}  // namespace proxytest
