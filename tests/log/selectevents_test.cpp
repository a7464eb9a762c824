#include "tests/log/eventchecks.h"

#include "selectdocumentreply3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectuserreply3.pb.h"

#include <climits>
#include <vector>

namespace logtest {
namespace {

using namespace zarv::data;

// A reply whose records carry these ids; an absent id leaves the record without one.
template <class Reply, class AddRecord>
std::string Records(const std::vector<std::optional<int>>& ids, AddRecord addRecord)
{
    return Bytes<Reply>([&](Reply& reply) {
        for (const std::optional<int>& id : ids) {
            addRecord(reply, id);
        }
    });
}

std::string Documents(const std::vector<std::optional<int>>& ids)
{
    return Records<SelectDocumentReply>(ids, [](SelectDocumentReply& reply, std::optional<int> id) {
        Document* document = reply.add_document();
        document->set_document_name("any");
        if (id)
            document->set_document_id(*id);
    });
}

std::string Folders(const std::vector<std::optional<int>>& ids)
{
    return Records<SelectFolderReply>(ids, [](SelectFolderReply& reply, std::optional<int> id) {
        Folder* folder = reply.add_folder();
        if (id)
            folder->set_folder_id(*id);
    });
}

std::string Messages(const std::vector<std::optional<int>>& ids)
{
    return Records<SelectMessageReply>(ids, [](SelectMessageReply& reply, std::optional<int> id) {
        Message* message = reply.add_message();
        if (id)
            message->set_message_id(*id);
    });
}

std::string Users(const std::vector<std::optional<int>>& ids)
{
    return Records<SelectUserReply>(ids, [](SelectUserReply& reply, std::optional<int> id) {
        User* user = reply.add_user();
        if (id)
            user->set_user_id(*id);
    });
}

// The details bit changes nothing a select event adds.
CheckCase Select(const char* name,
                 common::Opcode opcode,
                 const std::string& reply,
                 common::Ercode majorErcode,
                 const Expect& expect)
{
    return {name, opcode, NotAMessage, reply, majorErcode, expect, expect};
}

Pairs List(const char* ids, const char* label)
{
    return {{"cs1", ids}, {"cs1Label", label}};
}

std::vector<CheckCase> SelectCases()
{
    return {
        Select("Documents", common::SelectDocument, Documents({12, 7, 12}), 0,
               Line(List("12, 7, 12", "documentIdList"))),
        Select("OneDocument", common::SelectDocument, Documents({5}), 0, Line(List("5", "documentIdList"))),
        Select("UnusualIds", common::SelectDocument, Documents({std::nullopt, -5, INT_MIN}), 0,
               Line(List("0, -5, -2147483648", "documentIdList"))),
        Select("NoDocuments", common::SelectDocument, Documents({}), 0, Line({})),
        Select("NoReply", common::SelectDocument, "", common::ServiceNoReplyEr, Line({})),
        Select("UnparsableReply", common::SelectDocument, NotAMessage, 0, Warns("ParseFromString failed!")),
        Select("Folders", common::SelectFolder, Folders({3, 4}), 0, Line(List("3, 4", "folderIdList"))),
        Select("FailedFolders", common::SelectFolder, Folders({}), 88, Line({})),
        Select("Messages", common::SelectMessage, Messages({9, 10, 11}), 0, Line(List("9, 10, 11", "messageIdList"))),
        Select("Users", common::SelectUser, Users({11}), 0, Line(List("11", "userIdList"))),
        Select("UnparsableUsers", common::SelectUser, NotAMessage, 0, Warns("ParseFromString failed!")),
    };
}

INSTANTIATE_TEST_SUITE_P(Select, EventChecks, ::testing::ValuesIn(SelectCases()), CheckCaseName());

}  // namespace
}  // namespace logtest
