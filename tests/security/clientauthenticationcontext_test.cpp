#include "library/common/clock.h"
#include "library/security/builtinkeys.h"
#include "library/security/clientauthenticationcontext.h"
#include "library/security/hash.h"
#include "tests/security/testkeys.h"
#include "tests/support/acelogcapture.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "user3.pb.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <google/protobuf/util/message_differencer.h>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Reply = zarv::data::AuthenticateUserReply;
using Request = zarv::data::AuthenticateUserRequest;
using User = zarv::data::User;
using google::protobuf::util::MessageDifferencer;

boost::posix_time::ptime Utc(const char* text)
{
    return boost::posix_time::time_from_string(text);
}

// Sets the reply's value "encrypted_<stem>" and its length field the way the
// server does: the text encrypted with the given public key.
void SetValue(Reply& reply,
              const std::string& stem,
              const std::string& text,
              const std::string& publicKeyPem = testkeys::ClientPublicKeyPem())
{
    const auto* descriptor = reply.GetDescriptor();
    const auto* bytesField = descriptor->FindFieldByName("encrypted_" + stem);
    const auto* lengthField = descriptor->FindFieldByName("encrypted_" + stem + "_len");
    ASSERT_TRUE(bytesField && lengthField) << stem;
    const std::string cipherText = testkeys::RsaEncrypt(publicKeyPem, text);
    reply.GetReflection()->SetString(&reply, bytesField, cipherText);
    reply.GetReflection()->SetInt32(&reply, lengthField, static_cast<int>(cipherText.size()));
}

const std::string StoredPassword = "00112233445566778899AABBCCDDEEFF56C983FD9D53327F79634F3996DE241B";

// The server's values for a successful log-on, in reply order.
const std::vector<std::pair<std::string, std::string>> ServerValues = {
    {"server_time_stamp", "2024-05-01 12:30:46.123456"},
    {"encryption_key", "0x00112233445566778899AABBCCDDEEFF"},
    {"session_id", "4711"},
    {"user_id", "42"},
    {"user_group_id", "7"},
    {"user_name", "alice"},
    {"user_last_name", "Liddell"},
    {"user_first_name", "Alice"},
    {"user_middle_name", ""},
    {"user_description", "Tester"},
    {"user_properties", "3"},
    {"user_creation_date", "2020-01-02 03:04:05"},
    {"active", "8191"},
    {"active_region", "Europe/Berlin"},
    {"active_from", "08:00:00"},
    {"active_to", "18:00:00"},
    {"audits", "1023"},
    {"password", StoredPassword},
    {"permissions", "-1"},
    {"session_duration", "3600"},
    {"expiration_date", "2030-12-31 23:59:59"},
    {"expiration_action", "2"},
    {"user_security_descriptor_password_length", "64"},
    {"user_folder_id", "100"},
    {"user_message_folder_id", "200"},
};

Reply MakeReply(const std::string& publicKeyPem = testkeys::ClientPublicKeyPem())
{
    Reply reply;
    reply.set_user_name_found(true);
    reply.set_user_password_decoded(true);
    reply.set_user_session_inserted(true);
    for (const auto& [stem, text] : ServerValues) {
        SetValue(reply, stem, text, publicKeyPem);
    }
    return reply;
}

User ExpectedUser()
{
    User user;
    user.set_user_id(42);
    user.set_user_group_id(7);
    user.set_user_name("alice");
    user.set_user_last_name("Liddell");
    user.set_user_first_name("Alice");
    user.set_user_middle_name("");
    user.set_user_description("Tester");
    user.set_user_properties(3);
    user.set_user_creation_date("2020-01-02 03:04:05");
    zarv::data::SecurityDescriptor* descriptor = user.mutable_user_security_descriptor();
    descriptor->set_active(8191);
    descriptor->set_active_region("Europe/Berlin");
    descriptor->set_active_from("08:00:00");
    descriptor->set_active_to("18:00:00");
    descriptor->set_audits(1023);
    descriptor->set_password(StoredPassword);
    descriptor->set_permissions(-1);
    descriptor->set_session_duration(3600);
    descriptor->set_expiration_date("2030-12-31 23:59:59");
    descriptor->set_expiration_action(2);
    user.set_user_security_descriptor_password_length(64);
    user.set_user_folder_id(100);
    user.set_user_message_folder_id(200);
    return user;
}

