#include "library/gui/dictionaryentry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const DictionaryEntry::Access NoAccess = DictionaryEntry::Access{};

TEST(DictionaryEntryTest, KeepsAndReplacesItsFields)
{
    DictionaryEntry entry("zarvish", "a word", "of the trade", static_cast<DictionaryEntry::Access>(2));
    EXPECT_EQ(entry.getWord(), "zarvish");
    EXPECT_EQ(entry.getDescription(), "a word");
    EXPECT_EQ(entry.getDefinition(), "of the trade");
    EXPECT_EQ(entry.getAccess(), 2);

    entry.setWord("caf\xc3\xa9");
    entry.setDescription("");
    entry.setDefinition("coffee house");
    entry.setAccess(NoAccess);
    EXPECT_EQ(entry.getWord(), "caf\xc3\xa9");
    EXPECT_EQ(entry.getDescription(), "");
    EXPECT_EQ(entry.getDefinition(), "coffee house");
    EXPECT_EQ(entry.getAccess(), 0);
}

TEST(DictionaryEntryTest, EqualExactlyWhenTheWordsAre)
{
    struct Case
    {
        DictionaryEntry left;
        DictionaryEntry right;
        bool equal;
    };
    const Case cases[] = {
        {{"word", "", "", NoAccess}, {"word", "", "", NoAccess}, true},
        {{"word", "one", "first", NoAccess}, {"word", "two", "second", static_cast<DictionaryEntry::Access>(5)}, true},
        {{"", "x", "", NoAccess}, {"", "", "y", NoAccess}, true},
        {{"word", "", "", NoAccess}, {"Word", "", "", NoAccess}, false},
        {{"word", "", "", NoAccess}, {"word ", "", "", NoAccess}, false},
        {{"word", "", "", NoAccess}, {"", "", "", NoAccess}, false},
    };
    for (const Case& c : cases) {
        const std::string label = "'" + c.left.getWord() + "' vs '" + c.right.getWord() + "'";
        EXPECT_EQ(c.left == c.right, c.equal) << label;
        EXPECT_EQ(c.right == c.left, c.equal) << label;
        EXPECT_EQ(c.left != c.right, !c.equal) << label;
        if (c.equal) {
            EXPECT_EQ(qHash(c.left), qHash(c.right)) << label;
        }
    }
}

TEST(DictionaryEntryTest, ConvertsToARecordWithEveryFieldPresent)
{
    const zarv::data::Dictionary record = DictionaryEntry("zarvish", "", "", static_cast<DictionaryEntry::Access>(7));
    EXPECT_EQ(record.dictionary_word(), "zarvish");
    EXPECT_TRUE(record.has_dictionary_description());
    EXPECT_EQ(record.dictionary_description(), "");
    EXPECT_TRUE(record.has_dictionary_definition());
    EXPECT_EQ(record.dictionary_definition(), "");
    EXPECT_TRUE(record.has_dictionary_access());
    EXPECT_EQ(record.dictionary_access(), 7);
    // The owner is the caller's to set.
    EXPECT_FALSE(record.has_dictionary_user_id());

    // Zero and empty values travel: they are present on the wire.
    zarv::data::Dictionary parsed;
    ASSERT_TRUE(
        parsed.ParseFromString(zarv::data::Dictionary(DictionaryEntry("w", "", "", NoAccess)).SerializeAsString()));
    EXPECT_TRUE(parsed.has_dictionary_description());
    EXPECT_TRUE(parsed.has_dictionary_definition());
    EXPECT_TRUE(parsed.has_dictionary_access());
}

TEST(DictionaryEntryTest, AnEntryWithoutAWordConvertsToAnEmptyRecord)
{
    const zarv::data::Dictionary record = DictionaryEntry("", "a description", "a definition", NoAccess);
    EXPECT_FALSE(record.has_dictionary_word());
    EXPECT_FALSE(record.has_dictionary_description());
    EXPECT_FALSE(record.has_dictionary_definition());
    EXPECT_FALSE(record.has_dictionary_access());
    EXPECT_EQ(record.ByteSizeLong(), 0u);
}

}  // namespace
