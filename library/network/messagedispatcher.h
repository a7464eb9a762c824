#pragma once

#include "library/database/lib/dbid.h"

#include <chrono>
#include <string>

// One synchronous exchange with the server: a request frame out over a
// connection of its own, the reply frame back, both encrypted under the
// Cryptographer's session key (read afresh for every frame).
//
// After dispatch() the error codes are the reply header's (a received 1 reads
// as 0) and the reply is the decrypted payload. When no usable reply arrived
// (no connection, a failed send, a short or refused frame, a plain body, a tag
// that does not authenticate, or an exchange that outlasts the time-out)
// dispatch() returns false, the codes stay 1 and 1 and the reply stays empty;
// the failure is written to the ACE log.
//
// The statics are what every exchange shares: the server's host name and
// port, the session id (replaced by the reply header's after every successful
// exchange) and the session creation date.
class MessageDispatcher
{
public:
    // Keeps a copy of the request.
    MessageDispatcher(int majorOpcode, int minorOpcode, const std::string& request);

    // True when a reply arrived whole and decrypted. OpenSSLRuntimeError and
    // the clock's std::runtime_error pass through.
    bool dispatch();

    int getMajorErcode() const { return m_majorErcode; }
    int getMinorErcode() const { return m_minorErcode; }
    // Both error codes are NoEr.
    bool noEr() const;
    std::string getReply() const { return m_reply; }

    // An empty name is a failed precondition, stored all the same.
    static void setServerName(const std::string& name);
    static std::string getServerName();
    // Stores a port that network::IsValidPort accepts; keeps the stored one
    // otherwise (a failed precondition).
    static void setServerPort(int port);
    static int getServerPort();
    static void setSessionId(int sessionId);
    // INT_MIN when there is no session.
    static int getSessionId();
    static void setSessionCreationDate(const std::string& date);
    static std::string getSessionCreationDate();
    // The bound on the whole exchange: connecting, sending and receiving.
    static void setTimeout(std::chrono::milliseconds timeout);
    static std::chrono::milliseconds getTimeout();

private:
    bool exchange();

    const int m_majorOpcode;
    const int m_minorOpcode;
    const std::string m_request;
    int m_majorErcode;
    int m_minorErcode;
    std::string m_reply;

    static std::string m_serverName;
    static int m_serverPort;
    static DbId m_sessionId;
    static std::string m_sessionCreationDate;
    static std::chrono::milliseconds m_timeout;
};
