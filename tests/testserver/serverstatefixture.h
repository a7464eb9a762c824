#pragma once

// The test server's state built from fixture text, for tests that call its
// handlers straight, without a socket.

#include "product/testserver/serverstate.h"

#include <string>

namespace serverstatefixture {

// The state of a fixture given as text; throws with the loader's reasons
// when the text or the server's keys do not load.
testserver::ServerState FromText(const std::string& fixtureText);
// The same for a fixture file.
testserver::ServerState FromFile(const std::string& path);

}  // namespace serverstatefixture
