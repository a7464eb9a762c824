#pragma once

#include "library/core/proxy/messageproxy.h"

#include <QDialog>
#include <QWidget>

#include <vector>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zarv::data {
class Message;
}

// The subject field and the read-only box of a new message. It passes on
// what the user does; the dialog writes the subject, the permission tabs
// follow the read-only box.
class CreateMessageDialogGeneralTab : public QWidget
{
    Q_OBJECT

public:
    explicit CreateMessageDialogGeneralTab(QWidget* parent);

    QLineEdit* subjectLineEdit() const { return m_messageSubjectLineEdit; }

signals:
    void messageSubjectTextEdited(const QString& text);
    void messageReadOnlyStateChanged(int state);

private:
    QLineEdit* m_messageSubjectLineEdit;
    QCheckBox* m_messageReadOnlyCheckBox;
};

// One check box of a permission tab: its text, its bit and the state it
// takes at construction and after the read-only box was checked or
// unchecked. A box that starts unchecked leaves its bit alone until used.
struct MessagePermissionBox
{
    const char* textId;
    MessageProxy::Permission bit;
    bool checkedAtStart;
    bool checkedWhenReadOnly;
    bool checkedWhenWritable;
};

// Check boxes bound to bits of the message's permission word: every change
// of a box is written into the caller's record at once. The read-only box
// of the General tab sets all of them and enables them only while it is
// unchecked.
class MessagePermissionsTab : public QWidget
{
    Q_OBJECT

public:
    MessagePermissionsTab(zarv::data::Message* message,
                          const char* context,
                          const std::vector<MessagePermissionBox>& boxes,
                          QWidget* parent);

public slots:
    void messageReadOnlyStateChanged(int state);

private:
    void setPermission(MessageProxy::Permission bit, bool on);

    zarv::data::Message* m_message;
    std::vector<MessagePermissionBox> m_boxes;
    std::vector<QCheckBox*> m_checkBoxes;
};

// View, copy, export, print and search.
class CreateMessageDialogMessageContentPermissionsTab : public MessagePermissionsTab
{
    Q_OBJECT

public:
    CreateMessageDialogMessageContentPermissionsTab(zarv::data::Message* message, QWidget* parent);
};

// Reply, reply to all and forward.
class CreateMessageDialogMessageUserPermissionsTab : public MessagePermissionsTab
{
    Q_OBJECT

public:
    CreateMessageDialogMessageUserPermissionsTab(zarv::data::Message* message, QWidget* parent);
};

// Gives a new message its subject and permissions before it is sent. Every
// change goes into the caller's record at once, whatever the dialog returns:
// the caller sends the record after Accepted and drops it otherwise. OK is
// enabled only while the trimmed subject is not empty.
class CreateMessageDialog : public QDialog
{
    Q_OBJECT

public:
    CreateMessageDialog(zarv::data::Message* message, QWidget* parent);

public slots:
    void messageSubjectTextEdited(const QString& text);

private:
    zarv::data::Message* m_message;
    QTabWidget* m_tabWidget;
    QDialogButtonBox* m_buttonBox;
    CreateMessageDialogGeneralTab* m_generalTab;
    CreateMessageDialogMessageContentPermissionsTab* m_contentPermissionsTab;
    CreateMessageDialogMessageUserPermissionsTab* m_userPermissionsTab;
    QPushButton* m_okPushButton;
    QPushButton* m_cancelPushButton;
};
