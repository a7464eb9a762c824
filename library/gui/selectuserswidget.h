#pragma once

#include "library/gui/selectrecordswidget.h"

#include <set>

class QRadioButton;

namespace zarv::data {
class Group;
class User;
class UserGroup;
class Users;
}  // namespace zarv::data

// Picks a set of users by way of groups: the left column lists the logged-on
// user's home groups or his own user groups (two radio buttons); including a
// group lists its members, less the logged-on user and the excluded users,
// which the server leaves out. Every listing is one synchronous request.
//
// Hosts: construct, preselect with addUser, exclude, then init().
class SelectUsersWidget : public SelectRecordsWidget
{
    Q_OBJECT

public:
    explicit SelectUsersWidget(QWidget* parent);
    ~SelectUsersWidget() override;

    // The modes, for hosts that watch setMode.
    const int m_modeStart = Start;
    const int m_modeHomeGroups = FirstSourceMode;
    const int m_modeUserGroups = SecondSourceMode;
    const int m_modeGroupsNotSelected = SourcesNotSelected;
    const int m_modeGroupsSelected = SourcesSelected;
    const int m_modeGroupsIncluded = SourcesIncluded;
    const int m_modeGroupsEmpty = SourcesEmpty;
    const int m_modeUnselectedUsersEmpty = UnselectedEmpty;
    const int m_modeUnselectedUsersFilled = UnselectedFilled;
    const int m_modeUnselectedUsersNotSelected = UnselectedNotSelected;
    const int m_modeUnselectedUsersSelected = UnselectedSelected;
    const int m_modeSelectedUsersEmpty = SelectedEmpty;
    const int m_modeSelectedUsersFilled = SelectedFilled;
    const int m_modeSelectedUsersNotSelected = SelectedNotSelected;
    const int m_modeSelectedUsersSelected = SelectedSelected;

    // Preselects the user unless it is selected already; neither the
    // exclusions nor the unselected list are consulted.
    void addUser(const zarv::data::User& user);
    // Each takes effect on the next listing or include.
    void addExcludedUser(int userId);
    // Kept, but no listing can narrow the home groups by it.
    void addExcludedHomeGroup(int groupId);
    void addExcludedUserGroup(int userGroupId);

    zarv::data::Users selectedUsers() const;

public slots:
    // Lists the home groups.
    void init() override;
    void selectHomeGroups(bool checked);
    void selectUserGroups(bool checked);

protected:
    void includeSource(QListWidgetItem* source) override;
    void enterUnselectedModeAfterInclude(int countBefore) override;
    // Lists a member of an included group unless it is listed or selected.
    void offerUser(const zarv::data::User& user);

private:
    void listHomeGroups();
    void includeGroup(const zarv::data::Group& group);
    void includeUserGroup(const zarv::data::UserGroup& userGroup);

    QRadioButton* const m_homeGroupsRadio;
    QRadioButton* const m_userGroupsRadio;
    std::set<int> m_excludedUsers;
    std::set<int> m_excludedHomeGroups;
    std::set<int> m_excludedUserGroups;
};
