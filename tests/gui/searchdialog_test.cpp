#include "library/gui/finddialog.h"
#include "library/gui/replacedialog.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/gui/translationfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Presses the buttons of a search dialog by their texts.
class SearchDriver
{
public:
    explicit SearchDriver(SearchDialog& dialog)
        : m_dialog(dialog)
    {}

    QLineEdit* field(const char* label) const
    {
        QLabel* found = testsupport::ChildWithText<QLabel>(m_dialog, QString::fromLatin1(label));
        return found ? qobject_cast<QLineEdit*>(found->buddy()) : nullptr;
    }
    void type(const char* text) const { field("Find what:")->setText(QString::fromUtf8(text)); }
    void replaceWith(const char* text) const { field("Replace with:")->setText(QString::fromUtf8(text)); }
    QPushButton* button(const char* text) const
    {
        return testsupport::ChildWithText<QPushButton>(m_dialog, QString::fromLatin1(text));
    }
    void click(const char* text) const
    {
        QPushButton* found = button(text);
        ASSERT_NE(found, nullptr) << text;
        found->click();
    }
    QRadioButton* radio(const char* text) const
    {
        return testsupport::ChildWithText<QRadioButton>(m_dialog, QString::fromLatin1(text));
    }
    void check(const char* text) const
    {
        if (QRadioButton* found = radio(text)) {
            found->setChecked(true);
        } else if (auto* box = testsupport::ChildWithText<QCheckBox>(m_dialog, QString::fromLatin1(text))) {
            box->setChecked(true);
        } else {
            ADD_FAILURE() << "no option " << text;
        }
    }

private:
    SearchDialog& m_dialog;
};

class SearchDialogTest : public testsupport::TranslationFixture
{
protected:
    void setText(const char* text, int anchor, int position)
    {
        m_textEdit.setPlainText(QString::fromUtf8(text));
        QTextCursor cursor(m_textEdit.document());
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        m_textEdit.setTextCursor(cursor);
    }
    std::pair<int, int> selection() const
    {
        return {m_textEdit.textCursor().selectionStart(), m_textEdit.textCursor().selectionEnd()};
    }
    std::vector<std::pair<int, int>> highlights() const
    {
        std::vector<std::pair<int, int>> result;
        for (const QTextEdit::ExtraSelection& highlight : m_textEdit.extraSelections()) {
            EXPECT_EQ(highlight.format.background(), QBrush(Qt::lightGray, Qt::SolidPattern));
            result.emplace_back(highlight.cursor.selectionStart(), highlight.cursor.selectionEnd());
        }
        return result;
    }

    QTextEdit m_textEdit;
};

using Spans = std::vector<std::pair<int, int>>;

