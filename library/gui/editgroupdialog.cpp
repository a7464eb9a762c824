#include "library/gui/editgroupdialog.h"

#include <QIcon>
#include <QLineEdit>

EditGroupDialog::EditGroupDialog(QWidget* parent)
    : CreateGroupDialog(parent)
{
    setWindowTitle(tr("EditGroupDialogWindowTitle"));
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/group-edit.png")));
}

void EditGroupDialog::setGroupName(const QString& groupName)
{
    groupNameLineEdit()->setText(groupName);
}

void EditGroupDialog::setGroupDescription(const QString& groupDescription)
{
    groupDescriptionLineEdit()->setText(groupDescription);
}
