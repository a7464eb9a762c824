#include "product/client/view/resetpasswordwizard.h"

#include "product/client/view/passwordrules.h"
#include "library/gui/serverfailuretext.h"
#include "product/client/view/wizardpagesupport.h"

#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/gui/horizontalline.h"
#include "library/gui/servercall.h"
#include "library/security/cryptographer.h"

#include "updateuserrequest3.pb.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextEdit>
#include <QVBoxLayout>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

namespace {

const char* const PasswordIcon = "reset-password";
const char* const WeakIcon = "password-weak";
const char* const FairIcon = "password-fair";
const char* const StrongIcon = "password-strong";
const char* const ConfirmationIcon = "wizard-finish";

Registry& TheRegistry()
{
    return *ACE_Singleton<Registry, ACE_Null_Mutex>::instance();
}

const Cryptographer& TheCryptographer()
{
    return *ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
}

// The hash of a password as the log-on sends it.
std::string PasswordHash(const QString& password)
{
    return TheCryptographer().hashPassword(password.toUtf8().toStdString());
}

// The password is the one that the Registry's record holds.
bool IsCurrentPassword(const QString& password)
{
    return TheCryptographer().decodePassword(PasswordHash(password), TheRegistry().getUserPassword());
}

QString OptionalTextId(const char* textId)
{
    return QString::fromLatin1(textId) + QStringLiteral("Optional");
}

// Shows the first failed check of a page; true when every check passed.
struct Check
{
    bool failed;
    const char* warningId;
};

bool PassesChecks(QWizardPage* page, std::initializer_list<Check> checks, const char* context)
{
    for (const Check& check : checks) {
        if (check.failed) {
            QMessageBox::warning(page, page->title(), QCoreApplication::translate(context, check.warningId),
                                 QMessageBox::Ok);
            return false;
        }
    }
    return true;
}

// Stores the new password of the logged-on user on the server; the reason
// when it was not stored.
std::optional<QString> StorePassword(const std::string& storedPassword)
{
    zarv::data::UpdateUserRequest request;
    zarv::data::User& user = *request.mutable_user();
    user.set_user_id(TheRegistry().getUser().user_id());
    user.mutable_user_security_descriptor()->set_password(storedPassword);
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return ServerFailureText(common::ProtoSerializeToStringEr, ServerCall::ClientMinorErcode);
    }
    ServerCall call(common::UpdateUser);
    if (!call.send(payload) || !call.succeeded()) {
        return ServerFailureText(call);
    }
    return std::nullopt;
}

}  // namespace

ResetPasswordWizard::ResetPasswordWizard(QWidget* parent)
    : QWizard(parent)
    , m_introductionPage(new ResetPasswordIntroductionWizardPage(this))
    , m_authenticatePage(new ResetPasswordAuthenticateWizardPage(this))
    , m_reinitializePage(new ResetPasswordReinitializeWizardPage(this))
    , m_confirmationPage(new ResetPasswordConfirmationWizardPage(this))
{
    addPage(m_introductionPage);
    addPage(m_authenticatePage);
    addPage(m_reinitializePage);
    addPage(m_confirmationPage);
    setWindowTitle(tr("ResetPasswordWizardTitle"));
    setWindowIcon(QIcon(wizardpage::IconPath(PasswordIcon)));
    setMinimumSize(640, 480);
    setWizardStyle(QWizard::ModernStyle);
    setOptions(QWizard::NoCancelButtonOnLastPage);
}

ResetPasswordWizard::~ResetPasswordWizard() = default;

ResetPasswordIntroductionWizardPage::ResetPasswordIntroductionWizardPage(QWidget* parent)
    : QWizardPage(parent)
{
    wizardpage::InitializeHeader(this, tr("ResetPasswordIntroductionWizardPageTitle"),
                                 tr("ResetPasswordIntroductionWizardPageSubTitle"), PasswordIcon);
}

