#pragma once

#include <QList>
#include <QWizardPage>

class QCalendarWidget;
class QRadioButton;

// The last day of a new key: a preset period counted from today (one week to
// ten years, one year at start) or a date picked on the calendar from
// tomorrow on. "Today" is the computer's local date. The field
// "expirationDateCalendar" is the calendar's selected date. Going Back keeps
// the choice.
class SelectExpirationDateWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectExpirationDateWizardPage(QWidget* parent);

    void cleanupPage() override;

private:
    // Chosen (on): a preset selects its date and the calendar takes no
    // clicks; "Select" lets the user click a date, keeping the one shown.
    void togglePreset(int preset, bool on);

    QList<QRadioButton*> m_presetRadioButtons;
    QCalendarWidget* m_expirationDateCalendar;
};
