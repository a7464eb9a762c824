#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "dictionary3.pb.h"
#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "documentkeys3.pb.h"
#include "documents3.pb.h"
#include "documentwebpage3.pb.h"
#include "folderkey3.pb.h"
#include "message3.pb.h"
#include "messagedocument3.pb.h"
#include "messagefolder3.pb.h"
#include "securitydescriptor3.pb.h"
#include "sqldiagrec3.pb.h"
#include "user3.pb.h"
#include "usergroupuser3.pb.h"

#include <google/protobuf/stubs/logging.h>
#include <google/protobuf/util/message_differencer.h>
#include "tests/proto/messagefactory.h"
#include "tests/support/hexbytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using google::protobuf::util::MessageDifferencer;
using prototest::Build;
using prototest::Empty;
using prototest::MessageFactory;
using prototest::MessagePtr;

struct WireExample
{
    const char* what;
    MessageFactory build;
    const char* bytes;
};

const std::vector<WireExample>& WireExamples()
{
    using namespace zarv::data;
    static const std::vector<WireExample> examples = {
        {"nothing set", Empty<Message>(), ""},
        {"message id 0 is present", Build<Message>([](Message& m) { m.set_message_id(0); }), "C0 3E 00"},
        {"message null id", Build<Message>([](Message& m) { m.set_message_id(INT_MIN); }), "C0 3E FF FF FF FF 0F"},
        {"document null id", Build<Document>([](Document& d) { d.set_document_id(INT_MIN); }), "C0 3E FF FF FF FF 0F"},
        {"parent id is the root id", Build<Message>([](Message& m) { m.set_message_parent_id(INT_MIN + 1); }),
         "B0 40 FD FF FF FF 0F"},
        {"active with bit 31 travels negative",
         Build<SecurityDescriptor>([](SecurityDescriptor& s) { s.set_active(static_cast<int>(0x80000001u)); }),
         "C0 3E FD FF FF FF 0F"},
        {"present empty document name", Build<Document>([](Document& d) { d.set_document_name(""); }), "B2 40 00"},
        {"recipient flag false is present", Build<Message>([](Message& m) { m.set_message_user_is_recipient(false); }),
         "A0 47 00"},
        {"addressee field BCC", Build<Message>([](Message& m) { m.set_message_user_field(Message::BCC); }), "E0 49 04"},
        {"addressee field CC", Build<Message>([](Message& m) { m.set_message_user_field(Message::CC); }), "E0 49 02"},
        {"parent relation reply to all",
         Build<Message>([](Message& m) { m.set_message_parent_relation(Message::PARENT_RELATION_REPLY_ALL); }),
         "80 41 04"},
        {"parent relation forward",
         Build<Message>([](Message& m) { m.set_message_parent_relation(Message::PARENT_RELATION_FORWARD); }),
         "80 41 06"},
        {"sender, recipient and recipient flag in number order", Build<Message>([](Message& m) {
             m.set_message_user_is_recipient(true);
             m.mutable_message_recipient();
             m.mutable_message_sender();
         }),
         "D2 46 00 FA 46 00 A0 47 01"},
        {"present empty user descriptor", Build<User>([](User& u) { u.mutable_user_security_descriptor(); }),
         "92 44 00"},
        {"documents list under the two-byte tag of 1000", Build<Documents>([](Documents& list) {
             list.add_document()->set_document_id(1);
             list.add_document()->set_document_id(2);
         }),
         "C2 3E 03 C0 3E 02 C2 3E 03 C0 3E 04"},
        {"empty documents list", Empty<Documents>(), ""},
        {"document keys list under the one-byte tag of 10", Build<DocumentKeys>([](DocumentKeys& list) {
             list.add_document_key()->mutable_document_key_document()->set_document_id(1);
         }),
         "52 06 C2 3E 03 C0 3E 02"},
        {"dictionary word as the client stores it", Build<Dictionary>([](Dictionary& d) {
             d.set_dictionary_user_id(7);
             d.set_dictionary_word("zarv");
             d.set_dictionary_description("");
             d.set_dictionary_definition("");
             d.set_dictionary_access(0);
         }),
         "C0 3E 0E 92 3F 04 7A 61 72 76 E2 3F 00 B2 40 00 80 41 00"},
        {"present empty url hash",
         Build<DocumentWebpage>([](DocumentWebpage& w) { w.set_document_webpage_url_hash(""); }), "E2 3F 00"},
        {"log-on lengths are zero: nothing written", Build<AuthenticateUserRequest>([](AuthenticateUserRequest& r) {
             r.set_encrypted_user_name("");
             r.set_encrypted_user_name_len(0);
         }),
         ""},
        {"negative log-on length takes ten bytes",
         Build<AuthenticateUserRequest>([](AuthenticateUserRequest& r) { r.set_encrypted_user_name_len(-1); }),
         "90 3F FF FF FF FF FF FF FF FF FF 01"},
        {"log-on reply with all flags false", Build<AuthenticateUserReply>([](AuthenticateUserReply& r) {
             r.set_user_name_found(false);
             r.set_user_password_decoded(false);
             r.set_user_session_inserted(false);
         }),
         ""},
        {"log-on reply flags and an empty diagnostic record",
         Build<AuthenticateUserReply>([](AuthenticateUserReply& r) {
             r.mutable_sql_diag_rec();
             r.set_user_name_found(true);
             r.set_user_session_inserted(true);
         }),
         "C2 3E 00 90 3F 01 B0 40 01"},
    };
    return examples;
}

