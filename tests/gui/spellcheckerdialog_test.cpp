#include "library/gui/abstracttexteditorview.h"
#include "library/gui/spellchecker.h"
#include "library/gui/spellcheckerdialog.h"
#include "library/gui/texteditor.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/gui/translationfixture.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

#include <hunspell/hunspell.hxx>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char Complete[] = "The spell check is complete.";

SpellChecker& Service()
{
    return *ACE_Singleton<SpellChecker, ACE_Null_Mutex>::instance();
}

// Drives a dialog by its button texts and reads what it shows.
class SpellDriver
{
public:
    explicit SpellDriver(SpellCheckerDialog& dialog)
        : m_dialog(dialog)
    {}

    QString shown() const
    {
        // The word label is the dialog's only label.
        const QList<QLabel*> labels = m_dialog.findChildren<QLabel*>();
        return labels.size() == 1 ? labels.front()->text() : QStringLiteral("<labels: %1>").arg(labels.size());
    }
    QStringList suggestions() const
    {
        QStringList result;
        const auto* list = m_dialog.findChild<QListWidget*>();
        for (int row = 0; row < list->count(); ++row) {
            result.append(list->item(row)->text());
        }
        return result;
    }
    // The texts of the enabled buttons, in layout order.
    std::vector<std::string> enabled() const
    {
        std::vector<std::string> result;
        for (const char* text : {"Ignore", "Ignore All", "Change", "Change All", "Add to Dictionary", "Close"}) {
            QPushButton* button = testsupport::ChildWithText<QPushButton>(m_dialog, QString::fromLatin1(text));
            if (!button) {
                ADD_FAILURE() << "no button " << text;
            } else if (button->isEnabled()) {
                result.emplace_back(text);
            }
        }
        return result;
    }
    void click(const char* text) const
    {
        QPushButton* button = testsupport::ChildWithText<QPushButton>(m_dialog, QString::fromLatin1(text));
        ASSERT_NE(button, nullptr) << text;
        ASSERT_TRUE(button->isEnabled()) << text;
        button->click();
    }

private:
    SpellCheckerDialog& m_dialog;
};

using Buttons = std::vector<std::string>;
const Buttons AllButtons{"Ignore", "Ignore All", "Change", "Change All", "Add to Dictionary", "Close"};
const Buttons NoSuggestionButtons{"Ignore", "Ignore All", "Add to Dictionary", "Close"};
const Buttons CloseOnly{"Close"};

// The service over a tiny dictionary that knows a few words and makes
// suggestions only by changing letters.
class SpellCheckerDialogTest : public testsupport::TranslationFixture
{
protected:
    void SetUp() override
    {
        testsupport::TranslationFixture::SetUp();
        ASSERT_TRUE(m_folder.isValid());
        write("tiny.aff", "SET UTF-8\nTRY esianrtolcdugmphbyfvkwz\nMAXNGRAMSUGS 0\n");
        write("tiny.dic", "7\nthe\ncat\nsat\nmat\nhello\nworld\non\n");
        Service().setDictionaryFile(m_folder.filePath(QStringLiteral("tiny.dic")).toStdString());
        Service().setAffixFile(m_folder.filePath(QStringLiteral("tiny.aff")).toStdString());
        Service().reset();
        ASSERT_NE(Service().getSpellChecker(), nullptr);
    }

