#pragma once

#include <optional>
#include <string>

// The one owner of what a log-on writes: the session key of the cryptographer,
// the server, session id and session creation date of the transport, and the
// logged-on user of the registry. The console starts a log-on with Request and
// ends the session with Close; the server component opens the session of the
// reply. A reply is read and checked in full before any of it is installed, so
// a log-on either installs a whole session or leaves the earlier one as it was.
class LogonSession
{
public:
    // What a log-on reply with both error codes 0 says.
    enum class Outcome
    {
        Opened,
        UserNameNotFound,
        PasswordNotDecoded,
        SessionNotInserted,
        // The reply does not parse, does not decrypt, or a decrypted value is
        // malformed (a session key text that is not 34 characters ending in 32
        // hexadecimal digits, a session id that is not the decimal text of an
        // int).
        Unreadable,
    };

    // The serialised, encrypted AuthenticateUserRequest for the user, after the
    // earlier session is closed, the transport pointed at the server and the
    // default time zone set. Nothing when the request cannot be encrypted or
    // serialised; the session is then closed all the same.
    static std::optional<std::string> Request(const std::string& userName,
                                              const std::string& password,
                                              const std::string& serverName,
                                              int serverPort,
                                              const std::string& defaultTimeZone);

    // Clears the logged-on user and the session key.
    static void Close();

    // Remembers the session id in force: the transport takes the session id of
    // every reply header, the log-on's included.
    LogonSession();
    // Puts the remembered session id back unless open() opened a session.
    ~LogonSession();
    LogonSession(const LogonSession&) = delete;
    LogonSession& operator=(const LogonSession&) = delete;

    // Reads a log-on reply whose error codes are both 0 and installs the
    // session it opens.
    Outcome open(const std::string& reply);

private:
    const int m_earlierSessionId;
    bool m_opened = false;
};
