#include "product/client/view/usergroupbrowserview.h"

#include "library/common/clock.h"
#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/creategroupdialog.h"
#include "library/gui/editgroupdialog.h"
#include "library/gui/linguist.h"
#include "library/gui/selectrecordsdialogs.h"
#include "library/gui/servercall.h"
#include "library/gui/serverfailuretext.h"
#include "library/gui/settings.h"
#include "library/gui/standingstatusmessage.h"
#include "library/network/messagedispatcher.h"

#include "deleteusergrouprequest3.pb.h"
#include "deleteusergroupuserrequest3.pb.h"
#include "insertusergrouprequest3.pb.h"
#include "insertusergroupuserrequest3.pb.h"
#include "selectusergroupuserreply3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "updateusergrouprequest3.pb.h"
#include "users3.pb.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QToolBar>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

namespace {

constexpr const char* Context = "UserGroupBrowserView";

const AbstractViewWindow::ActionTexts NewUserGroupTexts = {"NewUserGroup", ":icons/32x32/group-create.png",
                                                           "NewUserGroupStatusTip", "NewUserGroupToolTip"};
const AbstractViewWindow::ActionTexts NewUserTexts = {"NewUser", ":icons/32x32/add.png", "NewUserStatusTip",
                                                      "NewUserToolTip"};
const AbstractViewWindow::ActionTexts EditUserGroupTexts = {"EditUserGroup", ":icons/32x32/group-edit.png",
                                                            "EditUserGroupStatusTip", "EditUserGroupToolTip"};
const AbstractViewWindow::ActionTexts DeleteUserGroupTexts = {"DeleteUserGroup", ":icons/32x32/user-group-delete.png",
                                                              "DeleteUserGroupStatusTip", "DeleteUserGroupToolTip"};
const AbstractViewWindow::ActionTexts DeleteUserTexts = {"DeleteUser", ":icons/32x32/remove.png", "DeleteUserStatusTip",
                                                         "DeleteUserToolTip"};
const AbstractViewWindow::ActionTexts AboutTexts = {"AboutZARV", nullptr, nullptr, nullptr};

// The current time in UTC with microseconds, as the database writes it.
std::string Now()
{
    return DbTimestamp(common::Clock::universalTime()).toDbString();
}

int LoggedOnUserId()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().user_id();
}

// A refusal in the reply's diagnostic record, by its packed SQLSTATE.
QString SqlRefusalText(int sqlc)
{
    const QString hex = QStringLiteral("%1").arg(static_cast<unsigned>(sqlc), 8, 16, QLatin1Char('0')).toUpper();
    return Linguist::tr("ServerRefusedRequest").arg(QStringLiteral("0x") + hex);
}

}  // namespace

namespace usergroupbrowserview {

QList<zarv::data::User> GetGroupUsers(const zarv::data::UserGroup& userGroup, QString* failure)
{
    zarv::data::SelectUserGroupUserRequest request;
    request.set_user_group_user_user_group_group_id(userGroup.user_group_group_id());
    request.set_exclude_session_user_id(true);
    ServerCall call(common::SelectUserGroupUser);
    const auto reply = call.call<zarv::data::SelectUserGroupUserReply>(request);
    QList<zarv::data::User> users;
    if (!reply) {
        if (failure) {
            *failure = ServerFailureText(call);
        }
        return users;
    }
    for (const zarv::data::UserGroupUser& member : reply->user_group_user()) {
        users.append(member.user());
    }
    return users;
}

}  // namespace usergroupbrowserview

