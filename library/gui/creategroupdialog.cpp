#include "library/gui/creategroupdialog.h"

#include "library/gui/linguist.h"
#include "library/gui/twofielddialoglayout.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CreateGroupDialog::CreateGroupDialog(QWidget* parent)
    : QDialog(parent)
    , m_groupNameLabel(new QLabel(tr("GroupName"), this))
    , m_groupDescriptionLabel(new QLabel(tr("GroupDescription"), this))
    , m_groupNameLineEdit(new QLineEdit(this))
    , m_groupDescriptionLineEdit(new QLineEdit(this))
    , m_okPushButton(new QPushButton(Linguist::tr("Ok"), this))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel"), this))
{
    setWindowTitle(tr("CreateGroupDialogWindowTitle"));
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/group-create.png")));
    setMinimumWidth(300);

    utils::LayOutTwoFieldDialog(this, m_groupNameLabel, m_groupNameLineEdit, m_groupDescriptionLabel,
                                m_groupDescriptionLineEdit, m_okPushButton, m_cancelPushButton);
}

QString CreateGroupDialog::getGroupName() const
{
    return m_groupNameLineEdit->text().trimmed();
}

QString CreateGroupDialog::getGroupDescription() const
{
    return m_groupDescriptionLineEdit->text().trimmed();
}

QLineEdit* CreateGroupDialog::groupNameLineEdit() const
{
    return m_groupNameLineEdit;
}

QLineEdit* CreateGroupDialog::groupDescriptionLineEdit() const
{
    return m_groupDescriptionLineEdit;
}
