// Wire form of the insert, update and delete requests and replies and of the
// requests that stay inside the client (audit and open requests).

#include "deletedocumentkeyreply3.pb.h"
#include "deletedocumentkeyrequest3.pb.h"
#include "deletedocumentreply3.pb.h"
#include "deletedocumentrequest3.pb.h"
#include "deletedocumentwebpagereply3.pb.h"
#include "deletedocumentwebpagerequest3.pb.h"
#include "deletefolderkeyrequest3.pb.h"
#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "deletemessagedocumentreply3.pb.h"
#include "deletemessagedocumentrequest3.pb.h"
#include "deletemessagefolderreply3.pb.h"
#include "deletemessagefolderrequest3.pb.h"
#include "deletemessagereply3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserreply3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "deleteusergroupreply3.pb.h"
#include "deleteusergrouprequest3.pb.h"
#include "deleteusergroupuserreply3.pb.h"
#include "deleteusergroupuserrequest3.pb.h"
#include "insertdictionaryrequest3.pb.h"
#include "insertdocumentkeyreply3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertdocumentwebpagerequest3.pb.h"
#include "insertfolderkeyreply3.pb.h"
#include "insertfolderkeyrequest3.pb.h"
#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "insertmessagedocumentreply3.pb.h"
#include "insertmessagedocumentrequest3.pb.h"
#include "insertmessagefolderreply3.pb.h"
#include "insertmessagefolderrequest3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "insertmessageuserreply3.pb.h"
#include "insertmessageuserrequest3.pb.h"
#include "insertusergroupreply3.pb.h"
#include "insertusergrouprequest3.pb.h"
#include "insertusergroupuserreply3.pb.h"
#include "insertusergroupuserrequest3.pb.h"
#include "logeventcopydocumenttoclipboardrequest3.pb.h"
#include "logeventcopymessagetoclipboardrequest3.pb.h"
#include "logeventexportdocumenttopdffilerequest3.pb.h"
#include "logeventexportdocumenttotextfilerequest3.pb.h"
#include "logeventexportmessagetopdffilerequest3.pb.h"
#include "logeventexportmessagetotextfilerequest3.pb.h"
#include "logeventpastedocumentfromclipboardrequest3.pb.h"
#include "logeventpastemessagefromclipboardrequest3.pb.h"
#include "logeventprintdocumentrequest3.pb.h"
#include "logeventprintmessagerequest3.pb.h"
#include "openfolderkeyrequest3.pb.h"
#include "openmessagerequest3.pb.h"
#include "updatedocumentkeyreply3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"
#include "updatedocumentreply3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatedocumentwebpagereply3.pb.h"
#include "updatedocumentwebpagerequest3.pb.h"
#include "updatefolderkeyreply3.pb.h"
#include "updatefolderkeyrequest3.pb.h"
#include "updatefolderreply3.pb.h"
#include "updatefolderrequest3.pb.h"
#include "updatemessagefolderreply3.pb.h"
#include "updatemessagefolderrequest3.pb.h"
#include "updatemessagereply3.pb.h"
#include "updatemessagerequest3.pb.h"
#include "updatemessageuserreply3.pb.h"
#include "updatemessageuserrequest3.pb.h"
#include "updateusergroupreply3.pb.h"
#include "updateusergrouprequest3.pb.h"
#include "updateusergroupuserreply3.pb.h"
#include "updateusergroupuserrequest3.pb.h"
#include "updateuserreply3.pb.h"
#include "updateuserrequest3.pb.h"

#include <google/protobuf/util/message_differencer.h>
#include "tests/proto/messagefactory.h"
#include "tests/support/hexbytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using google::protobuf::Descriptor;
using google::protobuf::FieldDescriptor;
using google::protobuf::Message;
using google::protobuf::util::MessageDifferencer;
using prototest::Build;
using prototest::MessageFactory;

// The SQLSTATE 23503 (foreign-key violation) packed six bits per character.
constexpr int ForeignKeyViolation = 50352322;

// The message serialises to exactly these bytes, and the bytes parse back
// into the same fields with the same presence.
void ExpectWireForm(const Message& built, const std::string& hex)
{
    EXPECT_EQ(hex, testsupport::HexFromBytes(built.SerializeAsString()));
    std::unique_ptr<Message> parsed(built.New());
    ASSERT_TRUE(parsed->ParseFromString(testsupport::BytesFromHex(hex)));
    EXPECT_TRUE(MessageDifferencer::Equals(built, *parsed))
        << "built:  " << built.ShortDebugString() << "\nparsed: " << parsed->ShortDebugString();
}

