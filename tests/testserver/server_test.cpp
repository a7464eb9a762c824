// The server as a program: its command line, where it listens, how it stops,
// and the request frames it refuses.

#include "tests/support/testserverprocess.h"
#include "tests/testserver/rawclient.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace rawclient;
using ::testing::HasSubstr;
using testsupport::TestServerProcess;

struct Outcome
{
    int status;
    std::string output;
};

// Runs the server with the arguments and returns its exit status and output.
Outcome RunServer(const std::string& arguments)
{
    const std::string command = std::string(QUENLARK_TEST_SERVER_PATH) + " " + arguments + " 2>&1";
    Outcome outcome{-1, {}};
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return outcome;
    }
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        outcome.output += buffer;
    }
    const int status = ::pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

TEST(TestServerCommandLine, BadArgumentsAreRefusedWithTheReason)
{
    const std::string fixture = "--fixture " + TestServerProcess::FixturePath("test.textproto");
    struct Case
    {
        std::string arguments;
        int status;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"", 2, "--fixture is required"},
        {fixture + " --port", 2, "--port needs a value"},
        {fixture + " --port 65536", 2, "bad port: 65536"},
        {fixture + " --port 80x", 2, "bad port: 80x"},
        {fixture + " --verbose yes", 2, "unknown option: --verbose"},
        {fixture + " --fault flip-bits", 2, "unknown fault: flip-bits"},
        {fixture + " --fault flip-tag=1", 2, "takes no value"},
        {fixture + " --fault close-after-header-bytes=80", 2, "needs a valid value"},
        {fixture + " --fault close-after-header-bytes", 2, "needs a valid value"},
        {fixture + " --fault error-codes=2", 2, "needs a valid value"},
        {fixture + " --fault delay-ms=-1", 2, "needs a valid value"},
        {fixture + " --fault trickle-ms=0", 2, "needs a valid value"},
        {fixture + " --fault session-id=2147483648", 2, "needs a valid value"},
        {"--fixture /nonexistent.textproto", 1, "cannot read the fixture /nonexistent.textproto"},
    };
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.arguments);
        const Outcome outcome = RunServer(bad.arguments);
        EXPECT_EQ(bad.status, outcome.status);
        EXPECT_THAT(outcome.output, HasSubstr(bad.reason));
        EXPECT_THAT(outcome.output, ::testing::Not(HasSubstr("listening on")));
    }
}

TEST(TestServerCommandLine, SigtermStopsTheServerWithStatusZero)
{
    TestServerProcess server({"delay-ms=60000"});
    ASSERT_NE(0, server.port());
    EXPECT_EQ(0, server.stop());
}

TEST(TestServerListening, OnlyOnTheLoopbackAddress)
{
    TestServerProcess server;
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(server.port());
    ::inet_pton(AF_INET, "127.0.0.2", &address.sin_addr);
    EXPECT_NE(0, ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address));
    ::close(socket);
    EXPECT_EQ(0, SignedField(Exchange(server.port(), LogOnRequest("ada", "ada-secret")), MajorErcode));
}

TEST(TestServerRequestFrames, MalformedFramesAreDroppedAndTheServerGoesOn)
{
    const std::string good = LogOnRequest("ada", "ada-secret");
    struct Case
    {
        const char* what;
        HeaderField field;
        std::uint32_t value;
    };
    const std::vector<Case> cases = {
        {"IV of 8 bytes", IvecLength, 8},
        {"tag of 20 bytes", AtagLength, 20},
        {"plain body", BodyLength, 5},
        {"huge code", CodeLength, 0x7FFFFFFF},
        {"code longer than sent", CodeLength, 1 << 20},
        {"huge HMAC", HmacLength, 1 << 20},
    };
    TestServerProcess server;
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.what);
        std::string request = good;
        SetField(request, bad.field, bad.value);
        EXPECT_EQ("", Exchange(server.port(), request));
    }
    EXPECT_EQ("", Exchange(server.port(), good.substr(0, 40)));
    EXPECT_EQ("", Exchange(server.port(), ""));
    EXPECT_EQ(0, SignedField(Exchange(server.port(), good), MajorErcode));
}

TEST(TestServerRequestFrames, ABigEndianHeaderIsRead)
{
    std::string request = LogOnRequest("ada", "ada-secret");
    for (std::size_t offset = 0; offset < 80; offset += 4) {
        std::swap(request[offset], request[offset + 3]);
        std::swap(request[offset + 1], request[offset + 2]);
    }
    request.replace(0, 4, std::string(4, '\0'));
    TestServerProcess server;
    const std::string frame = Exchange(server.port(), request);
    EXPECT_EQ(1u, Field(frame, ByteOrder));
    EXPECT_EQ(0, SignedField(frame, MajorErcode));
    EXPECT_EQ(3, SignedField(frame, MajorOpcode));
    EXPECT_TRUE(Decrypt(frame, ZeroKey));
}

}  // namespace
