#pragma once

#include "library/gui/abstracttextreader.h"

#include <QPointer>

class QAction;
class QKeyEvent;
class QMimeData;
class QMouseEvent;

// The read-only viewer of message chains. It shows no context menu of its
// own: it emits customContextMenuRequested for the window's menu. The
// windows make it read-only.
//
// Once a window hands it its Copy action, that action decides what may
// leave the reader by any way (the copy key, the clipboard, the mouse
// selection, a drag out): while it is disabled, or once it is gone, nothing
// leaves. Every copy by key and every drag out that is let through is
// counted once.
class TextReader : public AbstractTextReader
{
    Q_OBJECT

public:
    explicit TextReader(QWidget* parent);

    void setCopyAction(QAction* copyAction);

public slots:
    void copyToClipboard() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    bool copyAllowed() const;

    bool m_copyGated;
    QPointer<QAction> m_copyAction;
    // Set by a left-button press: the text that the text edit asks for
    // before the button is released is for a drag.
    mutable bool m_leftButtonDown;
};
