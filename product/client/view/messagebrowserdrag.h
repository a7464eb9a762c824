#pragma once

#include "message3.pb.h"

#include <QString>

#include <optional>

class QDragMoveEvent;
class QMimeData;

// A dragged message travels as one serialised record under this format.
extern const QString MessageMimeType;

// The payload of a dragged message, owned by the caller.
QMimeData* CreateMessageMimeData(const zarv::data::Message& message);
// The message a payload carries; nothing without the format or when it does
// not parse.
std::optional<zarv::data::Message> MessageFromMimeData(const QMimeData* mimeData);
// Drag enter and drag move over a message pane: accepted for a message
// payload proposed as a move, otherwise ignored.
void AcceptMessageDrag(QDragMoveEvent* event);
