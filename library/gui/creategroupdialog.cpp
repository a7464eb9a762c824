#include "library/gui/creategroupdialog.h"

#include "library/gui/horizontalline.h"
#include "library/gui/linguist.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

    m_groupNameLabel->setBuddy(m_groupNameLineEdit);
    m_groupDescriptionLabel->setBuddy(m_groupDescriptionLineEdit);

    auto* fieldsLayout = new QGridLayout;
    fieldsLayout->addWidget(m_groupNameLabel, 0, 0);
    fieldsLayout->addWidget(m_groupNameLineEdit, 0, 1);
    fieldsLayout->addWidget(m_groupDescriptionLabel, 1, 0);
    fieldsLayout->addWidget(m_groupDescriptionLineEdit, 1, 1);

    auto* buttonsLayout = new QHBoxLayout;
    buttonsLayout->addWidget(m_okPushButton);
    buttonsLayout->addStretch();
    buttonsLayout->addWidget(m_cancelPushButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fieldsLayout);
    layout->addWidget(utils::CreateHorizontalLine(this));
    layout->addLayout(buttonsLayout);

    connect(m_okPushButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelPushButton, &QPushButton::clicked, this, &QDialog::reject);
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
