#include "library/network/messagechannel.h"

#include "library/common/codes.h"

#include <ace/ACE.h>
#include <ace/INET_Addr.h>
#include <ace/OS_NS_errno.h>

#include <pthread.h>
#include <signal.h>
#include <time.h>

namespace {

// Keeps SIGPIPE from this thread while a write runs and discards one that the
// write raised, leaving the process's signal disposition alone: writing to a
// connection that the peer has closed then only fails with EPIPE.
class SigpipeBlock
{
public:
    SigpipeBlock()
    {
        sigemptyset(&m_sigpipe);
        sigaddset(&m_sigpipe, SIGPIPE);
        m_wasPending = isPending();
        pthread_sigmask(SIG_BLOCK, &m_sigpipe, &m_previousMask);
    }

    ~SigpipeBlock()
    {
        ACE_Errno_Guard errnoGuard(errno);
        if (!m_wasPending && isPending()) {
            const timespec noWait{0, 0};
            sigtimedwait(&m_sigpipe, nullptr, &noWait);
        }
        pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
    }

    SigpipeBlock(const SigpipeBlock&) = delete;
    SigpipeBlock& operator=(const SigpipeBlock&) = delete;

private:
    static bool isPending()
    {
        sigset_t pending;
        sigemptyset(&pending);
        return sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
    }

    sigset_t m_sigpipe;
    sigset_t m_previousMask;
    bool m_wasPending;
};

}  // namespace

MessageChannel::MessageChannel(unsigned short port, const char* host,
                               std::chrono::milliseconds timeout)
    : m_port(port)
    , m_host(host ? host : "")
    , m_timeout(timeout)
{
}

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
    // A name can resolve to several addresses (IPv6 and IPv4 loopback for
    // "localhost"); the first that accepts is the server.
    do {
        ACE_Time_Value timeout = m_timeout;
        if (m_sockConnector.connect(m_sockStream, address, &timeout) == 0) {
            return 0;
        }
        m_sockStream.close();
    } while (address.next());
    return common::Error;
}

ssize_t MessageChannel::sendExact(const iovec* buffers, int count)
{
    SigpipeBlock sigpipeBlock;
    return ACE::sendv_n(m_sockStream.get_handle(), buffers, count, &m_timeout);
}

std::size_t MessageChannel::receiveExact(void* buffer, std::size_t length)
{
    std::size_t received = 0;
    ACE::recv_n(m_sockStream.get_handle(), buffer, length, &m_timeout, &received);
    return received;
}
