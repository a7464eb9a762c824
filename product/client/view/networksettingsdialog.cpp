#include "product/client/view/networksettingsdialog.h"

#include "library/gui/horizontalline.h"
#include "library/network/networksettings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

NetworkSettingsDialog::NetworkSettingsDialog(QWidget* parent)
    : NetworkDialog(parent)
{
    initialize();
}

NetworkSettingsDialog::~NetworkSettingsDialog() = default;

void NetworkSettingsDialog::storeNetworkSettings() const
{
    NetworkSettings settings;
    settings.setServerPort(static_cast<unsigned int>(getServerPort()));
    settings.setServerName(getServerName());
    settings.setDefaultTimeZone(getDefaultTimeZone());
}

void NetworkSettingsDialog::initialize()
{
    initializeWindow();
    initializeLayout();
}

void NetworkSettingsDialog::initializeWindow()
{
    initializeDialogWindow(tr("NetworkSettingsDialogWindowTitle"), QStringLiteral(":icons/32x32/server.png"));
}

void NetworkSettingsDialog::initializeLayout()
{
    auto* form = new QFormLayout;
    form->setFormAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->addRow(m_serverNameLabel, m_serverNameLineEdit);
    form->addRow(m_serverPortLabel, m_serverPortSpinBox);
    form->addRow(m_defaultTimeZoneLabel, m_defaultTimeZoneComboBox);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_okPushButton);
    buttonRow->addStretch();
    buttonRow->addWidget(m_cancelPushButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(utils::CreateHorizontalLine(this));
    layout->addLayout(buttonRow);
}
