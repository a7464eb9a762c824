#include "product/testserver/serverstate.h"

#include "product/testserver/credentials.h"

namespace testserver {

ServerState::ServerState(Store store, LogonKeys keys)
    : store(std::move(store))
    , keys(std::move(keys))
{
    for (const auto& open : this->store.data().open_session()) {
        Session session{open.session_id(), open.user_id(), {}};
        FromHex(open.key(), session.key.data(), session.key.size());
        sessions.add(session);
    }
}

}  // namespace testserver
