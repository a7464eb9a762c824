#include "product/client/view/activeperiodwizardpage.h"

#include "product/client/view/wizardpagesupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

ActivePeriodWizardPage::ActivePeriodWizardPage(QWidget* parent,
                                               const QString& title,
                                               const QString& subTitle,
                                               const char* logo,
                                               const QString& groupTitle,
                                               const std::vector<CheckBoxField>& rows)
    : CheckBoxWizardPage(parent)
    , m_groupBox(new QGroupBox)
{
    wizardpage::InitializeHeader(this, title, subTitle, logo);
    addCheckBoxFields(rows, "Linguist", new QVBoxLayout(m_groupBox));
    m_groupBox->setTitle(groupTitle);
    m_groupBox->setCheckable(true);
    m_groupBox->setChecked(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_groupBox);
    connect(m_groupBox, &QGroupBox::toggled, this, &ActivePeriodWizardPage::toggleCheckBoxes);
    m_groupBox->setChecked(true);
}

void ActivePeriodWizardPage::cleanupPage() {}

void ActivePeriodWizardPage::toggleCheckBoxes(bool on)
{
    for (QCheckBox* box : checkBoxes()) {
        box->setChecked(on);
    }
}
