#pragma once

// Plain POSIX socket steps for the in-process peers of the tests, fuzzers and
// benchmarks. Header-only, so that a program built without the test support
// library (the fuzzers) can use it too.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <string>

namespace testsupport {

// A TCP socket bound to a free port of 127.0.0.1, not listening yet, with the
// port bound in `port`; -1 when no such socket can be had.
inline int BindLoopbackSocket(int& port)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    if (socket < 0) {
        return -1;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(socket);
        return -1;
    }
    port = ntohs(address.sin_port);
    return socket;
}

// Reads until `length` bytes or the end of the connection.
inline std::string ReadUpTo(int socket, std::size_t length)
{
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < length) {
        const ssize_t count = ::recv(socket, buffer, std::min(sizeof buffer, length - bytes.size()), 0);
        if (count <= 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return bytes;
}

// Writes every byte, stopping early when the connection fails. A peer that
// has gone away makes the write fail, never raises SIGPIPE.
inline void WriteAll(int socket, const std::string& bytes)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t count = ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(count);
    }
}

}  // namespace testsupport
