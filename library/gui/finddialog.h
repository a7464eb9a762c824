#pragma once

#include "library/gui/searchdialog.h"

// Finds text in the document of one text widget.
class FindDialog : public SearchDialog
{
    Q_OBJECT

public:
    FindDialog(QTextEdit& textEdit, QWidget* parent);

protected:
    virtual void initializeLayout();
};
