#include "library/gui/searchdialog.h"

#include "library/gui/linguist.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString GroupBoxStyleSheet = QStringLiteral("QGroupBox { border: 1px solid lightGray; }");

// A group box without a title around an exclusive pair of buttons.
QGroupBox* CreatePairBox(QWidget* parent, QRadioButton* first, QRadioButton* second)
{
    auto* box = new QGroupBox(parent);
    box->setStyleSheet(GroupBoxStyleSheet);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(first);
    layout->addWidget(second);
    return box;
}

}  // namespace

SearchDialog::SearchDialog(QTextEdit& textEdit, QWidget* parent)
    : QDialog(parent)
    , m_textEdit(textEdit)
    , m_savedCursor(textEdit.textCursor())
    , m_searchCursor(textEdit.document())
    , m_findWhatLabel(new QLabel(tr("FindWhat"), this))
    , m_findWhatLineEdit(new QLineEdit(this))
    , m_searchForwardRadioButton(new QRadioButton(tr("SearchForward"), this))
    , m_searchBackwardRadioButton(new QRadioButton(tr("SearchBackward"), this))
    , m_caseSensitiveRadioButton(new QRadioButton(tr("CaseSensitive"), this))
    , m_caseInsensitiveRadioButton(new QRadioButton(tr("CaseInsensitive"), this))
    , m_matchOnlyCompleteWordsCheckBox(new QCheckBox(tr("MatchOnlyCompleteWords"), this))
    , m_findPushButton(new QPushButton(Linguist::tr("Find"), this))
    , m_findAllPushButton(new QPushButton(Linguist::tr("FindAll"), this))
    , m_closePushButton(new QPushButton(Linguist::tr("Close"), this))
{
    // The caret, without the selection: a selection made left to right
    // is searched past from its end.
    m_searchCursor.setPosition(m_savedCursor.position());
    m_findWhatLabel->setBuddy(m_findWhatLineEdit);
    // Each pair is exclusive by itself, also before the layout puts it in
    // its own box.
    for (const auto& pair : {std::pair(m_searchForwardRadioButton, m_searchBackwardRadioButton),
                             std::pair(m_caseInsensitiveRadioButton, m_caseSensitiveRadioButton)}) {
        auto* group = new QButtonGroup(this);
        group->addButton(pair.first);
        group->addButton(pair.second);
    }
    m_searchForwardRadioButton->setChecked(true);
    m_caseInsensitiveRadioButton->setChecked(true);
    m_findPushButton->setEnabled(false);
}

SearchDialog::~SearchDialog()
{
    m_textEdit.setExtraSelections({});
    m_textEdit.setTextCursor(m_savedCursor);
}

QTextDocument::FindFlags SearchDialog::getFindFlags() const
{
    QTextDocument::FindFlags flags;
    flags.setFlag(QTextDocument::FindBackward, m_searchBackwardRadioButton->isChecked());
    flags.setFlag(QTextDocument::FindCaseSensitively, m_caseSensitiveRadioButton->isChecked());
    flags.setFlag(QTextDocument::FindWholeWords, m_matchOnlyCompleteWordsCheckBox->isChecked());
    return flags;
}

void SearchDialog::connectSignals()
{
    connect(m_findWhatLineEdit, &QLineEdit::textChanged, this, &SearchDialog::textChanged);
    connect(m_findPushButton, &QPushButton::clicked, this, &SearchDialog::find);
    connect(m_findAllPushButton, &QPushButton::clicked, this, &SearchDialog::findAll);
    connect(m_closePushButton, &QPushButton::clicked, this, &QDialog::close);
}

void SearchDialog::textChanged(const QString&)
{
    const bool searchable = !m_findWhatLineEdit->text().isEmpty();
    m_searchForwardRadioButton->setEnabled(searchable);
    m_searchBackwardRadioButton->setEnabled(searchable);
    m_findPushButton->setEnabled(searchable);
}

void SearchDialog::find()
{
    const QString text = m_findWhatLineEdit->text();
    if (text.isEmpty()) {
        return;
    }
    const QTextCursor match = m_textEdit.document()->find(text, m_searchCursor, getFindFlags());
    if (match.isNull()) {
        return;
    }
    m_searchCursor = match;
    showMatch(match);
}

void SearchDialog::findAll()
{
    const QString text = m_findWhatLineEdit->text();
    if (text.isEmpty()) {
        return;
    }
    const QTextDocument::FindFlags flags = getFindFlags();
    const QTextDocument* document = m_textEdit.document();
    QList<QTextEdit::ExtraSelection> highlights;
    QTextEdit::ExtraSelection highlight;
    highlight.format.setBackground(QBrush(Qt::lightGray, Qt::SolidPattern));
    QTextCursor match = moveToStart();
    while (!(match = document->find(text, match, flags)).isNull()) {
        highlight.cursor = match;
        highlights.append(highlight);
    }
    // Only the last match stays selected: moving the caret through every
    // match on the way would lay the document out once per match.
    if (!highlights.isEmpty()) {
        showMatch(highlights.constLast().cursor);
    }
    // One repaint of the view: a repaint request per highlight would pile up
    // thousands of rectangles in the dirty region.
    QWidget* view = m_textEdit.viewport();
    view->setUpdatesEnabled(false);
    m_textEdit.setExtraSelections(highlights);
    view->setUpdatesEnabled(true);
}

QBoxLayout* SearchDialog::CreateFieldRow(QLabel* label, QLineEdit* field, QPushButton* first, QPushButton* second)
{
    auto* fieldColumn = new QVBoxLayout;
    fieldColumn->addWidget(label);
    fieldColumn->addWidget(field);
    fieldColumn->addStretch();
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(first);
    buttonColumn->addWidget(second);
    auto* row = new QHBoxLayout;
    row->addLayout(fieldColumn);
    row->addLayout(buttonColumn);
    return row;
}

QFrame* SearchDialog::createBox(QBoxLayout* rows)
{
    auto* box = new QFrame(this);
    box->setFrameStyle(QFrame::Box | QFrame::Sunken);
    box->setLayout(rows);
    return box;
}

QFrame* SearchDialog::createSunkenLine()
{
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void SearchDialog::addOptionsAndClose(QBoxLayout* layout)
{
    layout->addWidget(CreatePairBox(this, m_searchForwardRadioButton, m_searchBackwardRadioButton));
    layout->addWidget(CreatePairBox(this, m_caseInsensitiveRadioButton, m_caseSensitiveRadioButton));
    layout->addWidget(m_matchOnlyCompleteWordsCheckBox);
    layout->addWidget(createSunkenLine());
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(m_closePushButton);
    closeRow->addStretch();
    layout->addLayout(closeRow);
}

QTextCursor SearchDialog::moveToStart()
{
    m_textEdit.moveCursor(QTextCursor::Start);
    return m_textEdit.textCursor();
}

void SearchDialog::showMatch(const QTextCursor& match)
{
    m_textEdit.setTextCursor(match);
    m_textEdit.ensureCursorVisible();
}
