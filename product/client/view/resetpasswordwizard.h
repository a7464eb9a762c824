#pragma once

#include "product/client/view/passwordrules.h"

#include <QWizard>
#include <QWizardPage>

#include <array>

class QCheckBox;
class QLineEdit;
class QTextEdit;

// Lets the logged-on user change his own password: he proves who he is with
// his user name and current password (checked against the Registry's record,
// nothing sent), types a new password twice, and Commit stores it on the
// server with one UpdateUser exchange and in the Registry. Every text is read
// trimmed, as the log-on dialog reads it, so that the new password can be
// typed at the next log-on.
class ResetPasswordWizard : public QWizard
{
    Q_OBJECT

public:
    explicit ResetPasswordWizard(QWidget* parent);
    ~ResetPasswordWizard() override;

private:
    QWizardPage* const m_introductionPage;
    QWizardPage* const m_authenticatePage;
    QWizardPage* const m_reinitializePage;
    QWizardPage* const m_confirmationPage;
};

class ResetPasswordIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit ResetPasswordIntroductionWizardPage(QWidget* parent);
};

// The user name and the current password; the fields "userName" and
// "currentPassword".
class ResetPasswordAuthenticateWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit ResetPasswordAuthenticateWizardPage(QWidget* parent);

    void initializePage() override;
    // Warns of the first entry that is empty or does not match the Registry.
    bool validatePage() override;

private:
    QLineEdit* const m_userNameLineEdit;
    QLineEdit* const m_currentPasswordLineEdit;
};

// The new password and its confirmation, with the rules it meets shown live
// in five disabled check boxes and a light as the page's logo. The commit page.
class ResetPasswordReinitializeWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit ResetPasswordReinitializeWizardPage(QWidget* parent);

    void initializePage() override;
    // Warns of the first rule the entries break; otherwise stores the new
    // password on the server and, once it is stored, in the Registry. A
    // failed exchange is told in a warning and the page stays.
    bool validatePage() override;

public slots:
    void newPasswordTextChanged(const QString& text);

private:
    // The boxes of the character classes, in the order of the rules.
    std::array<QCheckBox*, passwordrules::ClassCount> classCheckBoxes() const;
    void setLight(const char* icon);

    QCheckBox* const m_passwordLengthRequirementCheckBox;
    QCheckBox* const m_passwordLowercaseRequirementCheckBox;
    QCheckBox* const m_passwordUppercaseRequirementCheckBox;
    QCheckBox* const m_passwordNumberRequirementCheckBox;
    QCheckBox* const m_passwordSymbolRequirementCheckBox;
    QLineEdit* const m_enterNewPasswordLineEdit;
    QLineEdit* const m_confirmNewPasswordLineEdit;
};

// The new password's length and the classes of characters it holds.
class ResetPasswordConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit ResetPasswordConfirmationWizardPage(QWidget* parent);

    void initializePage() override;

private:
    QTextEdit* const m_confirmationTextEdit;
};
