#include "library/gui/spellchecker.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <hunspell/hunspell.hxx>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char InstalledDictionary[] = "/usr/share/hunspell/en_US.dic";
const char InstalledAffixFile[] = "/usr/share/hunspell/en_US.aff";

DictionaryEntry Entry(const std::string& word,
                      const std::string& description = std::string(),
                      DictionaryEntry::Access access = DictionaryEntry::Access{})
{
    return DictionaryEntry(word, description, std::string(), access);
}

bool Knows(SpellChecker& checker, const std::string& word)
{
    return checker.getSpellChecker()->spell(word);
}

// The words of the session's entries, sorted (the set has no order of its own).
std::vector<std::string> EntryWords(const SpellChecker& checker)
{
    std::vector<std::string> words;
    for (const DictionaryEntry& entry : checker.getDictionaryEntries()) {
        words.push_back(entry.getWord());
    }
    std::sort(words.begin(), words.end());
    return words;
}

// A service over the United States English dictionary that the client ships.
class SpellCheckerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(QString::fromLatin1(InstalledDictionary))) << "install hunspell-en-us";
        m_checker.setDictionaryFile(InstalledDictionary);
        m_checker.setAffixFile(InstalledAffixFile);
        m_checker.reset();
        ASSERT_NE(m_checker.getSpellChecker(), nullptr);
    }

    bool known(const std::string& word) { return Knows(m_checker, word); }

    SpellChecker m_checker;
};

TEST(SpellCheckerLifecycleTest, NothingIsBuiltBeforeTheFirstReset)
{
    SpellChecker checker;
    EXPECT_EQ(checker.getSpellChecker(), nullptr);
    EXPECT_TRUE(checker.getDictionaryEntries().isEmpty());

    // Setting the files reads nothing yet.
    checker.setDictionaryFile(InstalledDictionary);
    checker.setAffixFile(InstalledAffixFile);
    EXPECT_EQ(checker.getSpellChecker(), nullptr);

    // The process-wide instance starts out the same way, until start-up resets it.
    using SharedSpellChecker = ACE_Singleton<SpellChecker, ACE_Null_Mutex>;
    SpellChecker* shared = SharedSpellChecker::instance();
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(SharedSpellChecker::instance(), shared);
    EXPECT_EQ(shared->getSpellChecker(), nullptr);
}

TEST_F(SpellCheckerTest, ChecksAndSuggestsEnglishWords)
{
    for (const char* word : {"hello", "dictionary", "Washington", "walked", "encryption"}) {
        EXPECT_TRUE(known(word)) << word;
    }
    for (const char* word : {"helo", "dictionnary", "walkked", "qwzxv"}) {
        EXPECT_FALSE(known(word)) << word;
    }
    const std::vector<std::string> suggestions = m_checker.getSpellChecker()->suggest("dictionnary");
    EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), "dictionary"), suggestions.end());
}

TEST_F(SpellCheckerTest, TaughtWordsAreKnownUntilTheNextReset)
{
    Hunspell* hunspell = m_checker.getSpellChecker();
    for (const char* word : {"Quenlark", "zarvish", "caf\xc3\xa9tier"}) {
        ASSERT_FALSE(known(word)) << word;
        hunspell->add(word);
        EXPECT_TRUE(known(word)) << word;
    }

    m_checker.reset();
    ASSERT_NE(m_checker.getSpellChecker(), nullptr);
    EXPECT_FALSE(known("Quenlark"));
    EXPECT_FALSE(known("zarvish"));
    // The files are read again: the dictionary itself is still there.
    EXPECT_TRUE(known("hello"));
}

TEST_F(SpellCheckerTest, KeepsEachNewWordOnceForTheLogOff)
{
    const DictionaryEntry::Access otherAccess = static_cast<DictionaryEntry::Access>(3);
    m_checker.addDictionaryEntry(Entry("zarvish", "first"));
    m_checker.addDictionaryEntry(Entry("zarvish", "second", otherAccess));
    m_checker.addDictionaryEntry(Entry("Zarvish"));
    m_checker.addDictionaryEntry(Entry(""));

    EXPECT_EQ(EntryWords(m_checker), (std::vector<std::string>{"", "Zarvish", "zarvish"}));
    for (const DictionaryEntry& entry : m_checker.getDictionaryEntries()) {
        if (entry.getWord() == "zarvish") {
            EXPECT_EQ(entry.getDescription(), "first");
            EXPECT_EQ(entry.getAccess(), DictionaryEntry::Access{});
        }
    }
    // Recording a word does not teach it to the checker.
    EXPECT_FALSE(known("zarvish"));
}

TEST_F(SpellCheckerTest, ResetDropsTheSessionsWordsWithoutStoringThem)
{
    m_checker.addDictionaryEntry(Entry("zarvish"));
    m_checker.addDictionaryEntry(Entry("quenlarkian"));
    ASSERT_EQ(m_checker.getDictionaryEntries().size(), 2);

    m_checker.reset();
    EXPECT_TRUE(m_checker.getDictionaryEntries().isEmpty());

    // A new session collects afresh.
    m_checker.addDictionaryEntry(Entry("zarvish"));
    EXPECT_EQ(EntryWords(m_checker), std::vector<std::string>{"zarvish"});
}

// Each reset reads the files named then: a dictionary that changed between
// two resets is the one in use after the second.
TEST(SpellCheckerFilesTest, EachResetReadsTheNamedFiles)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString dictionary = folder.filePath(QStringLiteral("tiny.dic"));
    const QString affixFile = folder.filePath(QStringLiteral("tiny.aff"));
    const auto write = [](const QString& name, const QByteArray& content) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(content), content.size());
    };
    write(affixFile, "SET UTF-8\nTRY abcdefghijklmnopqrstuvwxyz\n");
    write(dictionary, "2\nalpha\nbeta\n");

    SpellChecker checker;
    checker.setDictionaryFile(QFile::encodeName(dictionary).toStdString());
    checker.setAffixFile(QFile::encodeName(affixFile).toStdString());
    checker.reset();
    EXPECT_TRUE(Knows(checker, "alpha"));
    EXPECT_FALSE(Knows(checker, "gamma"));

    write(dictionary, "1\ngamma\n");
    checker.reset();
    EXPECT_TRUE(Knows(checker, "gamma"));
    EXPECT_FALSE(Knows(checker, "alpha"));
}

// A copy of the built-in files that failed leaves an empty or missing path:
// the service still builds a checker, which knows no word, and nothing fails.
TEST(SpellCheckerFilesTest, MissingFilesGiveACheckerThatKnowsNoWord)
{
    for (const char* path : {"", "/nonexistent/quenlark.dic"}) {
        SpellChecker checker;
        checker.setDictionaryFile(path);
        checker.setAffixFile(path);
        checker.reset();
        ASSERT_NE(checker.getSpellChecker(), nullptr) << path;
        EXPECT_FALSE(Knows(checker, "hello")) << path;
        checker.getSpellChecker()->add("hello");
        EXPECT_TRUE(Knows(checker, "hello")) << path;
    }
}

}  // namespace
