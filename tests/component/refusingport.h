#pragma once

#include "tests/support/loopbacksocket.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace componenttest {

// A port of 127.0.0.1 that refuses every connection while the object lives:
// a socket is bound to it and never listens.
class RefusingPort
{
public:
    RefusingPort()
    {
        m_socket = testsupport::BindLoopbackSocket(m_port);
        if (m_socket < 0) {
            ADD_FAILURE() << "no port to refuse connections on";
        }
    }
    ~RefusingPort()
    {
        if (m_socket >= 0) {
            ::close(m_socket);
        }
    }
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    int port() const { return m_port; }

private:
    int m_socket = -1;
    int m_port = 0;
};

}  // namespace componenttest