TEST_F(SearchDialogTest, FindAndReplaceFollowTheirRules)
{
    struct Case
    {
        const char* name;
        const char* text;
        int anchor;
        int position;
        std::function<void(const SearchDriver&)> steps;
        const char* textAfter;
        std::pair<int, int> selectionAfter;
        Spans highlightsAfter;
    };
    const Case cases[] = {
        {"the first search starts at the caret, not at the selection",
         "cat cat cat",
         0,
         3,
         [](const SearchDriver& d) {
             d.type("cat");
             d.click("Find");
         },
         "cat cat cat",
         {4, 7},
         {}},
        {"a selection made leftwards starts at its start",
         "cat cat cat",
         3,
         0,
         [](const SearchDriver& d) {
             d.type("cat");
             d.click("Find");
         },
         "cat cat cat",
         {0, 3},
         {}},
        {"no wrap at the last match",
         "cat dog cat",
         0,
         0,
         [](const SearchDriver& d) {
             d.type("cat");
             for (int press = 0; press < 4; ++press) {
                 d.click("Find");
             }
         },
         "cat dog cat",
         {8, 11},
         {}},
        {"backward from the caret",
         "ab ab ab",
         5,
         5,
         [](const SearchDriver& d) {
             d.type("ab");
             d.check("Search backward");
             d.click("Find");
             d.click("Find");
             d.click("Find");
         },
         "ab ab ab",
         {0, 2},
         {}},
        {"case sensitive",
         "Cat cat",
         0,
         0,
         [](const SearchDriver& d) {
             d.type("cat");
             d.check("Case sensitive");
             d.click("Find");
         },
         "Cat cat",
         {4, 7},
         {}},
        {"Find All highlights parts of words too",
         "ab cab ab",
         0,
         0,
         [](const SearchDriver& d) {
             d.type("ab");
             d.click("Find All");
         },
         "ab cab ab",
         {7, 9},
         {{0, 2}, {4, 6}, {7, 9}}},
        {"Find All with whole words",
         "ab cab ab",
         0,
         0,
         [](const SearchDriver& d) {
             d.type("ab");
             d.check("Match only complete words");
             d.click("Find All");
         },
         "ab cab ab",
         {7, 9},
         {{0, 2}, {7, 9}}},
        {"backward Find All clears the highlights",
         "ab cab ab",
         0,
         0,
         [](const SearchDriver& d) {
             d.type("ab");
             d.click("Find All");
             d.check("Search backward");
             d.click("Find All");
         },
         "ab cab ab",
         {0, 0},
         {}},
        {"Find All leaves the search cursor where it was",
         "ab cab ab",
         0,
         0,
         [](const SearchDriver& d) {
             d.type("ab");
             d.click("Find All");
             d.click("Find");
         },
         "ab cab ab",
         {0, 2},
         {{0, 2}, {4, 6}, {7, 9}}},
        {"Replace replaces any selection",
         "one two",
         0,
         3,
         [](const SearchDriver& d) {
             d.type("two");
             d.replaceWith("1");
             d.click("Replace...");
         },
         "1 two",
         {1, 1},
         {}},
        {"Replace without a selection does nothing",
         "one two",
         2,
         2,
         [](const SearchDriver& d) {
             d.type("one");
             d.replaceWith("1");
             d.click("Replace...");
         },
         "one two",
         {2, 2},
         {}},
        {"Replace with an empty search field does nothing",
         "one two",
         0,
         3,
         [](const SearchDriver& d) {
             d.replaceWith("1");
             d.click("Replace...");
             d.click("Replace All");
             d.click("Find All");
         },
         "one two",
         {0, 3},
         {}},
        {"Find then Replace",
         "cat dog cat",
         0,
         0,
         [](const SearchDriver& d) {
             d.type("cat");
             d.replaceWith("cow");
             d.click("Find");
             d.click("Replace...");
             d.click("Find");
             d.click("Replace...");
         },
         "cow dog cow",
         {11, 11},
         {}},
        {"Replace All does not search a replacement again",
         "aaa",
         0,
         0,
         [](const SearchDriver& d) {
             d.type("a");
             d.replaceWith("aa");
             d.click("Replace All");
         },
         "aaaaaa",
         {6, 6},
         {}},
        {"Replace All by nothing",
         "a-b-c",
         0,
         0,
         [](const SearchDriver& d) {
             d.type("-");
             d.click("Replace All");
         },
         "abc",
         {2, 2},
         {}},
        {"Replace All with whole words, case sensitive",
         "cat Cat cats cat",
         0,
         0,
         [](const SearchDriver& d) {
             d.type("cat");
             d.replaceWith("dog");
             d.check("Case sensitive");
             d.check("Match only complete words");
             d.click("Replace All");
         },
         "dog Cat cats dog",
         {16, 16},
         {}},
        {"backward Replace All replaces nothing",
         "cat cat",
         0,
         0,
         [](const SearchDriver& d) {
             d.type("cat");
             d.replaceWith("dog");
             d.check("Search backward");
             d.click("Replace All");
         },
         "cat cat",
         {0, 0},
         {}},
    };
    for (const Case& c : cases) {
        setText(c.text, c.anchor, c.position);
        ReplaceDialog dialog(m_textEdit, nullptr);
        c.steps(SearchDriver(dialog));
        EXPECT_EQ(m_textEdit.toPlainText(), QString::fromUtf8(c.textAfter)) << c.name;
        EXPECT_EQ(selection(), c.selectionAfter) << c.name;
        EXPECT_EQ(highlights(), c.highlightsAfter) << c.name;
    }
}

