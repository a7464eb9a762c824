#include "library/gui/abstracttexteditor.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/gui/texteditorwindow.h"
#include "tests/gui/translationfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextList>
#include <QTextTable>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using testsupport::ProbedEditor;
using testsupport::TextEditorWindow;

QClipboard* Clipboard()
{
    return QGuiApplication::clipboard();
}

// The counts that the editor emitted, one spy per signal.
class Counts
{
public:
    explicit Counts(AbstractTextEditor& editor)
        : m_copy(&editor, &AbstractTextReader::copyBytesToClipboard)
        , m_cut(&editor, &AbstractTextEditor::cutBytesToClipboard)
        , m_paste(&editor, &AbstractTextEditor::pasteBytesFromClipboard)
        , m_print(&editor, &AbstractTextReader::printBytes)
    {}

    // Every emission, as "signal:count", in the order copy, cut, paste, print.
    std::vector<std::string> all() const
    {
        std::vector<std::string> result;
        append(result, "copy", m_copy);
        append(result, "cut", m_cut);
        append(result, "paste", m_paste);
        append(result, "print", m_print);
        return result;
    }

private:
    static void append(std::vector<std::string>& result, const char* name, const QSignalSpy& spy)
    {
        for (const QList<QVariant>& arguments : spy) {
            result.push_back(std::string(name) + ':' + std::to_string(arguments.at(0).toUInt()));
        }
    }

    QSignalSpy m_copy;
    QSignalSpy m_cut;
    QSignalSpy m_paste;
    QSignalSpy m_print;
};

class TextEditorTest : public testsupport::TranslationFixture
{
protected:
    void SetUp() override
    {
        testsupport::TranslationFixture::SetUp();
        Clipboard()->clear();
    }

    TextEditorWindow m_window;
    ProbedEditor& m_editor = m_window.editor();
};

TEST_F(TextEditorTest, ClipboardAndPrintCountUtf16Characters)
{
    struct Case
    {
        const char* name;
        const char* text;
        int from;
        int to;
        std::function<void(ProbedEditor&)> operation;
        std::vector<std::string> counts;
        const char* documentAfter;
    };
    const auto copy = [](ProbedEditor& editor) { editor.copyToClipboard(); };
    const auto cut = [](ProbedEditor& editor) { editor.cutToClipboard(); };
    const auto paste = [](ProbedEditor& editor) { editor.pasteFromClipboard(); };
    const auto print = [](ProbedEditor& editor) {
        testsupport::WhenModal<QPrintDialog>([](QPrintDialog* dialog) {
            EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print Dialog"));
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(QString());
            dialog->done(QDialog::Accepted);
        });
        editor.print(QStringLiteral("ignored"));
    };
    // "\xF0\x9F\x98\x80" is one character outside the BMP: two UTF-16 units.
    const Case cases[] = {
        {"copy of two paragraphs", "ab\ncd", 0, 5, copy, {"copy:5"}, "ab\ncd"},
        {"copy outside the BMP", "x\xF0\x9F\x98\x80y", 0, 4, copy, {"copy:4"}, "x\xF0\x9F\x98\x80y"},
        {"copy without selection", "abc", 1, 1, copy, {}, "abc"},
        {"cut", "a\xF0\x9F\x98\x80 b", 0, 3, cut, {"cut:3"}, " b"},
        {"cut without selection", "abc", 2, 2, cut, {}, "abc"},
        {"print with a selection", "abc", 1, 2, print, {"print:3"}, "abc"},
    };
    for (const Case& c : cases) {
        m_window.setText(QString::fromUtf8(c.text), c.from, c.to);
        Counts counts(m_editor);
        c.operation(m_editor);
        EXPECT_EQ(counts.all(), c.counts) << c.name;
        EXPECT_EQ(m_editor.toPlainText(), QString::fromUtf8(c.documentAfter)) << c.name;
    }

    // The copy and the cut put the selection on the clipboard.
    m_window.setText(QStringLiteral("one two"), 4, 7);
    m_editor.copyToClipboard();
    EXPECT_EQ(Clipboard()->text(), QStringLiteral("two"));

    // Paste counts the clipboard's text; an image alone pastes nothing.
    struct PasteCase
    {
        const char* name;
        std::function<void()> fill;
        std::vector<std::string> counts;
        const char* documentAfter;
    };
    const PasteCase pasteCases[] = {
        {"text",
         [] { Clipboard()->setText(QString::fromUtf8("\xF0\x9F\x98\x80z")); },
         {"paste:3"},
         "#\xF0\x9F\x98\x80z"},
        {"image only",
         [] {
             QImage image(4, 4, QImage::Format_RGB32);
             image.fill(Qt::red);
             Clipboard()->setImage(image);
         },
         {},
         "#"},
        {"nothing", [] { Clipboard()->clear(); }, {}, "#"},
    };
    for (const PasteCase& c : pasteCases) {
        m_window.setText(QStringLiteral("#"), 1, 1);
        c.fill();
        Counts counts(m_editor);
        paste(m_editor);
        EXPECT_EQ(counts.all(), c.counts) << c.name;
        EXPECT_EQ(m_editor.toPlainText(), QString::fromUtf8(c.documentAfter)) << c.name;
    }
}

