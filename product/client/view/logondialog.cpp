#include "product/client/view/logondialog.h"

#include "library/gui/horizontalline.h"
#include "library/gui/linguist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QSpinBox>
#include <QVBoxLayout>

LogonDialog::LogonDialog(QWidget* parent)
    : NetworkDialog(parent)
    , m_userNameLabel(new QLabel(tr("UserName"), this))
    , m_userPasswordLabel(new QLabel(tr("UserPassword"), this))
    , m_userNameLineEdit(new QLineEdit(this))
    , m_userPasswordLineEdit(new QLineEdit(this))
    , m_showPasswordCheckBox(new QCheckBox(Linguist::tr("ShowPassword"), this))
    , m_optionsCheckBox(new QCheckBox(Linguist::tr("Options"), this))
{
    m_userNameLabel->setBuddy(m_userNameLineEdit);
    m_userPasswordLabel->setBuddy(m_userPasswordLineEdit);
    initialize();
}

LogonDialog::~LogonDialog() = default;

QString LogonDialog::getUserName() const
{
    return m_userNameLineEdit->text().trimmed();
}

QString LogonDialog::getUserPassword() const
{
    return m_userPasswordLineEdit->text().trimmed();
}

void LogonDialog::setFocusUserName()
{
    m_userNameLineEdit->setFocus(Qt::OtherFocusReason);
}

void LogonDialog::setFocusUserPassword()
{
    m_userPasswordLineEdit->setFocus(Qt::OtherFocusReason);
}

void LogonDialog::setFocusServerName()
{
    m_serverNameLineEdit->setFocus(Qt::OtherFocusReason);
}

void LogonDialog::clearUserName()
{
    m_userNameLineEdit->clear();
}

void LogonDialog::clearUserPassword()
{
    m_userPasswordLineEdit->clear();
}

void LogonDialog::clear()
{
    clearUserName();
    clearUserPassword();
}

void LogonDialog::accept()
{
    if (getServerName().isEmpty()) {
        // The server name must be seen to be filled in: open the options
        // behind the message and leave the cursor in the field.
        m_optionsCheckBox->setChecked(true);
        QMessageBox::warning(this, windowTitle(), tr("ServerNameRequired"));
        setFocusServerName();
        return;
    }
    NetworkDialog::accept();
}

void LogonDialog::toggleShowPassword(int state)
{
    m_userPasswordLineEdit->setEchoMode(state == Qt::Checked ? QLineEdit::Normal : QLineEdit::Password);
}

void LogonDialog::optionsStateChanged(int state)
{
    const bool visible = state == Qt::Checked;
    const QList<QWidget*> networkRows{m_serverNameLabel,   m_serverNameLineEdit,   m_serverPortLabel,
                                      m_serverPortSpinBox, m_defaultTimeZoneLabel, m_defaultTimeZoneComboBox};
    for (QWidget* widget : networkRows) {
        widget->setVisible(visible);
    }
    setFocusUserName();
}

void LogonDialog::initialize()
{
    initializeWindow();
    initializeLayout();
    initializeWidgets();
}

void LogonDialog::initializeWindow()
{
    initializeDialogWindow(tr("LogonDialogWindowTitle"), QStringLiteral(":icons/32x32/log-on.png"));
}

void LogonDialog::initializeLayout()
{
    auto* pictureLabel = new QLabel(this);
    pictureLabel->setPixmap(QPixmap(QStringLiteral(":images/logon.png")));
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addStretch();
    pictureRow->addWidget(pictureLabel);
    pictureRow->addStretch();

    auto* form = new QFormLayout;
    form->addRow(m_userNameLabel, m_userNameLineEdit);
    form->addRow(m_userPasswordLabel, m_userPasswordLineEdit);
    form->addRow(m_serverNameLabel, m_serverNameLineEdit);
    form->addRow(m_serverPortLabel, m_serverPortSpinBox);
    form->addRow(m_defaultTimeZoneLabel, m_defaultTimeZoneComboBox);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_okPushButton);
    buttonRow->addWidget(m_cancelPushButton);
    buttonRow->addSpacerItem(new QSpacerItem(25, 1, QSizePolicy::Minimum, QSizePolicy::Minimum));
    buttonRow->addStretch();
    buttonRow->addWidget(m_showPasswordCheckBox);
    buttonRow->addWidget(m_optionsCheckBox);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictureRow);
    layout->addSpacerItem(new QSpacerItem(1, 25, QSizePolicy::Minimum, QSizePolicy::Minimum));
    layout->addLayout(form);
    layout->addSpacerItem(new QSpacerItem(1, 25, QSizePolicy::Minimum, QSizePolicy::Minimum));
    layout->addWidget(utils::CreateHorizontalLine(this));
    layout->addLayout(buttonRow);
    // The dialog grows and shrinks with the network rows.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    initializeTabOrder();
}

void LogonDialog::initializeWidgets()
{
    m_userPasswordLineEdit->setEchoMode(QLineEdit::Password);

    // A server name of blanks only counts as none: the user has to see the
    // network rows to give one.
    const bool hasServerName = !getServerName().isEmpty();
    m_optionsCheckBox->setChecked(!hasServerName);
    optionsStateChanged(hasServerName ? Qt::Unchecked : Qt::Checked);

    // Connected only now, so that the initial check states trigger nothing.
    connect(m_showPasswordCheckBox, &QCheckBox::stateChanged, this, &LogonDialog::toggleShowPassword);
    connect(m_optionsCheckBox, &QCheckBox::stateChanged, this, &LogonDialog::optionsStateChanged);
}

// Tab follows the rows from top to bottom, then the buttons from left to right.
void LogonDialog::initializeTabOrder()
{
    const QList<QWidget*> order{m_userNameLineEdit,  m_userPasswordLineEdit,    m_serverNameLineEdit,
                                m_serverPortSpinBox, m_defaultTimeZoneComboBox, m_okPushButton,
                                m_cancelPushButton,  m_showPasswordCheckBox,    m_optionsCheckBox};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}
