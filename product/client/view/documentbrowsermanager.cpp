#include "product/client/view/documentbrowsermanager.h"

#include "product/client/component/applicationcomponent.h"
#include "product/client/view/documentbrowserview.h"

#include "openfolderkeyrequest3.pb.h"

DocumentBrowserManager::DocumentBrowserManager(ApplicationComponent* applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{}

DocumentBrowserManager::~DocumentBrowserManager() = default;

void DocumentBrowserManager::receiveRequest(const common::Opcode majorOpcode,
                                            const common::Opcode minorOpcode,
                                            const std::string& request)
{
    if (majorOpcode != common::OpenDocumentBrowserView) {
        return;
    }
    if (minorOpcode == common::Untagged) {
        openWindow(new DocumentBrowserView(nullptr));
        return;
    }
    if (minorOpcode != common::OpenFolderKey) {
        return;
    }
    zarv::data::OpenFolderKeyRequest keys;
    if (!keys.ParseFromString(request)) {
        return;
    }
    for (const zarv::data::FolderKey& key : keys.folder_key()) {
        auto* browser = new DocumentBrowserView(nullptr);
        openWindow(browser);
        emit browser->addFolderKeyShortcutItem(key);
        browser->openFolderKey(key);
    }
}

bool DocumentBrowserManager::connectViewWindow(const AbstractViewWindow* window)
{
    return m_applicationComponent->connectAbstractViewWindow(window);
}