// Copy or Paste disabled in the window: nothing leaves or enters the editor
// by any way, and nothing is counted; enabled, each way works and counts once.
TEST_F(TextEditorTest, TheWindowsCopyAndPasteActionsGuardEveryWayInAndOut)
{
    enum class Way
    {
        CopyKey,
        CutKey,
        DragOut,
        PasteKey,
        DropIn,
        MiddleClickPaste,
    };
    struct Case
    {
        const char* name;
        Way way;
    };
    const Case cases[] = {
        {"copy key", Way::CopyKey},   {"cut key", Way::CutKey}, {"drag out", Way::DragOut},
        {"paste key", Way::PasteKey}, {"drop in", Way::DropIn}, {"middle-click paste", Way::MiddleClickPaste},
    };
    for (const bool enabled : {false, true}) {
        for (const Case& c : cases) {
            const bool outward = c.way == Way::CopyKey || c.way == Way::CutKey || c.way == Way::DragOut;
            const std::string name = std::string(c.name) + (enabled ? " enabled" : " disabled");
            m_window.view().getCopyAction()->setEnabled(!outward || enabled);
            m_window.view().getPasteAction()->setEnabled(outward || enabled);
            m_window.setText(QStringLiteral("abcd"), 1, 3);
            Clipboard()->setText(QStringLiteral("before"));
            QMimeData incoming;
            incoming.setText(QStringLiteral("XYZ"));
            Counts counts(m_editor);

            switch (c.way) {
            case Way::CopyKey:
                QTest::keySequence(&m_editor, QKeySequence::Copy);
                break;
            case Way::CutKey:
                QTest::keySequence(&m_editor, QKeySequence::Cut);
                break;
            case Way::DragOut: {
                // A left-button press, then the text edit asks for the
                // selection to drag; the drag ends when its data goes.
                QTest::mousePress(m_editor.viewport(), Qt::LeftButton, {}, QPoint(2, 2));
                m_window.select(1, 3);
                std::unique_ptr<QMimeData> dragged(m_editor.createMimeDataFromSelection());
                EXPECT_EQ(dragged->text(), enabled ? QStringLiteral("bc") : QString()) << name;
                EXPECT_TRUE(counts.all().empty()) << name << ": counted before the drag ended";
                break;
            }
            case Way::PasteKey:
                QTest::keySequence(&m_editor, QKeySequence::Paste);
                break;
            case Way::DropIn: {
                EXPECT_EQ(m_editor.canInsertFromMimeData(&incoming), enabled) << name;
                // The text edit's own handler, as a drop from another program
                // reaches it.
                QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &incoming, Qt::LeftButton, Qt::NoModifier);
                m_editor.dropEvent(&drop);
                break;
            }
            case Way::MiddleClickPaste:
                // The offscreen platform has no mouse selection: the text
                // edit hands its data to the same hook.
                m_editor.insertFromMimeData(&incoming);
                break;
            }

            std::vector<std::string> expected;
            if (enabled) {
                switch (c.way) {
                case Way::CopyKey:
                case Way::DragOut:
                    expected = {"copy:2"};
                    break;
                case Way::CutKey:
                    expected = {"cut:2"};
                    break;
                case Way::PasteKey:
                    expected = {"paste:6"};
                    break;
                case Way::DropIn:
                case Way::MiddleClickPaste:
                    expected = {"paste:3"};
                    break;
                }
            }
            EXPECT_EQ(counts.all(), expected) << name;
            const bool clipboardChanged = enabled && (c.way == Way::CopyKey || c.way == Way::CutKey);
            EXPECT_EQ(Clipboard()->text(), clipboardChanged ? QStringLiteral("bc") : QStringLiteral("before")) << name;
            if (!enabled) {
                EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("abcd")) << name;
            } else if (!outward) {
                EXPECT_TRUE(m_editor.toPlainText().contains(c.way == Way::PasteKey ? QStringLiteral("before")
                                                                                   : QStringLiteral("XYZ")))
                    << name << ": " << m_editor.toPlainText().toStdString();
            }
            QTest::mouseRelease(m_editor.viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        }
    }
}

