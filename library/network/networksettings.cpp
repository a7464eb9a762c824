#include "library/network/networksettings.h"

namespace {

const QString ServerNameKey = QStringLiteral("NetworkSettings/ServerName");
const QString ServerPortKey = QStringLiteral("NetworkSettings/ServerPort");
const QString DefaultTimeZoneKey = QStringLiteral("NetworkSettings/DefaultTimeZone");
const QString FallbackTimeZone = QStringLiteral("America/New_York");

}  // namespace

NetworkSettings::NetworkSettings()
    : QSettings()
{}

QString NetworkSettings::getServerName() const
{
    return value(ServerNameKey).toString();
}

void NetworkSettings::setServerName(const QString& serverName)
{
    setValue(ServerNameKey, serverName);
}

unsigned int NetworkSettings::getServerPort() const
{
    bool isNumber = false;
    const unsigned int port = value(ServerPortKey).toUInt(&isNumber);
    return isNumber ? port : 0;
}

void NetworkSettings::setServerPort(unsigned int serverPort)
{
    setValue(ServerPortKey, serverPort);
}

QString NetworkSettings::getDefaultTimeZone() const
{
    const QString zone = value(DefaultTimeZoneKey).toString();
    return zone.isEmpty() ? FallbackTimeZone : zone;
}

void NetworkSettings::setDefaultTimeZone(const QString& defaultTimeZone)
{
    setValue(DefaultTimeZoneKey, defaultTimeZone);
}
