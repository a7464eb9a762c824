#include "library/gui/passcodedialog.h"

#include <QFont>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A key's digit, or one of these for the two keys that enter no digit.
constexpr char EnterKey = '\n';
constexpr char DeleteKey = '\b';

struct Key
{
    const char* textId;
    int row;
    int column;
    char action;
};

// The keypad by key number: key 10 is Enter and key 11 the zero.
const Key Keys[] = {
    {"P01BL", 0, 0, '1'}, {"P02BL", 0, 1, '2'},      {"P03BL", 0, 2, '3'}, {"P04BL", 1, 0, '4'},
    {"P05BL", 1, 1, '5'}, {"P06BL", 1, 2, '6'},      {"P07BL", 2, 0, '7'}, {"P08BL", 2, 1, '8'},
    {"P09BL", 2, 2, '9'}, {"P10BL", 3, 0, EnterKey}, {"P11BL", 3, 1, '0'}, {"P12BL", 3, 2, DeleteKey},
};

}  // namespace

PasscodeDialog::PasscodeDialog(QWidget* parent)
    : QDialog(parent)
    , m_passcodeLineEdit(new QLineEdit(this))
{
    for (const Key& key : Keys) {
        m_keys.push_back(new QPushButton(tr(key.textId), this));
    }
    initializeLayout();
}

void PasscodeDialog::setPasscode(const QString& passcode)
{
    if (passcode != m_passcode) {
        m_passcode = passcode.trimmed();
    }
}

void PasscodeDialog::enterPasscodeDigit(char digit)
{
    m_passcodeLineEdit->setText(m_passcodeLineEdit->text() + QChar::fromLatin1(digit));
}

void PasscodeDialog::initializeLayout()
{
    setWindowTitle(tr("PasscodeDialog"));

    QFont keyFont(QStringLiteral("Courier"), 12, QFont::Normal, false);
    auto* keypad = new QGridLayout;
    for (std::size_t index = 0; index < m_keys.size(); ++index) {
        QPushButton* button = m_keys[index];
        button->setFont(keyFont);
        keypad->addWidget(button, Keys[index].row, Keys[index].column);
        const int key = static_cast<int>(index);
        connect(button, &QPushButton::clicked, this, [this, key]() { keyClicked(key); });
    }

    m_passcodeLineEdit->setReadOnly(true);
    m_passcodeLineEdit->setAlignment(Qt::AlignHCenter);
    m_passcodeLineEdit->setEchoMode(QLineEdit::Password);
    m_passcodeLineEdit->setFocusPolicy(Qt::NoFocus);

    auto* inner = new QVBoxLayout;
    inner->addWidget(m_passcodeLineEdit);
    inner->addLayout(keypad);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(inner);
}

void PasscodeDialog::keyClicked(int key)
{
    switch (Keys[key].action) {
    case EnterKey:
        enterPasscode();
        break;
    case DeleteKey:
        deleteLastDigit();
        break;
    default:
        enterPasscodeDigit(Keys[key].action);
        break;
    }
}

void PasscodeDialog::deleteLastDigit()
{
    QString text = m_passcodeLineEdit->text();
    if (!text.isEmpty()) {
        text.chop(1);
        m_passcodeLineEdit->setText(text);
    }
}

void PasscodeDialog::enterPasscode()
{
    m_passcode = m_passcodeLineEdit->text();
    done(m_passcode.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
}
