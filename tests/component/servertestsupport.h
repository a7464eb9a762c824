#pragma once

#include "library/common/codes.h"

#include <QObject>

#include <array>
#include <ostream>
#include <string>
#include <vector>

class Component;

namespace componenttest {

// One reply as a component emitted it.
struct Reply
{
    common::Opcode majorOpcode;
    common::Opcode minorOpcode;
    std::string request;
    common::Ercode majorErcode;
    common::Ercode minorErcode;
    std::string reply;
};

// Collects the replies that a component emits while it lives.
class ReplyCollector
{
public:
    explicit ReplyCollector(const Component& component);
    ~ReplyCollector();
    ReplyCollector(const ReplyCollector&) = delete;
    ReplyCollector& operator=(const ReplyCollector&) = delete;

    const std::vector<Reply>& replies() const { return m_replies; }
    void clear() { m_replies.clear(); }

private:
    std::vector<Reply> m_replies;
    QMetaObject::Connection m_connection;
};

// The encrypted log-on request of a fixture account, as the console makes it.
std::string LogonRequest(const std::string& userName, const std::string& password);

// The session the client holds: what a log-on installs.
struct ClientSession
{
    std::array<unsigned char, 16> key;
    int sessionId;
    std::string creationDate;
    int userId;

    bool operator==(const ClientSession& other) const;
};

std::ostream& operator<<(std::ostream& stream, const ClientSession& session);

ClientSession CurrentSession();
// The state before a log-on, as the console leaves it (the session key
// cleared), with values that no log-on produces, to see whether one replaced it.
void InstallSentinelSession();
ClientSession SentinelSession();
// The session that the last decrypted log-on reply describes.
ClientSession DecryptedSession(int userId);

}  // namespace componenttest
