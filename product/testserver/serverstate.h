#pragma once

#include "product/testserver/logonkeys.h"
#include "product/testserver/sessions.h"
#include "product/testserver/store.h"

namespace testserver {

// Everything the operations read and change.
struct ServerState
{
    // Opens the fixture's open sessions.
    ServerState(Store store, LogonKeys keys);

    Store store;
    LogonKeys keys;
    Sessions sessions;
};

}  // namespace testserver