TEST(RecordWire, ByteExamplesSerialiseExactly)
{
    for (const WireExample& example : WireExamples()) {
        EXPECT_EQ(example.bytes, testsupport::HexFromBytes(example.build()->SerializeAsString())) << example.what;
    }
}

TEST(RecordWire, ByteExamplesParseBackToTheSameRecord)
{
    for (const WireExample& example : WireExamples()) {
        const MessagePtr expected = example.build();
        const MessagePtr parsed(expected->New());
        ASSERT_TRUE(parsed->ParseFromString(testsupport::BytesFromHex(example.bytes))) << example.what;
        // The comparison includes presence: a set oneof member with a zero value differs from an unset one.
        EXPECT_TRUE(MessageDifferencer::Equals(*expected, *parsed)) << example.what;
        EXPECT_EQ(example.bytes, testsupport::HexFromBytes(parsed->SerializeAsString())) << example.what;
    }
}

TEST(RecordWire, LogOnRequestCarriesThreeCipherTextsWithTheirLengths)
{
    const std::string name(256, '\x01');
    const std::string password(256, '\x02');
    const std::string stamp(256, '\x03');
    zarv::data::AuthenticateUserRequest request;
    request.set_encrypted_user_name(name);
    request.set_encrypted_user_name_len(256);
    request.set_encrypted_user_password(password);
    request.set_encrypted_user_password_len(256);
    request.set_encrypted_client_time_stamp(stamp);
    request.set_encrypted_client_time_stamp_len(256);

    const std::string expected =
        testsupport::BytesFromHex("C2 3E 80 02") + name + testsupport::BytesFromHex("90 3F 80 02")
        + testsupport::BytesFromHex("E2 3F 80 02") + password + testsupport::BytesFromHex("B0 40 80 02")
        + testsupport::BytesFromHex("82 41 80 02") + stamp + testsupport::BytesFromHex("D0 41 80 02");
    EXPECT_EQ(testsupport::HexFromBytes(expected), testsupport::HexFromBytes(request.SerializeAsString()));
}

TEST(RecordPresence, ZeroAndEmptyValuesSetThroughTheirOneofsStayPresent)
{
    zarv::data::Message message;
    message.set_message_id(0);
    message.set_message_subject("");
    message.set_message_user_is_recipient(false);
    message.mutable_message_security_descriptor();

    zarv::data::Message parsed;
    ASSERT_TRUE(parsed.ParseFromString(message.SerializeAsString()));
    EXPECT_EQ(zarv::data::Message::kMessageId, parsed.message_id_enum_case());
    EXPECT_EQ(1000, parsed.message_id_enum_case());
    EXPECT_EQ(1050, parsed.message_subject_enum_case());
    EXPECT_EQ(1140, parsed.message_user_is_recipient_enum_case());
    EXPECT_TRUE(parsed.has_message_security_descriptor());
    EXPECT_EQ(zarv::data::Message::MESSAGE_USER_ID_ENUM_NOT_SET, parsed.message_user_id_enum_case());
    EXPECT_FALSE(parsed.has_message_sender());
}

TEST(RecordPresence, UnsetFieldsReadAsZeroEmptyOrTheDefaultInstance)
{
    zarv::data::DocumentKey key;
    ASSERT_TRUE(key.ParseFromString(""));
    EXPECT_EQ(0, key.document_key_document_enum_case());
    EXPECT_EQ(&zarv::data::Document::default_instance(), &key.document_key_document());
    EXPECT_EQ(0, key.document_key_security_descriptor().permissions());
    EXPECT_EQ("", key.document_key_document_revision());
    EXPECT_EQ(0, key.document_key_properties());
}

TEST(RecordPresence, ClearingAOneofUnsetsItsMember)
{
    zarv::data::FolderKey key;
    key.mutable_folder_key_folder()->set_folder_id(4);
    key.set_folder_key_properties(1);
    key.clear_folder_key_folder_enum();
    key.clear_folder_key_properties_enum();
    EXPECT_FALSE(key.has_folder_key_folder());
    EXPECT_EQ(0, key.folder_key_properties_enum_case());
    EXPECT_TRUE(key.SerializeAsString().empty());
}

