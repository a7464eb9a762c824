#pragma once

#include "library/gui/dictionaryentry.h"

#include <QSet>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <memory>
#include <string>

class Hunspell;

// The process's word dictionary: a Hunspell object built from a dictionary
// file and an affix file, and the words that the user added to his own
// dictionary during the session, which the console stores on the server at
// log-off.
//
// Users call the Hunspell object directly (spell, suggest, add; words as
// UTF-8). Adding an entry here does not teach it to Hunspell: the caller
// adds the word there as well.
//
// The process-wide instance is ACE_Singleton<SpellChecker, ACE_Null_Mutex>::instance().
class SpellChecker
{
public:
    SpellChecker();
    virtual ~SpellChecker();

    SpellChecker(const SpellChecker&) = delete;
    SpellChecker& operator=(const SpellChecker&) = delete;

    // The files are read by the next reset(), and again by every later one,
    // so they must exist as long as the service is reset.
    void setDictionaryFile(const std::string& path);
    void setAffixFile(const std::string& path);

    // Builds a fresh Hunspell object from the two files and forgets the
    // session's entries. Words taught with add() since the last reset are
    // forgotten with the old object.
    void reset();

    // The current Hunspell object: null before the first reset(), and
    // destroyed by the next one.
    Hunspell* getSpellChecker();

    // Keeps the entry unless one with the same word is kept already (the
    // first one stays).
    void addDictionaryEntry(const DictionaryEntry& entry);
    // The words added since the last reset, in the set's own order.
    const QSet<DictionaryEntry>& getDictionaryEntries() const;

private:
    std::string m_dictionaryFile;
    std::string m_affixFile;
    std::unique_ptr<Hunspell> m_spellChecker;
    QSet<DictionaryEntry> m_dictionaryEntries;
};
