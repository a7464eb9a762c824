#include "library/gui/recorditems.h"

#include "library/gui/resourceicon.h"
#include "library/gui/utils.h"

#include "document3.pb.h"
#include "folder3.pb.h"
#include "group3.pb.h"
#include "user3.pb.h"
#include "usergroup3.pb.h"

#include <QIcon>
#include <QListWidgetItem>
#include <QTreeWidgetItem>
#include <QVariant>

#include <string>

namespace recorditems {
namespace {

template <typename Record>
QListWidgetItem* NewItem(ItemType type, const std::string& text, const char* icon, Role role, const Record& record)
{
    auto* item = new QListWidgetItem(QString::fromStdString(text), nullptr, type);
    item->setData(Qt::DecorationRole, ResourceIcon(icon));
    item->setData(role, QVariant::fromValue(record));
    return item;
}

}  // namespace

QListWidgetItem* NewUserItem(const zarv::data::User& user)
{
    auto* item = new QListWidgetItem(
        utils::GetAlphabeticalName(user.user_first_name(), user.user_middle_name(), user.user_last_name()), nullptr,
        UserItem);
    item->setData(UserRole, QVariant::fromValue(user));
    item->setData(Qt::DecorationRole, QIcon(QStringLiteral(":icons/32x32/user.png")));
    return item;
}

QListWidgetItem* NewGroupItem(const zarv::data::Group& group)
{
    return NewItem(GroupItem, group.group_name(), ":icons/32x32/group.png", GroupRole, group);
}

QListWidgetItem* NewUserGroupItem(const zarv::data::UserGroup& userGroup)
{
    return NewItem(UserGroupItem, userGroup.user_group_name(), ":icons/32x32/user-group.png", UserGroupRole, userGroup);
}

QTreeWidgetItem* NewUserGroupTreeItem(const zarv::data::UserGroup& userGroup)
{
    auto* item = new QTreeWidgetItem(UserGroupItem);
    item->setText(0, QString::fromStdString(userGroup.user_group_name()));
    item->setData(0, Qt::DecorationRole, QIcon(QStringLiteral(":icons/32x32/user-group.png")));
    item->setData(0, UserGroupRole, QVariant::fromValue(userGroup));
    return item;
}

QListWidgetItem* NewFolderItem(const zarv::data::Folder& folder)
{
    return NewItem(FolderItem, folder.folder_name(), ":icons/32x32/folder.png", FolderRole, folder);
}

QListWidgetItem* NewDocumentItem(const zarv::data::Document& document)
{
    return NewItem(DocumentItem, document.document_name(), ":icons/32x32/document.png", DocumentRole, document);
}

}  // namespace recorditems
