#include "product/client/view/wizardpagesupport.h"

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QTextEdit>
#include <QVBoxLayout>
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

QTextEdit* AddConfirmationText(QWizardPage* page)
{
    auto* text = new QTextEdit;
    text->setReadOnly(true);
    text->setFocusPolicy(Qt::NoFocus);
    text->setTextInteractionFlags(Qt::NoTextInteraction);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    return text;
}

}  // namespace wizardpage
