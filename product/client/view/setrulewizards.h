#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QWizard>
#include <QWizardPage>

#include <string>

class QTextEdit;

// The translation contexts, icon and introduction text of one member of the
// set-one-rule wizards. Every title id is its context followed by "Title",
// every subtitle id its context followed by "SubTitle".
struct SetRule
{
    const char* wizardContext;
    const char* introductionContext;
    const char* confirmationContext;
    // A built-in 32 x 32 icon: the window's and the introduction's.
    const char* icon;
    // The introduction's text, with the holder's and the object's name.
    const char* introductionTextId;
    bool holderNameFirst;
    // The summary is always HTML, rather than rich text when it looks so.
    bool summaryIsHtml;
};

// A wizard that changes one rule of one existing key: an introduction, the
// rule's selection page and a confirmation that sums the choice up and
// decides whether Finish is enabled. It writes no key and sends nothing; the
// caller reads the accessors after an accepted exec().
class SetRuleWizard : public QWizard
{
    Q_OBJECT

public:
    ~SetRuleWizard() override;

    // The confirmation's text for the current fields; the names are the
    // page's copies.
    virtual QString summary(const QString& objectName, const QString& holderName) const = 0;
    // Whether the current fields make a rule that may be stored.
    virtual bool isChoiceComplete() const = 0;

protected:
    SetRuleWizard(const QString& objectName, const QString& holderName, QWidget* parent);

    // Makes the introduction, the selection page (given the wizard and then
    // `extra`) and the confirmation, in this order, and puts the window
    // together.
    template <class Wizard, class Selection, class... Extra>
    void build(Extra... extra);

    // A sentence of the confirmation's context.
    QString sentence(const char* id) const;
    QVariant currentField(const char* name) const { return field(QLatin1String(name)); }

    const QString m_objectName;
    const QString m_holderName;

private:
    void addPages(const SetRule& rule, QWizardPage* introduction, QWizardPage* selection, QWizardPage* confirmation);

    const SetRule* m_rule = nullptr;
    QWizardPage* m_introductionPage = nullptr;
    QWizardPage* m_selectionPage = nullptr;
    QWizardPage* m_confirmationPage = nullptr;
};

// The introduction of a member: the rule's text naming the holder and the
// object.
class SetRuleIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetRuleIntroductionWizardPage(const SetRule& rule,
                                  const QString& objectName,
                                  const QString& holderName,
                                  QWidget* parent);

private:
    const QString m_objectName;
    const QString m_holderName;
};

// The confirmation of a member: the wizard's summary, composed anew each
// time the page is entered with Next; Finish only for a complete choice.
class SetRuleConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetRuleConfirmationWizardPage(const SetRule& rule,
                                  const QString& objectName,
                                  const QString& holderName,
                                  SetRuleWizard* wizard);

    void initializePage() override;
    void cleanupPage() override;
    bool isComplete() const override;

private:
    const QString m_objectName;
    const QString m_holderName;
    SetRuleWizard* const m_wizard;
    const bool m_summaryIsHtml;
    QTextEdit* const m_summaryTextEdit;
};

// The introduction and the confirmation of the member `Wizard`.
template <class Wizard>
class SetRuleIntroduction : public SetRuleIntroductionWizardPage
{
public:
    SetRuleIntroduction(const QString& objectName, const QString& holderName, QWidget* parent)
        : SetRuleIntroductionWizardPage(Wizard::m_Rule, objectName, holderName, parent)
    {}
};

template <class Wizard>
class SetRuleConfirmation : public SetRuleConfirmationWizardPage
{
public:
    SetRuleConfirmation(const QString& objectName, const QString& holderName, Wizard* wizard)
        : SetRuleConfirmationWizardPage(Wizard::m_Rule, objectName, holderName, wizard)
    {}
};

