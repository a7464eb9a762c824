// Arbitrary bytes from the server as the reply to one request: header, blocks
// and cipher text reach MessageDispatcher::dispatch() through a loopback peer.
//
// The first input byte chooses the form of the rest:
// - even: the rest is the reply, byte for byte;
// - odd: the rest is a header (its first 80 bytes) and a payload that is
//   sealed under the zero session key, with the header's block lengths made
//   to match, so that the reply authenticates and the success path runs.
//
// Beyond the sanitizers, every run checks what the dispatcher promises: a
// failed exchange leaves codes 1 and 1, no reply and the session id as it
// was; a sealed reply comes back whole with the header's codes and session id.

#include "library/common/codes.h"
#include "library/network/messagedispatcher.h"
#include "library/security/aesgcm.h"

#include <ace/Log_Msg.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

constexpr std::size_t HeaderLength = 80;
constexpr int SessionIdBefore = 13579;

std::uint32_t Word(const std::string& bytes, std::size_t field)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[4 * field + i])) << (8 * i);
    }
    return value;
}

void SetWord(std::string& bytes, std::size_t field, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[4 * field + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::string Receive(int socket, std::size_t length)
{
    std::string bytes(length, '\0');
    std::size_t received = 0;
    while (received < length) {
        const ssize_t count = ::recv(socket, &bytes[received], length - received, 0);
        if (count <= 0) {
            break;
        }
        received += static_cast<std::size_t>(count);
    }
    bytes.resize(received);
    return bytes;
}

// Answers every connection on 127.0.0.1 with the current reply after reading
// the whole request, then closes it.
class ReplyPeer
{
public:
    ReplyPeer()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0
            || ::listen(m_listener, 4) != 0) {
            std::abort();
        }
        m_port = ntohs(address.sin_port);
        std::thread([this] { serve(); }).detach();
    }

    int port() const { return m_port; }

    void setReply(std::string reply)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_reply = std::move(reply);
    }

private:
    void serve()
    {
        for (;;) {
            const int connection = ::accept(m_listener, nullptr, nullptr);
            if (connection < 0) {
                continue;
            }
            const std::string header = Receive(connection, HeaderLength);
            if (header.size() == HeaderLength) {
                std::size_t blocks = 0;
                for (std::size_t field = 15; field < 20; ++field) {
                    blocks += Word(header, field);
                }
                Receive(connection, blocks);
            }
            std::string reply;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                reply = m_reply;
            }
            for (std::size_t sent = 0; sent < reply.size();) {
                const ssize_t count = ::send(connection, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
                if (count <= 0) {
                    break;
                }
                sent += static_cast<std::size_t>(count);
            }
            ::shutdown(connection, SHUT_WR);
            ::close(connection);
        }
    }

    int m_listener = -1;
    int m_port = 0;
    std::mutex m_mutex;
    std::string m_reply;
};

ReplyPeer* Peer = nullptr;

int ReadAsErcode(std::uint32_t field)
{
    const int ercode = static_cast<int>(field);
    return ercode == common::UnsetEr ? common::NoEr : ercode;
}

void Require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Refused replies are logged; the fuzzer's output stays readable without them.
    ACE_LOG_MSG->priority_mask(0, ACE_Log_Msg::PROCESS);
    Peer = new ReplyPeer;
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(Peer->port());
    MessageDispatcher::setTimeout(std::chrono::seconds(2));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const bool sealed = (data[0] & 1) != 0;
    std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::string header;
    std::string payload;
    if (sealed) {
        header = input.substr(0, HeaderLength);
        header.resize(HeaderLength, '\0');
        payload = input.size() > HeaderLength ? input.substr(HeaderLength) : std::string();
        SetWord(header, 0, 1);
        SetWord(header, 15, 0);
        SetWord(header, 16, 16);
        SetWord(header, 17, 16);
        SetWord(header, 18, static_cast<std::uint32_t>(payload.size()));
        SetWord(header, 19, 0);
        static const unsigned char zeroKey[16] = {};
        std::string ivec = "sealed-reply-iv.";
        std::string atag(16, '\0');
        std::string code(payload.size(), '\0');
        AesGcmEncrypt(payload.data(), reinterpret_cast<unsigned char*>(code.data()), payload.size(),
                      zeroKey, reinterpret_cast<const unsigned char*>(ivec.data()),
                      reinterpret_cast<unsigned char*>(atag.data()));
        Peer->setReply(header + ivec + atag + code);
    } else {
        Peer->setReply(input);
    }

    MessageDispatcher::setSessionId(SessionIdBefore);
    MessageDispatcher dispatcher(common::SelectDocument, common::Untagged, "fuzz request");
    const bool dispatched = dispatcher.dispatch();

    if (!dispatched) {
        Require(!sealed);
        Require(dispatcher.getMajorErcode() == common::UnsetEr);
        Require(dispatcher.getMinorErcode() == common::UnsetEr);
        Require(dispatcher.getReply().empty());
        Require(MessageDispatcher::getSessionId() == SessionIdBefore);
        return 0;
    }
    Require(!(dispatcher.getMajorErcode() == common::UnsetEr
              && dispatcher.getMinorErcode() == common::UnsetEr));
    if (sealed) {
        Require(dispatcher.getReply() == payload);
        Require(dispatcher.getMajorErcode() == ReadAsErcode(Word(header, 7)));
        Require(dispatcher.getMinorErcode() == ReadAsErcode(Word(header, 8)));
        Require(MessageDispatcher::getSessionId() == static_cast<int>(Word(header, 1)));
    }
    return 0;
}
