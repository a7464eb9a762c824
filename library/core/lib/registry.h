#pragma once

#include "user3.pb.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <string>

// The record of the user who is logged on, for the whole process; empty
// before log-on and after log-off. The process uses one instance:
// ACE_Singleton<Registry, ACE_Null_Mutex>::instance().
class Registry
{
public:
    virtual ~Registry() = default;

    const zarv::data::User& getUser() const;
    // The user-name hash, or the empty string when it is not set.
    std::string getUserName() const;
    // The stored form of the password in the user's security descriptor, or
    // the empty string when either is not set.
    std::string getUserPassword() const;

    // Replaces the whole record with a copy of `user`.
    void setUser(const zarv::data::User& user);
    // Both refuse an empty text (a failed precondition) and keep the record.
    void setUserName(const std::string& userName);
    // Creates the security descriptor when the record has none.
    void setUserPassword(const std::string& userPassword);

    // Every field unset.
    void clear();

private:
    zarv::data::User m_user;
};
