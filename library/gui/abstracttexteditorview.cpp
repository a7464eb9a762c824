#include "library/gui/abstracttexteditorview.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>

AbstractTextEditorView::AbstractTextEditorView(QWidget* parent)
    : AbstractViewWindow(parent)
    , m_undoAction(nullptr)
    , m_redoAction(nullptr)
    , m_cutAction(nullptr)
    , m_copyAction(nullptr)
    , m_pasteAction(nullptr)
    , m_selectAllAction(nullptr)
    , m_findAction(nullptr)
    , m_replaceAction(nullptr)
{
    createEditActions();
}

QAction* AbstractTextEditorView::getUndoAction() const
{
    return m_undoAction;
}

QAction* AbstractTextEditorView::getRedoAction() const
{
    return m_redoAction;
}

QAction* AbstractTextEditorView::getCutAction() const
{
    return m_cutAction;
}

QAction* AbstractTextEditorView::getCopyAction() const
{
    return m_copyAction;
}

QAction* AbstractTextEditorView::getPasteAction() const
{
    return m_pasteAction;
}

void AbstractTextEditorView::createEditActions()
{
    struct EditAction
    {
        QAction* AbstractTextEditorView::*member;
        const char* context;
        const char* text;
        const char* icon;
    };
    static const EditAction editActions[] = {
        {&AbstractTextEditorView::m_undoAction, "Linguist", "Undo", ":icons/32x32/undo.png"},
        {&AbstractTextEditorView::m_redoAction, "Linguist", "Redo", ":icons/32x32/redo.png"},
        {&AbstractTextEditorView::m_cutAction, "Linguist", "Cut", ":icons/32x32/cut.png"},
        {&AbstractTextEditorView::m_copyAction, "Linguist", "Copy", ":icons/32x32/copy.png"},
        {&AbstractTextEditorView::m_pasteAction, "Linguist", "Paste", ":icons/32x32/clipboard_paste.png"},
        {&AbstractTextEditorView::m_selectAllAction, "Linguist", "SelectAll", nullptr},
        {&AbstractTextEditorView::m_findAction, "Linguist", "Find", ":icons/32x32/magnifying_glass.png"},
        {&AbstractTextEditorView::m_replaceAction, "AbstractTextEditorView", "Replace", nullptr},
    };
    for (const EditAction& action : editActions) {
        const QIcon icon = action.icon ? QIcon(QString::fromLatin1(action.icon)) : QIcon();
        this->*action.member = addAction(m_editMenu, m_editMenu, icon,
                                         QCoreApplication::translate(action.context, action.text), QString());
    }
}
