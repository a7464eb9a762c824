// The operations of the account wizards, called straight on a small fixture:
// the password change, the deleted documents and the restore that inserts
// one again.

#include "product/testserver/credentials.h"
#include "product/testserver/operations.h"
#include "tests/testserver/serverstatefixture.h"

#include "library/common/codes.h"

#include "document3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "updateuserreply3.pb.h"
#include "updateuserrequest3.pb.h"
#include "user3.pb.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testserver::Answer;
using testserver::Call;
using testserver::ServerState;

const char* const Fixture = R"(
account { name: "ann" password: "a" record { user_id: 1 } }
account { name: "bob" password: "b" record { user_id: 2 } }
document { document_id: 10 document_folder_id: 100 document_name: "Live" }
document { document_id: 11 document_folder_id: 100 document_name: "Gone" document_body: "one"
           sys_period { from: "2024-01-01 00:00:00" to: "2024-02-01 00:00:00" } }
document { document_id: 11 document_folder_id: 100 document_name: "Gone" document_body: "two"
           sys_period { from: "2024-02-01 00:00:00" to: "2024-03-01 00:00:00" } }
document { document_id: 12 document_folder_id: 100 document_name: "Revised"
           sys_period { from: "2024-01-01 00:00:00" to: "2024-03-01 00:00:00" } }
document { document_id: 12 document_folder_id: 100 document_name: "Revised"
           sys_period { from: "2024-03-01 00:00:00" } }
document { document_id: 13 document_folder_id: 101 document_name: "Later"
           sys_period { from: "2024-01-01 00:00:00" to: "2024-06-01 00:00:00" } }
document { document_id: 14 document_folder_id: 101 document_name: "Just now"
           sys_period { from: "2024-01-01 00:00:00" to: "now" } }
)";

ServerState Load()
{
    return serverstatefixture::FromText(Fixture);
}

class AccountWizardOperations : public ::testing::Test
{
protected:
    Answer call(testserver::Handler handler, const google::protobuf::Message& request, int minor = common::Untagged)
    {
        return handler(m_state, Call{0, minor, &m_session, request.SerializeAsString()});
    }

    template <typename Reply>
    Reply ask(testserver::Handler handler, const google::protobuf::Message& request, int minor = common::Untagged)
    {
        const Answer answer = call(handler, request, minor);
        EXPECT_EQ(answer.majorErcode, common::NoEr);
        Reply reply;
        EXPECT_TRUE(reply.ParseFromString(answer.payload));
        return reply;
    }

    // "name body" of every record of the reply.
    std::vector<std::string> deleted(const zarv::data::SelectDocumentRequest& request)
    {
        std::vector<std::string> records;
        const auto reply = ask<zarv::data::SelectDocumentReply>(testserver::SelectDocument, request);
        for (const auto& document : reply.document()) {
            records.push_back(document.document_name() + " " + document.document_body());
        }
        return records;
    }

    static zarv::data::SelectDocumentRequest period(const char* from, const char* to)
    {
        zarv::data::SelectDocumentRequest request;
        request.set_select_deleted_documents(true);
        request.mutable_sys_period()->set_from(from);
        request.mutable_sys_period()->set_to(to);
        return request;
    }

    ServerState m_state = Load();
    testserver::Session m_session{7, 1, {}};
};

TEST_F(AccountWizardOperations, UpdateUserStoresTheOwnPasswordAndRefusesAnotherUser)
{
    const std::string stored = testserver::StoredPassword(testserver::PasswordHash("New-pass1"));
    zarv::data::UpdateUserRequest request;
    request.mutable_user()->set_user_id(2);
    request.mutable_user()->mutable_user_security_descriptor()->set_password(stored);
    EXPECT_EQ(call(testserver::UpdateUser, request).majorErcode, common::ServiceBadUserIdEr);
    EXPECT_FALSE(testserver::PasswordMatches(testserver::PasswordHash("New-pass1"),
                                             m_state.store.findUser(2)->user_security_descriptor().password()));

    request.mutable_user()->set_user_id(1);
    EXPECT_EQ(ask<zarv::data::UpdateUserReply>(testserver::UpdateUser, request).return_code(), 1);
    const std::string& kept = m_state.store.findUser(1)->user_security_descriptor().password();
    EXPECT_TRUE(testserver::PasswordMatches(testserver::PasswordHash("New-pass1"), kept));
    EXPECT_FALSE(testserver::PasswordMatches(testserver::PasswordHash("a"), kept));
}

