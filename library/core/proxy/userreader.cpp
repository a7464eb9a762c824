#include "library/core/proxy/userreader.h"

#include "library/core/proxy/displayname.h"
#include "library/core/proxy/nullid.h"
#include "library/database/lib/dbtimestamp.h"

namespace {

proxy::NamePart Part(bool present, const std::string& text)
{
    return present ? proxy::NamePart(text) : std::nullopt;
}

using NameFormat = std::string (*)(const proxy::NamePart&, const proxy::NamePart&, const proxy::NamePart&);

// Fed with the last, first and middle name as the record holds them.
std::string FormatName(const zarv::data::User& user, NameFormat format)
{
    return format(Part(user.has_user_last_name(), user.user_last_name()),
                  Part(user.has_user_first_name(), user.user_first_name()),
                  Part(user.has_user_middle_name(), user.user_middle_name()));
}

}  // namespace

UserReader::UserReader(const zarv::data::User& user)
    : m_user(&user)
{}

UserReader::operator const zarv::data::User&() const
{
    return *m_user;
}

bool UserReader::isValid() const
{
    // An absent id reads as the null id.
    return id() != DbId::m_NullId && groupId() != DbId::m_NullId && !lastName().empty() && !firstName().empty();
}

int UserReader::id() const
{
    return proxy::IdOrNull(m_user->has_user_id(), m_user->user_id());
}

int UserReader::groupId() const
{
    return proxy::IdOrNull(m_user->has_user_group_id(), m_user->user_group_id());
}

std::string UserReader::userName() const
{
    return m_user->user_name();
}

std::string UserReader::lastName() const
{
    return m_user->user_last_name();
}

std::string UserReader::firstName() const
{
    return m_user->user_first_name();
}

std::string UserReader::middleName() const
{
    return m_user->user_middle_name();
}

std::string UserReader::description() const
{
    return m_user->user_description();
}

int UserReader::properties() const
{
    return m_user->user_properties();
}

std::string UserReader::creationDate() const
{
    return DbTimestamp(m_user->user_creation_date()).toIsoString();
}

std::string UserReader::creationDateDisplay() const
{
    return DbTimestamp(m_user->user_creation_date()).toDisplayString();
}

std::string UserReader::displayName() const
{
    return FormatName(*m_user, &proxy::FormatDisplayName);
}

std::string UserReader::displayNameAlphabetical() const
{
    return FormatName(*m_user, &proxy::FormatDisplayNameAlphabetical);
}
