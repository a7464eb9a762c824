#include "library/gui/selectuserswidget.h"

#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/gui/linguist.h"
#include "library/gui/recorditems.h"
#include "library/gui/servercall.h"

#include "selectgroupkeyreply3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "selectusergroupreply3.pb.h"
#include "selectusergrouprequest3.pb.h"
#include "selectusergroupuserreply3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "users3.pb.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <ace/Log_Msg.h>
#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

namespace {

constexpr const char* Context = "SelectUsersWidget";

const SelectRecordsWidget::Texts UserTexts = {
    Context,
    "UnselectedUsers",
    "SelectedUsers",
    ":icons/32x32/include.png",
    ":icons/32x32/include-all.png",
    ":icons/32x32/add.png",
    ":icons/32x32/add-all.png",
    ":icons/32x32/remove.png",
    ":icons/32x32/remove-all.png",
};

int LoggedOnUserId()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().user_id();
}

QRadioButton* Radio(const char* text, const char* icon)
{
    auto* radio = new QRadioButton(Linguist::tr(text));
    radio->setIcon(QIcon(QString::fromLatin1(icon)));
    return radio;
}

// The radios and the labels are exactly 20 high.
void FixHeight(QWidget* widget)
{
    widget->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    widget->setMinimumHeight(20);
    widget->setMaximumHeight(20);
}

// The logged-on user first, then the excluded users.
template <typename Request>
void ExcludeUsers(Request& request, const std::set<int>& excluded)
{
    request.add_exclude_user_id(LoggedOnUserId());
    for (const int userId : excluded) {
        request.add_exclude_user_id(userId);
    }
}

}  // namespace

SelectUsersWidget::SelectUsersWidget(QWidget* parent)
    : SelectRecordsWidget(parent, UserTexts)
    , m_homeGroupsRadio(Radio("HomeGroups", ":icons/32x32/home-groups.png"))
    , m_userGroupsRadio(Radio("UserGroups", ":icons/32x32/user-group.png"))
{
    initializeMode({
        {m_modeStart, m_homeGroupsRadio, "checked", false},
        {m_modeStart, m_userGroupsRadio, "checked", false},
        {m_modeStart, m_include, "enabled", false},
        {m_modeStart, m_includeAll, "enabled", false},
        {m_modeStart, m_add, "enabled", false},
        {m_modeStart, m_addAll, "enabled", false},
        {m_modeStart, m_remove, "enabled", false},
        {m_modeStart, m_removeAll, "enabled", false},
        {m_modeHomeGroups, m_homeGroupsRadio, "checked", true},
        {m_modeHomeGroups, m_userGroupsRadio, "checked", false},
        {m_modeHomeGroups, m_include, "enabled", false},
        {m_modeHomeGroups, m_includeAll, "enabled", true},
        {m_modeHomeGroups, m_add, "enabled", false},
        {m_modeHomeGroups, m_addAll, "enabled", false},
        {m_modeUserGroups, m_homeGroupsRadio, "checked", false},
        {m_modeUserGroups, m_userGroupsRadio, "checked", true},
        {m_modeUserGroups, m_include, "enabled", false},
        {m_modeUserGroups, m_includeAll, "enabled", true},
        {m_modeUserGroups, m_add, "enabled", false},
        {m_modeUserGroups, m_addAll, "enabled", false},
        {m_modeGroupsNotSelected, m_include, "enabled", false},
        {m_modeGroupsSelected, m_include, "enabled", true},
        {m_modeGroupsIncluded, m_include, "enabled", false},
        {m_modeGroupsEmpty, m_include, "enabled", false},
        {m_modeGroupsEmpty, m_includeAll, "enabled", false},
        {m_modeUnselectedUsersEmpty, m_add, "enabled", false},
        {m_modeUnselectedUsersEmpty, m_addAll, "enabled", false},
        {m_modeUnselectedUsersFilled, m_addAll, "enabled", true},
        {m_modeUnselectedUsersNotSelected, m_add, "enabled", false},
        {m_modeUnselectedUsersSelected, m_add, "enabled", true},
        {m_modeUnselectedUsersSelected, m_addAll, "enabled", true},
        {m_modeSelectedUsersEmpty, m_remove, "enabled", false},
        {m_modeSelectedUsersEmpty, m_removeAll, "enabled", false},
        {m_modeSelectedUsersFilled, m_removeAll, "enabled", true},
        {m_modeSelectedUsersNotSelected, m_remove, "enabled", false},
        {m_modeSelectedUsersSelected, m_remove, "enabled", true},
        {m_modeSelectedUsersSelected, m_removeAll, "enabled", true},
    });

    for (QWidget* widget : {static_cast<QWidget*>(m_homeGroupsRadio), static_cast<QWidget*>(m_userGroupsRadio),
                            static_cast<QWidget*>(m_unselectedLabel), static_cast<QWidget*>(m_selectedLabel)}) {
        FixHeight(widget);
    }
    connect(m_homeGroupsRadio, &QRadioButton::clicked, this, &SelectUsersWidget::selectHomeGroups);
    connect(m_userGroupsRadio, &QRadioButton::clicked, this, &SelectUsersWidget::selectUserGroups);

    auto* radios = new QHBoxLayout;
    radios->addWidget(m_homeGroupsRadio);
    radios->addWidget(m_userGroupsRadio);
    radios->addStretch();
    auto* includeButtons = new QHBoxLayout;
    includeButtons->addWidget(m_include);
    includeButtons->addWidget(m_includeAll);
    auto* groupsColumn = new QVBoxLayout;
    groupsColumn->addLayout(radios);
    groupsColumn->addWidget(m_sourcesList);
    groupsColumn->addLayout(includeButtons);
    initializeLayout(groupsColumn, nullptr);
}