UserGroupBrowserView::UserGroupBrowserView(QWidget* parent)
    : AbstractBrowserView(parent)
    , m_newMenu(m_fileMenu->addMenu(Linguist::tr("New")))
    , m_newUserGroupAction(createAction(m_newMenu, Context, NewUserGroupTexts))
    , m_newUserAction(createAction(m_newMenu, Context, NewUserTexts))
    , m_editUserGroupAction(createAction(m_editMenu, Context, EditUserGroupTexts))
    , m_deleteUserGroupAction(createAction(nullptr, Context, DeleteUserGroupTexts))
    , m_deleteUserAction(createAction(nullptr, Context, DeleteUserTexts))
    , m_aboutAction(createAction(m_helpMenu, "Linguist", AboutTexts))
    , m_statusMessage(new StandingStatusMessage(this))
{
    m_replyTable.add(common::InsertUserGroup, ReplyTable::AnyMinor, this, &UserGroupBrowserView::insertUserGroupReply,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::InsertUserGroupUser, ReplyTable::AnyMinor, this,
                     &UserGroupBrowserView::insertUserGroupUserReply, ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::UpdateUserGroup, ReplyTable::AnyMinor, this, &UserGroupBrowserView::updateUserGroupReply,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::DeleteUserGroup, ReplyTable::AnyMinor, this, &UserGroupBrowserView::deleteUserGroupReply,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::DeleteUserGroupUser, ReplyTable::AnyMinor, this,
                     &UserGroupBrowserView::deleteUserGroupUserReply, ReplyTable::Takes::AllReplies);

    initializeMode();
    initializeWindow();
    initializePanes();
    initializeMenus();
    initializeStandardToolBar();
    initializeDefaultSelection();
}

UserGroupBrowserView::~UserGroupBrowserView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassNameGroup);
}

void UserGroupBrowserView::initializeMode()
{
    m_modeStart = registerMode(-1, "modeStart");
    m_modeUserGroupNotInserted = registerMode(-1, "modeUserGroupNotInserted");
    m_modeUserGroupNotSelected = registerMode(-1, "modeUserGroupNotSelected");
    m_modeUserGroupSelected = registerMode(-1, "modeUserGroupSelected");
    m_modeUserGroupDeleted = registerMode(-1, "modeUserGroupDeleted");
    m_modeUserNotInserted = registerMode(-1, "modeUserNotInserted");
    m_modeUserNotSelected = registerMode(-1, "modeUserNotSelected");
    m_modeUserSelected = registerMode(-1, "modeUserSelected");
    m_modeUserDeleted = registerMode(-1, "modeUserDeleted");

    // New User Group, Edit User Group, Delete User Group, New User, Remove
    // User, for each mode of the groups.
    struct GroupModeValues
    {
        int mode;
        bool enabled[5];
    };
    const GroupModeValues groupModes[] = {
        {m_modeStart, {true, false, false, false, false}},
        {m_modeUserGroupNotInserted, {true, false, false, false, false}},
        {m_modeUserGroupNotSelected, {true, false, false, false, false}},
        {m_modeUserGroupSelected, {true, true, true, true, false}},
        {m_modeUserGroupDeleted, {true, false, false, false, false}},
    };
    QAction* const groupActions[] = {m_newUserGroupAction, m_editUserGroupAction, m_deleteUserGroupAction,
                                     m_newUserAction, m_deleteUserAction};
    for (const GroupModeValues& values : groupModes) {
        for (int index = 0; index < 5; ++index) {
            registerProp(values.mode, Mode::Entering, groupActions[index], "enabled", values.enabled[index]);
        }
    }
    // Remove User alone for each mode of the members.
    const std::pair<int, bool> userModes[] = {
        {m_modeUserNotInserted, false},
        {m_modeUserNotSelected, false},
        {m_modeUserSelected, true},
        {m_modeUserDeleted, false},
    };
    for (const auto& [mode, enabled] : userModes) {
        registerProp(mode, Mode::Entering, m_deleteUserAction, "enabled", enabled);
    }
    setMode(m_modeStart);
}

void UserGroupBrowserView::initializeWindow()
{
    setWindowCaption(tr("UserGroupBrowserWindowTitle"), QString::fromStdString(MessageDispatcher::getServerName()),
                     QString());
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/user-group.png")));
    connect(this, &UserGroupBrowserView::addUserGroupItem, m_sidePane, &UserGroupSidePaneTreeWidget::addUserGroupItem);
    connect(this, &UserGroupBrowserView::updateUserGroup, m_sidePane,
            qOverload<const zarv::data::UserGroup&>(&UserGroupSidePaneTreeWidget::updateUserGroup));
    connect(this, &UserGroupBrowserView::removeUserGroupItem, m_sidePane,
            &UserGroupSidePaneTreeWidget::removeUserGroupItem);
    connect(this, &UserGroupBrowserView::addUserItem, m_mainPane, &UserGroupMainPaneListWidget::addUserItem);
    connect(this, &UserGroupBrowserView::removeUserItem, m_mainPane, &UserGroupMainPaneListWidget::removeUserItem);
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassNameGroup, QSize(640, 480), QPoint(64, 48));
    if (!m_sidePane->loadFailure().isEmpty()) {
        m_statusMessage->show(m_sidePane->loadFailure());
    }
}

