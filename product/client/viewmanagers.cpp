#include "product/client/viewmanagers.h"

#include "product/client/view/consolemanager.h"
#include "product/client/view/documentbrowsermanager.h"
#include "product/client/view/documenteditormanager.h"
#include "product/client/view/keymanagers.h"
#include "product/client/view/messagebrowsermanager.h"
#include "product/client/view/messageeditormanager.h"
#include "product/client/view/messagereadermanager.h"
#include "product/client/view/usergroupbrowsermanager.h"

const std::vector<ApplicationComponent::ViewManagerFactory>& ClientViewManagers()
{
    static const std::vector<ApplicationComponent::ViewManagerFactory> viewManagers = {
        &ApplicationComponent::CreateViewManager<ConsoleManager>,
        &ApplicationComponent::CreateViewManager<UserGroupBrowserManager>,
        &ApplicationComponent::CreateViewManager<DocumentBrowserManager>,
        &ApplicationComponent::CreateViewManager<DocumentEditorManager>,
        &ApplicationComponent::CreateViewManager<FolderKeyringManager>,
        &ApplicationComponent::CreateViewManager<DocumentKeyringManager>,
        &ApplicationComponent::CreateViewManager<DocumentKeysManager>,
        &ApplicationComponent::CreateViewManager<FolderKeysManager>,
        &ApplicationComponent::CreateViewManager<MessageBrowserManager>,
        &ApplicationComponent::CreateViewManager<MessageEditorManager>,
        &ApplicationComponent::CreateViewManager<MessageReaderManager>,
    };
    return viewManagers;
}
