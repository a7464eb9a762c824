#include "product/client/view/messagebrowsermanager.h"

#include "product/client/component/applicationcomponent.h"
#include "product/client/view/messagebrowserview.h"

#include "openmessagerequest3.pb.h"

#include <QApplication>
#include <QPointer>

MessageBrowserManager::MessageBrowserManager(ApplicationComponent* applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{}

MessageBrowserManager::~MessageBrowserManager() = default;

void MessageBrowserManager::receiveRequest(const common::Opcode majorOpcode,
                                           const common::Opcode,
                                           const std::string& request)
{
    if (majorOpcode == common::OpenMessageBrowserView) {
        handleNewMessageBrowser();
    } else if (majorOpcode == common::OpenMessageReaderView) {
        handleOpenMessage(request);
    }
}

bool MessageBrowserManager::connectViewWindow(const AbstractViewWindow* window)
{
    return m_applicationComponent->connectAbstractViewWindow(window);
}

void MessageBrowserManager::handleNewMessageBrowser()
{
    openWindow(new MessageBrowserView(nullptr));
}

void MessageBrowserManager::handleOpenMessage(const std::string& request)
{
    zarv::data::OpenMessageRequest openMessage;
    if (!openMessage.ParseFromString(request) || !openMessage.message().message_user_is_recipient()) {
        return;
    }
    // A browser closed meanwhile is not asked.
    QList<QPointer<MessageBrowserView>> browsers;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<MessageBrowserView*>(widget)) {
            browsers.append(browser);
        }
    }
    for (const QPointer<MessageBrowserView>& browser : browsers) {
        if (browser) {
            browser->handleOpenMessage(openMessage.message());
        }
    }
}