TEST_F(SearchDialogTest, ClosingRestoresTheCaretAndSelectionAndRemovesHighlights)
{
    setText("one ab two ab", 9, 4);
    {
        FindDialog dialog(m_textEdit, nullptr);
        SearchDriver driver(dialog);
        driver.type("ab");
        driver.click("Find All");
        EXPECT_EQ(highlights().size(), 2u);
        EXPECT_EQ(selection(), std::make_pair(11, 13));
    }
    EXPECT_TRUE(m_textEdit.extraSelections().isEmpty());
    EXPECT_EQ(m_textEdit.textCursor().anchor(), 9);
    EXPECT_EQ(m_textEdit.textCursor().position(), 4);

    // The saved cursor follows the replacements made before it.
    setText("x x mark", 4, 8);
    {
        ReplaceDialog dialog(m_textEdit, nullptr);
        SearchDriver driver(dialog);
        driver.type("x");
        driver.replaceWith("xyz");
        driver.click("Replace All");
    }
    EXPECT_EQ(m_textEdit.toPlainText(), QStringLiteral("xyz xyz mark"));
    EXPECT_EQ(m_textEdit.textCursor().selectedText(), QStringLiteral("mark"));
}

TEST_F(SearchDialogTest, EachReplacementIsItsOwnUndoStep)
{
    setText("cat cat cat", 0, 0);
    {
        ReplaceDialog dialog(m_textEdit, nullptr);
        SearchDriver driver(dialog);
        driver.type("cat");
        driver.replaceWith("dog");
        driver.click("Replace All");
    }
    EXPECT_EQ(m_textEdit.toPlainText(), QStringLiteral("dog dog dog"));
    EXPECT_TRUE(m_textEdit.document()->isLayoutEnabled());
    m_textEdit.undo();
    EXPECT_EQ(m_textEdit.toPlainText(), QStringLiteral("dog dog cat"));
    m_textEdit.undo();
    EXPECT_EQ(m_textEdit.toPlainText(), QStringLiteral("dog cat cat"));
}

TEST_F(SearchDialogTest, FindAndTheDirectionsFollowTheSearchField)
{
    ReplaceDialog dialog(m_textEdit, nullptr);
    SearchDriver driver(dialog);
    QPushButton* find = driver.button("Find");
    ASSERT_NE(find, nullptr);
    EXPECT_FALSE(find->isEnabled());
    // At first only Find waits for a text.
    EXPECT_TRUE(driver.radio("Search forward")->isEnabled());
    EXPECT_TRUE(driver.radio("Search forward")->isChecked());
    EXPECT_TRUE(driver.radio("Case insensitive")->isChecked());
    for (const char* always : {"Find All", "Replace...", "Replace All", "Close"}) {
        EXPECT_TRUE(driver.button(always)->isEnabled()) << always;
    }

    QTest::keyClicks(driver.field("Find what:"), QStringLiteral("x"));
    EXPECT_TRUE(find->isEnabled());
    driver.field("Find what:")->clear();
    EXPECT_FALSE(find->isEnabled());
    EXPECT_FALSE(driver.radio("Search forward")->isEnabled());
    EXPECT_FALSE(driver.radio("Search backward")->isEnabled());
    EXPECT_TRUE(driver.button("Find All")->isEnabled());
    QTest::keyClicks(driver.field("Find what:"), QStringLiteral("y"));
    EXPECT_TRUE(driver.radio("Search backward")->isEnabled());

    EXPECT_EQ(dialog.getFindFlags(), QTextDocument::FindFlags());
    driver.check("Search backward");
    driver.check("Case sensitive");
    driver.check("Match only complete words");
    EXPECT_EQ(dialog.getFindFlags().toInt(), 7);
}

TEST_F(SearchDialogTest, TheDialogsShowTheirTitlesAndCloseByTheirButton)
{
    FindDialog find(m_textEdit, nullptr);
    EXPECT_EQ(find.windowTitle(), QStringLiteral("Find Text"));
    EXPECT_EQ(find.minimumWidth(), 320);
    EXPECT_EQ(SearchDriver(find).button("Replace..."), nullptr);

    ReplaceDialog replace(m_textEdit, nullptr);
    EXPECT_EQ(replace.windowTitle(), QStringLiteral("Find and Replace Text"));
    EXPECT_NE(SearchDriver(replace).field("Replace with:"), nullptr);

    testsupport::WhenModal<ReplaceDialog>([](ReplaceDialog* shown) { SearchDriver(*shown).click("Close"); });
    EXPECT_EQ(replace.exec(), QDialog::Rejected);
}

}  // namespace
