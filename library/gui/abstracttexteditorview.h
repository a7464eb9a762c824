#pragma once

#include "library/gui/abstractviewwindow.h"

class QAction;

// The base of the windows that edit rich text. It owns the actions of the
// Edit menu; the editor widget reads Undo, Redo, Cut, Copy and Paste for its
// context menu and its key filter, so their enabled states decide what the
// editor lets out and in.
class AbstractTextEditorView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit AbstractTextEditorView(QWidget* parent);

    QAction* getUndoAction() const;
    QAction* getRedoAction() const;
    QAction* getCutAction() const;
    QAction* getCopyAction() const;
    QAction* getPasteAction() const;

protected:
    QAction* m_undoAction;
    QAction* m_redoAction;
    QAction* m_cutAction;
    QAction* m_copyAction;
    QAction* m_pasteAction;
    QAction* m_selectAllAction;
    QAction* m_findAction;
    QAction* m_replaceAction;

private:
    void createEditActions();
};
