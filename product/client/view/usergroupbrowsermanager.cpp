#include "product/client/view/usergroupbrowsermanager.h"

#include "product/client/component/applicationcomponent.h"
#include "product/client/view/usergroupbrowserview.h"

UserGroupBrowserManager::UserGroupBrowserManager(ApplicationComponent* applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{}

UserGroupBrowserManager::~UserGroupBrowserManager() = default;

void UserGroupBrowserManager::receiveRequest(const common::Opcode majorOpcode, const common::Opcode, const std::string&)
{
    if (majorOpcode == common::OpenUserGroupBrowserView) {
        openWindow(new UserGroupBrowserView(nullptr));
    }
}

bool UserGroupBrowserManager::connectViewWindow(const AbstractViewWindow* window)
{
    return m_applicationComponent->connectAbstractViewWindow(window);
}
