// The listings of folders, documents, group keys and users, called straight on
// a small fixture.

#include "product/testserver/operations.h"
#include "tests/testserver/serverstatefixture.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectgroupkeyreply3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testserver::Answer;
using testserver::Call;
using testserver::ServerState;

const char* const Fixture = R"(
account { name: "ann" password: "a" record { user_id: 1 user_first_name: "Ann" } }
account { name: "bob" password: "b" record { user_id: 2 user_first_name: "Bob" } }
account { name: "cy" password: "c" record { user_id: 3 user_first_name: "Cy" } }
group { group_id: 10 group_name: "Staff" }
group { group_id: 11 group_name: "Board" }
group_key { group_key_group { group_id: 10 } group_key_user { user_id: 1 } }
group_key { group_key_group { group_id: 10 } group_key_user { user_id: 2 } }
group_key { group_key_group { group_id: 11 } group_key_user { user_id: 3 } }
folder { folder_id: 100 folder_user_id: 1 folder_name: "Home" }
folder { folder_id: 101 folder_user_id: 1 folder_parent_id: 100 folder_name: "A" }
folder { folder_id: 102 folder_user_id: 1 folder_parent_id: 100 folder_name: "B" }
folder { folder_id: 103 folder_user_id: 2 folder_parent_id: 100 folder_name: "C" }
document { document_id: 200 document_folder_id: 101 document_name: "Plain" }
document { document_id: 201 document_folder_id: 101 document_name: "Old"
           sys_period { from: "2024-01-01 00:00:00" to: "2024-02-01 00:00:00" } }
document { document_id: 201 document_folder_id: 101 document_name: "Revised"
           sys_period { from: "2024-02-01 00:00:00" } }
document { document_id: 202 document_folder_id: 101 document_name: "Deleted"
           sys_period { from: "2024-01-01 00:00:00" to: "2024-03-01 00:00:00" } }
document { document_id: 203 document_folder_id: 102 document_name: "Other" }
document_key { document_key_document { document_id: 200 } document_key_user { user_id: 2 }
               document_key_owner { user_id: 1 } document_key_description: "plain to Bob" }
document_key { document_key_document { document_id: 203 } document_key_user { user_id: 2 }
               document_key_owner { user_id: 1 } document_key_description: "other to Bob" }
document_key { document_key_document { document_id: 202 } document_key_user { user_id: 2 }
               document_key_owner { user_id: 1 } document_key_description: "deleted to Bob" }
document_key { document_key_document { document_id: 200 } document_key_user { user_id: 3 }
               document_key_owner { user_id: 1 } document_key_description: "plain to Cy" }
folder_key { folder_key_folder { folder_id: 101 } folder_key_user { user_id: 2 }
             folder_key_owner { user_id: 1 } folder_key_description: "A to Bob" }
folder_key { folder_key_folder { folder_id: 100 } folder_key_user { user_id: 2 }
             folder_key_owner { user_id: 1 } folder_key_description: "Home to Bob" }
)";

class TestServerListings : public ::testing::Test
{
protected:
    TestServerListings()
        : m_state(Load())
    {}

    template <typename Reply>
    Reply Ask(testserver::Answer (*handler)(ServerState&, const Call&), const google::protobuf::Message& request)
    {
        const Call call{0, 1, &m_session, request.SerializeAsString()};
        const Answer answer = handler(m_state, call);
        EXPECT_EQ(0, answer.majorErcode);
        Reply reply;
        EXPECT_TRUE(reply.ParseFromString(answer.payload));
        return reply;
    }

    std::vector<std::string> DocumentNames(const zarv::data::SelectDocumentRequest& request)
    {
        std::vector<std::string> names;
        const auto reply = Ask<zarv::data::SelectDocumentReply>(testserver::SelectDocument, request);
        for (const auto& document : reply.document()) {
            names.push_back(document.document_name());
        }
        return names;
    }

    std::vector<std::string> FolderNames(const zarv::data::SelectFolderRequest& request)
    {
        std::vector<std::string> names;
        const auto reply = Ask<zarv::data::SelectFolderReply>(testserver::SelectFolder, request);
        for (const auto& folder : reply.folder()) {
            names.push_back(folder.folder_name());
        }
        return names;
    }

    std::vector<std::string> UserNames(const zarv::data::SelectUserRequest& request)
    {
        std::vector<std::string> names;
        const auto reply = Ask<zarv::data::SelectUserReply>(testserver::SelectUser, request);
        for (const auto& user : reply.user()) {
            EXPECT_FALSE(user.has_user_name());
            names.push_back(user.user_first_name());
        }
        return names;
    }

    testserver::Session m_session{7, 1, {}};

private:
    static ServerState Load() { return serverstatefixture::FromText(Fixture); }

    ServerState m_state;
};

