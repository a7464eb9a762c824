#pragma once

#include "product/testserver/frame.h"
#include "product/testserver/serverstate.h"

namespace testserver {

// Answers one request frame: finds its session (the log-on needs none),
// decrypts it under the session's key, runs the operation and returns the
// reply frame, encrypted under the same key, echoing the opcodes.
// Refusals carry an empty payload: an unknown session ServiceBadSessionIdEr,
// a payload that does not decrypt ServiceDecryptionAuthenticationEr, an
// unknown operation ServiceNoDataFoundEr.
Frame Exchange(ServerState& state, const Frame& request);

}  // namespace testserver