void UserGroupBrowserView::initializePanes()
{
    using Side = UserGroupSidePaneTreeWidget;
    using Main = UserGroupMainPaneListWidget;
    connect(m_sidePane, qOverload<int>(&Side::deleteUserGroup), this, &UserGroupBrowserView::deleteUserGroup);
    connect(m_sidePane, qOverload<const zarv::data::UserGroup&>(&Side::editUserGroup), this,
            &UserGroupBrowserView::editUserGroup);
    connect(m_sidePane, qOverload<const zarv::data::UserGroup&>(&Side::newUser), this, &UserGroupBrowserView::newUser);
    connect(m_sidePane, &Side::userGroupNotInserted, this, &UserGroupBrowserView::userGroupNotInserted);
    connect(m_sidePane, &Side::userGroupNotSelected, this, &UserGroupBrowserView::userGroupNotSelected);
    connect(m_sidePane, &Side::userGroupSelected, this, &UserGroupBrowserView::userGroupSelected);
    connect(m_mainPane, qOverload<int>(&Main::deleteUser), this, &UserGroupBrowserView::deleteUser);
    connect(m_mainPane, &Main::userNotInserted, this, &UserGroupBrowserView::userNotInserted);
    connect(m_mainPane, &Main::userNotSelected, this, &UserGroupBrowserView::userNotSelected);
    connect(m_mainPane, &Main::userSelected, this, &UserGroupBrowserView::userSelected);
}

void UserGroupBrowserView::initializeMenus()
{
    connect(m_newUserGroupAction, &QAction::triggered, this, &UserGroupBrowserView::newUserGroup);
    connect(m_newUserAction, &QAction::triggered, m_sidePane, qOverload<>(&UserGroupSidePaneTreeWidget::newUser));
    connect(m_editUserGroupAction, &QAction::triggered, m_sidePane,
            qOverload<>(&UserGroupSidePaneTreeWidget::editUserGroup));
    connect(m_deleteUserGroupAction, &QAction::triggered, m_sidePane,
            qOverload<>(&UserGroupSidePaneTreeWidget::deleteUserGroup));
    connect(m_deleteUserAction, &QAction::triggered, m_mainPane, qOverload<>(&UserGroupMainPaneListWidget::deleteUser));
    connect(m_aboutAction, &QAction::triggered, this, &UserGroupBrowserView::helpAbout);
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_deleteUserGroupAction);
    m_editMenu->addAction(m_deleteUserAction);
    m_viewMenuAction->setVisible(false);
    m_toolsMenuAction->setVisible(false);
}

void UserGroupBrowserView::initializeStandardToolBar()
{
    AbstractViewWindow::initializeStandardToolBar();
    m_standardToolBar->addAction(m_newUserGroupAction);
    m_standardToolBar->addAction(m_newUserAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_editUserGroupAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_deleteUserGroupAction);
    m_standardToolBar->addAction(m_deleteUserAction);
}

void UserGroupBrowserView::initializeDefaultSelection()
{
    if (m_sidePane->topLevelItemCount() > 0) {
        m_sidePane->setCurrentItem(m_sidePane->topLevelItem(0));
    }
}

void UserGroupBrowserView::enterMode(int mode)
{
    if (mode == m_modeStart) {
        m_sidePane->clearSelection();
        m_mainPane->clear();
    } else if (mode == m_modeUserGroupSelected || mode == m_modeUserGroupDeleted) {
        m_mainPane->clear();
    }
}

void UserGroupBrowserView::leaveMode(int) {}

void UserGroupBrowserView::newUserGroup()
{
    CreateGroupDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QString name = dialog.getGroupName();
    if (name.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("BlankUserGroupName"));
        return;
    }
    zarv::data::InsertUserGroupRequest request;
    zarv::data::UserGroup& userGroup = *request.mutable_user_group();
    userGroup.set_user_group_user_id(LoggedOnUserId());
    userGroup.set_user_group_name(name.toStdString());
    userGroup.set_user_group_description(dialog.getGroupDescription().toStdString());
    userGroup.set_user_group_creation_date(Now());
    sendChange(common::InsertUserGroup, request.SerializeAsString(), "NewUserGroupFailed");
    reportChangeFailure();
}

