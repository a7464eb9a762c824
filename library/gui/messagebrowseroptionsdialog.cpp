#include "library/gui/messagebrowseroptionsdialog.h"

#include "library/gui/linguist.h"
#include "library/gui/settings.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtGlobal>

namespace {

const char ActivationModeKey[] = "MessageBrowser/Options/ActivationMode";

}  // namespace

MessageBrowserOptionsDialogGeneralTab::MessageBrowserOptionsDialogGeneralTab(QWidget* parent)
    : QWidget(parent)
    , m_buttonGroup(new QButtonGroup(this))
    , m_showAllMessagesRadioButton(new QRadioButton(tr("MessagesActivationModeShowAllMessages"), this))
    , m_showMessagesNotAssignedToFoldersRadioButton(
          new QRadioButton(tr("MessagesActivationModeShowMessagesNotAssignedToFolders"), this))
{
    m_buttonGroup->addButton(m_showAllMessagesRadioButton, MessageBrowserOptionsDialog::ShowAllMessages);
    m_buttonGroup->addButton(m_showMessagesNotAssignedToFoldersRadioButton,
                             MessageBrowserOptionsDialog::ShowMessagesNotAssignedToFolders);

    auto* groupBox = new QGroupBox(tr("MessagesActivationMode"), this);
    auto* groupLayout = new QVBoxLayout(groupBox);
    groupLayout->addWidget(new QLabel(tr("ActivationModeLabel"), groupBox));
    groupLayout->addWidget(m_showAllMessagesRadioButton);
    groupLayout->addWidget(m_showMessagesNotAssignedToFoldersRadioButton);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(groupBox);

    const int mode = Settings().value(ActivationModeKey, MessageBrowserOptionsDialog::ShowAllMessages).toInt();
    QAbstractButton* button = m_buttonGroup->button(mode);
    if (!button) {
        qWarning("Activation mode value incorrect; using default value.");
        button = m_showAllMessagesRadioButton;
    }
    button->setChecked(true);
}

int MessageBrowserOptionsDialogGeneralTab::checkedMode() const
{
    return m_buttonGroup->checkedId();
}

MessageBrowserOptionsDialog::MessageBrowserOptionsDialog(QWidget* parent)
    : QDialog(parent)
    , m_tabWidget(new QTabWidget(this))
    , m_buttonBox(new QDialogButtonBox(this))
    , m_generalTab(new MessageBrowserOptionsDialogGeneralTab(this))
    , m_okPushButton(new QPushButton(Linguist::tr("Ok"), this))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel"), this))
{
    setWindowTitle(tr("MessageBrowserOptionsDialogWindowTitle"));
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/window-options.png")));
    setMinimumSize(640, 240);

    m_tabWidget->addTab(m_generalTab, Linguist::tr("GeneralTab"));
    m_buttonBox->addButton(m_okPushButton, QDialogButtonBox::AcceptRole);
    m_buttonBox->addButton(m_cancelPushButton, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabWidget);
    layout->addWidget(m_buttonBox);

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &MessageBrowserOptionsDialog::saveValues);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int MessageBrowserOptionsDialog::GetActivationMode()
{
    return Settings().value(ActivationModeKey, ShowAllMessages).toInt();
}

void MessageBrowserOptionsDialog::saveValues()
{
    Settings().setValue(ActivationModeKey, m_generalTab->checkedMode());
    accept();
}
