#pragma once

#include "library/gui/abstracttextreader.h"

// The read-only viewer of message chains. It shows no context menu of its
// own: it emits customContextMenuRequested for the window's menu. The
// windows make it read-only.
class TextReader : public AbstractTextReader
{
    Q_OBJECT

public:
    explicit TextReader(QWidget* parent);
};
