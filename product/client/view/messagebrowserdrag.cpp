#include "product/client/view/messagebrowserdrag.h"

#include <QDragMoveEvent>
#include <QMimeData>

const QString MessageMimeType = QStringLiteral("zarv/proto/Message");

QMimeData* CreateMessageMimeData(const zarv::data::Message& message)
{
    auto* mimeData = new QMimeData;
    const std::string payload = message.SerializeAsString();
    mimeData->setData(MessageMimeType, QByteArray(payload.data(), static_cast<int>(payload.size())));
    return mimeData;
}

std::optional<zarv::data::Message> MessageFromMimeData(const QMimeData* mimeData)
{
    if (!mimeData || !mimeData->hasFormat(MessageMimeType)) {
        return std::nullopt;
    }
    const QByteArray payload = mimeData->data(MessageMimeType);
    zarv::data::Message message;
    if (!message.ParseFromArray(payload.constData(), payload.size())) {
        return std::nullopt;
    }
    return message;
}

void AcceptMessageDrag(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(MessageMimeType) && event->proposedAction() == Qt::MoveAction) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}
