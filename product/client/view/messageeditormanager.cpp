#include "product/client/view/messageeditormanager.h"

#include "product/client/component/applicationcomponent.h"
#include "product/client/view/messageeditorview.h"

#include "deletemessagerequest3.pb.h"
#include "openmessagerequest3.pb.h"

namespace {

int MessageIdOf(const MessageEditorView& view)
{
    return view.getMessage().message_id();
}

}  // namespace

MessageEditorManager::MessageEditorManager(ApplicationComponent* applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
    m_replyTable.add(common::DeleteMessage, ReplyTable::AnyMinor, this, &MessageEditorManager::handleDeleteMessage);
}

MessageEditorManager::~MessageEditorManager() = default;

void MessageEditorManager::receiveRequest(const common::Opcode majorOpcode,
                                          const common::Opcode,
                                          const std::string& request)
{
    if (majorOpcode == common::OpenMessageEditorView) {
        handleOpenMessage(request);
    }
}

bool MessageEditorManager::connectViewWindow(const AbstractViewWindow* window)
{
    return m_applicationComponent->connectAbstractViewWindow(window);
}

void MessageEditorManager::handleOpenMessage(const std::string& request)
{
    zarv::data::OpenMessageRequest open;
    if (!open.ParseFromString(request) || open.message().message_user_is_recipient()) {
        return;
    }
    const zarv::data::Message& message = open.message();
    raiseOrOpenWindow<MessageEditorView>(
        message.message_id(), MessageIdOf, [&message] { return new MessageEditorView(message, nullptr); },
        Show::WhenWired);
}

void MessageEditorManager::handleDeleteMessage(const BusReply& bus, const zarv::data::DeleteMessageReply&)
{
    zarv::data::DeleteMessageRequest request;
    if (request.ParseFromString(bus.request)) {
        CloseWindows<MessageEditorView>(request.message_id(), MessageIdOf);
    }
}
