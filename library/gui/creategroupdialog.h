#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the name and the description of a new user group. Nothing is
// checked: the caller reads the trimmed texts after Accepted and decides what
// an empty name means.
class CreateGroupDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CreateGroupDialog(QWidget* parent);

    QString getGroupName() const;
    QString getGroupDescription() const;

protected:
    QLineEdit* groupNameLineEdit() const;
    QLineEdit* groupDescriptionLineEdit() const;

private:
    QLabel* m_groupNameLabel;
    QLabel* m_groupDescriptionLabel;
    QLineEdit* m_groupNameLineEdit;
    QLineEdit* m_groupDescriptionLineEdit;
    QPushButton* m_okPushButton;
    QPushButton* m_cancelPushButton;
};
