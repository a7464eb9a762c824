#pragma once

// The items of the document browser's panes: each has a type number and
// keeps a copy of its whole record under the data role of the record's type.

#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "groupkey3.pb.h"
#include "user3.pb.h"

#include <QListWidgetItem>
#include <QString>
#include <QVariant>

namespace browser {

enum ItemType
{
    HomeFolderItem = 2001,
    FolderItem = 2002,
    FolderKeyItem = 2003,
    DocumentItem = 2004,
    DocumentKeyItem = 2005,
    HomeGroupsItem = 2006,
    GroupKeyItem = 2008,
    UserItem = 2009
};

enum DataRole
{
    FolderRole = Qt::UserRole + 1,
    FolderKeyRole = Qt::UserRole + 2,
    DocumentRole = Qt::UserRole + 3,
    DocumentKeyRole = Qt::UserRole + 4,
    GroupKeyRole = Qt::UserRole + 6,
    UserRole = Qt::UserRole + 7
};

// The drag and clipboard formats of the two records that move.
inline const QString DocumentMimeType = QStringLiteral("zarv/proto/Document");
inline const QString FolderMimeType = QStringLiteral("zarv/proto/Folder");

// The record kept under `role`; an empty record when the item keeps another
// type there.
template <typename Record>
Record ItemRecord(const QListWidgetItem* item, int role)
{
    const QVariant value = item->data(role);
    return value.canConvert<Record>() ? value.value<Record>() : Record();
}

// "Last, First": the comma and the blank are written also when a name is empty.
inline QString UserItemText(const zarv::data::User& user)
{
    return QString::fromStdString(user.user_last_name()) + QStringLiteral(", ")
           + QString::fromStdString(user.user_first_name());
}

}  // namespace browser
