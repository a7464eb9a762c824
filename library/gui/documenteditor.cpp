#include "library/gui/documenteditor.h"

DocumentEditor::DocumentEditor(AbstractTextEditorView* view)
    : TextEditor(view)
{}