template <class Wizard, class Selection, class... Extra>
void SetRuleWizard::build(Extra... extra)
{
    auto* introduction = new SetRuleIntroduction<Wizard>(m_objectName, m_holderName, this);
    auto* selection = new Selection(this, extra...);
    auto* confirmation = new SetRuleConfirmation<Wizard>(m_objectName, m_holderName, static_cast<Wizard*>(this));
    addPages(Wizard::m_Rule, introduction, selection, confirmation);
}

// The daily window of a key and its region.
class SetActiveHoursWizard : public SetRuleWizard
{
    Q_OBJECT

public:
    static const SetRule m_Rule;

    SetActiveHoursWizard(const QString& objectName, const QString& holderName, QWidget* parent);

    bool restrictedHours() const;
    QTime activeFrom() const;
    QTime activeTo() const;
    QString activeRegion() const;

    QString summary(const QString& objectName, const QString& holderName) const override;
    // Unrestricted, or a window that ends after it starts in a named region.
    bool isChoiceComplete() const override;
};

// The last day of a key.
class SetExpirationDateWizard : public SetRuleWizard
{
    Q_OBJECT

public:
    static const SetRule m_Rule;

    SetExpirationDateWizard(const QString& objectName, const QString& holderName, QWidget* parent);

    QDate expirationDate() const;

    QString summary(const QString& objectName, const QString& holderName) const override;
    bool isChoiceComplete() const override;
};

// The passcode of a key, or none.
class SetPasscodeWizard : public SetRuleWizard
{
    Q_OBJECT

public:
    static const SetRule m_Rule;

    SetPasscodeWizard(const QString& objectName, const QString& holderName, QWidget* parent);

    bool noPasscode() const;
    bool passcodeIsValid() const;
    // The stored form of the passcode entered, whatever the two tests above
    // say; the salt is fresh on every call.
    std::string passcode() const;

    QString summary(const QString& objectName, const QString& holderName) const override;
    bool isChoiceComplete() const override;
};

// The revision of its document that a document key shows.
class SetRevisionWizard : public SetRuleWizard
{
    Q_OBJECT

public:
    static const SetRule m_Rule;

    SetRevisionWizard(const QString& documentName, const QString& holderName, QWidget* parent, int documentId);

    bool currentRevision() const;
    std::string revisionDateTime() const;
    std::string revisionSysStart() const;

    QString summary(const QString& objectName, const QString& holderName) const override;
    // The current revision, or an earlier one actually chosen.
    bool isChoiceComplete() const override;
};

// The session duration of a key.
class SetSessionDurationWizard : public SetRuleWizard
{
    Q_OBJECT

public:
    static const SetRule m_Rule;

    SetSessionDurationWizard(const QString& objectName, const QString& holderName, QWidget* parent);

    bool restrictedDuration() const;
    int durationSpinBox() const;
    int durationComboBox() const;

    QString summary(const QString& objectName, const QString& holderName) const override;
    bool isChoiceComplete() const override;
};

using SetActiveHoursIntroductionWizardPage = SetRuleIntroduction<SetActiveHoursWizard>;
using SetActiveHoursConfirmationWizardPage = SetRuleConfirmation<SetActiveHoursWizard>;
using SetExpirationDateIntroductionWizardPage = SetRuleIntroduction<SetExpirationDateWizard>;
using SetExpirationDateConfirmationWizardPage = SetRuleConfirmation<SetExpirationDateWizard>;
using SetPasscodeIntroductionWizardPage = SetRuleIntroduction<SetPasscodeWizard>;
using SetPasscodeConfirmationWizardPage = SetRuleConfirmation<SetPasscodeWizard>;
using SetRevisionIntroductionWizardPage = SetRuleIntroduction<SetRevisionWizard>;
using SetRevisionConfirmationWizardPage = SetRuleConfirmation<SetRevisionWizard>;
using SetSessionDurationIntroductionWizardPage = SetRuleIntroduction<SetSessionDurationWizard>;
using SetSessionDurationConfirmationWizardPage = SetRuleConfirmation<SetSessionDurationWizard>;
