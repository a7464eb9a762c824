#pragma once

namespace network {

// The ports the client accepts for the server: the unprivileged range.
inline bool IsValidPort(int port)
{
    return port >= 1024 && port <= 65535;
}

}  // namespace network
