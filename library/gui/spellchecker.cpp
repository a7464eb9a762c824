#include "library/gui/spellchecker.h"

#include <hunspell/hunspell.hxx>

SpellChecker::SpellChecker() = default;

SpellChecker::~SpellChecker() = default;

void SpellChecker::setDictionaryFile(const std::string& path)
{
    m_dictionaryFile = path;
}

void SpellChecker::setAffixFile(const std::string& path)
{
    m_affixFile = path;
}

void SpellChecker::reset()
{
    m_spellChecker.reset();
    m_spellChecker = std::make_unique<Hunspell>(m_affixFile.c_str(), m_dictionaryFile.c_str());
    m_dictionaryEntries.clear();
}

Hunspell* SpellChecker::getSpellChecker()
{
    return m_spellChecker.get();
}

void SpellChecker::addDictionaryEntry(const DictionaryEntry& entry)
{
    if (!m_dictionaryEntries.contains(entry)) {
        m_dictionaryEntries.insert(entry);
    }
}

const QSet<DictionaryEntry>& SpellChecker::getDictionaryEntries() const
{
    return m_dictionaryEntries;
}