void UserGroupBrowserView::newUser(const zarv::data::UserGroup& userGroup)
{
    SelectUsersDialog dialog(this);
    QString failure;
    for (const zarv::data::User& member : usergroupbrowserview::GetGroupUsers(userGroup, &failure)) {
        dialog.addExcludedUser(member.user_id());
    }
    if (!failure.isEmpty()) {
        m_statusMessage->show(failure);
    }
    dialog.addExcludedUserGroup(userGroup.user_group_group_id());
    dialog.init();
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const zarv::data::Users users = dialog.selectedUsers();
    const std::string now = Now();
    for (const zarv::data::User& user : users.user()) {
        zarv::data::InsertUserGroupUserRequest request;
        zarv::data::UserGroupUser& member = *request.mutable_user_group_user();
        *member.mutable_user_group() = userGroup;
        *member.mutable_user() = user;
        member.set_user_group_user_description("");
        member.set_user_group_user_creation_date(now);
        sendChange(common::InsertUserGroupUser, request.SerializeAsString(), "NewUserFailed");
    }
    reportChangeFailure();
}

void UserGroupBrowserView::editUserGroup(const zarv::data::UserGroup& userGroup)
{
    if (userGroup.user_group_group_id() == 0 || userGroup.user_group_name().empty()) {
        return;
    }
    EditGroupDialog dialog(this);
    dialog.setGroupName(QString::fromStdString(userGroup.user_group_name()));
    dialog.setGroupDescription(QString::fromStdString(userGroup.user_group_description()));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QString name = dialog.getGroupName();
    if (name.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("BlankUserGroupName"));
        return;
    }
    zarv::data::UpdateUserGroupRequest request;
    zarv::data::UserGroup& changed = *request.mutable_user_group();
    changed.set_user_group_group_id(userGroup.user_group_group_id());
    changed.set_user_group_name(name.toStdString());
    changed.set_user_group_description(dialog.getGroupDescription().toStdString());
    sendChange(common::UpdateUserGroup, request.SerializeAsString(), "EditUserGroupFailed");
    reportChangeFailure();
}

void UserGroupBrowserView::deleteUserGroup(int userGroupId)
{
    zarv::data::DeleteUserGroupRequest request;
    request.set_user_group_group_id(userGroupId);
    sendChange(common::DeleteUserGroup, request.SerializeAsString(), "DeleteUserGroupFailed");
    reportChangeFailure();
}

void UserGroupBrowserView::deleteUser(int userId)
{
    const auto userGroup = m_sidePane->selectedUserGroup();
    if (!userGroup) {
        return;
    }
    zarv::data::DeleteUserGroupUserRequest request;
    request.set_user_group_user_user_group_group_id(userGroup->user_group_group_id());
    request.set_user_group_user_user_id(userId);
    sendChange(common::DeleteUserGroupUser, request.SerializeAsString(), "DeleteUserFailed");
    reportChangeFailure();
}

void UserGroupBrowserView::userGroupNotInserted()
{
    setMode(m_modeUserGroupNotInserted);
}

void UserGroupBrowserView::userGroupNotSelected()
{
    setMode(m_modeUserGroupNotSelected);
}

void UserGroupBrowserView::userGroupSelected(const zarv::data::UserGroup& userGroup)
{
    setMode(m_modeUserGroupSelected);
    QString failure;
    const QList<zarv::data::User> members = usergroupbrowserview::GetGroupUsers(userGroup, &failure);
    if (!failure.isEmpty()) {
        m_statusMessage->show(failure);
    }
    for (const zarv::data::User& member : members) {
        emit addUserItem(member);
    }
}

void UserGroupBrowserView::userNotInserted()
{
    setMode(m_modeUserNotInserted);
}

void UserGroupBrowserView::userNotSelected()
{
    setMode(m_modeUserNotSelected);
}

void UserGroupBrowserView::userSelected(QListWidgetItem*)
{
    setMode(m_modeUserSelected);
}

void UserGroupBrowserView::reportFailedReply(common::Opcode majorOpcode,
                                             common::Opcode minorOpcode,
                                             const ReplyFailure& failure)
{
    if (!m_sending) {
        AbstractViewWindow::reportFailedReply(majorOpcode, minorOpcode, failure);
        return;
    }
    if (m_failure.isEmpty()) {
        m_failure = tr(m_sending) + QLatin1Char(' ') + Linguist::tr("ServerRefusedRequest").arg(failure.majorErcode);
    }
}

