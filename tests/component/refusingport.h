#pragma once

namespace componenttest {

// A port of 127.0.0.1 that refuses every connection while the object lives:
// a socket is bound to it and never listens.
class RefusingPort
{
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    int port() const { return m_port; }

private:
    int m_socket = -1;
    int m_port = 0;
};

}  // namespace componenttest
