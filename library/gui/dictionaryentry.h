#pragma once

#include "dictionary3.pb.h"

#include <string>

// One word of the user's own dictionary, as the spell checker collects it
// during a session and the server stores it. Two entries are the same entry
// when their words are equal byte for byte; description, definition and
// access take no part, so a set holds each word once.
class DictionaryEntry
{
public:
    // The server's access code of the word, carried to the wire record
    // unchanged; the client creates every entry with 0.
    enum Access : int
    {
    };

    DictionaryEntry(const std::string& word,
                    const std::string& description,
                    const std::string& definition,
                    DictionaryEntry::Access access);
    virtual ~DictionaryEntry() = default;

    DictionaryEntry(const DictionaryEntry&) = default;
    DictionaryEntry& operator=(const DictionaryEntry&) = default;

    std::string getWord() const;
    std::string getDescription() const;
    std::string getDefinition() const;
    DictionaryEntry::Access getAccess() const;

    void setWord(std::string word);
    void setDescription(std::string description);
    void setDefinition(std::string definition);
    void setAccess(DictionaryEntry::Access access);

    // The record with the word, description, definition and access, each set
    // even when empty; an entry without a word gives a record with no field
    // set. The owner (dictionary_user_id) is the caller's to fill in.
    operator zarv::data::Dictionary() const;

    friend bool operator==(const DictionaryEntry& left, const DictionaryEntry& right)
    {
        return left.m_word == right.m_word;
    }
    friend bool operator!=(const DictionaryEntry& left, const DictionaryEntry& right) { return !(left == right); }

private:
    std::string m_word;  // UTF-8
    std::string m_description;
    std::string m_definition;
    DictionaryEntry::Access m_access;
};

// A hash of the word's text, so that equal entries hash equal.
unsigned int qHash(const DictionaryEntry& entry);