ResetPasswordAuthenticateWizardPage::ResetPasswordAuthenticateWizardPage(QWidget* parent)
    : QWizardPage(parent)
    , m_userNameLineEdit(new QLineEdit)
    , m_currentPasswordLineEdit(new QLineEdit)
{
    wizardpage::InitializeHeader(this, tr("ResetPasswordAuthenticateWizardPageTitle"),
                                 tr("ResetPasswordAuthenticateWizardPageSubTitle"), PasswordIcon);
    m_currentPasswordLineEdit->setEchoMode(QLineEdit::Password);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("UserName"), m_userNameLineEdit);
    layout->addRow(tr("CurrentPassword"), m_currentPasswordLineEdit);
    registerField(QStringLiteral("userName"), m_userNameLineEdit);
    registerField(QStringLiteral("currentPassword"), m_currentPasswordLineEdit);
}

void ResetPasswordAuthenticateWizardPage::initializePage()
{
    m_userNameLineEdit->clear();
    m_currentPasswordLineEdit->clear();
}

bool ResetPasswordAuthenticateWizardPage::validatePage()
{
    const QString userName = m_userNameLineEdit->text().trimmed();
    const QString password = m_currentPasswordLineEdit->text().trimmed();
    // Each check runs only when the ones before it passed.
    if (!PassesChecks(
            this, {{userName.isEmpty(), "UserNameEmptyWarning"}, {password.isEmpty(), "CurrentPasswordEmptyWarning"}},
            metaObject()->className())) {
        return false;
    }
    const bool nameMatches =
        TheCryptographer().hashUserName(userName.toUtf8().toStdString()) == TheRegistry().getUserName();
    if (!PassesChecks(this, {{!nameMatches, "InvalidUserNameWarning"}}, metaObject()->className())) {
        return false;
    }
    return PassesChecks(this, {{!IsCurrentPassword(password), "InvalidPasswordWarning"}}, metaObject()->className());
}