TEST_F(AccountWizardOperations, DeletedDocumentsOfAPeriodComeWithEveryRevision)
{
    // Both ends count; a document with a current revision is not deleted.
    EXPECT_THAT(deleted(period("2024-03-01 00:00:00", "2024-06-01 00:00:00")),
                ElementsAre("Gone one", "Gone two", "Later "));
    EXPECT_THAT(deleted(period("2024-03-01 00:00:01", "2024-05-31 23:59:59")), IsEmpty());
    // A revision's end inside the period is not a deletion.
    EXPECT_THAT(deleted(period("2024-02-01 00:00:00", "2024-02-01 00:00:00")), IsEmpty());
}

TEST_F(AccountWizardOperations, OneDeletedDocumentComesWithEveryRevisionWhateverThePeriod)
{
    zarv::data::SelectDocumentRequest request = period("9000-01-01 00:00:00", "9000-01-02 00:00:00");
    request.set_document_id(11);
    EXPECT_THAT(deleted(request), ElementsAre("Gone one", "Gone two"));
    request.set_document_id(12);
    EXPECT_THAT(deleted(request), IsEmpty());
}

TEST_F(AccountWizardOperations, ARevisionEndedNowEndsWhenTheFixtureIsLoaded)
{
    const std::string before = testserver::DatabaseNow();
    const ServerState state = Load();
    const std::string after = testserver::DatabaseNow();
    const std::string& end = state.store.data().document(state.store.data().document_size() - 1).sys_period().to();
    EXPECT_LE(before, end);
    EXPECT_LE(end, after);
    EXPECT_THAT(deleted(period(before.c_str(), "9999-12-31 00:00:00")), ElementsAre("Just now "));
}

TEST_F(AccountWizardOperations, RestoringInsertsACurrentDocumentUnderAFreshIdUnlessTheNameIsTaken)
{
    zarv::data::InsertDocumentRequest request;
    zarv::data::Document& document = *request.mutable_document();
    document.set_document_id(11);
    document.set_document_folder_id(101);
    document.set_document_name("Gone");
    document.set_document_body("two");
    document.mutable_sys_period()->set_from("2024-02-01 00:00:00");
    document.mutable_sys_period()->set_to("2024-03-01 00:00:00");
    const auto reply =
        ask<zarv::data::InsertDocumentReply>(testserver::InsertDocument, request, common::RestoreDocument);
    EXPECT_EQ(reply.return_code(), 1);
    EXPECT_EQ(reply.sql_diag_rec().sqlc(), 0);
    EXPECT_EQ(reply.document_id(), 15);

    zarv::data::SelectDocumentRequest folder;
    folder.set_document_folder_id(101);
    const auto listed = ask<zarv::data::SelectDocumentReply>(testserver::SelectDocument, folder);
    ASSERT_EQ(listed.document_size(), 1);
    EXPECT_EQ(listed.document(0).document_id(), 15);
    EXPECT_EQ(listed.document(0).document_body(), "two");
    EXPECT_FALSE(listed.document(0).sys_period().has_to());

    const auto clash =
        ask<zarv::data::InsertDocumentReply>(testserver::InsertDocument, request, common::RestoreDocument);
    EXPECT_EQ(clash.return_code(), 0);
    EXPECT_EQ(clash.sql_diag_rec().sqlc(), common::UniqueViolation);
    EXPECT_FALSE(clash.has_document_id());
}

}  // namespace
