#pragma once

#include "library/network/messagechannel.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace networktest {

// A session key for tests that run a session of their own.
inline const unsigned char SessionKey[16] = {0x3C, 0x11, 0x8E, 0x47, 0x02, 0xF5, 0x6A, 0x90,
                                             0xD3, 0x28, 0xB1, 0x7E, 0x55, 0xC4, 0x09, 0xEB};

// The session id that a failed exchange must leave in place.
constexpr int UnchangedSessionId = 424242;

// Resets the dispatcher's statics and the session key around each test.
class DispatcherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cryptographer().clear();
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setSessionId(UnchangedSessionId);
        MessageDispatcher::setSessionCreationDate("");
        MessageDispatcher::setTimeout(std::chrono::seconds(5));
    }

    void TearDown() override
    {
        cryptographer().clear();
        MessageDispatcher::setTimeout(MessageChannel::m_DefaultTimeout);
    }

    static Cryptographer& cryptographer() { return *ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance(); }

    static void usePort(int port) { MessageDispatcher::setServerPort(port); }

    static void useSessionKey() { std::copy(std::begin(SessionKey), std::end(SessionKey), cryptographer().getEkey()); }
};

}  // namespace networktest
