#include "library/gui/abstractsearcheditor.h"

#include "library/gui/linguist.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>

namespace {

// The text field's share of the preferred width, in characters.
const QString TextWidthSample(24, QLatin1Char('X'));
constexpr int SpacingAllowance = 24;

}  // namespace

AbstractSearchEditor::AbstractSearchEditor(QWidget* parent)
    : QWidget(parent)
    , m_subjectComboBox(new QComboBox)
    , m_predicateComboBox(new QComboBox)
    , m_lineEdit(new QLineEdit)
    , m_dateEdit(new QDateEdit(QDate::currentDate()))
    , m_mode(new Mode(this))
{
    AbstractSearchEditor::initializeWindow();
}

int AbstractSearchEditor::getSubject() const
{
    return m_subjectComboBox->currentIndex();
}

int AbstractSearchEditor::getPredicate() const
{
    return m_predicateComboBox->currentIndex();
}

QString AbstractSearchEditor::getText() const
{
    return m_lineEdit->text().trimmed();
}

QDate AbstractSearchEditor::getDate() const
{
    return m_dateEdit->date();
}

void AbstractSearchEditor::setText(const QString& text)
{
    m_lineEdit->setText(text.trimmed());
}

void AbstractSearchEditor::setDate(const QDate& date)
{
    if (!date.isValid()) {
        qWarning("AbstractSearchEditor::setDate(): invalid date");
        return;
    }
    m_dateEdit->setDate(date);
}

void AbstractSearchEditor::initializeWindow()
{
    for (QComboBox* comboBox : {m_subjectComboBox, m_predicateComboBox}) {
        comboBox->setFrame(false);
        comboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    m_dateEdit->setMaximumDate(QDate::currentDate());
    m_dateEdit->setCalendarPopup(true);
    m_dateEdit->setDisplayFormat(Linguist::tr("QDateFormat"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_subjectComboBox, 0);
    layout->addWidget(m_predicateComboBox, 0);
    layout->addWidget(m_lineEdit, 1);
    layout->addWidget(m_dateEdit, 1);

    connect(m_subjectComboBox, &QComboBox::currentIndexChanged, this, &AbstractSearchEditor::subjectChanged);
    connect(m_predicateComboBox, &QComboBox::currentIndexChanged, this, &AbstractSearchEditor::predicateChanged);
    connect(m_lineEdit, &QLineEdit::editingFinished, this, &AbstractSearchEditor::textEditingFinished);
    connect(m_dateEdit, &QDateEdit::dateChanged, this, &AbstractSearchEditor::dateChanged);
}

QSize AbstractSearchEditor::sizeHint() const
{
    const int width = fontMetrics().horizontalAdvance(TextWidthSample) + m_subjectComboBox->sizeHint().width()
                      + m_predicateComboBox->sizeHint().width() + SpacingAllowance;
    return QSize(width, m_subjectComboBox->sizeHint().height());
}

void AbstractSearchEditor::subjectChanged(int index)
{
    m_mode->setMode(index);
    emit commitData(this);
}

void AbstractSearchEditor::predicateChanged(int)
{
    emit commitData(this);
}

void AbstractSearchEditor::textEditingFinished()
{
    emit commitData(this);
}

void AbstractSearchEditor::dateChanged(const QDate&)
{
    emit commitData(this);
}
