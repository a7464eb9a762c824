#include "library/gui/replacedialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QFrame>
#include <QVBoxLayout>

ReplaceDialog::ReplaceDialog(QTextEdit& textEdit, QWidget* parent)
    : SearchDialog(textEdit, parent)
    , m_replaceWithLabel(new QLabel(tr("ReplaceWith"), this))
    , m_replacePushButton(new QPushButton(tr("Replace"), this))
    , m_replaceAllPushButton(new QPushButton(tr("ReplaceAll"), this))
    , m_replaceWithLineEdit(new QLineEdit(this))
{
    m_replaceWithLabel->setBuddy(m_replaceWithLineEdit);
    initializeLayout();
    connectSignals();
    connect(m_replacePushButton, &QPushButton::clicked, this, &ReplaceDialog::replace);
    connect(m_replaceAllPushButton, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
}

void ReplaceDialog::initializeLayout()
{
    setWindowTitle(tr("ReplaceDialogWindowTitle"));
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/find-replace.png")));
    setMinimumWidth(320);
    auto* rows = new QVBoxLayout;
    rows->addLayout(CreateFieldRow(m_findWhatLabel, m_findWhatLineEdit, m_findPushButton, m_findAllPushButton));
    rows->addWidget(createSunkenLine());
    rows->addLayout(
        CreateFieldRow(m_replaceWithLabel, m_replaceWithLineEdit, m_replacePushButton, m_replaceAllPushButton));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createBox(rows));
    addOptionsAndClose(layout);
}

void ReplaceDialog::replace()
{
    if (m_findWhatLineEdit->text().isEmpty()) {
        return;
    }
    QTextCursor cursor = m_textEdit.textCursor();
    if (!cursor.hasSelection()) {
        return;
    }
    cursor.insertText(m_replaceWithLineEdit->text());
    m_textEdit.setTextCursor(cursor);
}

void ReplaceDialog::replaceAll()
{
    const QString text = m_findWhatLineEdit->text();
    if (text.isEmpty()) {
        return;
    }
    const QTextDocument::FindFlags flags = getFindFlags();
    QTextDocument* document = m_textEdit.document();
    const QString replacement = m_replaceWithLineEdit->text();
    QTextCursor last;
    // The document is laid out once after the last replacement: laid out
    // after each one, it would be walked to its end once per match.
    const bool layoutEnabled = document->isLayoutEnabled();
    document->setLayoutEnabled(false);
    // Each replacement is its own undo step. The next search starts after
    // the inserted text.
    for (QTextCursor match = document->find(text, moveToStart(), flags); !match.isNull();
         match = document->find(text, match, flags)) {
        match.insertText(replacement);
        last = match;
    }
    document->setLayoutEnabled(layoutEnabled);
    // The caret ends after the last replacement; moving it through every
    // one on the way would lay the document out once per match.
    if (!last.isNull()) {
        showMatch(last);
    }
}
