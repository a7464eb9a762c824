#include "product/client/view/setrulewizards.h"

#include "product/client/view/keyrulestorage.h"
#include "product/client/view/keysummary.h"
#include "product/client/view/selectactivehourswizardpage.h"
#include "product/client/view/selectexpirationdatewizardpage.h"
#include "product/client/view/selectpasscodewizardpage.h"
#include "product/client/view/selectrevisionwizardpage.h"
#include "product/client/view/selectsessiondurationwizardpage.h"
#include "product/client/view/wizardpagesupport.h"

#include "library/gui/linguist.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QIcon>
#include <QTextEdit>

namespace {

const char* const ConfirmationIcon = "wizard-finish";

QString Translate(const char* context, const char* suffix)
{
    const QByteArray id = QByteArray(context) + suffix;
    return QCoreApplication::translate(context, id.constData());
}

}  // namespace

const SetRule SetActiveHoursWizard::m_Rule = {"SetActiveHoursWizard",
                                              "SetActiveHoursIntroductionWizardPage",
                                              "SetActiveHoursConfirmationWizardPage",
                                              "active-hours",
                                              "Text",
                                              true,
                                              false};
const SetRule SetExpirationDateWizard::m_Rule = {"SetExpirationDateWizard",
                                                 "SetExpirationDateIntroductionWizardPage",
                                                 "SetExpirationDateConfirmationWizardPage",
                                                 "expiration-date",
                                                 "Text",
                                                 true,
                                                 false};
const SetRule SetPasscodeWizard::m_Rule = {"SetPasscodeWizard",
                                           "SetPasscodeIntroductionWizardPage",
                                           "SetPasscodeConfirmationWizardPage",
                                           "passcode",
                                           "Text",
                                           true,
                                           false};
const SetRule SetRevisionWizard::m_Rule = {"SetRevisionWizard",
                                           "SetRevisionIntroductionWizardPage",
                                           "SetRevisionConfirmationWizardPage",
                                           "revision",
                                           "SetRevisionIntroductionWizardPageText",
                                           false,
                                           true};
const SetRule SetSessionDurationWizard::m_Rule = {"SetSessionDurationWizard",
                                                  "SetSessionDurationIntroductionWizardPage",
                                                  "SetSessionDurationConfirmationWizardPage",
                                                  "session-duration",
                                                  "Text",
                                                  true,
                                                  false};

SetRuleWizard::SetRuleWizard(const QString& objectName, const QString& holderName, QWidget* parent)
    : QWizard(parent)
    , m_objectName(objectName)
    , m_holderName(holderName)
{}

SetRuleWizard::~SetRuleWizard() = default;

void SetRuleWizard::addPages(const SetRule& rule,
                             QWizardPage* introduction,
                             QWizardPage* selection,
                             QWizardPage* confirmation)
{
    m_rule = &rule;
    m_introductionPage = introduction;
    m_selectionPage = selection;
    m_confirmationPage = confirmation;
    setWindowTitle(Translate(rule.wizardContext, "Title"));
    setWindowIcon(QIcon(wizardpage::IconPath(rule.icon)));
    setMinimumSize(640, 480);
    setWizardStyle(QWizard::ModernStyle);
    addPage(m_introductionPage);
    addPage(m_selectionPage);
    addPage(m_confirmationPage);
}

QString SetRuleWizard::sentence(const char* id) const
{
    return QCoreApplication::translate(m_rule->confirmationContext, id);
}

SetRuleIntroductionWizardPage::SetRuleIntroductionWizardPage(const SetRule& rule,
                                                             const QString& objectName,
                                                             const QString& holderName,
                                                             QWidget* parent)
    : QWizardPage(parent)
    , m_objectName(objectName)
    , m_holderName(holderName)
{
    const char* context = rule.introductionContext;
    wizardpage::InitializeHeader(this, Translate(context, "Title"), Translate(context, "SubTitle"), rule.icon);
    const QString text = QCoreApplication::translate(context, rule.introductionTextId);
    wizardpage::AddConfirmationText(this)->setText(rule.holderNameFirst ? text.arg(m_holderName, m_objectName)
                                                                        : text.arg(m_objectName, m_holderName));
}

SetRuleConfirmationWizardPage::SetRuleConfirmationWizardPage(const SetRule& rule,
                                                             const QString& objectName,
                                                             const QString& holderName,
                                                             SetRuleWizard* wizard)
    : QWizardPage(wizard)
    , m_objectName(objectName)
    , m_holderName(holderName)
    , m_wizard(wizard)
    , m_summaryIsHtml(rule.summaryIsHtml)
    , m_summaryTextEdit(wizardpage::AddConfirmationText(this))
{
    const char* context = rule.confirmationContext;
    wizardpage::InitializeHeader(this, Translate(context, "Title"), Translate(context, "SubTitle"), ConfirmationIcon);
}

void SetRuleConfirmationWizardPage::initializePage()
{
    const QString summary = m_wizard->summary(m_objectName, m_holderName);
    if (m_summaryIsHtml) {
        m_summaryTextEdit->setHtml(summary);
    } else {
        m_summaryTextEdit->setText(summary);
    }
}

void SetRuleConfirmationWizardPage::cleanupPage() {}

bool SetRuleConfirmationWizardPage::isComplete() const
{
    return m_wizard->isChoiceComplete();
}

SetActiveHoursWizard::SetActiveHoursWizard(const QString& objectName, const QString& holderName, QWidget* parent)
    : SetRuleWizard(objectName, holderName, parent)
{
    build<SetActiveHoursWizard, SelectActiveHoursWizardPage>();
}

