#include "library/network/messagechannel.h"

#include "library/common/codes.h"

#include <ace/INET_Addr.h>
#include <ace/OS_NS_sys_socket.h>

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <vector>

namespace {

// Sends and receives never block in the call, whatever the socket's mode, and
// a write to a peer that has gone fails with EPIPE instead of raising SIGPIPE.
constexpr int SendFlags = MSG_DONTWAIT | MSG_NOSIGNAL;
constexpr int ReceiveFlags = MSG_DONTWAIT;

// The call failed only because the peer was not ready: wait and try again.
bool NotReady()
{
    return errno == EAGAIN || errno == EWOULDBLOCK;
}

// Drops `count` sent bytes from the front of the message's buffers, and the
// buffers that are then empty.
void Consume(msghdr& message, std::size_t count)
{
    while (message.msg_iovlen > 0 && message.msg_iov->iov_len <= count) {
        count -= message.msg_iov->iov_len;
        ++message.msg_iov;
        --message.msg_iovlen;
    }
    if (count > 0) {
        message.msg_iov->iov_base = static_cast<char*>(message.msg_iov->iov_base) + count;
        message.msg_iov->iov_len -= count;
    }
}

}  // namespace

MessageChannel::MessageChannel(unsigned short port, const char* host, std::chrono::milliseconds timeout)
    : m_port(port)
    , m_host(host ? host : "")
    , m_deadline(Clock::now() + timeout)
{}

MessageChannel::~MessageChannel()
{
    m_sockStream.close();
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
    // A blocking connect gives up after the socket's send time-out (socket(7)),
    // here what is left of the deadline; a time-out of zero would mean none.
    const auto left = std::chrono::ceil<std::chrono::microseconds>(m_deadline - Clock::now());
    if (left <= std::chrono::microseconds::zero()) {
        errno = ETIME;
        return common::Error;
    }
    timeval timeout{};
    timeout.tv_sec = static_cast<time_t>(left.count() / 1000000);
    timeout.tv_usec = static_cast<suseconds_t>(left.count() % 1000000);
    if (m_sockStream.open(SOCK_STREAM, address.get_type(), 0, 0) == -1
        || m_sockStream.set_option(SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout) == -1) {
        return common::Error;
    }
    if (ACE_OS::connect(m_sockStream.get_handle(), static_cast<sockaddr*>(address.get_addr()), address.get_size())
        == -1) {
        // The send time-out ends a connect with EINPROGRESS.
        if (errno == EINPROGRESS) {
            errno = ETIME;
        }
        return common::Error;
    }
    return 0;
}

bool MessageChannel::waitUntilReady(short events) const
{
    pollfd descriptor{m_sockStream.get_handle(), events, 0};
    for (;;) {
        // Rounded up, so that poll never gives up before the deadline.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(m_deadline - Clock::now());
        if (left <= std::chrono::milliseconds::zero()) {
            errno = ETIME;
            return false;
        }
        // A signal ends the wait (EINTR), so that the program can act on it.
        const int ready = ::poll(&descriptor, 1, static_cast<int>(std::min<long long>(left.count(), INT_MAX)));
        if (ready != 0) {
            return ready > 0;
        }
    }
}

ssize_t MessageChannel::sendExact(const iovec* buffers, int count)
{
    std::vector<iovec> pending(buffers, buffers + count);
    msghdr message{};
    message.msg_iov = pending.data();
    message.msg_iovlen = pending.size();
    ssize_t sent = 0;
    Consume(message, 0);
    while (message.msg_iovlen > 0) {
        const ssize_t written = ::sendmsg(m_sockStream.get_handle(), &message, SendFlags);
        if (written >= 0) {
            sent += written;
            Consume(message, static_cast<std::size_t>(written));
        } else if (!NotReady() || !waitUntilReady(POLLOUT)) {
            return common::Error;
        }
    }
    return sent;
}

ssize_t MessageChannel::receiveSome(char* buffer, std::size_t length)
{
    // The reply is rarely there yet, so the wait comes first.
    for (;;) {
        if (!waitUntilReady(POLLIN)) {
            return common::Error;
        }
        const ssize_t count = ::recv(m_sockStream.get_handle(), buffer, length, ReceiveFlags);
        if (count >= 0 || !NotReady()) {
            return count;
        }
    }
}

std::size_t MessageChannel::receiveExact(void* buffer, std::size_t length)
{
    char* const target = static_cast<char*>(buffer);
    std::size_t received = takeReadAhead(target, length);
    while (received < length) {
        const std::size_t missing = length - received;
        if (missing < m_ReadAheadCapacity) {
            if (!fillReadAhead()) {
                break;
            }
            received += takeReadAhead(target + received, missing);
            continue;
        }
        // A large block goes straight into its own buffer.
        const ssize_t count = receiveSome(target + received, missing);
        if (count <= 0) {
            break;
        }
        received += static_cast<std::size_t>(count);
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
    const ssize_t count = receiveSome(m_readAhead.get(), m_ReadAheadCapacity);
    if (count <= 0) {
        return false;
    }
    m_readAheadBegin = 0;
    m_readAheadEnd = static_cast<std::size_t>(count);
    return true;
}
