#pragma once

#include "library/gui/texteditor.h"

// The editor of the message editor window.
class MessageEditor : public TextEditor
{
    Q_OBJECT

public:
    explicit MessageEditor(AbstractTextEditorView* view);
};
