#include "selectdictionaryrequest3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectdocumentwebpagerequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectgrouprequest3.pb.h"
#include "selectmessagefolderreply3.pb.h"
#include "selectmessagefolderrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "selectusergrouprequest3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "selectuserrequest3.pb.h"

#include <google/protobuf/util/message_differencer.h>
#include "tests/proto/messagefactory.h"
#include "tests/support/hexbytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using google::protobuf::FieldDescriptor;
using prototest::Build;
using prototest::Empty;
using prototest::MessageFactory;
using prototest::MessagePtr;

// Parses the bytes into a fresh message of the prototype's type.
MessagePtr Parse(const google::protobuf::Message& prototype, const std::string& bytes)
{
    MessagePtr parsed(prototype.New());
    if (!parsed->ParseFromString(bytes)) {
        return nullptr;
    }
    return parsed;
}

// The number of the member that is set in the named oneof, 0 when none.
int OneofCase(const google::protobuf::Message& message, const std::string& oneof)
{
    const auto* descriptor = message.GetDescriptor()->FindOneofByName(oneof);
    if (descriptor == nullptr) {
        ADD_FAILURE() << message.GetTypeName() << " has no oneof " << oneof;
        return -1;
    }
    const auto* member = message.GetReflection()->GetOneofFieldDescriptor(message, descriptor);
    return member == nullptr ? 0 : member->number();
}

// Every table row has a name: it names the test and is what a failure prints.
struct ExampleName
{
    template <typename Example>
    std::string operator()(const testing::TestParamInfo<Example>& info) const
    {
        return info.param.name;
    }
};

struct WireExample
{
    const char* name;
    MessageFactory build;
    const char* wire;
};

void PrintTo(const WireExample& example, std::ostream* out)
{
    *out << example.name;
}

class SelectWireExample : public testing::TestWithParam<WireExample>
{};

TEST_P(SelectWireExample, SerialisesToTheExactBytes)
{
    const MessagePtr built = GetParam().build();
    std::string serialised;
    ASSERT_TRUE(built->SerializeToString(&serialised));
    EXPECT_EQ(testsupport::BytesFromHex(GetParam().wire), serialised);
}

TEST_P(SelectWireExample, ParsesBackToTheSameFieldsAndCases)
{
    const MessagePtr built = GetParam().build();
    const std::string bytes = testsupport::BytesFromHex(GetParam().wire);
    const MessagePtr parsed = Parse(*built, bytes);
    ASSERT_NE(nullptr, parsed);
    EXPECT_TRUE(google::protobuf::util::MessageDifferencer::Equals(*built, *parsed))
        << "built: " << built->ShortDebugString() << "\nparsed: " << parsed->ShortDebugString();
    EXPECT_EQ(bytes, parsed->SerializeAsString());
}

using zarv::data::SelectDocumentKeyRequest;
using zarv::data::SelectDocumentReply;
using zarv::data::SelectDocumentRequest;
using zarv::data::SelectDocumentWebpageRequest;
using zarv::data::SelectFolderKeyRequest;
using zarv::data::SelectFolderReply;
using zarv::data::SelectFolderRequest;
using zarv::data::SelectGroupKeyRequest;
using zarv::data::SelectMessageFolderReply;
using zarv::data::SelectMessageFolderRequest;
using zarv::data::SelectMessageReply;
using zarv::data::SelectMessageRequest;
using zarv::data::SelectMessageUserReply;
using zarv::data::SelectMessageUserRequest;
using zarv::data::SelectUserGroupRequest;
using zarv::data::SelectUserGroupUserRequest;
using zarv::data::SelectUserRequest;

