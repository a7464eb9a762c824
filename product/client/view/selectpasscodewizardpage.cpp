#include "product/client/view/selectpasscodewizardpage.h"

#include "product/client/view/wizardpagesupport.h"

#include "library/gui/linguist.h"

#include <QFont>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QState>
#include <QStateMachine>
#include <QVBoxLayout>

namespace {

enum class KeyAction
{
    Digit,
    Enter,
    Delete
};

// The keypad, row by row; captions are ids of the shared context Linguist.
struct Key
{
    const char* captionId;
    KeyAction action;
    char digit;
    const char* icon;
};

const Key Keys[] = {
    {"P01BL", KeyAction::Digit, '1', nullptr}, {"P02BL", KeyAction::Digit, '2', nullptr},
    {"P03BL", KeyAction::Digit, '3', nullptr}, {"P04BL", KeyAction::Digit, '4', nullptr},
    {"P05BL", KeyAction::Digit, '5', nullptr}, {"P06BL", KeyAction::Digit, '6', nullptr},
    {"P07BL", KeyAction::Digit, '7', nullptr}, {"P08BL", KeyAction::Digit, '8', nullptr},
    {"P09BL", KeyAction::Digit, '9', nullptr}, {"P10BL", KeyAction::Enter, '\0', "keypad-enter"},
    {"P11BL", KeyAction::Digit, '0', nullptr}, {"P12BL", KeyAction::Delete, '\0', "keypad-delete"},
};

constexpr int KeypadColumns = 3;

const char* const BlackPrompt = "QLabel {color : black; }";
const char* const RedPrompt = "QLabel {color : red; }";

}  // namespace

SelectPasscodeWizardPage::SelectPasscodeWizardPage(QWidget* parent)
    : QWizardPage(parent)
    , m_noPasscodeRadioButton(new QRadioButton)
    , m_passcodeRadioButton(new QRadioButton)
    , m_promptLabel(new QLabel)
    , m_passcodeLineEdit(new QLineEdit)
    , m_passcodeIsValid(false)
    , m_enterKey(nullptr)
    , m_stateMachine(new QStateMachine(this))
    , m_noPasscodeState(new QState)
    , m_passcodeState(new QState)
    , m_enterState(new QState(m_passcodeState))
    , m_validatingEnteredState(new QState(m_passcodeState))
    , m_reenterState(new QState(m_passcodeState))
    , m_validatingReenteredState(new QState(m_passcodeState))
    , m_enteredState(new QState(m_passcodeState))
{
    wizardpage::InitializeHeader(this, tr("SelectPasscodeWizardPageTitle"), tr("SelectPasscodeWizardPageSubTitle"),
                                 "passcode");
    m_noPasscodeRadioButton->setText(tr("NoPasscode"));
    m_passcodeRadioButton->setText(tr("Passcode"));
    m_passcodeLineEdit->setReadOnly(true);
    m_passcodeLineEdit->setAlignment(Qt::AlignHCenter);
    m_passcodeLineEdit->setEchoMode(QLineEdit::Password);
    m_passcodeLineEdit->setFocusPolicy(Qt::NoFocus);

    QFont keyFont;
    keyFont.setStyleHint(QFont::TypeWriter);
    for (const Key& key : Keys) {
        auto* button = new QPushButton(Linguist::tr(key.captionId));
        button->setFont(keyFont);
        button->setFocusPolicy(Qt::NoFocus);
        if (key.icon) {
            button->setIcon(QIcon(wizardpage::IconPath(key.icon)));
        }
        if (key.action == KeyAction::Enter) {
            m_enterKey = button;
        }
        m_keys.append(button);
    }

    registerField(QStringLiteral("noPasscode"), m_noPasscodeRadioButton, "checked");
    registerField(QStringLiteral("passcode"), this, "passcode");
    registerField(QStringLiteral("passcodeIsValid"), this, "passcodeIsValid");
    initializeLayout();
    initializeStateMachine();
}

QString SelectPasscodeWizardPage::getPasscode() const
{
    return m_passcode;
}

void SelectPasscodeWizardPage::setPasscode(const QString& passcode)
{
    if (passcode != m_passcode) {
        m_passcode = passcode;
    }
}

