#include "product/client/view/messagereadermanager.h"

#include "product/client/component/applicationcomponent.h"
#include "product/client/view/messagereaderview.h"

#include "deletemessagerequest3.pb.h"
#include "openmessagerequest3.pb.h"

namespace {

int MessageIdOf(const MessageReaderView& view)
{
    return view.getMessage().message_id();
}

}  // namespace

MessageReaderManager::MessageReaderManager(ApplicationComponent* applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
    m_replyTable.add(common::DeleteMessage, ReplyTable::AnyMinor, this, &MessageReaderManager::handleDeleteMessage);
}

MessageReaderManager::~MessageReaderManager() = default;

void MessageReaderManager::receiveRequest(const common::Opcode majorOpcode,
                                          const common::Opcode,
                                          const std::string& request)
{
    if (majorOpcode == common::OpenMessageReaderView) {
        handleOpenMessage(request);
    }
}

bool MessageReaderManager::connectViewWindow(const AbstractViewWindow* window)
{
    return m_applicationComponent->connectAbstractViewWindow(window);
}

void MessageReaderManager::handleOpenMessage(const std::string& request)
{
    zarv::data::OpenMessageRequest open;
    if (!open.ParseFromString(request) || !open.message().message_user_is_recipient()) {
        return;
    }
    const zarv::data::Message& message = open.message();
    raiseOrOpenWindow<MessageReaderView>(
        message.message_id(), MessageIdOf, [&message] { return new MessageReaderView(message, nullptr); },
        Show::WhenWired);
}

void MessageReaderManager::handleDeleteMessage(const BusReply& bus, const zarv::data::DeleteMessageReply&)
{
    zarv::data::DeleteMessageRequest request;
    if (request.ParseFromString(bus.request)) {
        CloseWindows<MessageReaderView>(request.message_id(), MessageIdOf);
    }
}