TEST(RecordPresence, NestedRecordKeepsItsOwnPresence)
{
    zarv::data::UserGroupUser member;
    member.mutable_user_group()->set_user_group_group_id(INT_MIN);
    member.mutable_user()->set_user_middle_name("");

    zarv::data::UserGroupUser parsed;
    ASSERT_TRUE(parsed.ParseFromString(member.SerializeAsString()));
    EXPECT_EQ(1000, parsed.user_group().user_group_group_id_enum_case());
    EXPECT_EQ(INT_MIN, parsed.user_group().user_group_group_id());
    EXPECT_EQ(0, parsed.user_group().user_group_name_enum_case());
    EXPECT_EQ(1050, parsed.user().user_middle_name_enum_case());
    EXPECT_EQ(0, parsed.user().user_first_name_enum_case());
}

TEST(RecordPresence, BitSetWithBit31ComesBackUnchanged)
{
    for (const int value : {INT_MIN, -1, static_cast<int>(0x80000001u), static_cast<int>(0xFFFF0000u)}) {
        zarv::data::SecurityDescriptor descriptor;
        descriptor.set_active(value);
        descriptor.set_permissions(value);
        descriptor.set_audits(value);
        descriptor.set_expiration_action(value);
        zarv::data::SecurityDescriptor parsed;
        ASSERT_TRUE(parsed.ParseFromString(descriptor.SerializeAsString()));
        EXPECT_EQ(value, parsed.active());
        EXPECT_EQ(value, parsed.permissions());
        EXPECT_EQ(value, parsed.audits());
        EXPECT_EQ(value, parsed.expiration_action());
    }
}

TEST(RecordUnknownFields, SurviveParseCopyAndReserialise)
{
    // user_id 5, then field 1130 (unknown to the client) as a varint and field 5000 as text.
    const std::string received = testsupport::BytesFromHex("C0 3E 0A D0 46 2A C2 B8 02 02 6F 6B");
    zarv::data::User user;
    ASSERT_TRUE(user.ParseFromString(received));
    EXPECT_EQ(5, user.user_id());
    EXPECT_EQ(testsupport::HexFromBytes(received), testsupport::HexFromBytes(user.SerializeAsString()));

    const zarv::data::User copied(user);
    EXPECT_EQ(testsupport::HexFromBytes(received), testsupport::HexFromBytes(copied.SerializeAsString()));
    zarv::data::User assigned;
    assigned.CopyFrom(user);
    EXPECT_EQ(testsupport::HexFromBytes(received), testsupport::HexFromBytes(assigned.SerializeAsString()));

    // Known fields are written first, the unknown ones after them.
    user.set_user_message_folder_id(1);
    EXPECT_EQ("C0 3E 0A 80 46 02 D0 46 2A C2 B8 02 02 6F 6B", testsupport::HexFromBytes(user.SerializeAsString()));
}

TEST(RecordUnknownFields, OneListParsedAsTheOtherKeepsItsElementsUnrecognised)
{
    zarv::data::DocumentKeys keys;
    keys.add_document_key()->set_document_key_description("k");
    zarv::data::Documents documents;
    documents.add_document()->set_document_name("d");

    zarv::data::Documents keysAsDocuments;
    ASSERT_TRUE(keysAsDocuments.ParseFromString(keys.SerializeAsString()));
    EXPECT_EQ(0, keysAsDocuments.document_size());
    EXPECT_EQ(keys.SerializeAsString(), keysAsDocuments.SerializeAsString());

    zarv::data::DocumentKeys documentsAsKeys;
    ASSERT_TRUE(documentsAsKeys.ParseFromString(documents.SerializeAsString()));
    EXPECT_EQ(0, documentsAsKeys.document_key_size());
    EXPECT_EQ(documents.SerializeAsString(), documentsAsKeys.SerializeAsString());
}

class ProtobufLogCapture
{
public:
    ProtobufLogCapture()
        : m_previous(google::protobuf::SetLogHandler(&Record))
    {
        lines().clear();
    }
    ~ProtobufLogCapture() { google::protobuf::SetLogHandler(m_previous); }
    ProtobufLogCapture(const ProtobufLogCapture&) = delete;
    ProtobufLogCapture& operator=(const ProtobufLogCapture&) = delete;

    static std::string& lines()
    {
        static std::string captured;
        return captured;
    }

private:
    static void Record(google::protobuf::LogLevel, const char*, int, const std::string& message)
    {
        lines() += message + "\n";
    }

    google::protobuf::LogHandler* m_previous;
};

struct Utf8Case
{
    const char* what;
    MessageFactory empty;
    const char* bytes;
    bool parses;
};

