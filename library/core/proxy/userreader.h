#pragma once

#include "user3.pb.h"

#include <string>

// Read access to a user record. Absent fields give INT_MIN for an id, 0 for
// a word and the empty text. The record must outlive the reader.
class UserReader
{
public:
    explicit UserReader(const zarv::data::User& user);

    operator const zarv::data::User&() const;

    // Both ids present and not null, last and first name not empty.
    bool isValid() const;
    int id() const;
    int groupId() const;
    std::string userName() const;
    std::string lastName() const;
    std::string firstName() const;
    std::string middleName() const;
    std::string description() const;
    int properties() const;
    // The creation date in UTC, ISO basic form or display form; empty when
    // absent or not a timestamp.
    std::string creationDate() const;
    std::string creationDateDisplay() const;
    // "First Middle Last" and "Last, First Middle", decided by which fields
    // are present, not by their text: empty when the last or the first name is
    // absent; the middle name whenever it is present, even empty.
    std::string displayName() const;
    std::string displayNameAlphabetical() const;

private:
    const zarv::data::User* m_user;
};