struct WireExample
{
    const char* name;
    MessageFactory build;
    const char* hex;
};

const std::vector<WireExample>& WireExamples()
{
    using namespace zarv::data;
    static const std::vector<WireExample> examples = {
        {"new id 0 set through its oneof is written", Build<InsertDocumentReply>([](auto& m) { m.set_document_id(0); }),
         "90 3F 00"},
        {"new folder id after the diagnostic record", Build<InsertFolderReply>([](auto& m) {
             m.mutable_sql_diag_rec();
             m.set_folder_id(12);
         }),
         "C2 3E 00 90 3F 18"},
        {"document-key reply skips 1010", Build<InsertDocumentKeyReply>([](auto& m) {
             m.set_return_code(1);
             m.add_ckey(5);
         }),
         "E0 3F 02 B2 40 01 0A"},
        {"insert message with two recipient rows, one element per field", Build<InsertMessageRequest>([](auto& m) {
             m.mutable_message();
             m.add_message_user()->set_message_user_user_id(7);
             m.add_message_user();
         }),
         "C2 3E 00 92 3F 03 C0 48 0E 92 3F 00"},
        {"insert message with an attachment row",
         Build<InsertMessageRequest>([](auto& m) { m.add_message_document(); }), "E2 3F 00"},
        {"recipient-row reply carries a message at 1030",
         Build<InsertMessageUserReply>([](auto& m) { m.mutable_message_user_message(); }), "B2 40 00"},
        {"update-user reply with only return_code 1", Build<UpdateUserReply>([](auto& m) { m.set_return_code(1); }),
         "90 3F 02"},
        {"update-user request with create_group_id [1, -1]", Build<UpdateUserRequest>([](auto& m) {
             m.add_create_group_id(1);
             m.add_create_group_id(-1);
         }),
         "92 3F 02 02 01"},
        {"update-user request with delete_group_id",
         Build<UpdateUserRequest>([](auto& m) { m.add_delete_group_id(3); }), "E2 3F 01 06"},
        {"update-user reply lists follow the reply fields", Build<UpdateUserReply>([](auto& m) {
             m.add_create_group_id(3);
             m.add_delete_group_id(1);
             m.add_delete_group_id(-1);
             m.add_delete_group_id(INT_MIN);
         }),
         "B2 40 01 06 82 41 07 02 01 FF FF FF FF 0F"},
        {"update-user-group request with user id lists", Build<UpdateUserGroupRequest>([](auto& m) {
             m.mutable_user_group();
             m.add_insert_user_id(2);
             m.add_delete_user_id(-2);
         }),
         "C2 3E 00 92 3F 01 04 E2 3F 01 03"},
        {"user-group id 0 is written", Build<DeleteUserGroupRequest>([](auto& m) { m.set_user_group_group_id(0); }),
         "C0 3E 00"},
        {"document key by document 5 and holder 7", Build<DeleteDocumentKeyRequest>([](auto& m) {
             m.set_document_key_document_id(5);
             m.set_document_key_user_id(7);
         }),
         "C0 3E 0A 90 3F 0E"},
        {"folder key by folder and holder", Build<DeleteFolderKeyRequest>([](auto& m) {
             m.set_folder_key_folder_id(1);
             m.set_folder_key_user_id(-1);
         }),
         "C0 3E 02 90 3F 01"},
        {"null document id", Build<DeleteDocumentRequest>([](auto& m) { m.set_document_id(INT_MIN); }),
         "C0 3E FF FF FF FF 0F"},
        {"root id and an empty folder name", Build<DeleteFolderRequest>([](auto& m) {
             m.set_folder_id(INT_MIN + 1);
             m.set_folder_name("");
         }),
         "C0 3E FD FF FF FF 0F 92 3F 00"},
        {"empty message subject is present", Build<DeleteMessageRequest>([](auto& m) { m.set_message_subject(""); }),
         "E2 3F 00"},
        {"web page by document, user and URL hash", Build<DeleteDocumentWebpageRequest>([](auto& m) {
             m.set_document_webpage_document_id(1);
             m.set_document_webpage_user_id(2);
             m.set_document_webpage_url_hash("AB");
         }),
         "C0 3E 02 90 3F 04 E2 3F 02 41 42"},
        {"recipient row by message and user", Build<DeleteMessageUserRequest>([](auto& m) {
             m.set_message_user_message_id(3);
             m.set_message_user_user_id(0);
         }),
         "C0 3E 06 90 3F 00"},
        {"delete reply with return_code 1 and ckey 3, -2", Build<DeleteMessageReply>([](auto& m) {
             m.set_return_code(1);
             m.add_ckey(3);
             m.add_ckey(-2);
         }),
         "90 3F 02 E2 3F 02 06 03"},
        {"delete-folder reply with a foreign-key violation",
         Build<DeleteFolderReply>([](auto& m) { m.mutable_sql_diag_rec()->set_sqlc(ForeignKeyViolation); }),
         "C2 3E 06 C0 3E 84 C3 82 30"},
        {"open folder key with one empty key", Build<OpenFolderKeyRequest>([](auto& m) { m.add_folder_key(); }),
         "52 00"},
        {"open folder key with three keys, in list order", Build<OpenFolderKeyRequest>([](auto& m) {
             m.add_folder_key();
             m.add_folder_key()->set_folder_key_properties(1);
             m.add_folder_key();
         }),
         "52 00 52 03 80 41 02 52 00"},
        {"audit request size 300", Build<LogEventPrintDocumentRequest>([](auto& m) { m.set_size(300); }),
         "90 3F D8 04"},
        {"audit request with its message and size", Build<LogEventPasteMessageFromClipboardRequest>([](auto& m) {
             m.mutable_message()->set_message_id(1);
             m.set_size(1);
         }),
         "C2 3E 03 C0 3E 02 90 3F 02"},
        {"open message for a received message",
         Build<OpenMessageRequest>([](auto& m) { m.mutable_message()->set_message_user_is_recipient(true); }),
         "C2 3E 03 A0 47 01"},
    };
    return examples;
}

