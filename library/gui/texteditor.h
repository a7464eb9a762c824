#pragma once

#include "library/gui/abstracttexteditor.h"

// The editor of the document and message windows: the abstract editor with
// pictures from the picture folders, tables, find and replace and the spell
// check. Lines wrap at the widget's width, both scroll bars always show and
// the selection is black on light grey.
class TextEditor : public AbstractTextEditor
{
    Q_OBJECT

public:
    explicit TextEditor(AbstractTextEditorView* view);

public slots:
    // Inserts a picture by reference ("pictures:<file name>" with its size),
    // found again through the "pictures" search path; its folder joins the
    // stored picture folders and the search path. A file that is no
    // readable picture is reported and changes nothing.
    virtual void insertPicture();
    virtual void insertTable();
    // Sets the width of the cursor's column, in pixels.
    virtual void setColumnWidth();
    virtual void replaceText();
    // Runs the spell check, then puts the cursor back where it was.
    virtual void checkSpelling();

private slots:
    void hidePane();
    void showPane();
    void resetPane();
};
