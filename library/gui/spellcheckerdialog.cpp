#include "library/gui/spellcheckerdialog.h"

#include "library/gui/dictionaryentry.h"
#include "library/gui/linguist.h"
#include "library/gui/spellchecker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <hunspell/hunspell.hxx>

#include <string>

namespace {

SpellChecker& SharedSpellChecker()
{
    return *ACE_Singleton<SpellChecker, ACE_Null_Mutex>::instance();
}

std::string Utf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

}  // namespace

SpellCheckerDialog::SpellCheckerDialog(QTextEdit& textEdit, QWidget* parent)
    : QDialog(parent)
    , m_textEdit(textEdit)
    , m_wordCursor(textEdit.document())
    , m_suggestionListWidget(new QListWidget(this))
    , m_wordLabel(new QLabel(this))
    , m_ignorePushButton(new QPushButton(Linguist::tr("Ignore"), this))
    , m_ignoreAllPushButton(new QPushButton(Linguist::tr("IgnoreAll"), this))
    , m_changePushButton(new QPushButton(Linguist::tr("Change"), this))
    , m_changeAllPushButton(new QPushButton(Linguist::tr("ChangeAll"), this))
    , m_addToDictionaryPushButton(new QPushButton(tr("AddToDictionary"), this))
    , m_closePushButton(new QPushButton(Linguist::tr("Close"), this))
    , m_atEnd(false)
{
    setWindowTitle(tr("SpellCheckerDialogWindowTitle"));
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/spell-check.png")));
    m_wordLabel->setStyleSheet(QStringLiteral("QLabel { font-size: 14px; }"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_ignorePushButton);
    buttons->addWidget(m_ignoreAllPushButton);
    buttons->addWidget(m_changePushButton);
    buttons->addWidget(m_changeAllPushButton);
    buttons->addStretch();
    buttons->addWidget(m_addToDictionaryPushButton);
    buttons->addStretch();
    buttons->addWidget(m_closePushButton);
    auto* row = new QHBoxLayout;
    row->addWidget(m_suggestionListWidget);
    row->addStretch();
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_wordLabel);
    layout->addLayout(row);

    connect(m_ignorePushButton, &QPushButton::clicked, this, &SpellCheckerDialog::ignore);
    connect(m_ignoreAllPushButton, &QPushButton::clicked, this, &SpellCheckerDialog::ignoreAll);
    connect(m_changePushButton, &QPushButton::clicked, this, &SpellCheckerDialog::change);
    connect(m_changeAllPushButton, &QPushButton::clicked, this, &SpellCheckerDialog::changeAll);
    connect(m_addToDictionaryPushButton, &QPushButton::clicked, this, &SpellCheckerDialog::addToDictionary);
    connect(m_closePushButton, &QPushButton::clicked, this, &QDialog::close);

    m_wordCursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    checkSpelling();
}

SpellCheckerDialog::~SpellCheckerDialog()
{
    Hunspell* hunspell = SharedSpellChecker().getSpellChecker();
    if (!hunspell) {
        return;
    }
    for (const QString& word : std::as_const(m_ignoreAll)) {
        hunspell->add(Utf8(word));
    }
}

void SpellCheckerDialog::ignore()
{
    resume();
}

void SpellCheckerDialog::ignoreAll()
{
    m_ignoreAll.insert(m_wordLabel->text());
    resume();
}

void SpellCheckerDialog::change()
{
    const QListWidgetItem* suggestion = m_suggestionListWidget->currentItem();
    if (!suggestion) {
        return;
    }
    m_wordCursor.insertText(suggestion->text());
    resume();
}

void SpellCheckerDialog::changeAll()
{
    const QListWidgetItem* suggestion = m_suggestionListWidget->currentItem();
    if (!suggestion) {
        return;
    }
    m_changeAll.insert(m_wordLabel->text(), suggestion->text());
    change();
}

void SpellCheckerDialog::addToDictionary()
{
    SharedSpellChecker().addDictionaryEntry(
        DictionaryEntry(Utf8(m_wordLabel->text()), std::string(), std::string(), DictionaryEntry::Access{}));
    ignoreAll();
}

void SpellCheckerDialog::checkSpelling()
{
    m_suggestionListWidget->clear();
    for (QPushButton* button : {m_ignorePushButton, m_ignoreAllPushButton, m_changePushButton, m_changeAllPushButton,
                                m_addToDictionaryPushButton}) {
        button->setEnabled(false);
    }
    Hunspell* hunspell = SharedSpellChecker().getSpellChecker();
    if (!hunspell) {
        finish(tr("SpellCheckNotAvailable"));
        return;
    }
    // The first word is selected already: a document of one word ends
    // there, and is still checked.
    while (!m_atEnd && !(m_wordCursor.atEnd() && !m_wordCursor.hasSelection())) {
        m_wordCursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        m_textEdit.setTextCursor(m_wordCursor);
        m_textEdit.ensureCursorVisible();
        const QString word = m_wordCursor.selectedText();
        // Single characters (and the empty selection between two breaks)
        // are not words to check.
        if (word.size() <= 1 || hunspell->spell(Utf8(word)) || m_ignoreAll.contains(word)) {
            m_wordLabel->clear();
            m_atEnd = !moveOn();
            continue;
        }
        if (const auto replacement = m_changeAll.constFind(word); replacement != m_changeAll.constEnd()) {
            m_wordCursor.insertText(replacement.value());
            m_atEnd = !moveOn();
            continue;
        }
        m_wordLabel->setText(word);
        for (const std::string& suggestion : hunspell->suggest(Utf8(word))) {
            m_suggestionListWidget->addItem(QString::fromStdString(suggestion));
        }
        m_ignorePushButton->setEnabled(true);
        m_ignoreAllPushButton->setEnabled(true);
        m_addToDictionaryPushButton->setEnabled(true);
        if (m_suggestionListWidget->count() > 0) {
            m_suggestionListWidget->setCurrentRow(0);
            m_changePushButton->setEnabled(true);
            m_changeAllPushButton->setEnabled(true);
        }
        return;
    }
    finish(tr("SpellCheckComplete"));
}

bool SpellCheckerDialog::moveOn()
{
    const int position = m_wordCursor.position();
    m_wordCursor.movePosition(QTextCursor::NextWord);
    return m_wordCursor.position() > position;
}

void SpellCheckerDialog::resume()
{
    m_atEnd = !moveOn();
    checkSpelling();
}

void SpellCheckerDialog::finish(const QString& text)
{
    m_wordLabel->setText(text);
}
