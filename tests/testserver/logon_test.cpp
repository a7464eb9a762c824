// The log-on exchange against the running server, read with the client's own
// log-on code.

#include "tests/support/testserverprocess.h"
#include "tests/testserver/rawclient.h"

#include "library/security/clientauthenticationcontext.h"
#include "library/security/hash.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"
#include "user3.pb.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using namespace rawclient;
using testsupport::TestServerProcess;

struct LogOnResult
{
    std::string frame;
    zarv::data::AuthenticateUserReply reply;
};

LogOnResult
LogOn(const TestServerProcess& server, const std::string& name, const std::string& password, int sessionId = INT_MIN)
{
    LogOnResult result;
    result.frame = Exchange(server.port(), LogOnRequest(name, password, sessionId));
    const std::optional<std::string> payload = Decrypt(result.frame, ZeroKey);
    EXPECT_TRUE(payload) << "the log-on reply travels under the all-zero key";
    EXPECT_TRUE(payload && result.reply.ParseFromString(*payload));
    return result;
}

// The 16 session-key bytes from the reply's key text.
Key SessionKey(const std::string& keyText)
{
    Key key{};
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<unsigned char>(std::stoi(keyText.substr(2 + 2 * i, 2), nullptr, 16));
    }
    return key;
}

TEST(TestServerLogOn, RightNameAndPasswordOpenASessionUnderAFreshKey)
{
    TestServerProcess server;
    const LogOnResult result = LogOn(server, "ada", "ada-secret");

    EXPECT_EQ(3, SignedField(result.frame, MajorOpcode));
    EXPECT_EQ(1, SignedField(result.frame, MinorOpcode));
    EXPECT_EQ(0, SignedField(result.frame, MajorErcode));
    EXPECT_EQ(0, SignedField(result.frame, MinorErcode));
    EXPECT_TRUE(result.reply.user_name_found());
    EXPECT_TRUE(result.reply.user_password_decoded());
    EXPECT_TRUE(result.reply.user_session_inserted());
    EXPECT_EQ(256, result.reply.encrypted_user_message_folder_id_len());

    ClientAuthenticationContext context;
    zarv::data::User user;
    ASSERT_EQ(AUTH_CODE_SUCCESS, context.decryptReply(result.reply, user));
    const std::string keyText = context.getDecryptedServerEncryptionKey();
    ASSERT_EQ(34u, keyText.size());
    EXPECT_EQ(std::to_string(SignedField(result.frame, SessionId)), context.getDecryptedServerSessionId());
    EXPECT_GT(SignedField(result.frame, SessionId), 0);
    EXPECT_EQ(26u, context.getDecryptedServerTimestamp().size()) << context.getDecryptedServerTimestamp();

    EXPECT_EQ(1, user.user_id());
    EXPECT_EQ(10, user.user_group_id());
    EXPECT_EQ(HashUserName("ada"), user.user_name());
    EXPECT_EQ("Lovelace", user.user_last_name());
    EXPECT_EQ("Ada", user.user_first_name());
    EXPECT_TRUE(user.has_user_middle_name());
    EXPECT_EQ("", user.user_middle_name());
    EXPECT_EQ("2024-01-02 03:04:05", user.user_creation_date());
    EXPECT_EQ(1048575, user.user_security_descriptor().active());
    EXPECT_EQ("Europe/London", user.user_security_descriptor().active_region());
    EXPECT_EQ(2046, user.user_security_descriptor().audits());
    EXPECT_TRUE(DecodePassword(HashPassword("ada-secret"), user.user_security_descriptor().password()));
    EXPECT_EQ(10, user.user_security_descriptor_password_length());
    EXPECT_EQ(100, user.user_folder_id());
    EXPECT_EQ(200, user.user_message_folder_id());

    // The next request travels under the new key and session id.
    const Key key = SessionKey(keyText);
    zarv::data::SelectDictionaryRequest select;
    select.set_dictionary_user_id(1);
    const std::string frame =
        Exchange(server.port(), Request(35, 1, SignedField(result.frame, SessionId), select.SerializeAsString(), key));
    EXPECT_EQ(0, SignedField(frame, MajorErcode));
    EXPECT_EQ(SignedField(result.frame, SessionId), SignedField(frame, SessionId));
    zarv::data::SelectDictionaryReply words;
    ASSERT_TRUE(words.ParseFromString(Decrypt(frame, key).value_or("?")));
    ASSERT_EQ(2, words.dictionary_size());
    EXPECT_EQ("Quenlark", words.dictionary(0).dictionary_word());
}

