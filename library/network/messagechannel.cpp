#include "library/network/messagechannel.h"

#include "library/common/codes.h"

#include <ace/ACE.h>
#include <ace/INET_Addr.h>
#include <ace/OS_NS_fcntl.h>

#include <signal.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstring>

namespace {

// Writing to a connection that the peer has closed raises SIGPIPE, whose
// default action ends the process. Unless the program has chosen what the
// signal does (the client's main ignores it too), the first write ignores it,
// so that the write only fails with EPIPE.
void IgnoreSigpipeUnlessHandled()
{
    static const bool ignored = [] {
        struct sigaction current;
        std::memset(&current, 0, sizeof current);
        if (sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
            signal(SIGPIPE, SIG_IGN);
        }
        return true;
    }();
    static_cast<void>(ignored);
}

}  // namespace

MessageChannel::MessageChannel(unsigned short port, const char* host, std::chrono::milliseconds timeout)
    : m_port(port)
    , m_host(host ? host : "")
    , m_timeout(timeout)
{}

MessageChannel::~MessageChannel()
{
    if (m_sockStream.get_handle() != ACE_INVALID_HANDLE) {
        m_sockStream.close_reader();
        m_sockStream.close();
    }
}

int MessageChannel::connect()
{
    // An empty name would resolve to this machine's wildcard address.
    ACE_INET_Addr address;
    if (m_host.empty() || address.set(m_port, m_host.c_str(), 1, AF_UNSPEC) != 0) {
        return common::Error;
    }
    // A name can resolve to several addresses (IPv6 and IPv4 for "localhost");
    // the first that accepts is the server.
    do {
        if (connectTo(address) == 0) {
            return 0;
        }
        m_sockStream.close();
    } while (address.next());
    return common::Error;
}

int MessageChannel::connectTo(const ACE_INET_Addr& address)
{
    // A blocking connect gives up after the socket's send time-out (socket(7));
    // afterwards the socket is non-blocking, so that the timed sends and
    // receives wait for the peer only in poll.
    const timeval timeout = m_timeout;
    if (m_sockStream.open(SOCK_STREAM, address.get_type(), 0, 0) == -1
        || m_sockStream.set_option(SOL_SOCKET, SO_SNDTIMEO, const_cast<timeval*>(&timeout), sizeof timeout) == -1
        || m_sockConnector.connect(m_sockStream, address) == -1
        // A fresh socket has no other status flag to keep.
        || ACE_OS::fcntl(m_sockStream.get_handle(), F_SETFL, O_NONBLOCK) == -1) {
        return common::Error;
    }
    return 0;
}

ssize_t MessageChannel::sendExact(const iovec* buffers, int count)
{
    IgnoreSigpipeUnlessHandled();
    return ACE::sendv_n(m_sockStream.get_handle(), buffers, count, &m_timeout);
}

std::size_t MessageChannel::receiveExact(void* buffer, std::size_t length)
{
    char* const target = static_cast<char*>(buffer);
    std::size_t received = takeReadAhead(target, length);
    while (received < length) {
        const std::size_t missing = length - received;
        if (missing >= m_ReadAheadCapacity) {
            // A large block goes straight into its own buffer.
            std::size_t count = 0;
            ACE::recv_n(m_sockStream.get_handle(), target + received, missing, &m_timeout, &count);
            return received + count;
        }
        if (!fillReadAhead()) {
            break;
        }
        received += takeReadAhead(target + received, missing);
    }
    return received;
}

std::size_t MessageChannel::takeReadAhead(char* buffer, std::size_t length)
{
    const std::size_t count = std::min(length, m_readAheadEnd - m_readAheadBegin);
    if (count == 0) {
        return 0;
    }
    std::copy_n(m_readAhead.get() + m_readAheadBegin, count, buffer);
    m_readAheadBegin += count;
    return count;
}

bool MessageChannel::fillReadAhead()
{
    if (!m_readAhead) {
        m_readAhead.reset(new char[m_ReadAheadCapacity]);
    }
    const ssize_t count = ACE::recv(m_sockStream.get_handle(), m_readAhead.get(), m_ReadAheadCapacity, &m_timeout);
    if (count <= 0) {
        return false;
    }
    m_readAheadBegin = 0;
    m_readAheadEnd = static_cast<std::size_t>(count);
    return true;
}
