#pragma once

#include "groupkey3.pb.h"

#include <string>

// The base of the views over a group key.
class GroupKeyProxy
{
public:
    virtual ~GroupKeyProxy() = default;
};

// Read access to a group key: a user's membership in a group. Absent fields
// give INT_MIN for an id and the empty text. The record must outlive the
// reader.
class GroupKeyReader : public GroupKeyProxy
{
public:
    explicit GroupKeyReader(const zarv::data::GroupKey& key);
    ~GroupKeyReader() override = default;

    operator const zarv::data::GroupKey&() const;

    int groupId() const;
    std::string groupName() const;
    int userId() const;
    std::string userLastName() const;
    std::string userFirstName() const;
    std::string userMiddleName() const;
    std::string description() const;
    // As stored.
    std::string creationDate() const;
    // The stored day as "%Y-%m-%d", no time-zone conversion; empty when absent,
    // and empty with a logged warning when the text does not begin with a date.
    std::string creationDateDisplay() const;
    std::string userDisplayName() const;
    std::string userDisplayNameAlphabetical() const;

    // The same group, user, names, description and group name; the creation
    // date plays no part.
    friend bool operator==(const GroupKeyReader& left, const GroupKeyReader& right);

private:
    const zarv::data::GroupKey* m_key;
};

bool operator!=(const GroupKeyReader& left, const GroupKeyReader& right);
