// The catalogue as a whole, read through the descriptors that the generated files register: which
// messages exist, how their fields are numbered, typed and grouped for presence, and what each
// definition file imports. The explicit list below pins the catalogue at 130 messages.

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
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
#include "dictionary3.pb.h"
#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "documentkeys3.pb.h"
#include "documents3.pb.h"
#include "documentwebpage3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "group3.pb.h"
#include "groupkey3.pb.h"
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
#include "message3.pb.h"
#include "messagedocument3.pb.h"
#include "messagefolder3.pb.h"
#include "messages3.pb.h"
#include "openfolderkeyrequest3.pb.h"
#include "openmessagerequest3.pb.h"
#include "securitydescriptor3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectdocumentwebpagereply3.pb.h"
#include "selectdocumentwebpagerequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectgroupkeyreply3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectgroupreply3.pb.h"
#include "selectgrouprequest3.pb.h"
#include "selectmessagedocumentreply3.pb.h"
#include "selectmessagedocumentrequest3.pb.h"
#include "selectmessagefolderreply3.pb.h"
#include "selectmessagefolderrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "selectusergroupreply3.pb.h"
#include "selectusergrouprequest3.pb.h"
#include "selectusergroupuserreply3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "sqldiagrec3.pb.h"
#include "sysperiod3.pb.h"
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
#include "user3.pb.h"
#include "usergroup3.pb.h"
#include "usergroupuser3.pb.h"
#include "users3.pb.h"

#include <google/protobuf/descriptor.h>
#include <google/protobuf/descriptor.pb.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using google::protobuf::Descriptor;
using google::protobuf::EnumDescriptor;
using google::protobuf::FieldDescriptor;
using google::protobuf::FileDescriptor;
using google::protobuf::OneofDescriptor;

struct CatalogueEntry
{
    const char* name;
    const Descriptor* (*descriptor)();
};

// Referencing every class's descriptor also keeps each generated file in the test program.
#define QUENLARK_CATALOGUE_ENTRY(Name)       \
    CatalogueEntry                           \
    {                                        \
#Name, &zarv::data::Name::descriptor \
    }

