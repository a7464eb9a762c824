#pragma once

// A window of the editor window template over an editor that records the
// calls of its virtual slots instead of opening their dialogs. The window
// gives the editor its document and runs the ten initialise steps in their
// order, as the concrete windows do.

#include "library/gui/textdocument.h"
#include "library/gui/texteditorview.h"

#include <QCloseEvent>
#include <QStringList>

namespace testsupport {

class RecordingEditor : public TextEditor
{
public:
    using TextEditor::TextEditor;

    void findText() override { m_calls << QStringLiteral("findText"); }
    void replaceText() override { m_calls << QStringLiteral("replaceText"); }
    void insertPicture() override { m_calls << QStringLiteral("insertPicture"); }
    void insertTable() override { m_calls << QStringLiteral("insertTable"); }
    void setColumnWidth() override { m_calls << QStringLiteral("setColumnWidth"); }
    void checkSpelling() override { m_calls << QStringLiteral("checkSpelling"); }

    const QStringList& calls() const { return m_calls; }

private:
    QStringList m_calls;
};

class EditorViewWindow : public TextEditorView<RecordingEditor>
{
public:
    EditorViewWindow()
        : TextEditorView(nullptr)
    {
        m_textEditor->setDocument(new TextDocument(m_textEditor));
        setCentralWidget(m_textEditor);
        initializeFileMenu();
        initializeEditMenu();
        initializeViewMenu();
        initializeTableMenu();
        initializeInsertMenu();
        initializeFormatMenu();
        initializeToolsMenu();
        initializeStandardToolBar();
        initializeFormattingToolBar();
        initializeIconToolBar();
    }

    RecordingEditor* editor() const { return m_textEditor; }
    // How often the window was asked to close; the window refuses, so that
    // it stays for the test.
    int closeRequests() const { return m_closeRequests; }

    using AbstractTextEditorView::m_alignCenterAction;
    using AbstractTextEditorView::m_alignJustifyAction;
    using AbstractTextEditorView::m_alignLeftAction;
    using AbstractTextEditorView::m_alignRightAction;
    using AbstractTextEditorView::m_boldAction;
    using AbstractTextEditorView::m_checkSpellingAction;
    using AbstractTextEditorView::m_closeAction;
    using AbstractTextEditorView::m_decreaseIndentAction;
    using AbstractTextEditorView::m_deleteColumnsAction;
    using AbstractTextEditorView::m_deleteRowsAction;
    using AbstractTextEditorView::m_editMenu;
    using AbstractTextEditorView::m_fileMenu;
    using AbstractTextEditorView::m_findAction;
    using AbstractTextEditorView::m_fontColorComboBox;
    using AbstractTextEditorView::m_fontNameComboBox;
    using AbstractTextEditorView::m_fontSizeComboBox;
    using AbstractTextEditorView::m_formatListActions;
    using AbstractTextEditorView::m_formatMenu;
    using AbstractTextEditorView::m_formattingToolBar;
    using AbstractTextEditorView::m_helpMenu;
    using AbstractTextEditorView::m_iconGroupComboBox;
    using AbstractTextEditorView::m_iconMemoryCounter;
    using AbstractTextEditorView::m_iconMemoryToolButtons;
    using AbstractTextEditorView::m_iconSelectionToolButton;
    using AbstractTextEditorView::m_iconSizeComboBox;
    using AbstractTextEditorView::m_iconToolBar;
    using AbstractTextEditorView::m_increaseIndentAction;
    using AbstractTextEditorView::m_insertColumnsAction;
    using AbstractTextEditorView::m_insertHorizontalRulerAction;
    using AbstractTextEditorView::m_insertListActions;
    using AbstractTextEditorView::m_insertMenu;
    using AbstractTextEditorView::m_insertPictureAction;
    using AbstractTextEditorView::m_insertRowsAction;
    using AbstractTextEditorView::m_insertTableAction;
    using AbstractTextEditorView::m_italicAction;
    using AbstractTextEditorView::m_noTextListAction;
    using AbstractTextEditorView::m_redoAction;
    using AbstractTextEditorView::m_replaceAction;
    using AbstractTextEditorView::m_selectAllAction;
    using AbstractTextEditorView::m_setColumnWidthAction;
    using AbstractTextEditorView::m_standardToolBar;
    using AbstractTextEditorView::m_tableMenu;
    using AbstractTextEditorView::m_toolsMenu;
    using AbstractTextEditorView::m_underlineAction;
    using AbstractTextEditorView::m_undoAction;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++m_closeRequests;
        event->ignore();
    }

private:
    int m_closeRequests = 0;
};

}  // namespace testsupport
