#include "library/gui/usergroupsidepanetreewidget.h"

#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/gui/recorditems.h"
#include "library/gui/servercall.h"
#include "library/gui/serverfailuretext.h"

#include "selectusergroupreply3.pb.h"
#include "selectusergrouprequest3.pb.h"
#include "usergroup3.pb.h"

#include <QMessageBox>
#include <QTreeWidgetItem>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

namespace {

// The logged-on user's groups, in reply order; the failure's text, or empty.
QString InitializeTreeWidget(QTreeWidget* tree)
{
    zarv::data::SelectUserGroupRequest request;
    request.set_user_group_user_id(ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().user_id());
    ServerCall call(common::SelectUserGroup);
    const auto reply = call.call<zarv::data::SelectUserGroupReply>(request);
    if (!reply) {
        return ServerFailureText(call);
    }
    for (const zarv::data::UserGroup& userGroup : reply->user_group()) {
        tree->addTopLevelItem(recorditems::NewUserGroupTreeItem(userGroup));
    }
    return QString();
}

std::optional<zarv::data::UserGroup> UserGroupOf(const QTreeWidgetItem* item)
{
    if (!item || item->type() != recorditems::UserGroupItem) {
        return std::nullopt;
    }
    const QVariant data = item->data(0, recorditems::UserGroupRole);
    if (!data.canConvert<zarv::data::UserGroup>()) {
        return std::nullopt;
    }
    return data.value<zarv::data::UserGroup>();
}

}  // namespace

UserGroupSidePaneTreeWidget::UserGroupSidePaneTreeWidget(QWidget* parent)
    : AbstractSidePaneTreeWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHeaderHidden(true);
    m_loadFailure = InitializeTreeWidget(this);
    connect(this, &QTreeWidget::itemSelectionChanged, this,
            &UserGroupSidePaneTreeWidget::userGroupsTreeWidgetItemSelectionChanged);
}

UserGroupSidePaneTreeWidget::~UserGroupSidePaneTreeWidget() = default;

std::optional<zarv::data::UserGroup> UserGroupSidePaneTreeWidget::selectedUserGroup() const
{
    return UserGroupOf(getSelectedTreeWidgetItem());
}

void UserGroupSidePaneTreeWidget::editUserGroup()
{
    if (const auto userGroup = selectedUserGroup()) {
        emit editUserGroup(*userGroup);
    }
}

void UserGroupSidePaneTreeWidget::updateUserGroup(const zarv::data::UserGroup& userGroup)
{
    if (QTreeWidgetItem* item = findItem(userGroup.user_group_group_id())) {
        item->setText(0, QString::fromStdString(userGroup.user_group_name()));
        item->setData(0, recorditems::UserGroupRole, QVariant::fromValue(userGroup));
    }
}

void UserGroupSidePaneTreeWidget::deleteUserGroup()
{
    const auto userGroup = selectedUserGroup();
    if (!userGroup) {
        return;
    }
    QMessageBox box(QMessageBox::Question, tr("DeleteUserGroupWindowTitle"), tr("DeleteUserGroupConfirmation"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setInformativeText(QString::fromStdString(userGroup->user_group_name()));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Ok) {
        emit deleteUserGroup(userGroup->user_group_group_id());
    }
}

void UserGroupSidePaneTreeWidget::newUser()
{
    if (const auto userGroup = selectedUserGroup()) {
        emit newUser(*userGroup);
        return;
    }
    QMessageBox box(QMessageBox::Warning, tr("NoUserGroupWarning"), tr("CreateUserGroupRequest"), QMessageBox::Ok,
                    this);
    box.exec();
}

void UserGroupSidePaneTreeWidget::addUserGroupItem(const zarv::data::UserGroup& userGroup)
{
    addTopLevelItem(recorditems::NewUserGroupTreeItem(userGroup));
}

void UserGroupSidePaneTreeWidget::removeUserGroupItem(int userGroupId)
{
    delete findItem(userGroupId);
}

void UserGroupSidePaneTreeWidget::userGroupsTreeWidgetItemSelectionChanged()
{
    if (topLevelItemCount() == 0) {
        emit userGroupNotInserted();
        return;
    }
    QTreeWidgetItem* item = getSelectedTreeWidgetItem();
    if (!item) {
        emit userGroupNotSelected();
        return;
    }
    if (const auto userGroup = UserGroupOf(item)) {
        emit userGroupSelected(*userGroup);
    }
}

QTreeWidgetItem* UserGroupSidePaneTreeWidget::findItem(int userGroupId) const
{
    for (int index = 0; index < topLevelItemCount(); ++index) {
        QTreeWidgetItem* item = topLevelItem(index);
        const auto userGroup = UserGroupOf(item);
        if (userGroup && userGroup->user_group_group_id() == userGroupId) {
            return item;
        }
    }
    return nullptr;
}
