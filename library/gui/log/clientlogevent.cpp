#include "library/gui/log/clientlogevent.h"

#include "library/network/messagedispatcher.h"

#include <ace/INET_Addr.h>

#include <QCoreApplication>

ClientLogEvent::ClientLogEvent(QObject* parent)
    : LogEvent(parent)
{
    m_cefDeviceVendor = QCoreApplication::organizationName().toStdString();
    m_cefDeviceProduct = QCoreApplication::applicationName().toStdString();
    m_cefDeviceVersion = QCoreApplication::applicationVersion().toStdString();
    const int sessionId = MessageDispatcher::getSessionId();
    if (sessionId > 0) {
        addKeyValuePair("externalId", sessionId);
    }
}

void ClientLogEvent::addServerAddress()
{
    const std::string serverName = MessageDispatcher::getServerName();
    if (serverName.empty()) {
        return;
    }
    ACE_INET_Addr address;
    if (address.set(static_cast<u_short>(MessageDispatcher::getServerPort()), serverName.c_str()) != 0) {
        return;
    }
    if (address.get_port_number() != 0) {
        addKeyValuePair("dpt", static_cast<int>(address.get_port_number()));
    }
    char text[INET6_ADDRSTRLEN + 1] = {};
    if (address.get_host_addr(text, sizeof text) != nullptr && text[0] != '\0') {
        addKeyValuePair("dst", std::string(text));
    }
}
