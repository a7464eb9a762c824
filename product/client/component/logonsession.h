#pragma once

#include "user3.pb.h"

#include <array>
#include <optional>
#include <string>

// The session that a log-on reply opens: the 16-byte session key, the
// session creation date, the session id and the user's record. It is read and
// checked in full before any of it is installed, so that a log-on either
// installs a whole session or nothing.
class LogonSession
{
public:
    // The session of a serialised AuthenticateUserReply, or nothing when the
    // reply does not parse, one of its three flags is false, it does not
    // decrypt, or a decrypted value is malformed (a session key text that is
    // not 34 characters ending in 32 hexadecimal digits, a session id that is
    // not a whole decimal int).
    static std::optional<LogonSession> Read(const std::string& reply);

    // Replaces the session key, creation date and session id of every later
    // frame and the logged-on user.
    void install() const;

private:
    LogonSession() = default;

    std::array<unsigned char, 16> m_sessionKey{};
    std::string m_creationDate;
    int m_sessionId = 0;
    zarv::data::User m_user;
};
