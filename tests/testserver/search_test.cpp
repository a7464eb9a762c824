// Searches by criteria over the tests' fixture (test.textproto, the search
// records 11000 to 11999), called straight on the handlers: one table per
// family of predicates.

#include "product/testserver/operations.h"
#include "tests/testserver/serverstatefixture.h"
#include "tests/support/testserverprocess.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <google/protobuf/descriptor.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testserver::Answer;
using testserver::Call;
using testserver::ServerState;

constexpr int Ada = 1;
constexpr int SearchableFolder = 11000;
constexpr int SearchableMessages = 11400;

// One criterion: the field named by subject and predicate, and its text.
struct Criterion
{
    const char* field;
    const char* value;
};

struct Case
{
    const char* name;
    std::vector<Criterion> criteria;
    std::vector<std::string> expected;
};

void AddCriteria(google::protobuf::Message& request, const std::vector<Criterion>& criteria)
{
    for (const Criterion& criterion : criteria) {
        const google::protobuf::FieldDescriptor* field = request.GetDescriptor()->FindFieldByName(criterion.field);
        ASSERT_NE(nullptr, field) << criterion.field;
        request.GetReflection()->AddString(&request, field, criterion.value);
    }
}

class TestServerSearch : public ::testing::Test
{
protected:
    TestServerSearch()
        : m_state(Load())
    {}

    template <typename Reply>
    Reply Ask(Answer (*handler)(ServerState&, const Call&), const google::protobuf::Message& request)
    {
        const Call call{0, 1, &m_session, request.SerializeAsString()};
        const Answer answer = handler(m_state, call);
        EXPECT_EQ(0, answer.majorErcode);
        Reply reply;
        EXPECT_TRUE(reply.ParseFromString(answer.payload));
        return reply;
    }

    std::vector<std::string> documents(const std::vector<Criterion>& criteria,
                                       zarv::data::SelectDocumentRequest::operator_ logicalOperator,
                                       bool subfolders = false)
    {
        zarv::data::SelectDocumentRequest request;
        request.set_document_folder_id(SearchableFolder);
        request.set_search_subfolders(subfolders);
        request.set_logical_operator(logicalOperator);
        AddCriteria(request, criteria);
        std::vector<std::string> names;
        const auto reply = Ask<zarv::data::SelectDocumentReply>(testserver::SelectDocument, request);
        for (const auto& document : reply.document()) {
            names.push_back(document.document_name());
        }
        return names;
    }

    testserver::Session m_session{7, Ada, {}};

private:
    static ServerState Load()
    {
        return serverstatefixture::FromFile(testsupport::TestServerProcess::FixturePath("test.textproto"));
    }

    ServerState m_state;
};

const std::vector<std::string> AllThree = {"Alpha report", "Beta notes", "Größenplan"};

const Case TextCases[] = {
    {"equal", {{"document_name_equal", "Alpha report"}}, {"Alpha report"}},
    {"equal heeds case", {{"document_name_equal", "alpha report"}}, {}},
    {"not equal", {{"document_name_not_equal", "Alpha report"}}, {"Beta notes", "Größenplan"}},
    {"like with a run", {{"document_name_like", "A%"}}, {"Alpha report"}},
    {"like with one character", {{"document_name_like", "_eta notes"}}, {"Beta notes"}},
    {"like with a two-byte character", {{"document_name_like", "Gr_ßenplan"}}, {"Größenplan"}},
    {"like matches whole names", {{"document_name_like", "Alpha"}}, {}},
    {"not like", {{"document_name_not_like", "%report"}}, {"Beta notes", "Größenplan"}},
    {"contains", {{"document_body_contains", "figures"}}, {"Alpha report"}},
    {"contains two-byte text", {{"document_body_contains", "Größe"}}, {"Größenplan"}},
};

TEST_F(TestServerSearch, TextCriteriaCompareExactlyOrByPattern)
{
    for (const Case& test : TextCases) {
        SCOPED_TRACE(test.name);
        EXPECT_THAT(documents(test.criteria, zarv::data::SelectDocumentRequest::LOGICAL_AND),
                    ElementsAreArray(test.expected));
    }
}

