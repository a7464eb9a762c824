#pragma once

#include <QTextDocument>

// The document that the windows give to their readers and editors: its
// default font is "DejaVu Sans" at 10 points, whatever the application's
// font is.
class TextDocument : public QTextDocument
{
    Q_OBJECT

public:
    explicit TextDocument(QObject* parent);
};
