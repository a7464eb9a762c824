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
#include "tests/support/loopbacksocket.h"
#include "tests/support/wireframe.h"

#include <ace/Log_Msg.h>

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

using namespace wireframe;

constexpr int SessionIdBefore = 13579;

// Answers every connection on 127.0.0.1 with the current reply after reading
// the whole request, then closes it.
class ReplyPeer
{
public:
    ReplyPeer()
    {
        m_listener = testsupport::BindLoopbackSocket(m_port);
        if (m_listener < 0 || ::listen(m_listener, 4) != 0) {
            std::abort();
        }
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
            ReadFrame(connection);
            std::string reply;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                reply = m_reply;
            }
            testsupport::WriteAll(connection, reply);
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

    Reply reply;
    std::string payload;
    if (sealed) {
        std::string header = input.substr(0, HeaderLength);
        header.resize(HeaderLength, '\0');
        payload = input.size() > HeaderLength ? input.substr(HeaderLength) : std::string();
        // The input's fields, but byte order 1; bytes() writes the block
        // lengths of the IV, the tag and the sealed payload.
        reply.fields = DecodeLittleEndian(header);
        reply.fields[ByteOrder] = 1;
        Peer->setReply(reply.encrypted(payload).bytes());
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
    Require(!(dispatcher.getMajorErcode() == common::UnsetEr && dispatcher.getMinorErcode() == common::UnsetEr));
    if (sealed) {
        Require(dispatcher.getReply() == payload);
        Require(dispatcher.getMajorErcode() == ReadAsErcode(reply.fields[MajorErcode]));
        Require(dispatcher.getMinorErcode() == ReadAsErcode(reply.fields[MinorErcode]));
        Require(MessageDispatcher::getSessionId() == static_cast<int>(reply.fields[SessionId]));
    }
    return 0;
}
