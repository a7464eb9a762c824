#pragma once

#include "library/gui/texteditor.h"

// The editor of the document editor window.
class DocumentEditor : public TextEditor
{
    Q_OBJECT

public:
    explicit DocumentEditor(AbstractTextEditorView* view);
};
