#pragma once

// The far ends of the client's connections in the tests, on plain POSIX
// sockets: a socket pair whose one end a Message takes, and a loopback
// listener that answers each connection with a scripted reply.

#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class Message;

namespace peers {

// Two connected stream sockets; the near end is handed to a Message, which
// then owns it; the far end is the test's.
class SocketPair
{
public:
    SocketPair();
    ~SocketPair();
    SocketPair(const SocketPair&) = delete;
    SocketPair& operator=(const SocketPair&) = delete;

    void attach(Message& message);
    void write(const std::string& bytes);
    // Everything the near end wrote until it closed or `length` bytes arrived.
    std::string read(std::size_t length);
    void closeFar();

private:
    int m_near;
    int m_far;
};

// Listens on 127.0.0.1 on a free port. Each connection that comes in is read
// up to the end of its request frame (from the lengths in its header), kept,
// and answered with the next scripted reply (the last one repeats); then the
// connection is closed.
class LoopbackPeer
{
public:
    explicit LoopbackPeer(std::vector<std::string> replies);
    ~LoopbackPeer();
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    int port() const { return m_port; }
    // The request frames received so far.
    std::vector<std::string> requests() const;

private:
    void serve();

    int m_listener;
    int m_port;
    std::vector<std::string> m_replies;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// A listener on 127.0.0.1 that never accepts: connections complete in its
// backlog and nothing is ever read from them.
class DeafListener
{
public:
    DeafListener();
    ~DeafListener();
    DeafListener(const DeafListener&) = delete;
    DeafListener& operator=(const DeafListener&) = delete;
    int port() const { return m_port; }

private:
    int m_socket;
    int m_port;
};

// A listener on 127.0.0.1 whose backlog is full: a new connection is never
// accepted, and connecting waits until it gives up.
class FullBacklog
{
public:
    FullBacklog();
    ~FullBacklog();
    FullBacklog(const FullBacklog&) = delete;
    FullBacklog& operator=(const FullBacklog&) = delete;
    int port() const { return m_port; }

private:
    int m_socket;
    int m_port;
    std::vector<int> m_fillers;
};

// A port on 127.0.0.1 where nothing listens (bound, never listening).
class ClosedPort
{
public:
    ClosedPort();
    ~ClosedPort();
    ClosedPort(const ClosedPort&) = delete;
    ClosedPort& operator=(const ClosedPort&) = delete;
    int port() const { return m_port; }

private:
    int m_socket;
    int m_port;
};

}  // namespace peers
