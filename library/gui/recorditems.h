#pragma once

// The kinds of list and tree items that carry a wire record, and the item
// data roles under which each kind keeps its record. The numbers are shared
// by every window and picker that shows such items.

#include <Qt>

class QListWidgetItem;
class QTreeWidgetItem;

namespace zarv::data {
class Document;
class Folder;
class Group;
class User;
class UserGroup;
}  // namespace zarv::data

namespace recorditems {

enum ItemType : int
{
    FolderItem = 2002,
    DocumentItem = 2004,
    GroupItem = 2007,
    UserItem = 2009,
    UserGroupItem = 2014
};

enum Role : int
{
    FolderRole = Qt::UserRole + 1,
    DocumentRole = Qt::UserRole + 3,
    GroupRole = Qt::UserRole + 5,
    UserRole = Qt::UserRole + 7,
    UserGroupRole = Qt::UserRole + 11
};

// New items without a list: text, icon and the record under its role. A
// user's text is its alphabetical name; an absent string reads as empty.
QListWidgetItem* NewUserItem(const zarv::data::User& user);
QListWidgetItem* NewGroupItem(const zarv::data::Group& group);
QListWidgetItem* NewUserGroupItem(const zarv::data::UserGroup& userGroup);
QTreeWidgetItem* NewUserGroupTreeItem(const zarv::data::UserGroup& userGroup);
QListWidgetItem* NewFolderItem(const zarv::data::Folder& folder);
QListWidgetItem* NewDocumentItem(const zarv::data::Document& document);

}  // namespace recorditems
