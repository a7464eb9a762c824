#pragma once

#include <ace/SOCK_Connector.h>
#include <ace/SOCK_Stream.h>

#include <sys/types.h>
#include <sys/uio.h>

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

class ACE_INET_Addr;

// The frame's connection: one TCP connection to the server, made by connect()
// and closed when the channel goes. The whole exchange (connecting, sending
// and receiving) must end by one deadline, the time-out after the channel is
// made, so that a server that stops answering, or answers a byte at a time,
// ends the exchange instead of freezing the caller. Past the deadline a call
// fails with errno ETIME. A peer that has gone away never ends the process
// through SIGPIPE.
//
// The socket stays blocking; sends and receives never block in the call but
// wait for the peer in poll, for what is left of the deadline.
//
// A connection carries one reply, after which the server closes it, so the
// channel reads ahead: a small reply arrives with one read, and the blocks are
// taken from what was read.
class MessageChannel
{
public:
    static constexpr std::chrono::milliseconds m_DefaultTimeout{std::chrono::seconds(20)};

    MessageChannel(unsigned short port, const char* host, std::chrono::milliseconds timeout = m_DefaultTimeout);
    virtual ~MessageChannel();
    MessageChannel(const MessageChannel&) = delete;
    MessageChannel& operator=(const MessageChannel&) = delete;

    // 0, or common::Error when no address of the host accepts by the deadline.
    int connect();

    unsigned short getPort() const { return m_port; }
    std::string getHost() const { return m_host; }
    ACE_SOCK_Connector& getSockConnector() { return m_sockConnector; }
    // The socket; a handle set here belongs to the channel, which closes it.
    ACE_SOCK_Stream& getSockStream() { return m_sockStream; }

protected:
    // Writes every byte of the buffers: one gather write when the socket takes
    // them at once, more when it does not. Returns the count, or common::Error
    // when the connection fails or the deadline passes first.
    ssize_t sendExact(const iovec* buffers, int count);
    // Reads up to `length` bytes, stopping early only at the end of the
    // connection, an error or the deadline. Returns the count that arrived.
    std::size_t receiveExact(void* buffer, std::size_t length);

private:
    using Clock = std::chrono::steady_clock;

    static constexpr std::size_t m_ReadAheadCapacity = 16 * 1024;

    int connectTo(const ACE_INET_Addr& address);
    // Waits in poll until the socket is ready for `events` or the deadline
    // passes; false at the deadline, on a signal or on an error of poll.
    bool waitUntilReady(short events) const;
    // One read of what the peer has sent so far, after waiting for it: the
    // count, 0 at the end of the connection, common::Error on an error or at
    // the deadline.
    ssize_t receiveSome(char* buffer, std::size_t length);
    // Moves up to `length` bytes read ahead into the buffer; returns the count.
    std::size_t takeReadAhead(char* buffer, std::size_t length);
    // One read into the read-ahead buffer; false at the end of the
    // connection, an error or the deadline.
    bool fillReadAhead();

    unsigned short m_port;
    std::string m_host;
    Clock::time_point m_deadline;
    ACE_SOCK_Connector m_sockConnector;
    ACE_SOCK_Stream m_sockStream;
    // Allocated on first read and never zero-filled: only received bytes are read.
    std::unique_ptr<char[]> m_readAhead;
    std::size_t m_readAheadBegin = 0;
    std::size_t m_readAheadEnd = 0;
};
