// quenlark-test-server --fixture <file> [--port <n>] [--fault <mode>[=<value>][@<major opcode>]]...
//
// The project's own server for tests and trials: listens on 127.0.0.1, answers
// the log-on and the operations that the store supports, from an in-memory
// data set loaded from a fixture file, and injects faults on demand.

#include "product/testserver/faults.h"
#include "product/testserver/server.h"
#include "product/testserver/serverstate.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

constexpr char Usage[] =
    "usage: quenlark-test-server --fixture <file> [--port <n>] [--fault <mode>[=<value>][@<major opcode>]]...\n"
    "faults: close-after-header-bytes=K close-mid-code flip-tag flip-code big-endian-header\n"
    "        error-codes=M,m plain-body ivec-length=N atag-length=N huge-code-length\n"
    "        delay-ms=T trickle-ms=T session-id=S no-reply\n";

struct Options
{
    std::string fixture;
    unsigned short port = 0;
    testserver::Faults faults;
};

bool ParseOptions(int argc, char** argv, Options& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            error = option + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        if (option == "--fixture") {
            options.fixture = value;
        } else if (option == "--port") {
            char* end = nullptr;
            const long port = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || port < 0 || port > 65535) {
                error = "bad port: " + value;
                return false;
            }
            options.port = static_cast<unsigned short>(port);
        } else if (option == "--fault") {
            if (!options.faults.add(value, error)) {
                return false;
            }
        } else {
            error = "unknown option: " + option;
            return false;
        }
    }
    if (options.fixture.empty()) {
        error = "--fixture is required";
        return false;
    }
    return true;
}

// The state lives in memory only, so a stop has nothing to save.
void Stop(int)
{
    ::_exit(0);
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), Usage);
        return 2;
    }

    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGTERM, Stop);
    std::signal(SIGINT, Stop);

    std::optional<testserver::Store> store = testserver::Store::Load(options.fixture, error);
    if (!store) {
        std::fprintf(stderr, "%s", error.c_str());
        return 1;
    }
    std::optional<testserver::LogonKeys> keys = testserver::LogonKeys::Load(QUENLARK_TEST_SERVER_KEYS_DIR, error);
    if (!keys) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    testserver::ServerState state(std::move(*store), std::move(*keys));
    testserver::Server server(state, options.faults);
    if (!server.listen(options.port, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::printf("listening on 127.0.0.1:%u\n", static_cast<unsigned>(server.port()));
    std::fflush(stdout);
    server.run();
}
