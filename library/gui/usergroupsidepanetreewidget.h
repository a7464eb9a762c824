#pragma once

#include "library/gui/abstractpanetreewidget.h"

#include <QString>

#include <optional>

namespace zarv::data {
class UserGroup;
}

// The side pane of the user-group browser: one top-level item per user group
// of the logged-on user, loaded from the server once, when the pane is built.
// After that it shows what its window tells it through the slots, and reports
// the user's wishes (new member, edit, delete) and the selection through its
// signals; a deletion is confirmed here, and nothing leaves the tree until
// the window says so.
class UserGroupSidePaneTreeWidget : public AbstractSidePaneTreeWidget
{
    Q_OBJECT

public:
    explicit UserGroupSidePaneTreeWidget(QWidget* parent);
    ~UserGroupSidePaneTreeWidget() override;

    // Why loading the groups failed, for the window to say; empty when it
    // worked.
    const QString& loadFailure() const { return m_loadFailure; }
    // The group of the selected item, if one is selected.
    std::optional<zarv::data::UserGroup> selectedUserGroup() const;

signals:
    void editUserGroup(const zarv::data::UserGroup& userGroup);
    void deleteUserGroup(int userGroupId);
    void userGroupNotInserted();
    void userGroupNotSelected();
    void userGroupSelected(const zarv::data::UserGroup& userGroup);
    void newUser(const zarv::data::UserGroup& userGroup);

public slots:
    void editUserGroup();
    // Renames the item of the group's id and keeps the record whole; the
    // item keeps its place.
    void updateUserGroup(const zarv::data::UserGroup& userGroup);
    // Asks first; emits the id on OK.
    void deleteUserGroup();
    // Warns when no group is selected.
    void newUser();
    // Appended, not selected, with no duplicate test.
    void addUserGroupItem(const zarv::data::UserGroup& userGroup);
    void removeUserGroupItem(int userGroupId);
    void userGroupsTreeWidgetItemSelectionChanged();

private:
    // The item of the group's id, the first from the top; null for none.
    QTreeWidgetItem* findItem(int userGroupId) const;

    QString m_loadFailure;
};
