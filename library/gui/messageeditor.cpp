#include "library/gui/messageeditor.h"

MessageEditor::MessageEditor(AbstractTextEditorView* view)
    : TextEditor(view)
{}
