// The cost of the client's transport beside what it cannot avoid:
// - one request round trip through MessageDispatcher to the test server on
//   loopback, beside the same TCP exchange of the same byte counts with an
//   in-process peer and no encryption or parsing;
// - Message::encrypt and Message::decrypt of one payload, beside the bare
//   EVP calls of AES-128-GCM on ready buffers.

#include "library/common/codes.h"
#include "library/network/message.h"
#include "library/network/messagedispatcher.h"
#include "library/security/clientauthenticationcontext.h"
#include "library/security/cryptographer.h"
#include "tests/support/loopbacksocket.h"
#include "tests/support/testserverprocess.h"
#include "tests/support/wireframe.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "selectdictionaryrequest3.pb.h"
#include "user3.pb.h"

#include <ace/ACE.h>
#include <ace/INET_Addr.h>
#include <ace/SOCK_Connector.h>
#include <ace/SOCK_Stream.h>
#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

template <typename T>
T& Instance()
{
    return *ACE_Singleton<T, ACE_Null_Mutex>::instance();
}

// A logged-on session with the test server for the whole program.
class Session
{
public:
    Session()
    {
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server.port());
        ClientAuthenticationContext& context = Instance<ClientAuthenticationContext>();
        context.setUserNameHash(Instance<Cryptographer>().hashUserName("ada"));
        context.setUserPasswordHash(Instance<Cryptographer>().hashPassword("ada-secret"));
        zarv::data::AuthenticateUserRequest request;
        context.encryptRequest(request);
        MessageDispatcher logon(common::AuthenticateUser, common::Untagged, request.SerializeAsString());
        zarv::data::AuthenticateUserReply reply;
        zarv::data::User user;
        if (!logon.dispatch() || !logon.noEr() || !reply.ParseFromString(logon.getReply())
            || context.decryptReply(reply, user) != AUTH_CODE_SUCCESS) {
            m_error = "no log-on at the test server";
            return;
        }
        const std::string keyText = context.getDecryptedServerEncryptionKey();
        for (std::size_t i = 0; i < 16; ++i) {
            Instance<Cryptographer>().getEkey()[i] =
                static_cast<unsigned char>(std::stoi(keyText.substr(2 + 2 * i, 2), nullptr, 16));
        }
        MessageDispatcher::setSessionId(std::stoi(context.getDecryptedServerSessionId()));
    }

    const std::string& error() const { return m_error; }

private:
    testsupport::TestServerProcess m_server;
    std::string m_error;
};

const std::string& SelectDictionaryRequest()
{
    static const std::string request = [] {
        zarv::data::SelectDictionaryRequest select;
        select.set_dictionary_user_id(1);
        return select.SerializeAsString();
    }();
    return request;
}

// Byte counts of one dispatched exchange, measured once.
struct ExchangeSize
{
    std::size_t request = 0;
    std::size_t reply = 0;
};
ExchangeSize DispatchedExchange;

void BM_DispatcherRoundTrip(benchmark::State& state)
{
    static Session session;
    if (!session.error().empty()) {
        state.SkipWithError(session.error().c_str());
        return;
    }
    for (auto _ : state) {
        MessageDispatcher dispatcher(common::SelectDictionary, common::Untagged, SelectDictionaryRequest());
        if (!dispatcher.dispatch() || !dispatcher.noEr()) {
            state.SkipWithError("the exchange failed");
            return;
        }
        DispatchedExchange.reply = 112 + dispatcher.getReply().size();
        benchmark::DoNotOptimize(dispatcher.getReply());
    }
    DispatchedExchange.request = 112 + SelectDictionaryRequest().size();
    state.counters["request bytes"] = static_cast<double>(DispatchedExchange.request);
    state.counters["reply bytes"] = static_cast<double>(DispatchedExchange.reply);
}
BENCHMARK(BM_DispatcherRoundTrip)->UseRealTime();

// Reads `length` bytes of every connection and answers with `reply` bytes.
class RawPeer
{
public:
    RawPeer(std::size_t requestLength, std::string reply)
        : m_requestLength(requestLength)
        , m_reply(std::move(reply))
    {
        m_listener = testsupport::BindLoopbackSocket(m_port);
        ::listen(m_listener, 16);
        m_thread = std::thread([this] { serve(); });
    }

    ~RawPeer()
    {
        ::shutdown(m_listener, SHUT_RDWR);
        m_thread.join();
        ::close(m_listener);
    }

    unsigned short port() const { return static_cast<unsigned short>(m_port); }

private:
    void serve()
    {
        std::string request(m_requestLength, '\0');
        for (;;) {
            const int connection = ::accept(m_listener, nullptr, nullptr);
            if (connection < 0) {
                return;
            }
            ACE::recv_n(connection, request.data(), request.size());
            ACE::send_n(connection, m_reply.data(), m_reply.size());
            ::close(connection);
        }
    }

    std::size_t m_requestLength;
    std::string m_reply;
    int m_listener = -1;
    int m_port = 0;
    std::thread m_thread;
};