void UserGroupBrowserView::sendChange(common::Opcode majorOpcode, const std::string& request, const char* failedText)
{
    m_sending = failedText;
    emit deliverRequest(majorOpcode, common::Untagged, request);
    m_sending = nullptr;
}

void UserGroupBrowserView::reportChangeFailure()
{
    if (m_failure.isEmpty()) {
        return;
    }
    const QString text = m_failure;
    m_failure.clear();
    QMessageBox::warning(this, windowTitle(), text);
}

template <typename Reply>
bool UserGroupBrowserView::succeeded(const BusReply& bus, const Reply& reply)
{
    QString failure;
    if (bus.majorErcode == common::ServiceNoReplyEr) {
        failure = Linguist::tr("NoReplyFromServer");
    } else if (bus.majorErcode != common::NoEr || bus.minorErcode != common::NoEr) {
        failure = Linguist::tr("ServerRefusedRequest")
                      .arg(bus.majorErcode != common::NoEr ? bus.majorErcode : bus.minorErcode);
    } else if (reply.sql_diag_rec().sqlc() != 0) {
        failure = SqlRefusalText(reply.sql_diag_rec().sqlc());
    }
    if (failure.isEmpty()) {
        return true;
    }
    if (m_sending && m_failure.isEmpty()) {
        m_failure = tr(m_sending) + QLatin1Char(' ') + failure;
    }
    return false;
}

bool UserGroupBrowserView::showsUserGroup(int userGroupId) const
{
    const auto userGroup = m_sidePane->selectedUserGroup();
    return userGroup && userGroup->user_group_group_id() == userGroupId;
}

void UserGroupBrowserView::insertUserGroupReply(const BusReply& bus, const zarv::data::InsertUserGroupReply& reply)
{
    zarv::data::InsertUserGroupRequest request;
    if (!succeeded(bus, reply) || !request.ParseFromString(bus.request)) {
        return;
    }
    zarv::data::UserGroup userGroup = request.user_group();
    userGroup.set_user_group_group_id(reply.user_group_group_id());
    emit addUserGroupItem(userGroup);
}

void UserGroupBrowserView::insertUserGroupUserReply(const BusReply& bus,
                                                    const zarv::data::InsertUserGroupUserReply& reply)
{
    zarv::data::InsertUserGroupUserRequest request;
    if (!succeeded(bus, reply) || !request.ParseFromString(bus.request)) {
        return;
    }
    if (showsUserGroup(request.user_group_user().user_group().user_group_group_id())) {
        emit addUserItem(request.user_group_user().user());
    }
}

void UserGroupBrowserView::updateUserGroupReply(const BusReply& bus, const zarv::data::UpdateUserGroupReply& reply)
{
    zarv::data::UpdateUserGroupRequest request;
    if (!succeeded(bus, reply) || !request.ParseFromString(bus.request)) {
        return;
    }
    emit updateUserGroup(request.user_group());
}

void UserGroupBrowserView::deleteUserGroupReply(const BusReply& bus, const zarv::data::DeleteUserGroupReply& reply)
{
    zarv::data::DeleteUserGroupRequest request;
    if (!succeeded(bus, reply) || !request.ParseFromString(bus.request)) {
        return;
    }
    const int userGroupId = request.user_group_group_id();
    if (!showsUserGroup(userGroupId)) {
        emit removeUserGroupItem(userGroupId);
        return;
    }
    setMode(m_modeUserGroupDeleted);
    emit removeUserGroupItem(userGroupId);
    setMode(m_modeUserGroupNotSelected);
}

void UserGroupBrowserView::deleteUserGroupUserReply(const BusReply& bus,
                                                    const zarv::data::DeleteUserGroupUserReply& reply)
{
    zarv::data::DeleteUserGroupUserRequest request;
    if (!succeeded(bus, reply) || !request.ParseFromString(bus.request)) {
        return;
    }
    if (showsUserGroup(request.user_group_user_user_group_group_id())) {
        emit removeUserItem(request.user_group_user_user_id());
        setMode(m_modeUserNotSelected);
    }
}