TEST(RecordUtf8, StringFieldsRejectInvalidUtf8AndBytesFieldsDoNot)
{
    using namespace zarv::data;
    // E2 3F is field 1020 length-delimited: a string in User, a bytes field in the log-on request.
    const std::vector<Utf8Case> cases = {
        {"User.user_name", Empty<User>(), "E2 3F 01 FF", false},
        {"AuthenticateUserRequest.encrypted_user_password", Empty<AuthenticateUserRequest>(), "E2 3F 01 FF", true},
        {"AuthenticateUserReply.encrypted_user_name", Empty<AuthenticateUserReply>(), "A2 47 02 C3 28", true},
        {"DocumentWebpage.document_webpage_url_hash", Empty<DocumentWebpage>(), "E2 3F 01 FF", true},
        {"DocumentWebpage.document_webpage_url", Empty<DocumentWebpage>(), "92 3F 01 FF", false},
        {"Message.message_subject", Empty<Message>(), "D2 41 02 C3 28", false},
        {"User inside DocumentKey.document_key_user", Empty<DocumentKey>(), "92 3F 04 E2 3F 01 FF", false},
        {"valid two-byte character in User.user_name", Empty<User>(), "E2 3F 02 C3 A9", true},
    };
    for (const Utf8Case& example : cases) {
        ProtobufLogCapture quiet;
        EXPECT_EQ(example.parses, example.empty()->ParseFromString(testsupport::BytesFromHex(example.bytes)))
            << example.what;
    }
}

struct NamedStringField
{
    const char* fullName;
    MessageFactory build;
};

TEST(RecordUtf8, InvalidStringIsStillWrittenAndLoggedUnderTheFieldsFullName)
{
    using namespace zarv::data;
    const std::string invalid = "\xFF";
    const std::vector<NamedStringField> fields = {
        {"zarv.data.SQLDiagRec.sqls", Build<SQLDiagRec>([&](SQLDiagRec& r) { r.set_sqls(invalid); })},
        {"zarv.data.SQLDiagRec.sqlm", Build<SQLDiagRec>([&](SQLDiagRec& r) { r.set_sqlm(invalid); })},
        {"zarv.data.SecurityDescriptor.active_region",
         Build<SecurityDescriptor>([&](SecurityDescriptor& s) { s.set_active_region(invalid); })},
        {"zarv.data.User.user_name", Build<User>([&](User& u) { u.set_user_name(invalid); })},
        {"zarv.data.Document.document_name", Build<Document>([&](Document& d) { d.set_document_name(invalid); })},
        {"zarv.data.DocumentKey.document_key_description",
         Build<DocumentKey>([&](DocumentKey& k) { k.set_document_key_description(invalid); })},
        {"zarv.data.Dictionary.dictionary_word",
         Build<Dictionary>([&](Dictionary& d) { d.set_dictionary_word(invalid); })},
        {"zarv.data.Message.message_subject", Build<Message>([&](Message& m) { m.set_message_subject(invalid); })},
        {"zarv.data.MessageFolder.message_folder_name",
         Build<MessageFolder>([&](MessageFolder& f) { f.set_message_folder_name(invalid); })},
        {"zarv.data.MessageDocument.message_document_creation_date",
         Build<MessageDocument>([&](MessageDocument& d) { d.set_message_document_creation_date(invalid); })},
    };
    for (const NamedStringField& field : fields) {
        ProtobufLogCapture capture;
        std::string written;
        EXPECT_TRUE(field.build()->SerializeToString(&written)) << field.fullName;
        EXPECT_NE(std::string::npos, written.find(invalid)) << field.fullName;
        EXPECT_NE(std::string::npos, ProtobufLogCapture::lines().find(std::string("'") + field.fullName + "'"))
            << field.fullName << ": " << ProtobufLogCapture::lines();
    }
}

TEST(RecordEnums, MessageNestsTheRelationAndAddresseeFieldEnums)
{
    using zarv::data::Message;
    EXPECT_TRUE(zarv::data::Message_rfield_IsValid(Message::PARENT_RELATION_NONE));
    EXPECT_TRUE(zarv::data::Message_rfield_IsValid(3));
    EXPECT_FALSE(zarv::data::Message_rfield_IsValid(4));
    EXPECT_FALSE(zarv::data::Message_rfield_IsValid(-1));
    EXPECT_TRUE(zarv::data::Message_ufield_IsValid(Message::BCC));
    EXPECT_FALSE(zarv::data::Message_ufield_IsValid(3));
    EXPECT_EQ(Message::descriptor()->enum_type(0), zarv::data::Message_rfield_descriptor());
    EXPECT_EQ(Message::descriptor()->enum_type(1), zarv::data::Message_ufield_descriptor());
}

}  // namespace
