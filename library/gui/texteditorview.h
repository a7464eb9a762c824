#pragma once

#include "library/gui/abstracttexteditorview.h"
#include "library/gui/texteditor.h"

#include <QAction>
#include <QComboBox>
#include <QFontComboBox>

#include <type_traits>

// The editor window over one kind of editor: the base's actions and boxes
// wired to an `Editor` (a TextEditor) created on the window. The derived
// window places the editor and connects the file and clipboard actions
// itself. The virtual slots are connected through the virtual member, so an
// editor that overrides one has its own version called.
template <typename Editor>
class TextEditorView : public AbstractTextEditorView
{
    static_assert(std::is_base_of_v<TextEditor, Editor>, "the editor of an editor window is a TextEditor");

public:
    explicit TextEditorView(QWidget* parent);

protected:
    // A child of the window, deleted with it.
    Editor* const m_textEditor;
};

template <typename Editor>
TextEditorView<Editor>::TextEditorView(QWidget* parent)
    : AbstractTextEditorView(parent)
    , m_textEditor(new Editor(this))
{
    Editor* const editor = m_textEditor;
    connect(this, &AbstractTextEditorView::setAlignment, editor, &QTextEdit::setAlignment);
    connect(this, &AbstractTextEditorView::insertIcon, editor, &AbstractTextEditor::insertIcon);
    connect(m_undoAction, &QAction::triggered, editor, &QTextEdit::undo);
    connect(m_redoAction, &QAction::triggered, editor, &QTextEdit::redo);
    connect(m_selectAllAction, &QAction::triggered, editor, &QTextEdit::selectAll);
    connect(m_findAction, &QAction::triggered, editor, &AbstractTextReader::findText);
    connect(m_replaceAction, &QAction::triggered, editor, &TextEditor::replaceText);
    connect(m_insertHorizontalRulerAction, &QAction::triggered, editor, &AbstractTextEditor::insertHorizontalRuler);
    connect(m_insertPictureAction, &QAction::triggered, editor, &TextEditor::insertPicture);
    connect(m_insertTableAction, &QAction::triggered, editor, &TextEditor::insertTable);
    connect(m_insertListActions[0], &QAction::triggered, editor, &AbstractTextEditor::insertTextListCircle);
    connect(m_insertListActions[1], &QAction::triggered, editor, &AbstractTextEditor::insertTextListDisc);
    connect(m_insertListActions[2], &QAction::triggered, editor, &AbstractTextEditor::insertTextListSquare);
    connect(m_insertListActions[3], &QAction::triggered, editor, &AbstractTextEditor::insertTextListDecimal);
    connect(m_insertListActions[4], &QAction::triggered, editor, &AbstractTextEditor::insertTextListUpperAlpha);
    connect(m_insertListActions[5], &QAction::triggered, editor, &AbstractTextEditor::insertTextListLowerAlpha);
    connect(m_insertListActions[6], &QAction::triggered, editor, &AbstractTextEditor::insertTextListUpperRoman);
    connect(m_insertListActions[7], &QAction::triggered, editor, &AbstractTextEditor::insertTextListLowerRoman);
    connect(m_boldAction, &QAction::triggered, editor, &AbstractTextEditor::formatBold);
    connect(m_italicAction, &QAction::triggered, editor, &AbstractTextEditor::formatItalic);
    connect(m_underlineAction, &QAction::triggered, editor, &AbstractTextEditor::formatUnderline);
    connect(m_fontNameComboBox, &QComboBox::currentTextChanged, editor, &AbstractTextEditor::formatFont);
    connect(m_fontSizeComboBox, &QComboBox::currentTextChanged, editor, &AbstractTextEditor::formatFontSize);
    connect(m_fontColorComboBox, &QComboBox::currentTextChanged, editor, &AbstractTextEditor::formatFontColor);
    connect(m_increaseIndentAction, &QAction::triggered, editor, &AbstractTextEditor::formatIncreaseIndent);
    connect(m_decreaseIndentAction, &QAction::triggered, editor, &AbstractTextEditor::formatDecreaseIndent);
    connect(m_noTextListAction, &QAction::triggered, editor, &AbstractTextEditor::unformatTextList);
    connect(m_formatListActions[0], &QAction::triggered, editor, &AbstractTextEditor::formatTextListCircle);
    connect(m_formatListActions[1], &QAction::triggered, editor, &AbstractTextEditor::formatTextListDisc);
    connect(m_formatListActions[2], &QAction::triggered, editor, &AbstractTextEditor::formatTextListSquare);
    connect(m_formatListActions[3], &QAction::triggered, editor, &AbstractTextEditor::formatTextListDecimal);
    connect(m_formatListActions[4], &QAction::triggered, editor, &AbstractTextEditor::formatTextListUpperAlpha);
    connect(m_formatListActions[5], &QAction::triggered, editor, &AbstractTextEditor::formatTextListLowerAlpha);
    connect(m_formatListActions[6], &QAction::triggered, editor, &AbstractTextEditor::formatTextListUpperRoman);
    connect(m_formatListActions[7], &QAction::triggered, editor, &AbstractTextEditor::formatTextListLowerRoman);
    connect(m_insertRowsAction, &QAction::triggered, editor, &AbstractTextEditor::insertRows);
    connect(m_insertColumnsAction, &QAction::triggered, editor, &AbstractTextEditor::insertColumns);
    connect(m_deleteRowsAction, &QAction::triggered, editor, &AbstractTextEditor::deleteRows);
    connect(m_deleteColumnsAction, &QAction::triggered, editor, &AbstractTextEditor::deleteColumns);
    connect(m_setColumnWidthAction, &QAction::triggered, editor, &TextEditor::setColumnWidth);
    connect(editor, &AbstractTextEditor::cursorPositionChanged, this, &AbstractTextEditorView::cursorPositionChanged);
    connect(m_checkSpellingAction, &QAction::triggered, editor, &TextEditor::checkSpelling);
}