ResetPasswordReinitializeWizardPage::ResetPasswordReinitializeWizardPage(QWidget* parent)
    : QWizardPage(parent)
    , m_passwordLengthRequirementCheckBox(new QCheckBox(tr("PasswordLengthRequirement")))
    , m_passwordLowercaseRequirementCheckBox(new QCheckBox)
    , m_passwordUppercaseRequirementCheckBox(new QCheckBox)
    , m_passwordNumberRequirementCheckBox(new QCheckBox)
    , m_passwordSymbolRequirementCheckBox(new QCheckBox)
    , m_enterNewPasswordLineEdit(new QLineEdit)
    , m_confirmNewPasswordLineEdit(new QLineEdit)
{
    wizardpage::InitializeHeader(this, tr("ResetPasswordReinitializeWizardPageTitle"),
                                 tr("ResetPasswordReinitializeWizardPageSubTitle"), WeakIcon);
    setCommitPage(true);

    auto* requirements = new QGroupBox(tr("PasswordRequirements"));
    auto* requirementsLayout = new QVBoxLayout(requirements);
    m_passwordLengthRequirementCheckBox->setEnabled(false);
    requirementsLayout->addWidget(m_passwordLengthRequirementCheckBox);
    const std::array<QCheckBox*, passwordrules::ClassCount> classBoxes = classCheckBoxes();
    for (int rule = 0; rule < passwordrules::ClassCount; ++rule) {
        classBoxes[rule]->setEnabled(false);
        classBoxes[rule]->setText(tr(passwordrules::ClassRules[rule].textId));
        requirementsLayout->addWidget(classBoxes[rule]);
        registerField(QString::fromLatin1(passwordrules::ClassRules[rule].field), classBoxes[rule]);
    }

    m_enterNewPasswordLineEdit->setEchoMode(QLineEdit::Password);
    m_confirmNewPasswordLineEdit->setEchoMode(QLineEdit::Password);
    registerField(QStringLiteral("enterNewPassword"), m_enterNewPasswordLineEdit);
    registerField(QStringLiteral("confirmNewPassword"), m_confirmNewPasswordLineEdit);
    auto* entries = new QFormLayout;
    entries->addRow(tr("EnterNewPassword"), m_enterNewPasswordLineEdit);
    entries->addRow(tr("ConfirmNewPassword"), m_confirmNewPasswordLineEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(requirements);
    layout->addWidget(utils::CreateHorizontalLine(this));
    layout->addLayout(entries);

    connect(m_enterNewPasswordLineEdit, &QLineEdit::textChanged, this,
            &ResetPasswordReinitializeWizardPage::newPasswordTextChanged);
}

std::array<QCheckBox*, passwordrules::ClassCount> ResetPasswordReinitializeWizardPage::classCheckBoxes() const
{
    return {m_passwordLowercaseRequirementCheckBox, m_passwordUppercaseRequirementCheckBox,
            m_passwordNumberRequirementCheckBox, m_passwordSymbolRequirementCheckBox};
}

void ResetPasswordReinitializeWizardPage::initializePage()
{
    m_enterNewPasswordLineEdit->clear();
    newPasswordTextChanged(QString());
}

void ResetPasswordReinitializeWizardPage::newPasswordTextChanged(const QString& text)
{
    const QString password = text.trimmed();
    const passwordrules::Assessment assessment = passwordrules::Assess(password);
    const std::array<QCheckBox*, passwordrules::ClassCount> classBoxes = classCheckBoxes();
    m_passwordLengthRequirementCheckBox->setChecked(assessment.length);
    for (int rule = 0; rule < passwordrules::ClassCount; ++rule) {
        const char* textId = passwordrules::ClassRules[rule].textId;
        classBoxes[rule]->setChecked(assessment.classes[rule]);
        classBoxes[rule]->setText(assessment.optional(rule) ? tr(OptionalTextId(textId).toLatin1().constData())
                                                            : tr(textId));
    }
    const bool acceptable = assessment.acceptable();
    if (!acceptable) {
        m_confirmNewPasswordLineEdit->clear();
    }
    m_confirmNewPasswordLineEdit->setEnabled(acceptable);
    setLight(acceptable ? StrongIcon : assessment.length ? FairIcon : WeakIcon);
}

void ResetPasswordReinitializeWizardPage::setLight(const char* icon)
{
    setPixmap(QWizard::LogoPixmap, QPixmap(wizardpage::IconPath(icon)));
}

bool ResetPasswordReinitializeWizardPage::validatePage()
{
    const QString password = m_enterNewPasswordLineEdit->text().trimmed();
    const QString confirmation = m_confirmNewPasswordLineEdit->text().trimmed();
    const passwordrules::Assessment assessment = passwordrules::Assess(password);
    const char* context = metaObject()->className();
    if (!PassesChecks(
            this,
            {{password.isEmpty(), "EnterNewPasswordEmptyWarning"},
             {!assessment.length, "NewPasswordFailsLengthRequirementWarning"},
             {assessment.classesMet < passwordrules::RequiredClasses, "NewPasswordFailsOptionalRequirementsWarning"}},
            context)) {
        return false;
    }
    if (!PassesChecks(this, {{IsCurrentPassword(password), "NewPasswordCannotEqualCurrentPasswordWarning"}}, context)
        || !PassesChecks(this,
                         {{confirmation.isEmpty(), "ConfirmNewPasswordEmptyWarning"},
                          {confirmation != password, "NewPasswordNotConfirmedWarning"}},
                         context)) {
        return false;
    }
    const std::string storedPassword = TheCryptographer().encodePassword(PasswordHash(password));
    if (const std::optional<QString> failure = StorePassword(storedPassword)) {
        QMessageBox::warning(this, title(), *failure, QMessageBox::Ok);
        return false;
    }
    TheRegistry().setUserPassword(storedPassword);
    return true;
}

ResetPasswordConfirmationWizardPage::ResetPasswordConfirmationWizardPage(QWidget* parent)
    : QWizardPage(parent)
    , m_confirmationTextEdit(wizardpage::AddConfirmationText(this))
{
    wizardpage::InitializeHeader(this, tr("ResetPasswordConfirmationWizardPageTitle"),
                                 tr("ResetPasswordConfirmationWizardPageSubTitle"), ConfirmationIcon);
    setFinalPage(true);
}

void ResetPasswordConfirmationWizardPage::initializePage()
{
    const QString password = field(QStringLiteral("enterNewPassword")).toString().trimmed();
    QString html = tr("PasswordHasThisLength").arg(password.size()) + QStringLiteral("<br><br>")
                   + tr("PasswordSatisfiesTheseRequirements") + QStringLiteral("<ul>");
    for (const passwordrules::ClassRule& rule : passwordrules::ClassRules) {
        if (field(QString::fromLatin1(rule.field)).toBool()) {
            html += QStringLiteral("<li>") + tr(rule.textId) + QStringLiteral("</li>");
        }
    }
    m_confirmationTextEdit->setHtml(html + QStringLiteral("</ul>"));
}
