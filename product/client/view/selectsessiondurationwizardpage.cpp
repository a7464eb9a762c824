#include "product/client/view/selectsessiondurationwizardpage.h"

#include "product/client/view/wizardpagesupport.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int MinimumDuration = 1;
// Twenty days in minutes.
constexpr int MaximumDuration = 28800;
constexpr int InitialDuration = 60;

}  // namespace

SelectSessionDurationWizardPage::SelectSessionDurationWizardPage(QWidget* parent)
    : QWizardPage(parent)
    , m_unrestrictedDurationRadioButton(new QRadioButton)
    , m_restrictedDurationRadioButton(new QRadioButton)
    , m_durationLabel(new QLabel)
    , m_unitsLabel(new QLabel)
    , m_durationSpinBox(new QSpinBox)
    , m_durationComboBox(new QComboBox)
{
    wizardpage::InitializeHeader(this, tr("SelectSessionDurationWizardPageTitle"),
                                 tr("SelectSessionDurationWizardPageSubTitle"), "session-duration");

    m_unrestrictedDurationRadioButton->setText(tr("UnrestrictedDuration"));
    m_restrictedDurationRadioButton->setText(tr("RestrictedDuration"));
    m_unrestrictedDurationRadioButton->setChecked(true);
    registerField(QStringLiteral("restrictedDuration"), m_restrictedDurationRadioButton);

    m_durationLabel->setText(tr("Duration"));
    m_durationLabel->setBuddy(m_durationSpinBox);
    m_durationLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_unitsLabel->setText(tr("Units"));
    m_unitsLabel->setBuddy(m_durationComboBox);
    m_unitsLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_durationLabel->hide();
    m_unitsLabel->hide();

    m_durationSpinBox->setRange(MinimumDuration, MaximumDuration);
    m_durationSpinBox->setValue(InitialDuration);
    m_durationSpinBox->hide();
    registerField(QStringLiteral("durationSpinBox"), m_durationSpinBox);

    m_durationComboBox->addItem(tr("Minutes"));
    m_durationComboBox->addItem(tr("Hours"));
    m_durationComboBox->hide();
    registerField(QStringLiteral("durationComboBox"), m_durationComboBox);

    auto* formLayout = new QFormLayout;
    formLayout->addRow(m_durationLabel, m_durationSpinBox);
    formLayout->addRow(m_unitsLabel, m_durationComboBox);
    auto* rowLayout = new QHBoxLayout;
    rowLayout->addLayout(formLayout);
    rowLayout->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_unrestrictedDurationRadioButton);
    layout->addWidget(m_restrictedDurationRadioButton);
    layout->addWidget(wizardpage::CreateSeparatorLabel());
    layout->addLayout(rowLayout);

    connect(m_restrictedDurationRadioButton, &QRadioButton::toggled, this,
            &SelectSessionDurationWizardPage::toggleRestrictedDuration);
}

void SelectSessionDurationWizardPage::cleanupPage() {}

void SelectSessionDurationWizardPage::toggleRestrictedDuration(bool b)
{
    m_durationLabel->setVisible(b);
    m_unitsLabel->setVisible(b);
    m_durationSpinBox->setVisible(b);
    m_durationComboBox->setVisible(b);
}
