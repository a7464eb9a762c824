#pragma once

// Gwen's session with the test server over fixtures/usergroups.textproto:
// session 10001 under its key, her record in the Registry, as a log-on
// leaves them. Gwen (10001) owns the user groups Friends (Hal, Kim and
// herself) and Empty; the home group Crew holds Gwen, Hal, Ivy and Jon, Board
// holds Gwen, Ivy and Kim; her home folder 10100 holds Alpha (which holds Beta,
// which holds Gamma) and Delta.

#include "library/core/lib/registry.h"
#include "library/network/messagechannel.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "tests/support/temporarysettingsstore.h"
#include "tests/support/testserverprocess.h"

#include "user3.pb.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace usergrouptest {

constexpr int Gwen = 10001;
constexpr int Hal = 10002;
constexpr int Ivy = 10003;
constexpr int Jon = 10004;
constexpr int Kim = 10005;
constexpr int Crew = 10010;
constexpr int Friends = 10020;
constexpr int Empty = 10021;
constexpr int HalsCircle = 10022;
constexpr int HomeFolder = 10100;

class GwenSession : public ::testing::Test
{
protected:
    void TearDown() override
    {
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->clear();
        MessageDispatcher::setSessionId(INT_MIN);
        MessageDispatcher::setTimeout(MessageChannel::m_DefaultTimeout);
    }

    // Starts a server (with fault modes, if any) and opens Gwen's session.
    // Windows keep their geometry in a settings store of the program's own.
    void startServer(const std::vector<std::string>& faults = {})
    {
        static testsupport::TemporarySettingsStore settings(QStringLiteral("usergroups_tests"));
        m_server.reset();
        m_server.emplace(faults, testsupport::TestServerProcess::FixturePath("usergroups.textproto"));
        ASSERT_NE(m_server->port(), 0);
        static const unsigned char key[16] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                                              0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};
        std::copy(std::begin(key), std::end(key), ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server->port());
        MessageDispatcher::setSessionId(Gwen);
        MessageDispatcher::setTimeout(std::chrono::seconds(5));
        zarv::data::User gwen;
        gwen.set_user_id(Gwen);
        gwen.set_user_first_name("Gwen");
        gwen.set_user_last_name("Harper");
        gwen.set_user_folder_id(HomeFolder);
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(gwen);
    }

    std::optional<testsupport::TestServerProcess> m_server;
};

}  // namespace usergrouptest
