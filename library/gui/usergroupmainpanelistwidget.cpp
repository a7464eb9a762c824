#include "library/gui/usergroupmainpanelistwidget.h"

#include "library/core/proxy/userreader.h"
#include "library/gui/recorditems.h"
#include "library/gui/utils.h"

#include "user3.pb.h"

#include <QIcon>
#include <QMessageBox>

#include <optional>

namespace {

std::optional<zarv::data::User> UserOf(const QListWidgetItem* item)
{
    if (!item) {
        return std::nullopt;
    }
    const QVariant data = item->data(recorditems::UserRole);
    if (!data.canConvert<zarv::data::User>()) {
        return std::nullopt;
    }
    return data.value<zarv::data::User>();
}

}  // namespace

UserGroupMainPaneListWidget::UserGroupMainPaneListWidget(QWidget* parent)
    : AbstractMainPaneListWidget(parent)
{
    connect(this, &QListWidget::itemChanged, this, &UserGroupMainPaneListWidget::userItemChanged);
}

UserGroupMainPaneListWidget::~UserGroupMainPaneListWidget() = default;

void UserGroupMainPaneListWidget::deleteUser()
{
    const auto user = UserOf(getSelectedListWidgetItem());
    if (!user) {
        return;
    }
    QMessageBox box(QMessageBox::Question, tr("DeleteGroupUserWindowTitle"),
                    tr("DeleteGroupUserConfirmation").arg(QString::fromStdString(UserReader(*user).displayName())),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setWindowIcon(QIcon(QStringLiteral(":icons/32x32/remove.png")));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Ok) {
        emit deleteUser(user->user_id());
    }
}

void UserGroupMainPaneListWidget::addUserItem(const zarv::data::User& user)
{
    for (int row = 0; row < count(); ++row) {
        const auto listed = UserOf(item(row));
        if (listed && listed->user_id() == user.user_id()) {
            return;
        }
    }
    // In the list first: each of the two data changes reports the item.
    auto* item = new QListWidgetItem(
        utils::GetAlphabeticalName(user.user_first_name(), user.user_middle_name(), user.user_last_name()), this,
        recorditems::UserItem);
    item->setData(recorditems::UserRole, QVariant::fromValue(user));
    item->setData(Qt::DecorationRole, QIcon(QStringLiteral(":icons/32x32/user.png")));
}

void UserGroupMainPaneListWidget::removeUserItem(int userId)
{
    for (int row = 0; row < count(); ++row) {
        const auto listed = UserOf(item(row));
        if (listed && listed->user_id() == userId) {
            delete takeItem(row);
            return;
        }
    }
}

void UserGroupMainPaneListWidget::userItemChanged(QListWidgetItem* item)
{
    emit userSelected(item);
}
