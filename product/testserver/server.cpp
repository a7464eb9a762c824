#include "product/testserver/server.h"

#include "product/testserver/exchange.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <thread>

namespace testserver {
namespace {

// A client that stops sending or reading must not hold the server for long.
constexpr int SocketTimeoutSeconds = 10;

void SetTimeouts(int connection)
{
    timeval timeout{SocketTimeoutSeconds, 0};
    ::setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(connection, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

// Writes the bytes one at a time, `pauseMs` apart, each in a segment of its
// own; false once a write fails (the client has gone).
bool WriteTrickled(int connection, const std::string& bytes, int pauseMs)
{
    const int noDelay = 1;
    ::setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        }
        if (!WriteAll(connection, bytes.substr(i, 1))) {
            return false;
        }
    }
    return true;
}

}  // namespace

Server::Server(ServerState& state, Faults faults)
    : m_state(state)
    , m_faults(std::move(faults))
{}

Server::~Server()
{
    if (m_socket >= 0) {
        ::close(m_socket);
    }
}

bool Server::listen(unsigned short port, std::string& error)
{
    m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_socket < 0) {
        error = std::string("socket: ") + std::strerror(errno);
        return false;
    }
    const int reuse = 1;
    ::setsockopt(m_socket, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(m_socket, SOMAXCONN) != 0) {
        error = "cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

unsigned short Server::port() const
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

void Server::run()
{
    for (;;) {
        const int connection = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            if (errno != EINTR && errno != ECONNABORTED) {
                std::fprintf(stderr, "accept: %s\n", std::strerror(errno));
            }
            continue;
        }
        serve(connection);
        ::close(connection);
    }
}

void Server::serve(int connection)
{
    SetTimeouts(connection);
    Frame request;
    std::string error;
    if (!ReadFrame(connection, request, error)) {
        std::fprintf(stderr, "request refused: %s\n", error.c_str());
        return;
    }
    const Faults faults = m_faults.forOpcode(static_cast<int>(request.header.majorOpcode));
    if (faults.noReply) {
        return;
    }
    try {
        const Frame reply = Exchange(m_state, request);
        std::fprintf(stderr, "request %d/%d session %d: reply %d/%d, %zu code bytes\n",
                     static_cast<int>(request.header.majorOpcode), static_cast<int>(request.header.minorOpcode),
                     static_cast<int>(request.header.sessionId), static_cast<int>(reply.header.majorErcode),
                     static_cast<int>(reply.header.minorErcode), reply.code.size());
        std::this_thread::sleep_for(std::chrono::milliseconds(faults.delayMs));
        const std::string bytes = faults.shape(reply);
        if (!(faults.trickleMs > 0 ? WriteTrickled(connection, bytes, faults.trickleMs)
                                   : WriteAll(connection, bytes))) {
            std::fprintf(stderr, "reply not sent: %s\n", std::strerror(errno));
        }
        ::shutdown(connection, SHUT_WR);
    } catch (const std::exception& exception) {
        std::fprintf(stderr, "request %d failed: %s\n", static_cast<int>(request.header.majorOpcode), exception.what());
    }
}

}  // namespace testserver
