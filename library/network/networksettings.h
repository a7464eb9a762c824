#pragma once

#include <QSettings>
#include <QString>

// The server name, server port and default time zone in the settings store of
// the application's organisation and application names (user scope, default
// format). Nothing is validated here.
class NetworkSettings : public QSettings
{
public:
    NetworkSettings();

    // Empty when absent.
    QString getServerName() const;
    void setServerName(const QString& serverName);
    // 0 when absent or not a number.
    unsigned int getServerPort() const;
    void setServerPort(unsigned int serverPort);
    // "America/New_York" when absent or empty.
    QString getDefaultTimeZone() const;
    void setDefaultTimeZone(const QString& defaultTimeZone);
};