SelectUsersWidget::~SelectUsersWidget() = default;

void SelectUsersWidget::init()
{
    selectHomeGroups(true);
}

void SelectUsersWidget::selectHomeGroups(bool checked)
{
    if (!checked) {
        return;
    }
    listHomeGroups();
    reportFailure();
}

void SelectUsersWidget::listHomeGroups()
{
    clear();
    zarv::data::SelectGroupKeyRequest request;
    request.set_group_key_user_id(LoggedOnUserId());
    ServerCall call(common::SelectGroupKey);
    const auto reply = call.call<zarv::data::SelectGroupKeyReply>(request);
    if (!reply) {
        // The lists stay empty and the mode before stays in force.
        noteFailure(call);
        return;
    }
    for (const zarv::data::GroupKey& key : reply->group_key()) {
        m_sourcesList->addItem(recorditems::NewGroupItem(key.group_key_group()));
    }
    emit setMode(m_modeHomeGroups);
}

void SelectUsersWidget::selectUserGroups(bool checked)
{
    if (!checked) {
        return;
    }
    clear();
    zarv::data::SelectUserGroupRequest request;
    request.set_user_group_user_id(LoggedOnUserId());
    for (const int userGroupId : m_excludedUserGroups) {
        request.add_exclude_group_id(userGroupId);
    }
    ServerCall call(common::SelectUserGroup);
    if (const auto reply = call.call<zarv::data::SelectUserGroupReply>(request)) {
        for (const zarv::data::UserGroup& userGroup : reply->user_group()) {
            m_sourcesList->addItem(recorditems::NewUserGroupItem(userGroup));
        }
    } else {
        noteFailure(call);
    }
    emit setMode(m_modeUserGroups);
    reportFailure();
}

void SelectUsersWidget::includeSource(QListWidgetItem* source)
{
    switch (source->type()) {
    case recorditems::GroupItem:
        includeGroup(source->data(recorditems::GroupRole).value<zarv::data::Group>());
        break;
    case recorditems::UserGroupItem:
        includeUserGroup(source->data(recorditems::UserGroupRole).value<zarv::data::UserGroup>());
        break;
    default:
        ACE_ERROR((LM_CRITICAL, ACE_TEXT("SelectUsersWidget::include: unknown list widget item type!\n")));
        break;
    }
}

void SelectUsersWidget::enterUnselectedModeAfterInclude(int countBefore)
{
    if (m_unselectedList->count() > countBefore) {
        emit setMode(m_modeUnselectedUsersFilled);
    }
}

void SelectUsersWidget::includeGroup(const zarv::data::Group& group)
{
    zarv::data::SelectUserRequest request;
    request.set_user_group_id(group.group_id());
    ExcludeUsers(request, m_excludedUsers);
    ServerCall call(common::SelectUser);
    const auto reply = call.call<zarv::data::SelectUserReply>(request);
    if (!reply) {
        noteFailure(call);
        return;
    }
    for (const zarv::data::User& user : reply->user()) {
        offerUser(user);
    }
}

void SelectUsersWidget::includeUserGroup(const zarv::data::UserGroup& userGroup)
{
    zarv::data::SelectUserGroupUserRequest request;
    request.set_user_group_user_user_group_group_id(userGroup.user_group_group_id());
    ExcludeUsers(request, m_excludedUsers);
    ServerCall call(common::SelectUserGroupUser);
    const auto reply = call.call<zarv::data::SelectUserGroupUserReply>(request);
    if (!reply) {
        noteFailure(call);
        return;
    }
    for (const zarv::data::UserGroupUser& member : reply->user_group_user()) {
        offerUser(member.user());
    }
}

void SelectUsersWidget::offerUser(const zarv::data::User& user)
{
    if (!isIncluded(user.user_id()) && !isAdded(user.user_id())) {
        includeItem(recorditems::NewUserItem(user), user.user_id());
    }
}

void SelectUsersWidget::addUser(const zarv::data::User& user)
{
    if (!isAdded(user.user_id())) {
        addItem(recorditems::NewUserItem(user), user.user_id());
    }
}

void SelectUsersWidget::addExcludedUser(int userId)
{
    m_excludedUsers.insert(userId);
}

void SelectUsersWidget::addExcludedHomeGroup(int groupId)
{
    m_excludedHomeGroups.insert(groupId);
}

void SelectUsersWidget::addExcludedUserGroup(int userGroupId)
{
    m_excludedUserGroups.insert(userGroupId);
}

zarv::data::Users SelectUsersWidget::selectedUsers() const
{
    zarv::data::Users users;
    for (const QListWidgetItem* item : selectedItems()) {
        *users.add_user() = item->data(recorditems::UserRole).value<zarv::data::User>();
    }
    return users;
}
