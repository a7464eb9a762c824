#include "product/client/viewmanagers.h"

#include "product/client/view/consolemanager.h"
#include "product/client/view/documentbrowsermanager.h"

const std::vector<ApplicationComponent::ViewManagerFactory>& ClientViewManagers()
{
    static const std::vector<ApplicationComponent::ViewManagerFactory> viewManagers = {
        &ApplicationComponent::CreateViewManager<ConsoleManager>,
        &ApplicationComponent::CreateViewManager<DocumentBrowserManager>,
    };
    return viewManagers;
}
