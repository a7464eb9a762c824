#pragma once

#include "product/testserver/faults.h"
#include "product/testserver/serverstate.h"

#include <string>

namespace testserver {

// Listens on 127.0.0.1 and serves one exchange per connection (read one
// request frame, write one reply frame, close), connections one after another.
class Server
{
public:
    Server(ServerState& state, Faults faults);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Binds the port (0 takes a free one). False, with the reason in `error`,
    // when it cannot.
    bool listen(unsigned short port, std::string& error);
    // The port bound.
    unsigned short port() const;

    // Serves until the process ends.
    [[noreturn]] void run();

private:
    void serve(int connection);

    ServerState& m_state;
    Faults m_faults;
    int m_socket = -1;
};

}  // namespace testserver
