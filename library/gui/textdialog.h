#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QTextEdit;

// A short notice above a long text, such as the About box above the licence:
// the notice shows as rich text when it holds markup, the text always as
// plain text, markup included. It ends Accepted on OK.
class TextDialog : public QDialog
{
    Q_OBJECT

public:
    TextDialog(QWidget* parent, const QString& title, const QString& notice, const QString& text);

private:
    QLabel* m_noticeLabel;
    QTextEdit* m_textEdit;
    QDialogButtonBox* m_buttonBox;
};
