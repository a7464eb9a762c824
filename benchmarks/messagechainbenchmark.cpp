// The cost of showing a message chain beside the round trips it cannot
// avoid: the ten messages 9110 ... 9101 of the test server's test fixture,
// shown through MessageViewer (one chain request and a TO and a CC request
// per message, then the page), beside the same 21 requests sent as bare
// MessageDispatcher round trips without parsing or page building.

#include "benchmarks/runbenchmarks.h"
#include "library/common/codes.h"
#include "library/gui/textreader.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/view/messageviewer.h"
#include "tests/support/testserverprocess.h"

#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <QApplication>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int LastMessageId = 9110;
constexpr int FirstMessageId = 9101;

// The test fixture's open session 7 of ada, for the whole program.
class Session
{
public:
    Session()
    {
        static const unsigned char key[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                              0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
        std::copy(std::begin(key), std::end(key), ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server.port());
        MessageDispatcher::setSessionId(7);
    }

private:
    testsupport::TestServerProcess m_server;
};

Session& TheSession()
{
    static Session session;
    return session;
}

zarv::data::Message LastMessage()
{
    zarv::data::SelectMessageRequest request;
    request.set_message_chain_id(LastMessageId);
    MessageDispatcher dispatcher(common::SelectMessage, common::Untagged, request.SerializeAsString());
    zarv::data::SelectMessageReply reply;
    if (!dispatcher.dispatch() || !reply.ParseFromString(dispatcher.getReply()) || reply.message_size() != 10) {
        return zarv::data::Message();
    }
    return reply.message(0);
}

class Viewer : public MessageViewer
{
public:
    using MessageViewer::chainReader;
};

void BM_ShowChainOfTen(benchmark::State& state)
{
    TheSession();
    const zarv::data::Message message = LastMessage();
    if (!message.has_message_id()) {
        state.SkipWithError("the chain of ten is not there");
        return;
    }
    Viewer viewer;
    for (auto _ : state) {
        viewer.displayMessageChain(message, false, false, false, false);
    }
    if (viewer.chainReader()->toPlainText().count(QStringLiteral("Step")) != 20) {
        state.SkipWithError("the page does not show the ten messages");
    }
}
BENCHMARK(BM_ShowChainOfTen)->Unit(benchmark::kMillisecond);

void BM_TwentyOneBareRoundTrips(benchmark::State& state)
{
    TheSession();
    std::vector<std::pair<int, std::string>> requests;
    zarv::data::SelectMessageRequest chain;
    chain.set_message_chain_id(LastMessageId - 1);
    for (int messageId = LastMessageId; messageId >= FirstMessageId; --messageId) {
        for (zarv::data::Message_ufield field : {zarv::data::Message::TO, zarv::data::Message::CC}) {
            zarv::data::SelectMessageUserRequest users;
            users.set_message_user_message_id(messageId);
            users.set_message_user_field(field);
            requests.emplace_back(common::SelectMessageUser, users.SerializeAsString());
        }
        if (messageId == LastMessageId) {
            requests.emplace_back(common::SelectMessage, chain.SerializeAsString());
        }
    }
    for (auto _ : state) {
        for (const auto& [majorOpcode, payload] : requests) {
            MessageDispatcher dispatcher(majorOpcode, common::Untagged, payload);
            if (!dispatcher.dispatch()) {
                state.SkipWithError("a round trip failed");
                return;
            }
            benchmark::DoNotOptimize(dispatcher.getReply());
        }
    }
}
BENCHMARK(BM_TwentyOneBareRoundTrips)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RunBenchmarks(argc, argv);
}