TEST(TestServerLogOn, ColumnsOutsideAsciiAndNegativeNumbersArriveIntact)
{
    TestServerProcess server;
    const LogOnResult result = LogOn(server, "Cléo Ünicode", "pässwörd");
    ClientAuthenticationContext context;
    zarv::data::User user;
    ASSERT_EQ(AUTH_CODE_SUCCESS, context.decryptReply(result.reply, user));
    EXPECT_EQ(INT_MIN, user.user_group_id());
    EXPECT_EQ("Dupré", user.user_last_name());
    EXPECT_EQ("Cléo", user.user_first_name());
    EXPECT_EQ("Marie", user.user_middle_name());
    EXPECT_EQ(-7, user.user_properties());
    const zarv::data::SecurityDescriptor& descriptor = user.user_security_descriptor();
    EXPECT_EQ(-1, descriptor.active());
    EXPECT_EQ("08:00:00", descriptor.active_from());
    EXPECT_EQ("17:30:00", descriptor.active_to());
    EXPECT_EQ(2097150, descriptor.audits());
    EXPECT_EQ(4035, descriptor.permissions());
    EXPECT_EQ(5400, descriptor.session_duration());
    EXPECT_EQ("2030-06-30 12:00:00", descriptor.expiration_date());
    EXPECT_EQ(1, descriptor.expiration_action());
    EXPECT_EQ(0, user.user_security_descriptor_password_length());
}

TEST(TestServerLogOn, EveryLogOnGetsItsOwnSession)
{
    TestServerProcess server;
    const LogOnResult first = LogOn(server, "bert", "bert-secret");
    // A client that logged off keeps its old session id; the log-on still works.
    const LogOnResult second = LogOn(server, "bert", "bert-secret", SignedField(first.frame, SessionId));
    ClientAuthenticationContext context;
    zarv::data::User user;
    ASSERT_EQ(AUTH_CODE_SUCCESS, context.decryptReply(first.reply, user));
    const std::string firstKey = context.getDecryptedServerEncryptionKey();
    ASSERT_EQ(AUTH_CODE_SUCCESS, context.decryptReply(second.reply, user));
    EXPECT_NE(firstKey, context.getDecryptedServerEncryptionKey());
    EXPECT_NE(SignedField(first.frame, SessionId), SignedField(second.frame, SessionId));
    EXPECT_EQ("", user.user_middle_name());
}

TEST(TestServerLogOn, WrongNameOrPasswordIsRefusedWithHowFarItCame)
{
    struct Case
    {
        const char* name;
        const char* password;
        int ercode;
        bool nameFound;
    };
    TestServerProcess server;
    for (const Case& refused : {Case{"nobody", "ada-secret", 90, false}, Case{"ADA", "ada-secret", 90, false},
                                Case{"ada ", "ada-secret", 90, false}, Case{"ada", "wrong", 63, true},
                                Case{"ada", "", 63, true}, Case{"ada", "bert-secret", 63, true}}) {
        SCOPED_TRACE(std::string(refused.name) + " / " + refused.password);
        const LogOnResult result = LogOn(server, refused.name, refused.password);
        EXPECT_EQ(refused.ercode, SignedField(result.frame, MajorErcode));
        EXPECT_EQ(0, SignedField(result.frame, MinorErcode));
        EXPECT_EQ(INT_MIN, SignedField(result.frame, SessionId));
        EXPECT_EQ(refused.nameFound, result.reply.user_name_found());
        EXPECT_FALSE(result.reply.user_password_decoded());
        EXPECT_FALSE(result.reply.user_session_inserted());
        EXPECT_TRUE(result.reply.encrypted_encryption_key().empty());
    }
}

TEST(TestServerLogOn, RequestsThatCannotBeReadAreRefused)
{
    TestServerProcess server;

    // Fields that are not cipher texts of the server's key.
    const std::string good = Decrypt(LogOnRequest("ada", "ada-secret"), ZeroKey).value();
    std::string forged = good;
    forged[10] = static_cast<char>(forged[10] ^ 0x40);
    std::string frame = Exchange(server.port(), Request(3, 1, INT_MIN, forged, ZeroKey));
    // An RSA library with implicit rejection decrypts a forged field to noise,
    // which then names no user.
    EXPECT_THAT(SignedField(frame, MajorErcode), ::testing::AnyOf(80, 90));

    // A length beyond its bytes field.
    zarv::data::AuthenticateUserRequest request;
    ASSERT_TRUE(request.ParseFromString(good));
    request.set_encrypted_user_name_len(request.encrypted_user_name_len() + 1);
    frame = Exchange(server.port(), Request(3, 1, INT_MIN, request.SerializeAsString(), ZeroKey));
    EXPECT_EQ(80, SignedField(frame, MajorErcode));

    // Not a log-on request at all.
    frame = Exchange(server.port(), Request(3, 1, INT_MIN, std::string("\xFF\xFF\xFF", 3), ZeroKey));
    EXPECT_EQ(9, SignedField(frame, MajorErcode));

    // Encrypted under another key than the all-zero one.
    frame = Exchange(server.port(), Request(3, 1, INT_MIN, good, OpenSessionKey));
    EXPECT_EQ(80, SignedField(frame, MajorErcode));
    EXPECT_EQ(0u, Field(frame, CodeLength));
}

}  // namespace
