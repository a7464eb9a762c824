#include "product/testserver/usercolumns.h"

#include "user3.pb.h"

namespace testserver {

std::vector<Column> UserColumns(const zarv::data::User& user)
{
    const zarv::data::SecurityDescriptor& descriptor = user.user_security_descriptor();
    auto number = [](int value) { return std::to_string(value); };
    return {
        {"user_id", number(user.user_id())},
        {"user_group_id", number(user.user_group_id())},
        {"user_name", user.user_name()},
        {"user_last_name", user.user_last_name()},
        {"user_first_name", user.user_first_name()},
        {"user_middle_name", user.user_middle_name()},
        {"user_description", user.user_description()},
        {"user_properties", number(user.user_properties())},
        {"user_creation_date", user.user_creation_date()},
        {"active", number(descriptor.active())},
        {"active_region", descriptor.active_region()},
        {"active_from", descriptor.active_from()},
        {"active_to", descriptor.active_to()},
        {"audits", number(descriptor.audits())},
        {"password", descriptor.password()},
        {"permissions", number(descriptor.permissions())},
        {"session_duration", number(descriptor.session_duration())},
        {"expiration_date", descriptor.expiration_date()},
        {"expiration_action", number(descriptor.expiration_action())},
        {"user_security_descriptor_password_length", number(user.user_security_descriptor_password_length())},
        {"user_folder_id", number(user.user_folder_id())},
        {"user_message_folder_id", number(user.user_message_folder_id())},
    };
}

}  // namespace testserver
