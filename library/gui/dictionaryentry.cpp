#include "library/gui/dictionaryentry.h"

#include <QByteArrayView>
#include <QHashFunctions>

#include <utility>

DictionaryEntry::DictionaryEntry(const std::string& word,
                                 const std::string& description,
                                 const std::string& definition,
                                 DictionaryEntry::Access access)
    : m_word(word)
    , m_description(description)
    , m_definition(definition)
    , m_access(access)
{}

std::string DictionaryEntry::getWord() const
{
    return m_word;
}

std::string DictionaryEntry::getDescription() const
{
    return m_description;
}

std::string DictionaryEntry::getDefinition() const
{
    return m_definition;
}

DictionaryEntry::Access DictionaryEntry::getAccess() const
{
    return m_access;
}

void DictionaryEntry::setWord(std::string word)
{
    m_word = std::move(word);
}

void DictionaryEntry::setDescription(std::string description)
{
    m_description = std::move(description);
}

void DictionaryEntry::setDefinition(std::string definition)
{
    m_definition = std::move(definition);
}

void DictionaryEntry::setAccess(DictionaryEntry::Access access)
{
    m_access = access;
}

DictionaryEntry::operator zarv::data::Dictionary() const
{
    zarv::data::Dictionary dictionary;
    if (m_word.empty()) {
        return dictionary;
    }
    dictionary.set_dictionary_word(m_word);
    dictionary.set_dictionary_description(m_description);
    dictionary.set_dictionary_definition(m_definition);
    dictionary.set_dictionary_access(m_access);
    return dictionary;
}

unsigned int qHash(const DictionaryEntry& entry)
{
    const std::string word = entry.getWord();
    return static_cast<unsigned int>(qHash(QByteArrayView(word.data(), static_cast<qsizetype>(word.size()))));
}