const WireExample WireExamples[] = {
    {"DocumentEmpty", Empty<SelectDocumentRequest>(), ""},
    {"DocumentLogicalAndIsExplicit",
     Build<SelectDocumentRequest>([](auto& r) { r.set_logical_operator(SelectDocumentRequest::LOGICAL_AND); }),
     "A0 42 00"},
    {"DocumentSearchSubfoldersFalse", Build<SelectDocumentRequest>([](auto& r) { r.set_search_subfolders(false); }),
     "F0 42 00"},
    {"DocumentFolderIdZero", Build<SelectDocumentRequest>([](auto& r) { r.set_document_folder_id(0); }), "E0 3F 00"},
    {"DocumentRootId", Build<SelectDocumentRequest>([](auto& r) { r.set_document_id(INT_MIN + 1); }),
     "C0 3E FD FF FF FF 0F"},
    {"DocumentExcludedIdsPacked", Build<SelectDocumentRequest>([](auto& r) {
         r.add_exclude_document_id(1);
         r.add_exclude_document_id(-1);
         r.add_exclude_document_id(INT_MIN);
     }),
     "C2 43 07 02 01 FF FF FF FF 0F"},
    {"DocumentRevisionSpan", Build<SelectDocumentRequest>([](auto& r) {
         r.set_document_id(2);
         r.mutable_sys_period();
         r.set_select_deleted_documents(true);
     }),
     "C0 3E 04 82 41 00 D0 41 01"},
    {"DocumentCriteriaInOrder", Build<SelectDocumentRequest>([](auto& r) {
         r.add_document_name_like("a");
         r.add_document_name_like("b");
         r.add_document_body_contains("c");
     }),
     "B2 45 01 61 B2 45 01 62 92 4E 01 63"},
    {"DocumentKeyIdAndName", Build<SelectDocumentKeyRequest>([](auto& r) {
         r.set_document_key_document_id(3);
         r.set_document_key_document_name("Plan");
     }),
     "C0 3E 06 D2 41 04 50 6C 61 6E"},
    {"DocumentKeyFirstCriterion", Build<SelectDocumentKeyRequest>([](auto& r) { r.add_document_name_equal("x"); }),
     "C2 43 01 78"},
    {"DocumentReplyCkeyPacked", Build<SelectDocumentReply>([](auto& r) {
         r.mutable_sql_diag_rec();
         r.add_ckey(1);
         r.add_ckey(2);
         r.add_ckey(3);
     }),
     "C2 3E 00 E2 3F 03 02 04 06"},
    {"FolderKeyEmptyName", Build<SelectFolderKeyRequest>([](auto& r) { r.set_folder_key_folder_name(""); }),
     "82 41 00"},
    {"FolderParentIdZero", Build<SelectFolderRequest>([](auto& r) { r.set_folder_parent_id(0); }), "E0 3F 00"},
    {"FolderReplyWithoutCkey", Build<SelectFolderReply>([](auto& r) {
         r.mutable_sql_diag_rec();
         r.add_folder();
     }),
     "C2 3E 00 92 3F 00"},
    {"GroupKeyExcludeGuest", Build<SelectGroupKeyRequest>([](auto& r) { r.set_exclude_guest_user_id(true); }),
     "A0 42 01"},
    {"WebpageUrlHashAfterGap", Build<SelectDocumentWebpageRequest>([](auto& r) {
         r.set_document_webpage_document_id(1);
         r.set_document_webpage_url_hash(std::string("\x01\xFF", 2));
     }),
     "C0 3E 02 E2 3F 02 01 FF"},
    {"MessageUserId", Build<SelectMessageRequest>([](auto& r) { r.set_message_user_id(5); }), "E0 3F 0A"},
    {"MessageChainIdZero", Build<SelectMessageRequest>([](auto& r) { r.set_message_chain_id(0); }), "D0 41 00"},
    {"MessageLogicalOr",
     Build<SelectMessageRequest>([](auto& r) { r.set_logical_operator(SelectMessageRequest::LOGICAL_OR); }),
     "F0 42 01"},
    {"MessageFromEqual", Build<SelectMessageRequest>([](auto& r) { r.add_message_from_equal("z"); }), "C2 43 01 7A"},
    {"MessageReplyStartsAt1010", Build<SelectMessageReply>([](auto& r) {
         r.mutable_sql_diag_rec();
         r.add_message();
     }),
     "92 3F 00 E2 3F 00"},
    {"MessageUserLogicalOr",
     Build<SelectMessageUserRequest>([](auto& r) { r.set_logical_operator(SelectMessageUserRequest::LOGICAL_OR); }),
     "80 41 01"},
    {"MessageUserFromEqual", Build<SelectMessageUserRequest>([](auto& r) { r.add_message_from_equal("z"); }),
     "E2 44 01 7A"},
    {"MessageUserReply", Build<SelectMessageUserReply>([](auto& r) {
         r.mutable_sql_diag_rec();
         r.add_message();
     }),
     "C2 3E 00 92 3F 00"},
    {"UserGroupId", Build<SelectUserRequest>([](auto& r) { r.set_user_group_id(7); }), "90 3F 0E"},
    {"UserGroupIdNull", Build<SelectUserRequest>([](auto& r) { r.set_user_group_id(INT_MIN); }),
     "90 3F FF FF FF FF 0F"},
    {"UserExcludedIds", Build<SelectUserRequest>([](auto& r) {
         r.set_user_group_id(7);
         r.add_exclude_user_id(7);
         r.add_exclude_user_id(64);
     }),
     "90 3F 0E D2 41 03 0E 80 01"},
    {"UserGroupUserExcludeSession",
     Build<SelectUserGroupUserRequest>([](auto& r) { r.set_exclude_session_user_id(true); }), "B0 40 01"},
    {"MessageFolderOwnerAndParent", Build<SelectMessageFolderRequest>([](auto& r) {
         r.set_message_folder_user_id(12);
         r.set_message_folder_parent_id(40);
     }),
     "E0 3F 18 B0 40 50"},
    {"MessageFolderReplyEmptyDiagnostic", Build<SelectMessageFolderReply>([](auto& r) { r.mutable_sql_diag_rec(); }),
     "92 3F 00"},
};

