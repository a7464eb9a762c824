#include "product/client/view/consolemanager.h"

#include "product/client/component/applicationcomponent.h"
#include "product/client/view/consoleview.h"

#include <QApplication>

ConsoleManager::ConsoleManager(ApplicationComponent* applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{}

ConsoleManager::~ConsoleManager() = default;

void ConsoleManager::receiveEvent(const common::Evcode majorEvcode,
                                  const common::Evcode minorEvcode,
                                  const std::string&)
{
    if (majorEvcode != common::ApplicationStarted || minorEvcode != common::Untagged) {
        return;
    }
    openWindow(new ConsoleView(QApplication::activeWindow()));
}

bool ConsoleManager::connectViewWindow(const AbstractViewWindow* window)
{
    return m_applicationComponent->connectAbstractViewWindow(window);
}