bool SetActiveHoursWizard::restrictedHours() const
{
    return currentField("restrictedHours").toBool();
}

QTime SetActiveHoursWizard::activeFrom() const
{
    return currentField("fromTime").toTime();
}

QTime SetActiveHoursWizard::activeTo() const
{
    return currentField("toTime").toTime();
}

QString SetActiveHoursWizard::activeRegion() const
{
    return currentField("region").toString();
}

QString SetActiveHoursWizard::summary(const QString& objectName, const QString& holderName) const
{
    const QTime from = activeFrom();
    const QTime to = activeTo();
    if (!restrictedHours() || !from.isValid() || !to.isValid()) {
        return sentence("NoRestrictedHours").arg(objectName, holderName);
    }
    const QString timeFormat = QStringLiteral("h:mm AP");
    const QString text =
        sentence("RestrictedHours").arg(objectName, holderName, from.toString(timeFormat), to.toString(timeFormat));
    return from < to ? text : text + QStringLiteral("<br />") + keysummary::HoursNotAfterStart();
}

bool SetActiveHoursWizard::isChoiceComplete() const
{
    return !restrictedHours() || keyrules::IsActiveWindow(activeFrom(), activeTo(), activeRegion());
}

SetExpirationDateWizard::SetExpirationDateWizard(const QString& objectName,
                                                 const QString& holderName,
                                                 QWidget* parent)
    : SetRuleWizard(objectName, holderName, parent)
{
    build<SetExpirationDateWizard, SelectExpirationDateWizardPage>();
}

QDate SetExpirationDateWizard::expirationDate() const
{
    return currentField("expirationDateCalendar").toDate();
}

QString SetExpirationDateWizard::summary(const QString&, const QString&) const
{
    const QDate day = expirationDate();
    const qint64 days = keyrules::LocalToday().daysTo(day);
    const QString shown = keysummary::DayText(day);
    if (days == 0) {
        return sentence("Translation0").arg(shown);
    }
    if (days == 1) {
        return sentence("Translation1").arg(shown);
    }
    return sentence("TranslationN").arg(shown, QString::number(days));
}

bool SetExpirationDateWizard::isChoiceComplete() const
{
    return expirationDate().isValid();
}

SetPasscodeWizard::SetPasscodeWizard(const QString& objectName, const QString& holderName, QWidget* parent)
    : SetRuleWizard(objectName, holderName, parent)
{
    build<SetPasscodeWizard, SelectPasscodeWizardPage>();
}

bool SetPasscodeWizard::noPasscode() const
{
    return currentField("noPasscode").toBool();
}

bool SetPasscodeWizard::passcodeIsValid() const
{
    return currentField("passcodeIsValid").toBool();
}

std::string SetPasscodeWizard::passcode() const
{
    return keyrules::StoredPasscode(currentField("passcode").toString());
}

QString SetPasscodeWizard::summary(const QString& objectName, const QString& holderName) const
{
    const char* id = noPasscode() ? "NoPasscode" : passcodeIsValid() ? "ValidPasscode" : "InvalidPasscode";
    return sentence(id).arg(objectName, holderName);
}

bool SetPasscodeWizard::isChoiceComplete() const
{
    return noPasscode() || passcodeIsValid();
}

SetRevisionWizard::SetRevisionWizard(const QString& documentName,
                                     const QString& holderName,
                                     QWidget* parent,
                                     int documentId)
    : SetRuleWizard(documentName, holderName, parent)
{
    build<SetRevisionWizard, SelectRevisionWizardPage>(documentId);
}

bool SetRevisionWizard::currentRevision() const
{
    return currentField("currentRevision").toBool();
}

std::string SetRevisionWizard::revisionDateTime() const
{
    return currentField("revisionDateTime").toString().toStdString();
}

std::string SetRevisionWizard::revisionSysStart() const
{
    return currentField("revisionSysStart").toString().toStdString();
}

QString SetRevisionWizard::summary(const QString&, const QString&) const
{
    if (currentRevision()) {
        return sentence("CurrentRevision");
    }
    const QDateTime shown = currentField("revisionDateTime").toDateTime();
    return sentence("PreviousRevision").arg(shown.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

bool SetRevisionWizard::isChoiceComplete() const
{
    return currentRevision() || !revisionSysStart().empty();
}

SetSessionDurationWizard::SetSessionDurationWizard(const QString& objectName,
                                                   const QString& holderName,
                                                   QWidget* parent)
    : SetRuleWizard(objectName, holderName, parent)
{
    build<SetSessionDurationWizard, SelectSessionDurationWizardPage>();
}

bool SetSessionDurationWizard::restrictedDuration() const
{
    return currentField("restrictedDuration").toBool();
}

int SetSessionDurationWizard::durationSpinBox() const
{
    return currentField("durationSpinBox").toInt();
}

int SetSessionDurationWizard::durationComboBox() const
{
    return currentField("durationComboBox").toInt();
}

QString SetSessionDurationWizard::summary(const QString& objectName, const QString& holderName) const
{
    if (!restrictedDuration() || durationSpinBox() == 0) {
        return sentence("NoRestrictedDuration").arg(objectName, holderName);
    }
    return sentence("RestrictedDuration")
        .arg(objectName, holderName, QString::number(durationSpinBox()),
             Linguist::tr(durationComboBox() != 0 ? "hours" : "minutes"));
}

bool SetSessionDurationWizard::isChoiceComplete() const
{
    return !restrictedDuration() || durationSpinBox() != 0;
}
