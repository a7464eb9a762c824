#include "library/core/lib/registry.h"

#include "library/common/assertion.h"

const zarv::data::User& Registry::getUser() const
{
    return m_user;
}

// An unset oneof reads as its default: the empty string, or an empty descriptor.
std::string Registry::getUserName() const
{
    return m_user.user_name();
}

std::string Registry::getUserPassword() const
{
    return m_user.user_security_descriptor().password();
}

void Registry::setUser(const zarv::data::User& user)
{
    m_user.CopyFrom(user);
}

void Registry::setUserName(const std::string& userName)
{
    // clang-format off
    if (!QUENLARK_ASSERT(! userName.empty())) {
        // clang-format on
        return;
    }
    m_user.set_user_name(userName);
}

void Registry::setUserPassword(const std::string& userPassword)
{
    // clang-format off
    if (!QUENLARK_ASSERT(! userPassword.empty())) {
        // clang-format on
        return;
    }
    m_user.mutable_user_security_descriptor()->set_password(userPassword);
}

void Registry::clear()
{
    m_user.Clear();
}
