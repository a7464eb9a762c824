#pragma once

#include "library/gui/creategroupdialog.h"

// The group dialog for an existing group: the caller fills the fields before
// exec and reads them back, trimmed, after Accepted.
class EditGroupDialog : public CreateGroupDialog
{
    Q_OBJECT

public:
    explicit EditGroupDialog(QWidget* parent);

    // The texts go into the fields as they are.
    void setGroupName(const QString& groupName);
    void setGroupDescription(const QString& groupDescription);
};
