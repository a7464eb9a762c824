#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace testsupport {

// Runs the project's test server (quenlark-test-server) for one test: starts
// it on a free port of 127.0.0.1 with a fixture and fault modes, waits a
// bounded time for the port it prints, and stops it (SIGTERM) on destruction.
// A server that does not come up fails the current test with the reason;
// port() is then 0.
class TestServerProcess
{
public:
    // `faults` as on the command line without "--fault": "flip-tag",
    // "error-codes=2,1"...
    explicit TestServerProcess(const std::vector<std::string>& faults = {},
                               const std::string& fixture = FixturePath("test.textproto"));
    ~TestServerProcess();
    TestServerProcess(const TestServerProcess&) = delete;
    TestServerProcess& operator=(const TestServerProcess&) = delete;

    unsigned short port() const { return m_port; }

    // Stops the server and returns its exit status (-1 when it was not
    // running or did not exit normally).
    int stop();

    // A fixture of product/testserver/fixtures.
    static std::string FixturePath(const std::string& name);

private:
    pid_t m_pid = -1;
    unsigned short m_port = 0;
};

}  // namespace testsupport
