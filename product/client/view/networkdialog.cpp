#include "product/client/view/networkdialog.h"

#include "library/core/lib/timezonedatabase.h"
#include "library/gui/linguist.h"
#include "library/network/networksettings.h"
#include "library/network/port.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <climits>

namespace {

constexpr int LowestPort = 1024;
constexpr int HighestPort = 65535;
constexpr int MinimumDialogWidth = 250;

}  // namespace

NetworkDialog::NetworkDialog(QWidget* parent)
    : QDialog(parent)
    , m_serverNameLabel(new QLabel(tr("ServerName"), this))
    , m_serverPortLabel(new QLabel(tr("ServerPort"), this))
    , m_defaultTimeZoneLabel(new QLabel(tr("DefaultTimeZone"), this))
    , m_serverNameLineEdit(new QLineEdit(this))
    , m_serverPortSpinBox(new QSpinBox(this))
    , m_defaultTimeZoneComboBox(new QComboBox(this))
    , m_okPushButton(new QPushButton(Linguist::tr("Ok"), this))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel"), this))
{
    m_serverNameLabel->setBuddy(m_serverNameLineEdit);
    m_serverPortLabel->setBuddy(m_serverPortSpinBox);
    m_defaultTimeZoneLabel->setBuddy(m_defaultTimeZoneComboBox);
    m_defaultTimeZoneComboBox->setEditable(false);
    m_okPushButton->setDefault(true);

    fillFromNetworkSettings();

    connect(m_okPushButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelPushButton, &QPushButton::clicked, this, &QDialog::reject);
}

NetworkDialog::~NetworkDialog() = default;

QString NetworkDialog::getServerName() const
{
    return m_serverNameLineEdit->text().trimmed();
}

int NetworkDialog::getServerPort() const
{
    return m_serverPortSpinBox->value();
}

QString NetworkDialog::getDefaultTimeZone() const
{
    return m_defaultTimeZoneComboBox->currentText();
}

void NetworkDialog::initializeDialogWindow(const QString& title, const QString& iconPath)
{
    setWindowTitle(title);
    setWindowIcon(QIcon(iconPath));
    setMinimumWidth(MinimumDialogWidth);
}

void NetworkDialog::fillFromNetworkSettings()
{
    const NetworkSettings settings;
    const QString serverName = settings.getServerName();
    const unsigned int serverPort = settings.getServerPort();
    const QString defaultTimeZone = settings.getDefaultTimeZone();

    if (!serverName.isEmpty()) {
        m_serverNameLineEdit->setText(serverName);
    }

    // A stored port outside the accepted range (or none) leaves the minimum.
    m_serverPortSpinBox->setRange(LowestPort, HighestPort);
    if (serverPort <= static_cast<unsigned int>(INT_MAX) && network::IsValidPort(static_cast<int>(serverPort))) {
        m_serverPortSpinBox->setValue(static_cast<int>(serverPort));
    }

    // The database walks its regions in ascending byte order of their ids.
    const auto& database = ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance()->getTimeZoneDatabase();
    for (const std::string& region : database.region_list()) {
        m_defaultTimeZoneComboBox->addItem(QString::fromStdString(region));
    }
    const int storedIndex =
        m_defaultTimeZoneComboBox->findText(defaultTimeZone, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_defaultTimeZoneComboBox->setCurrentIndex(storedIndex >= 0 ? storedIndex : 0);
}