INSTANTIATE_TEST_SUITE_P(Select, SelectWireExample, testing::ValuesIn(WireExamples), ExampleName());

struct SharedOneofExample
{
    const char* name;
    const char* oneof;
    MessageFactory setFirstThenLast;
    int lastNumber;
    const char* lastAlone;
    const char* bothOnWire;
};

void PrintTo(const SharedOneofExample& example, std::ostream* out)
{
    *out << example.name;
}

class SharedOneof : public testing::TestWithParam<SharedOneofExample>
{};

TEST_P(SharedOneof, SettingAMemberDropsTheOtherFromMessageAndWire)
{
    const MessagePtr message = GetParam().setFirstThenLast();
    EXPECT_EQ(GetParam().lastNumber, OneofCase(*message, GetParam().oneof));
    EXPECT_EQ(testsupport::BytesFromHex(GetParam().lastAlone), message->SerializeAsString());
}

TEST_P(SharedOneof, ParsingTwoMembersKeepsTheLastOnTheWire)
{
    const MessagePtr prototype = GetParam().setFirstThenLast();
    const MessagePtr parsed = Parse(*prototype, testsupport::BytesFromHex(GetParam().bothOnWire));
    ASSERT_NE(nullptr, parsed);
    EXPECT_EQ(GetParam().lastNumber, OneofCase(*parsed, GetParam().oneof));
    EXPECT_EQ(testsupport::BytesFromHex(GetParam().lastAlone), parsed->SerializeAsString());
}