TEST_F(TestServerListings, DocumentsOfAFolderAreTheirCurrentRecordsLessTheExcluded)
{
    zarv::data::SelectDocumentRequest request;
    request.set_document_folder_id(101);
    EXPECT_THAT(DocumentNames(request), ElementsAre("Plain", "Revised"));
    request.add_exclude_document_id(200);
    EXPECT_THAT(DocumentNames(request), ElementsAre("Revised"));

    zarv::data::SelectDocumentRequest byId;
    byId.set_document_id(201);
    EXPECT_THAT(DocumentNames(byId), ElementsAre("Revised"));
    byId.set_document_id(202);
    EXPECT_THAT(DocumentNames(byId), IsEmpty());
    EXPECT_THAT(DocumentNames(zarv::data::SelectDocumentRequest()), IsEmpty());
}

TEST_F(TestServerListings, FoldersByIdOrParentNarrowedToTheOwner)
{
    zarv::data::SelectFolderRequest request;
    request.set_folder_parent_id(100);
    EXPECT_THAT(FolderNames(request), ElementsAre("A", "B", "C"));
    request.set_folder_user_id(1);
    request.add_exclude_folder_id(101);
    EXPECT_THAT(FolderNames(request), ElementsAre("B"));

    zarv::data::SelectFolderRequest byId;
    byId.set_folder_id(100);
    EXPECT_THAT(FolderNames(byId), ElementsAre("Home"));
}

TEST_F(TestServerListings, GroupKeysCarryTheirGroupAndHolder)
{
    zarv::data::SelectGroupKeyRequest request;
    request.set_group_key_group_id(10);
    request.set_exclude_session_user_id(true);
    const auto reply = Ask<zarv::data::SelectGroupKeyReply>(testserver::SelectGroupKey, request);
    ASSERT_EQ(1, reply.group_key_size());
    EXPECT_EQ("Staff", reply.group_key(0).group_key_group().group_name());
    EXPECT_EQ("Bob", reply.group_key(0).group_key_user().user_first_name());

    zarv::data::SelectGroupKeyRequest held;
    held.set_group_key_user_id(3);
    const auto heldReply = Ask<zarv::data::SelectGroupKeyReply>(testserver::SelectGroupKey, held);
    ASSERT_EQ(1, heldReply.group_key_size());
    EXPECT_EQ("Board", heldReply.group_key(0).group_key_group().group_name());
}

TEST_F(TestServerListings, UsersByIdOrGroupLessTheSessionUserAndTheExcluded)
{
    zarv::data::SelectUserRequest everyone;
    EXPECT_THAT(UserNames(everyone), ElementsAre("Bob", "Cy"));
    everyone.set_do_not_exclude_session_user_id(true);
    everyone.add_exclude_user_id(3);
    EXPECT_THAT(UserNames(everyone), ElementsAre("Ann", "Bob"));

    zarv::data::SelectUserRequest group;
    group.set_user_group_id(10);
    EXPECT_THAT(UserNames(group), ElementsAre("Bob"));

    zarv::data::SelectUserRequest one;
    one.set_user_id(3);
    EXPECT_THAT(UserNames(one), ElementsAre("Cy"));
}

TEST_F(TestServerListings, KeysNarrowedByEveryNamedRecordCarryTheirRecords)
{
    auto documentKeys = [this](const zarv::data::SelectDocumentKeyRequest& request) {
        std::vector<std::string> descriptions;
        const auto reply = Ask<zarv::data::SelectDocumentKeyReply>(testserver::SelectDocumentKey, request);
        for (const auto& key : reply.document_key()) {
            EXPECT_FALSE(key.document_key_document().document_name().empty());
            EXPECT_EQ("Ann", key.document_key_owner().user_first_name());
            descriptions.push_back(key.document_key_description());
        }
        return descriptions;
    };
    EXPECT_THAT(documentKeys(zarv::data::SelectDocumentKeyRequest()), IsEmpty());
    zarv::data::SelectDocumentKeyRequest held;
    held.set_document_key_user_id(2);
    EXPECT_THAT(documentKeys(held), ElementsAre("plain to Bob", "other to Bob"));
    held.set_document_folder_id(102);
    EXPECT_THAT(documentKeys(held), ElementsAre("other to Bob"));
    zarv::data::SelectDocumentKeyRequest keyring;
    keyring.set_document_key_document_id(200);
    EXPECT_THAT(documentKeys(keyring), ElementsAre("plain to Bob", "plain to Cy"));

    zarv::data::SelectFolderKeyRequest folders;
    folders.set_folder_key_user_id(2);
    folders.set_folder_parent_id(100);
    const auto reply = Ask<zarv::data::SelectFolderKeyReply>(testserver::SelectFolderKey, folders);
    ASSERT_EQ(1, reply.folder_key_size());
    EXPECT_EQ("A", reply.folder_key(0).folder_key_folder().folder_name());
    EXPECT_EQ("Bob", reply.folder_key(0).folder_key_user().user_first_name());
}

}  // namespace