TEST(ModifyWireForm, ExamplesSerialiseAndParseBack)
{
    for (const WireExample& example : WireExamples()) {
        SCOPED_TRACE(example.name);
        ExpectWireForm(*example.build(), example.hex);
    }
}

// Every request that carries one record holds it at 1000, alone in the
// oneof named after it: present but empty it is C2 3E 00, absent nothing.
TEST(ModifyWireForm, SingleRecordRequestsWriteAnEmptyRecordOnlyWhenPresent)
{
    using namespace zarv::data;
    const std::vector<const Message*> requests = {
        &InsertDictionaryRequest::default_instance(),
        &InsertDocumentKeyRequest::default_instance(),
        &InsertDocumentRequest::default_instance(),
        &InsertDocumentWebpageRequest::default_instance(),
        &InsertFolderKeyRequest::default_instance(),
        &InsertFolderRequest::default_instance(),
        &InsertMessageDocumentRequest::default_instance(),
        &InsertMessageFolderRequest::default_instance(),
        &InsertMessageRequest::default_instance(),
        &InsertMessageUserRequest::default_instance(),
        &InsertUserGroupRequest::default_instance(),
        &InsertUserGroupUserRequest::default_instance(),
        &UpdateDocumentKeyRequest::default_instance(),
        &UpdateDocumentRequest::default_instance(),
        &UpdateDocumentWebpageRequest::default_instance(),
        &UpdateFolderKeyRequest::default_instance(),
        &UpdateFolderRequest::default_instance(),
        &UpdateMessageFolderRequest::default_instance(),
        &UpdateMessageRequest::default_instance(),
        &UpdateMessageUserRequest::default_instance(),
        &UpdateUserGroupRequest::default_instance(),
        &UpdateUserGroupUserRequest::default_instance(),
        &UpdateUserRequest::default_instance(),
        &LogEventCopyDocumentToClipboardRequest::default_instance(),
        &LogEventCopyMessageToClipboardRequest::default_instance(),
        &LogEventExportDocumentToPdfFileRequest::default_instance(),
        &LogEventExportDocumentToTextFileRequest::default_instance(),
        &LogEventExportMessageToPdfFileRequest::default_instance(),
        &LogEventExportMessageToTextFileRequest::default_instance(),
        &LogEventPasteDocumentFromClipboardRequest::default_instance(),
        &LogEventPasteMessageFromClipboardRequest::default_instance(),
        &LogEventPrintDocumentRequest::default_instance(),
        &LogEventPrintMessageRequest::default_instance(),
        &OpenMessageRequest::default_instance(),
    };
    for (const Message* prototype : requests) {
        const Descriptor* descriptor = prototype->GetDescriptor();
        SCOPED_TRACE(descriptor->name());
        const FieldDescriptor* record = descriptor->FindFieldByNumber(1000);
        ASSERT_NE(nullptr, record);
        ASSERT_EQ(FieldDescriptor::TYPE_MESSAGE, record->type());
        ASSERT_NE(nullptr, record->containing_oneof());
        EXPECT_EQ(record->name() + "_enum", record->containing_oneof()->name());
        EXPECT_EQ(1, record->containing_oneof()->field_count());

        std::unique_ptr<Message> request(prototype->New());
        EXPECT_EQ("", testsupport::HexFromBytes(request->SerializeAsString()));
        request->GetReflection()->MutableMessage(request.get(), record);
        ExpectWireForm(*request, "C2 3E 00");
    }
}