// Alpha report was created on 5 March at 10:00, Beta notes on 4 March at
// 23:30 and Größenplan on 6 March at 00:00; Beta notes was modified at the
// first instant of 5 March.
const Case DateCases[] = {
    {"equal is within the day", {{"document_creation_date_equal", "2024-03-05 00:00:00"}}, {"Alpha report"}},
    {"equal takes the day's first instant",
     {{"document_modification_date_equal", "2024-03-05 00:00:00"}},
     {"Beta notes"}},
    {"not equal", {{"document_creation_date_not_equal", "2024-03-05 00:00:00"}}, {"Beta notes", "Größenplan"}},
    {"less than is before the day", {{"document_creation_date_less_than", "2024-03-05 00:00:00"}}, {"Beta notes"}},
    {"greater than is after the day", {{"document_creation_date_greater_than", "2024-03-05 00:00:00"}}, {"Größenplan"}},
    {"less than or equal takes the day in",
     {{"document_creation_date_less_than_or_equal", "2024-03-05 00:00:00"}},
     {"Alpha report", "Beta notes"}},
    {"greater than or equal takes the day in",
     {{"document_creation_date_greater_than_or_equal", "2024-03-05 00:00:00"}},
     {"Alpha report", "Größenplan"}},
    {"a criterion that is no date meets nothing", {{"document_creation_date_not_equal", "someday"}}, {}},
};

TEST_F(TestServerSearch, DateCriteriaNameTheStartOfADay)
{
    for (const Case& test : DateCases) {
        SCOPED_TRACE(test.name);
        EXPECT_THAT(documents(test.criteria, zarv::data::SelectDocumentRequest::LOGICAL_AND),
                    ElementsAreArray(test.expected));
    }
}

TEST_F(TestServerSearch, OperatorsCombineTheCriteria)
{
    const std::vector<Criterion> twoCriteria = {{"document_name_equal", "Beta notes"},
                                                {"document_body_contains", "Größe"}};
    const std::vector<Criterion> overlapping = {{"document_name_like", "%a%"}, {"document_body_contains", "figures"}};
    EXPECT_THAT(documents(twoCriteria, zarv::data::SelectDocumentRequest::LOGICAL_OR),
                ElementsAre("Beta notes", "Größenplan"));
    EXPECT_THAT(documents(twoCriteria, zarv::data::SelectDocumentRequest::LOGICAL_AND), ElementsAre());
    EXPECT_THAT(documents(overlapping, zarv::data::SelectDocumentRequest::LOGICAL_AND), ElementsAre("Alpha report"));
    EXPECT_THAT(documents({}, zarv::data::SelectDocumentRequest::LOGICAL_AND), ElementsAreArray(AllThree));
    EXPECT_THAT(documents({}, zarv::data::SelectDocumentRequest::LOGICAL_OR), ElementsAreArray(AllThree));
}

TEST_F(TestServerSearch, SubfoldersWidenTheScopeToEveryFolderBelow)
{
    EXPECT_THAT(documents({}, zarv::data::SelectDocumentRequest::LOGICAL_AND, true),
                ElementsAre("Alpha report", "Beta notes", "Größenplan", "Alpha draft", "Gamma", "Undated"));
    EXPECT_THAT(documents({{"document_name_like", "Alpha%"}}, zarv::data::SelectDocumentRequest::LOGICAL_AND, true),
                ElementsAre("Alpha report", "Alpha draft"));
    // A document whose dates are no dates meets no date criterion, not even
    // "not equal".
    EXPECT_THAT(documents({{"document_creation_date_not_equal", "2024-03-05 00:00:00"}},
                          zarv::data::SelectDocumentRequest::LOGICAL_AND, true),
                ElementsAre("Beta notes", "Größenplan", "Alpha draft", "Gamma"));
}