const std::vector<CatalogueEntry>& Catalogue()
{
    static const std::vector<CatalogueEntry> entries = {
        // records
        QUENLARK_CATALOGUE_ENTRY(SQLDiagRec),
        QUENLARK_CATALOGUE_ENTRY(SecurityDescriptor),
        QUENLARK_CATALOGUE_ENTRY(User),
        QUENLARK_CATALOGUE_ENTRY(Users),
        QUENLARK_CATALOGUE_ENTRY(Document),
        QUENLARK_CATALOGUE_ENTRY(Documents),
        QUENLARK_CATALOGUE_ENTRY(SysPeriod),
        QUENLARK_CATALOGUE_ENTRY(Folder),
        QUENLARK_CATALOGUE_ENTRY(DocumentWebpage),
        QUENLARK_CATALOGUE_ENTRY(DocumentKey),
        QUENLARK_CATALOGUE_ENTRY(DocumentKeys),
        QUENLARK_CATALOGUE_ENTRY(FolderKey),
        QUENLARK_CATALOGUE_ENTRY(Group),
        QUENLARK_CATALOGUE_ENTRY(GroupKey),
        QUENLARK_CATALOGUE_ENTRY(UserGroup),
        QUENLARK_CATALOGUE_ENTRY(UserGroupUser),
        QUENLARK_CATALOGUE_ENTRY(Dictionary),
        QUENLARK_CATALOGUE_ENTRY(Message),
        QUENLARK_CATALOGUE_ENTRY(Messages),
        QUENLARK_CATALOGUE_ENTRY(MessageFolder),
        QUENLARK_CATALOGUE_ENTRY(MessageDocument),
        // log-on
        QUENLARK_CATALOGUE_ENTRY(AuthenticateUserRequest),
        QUENLARK_CATALOGUE_ENTRY(AuthenticateUserReply),
        // selection
        QUENLARK_CATALOGUE_ENTRY(SelectDocumentRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectDocumentReply),
        QUENLARK_CATALOGUE_ENTRY(SelectDocumentKeyRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectDocumentKeyReply),
        QUENLARK_CATALOGUE_ENTRY(SelectFolderRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectFolderReply),
        QUENLARK_CATALOGUE_ENTRY(SelectFolderKeyRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectFolderKeyReply),
        QUENLARK_CATALOGUE_ENTRY(SelectDocumentWebpageRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectDocumentWebpageReply),
        QUENLARK_CATALOGUE_ENTRY(SelectGroupRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectGroupReply),
        QUENLARK_CATALOGUE_ENTRY(SelectGroupKeyRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectGroupKeyReply),
        QUENLARK_CATALOGUE_ENTRY(SelectMessageRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectMessageReply),
        QUENLARK_CATALOGUE_ENTRY(SelectMessageUserRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectMessageUserReply),
        QUENLARK_CATALOGUE_ENTRY(SelectUserRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectUserReply),
        QUENLARK_CATALOGUE_ENTRY(SelectUserGroupRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectUserGroupReply),
        QUENLARK_CATALOGUE_ENTRY(SelectUserGroupUserRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectUserGroupUserReply),
        QUENLARK_CATALOGUE_ENTRY(SelectMessageFolderRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectMessageFolderReply),
        QUENLARK_CATALOGUE_ENTRY(SelectMessageDocumentRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectMessageDocumentReply),
        QUENLARK_CATALOGUE_ENTRY(SelectDictionaryRequest),
        QUENLARK_CATALOGUE_ENTRY(SelectDictionaryReply),
        // insertion
        QUENLARK_CATALOGUE_ENTRY(InsertDictionaryRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertDocumentRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertDocumentReply),
        QUENLARK_CATALOGUE_ENTRY(InsertDocumentKeyRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertDocumentKeyReply),
        QUENLARK_CATALOGUE_ENTRY(InsertDocumentWebpageRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertFolderRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertFolderReply),
        QUENLARK_CATALOGUE_ENTRY(InsertFolderKeyRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertFolderKeyReply),
        QUENLARK_CATALOGUE_ENTRY(InsertMessageRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertMessageReply),
        QUENLARK_CATALOGUE_ENTRY(InsertMessageDocumentRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertMessageDocumentReply),
        QUENLARK_CATALOGUE_ENTRY(InsertMessageFolderRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertMessageFolderReply),
        QUENLARK_CATALOGUE_ENTRY(InsertMessageUserRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertMessageUserReply),
        QUENLARK_CATALOGUE_ENTRY(InsertUserGroupRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertUserGroupReply),
        QUENLARK_CATALOGUE_ENTRY(InsertUserGroupUserRequest),
        QUENLARK_CATALOGUE_ENTRY(InsertUserGroupUserReply),
        // update
        QUENLARK_CATALOGUE_ENTRY(UpdateDocumentRequest),
        QUENLARK_CATALOGUE_ENTRY(UpdateDocumentReply),
        QUENLARK_CATALOGUE_ENTRY(UpdateDocumentKeyRequest),
        QUENLARK_CATALOGUE_ENTRY(UpdateDocumentKeyReply),
        QUENLARK_CATALOGUE_ENTRY(UpdateDocumentWebpageRequest),
        QUENLARK_CATALOGUE_ENTRY(UpdateDocumentWebpageReply),
        QUENLARK_CATALOGUE_ENTRY(UpdateFolderRequest),
        QUENLARK_CATALOGUE_ENTRY(UpdateFolderReply),
        QUENLARK_CATALOGUE_ENTRY(UpdateFolderKeyRequest),
        QUENLARK_CATALOGUE_ENTRY(UpdateFolderKeyReply),
        QUENLARK_CATALOGUE_ENTRY(UpdateMessageRequest),
        QUENLARK_CATALOGUE_ENTRY(UpdateMessageReply),
        QUENLARK_CATALOGUE_ENTRY(UpdateMessageFolderRequest),
        QUENLARK_CATALOGUE_ENTRY(UpdateMessageFolderReply),
        QUENLARK_CATALOGUE_ENTRY(UpdateMessageUserRequest),
        QUENLARK_CATALOGUE_ENTRY(UpdateMessageUserReply),
        QUENLARK_CATALOGUE_ENTRY(UpdateUserRequest),
        QUENLARK_CATALOGUE_ENTRY(UpdateUserReply),
        QUENLARK_CATALOGUE_ENTRY(UpdateUserGroupRequest),
        QUENLARK_CATALOGUE_ENTRY(UpdateUserGroupReply),
        QUENLARK_CATALOGUE_ENTRY(UpdateUserGroupUserRequest),
        QUENLARK_CATALOGUE_ENTRY(UpdateUserGroupUserReply),
        // deletion
        QUENLARK_CATALOGUE_ENTRY(DeleteDocumentRequest),
        QUENLARK_CATALOGUE_ENTRY(DeleteDocumentReply),
        QUENLARK_CATALOGUE_ENTRY(DeleteDocumentKeyRequest),
        QUENLARK_CATALOGUE_ENTRY(DeleteDocumentKeyReply),
        QUENLARK_CATALOGUE_ENTRY(DeleteDocumentWebpageRequest),
        QUENLARK_CATALOGUE_ENTRY(DeleteDocumentWebpageReply),
        QUENLARK_CATALOGUE_ENTRY(DeleteFolderRequest),
        QUENLARK_CATALOGUE_ENTRY(DeleteFolderReply),
        QUENLARK_CATALOGUE_ENTRY(DeleteFolderKeyRequest),
        QUENLARK_CATALOGUE_ENTRY(DeleteMessageRequest),
        QUENLARK_CATALOGUE_ENTRY(DeleteMessageReply),
        QUENLARK_CATALOGUE_ENTRY(DeleteMessageDocumentRequest),
        QUENLARK_CATALOGUE_ENTRY(DeleteMessageDocumentReply),
        QUENLARK_CATALOGUE_ENTRY(DeleteMessageFolderRequest),
        QUENLARK_CATALOGUE_ENTRY(DeleteMessageFolderReply),
        QUENLARK_CATALOGUE_ENTRY(DeleteMessageUserRequest),
        QUENLARK_CATALOGUE_ENTRY(DeleteMessageUserReply),
        QUENLARK_CATALOGUE_ENTRY(DeleteUserGroupRequest),
        QUENLARK_CATALOGUE_ENTRY(DeleteUserGroupReply),
        QUENLARK_CATALOGUE_ENTRY(DeleteUserGroupUserRequest),
        QUENLARK_CATALOGUE_ENTRY(DeleteUserGroupUserReply),
        // requests that stay in the client
        QUENLARK_CATALOGUE_ENTRY(LogEventCopyDocumentToClipboardRequest),
        QUENLARK_CATALOGUE_ENTRY(LogEventCopyMessageToClipboardRequest),
        QUENLARK_CATALOGUE_ENTRY(LogEventExportDocumentToPdfFileRequest),
        QUENLARK_CATALOGUE_ENTRY(LogEventExportDocumentToTextFileRequest),
        QUENLARK_CATALOGUE_ENTRY(LogEventExportMessageToPdfFileRequest),
        QUENLARK_CATALOGUE_ENTRY(LogEventExportMessageToTextFileRequest),
        QUENLARK_CATALOGUE_ENTRY(LogEventPasteDocumentFromClipboardRequest),
        QUENLARK_CATALOGUE_ENTRY(LogEventPasteMessageFromClipboardRequest),
        QUENLARK_CATALOGUE_ENTRY(LogEventPrintDocumentRequest),
        QUENLARK_CATALOGUE_ENTRY(LogEventPrintMessageRequest),
        QUENLARK_CATALOGUE_ENTRY(OpenFolderKeyRequest),
        QUENLARK_CATALOGUE_ENTRY(OpenMessageRequest),
    };
    return entries;
}

