#include "product/client/view/selectactivestatuswizardpage.h"

#include "product/client/view/wizardpagesupport.h"

#include <QCheckBox>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

const char* const ActiveLogo = "key-active";
const char* const InactiveLogo = "key-inactive";

}  // namespace

SelectActiveStatusWizardPage::SelectActiveStatusWizardPage(QWidget* parent)
    : QWizardPage(parent)
    , m_activeStatusCheckBox(new QCheckBox)
{
    wizardpage::InitializeHeader(this, tr("SelectActiveStatusWizardPageTitle"),
                                 tr("SelectActiveStatusWizardPageSubTitle"), InactiveLogo);
    m_activeStatusCheckBox->setText(tr("ActiveStatus"));
    registerField(QStringLiteral("active"), m_activeStatusCheckBox);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_activeStatusCheckBox);
    connect(m_activeStatusCheckBox, &QCheckBox::stateChanged, this, &SelectActiveStatusWizardPage::toggleActiveStatus);
    m_activeStatusCheckBox->setChecked(true);
}

void SelectActiveStatusWizardPage::cleanupPage() {}

void SelectActiveStatusWizardPage::toggleActiveStatus(int state)
{
    setPixmap(QWizard::LogoPixmap, QPixmap(wizardpage::IconPath(state != 0 ? ActiveLogo : InactiveLogo)));
}
