#include "library/core/proxy/groupkeyreader.h"

#include "library/core/proxy/displayname.h"
#include "library/core/proxy/nullid.h"

#include <ace/Log_Msg.h>
#include <boost/date_time/gregorian/gregorian.hpp>

#include <exception>

GroupKeyReader::GroupKeyReader(const zarv::data::GroupKey& key)
    : m_key(&key)
{}

GroupKeyReader::operator const zarv::data::GroupKey&() const
{
    return *m_key;
}

int GroupKeyReader::groupId() const
{
    const zarv::data::Group& group = m_key->group_key_group();
    return proxy::IdOrNull(group.has_group_id(), group.group_id());
}

std::string GroupKeyReader::groupName() const
{
    return m_key->group_key_group().group_name();
}

int GroupKeyReader::userId() const
{
    const zarv::data::User& user = m_key->group_key_user();
    return proxy::IdOrNull(user.has_user_id(), user.user_id());
}

std::string GroupKeyReader::userLastName() const
{
    return m_key->group_key_user().user_last_name();
}

std::string GroupKeyReader::userFirstName() const
{
    return m_key->group_key_user().user_first_name();
}

std::string GroupKeyReader::userMiddleName() const
{
    return m_key->group_key_user().user_middle_name();
}

std::string GroupKeyReader::description() const
{
    return m_key->group_key_description();
}

std::string GroupKeyReader::creationDate() const
{
    return m_key->group_key_creation_date();
}

std::string GroupKeyReader::creationDateDisplay() const
{
    const std::string stored = creationDate();
    if (stored.empty()) {
        return std::string();
    }
    try {
        return boost::gregorian::to_iso_extended_string(boost::gregorian::from_simple_string(stored));
    } catch (const std::exception& error) {
        ACE_ERROR((LM_WARNING, ACE_TEXT("GroupKeyReader: creation date '%C' is not a date: %C\n"), stored.c_str(),
                   error.what()));
        return std::string();
    }
}

std::string GroupKeyReader::userDisplayName() const
{
    return proxy::GetUserDisplayName(userLastName(), userFirstName(), userMiddleName());
}

std::string GroupKeyReader::userDisplayNameAlphabetical() const
{
    return proxy::GetUserDisplayNameAlphabetical(userLastName(), userFirstName(), userMiddleName());
}

bool operator==(const GroupKeyReader& left, const GroupKeyReader& right)
{
    // The display names follow from the names, which are compared already.
    return left.groupId() == right.groupId() && left.userId() == right.userId()
           && left.userLastName() == right.userLastName() && left.userFirstName() == right.userFirstName()
           && left.userMiddleName() == right.userMiddleName() && left.description() == right.description()
           && left.groupName() == right.groupName();
}

bool operator!=(const GroupKeyReader& left, const GroupKeyReader& right)
{
    return !(left == right);
}