TEST_F(TestServerSearch, DocumentKeysOfAFolderAreTheHoldersKeysWhoseDocumentMeetsTheCriteria)
{
    const auto keyNames = [this](bool subfolders, const std::vector<Criterion>& criteria) {
        zarv::data::SelectDocumentKeyRequest request;
        request.set_document_folder_id(SearchableFolder);
        request.set_document_key_user_id(Ada);
        request.set_search_subfolders(subfolders);
        request.set_logical_operator(zarv::data::SelectDocumentKeyRequest::LOGICAL_AND);
        AddCriteria(request, criteria);
        std::vector<std::string> names;
        const auto reply = Ask<zarv::data::SelectDocumentKeyReply>(testserver::SelectDocumentKey, request);
        for (const auto& key : reply.document_key()) {
            names.push_back(key.document_key_document().document_name());
        }
        return names;
    };
    EXPECT_THAT(keyNames(false, {}), ElementsAre("Alpha report", "Beta notes"));
    EXPECT_THAT(keyNames(true, {}), ElementsAre("Alpha report", "Beta notes", "Undated"));
    EXPECT_THAT(keyNames(true, {{"document_name_like", "Alpha%"}}), ElementsAre("Alpha report"));
}

std::vector<int> Ids(const google::protobuf::RepeatedPtrField<zarv::data::Message>& messages)
{
    std::vector<int> ids;
    for (const auto& message : messages) {
        ids.push_back(message.message_id());
    }
    return ids;
}

struct MessageCase
{
    const char* name;
    std::vector<Criterion> criteria;
    std::vector<int> own;
    std::vector<int> received;
};

// Ada's own messages in the folder are 11600 and 11601; she received 11601
// (from herself), 11602 (from Bert Brecht) and 11603 (from Cléo Marie Dupré).
const MessageCase MessageCases[] = {
    {"no criteria", {}, {11600, 11601}, {11601, 11602, 11603}},
    {"sender in its alphabetical form", {{"message_from_equal", "Lovelace, Ada"}}, {11600, 11601}, {11601}},
    {"sender with a middle name", {{"message_from_equal", "Dupré, Cléo Marie"}}, {}, {11603}},
    {"sender not like", {{"message_from_not_like", "Lovelace%"}}, {}, {11602, 11603}},
    {"subject like", {{"message_subject_like", "Budget%"}}, {11600}, {11602}},
    {"subject not equal", {{"message_subject_not_equal", "Note to self"}}, {11600}, {11602, 11603}},
    {"body contains", {{"message_body_contains", "numbers"}}, {11601}, {11601, 11602}},
    {"creation date",
     {{"message_creation_date_greater_than_or_equal", "2024-03-06 00:00:00"}},
     {11601},
     {11601, 11602}},
    {"modification date", {{"message_modification_date_equal", "2024-02-02 00:00:00"}}, {}, {11603}},
};

TEST_F(TestServerSearch, MessagesOfAFolderAreTheOwnersAndTheRecipients)
{
    for (const MessageCase& test : MessageCases) {
        SCOPED_TRACE(test.name);
        zarv::data::SelectMessageRequest own;
        own.set_message_folder_id(SearchableMessages);
        own.set_message_user_id(Ada);
        own.set_logical_operator(zarv::data::SelectMessageRequest::LOGICAL_AND);
        AddCriteria(own, test.criteria);
        EXPECT_THAT(Ids(Ask<zarv::data::SelectMessageReply>(testserver::SelectMessage, own).message()),
                    ElementsAreArray(test.own));

        zarv::data::SelectMessageUserRequest received;
        received.set_message_user_message_folder_id(SearchableMessages);
        received.set_message_user_user_id(Ada);
        received.set_logical_operator(zarv::data::SelectMessageUserRequest::LOGICAL_AND);
        AddCriteria(received, test.criteria);
        EXPECT_THAT(Ids(Ask<zarv::data::SelectMessageUserReply>(testserver::SelectMessageUser, received).message()),
                    ElementsAreArray(test.received));
    }
}

TEST_F(TestServerSearch, MessageListingsFillInTheSenderAndNarrowByEachKey)
{
    zarv::data::SelectMessageRequest own;
    own.set_message_user_id(Ada);
    own.set_message_folder_id(200);
    const auto reply = Ask<zarv::data::SelectMessageReply>(testserver::SelectMessage, own);
    EXPECT_THAT(Ids(reply.message()), ElementsAre(11604));
    EXPECT_EQ("Lovelace", reply.message(0).message_sender().user_last_name());

    zarv::data::SelectMessageUserRequest received;
    received.set_message_user_user_id(2);
    received.set_message_user_message_folder_id(201);
    EXPECT_THAT(Ids(Ask<zarv::data::SelectMessageUserReply>(testserver::SelectMessageUser, received).message()),
                ElementsAre(11600));
}

}  // namespace
