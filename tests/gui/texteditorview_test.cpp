#include "tests/gui/editorviewwindow.h"
#include "tests/gui/qstringprinter.h"
#include "tests/gui/translationfixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using testsupport::EditorViewWindow;

// The entries of a menu or tool bar as the user reads them: each action's
// text, "-" for a separator, the object name of a box.
QStringList Entries(const QWidget* widget)
{
    QStringList entries;
    for (QAction* action : widget->actions()) {
        if (action->isSeparator()) {
            entries << QStringLiteral("-");
        } else if (const auto* toolBar = qobject_cast<const QToolBar*>(widget);
                   toolBar && toolBar->widgetForAction(action) && action->text().isEmpty()) {
            entries << QStringLiteral("[%1]").arg(toolBar->widgetForAction(action)->objectName());
        } else {
            entries << action->text();
        }
    }
    return entries;
}

const QStringList InsertListTexts = {
    QStringLiteral("Bullet List Circles"),
    QStringLiteral("Bullet List Filled Circles"),
    QStringLiteral("Bullet List Filled Squares"),
    QStringLiteral("Ordered List Decimal Values"),
    QStringLiteral("Ordered List Uppercase Latin Characters"),
    QStringLiteral("Ordered List Lowercase Latin Characters"),
    QStringLiteral("Numbered List Uppercase Roman Numerals"),
    QStringLiteral("Numbered List Lowercase Roman Numerals"),
};

class EditorViewTest : public testsupport::TranslationFixture
{
protected:
    void SetUp() override
    {
        TranslationFixture::SetUp();
        m_window = std::make_unique<EditorViewWindow>();
    }

    void TearDown() override
    {
        m_window.reset();
        TranslationFixture::TearDown();
    }

    EditorViewWindow& window() { return *m_window; }

private:
    std::unique_ptr<EditorViewWindow> m_window;
};