struct ReplyShape
{
    const Message* prototype;
    // return_code 1 and ckey [1, -1, 2]
    const char* hex;
};

// return_code is implicit (0 is not written, absent reads 0) and ckey is one
// packed length-delimited field of zigzag varints.
TEST(ModifyWireForm, RepliesWriteReturnCodeOnlyWhenNotZeroAndCkeyPacked)
{
    using namespace zarv::data;
    const char* const plain = "90 3F 02 E2 3F 03 02 01 04";
    const char* const withNewId = "E0 3F 02 B2 40 03 02 01 04";
    const std::vector<ReplyShape> replies = {
        {&InsertDocumentReply::default_instance(), withNewId},
        {&InsertFolderReply::default_instance(), withNewId},
        {&InsertMessageFolderReply::default_instance(), withNewId},
        {&InsertMessageReply::default_instance(), withNewId},
        {&InsertUserGroupReply::default_instance(), withNewId},
        {&InsertDocumentKeyReply::default_instance(), withNewId},
        {&InsertFolderKeyReply::default_instance(), plain},
        {&InsertMessageDocumentReply::default_instance(), plain},
        {&InsertMessageUserReply::default_instance(), plain},
        {&InsertUserGroupUserReply::default_instance(), plain},
        {&UpdateDocumentKeyReply::default_instance(), plain},
        {&UpdateDocumentReply::default_instance(), plain},
        {&UpdateDocumentWebpageReply::default_instance(), plain},
        {&UpdateFolderKeyReply::default_instance(), plain},
        {&UpdateFolderReply::default_instance(), plain},
        {&UpdateMessageFolderReply::default_instance(), plain},
        {&UpdateMessageReply::default_instance(), plain},
        {&UpdateMessageUserReply::default_instance(), plain},
        {&UpdateUserGroupReply::default_instance(), plain},
        {&UpdateUserGroupUserReply::default_instance(), plain},
        {&UpdateUserReply::default_instance(), plain},
        {&DeleteDocumentKeyReply::default_instance(), plain},
        {&DeleteDocumentReply::default_instance(), plain},
        {&DeleteDocumentWebpageReply::default_instance(), plain},
        {&DeleteFolderReply::default_instance(), plain},
        {&DeleteMessageDocumentReply::default_instance(), plain},
        {&DeleteMessageFolderReply::default_instance(), plain},
        {&DeleteMessageReply::default_instance(), plain},
        {&DeleteMessageUserReply::default_instance(), plain},
        {&DeleteUserGroupReply::default_instance(), plain},
        {&DeleteUserGroupUserReply::default_instance(), plain},
    };
    for (const ReplyShape& shape : replies) {
        const Descriptor* descriptor = shape.prototype->GetDescriptor();
        SCOPED_TRACE(descriptor->name());
        const FieldDescriptor* diagnostic = descriptor->FindFieldByName("sql_diag_rec");
        const FieldDescriptor* returnCode = descriptor->FindFieldByName("return_code");
        const FieldDescriptor* ckey = descriptor->FindFieldByName("ckey");
        ASSERT_TRUE(diagnostic && returnCode && ckey);
        EXPECT_EQ(1000, diagnostic->number());
        EXPECT_EQ(nullptr, diagnostic->containing_oneof());
        EXPECT_EQ(nullptr, returnCode->containing_oneof());

        std::unique_ptr<Message> reply(shape.prototype->New());
        const auto* reflection = reply->GetReflection();
        reflection->SetInt32(reply.get(), returnCode, 0);
        EXPECT_EQ("", testsupport::HexFromBytes(reply->SerializeAsString()));
        ASSERT_TRUE(reply->ParseFromString(""));
        EXPECT_EQ(0, reflection->GetInt32(*reply, returnCode));
        EXPECT_FALSE(reflection->HasField(*reply, diagnostic));

        reflection->SetInt32(reply.get(), returnCode, 1);
        for (int value : {1, -1, 2}) {
            reflection->AddInt32(reply.get(), ckey, value);
        }
        ExpectWireForm(*reply, shape.hex);
    }
}