    void write(const char* name, const char* content)
    {
        QFile file(m_folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    void setText(const char* text) { m_textEdit.setPlainText(QString::fromUtf8(text)); }
    QString text() const { return m_textEdit.toPlainText(); }

    QTemporaryDir m_folder;
    QTextEdit m_textEdit;
};

TEST_F(SpellCheckerDialogTest, TheWalkStopsAtRejectedWordsAndAlwaysEnds)
{
    struct Step
    {
        const char* click;  // null for the dialog's first stop
        const char* shown;
        std::vector<const char*> suggestions;
        Buttons enabled;
    };
    struct Case
    {
        const char* name;
        const char* text;
        std::vector<Step> steps;
        const char* textAfter;
    };
    const Case cases[] = {
        {"empty document", "", {{nullptr, Complete, {}, CloseOnly}}, ""},
        {"only known words", "the cat sat on the mat", {{nullptr, Complete, {}, CloseOnly}}, "the cat sat on the mat"},
        {"one-letter words are not checked, two-letter ones are",
         "x q cat zq",
         {{nullptr, "zq", {}, NoSuggestionButtons}, {"Ignore", Complete, {}, CloseOnly}},
         "x q cat zq"},
        {"a word without suggestions",
         "qqqqqq",
         {{nullptr, "qqqqqq", {}, NoSuggestionButtons}, {"Ignore", Complete, {}, CloseOnly}},
         "qqqqqq"},
        {"Change takes the current suggestion",
         "the cot sat",
         {{nullptr, "cot", {"cat"}, AllButtons}, {"Change", Complete, {}, CloseOnly}},
         "the cat sat"},
        {"Ignore passes one occurrence",
         "helo cat helo",
         {{nullptr, "helo", {"hello"}, AllButtons},
          {"Ignore", "helo", {"hello"}, AllButtons},
          {"Ignore", Complete, {}, CloseOnly}},
         "helo cat helo"},
        {"Ignore All passes later occurrences, not other capitalisations",
         "helo cat helo Helo",
         {{nullptr, "helo", {"hello"}, AllButtons},
          {"Ignore All", "Helo", {"Hello"}, AllButtons},
          {"Ignore", Complete, {}, CloseOnly}},
         "helo cat helo Helo"},
        {"Change All changes later occurrences without stopping",
         "wrld cat wrld Wrld wrld",
         {{nullptr, "wrld", {"world"}, AllButtons},
          {"Change All", "Wrld", {"World"}, AllButtons},
          {"Change", Complete, {}, CloseOnly}},
         "world cat world World world"},
        {"a document of one word",
         "wrld",
         {{nullptr, "wrld", {"world"}, AllButtons}, {"Change", Complete, {}, CloseOnly}},
         "world"},
        {"punctuation at the end and empty paragraphs",
         "cat.\n\n\nzork, mat!\n\n",
         {{nullptr, "zork", {}, NoSuggestionButtons}, {"Ignore", Complete, {}, CloseOnly}},
         "cat.\n\n\nzork, mat!\n\n"},
        {"single punctuation marks", ";\n\n, cat: mat.", {{nullptr, Complete, {}, CloseOnly}}, ";\n\n, cat: mat."},
    };
    // Words ignored everywhere are taught to Hunspell when a dialog goes, so
    // no later case reuses them.
    for (const Case& c : cases) {
        setText(c.text);
        SpellCheckerDialog dialog(m_textEdit, nullptr);
        const SpellDriver driver(dialog);
        for (const Step& step : c.steps) {
            if (step.click) {
                driver.click(step.click);
            }
            const std::string where = std::string(c.name) + " after " + (step.click ? step.click : "opening");
            EXPECT_EQ(driver.shown(), QString::fromUtf8(step.shown)) << where;
            QStringList expected;
            for (const char* suggestion : step.suggestions) {
                expected.append(QString::fromUtf8(suggestion));
            }
            EXPECT_EQ(driver.suggestions(), expected) << where;
            EXPECT_EQ(driver.enabled(), step.enabled) << where;
            if (step.shown != std::string(Complete)) {
                // The word under examination is selected in the widget.
                EXPECT_EQ(m_textEdit.textCursor().selectedText(), QString::fromUtf8(step.shown)) << where;
            }
        }
        EXPECT_EQ(text(), QString::fromUtf8(c.textAfter)) << c.name;
    }
}

TEST_F(SpellCheckerDialogTest, IgnoredAndAddedWordsAreAcceptedOnceTheDialogIsGone)
{
    Hunspell* hunspell = Service().getSpellChecker();
    setText("zork blorf");
    {
        SpellCheckerDialog dialog(m_textEdit, nullptr);
        const SpellDriver driver(dialog);
        ASSERT_EQ(driver.shown(), QStringLiteral("zork"));
        driver.click("Add to Dictionary");
        ASSERT_EQ(driver.shown(), QStringLiteral("blorf"));
        driver.click("Ignore All");
        EXPECT_EQ(driver.shown(), QString::fromLatin1(Complete));
        // The service keeps the entry at once; Hunspell learns the words later.
        ASSERT_EQ(Service().getDictionaryEntries().size(), 1);
        const DictionaryEntry& entry = *Service().getDictionaryEntries().cbegin();
        EXPECT_EQ(entry.getWord(), "zork");
        EXPECT_EQ(entry.getDescription(), "");
        EXPECT_EQ(entry.getDefinition(), "");
        EXPECT_EQ(entry.getAccess(), DictionaryEntry::Access{});
        EXPECT_FALSE(hunspell->spell(std::string("zork")));
        EXPECT_FALSE(hunspell->spell(std::string("blorf")));
    }
    EXPECT_TRUE(hunspell->spell(std::string("zork")));
    EXPECT_TRUE(hunspell->spell(std::string("blorf")));

    // The next run passes them.
    SpellCheckerDialog next(m_textEdit, nullptr);
    EXPECT_EQ(SpellDriver(next).shown(), QString::fromLatin1(Complete));
}

TEST_F(SpellCheckerDialogTest, TheEditorPutsItsCursorBackAfterTheCheck)
{
    AbstractTextEditorView view(nullptr);
    auto* editor = new TextEditor(&view);
    editor->setPlainText(QStringLiteral("helo cat helo mat"));
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(14);
    cursor.setPosition(17, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);

    QString title;
    testsupport::WhenModal<SpellCheckerDialog>([&title](SpellCheckerDialog* dialog) {
        title = dialog->windowTitle();
        // Closed in the middle: the corrections made so far stay.
        SpellDriver(*dialog).click("Change");
        dialog->close();
    });
    editor->checkSpelling();
    EXPECT_EQ(title, QStringLiteral("Spell Checker"));
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("hello cat helo mat"));
    EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("mat"));
}

// No reset: the service holds no Hunspell object.
class SpellCheckerDialogWithoutHunspellTest : public testsupport::TranslationFixture
{};

TEST_F(SpellCheckerDialogWithoutHunspellTest, SaysSpellCheckingIsNotAvailableAndChangesNothing)
{
    if (Service().getSpellChecker()) {
        GTEST_SKIP() << "an earlier test of this process gave the service a Hunspell object";
    }
    QTextEdit textEdit;
    textEdit.setPlainText(QStringLiteral("helo wrold"));
    SpellCheckerDialog dialog(textEdit, nullptr);
    const SpellDriver driver(dialog);
    EXPECT_EQ(driver.shown(), QStringLiteral("Spell checking is not available."));
    EXPECT_EQ(driver.enabled(), CloseOnly);
    EXPECT_EQ(textEdit.toPlainText(), QStringLiteral("helo wrold"));
}

}  // namespace
