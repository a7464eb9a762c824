#include "library/gui/selectrecordsdialogs.h"

#include "library/gui/selectdocumentswidget.h"
#include "library/gui/selectuserswidget.h"

#include "documents3.pb.h"
#include "users3.pb.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDialogButtonBox* NewButtonBox()
{
    return new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Reset);
}

// The picker's columns, a separator line and the buttons; Reset runs the
// picker's init().
void LayOutPicker(QDialog* dialog,
                  SelectRecordsWidget* widget,
                  QDialogButtonBox* buttonBox,
                  const char* context,
                  const char* title,
                  const char* icon)
{
    dialog->setWindowTitle(QCoreApplication::translate(context, title));
    dialog->setWindowIcon(QIcon(QString::fromLatin1(icon)));
    dialog->setMinimumSize(800, 600);
    auto* separator = new QFrame;
    separator->setFrameStyle(QFrame::HLine | QFrame::Raised);
    separator->setMinimumHeight(10);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(widget->getLayout());
    layout->addWidget(separator);
    layout->addWidget(buttonBox);
    QObject::connect(buttonBox, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttonBox, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(buttonBox->button(QDialogButtonBox::Reset), &QPushButton::clicked, widget,
                     &SelectRecordsWidget::init);
}

}  // namespace

SelectUsersDialog::SelectUsersDialog(QWidget* parent)
    : QDialog(parent)
    , m_widget(new SelectUsersWidget(this))
    , m_buttonBox(NewButtonBox())
{
    LayOutPicker(this, m_widget, m_buttonBox, "SelectUsersDialog", "SelectUsersDialogWindowTitle",
                 ":icons/32x32/group.png");
}

SelectUsersDialog::~SelectUsersDialog() = default;

void SelectUsersDialog::addUser(const zarv::data::User& user)
{
    m_widget->addUser(user);
}

void SelectUsersDialog::addExcludedUser(int userId)
{
    m_widget->addExcludedUser(userId);
}

void SelectUsersDialog::addExcludedHomeGroup(int groupId)
{
    m_widget->addExcludedHomeGroup(groupId);
}

void SelectUsersDialog::addExcludedUserGroup(int userGroupId)
{
    m_widget->addExcludedUserGroup(userGroupId);
}

zarv::data::Users SelectUsersDialog::selectedUsers() const
{
    return m_widget->selectedUsers();
}

void SelectUsersDialog::init()
{
    m_widget->init();
}

SelectDocumentsDialog::SelectDocumentsDialog(QWidget* parent)
    : QDialog(parent)
    , m_widget(new SelectDocumentsWidget(this))
    , m_buttonBox(NewButtonBox())
{
    connect(m_widget, &SelectDocumentsWidget::setMode, this, &SelectDocumentsDialog::setMode);
    LayOutPicker(this, m_widget, m_buttonBox, "SelectDocumentsDialog", "SelectDocumentsDialogWindowTitle",
                 ":icons/32x32/document.png");
    m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
}

SelectDocumentsDialog::~SelectDocumentsDialog() = default;

void SelectDocumentsDialog::setUserId(int userId)
{
    m_widget->setUserId(userId);
}

void SelectDocumentsDialog::addDocument(const zarv::data::Document& document)
{
    m_widget->addDocument(document);
}

void SelectDocumentsDialog::addExcludedDocument(int documentId)
{
    m_widget->addExcludedDocument(documentId);
}

zarv::data::Documents SelectDocumentsDialog::selectedDocuments() const
{
    return m_widget->selectedDocuments();
}

void SelectDocumentsDialog::init()
{
    m_widget->init();
}

void SelectDocumentsDialog::setMode(int mode)
{
    if (mode == m_widget->m_modeSelectedDocumentsEmpty) {
        m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    } else if (mode == m_widget->m_modeSelectedDocumentsFilled) {
        m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(true);
    }
}