TEST_F(TextEditorTest, NothingGoesToTheMouseSelectionWhileCopyIsDisabled)
{
    m_window.setText(QStringLiteral("secret"), 0, 6);
    m_window.view().getCopyAction()->setEnabled(false);
    std::unique_ptr<QMimeData> published(m_editor.createMimeDataFromSelection());
    EXPECT_TRUE(published->formats().isEmpty());

    m_window.view().getCopyAction()->setEnabled(true);
    Counts counts(m_editor);
    published.reset(m_editor.createMimeDataFromSelection());
    EXPECT_EQ(published->text(), QStringLiteral("secret"));
    published.reset();
    // Without a drag it is not a copy of the user's.
    EXPECT_TRUE(counts.all().empty());
}

TEST_F(TextEditorTest, ADragWithinTheEditorIsNotCounted)
{
    for (const bool pasteEnabled : {true, false}) {
        m_window.view().getPasteAction()->setEnabled(pasteEnabled);
        m_window.setText(QStringLiteral("abcd"), 0, 0);
        QTest::mousePress(m_editor.viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        m_window.select(0, 2);
        Counts counts(m_editor);
        std::unique_ptr<QMimeData> dragged(m_editor.createMimeDataFromSelection());
        m_window.select(4, 4);
        EXPECT_TRUE(m_editor.canInsertFromMimeData(dragged.get()));
        m_editor.insertFromMimeData(dragged.get());
        dragged.reset();
        EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("abcdab"));
        EXPECT_TRUE(counts.all().empty()) << "paste " << pasteEnabled;
        QTest::mouseRelease(m_editor.viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    }

    // Into another editor: the source counts a copy, the target a paste.
    TextEditorWindow other;
    m_window.view().getPasteAction()->setEnabled(true);
    m_window.setText(QStringLiteral("abcd"), 0, 0);
    QTest::mousePress(m_editor.viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    m_window.select(1, 4);
    Counts source(m_editor);
    Counts target(other.editor());
    std::unique_ptr<QMimeData> dragged(m_editor.createMimeDataFromSelection());
    other.editor().insertFromMimeData(dragged.get());
    dragged.reset();
    EXPECT_EQ(source.all(), std::vector<std::string>{"copy:3"});
    EXPECT_EQ(target.all(), std::vector<std::string>{"paste:3"});
    EXPECT_EQ(other.editor().toPlainText(), QStringLiteral("bcd"));
}

TEST_F(TextEditorTest, TheContextMenuHoldsTheWindowsActions)
{
    m_window.view().getPasteAction()->setEnabled(false);
    // The separator goes with the menu: only the window's actions outlive it.
    std::vector<QAction*> shown;
    std::vector<bool> enabled;
    std::vector<bool> separators;
    QTimer::singleShot(0, &m_editor, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            ADD_FAILURE() << "no menu";
            return;
        }
        for (QAction* action : menu->actions()) {
            shown.push_back(action);
            enabled.push_back(action->isEnabled());
            separators.push_back(action->isSeparator());
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), m_editor.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(m_editor.viewport(), &event);

    AbstractTextEditorView& view = m_window.view();
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[0], view.getUndoAction());
    EXPECT_EQ(shown[1], view.getRedoAction());
    EXPECT_EQ(separators, (std::vector<bool>{false, false, true, false, false, false}));
    EXPECT_EQ(shown[3], view.getCutAction());
    EXPECT_EQ(shown[4], view.getCopyAction());
    EXPECT_EQ(shown[5], view.getPasteAction());
    EXPECT_FALSE(enabled[5]);
    EXPECT_EQ(shown[0]->text(), QStringLiteral("Undo"));
}

TEST_F(TextEditorTest, CursorMovesAreReportedWithTheCursor)
{
    QSignalSpy moves(&m_editor, qOverload<const QTextCursor&>(&AbstractTextEditor::cursorPositionChanged));
    m_window.setText(QStringLiteral("abc"), 1, 2);
    ASSERT_FALSE(moves.isEmpty());
    const auto reported = moves.constLast().at(0).value<QTextCursor>();
    EXPECT_EQ(reported.anchor(), 1);
    EXPECT_EQ(reported.position(), 2);
}

QTextCharFormat FormatAt(const QTextDocument& document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

TEST_F(TextEditorTest, CharacterFormatsApplyToTheWordUnderTheCursorAndTheNextTyping)
{
    m_window.setText(QStringLiteral("hello world"), 2, 2);
    m_editor.formatBold(true);
    for (int position = 0; position < 5; ++position) {
        EXPECT_EQ(FormatAt(*m_editor.document(), position).fontWeight(), QFont::Bold) << position;
    }
    EXPECT_NE(FormatAt(*m_editor.document(), 6).fontWeight(), QFont::Bold);
    EXPECT_EQ(m_editor.currentCharFormat().fontWeight(), QFont::Bold);

    // Without a word under the cursor only the typing is bold.
    m_window.setText(QString());
    m_editor.formatBold(true);
    QTest::keyClicks(&m_editor, QStringLiteral("X"));
    EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("X"));
    EXPECT_EQ(FormatAt(*m_editor.document(), 0).fontWeight(), QFont::Bold);

    // A selection takes the format whole.
    m_window.setText(QStringLiteral("one two three"), 2, 9);
    m_editor.formatItalic(true);
    m_editor.formatUnderline(true);
    m_editor.formatFont(QStringLiteral("DejaVu Serif"));
    m_editor.formatFontSize(QStringLiteral("14"));
    m_editor.formatFontColor(QStringLiteral("Dark Red"));
    const QTextCharFormat inside = FormatAt(*m_editor.document(), 5);
    EXPECT_TRUE(inside.fontItalic());
    EXPECT_EQ(inside.underlineStyle(), QTextCharFormat::SingleUnderline);
    EXPECT_EQ(inside.fontFamilies().toStringList(), QStringList{QStringLiteral("DejaVu Serif")});
    EXPECT_EQ(inside.fontPointSize(), 14.0);
    EXPECT_EQ(inside.foreground().color(), QColor(139, 0, 0));
    EXPECT_EQ(inside.foreground().style(), Qt::SolidPattern);
    EXPECT_FALSE(FormatAt(*m_editor.document(), 0).fontItalic());
    EXPECT_FALSE(FormatAt(*m_editor.document(), 10).fontItalic());

    // A size that is no positive number changes nothing.
    for (const char* size : {"", "big", "0", "-3"}) {
        m_editor.formatFontSize(QString::fromLatin1(size));
        EXPECT_EQ(FormatAt(*m_editor.document(), 5).fontPointSize(), 14.0) << size;
    }

    m_editor.formatBold(false);
    m_editor.formatItalic(false);
    EXPECT_EQ(FormatAt(*m_editor.document(), 5).fontWeight(), QFont::Normal);
    EXPECT_FALSE(FormatAt(*m_editor.document(), 5).fontItalic());
}

TEST_F(TextEditorTest, IndentStopsAtZeroAndHasNoUpperBound)
{
    m_window.setText(QStringLiteral("para"), 0, 0);
    m_editor.formatDecreaseIndent();
    EXPECT_EQ(m_editor.textCursor().blockFormat().indent(), 0);
    EXPECT_FALSE(m_editor.document()->isUndoAvailable());
    for (int step = 0; step < 40; ++step) {
        m_editor.formatIncreaseIndent();
    }
    EXPECT_EQ(m_editor.textCursor().blockFormat().indent(), 40);
    m_editor.formatDecreaseIndent();
    EXPECT_EQ(m_editor.textCursor().blockFormat().indent(), 39);
    m_editor.undo();
    EXPECT_EQ(m_editor.textCursor().blockFormat().indent(), 40);
}

using ListSlot = void (AbstractTextEditor::*)();
using ListFormatSlot = void (AbstractTextEditor::*)(bool);

struct ListStyle
{
    const char* name;
    ListSlot insert;
    ListFormatSlot format;
    QTextListFormat::Style style;
};

const ListStyle ListStyles[] = {
    {"disc", &AbstractTextEditor::insertTextListDisc, &AbstractTextEditor::formatTextListDisc,
     QTextListFormat::ListDisc},
    {"circle", &AbstractTextEditor::insertTextListCircle, &AbstractTextEditor::formatTextListCircle,
     QTextListFormat::ListCircle},
    {"square", &AbstractTextEditor::insertTextListSquare, &AbstractTextEditor::formatTextListSquare,
     QTextListFormat::ListSquare},
    {"decimal", &AbstractTextEditor::insertTextListDecimal, &AbstractTextEditor::formatTextListDecimal,
     QTextListFormat::ListDecimal},
    {"lower alpha", &AbstractTextEditor::insertTextListLowerAlpha, &AbstractTextEditor::formatTextListLowerAlpha,
     QTextListFormat::ListLowerAlpha},
    {"upper alpha", &AbstractTextEditor::insertTextListUpperAlpha, &AbstractTextEditor::formatTextListUpperAlpha,
     QTextListFormat::ListUpperAlpha},
    {"lower roman", &AbstractTextEditor::insertTextListLowerRoman, &AbstractTextEditor::formatTextListLowerRoman,
     QTextListFormat::ListLowerRoman},
    {"upper roman", &AbstractTextEditor::insertTextListUpperRoman, &AbstractTextEditor::formatTextListUpperRoman,
     QTextListFormat::ListUpperRoman},
};

TEST_F(TextEditorTest, ListsAreInsertedAndFormattedPerStyle)
{
    AbstractTextEditor& editor = m_editor;
    for (const ListStyle& list : ListStyles) {
        // Insert: a new paragraph, first item of a new list one indent deeper.
        m_window.setText(QStringLiteral("intro"), 5, 5);
        m_editor.formatIncreaseIndent();
        (editor.*list.insert)();
        QTextCursor cursor = m_editor.textCursor();
        EXPECT_EQ(m_editor.document()->blockCount(), 2) << list.name;
        ASSERT_NE(cursor.currentList(), nullptr) << list.name;
        EXPECT_EQ(cursor.currentList()->format().style(), list.style) << list.name;
        EXPECT_EQ(cursor.currentList()->format().indent(), 2) << list.name;
        EXPECT_EQ(m_editor.document()->firstBlock().textList(), nullptr) << list.name;

        // Format: the paragraph becomes a list; unchecked does nothing.
        m_window.setText(QStringLiteral("item"), 2, 2);
        (editor.*list.format)(false);
        EXPECT_EQ(m_editor.textCursor().currentList(), nullptr) << list.name;
        (editor.*list.format)(true);
        ASSERT_NE(m_editor.textCursor().currentList(), nullptr) << list.name;
        EXPECT_EQ(m_editor.textCursor().currentList()->format().style(), list.style) << list.name;
        EXPECT_EQ(m_editor.textCursor().currentList()->format().indent(), 1) << list.name;
        EXPECT_EQ(m_editor.textCursor().blockFormat().indent(), 0) << list.name;
    }
}

TEST_F(TextEditorTest, FormattingAListChangesOnlyItsStyleAndUnformattingEndsIt)
{
    m_window.setText(QStringLiteral("a\nb"), 0, 3);
    m_editor.formatIncreaseIndent();
    m_editor.formatTextListDisc(true);
    QTextList* list = m_editor.textCursor().currentList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 2);
    QTextListFormat changed = list->format();
    changed.setNumberPrefix(QStringLiteral("("));
    list->setFormat(changed);

    m_editor.formatTextListUpperRoman(true);
    list = m_editor.textCursor().currentList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->format().style(), QTextListFormat::ListUpperRoman);
    EXPECT_EQ(list->format().indent(), 2);
    EXPECT_EQ(list->format().numberPrefix(), QStringLiteral("("));

    m_window.select(3, 3);
    m_editor.unformatTextList();
    EXPECT_EQ(m_editor.textCursor().currentList(), nullptr);
    EXPECT_EQ(m_editor.textCursor().blockFormat().indent(), 0);
    EXPECT_NE(m_editor.document()->firstBlock().textList(), nullptr);

    // Outside a list nothing happens.
    m_editor.formatIncreaseIndent();
    m_editor.unformatTextList();
    EXPECT_EQ(m_editor.textCursor().blockFormat().indent(), 1);
}