class ClientAuthentication : public testing::Test
{
protected:
    static void SetUpTestSuite() { s_goodReply = new Reply(MakeReply()); }
    static void TearDownTestSuite()
    {
        delete s_goodReply;
        s_goodReply = nullptr;
    }

    const Reply& goodReply() const { return *s_goodReply; }

    void expectSession(const ClientAuthenticationContext& context,
                       const std::string& timestamp,
                       const std::string& key,
                       const std::string& sessionId) const
    {
        EXPECT_EQ(timestamp, context.getDecryptedServerTimestamp());
        EXPECT_EQ(key, context.getDecryptedServerEncryptionKey());
        EXPECT_EQ(sessionId, context.getDecryptedServerSessionId());
    }

    testkeys::KeyEnvironment environment;  // the three key variables unset
    common::FixedClock clock{Utc("2024-05-01 12:30:45.678")};

private:
    static Reply* s_goodReply;
};

Reply* ClientAuthentication::s_goodReply = nullptr;

TEST_F(ClientAuthentication, RequestCarriesBothHashesAndAFreshTimeStampForTheServer)
{
    ClientAuthenticationContext context;
    context.setUserNameHash(HashUserName("alice"));
    context.setUserPasswordHash(HashPassword("secret"));

    const std::string serverKey = testkeys::ServerPrivateKeyPem();
    const struct
    {
        const char* now;
        const char* timestamp;
    } logOns[] = {
        {"2024-05-01 12:30:45.678", "2024-05-01T12:30:45"},
        {"2024-05-01 12:31:07", "2024-05-01T12:31:07"},
    };
    for (const auto& logOn : logOns) {
        SCOPED_TRACE(logOn.now);
        clock.set(Utc(logOn.now));
        Request request;
        ASSERT_EQ(AUTH_CODE_SUCCESS, context.encryptRequest(request));
        EXPECT_EQ(256u, request.encrypted_user_name().size());
        EXPECT_EQ(256, request.encrypted_user_name_len());
        EXPECT_EQ(256u, request.encrypted_user_password().size());
        EXPECT_EQ(256, request.encrypted_user_password_len());
        EXPECT_EQ(256u, request.encrypted_client_time_stamp().size());
        EXPECT_EQ(256, request.encrypted_client_time_stamp_len());
        EXPECT_EQ(HashUserName("alice"), testkeys::RsaDecrypt(serverKey, request.encrypted_user_name()));
        EXPECT_EQ(HashPassword("secret"), testkeys::RsaDecrypt(serverKey, request.encrypted_user_password()));
        EXPECT_EQ(logOn.timestamp, testkeys::RsaDecrypt(serverKey, request.encrypted_client_time_stamp()));
        EXPECT_EQ(logOn.timestamp, context.getClientTimestamp());
    }
}

TEST_F(ClientAuthentication, FailedEncryptionLeavesTheRequestAsItWas)
{
    ClientAuthenticationContext context;
    context.setUserNameHash(HashUserName("alice"));
    context.setUserPasswordHash(HashPassword("secret"));
    Request request;
    ASSERT_EQ(AUTH_CODE_SUCCESS, context.encryptRequest(request));
    const Request before = request;

    // The user name still encrypts; the password text is too long for the key.
    context.setUserPasswordHash(std::string(246, 'A'));
    EXPECT_EQ(AUTH_CODE_ENCRYPTION_ERROR, context.encryptRequest(request));
    EXPECT_TRUE(MessageDifferencer::Equals(before, request));

    Request empty;
    EXPECT_EQ(AUTH_CODE_ENCRYPTION_ERROR, context.encryptRequest(empty));
    EXPECT_EQ(0u, empty.ByteSizeLong());
}

