// The cost per row of filling the message browser's list from the test
// server: 100 and 1,000 messages of one folder, each row built with its one
// addressee lookup (a synchronous SelectMessageUser) and made current, in a
// list that is shown, as the browser's is. Rows are found by id through the
// list's index, placed at once in the header's order, and the columns fit
// their contents once per burst, so the cost per row should not grow with
// the size of the list.

#include "benchmarks/runbenchmarks.h"
#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/view/messagebrowsermainpanetreewidget.h"
#include "tests/support/testserverprocess.h"

#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"

#include <QApplication>
#include <QTemporaryDir>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int UserId = 1;
constexpr int FolderId = 11;
constexpr int OtherUserId = 2;

// A data set of two accounts, with `count` messages from the first to the
// second in the first's folder, and the first's session 3 open.
std::string FixtureText(int count)
{
    std::string text = R"(
account { name: "writer" password: "writer-secret"
  record { user_id: 1 user_last_name: "Writer" user_first_name: "Wes" user_message_folder_id: 10 } }
account { name: "reader" password: "reader-secret"
  record { user_id: 2 user_last_name: "Reader" user_first_name: "Rae" user_message_folder_id: 20 } }
open_session { session_id: 3 user_id: 1 key: "00112233445566778899AABBCCDDEEFF" }
message_folder { message_folder_id: 10 message_folder_user_id: 1 message_folder_parent_id: -2147483647 }
message_folder { message_folder_id: 11 message_folder_user_id: 1 message_folder_parent_id: 10 }
)";
    for (int index = 0; index < count; ++index) {
        const std::string id = std::to_string(100000 + index);
        text += "message { message_id: " + id
                + " message_user_id: 1 message_folder_id: 11"
                  " message_parent_id: -2147483648 message_parent_relation: 0 message_subject: \"Subject "
                + id
                + "\" message_creation_date: \"2024-05-01 10:00:00\" message_modification_date: \"2024-05-01 10:00:00\""
                  " message_security_descriptor { permissions: 2041 } message_sender { user_id: 1 }"
                  " message_recipient { user_id: 2 } message_user_is_recipient: true message_user_message_id: "
                + id
                + " message_user_user_id: 2 message_user_message_folder_id: 20 message_user_field: 0"
                  " message_user_properties: 1 }\n";
    }
    return text;
}

// One server per size, kept for the program's life.
class Server
{
public:
    explicit Server(int count)
    {
        const std::string path = m_folder.filePath(QStringLiteral("messages.textproto")).toStdString();
        std::ofstream(path) << FixtureText(count);
        m_server = std::make_unique<testsupport::TestServerProcess>(std::vector<std::string>{}, path);
    }
    unsigned short port() const { return m_server->port(); }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<testsupport::TestServerProcess> m_server;
};

void UseServer(int count)
{
    static std::map<int, std::unique_ptr<Server>> servers;
    std::unique_ptr<Server>& server = servers[count];
    if (!server) {
        server = std::make_unique<Server>(count);
    }
    static const unsigned char key[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                          0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    std::copy(std::begin(key), std::end(key), ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(server->port());
    MessageDispatcher::setSessionId(3);
    zarv::data::User user;
    user.set_user_id(UserId);
    user.set_user_message_folder_id(FolderId - 1);
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(user);
}

void BM_FillMessageList(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    UseServer(count);
    zarv::data::SelectMessageRequest request;
    request.set_message_user_id(UserId);
    request.set_message_folder_id(FolderId);
    MessageDispatcher dispatcher(common::SelectMessage, common::Untagged, request.SerializeAsString());
    zarv::data::SelectMessageReply reply;
    if (!dispatcher.dispatch() || !reply.ParseFromString(dispatcher.getReply()) || reply.message_size() != count) {
        state.SkipWithError("the server does not list the messages");
        return;
    }
    MessageBrowserMainPaneTreeWidget list(nullptr);
    list.show();
    for (auto _ : state) {
        list.resetPane(FolderId);
        for (const zarv::data::Message& message : reply.message()) {
            list.addMessageItem(message);
        }
    }
    if (list.topLevelItemCount() != count || list.topLevelItem(0)->text(0) != QStringLiteral("Reader, Rae")) {
        state.SkipWithError("the list does not show every row with its addressee");
    }
    state.counters["per_row"] = benchmark::Counter(
        static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FillMessageList)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RunBenchmarks(argc, argv);
}
