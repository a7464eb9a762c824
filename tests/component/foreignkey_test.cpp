// A log-on whose reply the client cannot decrypt: this program's client holds
// a private key of its own instead of the built-in one, while the test server
// encrypts its replies for the built-in one. The keys are named through the
// environment before the log-on context is first made, which is why this test
// is a program of its own.

#include "library/common/codes.h"
#include "library/network/messagechannel.h"
#include "library/network/messagedispatcher.h"
#include "library/security/builtinkeys.h"
#include "product/client/component/servercomponent.h"
#include "tests/component/servertestsupport.h"
#include "tests/support/testserverprocess.h"

#include <QTemporaryDir>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

using componenttest::CurrentSession;
using componenttest::Reply;
using componenttest::ReplyCollector;
using componenttest::SentinelSession;

class ForeignClientKeyEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_directory.isValid());
        const std::string privateKeyFile = m_directory.filePath("client-private-key.pem").toStdString();
        const std::string publicKeyFile = m_directory.filePath("server-public-key.pem").toStdString();

        const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(EVP_RSA_gen(2048), &EVP_PKEY_free);
        ASSERT_TRUE(key);
        const std::unique_ptr<FILE, decltype(&std::fclose)> file(std::fopen(privateKeyFile.c_str(), "w"), &std::fclose);
        ASSERT_TRUE(file);
        ASSERT_EQ(1, PEM_write_PrivateKey(file.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr));
        std::ofstream(publicKeyFile) << publicKey;

        setenv("QUENLARK_CLIENT_PRIVATE_KEY_FILE", privateKeyFile.c_str(), 1);
        setenv("QUENLARK_SERVER_PUBLIC_KEY_FILE", publicKeyFile.c_str(), 1);
        unsetenv("QUENLARK_CLIENT_PRIVATE_KEY_PASSPHRASE");
    }

private:
    QTemporaryDir m_directory;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ForeignClientKeyEnvironment);

TEST(ForeignClientKeyTest, ALogOnReplyThatDoesNotDecryptInstallsNothingAndIsAnError)
{
    testsupport::TestServerProcess server;
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(server.port());
    MessageDispatcher::setTimeout(std::chrono::seconds(5));
    componenttest::InstallSentinelSession();
    ServerComponent serverComponent(nullptr);
    ReplyCollector collector(serverComponent);

    const std::string request = componenttest::LogonRequest("ada", "ada-secret");
    serverComponent.receiveRequest(common::AuthenticateUser, common::Untagged, request);

    ASSERT_EQ(collector.replies().size(), 1u);
    const Reply& reply = collector.replies().front();
    EXPECT_EQ(reply.request, request);
    EXPECT_EQ(reply.majorErcode, common::ServiceDecryptionAuthenticationEr);
    EXPECT_EQ(reply.minorErcode, 1);
    // The server did open a session: the reply is the one it sent.
    EXPECT_FALSE(reply.reply.empty());
    EXPECT_EQ(CurrentSession(), SentinelSession());
    MessageDispatcher::setTimeout(MessageChannel::m_DefaultTimeout);
}

}  // namespace