TEST_F(ClientAuthentication, ReplyFillsTheUserAndTheSessionTexts)
{
    ClientAuthenticationContext context;
    User user;
    ASSERT_EQ(AUTH_CODE_SUCCESS, context.decryptReply(goodReply(), user));
    EXPECT_TRUE(MessageDifferencer::Equals(ExpectedUser(), user)) << user.DebugString();
    EXPECT_EQ(User::kUserMiddleName, user.user_middle_name_enum_case());
    expectSession(context, "2024-05-01 12:30:46.123456", "0x00112233445566778899AABBCCDDEEFF", "4711");

    // The two leading key characters are not read; the digits may be lower case.
    Reply reply = goodReply();
    SetValue(reply, "encryption_key", "zz00112233445566778899aabbccddeeff");
    ASSERT_EQ(AUTH_CODE_SUCCESS, context.decryptReply(reply, user));
    EXPECT_EQ("zz00112233445566778899aabbccddeeff", context.getDecryptedServerEncryptionKey());
}

TEST_F(ClientAuthentication, NumbersAreReadAsDecimalIntsWithTheirLeadAndTail)
{
    const struct
    {
        const char* text;
        int value;
    } cases[] = {
        {"42abc", 42},
        {" -7", -7},
        {"\t+15", 15},
        {"\n\v\f\r 8 ", 8},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
    };
    ClientAuthenticationContext context;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Reply reply = goodReply();
        SetValue(reply, "user_id", c.text);
        SetValue(reply, "session_id", c.text);
        User user;
        ASSERT_EQ(AUTH_CODE_SUCCESS, context.decryptReply(reply, user));
        EXPECT_EQ(c.value, user.user_id());
        EXPECT_EQ(c.text, context.getDecryptedServerSessionId());
    }
}

TEST_F(ClientAuthentication, MalformedReplyFailsCleanlyAndChangesNothing)
{
    const auto setText = [](const char* stem, std::string text) {
        return [stem, text](Reply& reply) { SetValue(reply, stem, text); };
    };
    const struct
    {
        const char* name;
        std::function<void(Reply&)> breakReply;
    } cases[] = {
        {"time stamp length 0", [](Reply& r) { r.set_encrypted_server_time_stamp_len(0); }},
        {"key length negative", [](Reply& r) { r.set_encrypted_encryption_key_len(-256); }},
        {"session id length beyond its bytes", [](Reply& r) { r.set_encrypted_session_id_len(257); }},
        {"user id length short of its bytes", [](Reply& r) { r.set_encrypted_user_id_len(255); }},
        {"user name bytes missing", [](Reply& r) { r.clear_encrypted_user_name(); }},
        {"audits cipher text changed", [](Reply& r) { (*r.mutable_encrypted_audits())[100] ^= 0x01; }},
        {"last length 0", [](Reply& r) { r.set_encrypted_user_message_folder_id_len(0); }},
        {"value for another key", [](Reply& r) { SetValue(r, "user_group_id", "7", publicKey); }},
        {"key text of 33 characters", setText("encryption_key", "0x00112233445566778899AABBCCDDEEF")},
        {"key text of 35 characters", setText("encryption_key", "0x00112233445566778899AABBCCDDEEFF0")},
        {"key text with a non-hex digit", setText("encryption_key", "0x00112233445566778899AABBCCDDEEFG")},
        {"key text empty", setText("encryption_key", "")},
        {"session id of letters", setText("session_id", "abc")},
        {"session id empty", setText("session_id", "")},
        {"session id blank", setText("session_id", "   ")},
        {"session id sign alone", setText("session_id", "-")},
        {"session id above int", setText("session_id", "2147483648")},
        {"session id below int", setText("session_id", "-2147483649")},
        {"session id far above int", setText("session_id", "99999999999999999999999")},
        {"user id of letters", setText("user_id", "x42")},
        {"group id above int", setText("user_group_id", "2147483648")},
        {"audits empty", setText("audits", "")},
        {"message folder id sign and letters", setText("user_message_folder_id", "+x")},
    };

    ClientAuthenticationContext context;
    Reply previous = goodReply();
    SetValue(previous, "server_time_stamp", "2024-04-30 08:00:00");
    SetValue(previous, "encryption_key", "--FFEEDDCCBBAA99887766554433221100");
    SetValue(previous, "session_id", "1");
    User previousUser;
    ASSERT_EQ(AUTH_CODE_SUCCESS, context.decryptReply(previous, previousUser));

    User before;
    before.set_user_id(1);
    before.set_user_name("before");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reply reply = goodReply();
        c.breakReply(reply);
        User user = before;
        EXPECT_EQ(AUTH_CODE_DECRYPTION_ERROR, context.decryptReply(reply, user));
        EXPECT_TRUE(MessageDifferencer::Equals(before, user)) << user.DebugString();
        expectSession(context, "2024-04-30 08:00:00", "--FFEEDDCCBBAA99887766554433221100", "1");
    }
}

