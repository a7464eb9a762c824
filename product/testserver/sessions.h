#pragma once

// The open sessions: each has an id, the user who opened it and the key of
// its frames.

#include "product/testserver/sessioncipher.h"

#include <map>

namespace testserver {

struct Session
{
    int id;
    int userId;
    SessionKey key;
};

class Sessions
{
public:
    // Opens a session with a fresh random id and key.
    const Session& open(int userId);
    // Opens a session with a known id and key (a fixture's open sessions).
    void add(const Session& session);
    const Session* find(int sessionId) const;
    void close(int sessionId);

private:
    std::map<int, Session> m_sessions;
};

}  // namespace testserver