void BM_RawRoundTrip(benchmark::State& state)
{
    if (DispatchedExchange.request == 0) {
        state.SkipWithError("runs after BM_DispatcherRoundTrip, whose byte counts it repeats");
        return;
    }
    const std::string request(DispatchedExchange.request, 'q');
    std::string reply(DispatchedExchange.reply, '\0');
    RawPeer peer(request.size(), std::string(reply.size(), 'r'));
    const ACE_INET_Addr address(peer.port(), "127.0.0.1");
    for (auto _ : state) {
        ACE_SOCK_Stream stream;
        ACE_SOCK_Connector connector;
        if (connector.connect(stream, address) != 0
            || stream.send_n(request.data(), request.size()) != static_cast<ssize_t>(request.size())
            || stream.recv_n(reply.data(), reply.size()) != static_cast<ssize_t>(reply.size())) {
            state.SkipWithError("the exchange failed");
            return;
        }
        stream.close();
        benchmark::DoNotOptimize(reply);
    }
}
BENCHMARK(BM_RawRoundTrip)->UseRealTime();

// A reply frame of `payloadLength` bytes sealed under the session key, with
// error codes 0 and 0 and session id 7.
std::string SealedReply(std::size_t payloadLength)
{
    return wireframe::Reply()
        .codes(0, 0)
        .session(7)
        .encrypted(std::string(payloadLength, 'w'), Instance<Cryptographer>().getEkey())
        .bytes();
}

// The dispatcher's own share: the same exchange with the raw peer, which
// answers with a sealed reply of the same size and does no work.
void BM_DispatcherToRawPeer(benchmark::State& state)
{
    if (DispatchedExchange.request == 0) {
        state.SkipWithError("runs after BM_DispatcherRoundTrip, whose byte counts it repeats");
        return;
    }
    RawPeer peer(DispatchedExchange.request, SealedReply(DispatchedExchange.reply - 112));
    const int serverPort = MessageDispatcher::getServerPort();
    const int sessionId = MessageDispatcher::getSessionId();
    MessageDispatcher::setServerPort(peer.port());
    for (auto _ : state) {
        MessageDispatcher dispatcher(common::SelectDictionary, common::Untagged, SelectDictionaryRequest());
        if (!dispatcher.dispatch() || !dispatcher.noEr()) {
            state.SkipWithError("the exchange failed");
            break;
        }
        benchmark::DoNotOptimize(dispatcher.getReply());
    }
    MessageDispatcher::setServerPort(serverPort);
    MessageDispatcher::setSessionId(sessionId);
}
BENCHMARK(BM_DispatcherToRawPeer)->UseRealTime();

const unsigned char Key[16] = {0x3C, 0x11, 0x8E, 0x47, 0x02, 0xF5, 0x6A, 0x90,
                               0xD3, 0x28, 0xB1, 0x7E, 0x55, 0xC4, 0x09, 0xEB};

void BM_MessageEncryptDecrypt(benchmark::State& state)
{
    Message message(0, "");
    message.setBody(std::string(static_cast<std::size_t>(state.range(0)), 'm'));
    for (auto _ : state) {
        message.encrypt(Key);
        if (message.decrypt(Key) != state.range(0)) {
            state.SkipWithError("the payload does not come back");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MessageEncryptDecrypt)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20);

void BM_BareEvpEncryptDecrypt(benchmark::State& state)
{
    const int length = static_cast<int>(state.range(0));
    std::vector<unsigned char> plain(static_cast<std::size_t>(length), 'm');
    std::vector<unsigned char> cipher(plain.size());
    std::vector<unsigned char> decrypted(plain.size());
    unsigned char ivec[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    unsigned char atag[16];
    int count = 0;
    for (auto _ : state) {
        EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
        EVP_EncryptInit_ex(context, EVP_aes_128_gcm(), nullptr, Key, ivec);
        EVP_EncryptUpdate(context, cipher.data(), &count, plain.data(), length);
        EVP_EncryptFinal_ex(context, cipher.data() + count, &count);
        EVP_CIPHER_CTX_ctrl(context, EVP_CTRL_GCM_GET_TAG, 16, atag);
        EVP_CIPHER_CTX_free(context);

        context = EVP_CIPHER_CTX_new();
        EVP_DecryptInit_ex(context, EVP_aes_128_gcm(), nullptr, Key, ivec);
        EVP_DecryptUpdate(context, decrypted.data(), &count, cipher.data(), length);
        EVP_CIPHER_CTX_ctrl(context, EVP_CTRL_GCM_SET_TAG, 16, atag);
        if (EVP_DecryptFinal_ex(context, decrypted.data() + count, &count) != 1) {
            state.SkipWithError("the tag does not authenticate");
        }
        EVP_CIPHER_CTX_free(context);
        benchmark::DoNotOptimize(decrypted.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BareEvpEncryptDecrypt)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20);

}  // namespace

BENCHMARK_MAIN();
