#include "product/client/view/browserdrops.h"

#include "product/client/view/sidepanelistwidget.h"

#include <QListWidget>
#include <QMimeData>
#include <QtDebug>

#include <cstdlib>

namespace browser {

namespace {

bool OffersRecord(const QMimeData& data)
{
    return data.hasFormat(DocumentMimeType) || data.hasFormat(FolderMimeType);
}

// The record of the data, documents first, with the signal of a drop onto a
// folder or onto the open folder; refused when the bytes do not parse.
DropDecision ParseDrop(const QMimeData& data, bool ontoFolder, int folderId)
{
    DropDecision decision;
    decision.folderId = folderId;
    if (data.hasFormat(DocumentMimeType)) {
        if (!decision.document.ParseFromString(data.data(DocumentMimeType).toStdString())) {
            qCritical("document.ParseFromString() error!");
            return DropDecision();
        }
        decision.signal = ontoFolder ? DropSignal::MoveDocument : DropSignal::MoveDocumentToOpenFolder;
    } else if (data.hasFormat(FolderMimeType)) {
        if (!decision.folder.ParseFromString(data.data(FolderMimeType).toStdString())) {
            qCritical("folder.ParseFromString() error!");
            return DropDecision();
        }
        // A folder cannot go into itself; a drop below itself is left to the
        // server, which knows the whole tree.
        if (ontoFolder && decision.folder.folder_id() == folderId) {
            return DropDecision();
        }
        decision.signal = ontoFolder ? DropSignal::MoveFolder : DropSignal::MoveFolderToOpenFolder;
    } else {
        return DropDecision();
    }
    decision.accepted = true;
    return decision;
}

}  // namespace

std::unique_ptr<QMimeData> ItemMimeData(const QListWidgetItem* item)
{
    if (!item || (item->type() != FolderItem && item->type() != DocumentItem)) {
        return nullptr;
    }
    auto data = std::make_unique<QMimeData>();
    if (item->type() == FolderItem) {
        const std::string bytes = ItemRecord<zarv::data::Folder>(item, FolderRole).SerializeAsString();
        data->setData(FolderMimeType, QByteArray::fromStdString(bytes));
    } else {
        const std::string bytes = ItemRecord<zarv::data::Document>(item, DocumentRole).SerializeAsString();
        data->setData(DocumentMimeType, QByteArray::fromStdString(bytes));
    }
    return data;
}

bool StartsDrag(const QPoint& start, const QPoint& position, int startDragDistance)
{
    return std::abs(position.x() - start.x()) + std::abs(position.y() - start.y()) > startDragDistance;
}

bool MainPaneTakesDrag(Qt::DropAction proposedAction,
                       const QMimeData& data,
                       bool onTarget,
                       std::optional<int> targetType)
{
    if (proposedAction != Qt::MoveAction || !OffersRecord(data)) {
        return false;
    }
    return !onTarget || !targetType || *targetType == FolderItem;
}

DropDecision DecideMainPaneDrop(Qt::DropAction proposedAction,
                                const QObject* source,
                                const QObject* pane,
                                const QMimeData& data,
                                const QListWidgetItem* target)
{
    if (!qobject_cast<const QListWidget*>(source) || (source == pane && !target) || proposedAction != Qt::MoveAction) {
        return DropDecision();
    }
    if (target && target->type() != FolderItem) {
        return DropDecision();
    }
    const int folderId = target ? ItemRecord<zarv::data::Folder>(target, FolderRole).folder_id() : 0;
    return ParseDrop(data, target != nullptr, folderId);
}

DropDecision DecideSidePaneDrop(Qt::DropAction proposedAction,
                                const QObject* source,
                                const QObject* pane,
                                const QMimeData& data,
                                const QListWidgetItem* target)
{
    const bool fromAnotherList = qobject_cast<const QListWidget*>(source) && source != pane;
    if (!target
        || !SidePaneTakesDrag(proposedAction, fromAnotherList, data, true, std::optional<int>(target->type()))) {
        return DropDecision();
    }
    return ParseDrop(data, true, ItemRecord<zarv::data::Folder>(target, FolderRole).folder_id());
}

}  // namespace browser
