#include "tests/view/wizardpagetestsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>

// The bundle lives in a static library; its registration may be dropped by
// the linker, so it is repeated here, as start-up does.
static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace wizardtest {

void PrepareResources()
{
    static const bool prepared = (InitializeClientResources(), true);
    (void)prepared;
}

BareWizard::BareWizard(QWizardPage* page)
{
    m_wizard.addPage(new QWizardPage);
    m_pageId = m_wizard.addPage(page);
    m_wizard.addPage(new QWizardPage);
    m_wizard.show();
    m_wizard.next();
    Settle();
}

BareWizard::~BareWizard() = default;

void BareWizard::backAndForward()
{
    m_wizard.back();
    m_wizard.next();
    Settle();
}

void BareWizard::forwardAndBack()
{
    m_wizard.next();
    m_wizard.back();
    Settle();
}

void Settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

bool LogoIs(const QWizardPage& page, const char* iconName)
{
    const QImage expected = QPixmap(QStringLiteral(":icons/32x32/%1.png").arg(QLatin1String(iconName))).toImage();
    return !expected.isNull() && page.pixmap(QWizard::LogoPixmap).toImage() == expected;
}

}  // namespace wizardtest
