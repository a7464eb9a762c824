#include "tests/support/testserverprocess.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

namespace testsupport {
namespace {

// Start-up under the sanitizers takes a second or two; a server that has not
// printed its port by then never will.
constexpr auto StartTimeout = std::chrono::seconds(30);

// Reads the first line of the pipe, waiting no longer than the deadline.
std::string ReadFirstLine(int pipe)
{
    const auto deadline = std::chrono::steady_clock::now() + StartTimeout;
    std::string line;
    char c = 0;
    while (line.find('\n') == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd readable{pipe, POLLIN, 0};
        const int ready = ::poll(&readable, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0 || ::read(pipe, &c, 1) != 1) {
            break;
        }
        line.push_back(c);
    }
    return line;
}

}  // namespace

TestServerProcess::TestServerProcess(const std::vector<std::string>& faults, const std::string& fixture)
{
    std::vector<std::string> arguments = {QUENLARK_TEST_SERVER_PATH, "--fixture", fixture, "--port", "0"};
    for (const std::string& fault : faults) {
        arguments.push_back("--fault");
        arguments.push_back(fault);
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "test server: no pipe";
        return;
    }
    const pid_t parent = ::getpid();
    m_pid = ::fork();
    if (m_pid == 0) {
        // A test that crashes must not leave its server running: the server
        // would hold CTest's output pipe open until the test's time-out.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) {
            ::_exit(127);
        }
        ::dup2(output[1], STDOUT_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(output[1]);
    if (m_pid < 0) {
        ::close(output[0]);
        ADD_FAILURE() << "test server: fork failed";
        return;
    }

    const std::string line = ReadFirstLine(output[0]);
    ::close(output[0]);
    const std::string prefix = "listening on 127.0.0.1:";
    const std::size_t colon = line.rfind(':');
    const long port = line.rfind(prefix, 0) == 0 ? std::strtol(line.c_str() + colon + 1, nullptr, 10) : 0;
    if (port <= 0 || port > 65535) {
        ADD_FAILURE() << "test server " << QUENLARK_TEST_SERVER_PATH << " with " << fixture
                      << " did not report a port within " << StartTimeout.count() << " s; it printed \"" << line
                      << "\" (its reason, if any, is on standard error)";
        stop();
        return;
    }
    m_port = static_cast<unsigned short>(port);
}

TestServerProcess::~TestServerProcess()
{
    stop();
}

int TestServerProcess::stop()
{
    if (m_pid <= 0) {
        return -1;
    }
    ::kill(m_pid, SIGTERM);
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    m_port = 0;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string TestServerProcess::FixturePath(const std::string& name)
{
    return std::string(QUENLARK_TEST_SERVER_FIXTURES_DIR) + "/" + name;
}

}  // namespace testsupport