TEST_F(TextEditorTest, RulerAndIconAreInsertedAsHtml)
{
    m_window.setText(QStringLiteral("ab"), 1, 1);
    m_editor.insertHorizontalRuler();
    EXPECT_TRUE(m_editor.toHtml().contains(QStringLiteral("<hr")));
    m_editor.undo();
    EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("ab"));

    m_editor.insertIcon(QStringLiteral(":icons/32x32/table.png"));
    EXPECT_TRUE(m_editor.toHtml().contains(QStringLiteral("<img src=\":icons/32x32/table.png\"")))
        << m_editor.toHtml().toStdString();
}

// The cursor in cell (row, column) of a fresh table of `rows` x `columns`.
QTextTable* TableWithCursorAt(TextEditorWindow& window, int rows, int columns, int row, int column)
{
    window.setText(QString());
    QTextCursor cursor = window.editor().textCursor();
    QTextTable* table = cursor.insertTable(rows, columns);
    window.editor().setTextCursor(table->cellAt(row, column).firstCursorPosition());
    return table;
}

TEST_F(TextEditorTest, RowsAndColumnsAreInsertedAfterTheCellAndNeverDeletedFirst)
{
    struct Case
    {
        int size;
        int at;
        int afterInsert;
        int afterDelete;
    };
    // One, two and three rows (or columns), the cursor in each.
    const Case cases[] = {
        {1, 0, 2, 1}, {2, 0, 3, 2}, {2, 1, 3, 1}, {3, 0, 4, 3}, {3, 1, 4, 2}, {3, 2, 4, 2},
    };
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.size) + " at " + std::to_string(c.at);

        QTextTable* table = TableWithCursorAt(m_window, c.size, 2, c.at, 0);
        m_editor.insertRows();
        EXPECT_EQ(table->rows(), c.afterInsert) << "rows " << name;
        // The new row follows the cursor's row: the cursor's cell keeps its row.
        EXPECT_EQ(table->cellAt(m_editor.textCursor()).row(), c.at) << "rows " << name;
        table = TableWithCursorAt(m_window, c.size, 2, c.at, 0);
        m_editor.deleteRows();
        EXPECT_EQ(table->rows(), c.afterDelete) << "rows " << name;

        table = TableWithCursorAt(m_window, 2, c.size, 0, c.at);
        m_editor.insertColumns();
        EXPECT_EQ(table->columns(), c.afterInsert) << "columns " << name;
        table = TableWithCursorAt(m_window, 2, c.size, 0, c.at);
        m_editor.deleteColumns();
        EXPECT_EQ(table->columns(), c.afterDelete) << "columns " << name;
    }

    // Insert row in the last row appends at the end.
    QTextTable* table = TableWithCursorAt(m_window, 2, 1, 1, 0);
    table->cellAt(1, 0).firstCursorPosition().insertText(QStringLiteral("last"));
    m_editor.setTextCursor(table->cellAt(1, 0).firstCursorPosition());
    m_editor.insertRows();
    ASSERT_EQ(table->rows(), 3);
    EXPECT_EQ(table->cellAt(2, 0).firstCursorPosition().block().text(), QString());
    EXPECT_EQ(table->cellAt(1, 0).firstCursorPosition().block().text(), QStringLiteral("last"));

    // Outside a table nothing happens.
    m_window.setText(QStringLiteral("no table"));
    m_editor.insertRows();
    m_editor.insertColumns();
    m_editor.deleteRows();
    m_editor.deleteColumns();
    EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("no table"));
    EXPECT_EQ(m_editor.textCursor().currentTable(), nullptr);
}

TEST_F(TextEditorTest, TheEditorsLook)
{
    EXPECT_EQ(m_editor.lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(m_editor.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(m_editor.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        EXPECT_EQ(m_editor.palette().color(group, QPalette::Highlight), QColor(Qt::lightGray));
        EXPECT_EQ(m_editor.palette().color(group, QPalette::HighlightedText), QColor(Qt::black));
    }
    EXPECT_EQ(m_editor.focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(m_editor.parent(), &m_window.view());
}

}  // namespace
