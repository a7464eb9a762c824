#include "library/gui/createmessagedialog.h"

#include "library/core/proxy/messagewriter.h"
#include "library/gui/linguist.h"

#include "message3.pb.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const std::vector<MessagePermissionBox> ContentPermissionBoxes = {
    {"PermissionViewMessageContents", MessageProxy::View, true, true, true},
    {"PermissionCopyMessageContentsToClipboard", MessageProxy::CopyToClipboard, false, false, false},
    {"PermissionExportMessageContentsToTextFile", MessageProxy::ExportToTextFile, false, false, false},
    {"PermissionExportMessageContentsToPdfFile", MessageProxy::ExportToPdfFile, false, false, false},
    {"PermissionPrintMessageContents", MessageProxy::Print, false, false, false},
    {"PermissionSearchMessageContents", MessageProxy::Search, true, false, false},
};

const std::vector<MessagePermissionBox> UserPermissionBoxes = {
    {"PermissionReply", MessageProxy::Reply, true, false, true},
    {"PermissionReplyAll", MessageProxy::ReplyAll, true, false, true},
    {"PermissionForward", MessageProxy::Forward, false, false, false},
};

QFormLayout* CreateFormLayout(QWidget* tab)
{
    auto* layout = new QFormLayout(tab);
    layout->setFormAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return layout;
}

}  // namespace

CreateMessageDialogGeneralTab::CreateMessageDialogGeneralTab(QWidget* parent)
    : QWidget(parent)
    , m_messageSubjectLineEdit(new QLineEdit(this))
    , m_messageReadOnlyCheckBox(new QCheckBox(this))
{
    m_messageSubjectLineEdit->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);

    QFormLayout* layout = CreateFormLayout(this);
    layout->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    layout->addRow(tr("MessageSubject"), m_messageSubjectLineEdit);
    layout->addRow(tr("MessageReadOnly"), m_messageReadOnlyCheckBox);

    connect(m_messageSubjectLineEdit, &QLineEdit::textEdited, this,
            &CreateMessageDialogGeneralTab::messageSubjectTextEdited);
    connect(m_messageReadOnlyCheckBox, &QCheckBox::stateChanged, this,
            &CreateMessageDialogGeneralTab::messageReadOnlyStateChanged);
}

MessagePermissionsTab::MessagePermissionsTab(zarv::data::Message* message,
                                             const char* context,
                                             const std::vector<MessagePermissionBox>& boxes,
                                             QWidget* parent)
    : QWidget(parent)
    , m_message(message)
    , m_boxes(boxes)
{
    QFormLayout* layout = CreateFormLayout(this);
    for (const MessagePermissionBox& box : m_boxes) {
        auto* checkBox = new QCheckBox(this);
        layout->addRow(QCoreApplication::translate(context, box.textId), checkBox);
        m_checkBoxes.push_back(checkBox);
        if (box.checkedAtStart) {
            checkBox->setChecked(true);
            setPermission(box.bit, true);
        }
    }
    for (std::size_t index = 0; index < m_boxes.size(); ++index) {
        const MessageProxy::Permission bit = m_boxes[index].bit;
        connect(m_checkBoxes[index], &QCheckBox::stateChanged, this,
                [this, bit](int state) { setPermission(bit, state == Qt::Checked); });
    }
}

void MessagePermissionsTab::messageReadOnlyStateChanged(int state)
{
    const bool readOnly = state == Qt::Checked;
    auto checked = [readOnly](const MessagePermissionBox& box) {
        return readOnly ? box.checkedWhenReadOnly : box.checkedWhenWritable;
    };
    for (const MessagePermissionBox& box : m_boxes) {
        setPermission(box.bit, checked(box));
    }
    for (std::size_t index = 0; index < m_boxes.size(); ++index) {
        m_checkBoxes[index]->setChecked(checked(m_boxes[index]));
    }
    for (QCheckBox* checkBox : m_checkBoxes) {
        checkBox->setEnabled(!readOnly);
    }
}

void MessagePermissionsTab::setPermission(MessageProxy::Permission bit, bool on)
{
    MessageWriter(*m_message).setPermission(bit, on);
}

CreateMessageDialogMessageContentPermissionsTab::CreateMessageDialogMessageContentPermissionsTab(
    zarv::data::Message* message,
    QWidget* parent)
    : MessagePermissionsTab(message, "CreateMessageDialogMessageContentPermissionsTab", ContentPermissionBoxes, parent)
{}

CreateMessageDialogMessageUserPermissionsTab::CreateMessageDialogMessageUserPermissionsTab(zarv::data::Message* message,
                                                                                           QWidget* parent)
    : MessagePermissionsTab(message, "CreateMessageDialogMessageUserPermissionsTab", UserPermissionBoxes, parent)
{}

CreateMessageDialog::CreateMessageDialog(zarv::data::Message* message, QWidget* parent)
    : QDialog(parent)
    , m_message(message)
    , m_tabWidget(new QTabWidget(this))
    , m_buttonBox(new QDialogButtonBox(this))
    , m_generalTab(new CreateMessageDialogGeneralTab(this))
    , m_contentPermissionsTab(new CreateMessageDialogMessageContentPermissionsTab(message, this))
    , m_userPermissionsTab(new CreateMessageDialogMessageUserPermissionsTab(message, this))
    , m_okPushButton(new QPushButton(Linguist::tr("Ok"), this))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel"), this))
{
    setWindowTitle(tr("CreateMessageDialogWindowTitle"));
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/message-create.png")));
    setMinimumWidth(480);

    m_tabWidget->addTab(m_generalTab, tr("GeneralTab"));
    m_tabWidget->addTab(m_contentPermissionsTab, QIcon(QStringLiteral(":icons/32x32/message-permissions.png")),
                        tr("MessageContentPermissionsTab"));
    m_tabWidget->addTab(m_userPermissionsTab, QIcon(QStringLiteral(":icons/32x32/user.png")),
                        tr("MessageUserPermissionsTab"));

    m_okPushButton->setEnabled(false);
    m_buttonBox->addButton(m_okPushButton, QDialogButtonBox::AcceptRole);
    m_buttonBox->addButton(m_cancelPushButton, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabWidget);
    layout->addWidget(m_buttonBox);
    m_generalTab->subjectLineEdit()->setFocus();

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_generalTab, &CreateMessageDialogGeneralTab::messageSubjectTextEdited, this,
            &CreateMessageDialog::messageSubjectTextEdited);
    connect(m_generalTab, &CreateMessageDialogGeneralTab::messageReadOnlyStateChanged, m_contentPermissionsTab,
            &MessagePermissionsTab::messageReadOnlyStateChanged);
    connect(m_generalTab, &CreateMessageDialogGeneralTab::messageReadOnlyStateChanged, m_userPermissionsTab,
            &MessagePermissionsTab::messageReadOnlyStateChanged);
}

void CreateMessageDialog::messageSubjectTextEdited(const QString& text)
{
    const QString subject = text.trimmed();
    if (!subject.isEmpty()) {
        MessageWriter(*m_message).setSubject(subject.toStdString());
    }
    m_okPushButton->setEnabled(!subject.isEmpty());
}
