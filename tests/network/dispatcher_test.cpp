#include "library/common/codes.h"
#include "library/network/messagedispatcher.h"
#include "library/network/port.h"
#include "library/security/aesgcm.h"
#include "library/security/cryptographer.h"
#include "tests/network/dispatcherfixture.h"
#include "tests/network/peers.h"
#include "tests/support/acelogcapture.h"
#include "tests/support/wireframe.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

namespace {

using namespace wireframe;
using networktest::SessionKey;
using networktest::UnchangedSessionId;
using testsupport::AceLogCapture;

using Dispatcher = networktest::DispatcherTest;

// The payload of a captured request, decrypted under the key.
std::string RequestPayload(const std::string& request, const unsigned char* key)
{
    std::string payload(request.size() - 112, '\0');
    const int result = AesGcmDecrypt(reinterpret_cast<const unsigned char*>(request.data() + 112), payload.data(),
                                     payload.size(), key, reinterpret_cast<const unsigned char*>(request.data() + 80),
                                     reinterpret_cast<const unsigned char*>(request.data() + 96));
    return result < 0 ? "<does not decrypt>" : payload;
}

TEST(DispatcherStatics, PortsFrom1024To65535AreValid)
{
    const struct
    {
        int port;
        bool valid;
    } cases[] = {{-1, false},  {0, false},   {80, false},   {1023, false},
                 {1024, true}, {8443, true}, {65535, true}, {65536, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port);
        EXPECT_EQ(c.valid, network::IsValidPort(c.port));
        AceLogCapture log;
        MessageDispatcher::setServerPort(4000);
        MessageDispatcher::setServerPort(c.port);
        EXPECT_EQ(c.valid ? c.port : 4000, MessageDispatcher::getServerPort());
        EXPECT_EQ(!c.valid, log.contains("network::IsValidPort(port)"));
    }
}

TEST(DispatcherStatics, EmptyServerNameIsReportedAndStored)
{
    AceLogCapture log;
    MessageDispatcher::setServerName("server.example");
    EXPECT_FALSE(log.contains("!name.empty()"));
    MessageDispatcher::setServerName("");
    EXPECT_TRUE(log.contains("library/network/messagedispatcher"));
    EXPECT_TRUE(log.contains("!name.empty()"));
    EXPECT_EQ("", MessageDispatcher::getServerName());
}

TEST_F(Dispatcher, UndispatchedHasUnsetCodesAndNoReply)
{
    MessageDispatcher dispatcher(common::SelectDictionary, common::Untagged, "request");
    EXPECT_EQ(common::UnsetEr, dispatcher.getMajorErcode());
    EXPECT_EQ(common::UnsetEr, dispatcher.getMinorErcode());
    EXPECT_FALSE(dispatcher.noEr());
    EXPECT_EQ("", dispatcher.getReply());
}

TEST_F(Dispatcher, RequestCarriesTheCodesTheSessionAndACopyOfThePayloadUnderTheSessionKey)
{
    peers::LoopbackPeer peer({Reply().codes(0, 0).session(7).encrypted("first reply", SessionKey).bytes(),
                              Reply().codes(0, 0).session(8).bytes()});
    usePort(peer.port());
    useSessionKey();
    MessageDispatcher::setSessionId(INT_MIN);

    // The request string is gone before the exchange: the dispatcher keeps its own copy.
    auto first = std::make_unique<MessageDispatcher>(common::SelectDocument, -5, std::string("first request payload"));
    ASSERT_TRUE(first->dispatch());
    EXPECT_EQ("first reply", first->getReply());
    EXPECT_TRUE(first->noEr());
    EXPECT_EQ(7, MessageDispatcher::getSessionId());

    MessageDispatcher second(common::SelectDictionary, common::Untagged, "");
    ASSERT_TRUE(second.dispatch());
    EXPECT_EQ("", second.getReply());
    EXPECT_EQ(8, MessageDispatcher::getSessionId());

    const std::vector<std::string> requests = peer.requests();
    ASSERT_EQ(2u, requests.size());
    ASSERT_EQ(112u + 21u, requests[0].size());
    const Fields firstHeader = DecodeLittleEndian(requests[0]);
    EXPECT_EQ(0x80000000u, firstHeader[SessionId]);
    EXPECT_EQ(37u, firstHeader[MajorOpcode]);
    EXPECT_EQ(static_cast<std::uint32_t>(-5), firstHeader[MinorOpcode]);
    EXPECT_EQ("first request payload", RequestPayload(requests[0], SessionKey));

    ASSERT_EQ(112u, requests[1].size());
    const Fields secondHeader = DecodeLittleEndian(requests[1]);
    EXPECT_EQ(7u, secondHeader[SessionId]);
    EXPECT_EQ(35u, secondHeader[MajorOpcode]);
    EXPECT_EQ(1u, secondHeader[MinorOpcode]);
}

TEST_F(Dispatcher, SessionKeyIsReadAfreshForEveryFrame)
{
    peers::LoopbackPeer peer({Reply().codes(0, 0).encrypted("under the zero key").bytes()});
    usePort(peer.port());
    MessageDispatcher zeroKey(common::SelectDictionary, common::Untagged, "request");
    ASSERT_TRUE(zeroKey.dispatch());
    EXPECT_EQ("under the zero key", zeroKey.getReply());

    useSessionKey();
    MessageDispatcher sessionKey(common::SelectDictionary, common::Untagged, "request");
    EXPECT_FALSE(sessionKey.dispatch());
    EXPECT_EQ(common::UnsetEr, sessionKey.getMajorErcode());

    const unsigned char zero[16] = {};
    EXPECT_EQ("request", RequestPayload(peer.requests().at(0), zero));
    EXPECT_EQ("request", RequestPayload(peer.requests().at(1), SessionKey));
}

TEST_F(Dispatcher, ServerIsFoundByHostName)
{
    peers::LoopbackPeer peer({Reply().codes(0, 0).bytes()});
    MessageDispatcher::setServerName("localhost");
    MessageDispatcher::setServerPort(peer.port());
    MessageDispatcher dispatcher(common::SelectDictionary, common::Untagged, "");
    EXPECT_TRUE(dispatcher.dispatch());
    EXPECT_TRUE(dispatcher.noEr());
}

}  // namespace
