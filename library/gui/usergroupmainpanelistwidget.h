#pragma once

#include "library/gui/abstractpanelistwidget.h"

namespace zarv::data {
class User;
}

// The main pane of the user-group browser: the members of the group selected
// in the side pane, one item per user, in the order the window adds them. A
// removal is confirmed here; the item goes only when the window says so.
class UserGroupMainPaneListWidget : public AbstractMainPaneListWidget
{
    Q_OBJECT

public:
    explicit UserGroupMainPaneListWidget(QWidget* parent);
    ~UserGroupMainPaneListWidget() override;

signals:
    void deleteUser(int userId);
    void userNotInserted();
    void userNotSelected();
    // Emitted when an item's data changes: twice for every user added.
    void userSelected(QListWidgetItem* item);

public slots:
    // Asks first; emits the selected user's id on OK.
    void deleteUser();
    // Appends the user unless one with the same id is listed.
    void addUserItem(const zarv::data::User& user);
    void removeUserItem(int userId);
    void userItemChanged(QListWidgetItem* item);
};