const SharedOneofExample SharedOneofExamples[] = {
    {"DocumentUserOverDocument", "id_enum", Build<SelectDocumentRequest>([](auto& r) {
         r.set_document_id(4);
         r.set_document_user_id(9);
     }),
     1010, "90 3F 12", "C0 3E 08 90 3F 12"},
    {"DocumentOverFolder", "id_enum", Build<SelectDocumentRequest>([](auto& r) {
         r.set_document_folder_id(4);
         r.set_document_id(9);
     }),
     1000, "C0 3E 12", "E0 3F 08 C0 3E 12"},
    {"FolderOverParent", "id_folder_id_parent_id_enum", Build<SelectFolderRequest>([](auto& r) {
         r.set_folder_parent_id(0);
         r.set_folder_id(9);
     }),
     1010, "90 3F 12", "E0 3F 00 90 3F 12"},
    {"UserOverGroup", "id_enum", Build<SelectUserRequest>([](auto& r) {
         r.set_user_group_id(7);
         r.set_user_id(9);
     }),
     1000, "C0 3E 12", "90 3F 0E C0 3E 12"},
    {"GroupOverUser", "id_enum", Build<SelectUserRequest>([](auto& r) {
         r.set_user_id(9);
         r.set_user_group_id(7);
     }),
     1010, "90 3F 0E", "C0 3E 12 90 3F 0E"},
    {"UserGroupOwnerOverGroup", "id_enum", Build<SelectUserGroupRequest>([](auto& r) {
         r.set_user_group_group_id(4);
         r.set_user_group_user_id(9);
     }),
     1010, "90 3F 12", "C0 3E 08 90 3F 12"},
    {"UserGroupGroupOverOwner", "id_enum", Build<SelectUserGroupRequest>([](auto& r) {
         r.set_user_group_user_id(9);
         r.set_user_group_group_id(4);
     }),
     1000, "C0 3E 08", "90 3F 12 C0 3E 08"},
};

INSTANTIATE_TEST_SUITE_P(Select, SharedOneof, testing::ValuesIn(SharedOneofExamples), ExampleName());

TEST(SelectDocumentRequest, IdEnumNamesTheLastMemberSet)
{
    SelectDocumentRequest request;
    request.set_document_id(4);
    request.set_document_user_id(9);
    EXPECT_EQ(1010, request.id_enum_case());
    EXPECT_FALSE(request.has_document_id());
    EXPECT_EQ(0, request.document_id());
    EXPECT_EQ(9, request.document_user_id());
    request.clear_id_enum();
    EXPECT_EQ(SelectDocumentRequest::ID_ENUM_NOT_SET, request.id_enum_case());
}

TEST(SelectFolderKeyRequest, EmptyFolderNameIsPresent)
{
    SelectFolderKeyRequest request;
    request.set_folder_key_folder_id(3);
    EXPECT_EQ(testsupport::BytesFromHex("C0 3E 06"), request.SerializeAsString());

    request.set_folder_key_folder_name("");
    SelectFolderKeyRequest parsed;
    ASSERT_TRUE(parsed.ParseFromString(request.SerializeAsString()));
    EXPECT_TRUE(parsed.has_folder_key_folder_name());
    EXPECT_EQ("", parsed.folder_key_folder_name());

    parsed.clear_folder_key_folder_name();
    EXPECT_FALSE(parsed.has_folder_key_folder_name());
    EXPECT_EQ(testsupport::BytesFromHex("C0 3E 06"), parsed.SerializeAsString());
}

struct OperatorField
{
    const char* name;
    MessageFactory make;
    const char* tag;
    std::function<bool(int)> isValid;
};

const OperatorField OperatorFields[] = {
    {"SelectDocumentRequest", Empty<SelectDocumentRequest>(), "A0 42",
     zarv::data::SelectDocumentRequest_operator_IsValid},
    {"SelectDocumentKeyRequest", Empty<SelectDocumentKeyRequest>(), "A0 42",
     zarv::data::SelectDocumentKeyRequest_operator_IsValid},
    {"SelectMessageRequest", Empty<SelectMessageRequest>(), "F0 42", zarv::data::SelectMessageRequest_operator_IsValid},
    {"SelectMessageUserRequest", Empty<SelectMessageUserRequest>(), "80 41",
     zarv::data::SelectMessageUserRequest_operator_IsValid},
};

TEST(SelectLogicalOperator, IsValidAcceptsOnlyTheTwoDeclaredValues)
{
    for (const auto& field : OperatorFields) {
        SCOPED_TRACE(field.name);
        EXPECT_TRUE(field.isValid(0));
        EXPECT_TRUE(field.isValid(1));
        EXPECT_FALSE(field.isValid(2));
        EXPECT_FALSE(field.isValid(-1));
    }
}

