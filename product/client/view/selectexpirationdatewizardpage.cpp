#include "product/client/view/selectexpirationdatewizardpage.h"

#include "product/client/view/keyrulestorage.h"
#include "product/client/view/wizardpagesupport.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>

namespace {

enum class Step
{
    Days,
    Months,
    Years,
    // The user picks the date.
    None
};

struct Preset
{
    const char* textId;
    Step step;
    int count;
};

const Preset Presets[] = {
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "OneWeekExpirationDate"), Step::Days, 7},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "TwoWeeksExpirationDate"), Step::Days, 14},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "OneMonthExpirationDate"), Step::Months, 1},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "ThreeMonthsExpirationDate"), Step::Months, 3},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "SixMonthsExpirationDate"), Step::Months, 6},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "NineMonthsExpirationDate"), Step::Months, 9},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "OneYearExpirationDate"), Step::Years, 1},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "TwoYearsExpirationDate"), Step::Years, 2},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "ThreeYearsExpirationDate"), Step::Years, 3},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "FourYearsExpirationDate"), Step::Years, 4},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "FiveYearsExpirationDate"), Step::Years, 5},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "TenYearsExpirationDate"), Step::Years, 10},
    {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "SelectExpirationDate"), Step::None, 0},
};

// The preset selected at start: one year.
constexpr int InitialPreset = 6;

// Calendar steps: a day that the target month lacks becomes its last day.
QDate PresetDate(const Preset& preset, const QDate& today)
{
    switch (preset.step) {
    case Step::Days:
        return today.addDays(preset.count);
    case Step::Months:
        return today.addMonths(preset.count);
    case Step::Years:
        return today.addYears(preset.count);
    case Step::None:
        break;
    }
    return QDate();
}

}  // namespace

SelectExpirationDateWizardPage::SelectExpirationDateWizardPage(QWidget* parent)
    : QWizardPage(parent)
    , m_expirationDateCalendar(new QCalendarWidget)
{
    wizardpage::InitializeHeader(this, tr("SelectExpirationDateWizardPageTitle"),
                                 tr("SelectExpirationDateWizardPageSubTitle"), "expiration-date");

    m_expirationDateCalendar->setGridVisible(true);
    m_expirationDateCalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_expirationDateCalendar->setMinimumDate(keyrules::LocalToday().addDays(1));

    auto* buttonsLayout = new QVBoxLayout;
    for (int i = 0; i < static_cast<int>(std::size(Presets)); ++i) {
        auto* button = new QRadioButton(tr(Presets[i].textId));
        button->setChecked(i == InitialPreset);
        buttonsLayout->addWidget(button);
        m_presetRadioButtons.append(button);
    }

    registerField(QStringLiteral("expirationDateCalendar"), m_expirationDateCalendar, "selectedDate");
    auto* calendarLayout = new QVBoxLayout;
    calendarLayout->addWidget(m_expirationDateCalendar);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(buttonsLayout);
    layout->addLayout(calendarLayout);

    for (int i = 0; i < m_presetRadioButtons.size(); ++i) {
        connect(m_presetRadioButtons[i], &QRadioButton::toggled, this, [this, i](bool on) { togglePreset(i, on); });
    }
    togglePreset(InitialPreset, true);
}

void SelectExpirationDateWizardPage::cleanupPage() {}

void SelectExpirationDateWizardPage::togglePreset(int preset, bool on)
{
    if (!on) {
        return;
    }
    if (Presets[preset].step == Step::None) {
        m_expirationDateCalendar->setSelectionMode(QCalendarWidget::SingleSelection);
        return;
    }
    m_expirationDateCalendar->setSelectionMode(QCalendarWidget::NoSelection);
    m_expirationDateCalendar->setSelectedDate(PresetDate(Presets[preset], keyrules::LocalToday()));
}
