// The cost of opening a message editor beside the round trips it cannot
// avoid: una's reply 34502 of the editor's test fixture (To vic, Cc wes, two
// attachments, answering vic's 34501), opened in an editor (the To, Cc and
// Bcc addressees, the attachments, the parent by its id, the parent's To and
// Cc addressees for its block, and the chain it answers), beside the same
// eight requests sent as bare MessageDispatcher round trips, and beside the
// rich-text editor window that it builds on, made alone without a request.

#include "benchmarks/runbenchmarks.h"
#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/database/lib/dbid.h"
#include "library/gui/textreader.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/view/messageeditorview.h"
#include "tests/gui/editorviewwindow.h"
#include "tests/support/temporarysettingsstore.h"
#include "tests/support/testserverprocess.h"

#include "selectmessagedocumentrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
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

constexpr int Una = 34001;
constexpr int Draft = 34502;
constexpr int Question = 34501;

// The fixture's open session 34 of una, for the whole program.
class Session
{
public:
    Session()
        : m_server({}, testsupport::TestServerProcess::FixturePath("messageeditor.textproto"))
    {
        static const unsigned char key[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                              0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
        std::copy(std::begin(key), std::end(key), ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server.port());
        MessageDispatcher::setSessionId(34);
        zarv::data::User una;
        una.set_user_id(Una);
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(una);
    }

private:
    testsupport::TestServerProcess m_server;
};

Session& TheSession()
{
    static Session session;
    return session;
}

zarv::data::Message OwnMessage()
{
    zarv::data::SelectMessageRequest request;
    request.set_message_user_id(Una);
    MessageDispatcher dispatcher(common::SelectMessage, common::Untagged, request.SerializeAsString());
    zarv::data::SelectMessageReply reply;
    if (dispatcher.dispatch() && reply.ParseFromString(dispatcher.getReply())) {
        for (const zarv::data::Message& message : reply.message()) {
            if (message.message_id() == Draft) {
                return message;
            }
        }
    }
    return zarv::data::Message();
}

void BM_OpenEditorOnReplyWithTwoAttachments(benchmark::State& state)
{
    TheSession();
    const zarv::data::Message message = OwnMessage();
    if (!message.has_message_id()) {
        state.SkipWithError("the message is not there");
        return;
    }
    for (auto _ : state) {
        auto editor = std::make_unique<MessageEditorView>(message, nullptr);
        state.PauseTiming();
        const bool shown =
            editor->findChild<QListWidget*>(QStringLiteral("documents"))->count() == 2
            && editor->findChild<TextReader*>()->toPlainText().contains(QStringLiteral("Question words."));
        // Closing is not opening: the editor goes outside the timing.
        editor.reset();
        state.ResumeTiming();
        if (!shown) {
            state.SkipWithError("the editor does not show the chain and the attachments");
            return;
        }
    }
}
BENCHMARK(BM_OpenEditorOnReplyWithTwoAttachments)->Unit(benchmark::kMillisecond);

void BM_EditorWindowBaseAlone(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<testsupport::EditorViewWindow>();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditorWindowBaseAlone)->Unit(benchmark::kMillisecond);

void BM_EightBareRoundTrips(benchmark::State& state)
{
    TheSession();
    std::vector<std::pair<int, std::string>> requests;
    for (zarv::data::Message_ufield field :
         {zarv::data::Message::TO, zarv::data::Message::CC, zarv::data::Message::BCC}) {
        zarv::data::SelectMessageUserRequest users;
        users.set_message_user_message_id(Draft);
        users.set_message_user_field(field);
        requests.emplace_back(common::SelectMessageUser, users.SerializeAsString());
    }
    zarv::data::SelectMessageDocumentRequest documents;
    documents.set_message_document_message_id(Draft);
    requests.emplace_back(common::SelectMessageDocument, documents.SerializeAsString());
    zarv::data::SelectMessageRequest parent;
    parent.set_message_id(Question);
    requests.emplace_back(common::SelectMessage, parent.SerializeAsString());
    for (zarv::data::Message_ufield field : {zarv::data::Message::TO, zarv::data::Message::CC}) {
        zarv::data::SelectMessageUserRequest users;
        users.set_message_user_message_id(Question);
        users.set_message_user_field(field);
        requests.emplace_back(common::SelectMessageUser, users.SerializeAsString());
    }
    zarv::data::SelectMessageRequest chain;
    chain.set_message_chain_id(DbId::m_NullId);
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
    // The editors store their geometry in a settings store of their own.
    testsupport::TemporarySettingsStore store(QStringLiteral("messageeditor_benchmark"));
    return RunBenchmarks(argc, argv);
}