TEST(SelectLogicalOperator, OpenEnumKeepsAnUndeclaredNumber)
{
    // An enum travels as a plain varint: -1 takes ten bytes.
    const struct
    {
        int value;
        const char* varint;
    } undeclared[] = {{2, "02"}, {-1, "FF FF FF FF FF FF FF FF FF 01"}};

    for (const auto& field : OperatorFields) {
        for (const auto& number : undeclared) {
            SCOPED_TRACE(std::string(field.name) + " " + std::to_string(number.value));
            const std::string bytes = testsupport::BytesFromHex(std::string(field.tag) + " " + number.varint);
            const MessagePtr prototype = field.make();
            const MessagePtr parsed = Parse(*prototype, bytes);
            ASSERT_NE(nullptr, parsed);
            const auto* logicalOperator = parsed->GetDescriptor()->FindFieldByName("logical_operator");
            ASSERT_NE(nullptr, logicalOperator);
            EXPECT_EQ(logicalOperator->number(), OneofCase(*parsed, "logical_operator_enum"));
            EXPECT_EQ(number.value, parsed->GetReflection()->GetEnumValue(*parsed, logicalOperator));
            EXPECT_EQ(bytes, parsed->SerializeAsString());
        }
    }
}

TEST(SelectExclusionFlags, AreWrittenOnlyWhenTrue)
{
    const std::vector<std::string> userFlags = {"exclude_session_user_id", "exclude_root_user_id",
                                                "exclude_administrator_user_id", "exclude_guest_user_id"};
    const struct
    {
        MessageFactory make;
        std::vector<std::string> flags;
    } requests[] = {
        {Empty<zarv::data::SelectGroupRequest>(),
         {"exclude_root_group_id", "exclude_administrator_group_id", "exclude_guest_group_id",
          "exclude_user_group_id"}},
        {Empty<SelectGroupKeyRequest>(), userFlags},
        {Empty<SelectMessageUserRequest>(), userFlags},
        {Empty<SelectUserGroupUserRequest>(), userFlags},
        {Empty<SelectUserRequest>(), {"do_not_exclude_administrator_user_id", "do_not_exclude_session_user_id"}},
    };

    for (const auto& request : requests) {
        for (const auto& flag : request.flags) {
            const MessagePtr message = request.make();
            SCOPED_TRACE(message->GetTypeName() + "." + flag);
            const auto* field = message->GetDescriptor()->FindFieldByName(flag);
            ASSERT_NE(nullptr, field);
            EXPECT_EQ(FieldDescriptor::TYPE_BOOL, field->type());
            EXPECT_FALSE(field->has_presence());

            message->GetReflection()->SetBool(message.get(), field, false);
            EXPECT_TRUE(message->SerializeAsString().empty());

            message->GetReflection()->SetBool(message.get(), field, true);
            const MessagePtr parsed = Parse(*message, message->SerializeAsString());
            ASSERT_NE(nullptr, parsed);
            EXPECT_TRUE(parsed->GetReflection()->GetBool(*parsed, field));
        }
    }
}

// The criteria fields of the two requests of one kind carry the same names
// at a fixed distance.
void ExpectCriteria(const google::protobuf::Descriptor& first,
                    int firstNumber,
                    const google::protobuf::Descriptor& second,
                    int secondNumber,
                    const std::vector<std::string>& names)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (const auto& [descriptor, number] :
             {std::make_pair(&first, firstNumber), std::make_pair(&second, secondNumber)}) {
            SCOPED_TRACE(descriptor->name() + "." + names[i]);
            const auto* field = descriptor->FindFieldByName(names[i]);
            ASSERT_NE(nullptr, field);
            EXPECT_EQ(number + 10 * static_cast<int>(i), field->number());
            EXPECT_TRUE(field->is_repeated());
            EXPECT_EQ(FieldDescriptor::TYPE_STRING, field->type());
        }
    }
    EXPECT_EQ(first.field_count() - 1, first.FindFieldByName(names.back())->index());
    EXPECT_EQ(second.field_count() - 1, second.FindFieldByName(names.back())->index());
}