bool SelectPasscodeWizardPage::getPasscodeIsValid() const
{
    return m_passcodeIsValid;
}

void SelectPasscodeWizardPage::setPasscodeIsValid(bool passcodeIsValid)
{
    if (passcodeIsValid != m_passcodeIsValid) {
        m_passcodeIsValid = passcodeIsValid;
    }
}

void SelectPasscodeWizardPage::initializeLayout()
{
    m_noPasscodeRadioButton->setChecked(true);
    auto* keypadLayout = new QGridLayout;
    for (int i = 0; i < m_keys.size(); ++i) {
        keypadLayout->addWidget(m_keys[i], i / KeypadColumns, i % KeypadColumns);
        const Key& key = Keys[i];
        if (key.action == KeyAction::Digit) {
            connect(m_keys[i], &QPushButton::clicked, this, [this, digit = key.digit]() { enterPasscodeDigit(digit); });
        } else if (key.action == KeyAction::Delete) {
            connect(m_keys[i], &QPushButton::clicked, this, &SelectPasscodeWizardPage::deleteLastDigit);
        }
    }
    auto* entryLayout = new QVBoxLayout;
    entryLayout->addWidget(m_passcodeLineEdit);
    entryLayout->addLayout(keypadLayout);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_noPasscodeRadioButton);
    layout->addWidget(m_passcodeRadioButton);
    layout->addWidget(wizardpage::CreateSeparatorLabel());
    layout->addWidget(m_promptLabel);
    layout->addLayout(entryLayout);
}

void SelectPasscodeWizardPage::initializeStateMachine()
{
    assignStateProperties();
    addStateTransitions();
    connectStateSignalsToSlots();
    m_stateMachine->addState(m_noPasscodeState);
    m_stateMachine->addState(m_passcodeState);
    m_passcodeState->setInitialState(m_enterState);
    m_stateMachine->setInitialState(m_noPasscodeState);
    m_stateMachine->start();
}

void SelectPasscodeWizardPage::assignStateProperties()
{
    const auto assignKeys = [this](QState* state, bool visible) {
        for (QPushButton* key : m_keys) {
            state->assignProperty(key, "visible", visible);
        }
    };

    m_noPasscodeState->assignProperty(this, "passcode", QString());
    m_noPasscodeState->assignProperty(this, "passcodeIsValid", false);
    m_noPasscodeState->assignProperty(m_promptLabel, "visible", false);
    m_noPasscodeState->assignProperty(m_promptLabel, "styleSheet", BlackPrompt);
    m_noPasscodeState->assignProperty(m_passcodeLineEdit, "visible", false);
    assignKeys(m_noPasscodeState, false);

    m_passcodeState->assignProperty(m_promptLabel, "visible", true);
    m_passcodeState->assignProperty(m_promptLabel, "styleSheet", BlackPrompt);
    m_passcodeState->assignProperty(m_passcodeLineEdit, "visible", true);
    assignKeys(m_passcodeState, true);

    m_enterState->assignProperty(m_passcodeLineEdit, "text", QString());
    m_enterState->assignProperty(m_promptLabel, "styleSheet", BlackPrompt);
    m_enterState->assignProperty(m_promptLabel, "text", tr("EnterPasscode"));

    m_validatingEnteredState->assignProperty(m_promptLabel, "text", tr("ValidatingPasscode"));
    m_validatingEnteredState->assignProperty(m_promptLabel, "styleSheet", BlackPrompt);

    m_reenterState->assignProperty(m_promptLabel, "text", tr("ReenterPasscode"));
    m_reenterState->assignProperty(m_promptLabel, "styleSheet", RedPrompt);
    m_reenterState->assignProperty(m_passcodeLineEdit, "text", QString());

    m_validatingReenteredState->assignProperty(m_promptLabel, "text", tr("ValidatingReenteredPasscode"));
    m_validatingReenteredState->assignProperty(m_promptLabel, "styleSheet", BlackPrompt);

    m_enteredState->assignProperty(m_promptLabel, "text", tr("PasscodeHasBeenEntered"));
    m_enteredState->assignProperty(m_promptLabel, "styleSheet", BlackPrompt);
    m_enteredState->assignProperty(m_passcodeLineEdit, "visible", false);
    assignKeys(m_enteredState, false);
}

