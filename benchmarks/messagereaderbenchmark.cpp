// The cost of opening a message reader beside the round trips it cannot
// avoid: message 17503 of the reader's test fixture (a chain of three, of
// which two may be viewed, and three attachments), opened in a reader (the
// attachments, the To and Cc addressees for the addressee line, the chain,
// and the To and Cc addressees of each message shown), beside the same eight
// requests sent as bare MessageDispatcher round trips.

#include "benchmarks/runbenchmarks.h"
#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/gui/textreader.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/view/messagereaderview.h"
#include "tests/support/temporarysettingsstore.h"
#include "tests/support/testserverprocess.h"

#include "selectmessagedocumentrequest3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <QApplication>
#include <QListWidget>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace {

constexpr int Ida = 17001;
constexpr int Third = 17503;
constexpr int Second = 17502;

// The fixture's open session 17 of ida, for the whole program.
class Session
{
public:
    Session()
        : m_server({}, testsupport::TestServerProcess::FixturePath("messagereader.textproto"))
    {
        static const unsigned char key[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                              0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
        std::copy(std::begin(key), std::end(key), ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server.port());
        MessageDispatcher::setSessionId(17);
        zarv::data::User ida;
        ida.set_user_id(Ida);
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(ida);
    }

private:
    testsupport::TestServerProcess m_server;
};

Session& TheSession()
{
    static Session session;
    return session;
}

zarv::data::Message ReceivedMessage()
{
    zarv::data::SelectMessageUserRequest request;
    request.set_message_user_user_id(Ida);
    MessageDispatcher dispatcher(common::SelectMessageUser, common::Untagged, request.SerializeAsString());
    zarv::data::SelectMessageUserReply reply;
    if (dispatcher.dispatch() && reply.ParseFromString(dispatcher.getReply())) {
        for (const zarv::data::Message& message : reply.message()) {
            if (message.message_id() == Third) {
                return message;
            }
        }
    }
    return zarv::data::Message();
}

void BM_OpenReaderOnChainOfThree(benchmark::State& state)
{
    TheSession();
    const zarv::data::Message message = ReceivedMessage();
    if (!message.has_message_id()) {
        state.SkipWithError("the message is not there");
        return;
    }
    for (auto _ : state) {
        auto reader = std::make_unique<MessageReaderView>(message, nullptr);
        state.PauseTiming();
        const bool shown = reader->findChild<QListWidget*>()->count() == 3
                           && reader->findChild<TextReader*>()->toPlainText().contains(QStringLiteral("Second words."));
        // Closing is not opening: the reader goes outside the timing.
        reader.reset();
        state.ResumeTiming();
        if (!shown) {
            state.SkipWithError("the reader does not show the chain and the attachments");
            return;
        }
    }
}
BENCHMARK(BM_OpenReaderOnChainOfThree)->Unit(benchmark::kMillisecond);

void BM_EightBareRoundTrips(benchmark::State& state)
{
    TheSession();
    std::vector<std::pair<int, std::string>> requests;
    zarv::data::SelectMessageDocumentRequest documents;
    documents.set_message_document_message_id(Third);
    requests.emplace_back(common::SelectMessageDocument, documents.SerializeAsString());
    for (int messageId : {Third, Third, Second}) {
        for (zarv::data::Message_ufield field : {zarv::data::Message::TO, zarv::data::Message::CC}) {
            zarv::data::SelectMessageUserRequest users;
            users.set_message_user_message_id(messageId);
            users.set_message_user_field(field);
            requests.emplace_back(common::SelectMessageUser, users.SerializeAsString());
        }
    }
    zarv::data::SelectMessageRequest chain;
    chain.set_message_chain_id(Second);
    requests.emplace_back(common::SelectMessage, chain.SerializeAsString());
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
BENCHMARK(BM_EightBareRoundTrips)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InitializeClientResources();
    // The readers store their geometry in a settings store of their own.
    testsupport::TemporarySettingsStore store(QStringLiteral("messagereader_benchmark"));
    return RunBenchmarks(argc, argv);
}
