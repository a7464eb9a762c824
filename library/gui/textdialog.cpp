#include "library/gui/textdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

TextDialog::TextDialog(QWidget* parent, const QString& title, const QString& notice, const QString& text)
    : QDialog(parent)
    , m_noticeLabel(new QLabel(notice, this))
    , m_textEdit(new QTextEdit(this))
    , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Ok, this))
{
    m_textEdit->setReadOnly(true);
    m_textEdit->setAlignment(Qt::AlignLeft);
    m_textEdit->setPlainText(text);

    setMinimumSize(640, 480);
    setWindowTitle(title);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_noticeLabel);
    layout->addWidget(m_textEdit);
    layout->addWidget(m_buttonBox);

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
}
