#include "tests/network/peers.h"

#include "library/network/message.h"
#include "tests/support/loopbacksocket.h"
#include "tests/support/wireframe.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace peers {

namespace {

int BoundLoopbackSocket(int& port)
{
    const int socket = testsupport::BindLoopbackSocket(port);
    if (socket < 0) {
        throw std::runtime_error("no loopback socket");
    }
    return socket;
}

}  // namespace

SocketPair::SocketPair()
{
    int sockets[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, sockets) != 0) {
        throw std::runtime_error("no socket pair");
    }
    m_near = sockets[0];
    m_far = sockets[1];
}

SocketPair::~SocketPair()
{
    if (m_near >= 0) {
        ::close(m_near);
    }
    closeFar();
}

void SocketPair::attach(Message& message)
{
    message.getSockStream().set_handle(m_near);
    m_near = -1;
}

void SocketPair::write(const std::string& bytes)
{
    testsupport::WriteAll(m_far, bytes);
}

std::string SocketPair::read(std::size_t length)
{
    return testsupport::ReadUpTo(m_far, length);
}

void SocketPair::closeFar()
{
    if (m_far >= 0) {
        ::close(m_far);
        m_far = -1;
    }
}

LoopbackPeer::LoopbackPeer(std::vector<std::string> replies)
    : m_listener(BoundLoopbackSocket(m_port))
    , m_replies(std::move(replies))
{
    ::listen(m_listener, 8);
    m_thread = std::thread([this] { serve(); });
}

LoopbackPeer::~LoopbackPeer()
{
    ::shutdown(m_listener, SHUT_RDWR);
    m_thread.join();
    ::close(m_listener);
}

std::vector<std::string> LoopbackPeer::requests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

void LoopbackPeer::serve()
{
    for (std::size_t served = 0;; ++served) {
        const int connection = ::accept(m_listener, nullptr, nullptr);
        if (connection < 0) {
            return;
        }
        std::string request = wireframe::ReadFrame(connection);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_requests.push_back(std::move(request));
        }
        if (!m_replies.empty()) {
            testsupport::WriteAll(connection, m_replies[std::min(served, m_replies.size() - 1)]);
        }
        ::shutdown(connection, SHUT_WR);
        ::close(connection);
    }
}

DeafListener::DeafListener()
    : m_socket(BoundLoopbackSocket(m_port))
{
    ::listen(m_socket, 8);
}

DeafListener::~DeafListener()
{
    ::close(m_socket);
}

FullBacklog::FullBacklog()
    : m_socket(BoundLoopbackSocket(m_port))
{
    ::listen(m_socket, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<unsigned short>(m_port));
    for (int i = 0; i < 2; ++i) {
        const int filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
        m_fillers.push_back(filler);
    }
}

FullBacklog::~FullBacklog()
{
    for (const int filler : m_fillers) {
        ::close(filler);
    }
    ::close(m_socket);
}

ClosedPort::ClosedPort()
    : m_socket(BoundLoopbackSocket(m_port))
{}

ClosedPort::~ClosedPort()
{
    ::close(m_socket);
}

}  // namespace peers