#undef QUENLARK_CATALOGUE_ENTRY

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool IsReply(const Descriptor* message)
{
    return EndsWith(message->name(), "Reply");
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// "Message.field", the name that the failure lists below use.
std::string Name(const FieldDescriptor* field)
{
    return field->containing_type()->name() + "." + field->name();
}

template <typename Visit>
void ForEachField(Visit visit)
{
    for (const CatalogueEntry& entry : Catalogue()) {
        const Descriptor* message = entry.descriptor();
        for (int i = 0; i < message->field_count(); ++i) {
            visit(message->field(i));
        }
    }
}

std::vector<int> Numbers(const Descriptor* message)
{
    std::vector<int> numbers;
    for (int i = 0; i < message->field_count(); ++i) {
        numbers.push_back(message->field(i)->number());
    }
    return numbers;
}

std::vector<int> Steps(int first, int last)
{
    std::vector<int> numbers;
    for (int number = first; number <= last; number += 10) {
        numbers.push_back(number);
    }
    return numbers;
}

TEST(Catalogue, HoldsOneMessagePerProto3FileOfThePackage)
{
    std::set<std::string> names;
    std::set<std::string> files;
    int records = 0;
    int requests = 0;
    int replies = 0;
    for (const CatalogueEntry& entry : Catalogue()) {
        const Descriptor* message = entry.descriptor();
        ASSERT_NE(nullptr, message) << entry.name;
        const FileDescriptor* file = message->file();
        EXPECT_EQ(entry.name, message->name());
        EXPECT_EQ(std::string("zarv.data.") + entry.name, message->full_name());
        EXPECT_EQ(Lower(entry.name) + "3.proto", file->name());
        EXPECT_EQ(file, google::protobuf::DescriptorPool::generated_pool()->FindFileByName(file->name()));
        EXPECT_EQ(FileDescriptor::SYNTAX_PROTO3, file->syntax()) << file->name();
        EXPECT_EQ("zarv.data", file->package()) << file->name();
        EXPECT_EQ(1, file->message_type_count()) << file->name();
        EXPECT_EQ(0, file->enum_type_count()) << file->name();
        EXPECT_EQ(0, file->service_count()) << file->name();
        EXPECT_EQ(0, file->extension_count()) << file->name();
        EXPECT_EQ(0u, file->options().ByteSizeLong()) << file->name();
        EXPECT_EQ(0u, message->options().ByteSizeLong()) << entry.name;
        EXPECT_EQ(0, message->nested_type_count()) << entry.name;
        EXPECT_EQ(0, message->extension_range_count()) << entry.name;
        EXPECT_EQ(0, message->reserved_range_count()) << entry.name;
        names.insert(message->name());
        files.insert(file->name());
        if (EndsWith(entry.name, "Request")) {
            ++requests;
        } else if (EndsWith(entry.name, "Reply")) {
            ++replies;
        } else {
            ++records;
        }
    }
    EXPECT_EQ(130u, names.size());
    EXPECT_EQ(130u, files.size());
    EXPECT_EQ(21, records);
    EXPECT_EQ(62, requests);
    EXPECT_EQ(47, replies);
}

TEST(Catalogue, FieldsHaveOnlyTheSchemasTypesInTheirCounts)
{
    // type -> {singular, repeated}
    std::map<FieldDescriptor::Type, std::pair<int, int>> counts;
    int total = 0;
    ForEachField([&](const FieldDescriptor* field) {
        ++total;
        auto& count = counts[field->type()];
        ++(field->is_repeated() ? count.second : count.first);
        EXPECT_EQ(0u, field->options().ByteSizeLong()) << Name(field);
        EXPECT_FALSE(field->has_json_name()) << Name(field);
    });
    const std::map<FieldDescriptor::Type, std::pair<int, int>> expected = {
        {FieldDescriptor::TYPE_SINT32, {162, 60}}, {FieldDescriptor::TYPE_INT32, {28, 0}},
        {FieldDescriptor::TYPE_BOOL, {25, 0}},     {FieldDescriptor::TYPE_STRING, {63, 76}},
        {FieldDescriptor::TYPE_BYTES, {31, 0}},    {FieldDescriptor::TYPE_MESSAGE, {108, 22}},
        {FieldDescriptor::TYPE_ENUM, {4, 0}},
    };
    EXPECT_EQ(579, total);
    for (const auto& [type, count] : counts) {
        const auto wanted = expected.find(type);
        ASSERT_NE(expected.end(), wanted) << "unexpected type " << FieldDescriptor::TypeName(type);
        EXPECT_EQ(wanted->second, count) << FieldDescriptor::TypeName(type) << " {singular, repeated}";
    }
    EXPECT_EQ(expected.size(), counts.size());
}

TEST(Catalogue, SpecialTypesCarryOnlyTheirOwnKindOfValue)
{
    std::vector<std::string> misplaced;
    ForEachField([&](const FieldDescriptor* field) {
        const std::string message = field->containing_type()->name();
        const bool logOn = message == "AuthenticateUserRequest" || message == "AuthenticateUserReply";
        switch (field->type()) {
        case FieldDescriptor::TYPE_INT32:
            if (!logOn || !EndsWith(field->name(), "_len"))
                misplaced.push_back(Name(field));
            break;
        case FieldDescriptor::TYPE_BYTES:
            if (!(logOn && field->name().rfind("encrypted_", 0) == 0) && field->name() != "document_webpage_url_hash")
                misplaced.push_back(Name(field));
            break;
        case FieldDescriptor::TYPE_ENUM:
            if (field->name() != "logical_operator" || field->enum_type()->name() != "operator"
                || field->enum_type()->containing_type() != field->containing_type())
                misplaced.push_back(Name(field));
            break;
        case FieldDescriptor::TYPE_SINT32:
            if (field->is_repeated() && !field->is_packed())
                misplaced.push_back(Name(field) + " (not packed)");
            break;
        default:
            break;
        }
        // Every log-on length is int32, every other integer sint32.
        if (logOn && EndsWith(field->name(), "_len") && field->type() != FieldDescriptor::TYPE_INT32)
            misplaced.push_back(Name(field));
    });
    EXPECT_EQ(std::vector<std::string>(), misplaced);
}

TEST(Catalogue, FieldsNumberFrom1000InStepsOf10ButForNineMessages)
{
    const std::map<std::string, std::vector<int>> departures = [] {
        std::vector<int> message = Steps(1000, 1130);
        message.push_back(1135);
        const std::vector<int> rest = Steps(1140, 1220);
        message.insert(message.end(), rest.begin(), rest.end());
        return std::map<std::string, std::vector<int>>{
            {"DocumentKeys", {10}},
            {"OpenFolderKeyRequest", {10}},
            {"Message", message},
            {"SelectDocumentWebpageRequest", {1000, 1020}},
            {"InsertDocumentKeyReply", {1000, 1020, 1030}},
            {"SelectMessageRequest", Steps(1010, 1280)},
            {"SelectMessageReply", {1010, 1020, 1030}},
            {"SelectMessageFolderRequest", {1010, 1020, 1030}},
            {"SelectMessageFolderReply", {1010, 1020, 1030}},
        };
    }();
    int departing = 0;
    for (const CatalogueEntry& entry : Catalogue()) {
        const Descriptor* message = entry.descriptor();
        const auto departure = departures.find(message->name());
        if (departure != departures.end()) {
            ++departing;
            EXPECT_EQ(departure->second, Numbers(message)) << message->name();
        } else {
            ASSERT_LT(0, message->field_count()) << message->name();
            EXPECT_EQ(Steps(1000, 1000 + 10 * (message->field_count() - 1)), Numbers(message)) << message->name();
        }
    }
    EXPECT_EQ(9, departing);
}

// Each singular field is in exactly one presence kind; these are the fields without a oneof.
std::set<std::string> ImplicitFieldsOfTheSchema()
{
    std::set<std::string> fields = {"SQLDiagRec.sqlc", "SQLDiagRec.sqls", "SQLDiagRec.sqlm"};
    const std::map<std::string, std::vector<std::string>> exclusionFlags = {
        {"SelectGroupRequest",
         {"exclude_root_group_id", "exclude_administrator_group_id", "exclude_guest_group_id",
          "exclude_user_group_id"}},
        {"SelectGroupKeyRequest",
         {"exclude_session_user_id", "exclude_root_user_id", "exclude_administrator_user_id", "exclude_guest_user_id"}},
        {"SelectMessageUserRequest",
         {"exclude_session_user_id", "exclude_root_user_id", "exclude_administrator_user_id", "exclude_guest_user_id"}},
        {"SelectUserGroupUserRequest",
         {"exclude_session_user_id", "exclude_root_user_id", "exclude_administrator_user_id", "exclude_guest_user_id"}},
        {"SelectUserRequest", {"do_not_exclude_administrator_user_id", "do_not_exclude_session_user_id"}},
    };
    for (const auto& [message, flags] : exclusionFlags) {
        for (const std::string& flag : flags) {
            fields.insert(message + "." + flag);
        }
    }
    for (const CatalogueEntry& entry : Catalogue()) {
        const Descriptor* message = entry.descriptor();
        const std::string name = message->name();
        for (int i = 0; i < message->field_count(); ++i) {
            const FieldDescriptor* field = message->field(i);
            const bool logOn = name == "AuthenticateUserRequest" || name == "AuthenticateUserReply";
            if ((logOn && field->name() != "sql_diag_rec") || field->name() == "return_code"
                || (name.rfind("LogEvent", 0) == 0 && field->name() == "size")) {
                fields.insert(Name(field));
            }
        }
    }
    return fields;
}

TEST(Catalogue, EverySingularFieldHasTheSchemasPresence)
{
    int ownOneofs = 0;
    int sharedOneofs = 0;
    int messagesInOneofs = 0;
    std::vector<std::string> misnamedOneofs;
    std::vector<std::string> shared;
    std::vector<std::string> optional;
    std::vector<std::string> bareMessages;
    std::set<std::string> implicit;
    int returnCodes = 0;
    for (const CatalogueEntry& entry : Catalogue()) {
        const Descriptor* message = entry.descriptor();
        for (int i = 0; i < message->real_oneof_decl_count(); ++i) {
            const OneofDescriptor* oneof = message->oneof_decl(i);
            if (oneof->field_count() == 1) {
                ++ownOneofs;
                if (oneof->name() != oneof->field(0)->name() + "_enum")
                    misnamedOneofs.push_back(message->name() + "." + oneof->name());
            } else {
                ++sharedOneofs;
                std::string members = message->name() + "." + oneof->name() + ":";
                for (int m = 0; m < oneof->field_count(); ++m) {
                    members += " " + oneof->field(m)->name();
                }
                shared.push_back(members);
            }
        }
        for (int i = 0; i < message->field_count(); ++i) {
            const FieldDescriptor* field = message->field(i);
            if (field->is_repeated())
                continue;
            if (field->has_optional_keyword()) {
                optional.push_back(Name(field));
            } else if (field->real_containing_oneof() != nullptr) {
                messagesInOneofs += field->type() == FieldDescriptor::TYPE_MESSAGE;
            } else if (field->type() == FieldDescriptor::TYPE_MESSAGE) {
                bareMessages.push_back(Name(field));
                EXPECT_EQ("sql_diag_rec", field->name()) << Name(field);
                EXPECT_TRUE(IsReply(message)) << Name(field);
            } else {
                implicit.insert(Name(field));
                returnCodes += field->name() == "return_code";
            }
        }
    }
    EXPECT_EQ(243, ownOneofs);
    EXPECT_EQ(std::vector<std::string>(), misnamedOneofs);
    EXPECT_EQ(4, sharedOneofs);
    EXPECT_EQ((std::vector<std::string>{
                  "SelectDocumentRequest.id_enum: document_id document_user_id document_folder_id",
                  "SelectFolderRequest.id_folder_id_parent_id_enum: folder_id folder_parent_id",
                  "SelectUserRequest.id_enum: user_id user_group_id",
                  "SelectUserGroupRequest.id_enum: user_group_group_id user_group_user_id",
              }),
              shared);
    EXPECT_EQ(std::vector<std::string>{"SelectFolderKeyRequest.folder_key_folder_name"}, optional);
    EXPECT_EQ(1040,
              zarv::data::SelectFolderKeyRequest::descriptor()->FindFieldByName("folder_key_folder_name")->number());
    EXPECT_EQ(61, messagesInOneofs);
    EXPECT_EQ(47u, bareMessages.size());
    EXPECT_EQ(31, returnCodes);
    EXPECT_EQ(ImplicitFieldsOfTheSchema(), implicit);
    EXPECT_EQ(121u, implicit.size());
}

TEST(Catalogue, OneofsAreDeclaredInTheOrderOfTheirFirstMember)
{
    for (const CatalogueEntry& entry : Catalogue()) {
        const Descriptor* message = entry.descriptor();
        int previousFirst = -1;
        for (int i = 0; i < message->oneof_decl_count(); ++i) {
            const int first = message->oneof_decl(i)->field(0)->index();
            EXPECT_LT(previousFirst, first) << message->name() << "." << message->oneof_decl(i)->name();
            previousFirst = first;
        }
    }
}

struct ExpectedField
{
    std::string name;
    int number;
};

using ReplyShapes = std::map<std::string, std::vector<ExpectedField>>;

ReplyShapes ReplyShapesOfTheSchema()
{
    ReplyShapes shapes;
    const std::vector<std::pair<std::string, std::string>> newIdReplies = {
        {"InsertDocumentReply", "document_id"},
        {"InsertFolderReply", "folder_id"},
        {"InsertMessageFolderReply", "message_folder_id"},
        {"InsertMessageReply", "message_id"},
        {"InsertUserGroupReply", "user_group_group_id"},
    };
    for (const auto& [reply, id] : newIdReplies) {
        shapes[reply] = {{"sql_diag_rec", 1000}, {id, 1010}, {"return_code", 1020}, {"ckey", 1030}};
    }
    shapes["InsertDocumentKeyReply"] = {{"sql_diag_rec", 1000}, {"return_code", 1020}, {"ckey", 1030}};
    for (const char* reply : {"InsertFolderKeyReply",       "InsertMessageDocumentReply", "InsertUserGroupUserReply",
                              "DeleteDocumentReply",        "DeleteDocumentKeyReply",     "DeleteDocumentWebpageReply",
                              "DeleteFolderReply",          "DeleteMessageReply",         "DeleteMessageDocumentReply",
                              "DeleteMessageFolderReply",   "DeleteMessageUserReply",     "DeleteUserGroupReply",
                              "DeleteUserGroupUserReply",   "UpdateDocumentReply",        "UpdateDocumentKeyReply",
                              "UpdateDocumentWebpageReply", "UpdateFolderReply",          "UpdateFolderKeyReply",
                              "UpdateMessageReply",         "UpdateMessageFolderReply",   "UpdateMessageUserReply",
                              "UpdateUserGroupReply",       "UpdateUserGroupUserReply"}) {
        shapes[reply] = {{"sql_diag_rec", 1000}, {"return_code", 1010}, {"ckey", 1020}};
    }
    shapes["InsertMessageUserReply"] = {
        {"sql_diag_rec", 1000}, {"return_code", 1010}, {"ckey", 1020}, {"message_user_message", 1030}};
    shapes["UpdateUserReply"] = {{"sql_diag_rec", 1000},
                                 {"return_code", 1010},
                                 {"ckey", 1020},
                                 {"create_group_id", 1030},
                                 {"delete_group_id", 1040}};
    const std::vector<std::pair<std::string, std::string>> selectReplies = {
        {"SelectDictionaryReply", "dictionary"},
        {"SelectDocumentReply", "document"},
        {"SelectDocumentKeyReply", "document_key"},
        {"SelectDocumentWebpageReply", "document_webpage"},
        {"SelectFolderKeyReply", "folder_key"},
        {"SelectGroupKeyReply", "group_key"},
        {"SelectMessageDocumentReply", "message_document"},
        {"SelectMessageUserReply", "message"},
        {"SelectUserReply", "user"},
        {"SelectUserGroupReply", "user_group"},
        {"SelectUserGroupUserReply", "user_group_user"},
        {"SelectGroupReply", "group"},
    };
    for (const auto& [reply, records] : selectReplies) {
        shapes[reply] = {{"sql_diag_rec", 1000}, {records, 1010}, {"ckey", 1020}};
    }
    shapes["SelectFolderReply"] = {{"sql_diag_rec", 1000}, {"folder", 1010}};
    shapes["SelectMessageReply"] = {{"sql_diag_rec", 1010}, {"message", 1020}, {"ckey", 1030}};
    shapes["SelectMessageFolderReply"] = {{"sql_diag_rec", 1010}, {"message_folder", 1020}, {"ckey", 1030}};
    return shapes;
}

std::string Describe(const std::vector<ExpectedField>& fields)
{
    std::string text;
    for (const ExpectedField& field : fields) {
        text += field.name + "=" + std::to_string(field.number) + " ";
    }
    return text;
}

TEST(Catalogue, EveryReplyBeginsWithTheDiagnosticRecordAndHasItsShape)
{
    const ReplyShapes shapes = ReplyShapesOfTheSchema();
    int replies = 0;
    int withCkey = 0;
    for (const CatalogueEntry& entry : Catalogue()) {
        const Descriptor* message = entry.descriptor();
        if (!IsReply(message)) {
            EXPECT_EQ(nullptr, message->FindFieldByName("sql_diag_rec")) << message->name();
            EXPECT_EQ(nullptr, message->FindFieldByName("ckey")) << message->name();
            continue;
        }
        ++replies;
        const FieldDescriptor* diagnostic = message->field(0);
        EXPECT_EQ("sql_diag_rec", diagnostic->name()) << message->name();
        EXPECT_EQ(zarv::data::SQLDiagRec::descriptor(), diagnostic->message_type()) << message->name();
        EXPECT_FALSE(diagnostic->is_repeated()) << message->name();
        EXPECT_EQ(nullptr, diagnostic->containing_oneof()) << message->name();

        const FieldDescriptor* ckey = message->FindFieldByName("ckey");
        if (ckey != nullptr) {
            ++withCkey;
            EXPECT_TRUE(ckey->is_repeated()) << message->name();
            EXPECT_EQ(FieldDescriptor::TYPE_SINT32, ckey->type()) << message->name();
        }
        const FieldDescriptor* returnCode = message->FindFieldByName("return_code");
        if (returnCode != nullptr) {
            EXPECT_EQ(FieldDescriptor::TYPE_SINT32, returnCode->type()) << message->name();
            EXPECT_EQ(nullptr, returnCode->containing_oneof()) << message->name();
        }

        if (message->name() == "AuthenticateUserReply") {
            EXPECT_EQ(nullptr, ckey);
            EXPECT_EQ(nullptr, returnCode);
            continue;
        }
        const auto shape = shapes.find(message->name());
        ASSERT_NE(shapes.end(), shape) << message->name();
        std::vector<ExpectedField> actual;
        for (int i = 0; i < message->field_count(); ++i) {
            actual.push_back({message->field(i)->name(), message->field(i)->number()});
        }
        EXPECT_EQ(Describe(shape->second), Describe(actual)) << message->name();
    }
    EXPECT_EQ(47, replies);
    EXPECT_EQ(45, withCkey);
    EXPECT_EQ(46u, shapes.size());
}

// "document_key" -> "DocumentKey"
std::string CamelCase(const std::string& name)
{
    std::string text;
    bool upper = true;
    for (char c : name) {
        if (c == '_') {
            upper = true;
        } else {
            text += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
            upper = false;
        }
    }
    return text;
}

TEST(Catalogue, ReplyRecordsAndNewIdsHaveTheirTypes)
{
    for (const auto& [reply, fields] : ReplyShapesOfTheSchema()) {
        const Descriptor* message =
            google::protobuf::DescriptorPool::generated_pool()->FindMessageTypeByName("zarv.data." + reply);
        ASSERT_NE(nullptr, message) << reply;
        for (int i = 0; i < message->field_count(); ++i) {
            const FieldDescriptor* field = message->field(i);
            const std::string& name = field->name();
            if (name == "sql_diag_rec" || name == "return_code" || name == "ckey")
                continue;
            if (reply == "UpdateUserReply") {
                EXPECT_TRUE(field->is_repeated()) << Name(field);
                EXPECT_EQ(FieldDescriptor::TYPE_SINT32, field->type()) << Name(field);
            } else if (reply == "InsertMessageUserReply") {
                EXPECT_EQ(zarv::data::Message::descriptor(), field->message_type()) << Name(field);
                EXPECT_NE(nullptr, field->real_containing_oneof()) << Name(field);
            } else if (EndsWith(name, "_id")) {
                EXPECT_EQ(FieldDescriptor::TYPE_SINT32, field->type()) << Name(field);
                EXPECT_NE(nullptr, field->real_containing_oneof()) << Name(field);
            } else {
                ASSERT_EQ(FieldDescriptor::TYPE_MESSAGE, field->type()) << Name(field);
                EXPECT_TRUE(field->is_repeated()) << Name(field);
                EXPECT_EQ(CamelCase(name), field->message_type()->name()) << Name(field);
            }
        }
    }
}

TEST(Catalogue, FilesImportTheirFieldsMessageTypesInOrderOfFirstUse)
{
    for (const CatalogueEntry& entry : Catalogue()) {
        const Descriptor* message = entry.descriptor();
        const FileDescriptor* file = message->file();
        std::vector<std::string> used;
        for (int i = 0; i < message->field_count(); ++i) {
            const Descriptor* type = message->field(i)->message_type();
            if (type != nullptr && std::find(used.begin(), used.end(), type->file()->name()) == used.end()) {
                used.push_back(type->file()->name());
            }
        }
        std::vector<std::string> imported;
        for (int i = 0; i < file->dependency_count(); ++i) {
            imported.push_back(file->dependency(i)->name());
        }
        EXPECT_EQ(used, imported) << file->name();
        EXPECT_EQ(0, file->public_dependency_count()) << file->name();
        EXPECT_EQ(0, file->weak_dependency_count()) << file->name();
    }
    const FileDescriptor* documentKey = zarv::data::DocumentKey::descriptor()->file();
    ASSERT_EQ(3, documentKey->dependency_count());
    EXPECT_EQ("document3.proto", documentKey->dependency(0)->name());
    EXPECT_EQ("user3.proto", documentKey->dependency(1)->name());
    EXPECT_EQ("securitydescriptor3.proto", documentKey->dependency(2)->name());
}

std::string Values(const EnumDescriptor* type)
{
    std::string text = type->containing_type()->name() + "." + type->name() + ":";
    for (int i = 0; i < type->value_count(); ++i) {
        text += " " + type->value(i)->name() + "=" + std::to_string(type->value(i)->number());
    }
    return text;
}

TEST(Catalogue, SixEnumsAreNestedInFiveMessages)
{
    std::vector<std::string> enums;
    for (const CatalogueEntry& entry : Catalogue()) {
        const Descriptor* message = entry.descriptor();
        for (int i = 0; i < message->enum_type_count(); ++i) {
            enums.push_back(Values(message->enum_type(i)));
        }
    }
    const std::string logical = ".operator: LOGICAL_AND=0 LOGICAL_OR=1";
    EXPECT_EQ((std::vector<std::string>{
                  "Message.rfield: PARENT_RELATION_NONE=0 PARENT_RELATION_REPLY=1 PARENT_RELATION_REPLY_ALL=2 "
                  "PARENT_RELATION_FORWARD=3",
                  "Message.ufield: TO=0 CC=1 BCC=2",
                  "SelectDocumentRequest" + logical,
                  "SelectDocumentKeyRequest" + logical,
                  "SelectMessageRequest" + logical,
                  "SelectMessageUserRequest" + logical,
              }),
              enums);
}

TEST(Catalogue, EmptyPayloadParsesIntoEveryMessageWithNothingSet)
{
    for (const CatalogueEntry& entry : Catalogue()) {
        const Descriptor* descriptor = entry.descriptor();
        const std::unique_ptr<google::protobuf::Message> message(
            google::protobuf::MessageFactory::generated_factory()->GetPrototype(descriptor)->New());
        ASSERT_TRUE(message->ParseFromString(std::string())) << entry.name;
        std::vector<const FieldDescriptor*> set;
        message->GetReflection()->ListFields(*message, &set);
        EXPECT_TRUE(set.empty()) << entry.name;
        EXPECT_TRUE(message->SerializeAsString().empty()) << entry.name;
    }
}

}  // namespace
