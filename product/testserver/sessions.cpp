#include "product/testserver/sessions.h"

#include <climits>

namespace testserver {

const Session& Sessions::open(int userId)
{
    Session session{0, userId, {}};
    do {
        unsigned int drawn = 0;
        FillRandom(reinterpret_cast<unsigned char*>(&drawn), sizeof drawn);
        // A positive id: the client reads it as decimal text into an int.
        session.id = static_cast<int>(drawn & INT_MAX);
    } while (session.id == 0 || m_sessions.count(session.id) != 0);
    FillRandom(session.key.data(), session.key.size());
    return m_sessions.emplace(session.id, session).first->second;
}

void Sessions::add(const Session& session)
{
    m_sessions[session.id] = session;
}

const Session* Sessions::find(int sessionId) const
{
    const auto found = m_sessions.find(sessionId);
    return found == m_sessions.end() ? nullptr : &found->second;
}

void Sessions::close(int sessionId)
{
    m_sessions.erase(sessionId);
}

}  // namespace testserver
