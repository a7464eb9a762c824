#pragma once

// An editor in a test window of the editor window base, with the text
// edit's clipboard and drag-and-drop hooks open to the tests.

#include "library/gui/abstracttexteditorview.h"
#include "library/gui/documenteditor.h"

#include <QAction>
#include <QTextCursor>

namespace testsupport {

class ProbedEditor : public DocumentEditor
{
public:
    using DocumentEditor::canInsertFromMimeData;
    using DocumentEditor::createMimeDataFromSelection;
    using DocumentEditor::dropEvent;
    using DocumentEditor::DocumentEditor;
    using DocumentEditor::insertFromMimeData;
};

// The window is not shown; the editor is its child.
class TextEditorWindow
{
public:
    TextEditorWindow()
        : m_editor(new ProbedEditor(&m_view))
    {}

    AbstractTextEditorView& view() { return m_view; }
    ProbedEditor& editor() { return *m_editor; }

    // Sets the plain text and selects [from, to), the caret at `to`.
    void setText(const QString& text, int from = 0, int to = 0)
    {
        m_editor->setPlainText(text);
        select(from, to);
    }
    void select(int from, int to)
    {
        QTextCursor cursor(m_editor->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        m_editor->setTextCursor(cursor);
    }

private:
    AbstractTextEditorView m_view{nullptr};
    ProbedEditor* m_editor;
};

}  // namespace testsupport
