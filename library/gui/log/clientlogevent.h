#pragma once

#include "library/gui/log/logevent.h"

// An audit event of this client: the header names the application, and the
// pairs name the server and the session.
class ClientLogEvent : public LogEvent
{
    Q_OBJECT

public:
    explicit ClientLogEvent(QObject* parent);

protected:
    // Adds "dpt" and "dst", the configured server's port and address. The
    // name is resolved here, only for lines that are written; a name that
    // does not resolve leaves both pairs out.
    void addServerAddress();
};
