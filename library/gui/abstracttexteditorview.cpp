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
        ActionTexts texts;
    };
    static const EditAction editActions[] = {
        {&AbstractTextEditorView::m_undoAction, "Linguist", {"Undo", ":icons/32x32/undo.png", nullptr, nullptr}},
        {&AbstractTextEditorView::m_redoAction, "Linguist", {"Redo", ":icons/32x32/redo.png", nullptr, nullptr}},
        {&AbstractTextEditorView::m_cutAction, "Linguist", {"Cut", ":icons/32x32/cut.png", nullptr, nullptr}},
        {&AbstractTextEditorView::m_copyAction, "Linguist", {"Copy", ":icons/32x32/copy.png", nullptr, nullptr}},
        {&AbstractTextEditorView::m_pasteAction,
         "Linguist",
         {"Paste", ":icons/32x32/paste.png", nullptr, nullptr}},
        {&AbstractTextEditorView::m_selectAllAction, "Linguist", {"SelectAll", nullptr, nullptr, nullptr}},
        {&AbstractTextEditorView::m_findAction,
         "Linguist",
         {"Find", ":icons/32x32/find.png", nullptr, nullptr}},
        {&AbstractTextEditorView::m_replaceAction, "AbstractTextEditorView", {"Replace", nullptr, nullptr, nullptr}},
    };
    for (const EditAction& action : editActions) {
        this->*action.member = createAction(m_editMenu, action.context, action.texts);
    }
}