void SelectPasscodeWizardPage::addStateTransitions()
{
    m_noPasscodeState->addTransition(m_passcodeRadioButton, &QRadioButton::pressed, m_passcodeState);
    m_passcodeState->addTransition(m_noPasscodeRadioButton, &QRadioButton::pressed, m_noPasscodeState);
    m_passcodeState->addTransition(this, &SelectPasscodeWizardPage::passcodeDiscarded, m_noPasscodeState);
    m_enterState->addTransition(m_enterKey, &QPushButton::clicked, m_validatingEnteredState);
    m_validatingEnteredState->addTransition(this, &SelectPasscodeWizardPage::validPasscodeEntered, m_reenterState);
    m_validatingEnteredState->addTransition(this, &SelectPasscodeWizardPage::invalidPasscodeEntered, m_enterState);
    m_reenterState->addTransition(m_enterKey, &QPushButton::clicked, m_validatingReenteredState);
    // A matching second entry confirmed by leaving the page instead of Enter.
    m_reenterState->addTransition(this, &SelectPasscodeWizardPage::validPasscodeReentered, m_enteredState);
    m_validatingReenteredState->addTransition(this, &SelectPasscodeWizardPage::validPasscodeReentered, m_enteredState);
    m_validatingReenteredState->addTransition(this, &SelectPasscodeWizardPage::invalidPasscodeReentered,
                                              m_reenterState);
}

void SelectPasscodeWizardPage::connectStateSignalsToSlots()
{
    connect(m_validatingEnteredState, &QState::entered, this, &SelectPasscodeWizardPage::validatingEnteredPasscode);
    connect(m_validatingReenteredState, &QState::entered, this, &SelectPasscodeWizardPage::validatingReenteredPasscode);
}

void SelectPasscodeWizardPage::enterPasscodeDigit(char digit)
{
    m_passcodeLineEdit->setText(m_passcodeLineEdit->text() + QLatin1Char(digit));
}

void SelectPasscodeWizardPage::deleteLastDigit()
{
    QString text = m_passcodeLineEdit->text();
    if (!text.isEmpty()) {
        text.chop(1);
        m_passcodeLineEdit->setText(text);
    }
}

void SelectPasscodeWizardPage::validatingEnteredPasscode()
{
    const QString text = m_passcodeLineEdit->text();
    if (!text.isEmpty()) {
        m_passcode = text;
        emit validPasscodeEntered();
        return;
    }
    QMessageBox::warning(this, Linguist::tr("Warning"), tr("PasscodeCannotBeEmptyWarning"), QMessageBox::Ok);
    m_passcode.clear();
    emit invalidPasscodeEntered();
}

void SelectPasscodeWizardPage::validatingReenteredPasscode()
{
    if (m_passcodeLineEdit->text() == m_passcode) {
        m_passcodeIsValid = true;
        emit validPasscodeReentered();
        return;
    }
    QMessageBox::warning(this, Linguist::tr("Warning"), tr("PasscodesDoNotMatchWarning"), QMessageBox::Ok);
    m_passcodeIsValid = false;
    emit invalidPasscodeReentered();
}

// Marks a matching second entry as validated and shows the success state,
// as Enter would have done.
void SelectPasscodeWizardPage::confirmPasscode()
{
    if (!m_passcodeIsValid) {
        setPasscodeIsValid(true);
        emit validPasscodeReentered();
    }
}

bool SelectPasscodeWizardPage::validatePage()
{
    if (m_noPasscodeRadioButton->isChecked()) {
        return true;
    }
    const QString text = m_passcodeLineEdit->text();
    if (text.isEmpty()) {
        QMessageBox::warning(this, Linguist::tr("Warning"), tr("PasscodeCannotBeEmptyWarning"), QMessageBox::Ok);
        return false;
    }
    if (text == m_passcode) {
        confirmPasscode();
        return true;
    }
    QMessageBox::warning(this, Linguist::tr("Warning"), tr("PasscodesDoNotMatchWarning"), QMessageBox::Ok);
    return false;
}

void SelectPasscodeWizardPage::cleanupPage()
{
    QWizardPage::cleanupPage();
    emit passcodeDiscarded();
}
