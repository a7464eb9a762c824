#pragma once

#include "library/gui/searchdialog.h"

// Finds text in the document of one text widget and replaces it.
class ReplaceDialog : public SearchDialog
{
    Q_OBJECT

public:
    ReplaceDialog(QTextEdit& textEdit, QWidget* parent);

protected:
    virtual void initializeLayout();

protected slots:
    // Replaces whatever the widget has selected (normally the match that
    // Find selected); searches no further.
    virtual void replace();
    // Replaces every match from the start of the document. A replacement is
    // not searched again, so a replacement that holds the search text ends.
    virtual void replaceAll();

private:
    QLabel* m_replaceWithLabel;
    QPushButton* m_replacePushButton;
    QPushButton* m_replaceAllPushButton;
    QLineEdit* m_replaceWithLineEdit;
};
