#pragma once

#include "library/gui/abstractbrowserview.h"
#include "library/gui/usergroupmainpanelistwidget.h"
#include "library/gui/usergroupsidepanetreewidget.h"

#include "deleteusergroupreply3.pb.h"
#include "deleteusergroupuserreply3.pb.h"
#include "insertusergroupreply3.pb.h"
#include "insertusergroupuserreply3.pb.h"
#include "updateusergroupreply3.pb.h"
#include "user3.pb.h"
#include "usergroup3.pb.h"

#include <QList>
#include <QString>

class QAction;
class QListWidgetItem;
class QMenu;
class StandingStatusMessage;

namespace usergroupbrowserview {

// The members of the group, in reply order, never the logged-on user; one
// synchronous request. Empty when it failed, and `failure` (when given) then
// says why.
QList<zarv::data::User> GetGroupUsers(const zarv::data::UserGroup& userGroup, QString* failure = nullptr);

}  // namespace usergroupbrowserview

// "My Groups": the logged-on user's personal user groups on the left, the
// members of the selected group on the right. The user creates, renames and
// deletes groups and adds and removes members; every change goes to the
// server over the bus, and the panes change only when a reply reports
// success, so that every open browser stays in step: a group change shows in
// every browser, a member change only in those that show that group.
//
// A change that the server refused or never answered is said in one box, by
// the browser that sent it; a member list that cannot be read is said on the
// status bar.
class UserGroupBrowserView : public AbstractBrowserView<UserGroupMainPaneListWidget, UserGroupSidePaneTreeWidget>
{
    Q_OBJECT

public:
    explicit UserGroupBrowserView(QWidget* parent);
    ~UserGroupBrowserView() override;

signals:
    void addUserGroupItem(const zarv::data::UserGroup& userGroup);
    void removeUserGroupItem(int userGroupId);
    void updateUserGroup(const zarv::data::UserGroup& userGroup);
    void addUserItem(const zarv::data::User& user);
    void removeUserItem(int userId);

public slots:
    void newUserGroup();
    void newUser(const zarv::data::UserGroup& userGroup);
    void editUserGroup(const zarv::data::UserGroup& userGroup);
    void deleteUserGroup(int userGroupId);
    void deleteUser(int userId);
    void userGroupNotInserted();
    void userGroupNotSelected();
    void userGroupSelected(const zarv::data::UserGroup& userGroup);
    void userNotInserted();
    void userNotSelected();
    void userSelected(QListWidgetItem* item);

protected slots:
    void enterMode(int mode) override;
    void leaveMode(int mode) override;

protected:
    // While this browser sends a change, a reply that cannot be read counts
    // as the change's failure.
    void
    reportFailedReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const ReplyFailure& failure) override;

private:
    void initializeMode();
    void initializeWindow();
    void initializePanes();
    void initializeMenus();
    void initializeStandardToolBar();
    void initializeDefaultSelection();

    // Sends one change over the bus; its reply has been handled when it
    // returns. The action that sends says in one box what failed, when
    // anything did (`failedText` is the id of the sentence).
    void sendChange(common::Opcode majorOpcode, const std::string& request, const char* failedText);
    void reportChangeFailure();
    // False, with the failure noted when this browser sent the change, for
    // a reply that reports no success.
    template <typename Reply>
    bool succeeded(const BusReply& bus, const Reply& reply);

    void insertUserGroupReply(const BusReply& bus, const zarv::data::InsertUserGroupReply& reply);
    void insertUserGroupUserReply(const BusReply& bus, const zarv::data::InsertUserGroupUserReply& reply);
    void updateUserGroupReply(const BusReply& bus, const zarv::data::UpdateUserGroupReply& reply);
    void deleteUserGroupReply(const BusReply& bus, const zarv::data::DeleteUserGroupReply& reply);
    void deleteUserGroupUserReply(const BusReply& bus, const zarv::data::DeleteUserGroupUserReply& reply);

    // Whether the group of the id is the one selected here.
    bool showsUserGroup(int userGroupId) const;

    QMenu* const m_newMenu;
    QAction* const m_newUserGroupAction;
    QAction* const m_newUserAction;
    QAction* const m_editUserGroupAction;
    QAction* const m_deleteUserGroupAction;
    QAction* const m_deleteUserAction;
    QAction* const m_aboutAction;
    StandingStatusMessage* const m_statusMessage;

    int m_modeStart = -1;
    int m_modeUserGroupNotInserted = -1;
    int m_modeUserGroupNotSelected = -1;
    int m_modeUserGroupSelected = -1;
    int m_modeUserGroupDeleted = -1;
    int m_modeUserNotInserted = -1;
    int m_modeUserNotSelected = -1;
    int m_modeUserSelected = -1;
    int m_modeUserDeleted = -1;

    // The change being sent, and the first failure of the current action.
    const char* m_sending = nullptr;
    QString m_failure;
};