TEST_F(EditorViewTest, MenusAndToolBarsHoldTheirEntriesInOrder)
{
    QStringList menuBar;
    for (QAction* action : window().menuBar()->actions()) {
        menuBar << action->text();
    }
    EXPECT_EQ(menuBar, QStringList({"File", "Edit", "View", "Insert", "Format", "Table", "Tools", "Help"}));

    struct Case
    {
        const char* name;
        const QWidget* widget;
        QStringList entries;
    };
    const std::vector<Case> cases = {
        {"File",
         window().m_fileMenu,
         {"Save", "-", "Close", "-", "Export to Text File...", "Export to PDF File...", "-", "Print...",
          "Print Preview..."}},
        {"Edit",
         window().m_editMenu,
         {"Undo", "Redo", "-", "Cut", "Copy", "Paste", "-", "Select All", "-", "Find", "Replace..."}},
        {"Insert", window().m_insertMenu, InsertListTexts + QStringList{"-", "Line", "Table...", "Picture..."}},
        {"Format", window().m_formatMenu,
         QStringList{"Bold", "Italic", "Underline", "-", "Align Left", "Align Center", "Align Right", "Align Justify",
                     "-", "No Text List", "-"}
             + InsertListTexts},
        {"Table",
         window().m_tableMenu,
         {"Insert Row", "Insert Column", "Set Column Width...", "-", "Delete Row", "Delete Column"}},
        {"Tools", window().m_toolsMenu, {"Check Spelling..."}},
        {"Help", window().m_helpMenu, {"About Quenlark..."}},
        {"Standard tool bar",
         window().m_standardToolBar,
         {"Save", "-", "Print...", "-", "Undo", "Redo", "-", "Cut", "Copy", "Paste"}},
        {"Formatting tool bar",
         window().m_formattingToolBar,
         {"Bold", "Italic", "Underline", "[FontName]", "[FontSize]", "-", "Align Left", "Align Center", "Align Right",
          "Align Justify", "-", "Increase Indent", "Decrease Indent", "-", "[FontColor]"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Entries(c.widget), c.entries) << c.name;
    }
    EXPECT_EQ(window().m_standardToolBar->windowTitle(), "Standard");
    EXPECT_EQ(window().m_formattingToolBar->windowTitle(), "Formatting Toolbar");
    EXPECT_EQ(window().m_iconToolBar->windowTitle(), "Icon Toolbar");
}

TEST_F(EditorViewTest, TipsReadTheirTexts)
{
    struct Case
    {
        QAction* action;
        QString statusTip;
        QString toolTip;
    };
    const std::vector<Case> cases = {
        {window().m_italicAction, "Make the selected text italic.",
         "Format Italic<p><small>Make the selected text italic.</small></p>"},
        {window().m_undoAction, "Undo the last change made to the content of the editor.",
         "Undo<p><small>Undo the last change made to the content of the editor.</small></p>"},
        {window().m_alignJustifyAction, "Distribute the selected text evenly between the margins.",
         "Align Justify<p><small>Distribute the selected text evenly between the margins.</small></p>"},
        {window().m_closeAction, "Close this window.", "Close"},
        {window().m_checkSpellingAction, "Check the spelling of your text in the editor.", "Check Spelling"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.action->statusTip(), c.statusTip) << c.action->text().toStdString();
        EXPECT_EQ(c.action->toolTip(), c.toolTip) << c.action->text().toStdString();
    }
    EXPECT_EQ(window().m_fontSizeComboBox->toolTip(), "Font Size<p><small>Select text size.</small></p>");
    EXPECT_EQ(window().m_fontNameComboBox->objectName(), "FontName");
    for (QAction* action : {window().m_increaseIndentAction, window().m_decreaseIndentAction}) {
        EXPECT_TRUE(action->statusTip().isEmpty());
        EXPECT_FALSE(action->isCheckable());
    }
}

TEST_F(EditorViewTest, BoxesStartWithTheDefaultFontAndBlack)
{
    EXPECT_EQ(window().m_fontSizeComboBox->currentText(), "10");
    EXPECT_EQ(window().m_fontNameComboBox->currentFont().family(), "DejaVu Sans");
    EXPECT_EQ(window().m_fontColorComboBox->currentText(), "Black");
    QStringList colors;
    for (int index = 0; index < window().m_fontColorComboBox->count(); ++index) {
        colors << window().m_fontColorComboBox->itemText(index);
    }
    EXPECT_EQ(colors, QStringList({"Black", "Dark Red", "Red", "Orange", "Yellow", "Light Green", "Green", "Light Blue",
                                   "Blue", "Dark Blue", "Purple"}));
}

// Every action that the menus and the tool bars show.
QList<QAction*> ShownActions(EditorViewWindow& window)
{
    QList<QAction*> actions;
    for (const QWidget* widget : std::initializer_list<const QWidget*>{
             window.m_fileMenu, window.m_editMenu, window.m_insertMenu, window.m_formatMenu, window.m_tableMenu,
             window.m_toolsMenu, window.m_helpMenu, window.m_standardToolBar, window.m_formattingToolBar}) {
        for (QAction* action : widget->actions()) {
            const auto* toolBar = qobject_cast<const QToolBar*>(widget);
            if (!action->isSeparator() && !(toolBar && toolBar->widgetForAction(action) && action->text().isEmpty())
                && !actions.contains(action)) {
                actions << action;
            }
        }
    }
    return actions;
}

TEST_F(EditorViewTest, DisablingTheActionsLeavesCloseAboutAndTheIndents)
{
    window().setActionsEnabled(false);

    QStringList enabled;
    for (QAction* action : ShownActions(window())) {
        if (action->isEnabled()) {
            enabled << action->text();
        }
    }
    EXPECT_EQ(enabled, QStringList({"Close", "About Quenlark...", "Increase Indent", "Decrease Indent"}));
    for (QWidget* widget : std::initializer_list<QWidget*>{
             window().m_fontNameComboBox, window().m_fontSizeComboBox, window().m_fontColorComboBox,
             window().m_iconGroupComboBox, window().m_iconSizeComboBox, window().m_iconSelectionToolButton}) {
        EXPECT_FALSE(widget->isEnabled()) << widget->metaObject()->className();
    }
    for (QToolButton* button : window().m_iconMemoryToolButtons) {
        EXPECT_FALSE(button->isEnabled());
    }

    window().setActionsEnabled(true);
    for (QAction* action : ShownActions(window())) {
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    }
    EXPECT_TRUE(window().m_iconMemoryToolButtons.back()->isEnabled());
}

TEST_F(EditorViewTest, ToolBarsAreEnabledAndShownTogether)
{
    const std::vector<QToolBar*> toolBars = {window().m_standardToolBar, window().m_formattingToolBar,
                                             window().m_iconToolBar};
    window().setToolBarsEnabled(false);
    for (QToolBar* toolBar : toolBars) {
        EXPECT_FALSE(toolBar->isEnabled()) << toolBar->windowTitle().toStdString();
        EXPECT_TRUE(toolBar->isHidden()) << toolBar->windowTitle().toStdString();
    }
    window().setToolBarsEnabled(true);
    for (QToolBar* toolBar : toolBars) {
        EXPECT_TRUE(toolBar->isEnabled()) << toolBar->windowTitle().toStdString();
        EXPECT_FALSE(toolBar->isHidden()) << toolBar->windowTitle().toStdString();
    }
}

TEST_F(EditorViewTest, CloseAsksTheWindowToCloseOnce)
{
    window().m_closeAction->trigger();
    EXPECT_EQ(window().closeRequests(), 1);
}

TEST_F(EditorViewTest, AlignmentActionsSendTheirAlignment)
{
    struct Case
    {
        QAction* action;
        Qt::Alignment alignment;
    };
    for (const Case& c :
         {Case{window().m_alignCenterAction, Qt::AlignHCenter}, Case{window().m_alignRightAction, Qt::AlignRight},
          Case{window().m_alignJustifyAction, Qt::AlignJustify}, Case{window().m_alignLeftAction, Qt::AlignLeft}}) {
        QList<Qt::Alignment> sent;
        const QMetaObject::Connection connection =
            QObject::connect(&window(), &AbstractTextEditorView::setAlignment, [&sent](Qt::Alignment a) { sent << a; });
        c.action->trigger();
        QObject::disconnect(connection);
        EXPECT_EQ(sent, QList<Qt::Alignment>{c.alignment}) << c.action->text().toStdString();
        EXPECT_TRUE(c.action->isChecked());
    }
}

// What the controls show with the caret in one word after another.
struct FollowCase
{
    const char* name;
    QString html;
    QStringList visits;
    std::function<void(EditorViewWindow&)> expect;
};

TEST_F(EditorViewTest, FollowingTheCursorShowsTheFormatWithoutTouchingTheDocument)
{
    const std::vector<FollowCase> cases = {
        {"no alignment checks Align Left",
         "<p align=right>right</p><p>plain</p>",
         {"right", "plain"},
         [](EditorViewWindow& w) { EXPECT_TRUE(w.m_alignLeftAction->isChecked()); }},
        {"right alignment checks Align Right",
         "<p>plain</p><p align=right>right</p>",
         {"plain", "right"},
         [](EditorViewWindow& w) { EXPECT_TRUE(w.m_alignRightAction->isChecked()); }},
        {"13 pt leaves no size entry",
         "<p>plain <span style='font-size:13pt'>thirteen</span></p>",
         {"plain", "thirteen"},
         [](EditorViewWindow& w) { EXPECT_EQ(w.m_fontSizeComboBox->currentIndex(), -1); }},
        {"a standard size shows its entry",
         "<p><span style='font-size:14pt'>fourteen</span></p>",
         {"fourteen"},
         [](EditorViewWindow& w) { EXPECT_EQ(w.m_fontSizeComboBox->currentText(), "14"); }},
        {"the default font shows 10",
         "<p><span style='font-size:14pt'>fourteen</span> plain</p>",
         {"fourteen", "plain"},
         [](EditorViewWindow& w) { EXPECT_EQ(w.m_fontSizeComboBox->currentText(), "10"); }},
        {"a colour among the eleven shows its entry",
         "<p><span style='color:#0000ff'>blue</span></p>",
         {"blue"},
         [](EditorViewWindow& w) { EXPECT_EQ(w.m_fontColorComboBox->currentText(), "Blue"); }},
        {"a colour not among the eleven keeps the entry",
         "<p><span style='color:#ff0000'>red</span> <span style='color:#123456'>odd</span></p>",
         {"red", "odd"},
         [](EditorViewWindow& w) { EXPECT_EQ(w.m_fontColorComboBox->currentText(), "Red"); }},
        {"text without a colour shows Black",
         "<p><span style='color:#ff0000'>red</span> plain</p>",
         {"red", "plain"},
         [](EditorViewWindow& w) { EXPECT_EQ(w.m_fontColorComboBox->currentText(), "Black"); }},
        {"bold, italic and underlined text checks the three",
         "<p>plain <b><i><u>styled</u></i></b></p>",
         {"plain", "styled"},
         [](EditorViewWindow& w) {
             EXPECT_TRUE(w.m_boldAction->isChecked());
             EXPECT_TRUE(w.m_italicAction->isChecked());
             EXPECT_TRUE(w.m_underlineAction->isChecked());
         }},
        {"plain text checks none of the three",
         "<p><b><i><u>styled</u></i></b> plain</p>",
         {"styled", "plain"},
         [](EditorViewWindow& w) {
             EXPECT_FALSE(w.m_boldAction->isChecked());
             EXPECT_FALSE(w.m_italicAction->isChecked());
             EXPECT_FALSE(w.m_underlineAction->isChecked());
         }},
        {"a decimal list checks its action",
         "<p>plain</p><ol><li>item</li></ol>",
         {"plain", "item"},
         [](EditorViewWindow& w) { EXPECT_TRUE(w.m_formatListActions[3]->isChecked()); }},
        {"a lower roman list checks its action",
         "<ol style='list-style-type: lower-roman'><li>item</li></ol>",
         {"item"},
         [](EditorViewWindow& w) { EXPECT_TRUE(w.m_formatListActions[7]->isChecked()); }},
        {"outside a list No Text List",
         "<ul><li>item</li></ul><p>plain</p>",
         {"item", "plain"},
         [](EditorViewWindow& w) { EXPECT_TRUE(w.m_noTextListAction->isChecked()); }},
        {"inside a table cell the Table actions are enabled",
         "<p>plain</p><table><tr><td>cell</td></tr></table>",
         {"plain", "cell"},
         [](EditorViewWindow& w) {
             for (QAction* action : {w.m_insertRowsAction, w.m_insertColumnsAction, w.m_setColumnWidthAction,
                                     w.m_deleteRowsAction, w.m_deleteColumnsAction}) {
                 EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
             }
         }},
        {"outside a table the Table actions are disabled",
         "<table><tr><td>cell</td></tr></table><p>plain</p>",
         {"cell", "plain"},
         [](EditorViewWindow& w) {
             for (QAction* action : {w.m_insertRowsAction, w.m_insertColumnsAction, w.m_setColumnWidthAction,
                                     w.m_deleteRowsAction, w.m_deleteColumnsAction}) {
                 EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
             }
         }},
    };
    for (const FollowCase& c : cases) {
        SCOPED_TRACE(c.name);
        EditorViewWindow window;
        auto& editor = *window.editor();
        editor.setHtml(c.html);
        QTextDocument* document = editor.document();
        document->setModified(false);
        const QString html = document->toHtml();
        const int undoSteps = document->availableUndoSteps();

        for (const QString& word : c.visits) {
            QTextCursor found = document->find(word);
            ASSERT_FALSE(found.isNull()) << word.toStdString();
            QTextCursor cursor(document);
            cursor.setPosition(found.selectionStart() + 1);
            editor.setTextCursor(cursor);
        }

        c.expect(window);
        EXPECT_EQ(document->toHtml(), html);
        EXPECT_FALSE(document->isModified());
        EXPECT_EQ(document->availableUndoSteps(), undoSteps);
    }
}

// One connection of the template: what the editor holds before, what the
// window does, what shows that the editor's slot ran.
struct ConnectionCase
{
    const char* name;
    QString html;
    // The word whose first character the caret sits after, or none.
    QString caretIn;
    std::function<void(EditorViewWindow&)> act;
    std::function<void(EditorViewWindow&)> expect;
};

QTextCursor Caret(EditorViewWindow& window)
{
    return window.editor()->textCursor();
}

QTextListFormat::Style ListStyleAtCaret(EditorViewWindow& window)
{
    const QTextList* list = Caret(window).currentList();
    return list ? list->format().style() : QTextListFormat::ListStyleUndefined;
}

void SelectAllText(EditorViewWindow& window)
{
    QTextCursor cursor(window.editor()->document());
    cursor.select(QTextCursor::Document);
    window.editor()->setTextCursor(cursor);
}

QTextCharFormat FormatOf(EditorViewWindow& window, const QString& word)
{
    QTextCursor found = window.editor()->document()->find(word);
    QTextCursor cursor(window.editor()->document());
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

std::vector<ConnectionCase> InsertListCases()
{
    const QTextListFormat::Style styles[] = {QTextListFormat::ListCircle,     QTextListFormat::ListDisc,
                                             QTextListFormat::ListSquare,     QTextListFormat::ListDecimal,
                                             QTextListFormat::ListUpperAlpha, QTextListFormat::ListLowerAlpha,
                                             QTextListFormat::ListUpperRoman, QTextListFormat::ListLowerRoman};
    std::vector<ConnectionCase> cases;
    for (int index = 0; index < AbstractTextEditorView::ListStyleCount; ++index) {
        const QTextListFormat::Style style = styles[index];
        // Inserting starts a new paragraph in a new list; formatting turns the
        // caret's own paragraph into a list item.
        cases.push_back({"Insert menu list", "<p>word</p>", "word",
                         [index](EditorViewWindow& w) { w.m_insertListActions[index]->trigger(); },
                         [style](EditorViewWindow& w) {
                             EXPECT_EQ(ListStyleAtCaret(w), style);
                             EXPECT_EQ(w.editor()->document()->blockCount(), 2);
                         }});
        cases.push_back({"list style group", "<p>word</p>", "word",
                         [index](EditorViewWindow& w) { w.m_formatListActions[index]->trigger(); },
                         [style](EditorViewWindow& w) {
                             EXPECT_EQ(ListStyleAtCaret(w), style);
                             EXPECT_EQ(w.editor()->document()->blockCount(), 1);
                         }});
    }
    return cases;
}

TEST_F(EditorViewTest, EveryConnectionReachesItsSlot)
{
    const QString icon = QStringLiteral(":/content/icons/default/action/svg/production/24px/ic_done_24px.svg");
    std::vector<ConnectionCase> cases = {
        {"setAlignment", "<p>word</p>", "word", [](EditorViewWindow& w) { w.m_alignRightAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(w.editor()->alignment(), Qt::AlignRight); }},
        {"insertIcon", "<p>word</p>", "word", [icon](EditorViewWindow& w) { emit w.insertIcon(icon); },
         [icon](EditorViewWindow& w) { EXPECT_TRUE(w.editor()->toHtml().contains(icon)); }},
        {"Undo", "<p>word</p>", "word",
         [](EditorViewWindow& w) {
             w.editor()->insertPlainText("typed");
             w.m_undoAction->trigger();
         },
         [](EditorViewWindow& w) { EXPECT_EQ(w.editor()->toPlainText(), "word"); }},
        {"Redo", "<p>word</p>", "word",
         [](EditorViewWindow& w) {
             w.editor()->insertPlainText("typed");
             w.editor()->undo();
             w.m_redoAction->trigger();
         },
         [](EditorViewWindow& w) { EXPECT_TRUE(w.editor()->toPlainText().contains("typed")); }},
        {"SelectAll", "<p>two words</p>", "two", [](EditorViewWindow& w) { w.m_selectAllAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(Caret(w).selectedText(), "two words"); }},
        {"Find", "", "", [](EditorViewWindow& w) { w.m_findAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(w.editor()->calls(), QStringList{"findText"}); }},
        {"Replace", "", "", [](EditorViewWindow& w) { w.m_replaceAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(w.editor()->calls(), QStringList{"replaceText"}); }},
        {"InsertHorizontalRuler", "<p>word</p>", "word",
         [](EditorViewWindow& w) { w.m_insertHorizontalRulerAction->trigger(); },
         [](EditorViewWindow& w) {
             bool ruler = false;
             for (QTextBlock block = w.editor()->document()->begin(); block.isValid(); block = block.next()) {
                 ruler = ruler || block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
             }
             EXPECT_TRUE(ruler);
         }},
        {"InsertPicture", "", "", [](EditorViewWindow& w) { w.m_insertPictureAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(w.editor()->calls(), QStringList{"insertPicture"}); }},
        {"InsertTable", "", "", [](EditorViewWindow& w) { w.m_insertTableAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(w.editor()->calls(), QStringList{"insertTable"}); }},
        {"Bold", "<p>word</p>", "",
         [](EditorViewWindow& w) {
             SelectAllText(w);
             w.m_boldAction->trigger();
         },
         [](EditorViewWindow& w) { EXPECT_EQ(FormatOf(w, "word").fontWeight(), QFont::Bold); }},
        {"Italic", "<p>word</p>", "",
         [](EditorViewWindow& w) {
             SelectAllText(w);
             w.m_italicAction->trigger();
         },
         [](EditorViewWindow& w) { EXPECT_TRUE(FormatOf(w, "word").fontItalic()); }},
        {"Underline", "<p>word</p>", "",
         [](EditorViewWindow& w) {
             SelectAllText(w);
             w.m_underlineAction->trigger();
         },
         [](EditorViewWindow& w) { EXPECT_TRUE(FormatOf(w, "word").fontUnderline()); }},
        {"font name box", "<p>word</p>", "",
         [](EditorViewWindow& w) {
             SelectAllText(w);
             w.m_fontNameComboBox->setCurrentIndex(w.m_fontNameComboBox->currentIndex() == 0 ? 1 : 0);
         },
         [](EditorViewWindow& w) {
             EXPECT_EQ(FormatOf(w, "word").fontFamilies().toStringList(),
                       QStringList{w.m_fontNameComboBox->currentText()});
         }},
        {"font size box passes the entry's text", "<p>word</p>", "",
         [](EditorViewWindow& w) {
             SelectAllText(w);
             w.m_fontSizeComboBox->setCurrentText("14");
         },
         [](EditorViewWindow& w) { EXPECT_EQ(FormatOf(w, "word").fontPointSize(), 14.0); }},
        {"font colour box", "<p>word</p>", "",
         [](EditorViewWindow& w) {
             SelectAllText(w);
             w.m_fontColorComboBox->setCurrentText("Dark Blue");
         },
         [](EditorViewWindow& w) {
             EXPECT_EQ(FormatOf(w, "word").foreground().color(), QColor::fromString("darkblue"));
         }},
        {"IncreaseIndent", "<p>word</p>", "word", [](EditorViewWindow& w) { w.m_increaseIndentAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(Caret(w).blockFormat().indent(), 1); }},
        {"DecreaseIndent", "<p style='-qt-block-indent:2'>word</p>", "word",
         [](EditorViewWindow& w) { w.m_decreaseIndentAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(Caret(w).blockFormat().indent(), 1); }},
        {"NoTextList", "<ul><li>item</li></ul>", "item", [](EditorViewWindow& w) { w.m_noTextListAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(Caret(w).currentList(), nullptr); }},
        {"InsertRows", "<table><tr><td>cell</td></tr></table>", "cell",
         [](EditorViewWindow& w) { w.m_insertRowsAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(Caret(w).currentTable()->rows(), 2); }},
        {"InsertColumns", "<table><tr><td>cell</td></tr></table>", "cell",
         [](EditorViewWindow& w) { w.m_insertColumnsAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(Caret(w).currentTable()->columns(), 2); }},
        {"DeleteRows", "<table><tr><td>first</td></tr><tr><td>second</td></tr></table>", "second",
         [](EditorViewWindow& w) { w.m_deleteRowsAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_FALSE(w.editor()->toPlainText().contains("second")); }},
        {"DeleteColumns", "<table><tr><td>first</td><td>second</td></tr></table>", "second",
         [](EditorViewWindow& w) { w.m_deleteColumnsAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_FALSE(w.editor()->toPlainText().contains("second")); }},
        {"SetColumnWidth", "<table><tr><td>cell</td></tr></table>", "cell",
         [](EditorViewWindow& w) { w.m_setColumnWidthAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(w.editor()->calls(), QStringList{"setColumnWidth"}); }},
        {"cursorPositionChanged", "<p>plain <b>bold</b></p>", "plain",
         [](EditorViewWindow& w) {
             QTextCursor found = w.editor()->document()->find("bold");
             QTextCursor cursor(w.editor()->document());
             cursor.setPosition(found.selectionStart() + 1);
             w.editor()->setTextCursor(cursor);
         },
         [](EditorViewWindow& w) { EXPECT_TRUE(w.m_boldAction->isChecked()); }},
        {"CheckSpelling", "", "", [](EditorViewWindow& w) { w.m_checkSpellingAction->trigger(); },
         [](EditorViewWindow& w) { EXPECT_EQ(w.editor()->calls(), QStringList{"checkSpelling"}); }},
    };
    for (ConnectionCase& c : InsertListCases()) {
        cases.push_back(std::move(c));
    }
    for (const ConnectionCase& c : cases) {
        SCOPED_TRACE(c.name);
        EditorViewWindow window;
        window.editor()->setHtml(c.html);
        if (!c.caretIn.isEmpty()) {
            QTextCursor found = window.editor()->document()->find(c.caretIn);
            ASSERT_FALSE(found.isNull());
            QTextCursor cursor(window.editor()->document());
            cursor.setPosition(found.selectionStart() + 1);
            window.editor()->setTextCursor(cursor);
        }
        c.act(window);
        c.expect(window);
    }
}

TEST_F(EditorViewTest, TheEditorIsAChildOfTheWindowAndGoesWithIt)
{
    auto* window = new EditorViewWindow;
    QPointer<testsupport::RecordingEditor> editor = window->editor();
    EXPECT_EQ(editor->parent(), window);
    delete window;
    EXPECT_TRUE(editor.isNull());
}

}  // namespace