TEST_F(ClientAuthentication, PreconditionsAreReported)
{
    ClientAuthenticationContext context;
    const struct
    {
        std::function<std::string()> call;
        const char* condition;
    } cases[] = {
        {[&] {
             context.setUserNameHash("");
             return std::string();
         },
         "! userNameHash.empty()"},
        {[&] {
             context.setUserPasswordHash("");
             return std::string();
         },
         "! userPasswordHash.empty()"},
        {[&] { return context.getDecryptedServerTimestamp(); },
         "m_decryptedServerTimestampLen && m_decryptedServerTimestamp"},
        {[&] { return context.getDecryptedServerEncryptionKey(); },
         "m_decryptedServerEncryptionKeyLen && m_decryptedServerEncryptionKey"},
        {[&] { return context.getDecryptedServerSessionId(); },
         "m_decryptedServerSessionIdLen && m_decryptedServerSessionId"},
        {[&] { return context.getClientTimestamp(); }, "boost::posix_time::not_a_date_time != m_timestamp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.condition);
        testsupport::AceLogCapture log;
        EXPECT_EQ("", c.call());
        EXPECT_TRUE(log.contains("file library/security/clientauthenticationcontext,"));
        EXPECT_TRUE(log.contains(std::string("'") + c.condition + "'"));
    }
}

TEST_F(ClientAuthentication, ProcessWideInstanceUsesTheBuiltInKeys)
{
    testsupport::AceLogCapture log;
    auto* context = ACE_Singleton<ClientAuthenticationContext, ACE_Null_Mutex>::instance();
    ASSERT_NE(nullptr, context);
    EXPECT_EQ(context, (ACE_Singleton<ClientAuthenticationContext, ACE_Null_Mutex>::instance()));
    EXPECT_TRUE(log.entries().empty());
    context->setUserNameHash(HashUserName("alice"));
    context->setUserPasswordHash(HashPassword("secret"));
    Request request;
    EXPECT_EQ(AUTH_CODE_SUCCESS, context->encryptRequest(request));
    User user;
    EXPECT_EQ(AUTH_CODE_SUCCESS, context->decryptReply(goodReply(), user));
}

// Key files name the client's private key and the server's public key. Here
// they are the test server's halves, so the context plays the server's part
// of the built-in pairs and the two cannot be confused.
class KeyFiles : public ClientAuthentication
{
protected:
    // Encrypts the request and decrypts a reply made for the key-file pair.
    std::pair<AuthCode, AuthCode> exchange(ClientAuthenticationContext& context) const
    {
        context.setUserNameHash(HashUserName("alice"));
        context.setUserPasswordHash(HashPassword("secret"));
        Request request;
        const AuthCode requestCode = context.encryptRequest(request);
        if (requestCode == AUTH_CODE_SUCCESS) {
            EXPECT_EQ(HashUserName("alice"), testkeys::RsaDecrypt(privateKey, request.encrypted_user_name()));
        }
        User user;
        return {requestCode, context.decryptReply(s_replyForFiles, user)};
    }

    static void SetUpTestSuite()
    {
        ClientAuthentication::SetUpTestSuite();
        s_replyForFiles = MakeReply(publicKey);
    }

    static Reply s_replyForFiles;
};

Reply KeyFiles::s_replyForFiles;

TEST_F(KeyFiles, FilesReplaceTheBuiltInKeys)
{
    const testkeys::TemporaryFile privateKeyFile(testkeys::ServerPrivateKeyPem());
    const testkeys::TemporaryFile publicKeyFile(testkeys::ClientPublicKeyPem());
    environment.setPrivateKeyFile(privateKeyFile.path());
    environment.setPublicKeyFile(publicKeyFile.path());
    testsupport::AceLogCapture log;
    ClientAuthenticationContext context;
    EXPECT_TRUE(log.entries().empty());
    EXPECT_EQ(std::make_pair(AUTH_CODE_SUCCESS, AUTH_CODE_SUCCESS), exchange(context));
    User user;
    EXPECT_EQ(AUTH_CODE_DECRYPTION_ERROR, context.decryptReply(goodReply(), user));
}

TEST_F(KeyFiles, PublicKeyFileAloneKeepsTheBuiltInKeys)
{
    const testkeys::TemporaryFile publicKeyFile("no key here");
    environment.setPublicKeyFile(publicKeyFile.path());
    testsupport::AceLogCapture log;
    ClientAuthenticationContext context;
    EXPECT_TRUE(log.entries().empty());
    User user;
    EXPECT_EQ(AUTH_CODE_SUCCESS, context.decryptReply(goodReply(), user));
}

TEST_F(KeyFiles, UnusableKeyFilesAreReportedAndLeaveTheirKeyOut)
{
    const std::string serverPrivate = testkeys::ServerPrivateKeyPem();
    const std::string encryptedPrivate = testkeys::EncryptedPrivateKeyPem(serverPrivate, "s3cret pass");
    const std::string clientPublic = testkeys::ClientPublicKeyPem();
    const std::string missing = testing::TempDir() + "quenlark-no-such-key.pem";
    const struct
    {
        const char* name;
        std::optional<std::string> privatePem;  // none: a file that does not exist
        std::optional<std::string> publicPem;   // none: the variable is unset
        std::optional<std::string> passphrase;
        bool reported;
        AuthCode requestCode;
        AuthCode replyCode;
    } cases[] = {
        {"passphrase given", encryptedPrivate, clientPublic, "s3cret pass", false, AUTH_CODE_SUCCESS,
         AUTH_CODE_SUCCESS},
        {"no public-key variable", serverPrivate, std::nullopt, std::nullopt, true, AUTH_CODE_CONTEXT_ERROR,
         AUTH_CODE_CONTEXT_ERROR},
        {"public-key file without key", serverPrivate, std::string("no key"), std::nullopt, true,
         AUTH_CODE_CONTEXT_ERROR, AUTH_CODE_CONTEXT_ERROR},
        {"private-key file without key", std::string("no key"), clientPublic, std::nullopt, true, AUTH_CODE_SUCCESS,
         AUTH_CODE_CONTEXT_ERROR},
        {"private-key file missing", std::nullopt, clientPublic, std::nullopt, true, AUTH_CODE_SUCCESS,
         AUTH_CODE_CONTEXT_ERROR},
        {"wrong passphrase", encryptedPrivate, clientPublic, "wrong", true, AUTH_CODE_SUCCESS, AUTH_CODE_CONTEXT_ERROR},
        {"no passphrase for an encrypted key", encryptedPrivate, clientPublic, std::nullopt, true, AUTH_CODE_SUCCESS,
         AUTH_CODE_CONTEXT_ERROR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testkeys::KeyEnvironment scoped;
        std::optional<testkeys::TemporaryFile> privateKeyFile;
        std::optional<testkeys::TemporaryFile> publicKeyFile;
        if (c.privatePem) {
            privateKeyFile.emplace(*c.privatePem);
        }
        scoped.setPrivateKeyFile(privateKeyFile ? privateKeyFile->path() : missing);
        if (c.publicPem) {
            publicKeyFile.emplace(*c.publicPem);
            scoped.setPublicKeyFile(publicKeyFile->path());
        }
        if (c.passphrase) {
            scoped.setPassphrase(*c.passphrase);
        }
        testsupport::AceLogCapture log;
        ClientAuthenticationContext context;
        EXPECT_EQ(c.reported, log.contains("'AUTH_CODE_SUCCESS == authCode'"));
        EXPECT_EQ(std::make_pair(c.requestCode, c.replyCode), exchange(context));
    }
}

}  // namespace
