#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QLineEdit;
class QPushButton;

// Asks for the passcode of a key on a telephone-style keypad of twelve keys:
// the digits, Enter and Delete. The keypad is the only way in; the field
// masks every digit. Nothing is checked here: Enter keeps what was entered
// and closes Accepted, or Rejected when nothing was entered.
class PasscodeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PasscodeDialog(QWidget* parent);

    // Empty until Enter was pressed.
    const QString& getPasscode() const { return m_passcode; }
    // Keeps a different text, trimmed; the field stays as it is.
    void setPasscode(const QString& passcode);
    void enterPasscodeDigit(char digit);

private:
    void initializeLayout();
    void keyClicked(int key);
    void deleteLastDigit();
    void enterPasscode();

    QLineEdit* m_passcodeLineEdit;
    QString m_passcode;
    // Keys 1 to 12 at indexes 0 to 11.
    std::vector<QPushButton*> m_keys;
};