std::vector<std::string> DateCriteria(const std::string& subject)
{
    std::vector<std::string> names;
    for (const char* date : {"_creation_date_", "_modification_date_"}) {
        for (const char* predicate :
             {"equal", "not_equal", "less_than", "greater_than", "less_than_or_equal", "greater_than_or_equal"}) {
            names.push_back(subject + date + predicate);
        }
    }
    return names;
}

std::vector<std::string> TextCriteria(const std::string& subject)
{
    std::vector<std::string> names;
    for (const char* predicate : {"_equal", "_not_equal", "_like", "_not_like"}) {
        names.push_back(subject + predicate);
    }
    return names;
}

TEST(SelectCriteria, DocumentCriteriaLieTenApart)
{
    std::vector<std::string> names = TextCriteria("document_name");
    for (const auto& date : DateCriteria("document")) {
        names.push_back(date);
    }
    names.push_back("document_body_contains");
    ASSERT_EQ(17u, names.size());
    ExpectCriteria(*SelectDocumentRequest::descriptor(), 1090, *SelectDocumentKeyRequest::descriptor(), 1080, names);
}

TEST(SelectCriteria, MessageCriteriaLieTwentyApart)
{
    std::vector<std::string> names = TextCriteria("message_from");
    for (const auto& subject : TextCriteria("message_subject")) {
        names.push_back(subject);
    }
    for (const auto& date : DateCriteria("message")) {
        names.push_back(date);
    }
    names.push_back("message_body_contains");
    ASSERT_EQ(21u, names.size());
    ExpectCriteria(*SelectMessageRequest::descriptor(), 1080, *SelectMessageUserRequest::descriptor(), 1100, names);
}

struct ParseExample
{
    const char* name;
    MessageFactory make;
    const char* wire;
    bool parses;
};

void PrintTo(const ParseExample& example, std::ostream* out)
{
    *out << example.name;
}

class SelectParse : public testing::TestWithParam<ParseExample>
{};

// Unknown numbers survive and are written back after the known fields;
// a string field must hold UTF-8, a bytes field need not.
TEST_P(SelectParse, KeepsUnknownFieldsAndChecksStrings)
{
    const MessagePtr prototype = GetParam().make();
    const std::string bytes = testsupport::BytesFromHex(GetParam().wire);
    const MessagePtr parsed = Parse(*prototype, bytes);
    ASSERT_EQ(GetParam().parses, parsed != nullptr);
    if (parsed) {
        EXPECT_EQ(bytes, parsed->SerializeAsString());
    }
}

const ParseExample ParseExamples[] = {
    {"WebpageRequestUnknown1010", Empty<SelectDocumentWebpageRequest>(), "C0 3E 04 90 3F 02", true},
    {"WebpageUrlHashNotUtf8", Empty<SelectDocumentWebpageRequest>(), "E2 3F 01 FF", true},
    {"DictionaryWordNotUtf8", Empty<zarv::data::SelectDictionaryRequest>(), "92 3F 01 FF", false},
    {"UserNameNotUtf8", Empty<SelectUserRequest>(), "E2 3F 01 FF", false},
    {"FolderKeyNameNotUtf8", Empty<SelectFolderKeyRequest>(), "82 41 01 FF", false},
    {"DocumentCriterionNotUtf8", Empty<SelectDocumentRequest>(), "92 44 01 FF", false},
};

INSTANTIATE_TEST_SUITE_P(Select, SelectParse, testing::ValuesIn(ParseExamples), ExampleName());

TEST(SelectMessageFolderReply, DiagnosticUnderTheWrongNumberIsNotRead)
{
    SelectMessageFolderReply reply;
    ASSERT_TRUE(reply.ParseFromString(testsupport::BytesFromHex("C2 3E 03 C0 3E 0A")));
    EXPECT_FALSE(reply.has_sql_diag_rec());
    EXPECT_EQ(0, reply.sql_diag_rec().sqlc());
    EXPECT_EQ(testsupport::BytesFromHex("C2 3E 03 C0 3E 0A"), reply.SerializeAsString());
}

}  // namespace