TEST(ModifyPresence, NewIdOfInsertReplyIsReadThroughItsCase)
{
    zarv::data::InsertMessageReply reply;
    ASSERT_TRUE(reply.ParseFromString(testsupport::BytesFromHex("90 3F 00")));
    EXPECT_EQ(zarv::data::InsertMessageReply::kMessageId, reply.message_id_enum_case());
    EXPECT_EQ(1010, reply.message_id_enum_case());
    ASSERT_TRUE(reply.ParseFromString(""));
    EXPECT_EQ(zarv::data::InsertMessageReply::MESSAGE_ID_ENUM_NOT_SET, reply.message_id_enum_case());
    EXPECT_EQ(0, reply.message_id());
    EXPECT_EQ(0, reply.sql_diag_rec().sqlc());
}

TEST(ModifyPresence, AuditRequestSizeIsImplicit)
{
    zarv::data::LogEventExportMessageToTextFileRequest request;
    request.mutable_message()->set_message_id(4);
    request.set_size(0);
    EXPECT_EQ("C2 3E 03 C0 3E 08", testsupport::HexFromBytes(request.SerializeAsString()));

    zarv::data::LogEventCopyDocumentToClipboardRequest parsed;
    ASSERT_TRUE(parsed.ParseFromString(testsupport::BytesFromHex("90 3F D8 04")));
    EXPECT_EQ(300, parsed.size());
    EXPECT_FALSE(parsed.has_document());
    EXPECT_EQ(zarv::data::LogEventCopyDocumentToClipboardRequest::DOCUMENT_ENUM_NOT_SET, parsed.document_enum_case());
}

TEST(ModifyPresence, RecipientRowsKeepTheirFieldsWithinTheRequest)
{
    zarv::data::InsertMessageRequest request;
    ASSERT_TRUE(request.ParseFromString(testsupport::BytesFromHex("92 3F 03 C0 48 0E 92 3F 00")));
    EXPECT_FALSE(request.has_message());
    ASSERT_EQ(2, request.message_user_size());
    EXPECT_EQ(7, request.message_user(0).message_user_user_id());
    EXPECT_EQ(zarv::data::Message::kMessageUserUserId, request.message_user(0).message_user_user_id_enum_case());
    EXPECT_EQ(zarv::data::Message::MESSAGE_USER_USER_ID_ENUM_NOT_SET,
              request.message_user(1).message_user_user_id_enum_case());
}

// A peer's field 1010 in the document-key reply, which the schema skips, is
// kept and written back after the known fields.
TEST(ModifyUnknownFields, SurviveParseAndReserialise)
{
    zarv::data::InsertDocumentKeyReply reply;
    ASSERT_TRUE(reply.ParseFromString(testsupport::BytesFromHex("90 3F 04")));
    EXPECT_EQ(0, reply.return_code());
    EXPECT_EQ("90 3F 04", testsupport::HexFromBytes(reply.SerializeAsString()));

    reply.set_return_code(1);
    zarv::data::InsertDocumentKeyReply copy(reply);
    EXPECT_EQ("E0 3F 02 90 3F 04", testsupport::HexFromBytes(copy.SerializeAsString()));
}

TEST(ModifyUtf8, StringFieldRejectsInvalidUtf8WhileBytesFieldKeepsIt)
{
    zarv::data::DeleteDocumentRequest document;
    EXPECT_FALSE(document.ParseFromString(testsupport::BytesFromHex("92 3F 01 FF")));

    zarv::data::DeleteDocumentWebpageRequest webpage;
    ASSERT_TRUE(webpage.ParseFromString(testsupport::BytesFromHex("E2 3F 01 FF")));
    EXPECT_EQ(std::string("\xFF"), webpage.document_webpage_url_hash());
}

}  // namespace
