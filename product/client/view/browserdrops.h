#pragma once

// What the document browser's panes do with a drag: the data a dragged item
// carries, when a press and a move start a drag, and what a drop onto either
// pane comes to. The decisions are functions of the drag alone, so that the
// panes' event handlers only read the event and act on the answer.

#include "product/client/view/browseritems.h"

#include <QPoint>

#include <memory>
#include <optional>

class QMimeData;
class QObject;

namespace browser {

// The signal that an accepted drop makes its pane emit.
enum class DropSignal
{
    None,
    // To the folder of the target entry.
    MoveDocument,
    MoveFolder,
    // To the folder the window shows (a drop on empty space).
    MoveDocumentToOpenFolder,
    MoveFolderToOpenFolder
};

struct DropDecision
{
    bool accepted = false;
    DropSignal signal = DropSignal::None;
    zarv::data::Document document;
    zarv::data::Folder folder;
    int folderId = 0;
};

// The one record a drag of this item carries, under its own format; null
// for an item that does not drag (anything but a folder or a document).
std::unique_ptr<QMimeData> ItemMimeData(const QListWidgetItem* item);

// Whether the pointer, pressed at `start` and now at `position`, has gone
// further than the start distance.
bool StartsDrag(const QPoint& start, const QPoint& position, int startDragDistance);

// The main pane on enter (`onTarget` false) and on move: a move of a
// document or folder; on move over nothing or a folder item only.
bool MainPaneTakesDrag(Qt::DropAction proposedAction,
                       const QMimeData& data,
                       bool onTarget,
                       std::optional<int> targetType);

// A drop on the main pane `pane` from `source` onto `target` (null: empty
// space). Data with both formats is a document. In either pane a folder
// dropped on its own entry is refused.
DropDecision DecideMainPaneDrop(Qt::DropAction proposedAction,
                                const QObject* source,
                                const QObject* pane,
                                const QMimeData& data,
                                const QListWidgetItem* target);

// A drop on the side pane `pane`: onto Home Folder or a folder shortcut only.
DropDecision DecideSidePaneDrop(Qt::DropAction proposedAction,
                                const QObject* source,
                                const QObject* pane,
                                const QMimeData& data,
                                const QListWidgetItem* target);

}  // namespace browser
