#pragma once

#include <QList>
#include <QWizardPage>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QState;
class QStateMachine;

// Whether a new key carries a passcode and, if so, the passcode typed twice
// on an on-screen keypad. A state machine drives the prompt, its colour and
// which widgets show: no passcode; or, inside the passcode state, entry,
// validation of the entry, re-entry, validation of the re-entry and success.
// The buttons' pressed() signals move it between the two top-level states.
// The fields are "noPasscode", "passcode" (the first entry) and
// "passcodeIsValid" (the second entry matched the first).
class SelectPasscodeWizardPage : public QWizardPage
{
    Q_OBJECT
    Q_PROPERTY(QString passcode READ getPasscode WRITE setPasscode)
    Q_PROPERTY(bool passcodeIsValid READ getPasscodeIsValid WRITE setPasscodeIsValid)

public:
    explicit SelectPasscodeWizardPage(QWidget* parent);

    QString getPasscode() const;
    void setPasscode(const QString& passcode);
    bool getPasscodeIsValid() const;
    void setPasscodeIsValid(bool passcodeIsValid);

    // Leaving with a passcode needs a non-empty entry equal to the first one;
    // a matching second entry that was not confirmed with Enter is taken as
    // confirmed.
    bool validatePage() override;
    // Back resets the fields to no passcode, and the machine with them.
    void cleanupPage() override;

signals:
    void validPasscodeEntered();
    void invalidPasscodeEntered();
    void validPasscodeReentered();
    void invalidPasscodeReentered();
    void passcodeDiscarded();

private slots:
    void validatingEnteredPasscode();
    void validatingReenteredPasscode();

private:
    void initializeLayout();
    void initializeStateMachine();
    void assignStateProperties();
    void addStateTransitions();
    void connectStateSignalsToSlots();

    void enterPasscodeDigit(char digit);
    void deleteLastDigit();
    void confirmPasscode();

    QRadioButton* m_noPasscodeRadioButton;
    QRadioButton* m_passcodeRadioButton;
    QLabel* m_promptLabel;
    QLineEdit* m_passcodeLineEdit;
    QString m_passcode;
    bool m_passcodeIsValid;
    // The twelve keys in keypad order: 1 to 9, Enter, 0, Delete.
    QList<QPushButton*> m_keys;
    QPushButton* m_enterKey;
    QStateMachine* m_stateMachine;
    QState* m_noPasscodeState;
    QState* m_passcodeState;
    QState* m_enterState;
    QState* m_validatingEnteredState;
    QState* m_reenterState;
    QState* m_validatingReenteredState;
    QState* m_enteredState;
};
