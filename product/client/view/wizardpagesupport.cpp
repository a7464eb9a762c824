#include "product/client/view/wizardpagesupport.h"

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWizardPage>

namespace wizardpage {

void InitializeHeader(QWizardPage* page, const QString& title, const QString& subTitle, const char* logo)
{
    page->setTitle(title);
    page->setSubTitle(subTitle);
    page->setPixmap(QWizard::LogoPixmap, QPixmap(IconPath(logo)));
}

QString IconPath(const char* name)
{
    return QStringLiteral(":icons/32x32/%1.png").arg(QLatin1String(name));
}

QLabel* CreateSeparatorLabel()
{
    auto* separator = new QLabel;
    separator->setFrameStyle(QFrame::HLine | QFrame::Raised);
    return separator;
}

}  // namespace wizardpage
