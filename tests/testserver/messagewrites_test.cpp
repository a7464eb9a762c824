// The message folder and message operations, called straight on a small
// fixture: what each change stores, what the listings then show, and the
// refusals of a non-empty folder and of a message that another answers.

#include "library/common/codes.h"
#include "product/testserver/operations.h"
#include "tests/testserver/serverstatefixture.h"

#include "deletemessagefolderreply3.pb.h"
#include "deletemessagefolderrequest3.pb.h"
#include "deletemessagereply3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserreply3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "insertmessagefolderreply3.pb.h"
#include "insertmessagefolderrequest3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "selectmessagefolderreply3.pb.h"
#include "selectmessagefolderrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "updatemessagefolderreply3.pb.h"
#include "updatemessagefolderrequest3.pb.h"
#include "updatemessagereply3.pb.h"
#include "updatemessagerequest3.pb.h"
#include "updatemessageuserreply3.pb.h"
#include "updatemessageuserrequest3.pb.h"

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

// Ann (root folder 10 with Work 11 and Empty 12) wrote 100 to Bob and Cy;
// Bob answered it with 101, to Ann in her Work folder.
const char* const Fixture = R"(
account { name: "ann" password: "a" record { user_id: 1 user_last_name: "Ames" user_message_folder_id: 10 } }
account { name: "bob" password: "b" record { user_id: 2 user_last_name: "Bell" user_message_folder_id: 20 } }
account { name: "cy" password: "c" record { user_id: 3 user_last_name: "Cole" user_message_folder_id: 30 } }
message_folder { message_folder_id: 10 message_folder_user_id: 1 message_folder_parent_id: -2147483647 }
message_folder { message_folder_id: 11 message_folder_user_id: 1 message_folder_parent_id: 10 message_folder_name: "Work" }
message_folder { message_folder_id: 12 message_folder_user_id: 1 message_folder_parent_id: 10 message_folder_name: "Empty" }
message_folder { message_folder_id: 20 message_folder_user_id: 2 message_folder_parent_id: -2147483647 }
message { message_id: 100 message_user_id: 1 message_folder_id: 10 message_subject: "Hello"
          message_sender { user_id: 1 } message_recipient { user_id: 2 } message_user_is_recipient: true
          message_user_message_id: 100 message_user_user_id: 2 message_user_message_folder_id: 20
          message_user_field: 0 message_user_properties: 1 }
message { message_id: 100 message_user_id: 1 message_folder_id: 10 message_subject: "Hello"
          message_sender { user_id: 1 } message_recipient { user_id: 3 } message_user_is_recipient: true
          message_user_message_id: 100 message_user_user_id: 3 message_user_message_folder_id: 30
          message_user_field: 1 message_user_properties: 1 }
message { message_id: 101 message_user_id: 2 message_folder_id: 20 message_parent_id: 100 message_subject: "RE: Hello"
          message_sender { user_id: 2 } message_recipient { user_id: 1 } message_user_is_recipient: true
          message_user_message_id: 101 message_user_user_id: 1 message_user_message_folder_id: 11
          message_user_field: 0 message_user_properties: 1 }
)";

class TestServerMessageWrites : public ::testing::Test
{
protected:
    TestServerMessageWrites()
        : m_state(Load())
    {}

    Answer Send(testserver::Answer (*handler)(ServerState&, const Call&),
                const google::protobuf::Message& request,
                int minorOpcode = common::Untagged)
    {
        const Call call{0, minorOpcode, &m_session, request.SerializeAsString()};
        return handler(m_state, call);
    }

    template <typename Reply>
    Reply Ask(testserver::Answer (*handler)(ServerState&, const Call&),
              const google::protobuf::Message& request,
              int minorOpcode = common::Untagged)
    {
        const Answer answer = Send(handler, request, minorOpcode);
        EXPECT_EQ(0, answer.majorErcode);
        Reply reply;
        EXPECT_TRUE(reply.ParseFromString(answer.payload));
        return reply;
    }

    // The subjects and folders of a user's own messages, as "subject@folder".
    std::vector<std::string> Own(int userId, int folderId = -1)
    {
        zarv::data::SelectMessageRequest request;
        request.set_message_user_id(userId);
        if (folderId >= 0) {
            request.set_message_folder_id(folderId);
        }
        std::vector<std::string> listed;
        const auto reply = Ask<zarv::data::SelectMessageReply>(testserver::SelectMessage, request);
        for (const auto& message : reply.message()) {
            EXPECT_FALSE(message.has_message_recipient());
            EXPECT_FALSE(message.message_user_is_recipient());
            listed.push_back(message.message_subject() + "@" + std::to_string(message.message_folder_id()));
        }
        return listed;
    }

    // A user's received messages, as "subject@folder/properties".
    std::vector<std::string> Received(int userId, int folderId = -1)
    {
        zarv::data::SelectMessageUserRequest request;
        request.set_message_user_user_id(userId);
        if (folderId >= 0) {
            request.set_message_user_message_folder_id(folderId);
        }
        std::vector<std::string> listed;
        const auto reply = Ask<zarv::data::SelectMessageUserReply>(testserver::SelectMessageUser, request);
        for (const auto& message : reply.message()) {
            EXPECT_TRUE(message.message_user_is_recipient());
            EXPECT_FALSE(message.message_sender().user_last_name().empty()) << "the sender's public record";
            listed.push_back(message.message_subject() + "@" + std::to_string(message.message_user_message_folder_id())
                             + "/" + std::to_string(message.message_user_properties()));
        }
        return listed;
    }

    std::vector<std::string> Folders(int userId, int parentId)
    {
        zarv::data::SelectMessageFolderRequest request;
        request.set_message_folder_user_id(userId);
        request.set_message_folder_parent_id(parentId);
        std::vector<std::string> names;
        const auto reply = Ask<zarv::data::SelectMessageFolderReply>(testserver::SelectMessageFolder, request);
        for (const auto& folder : reply.message_folder()) {
            names.push_back(folder.message_folder_name() + "#" + std::to_string(folder.message_folder_id()));
        }
        return names;
    }

    testserver::Session m_session{7, 1, {}};

private:
    static ServerState Load() { return serverstatefixture::FromText(Fixture); }

    ServerState m_state;
};

TEST_F(TestServerMessageWrites, ListingsByUserAndFolder)
{
    EXPECT_THAT(Own(1), ElementsAre("Hello@10"));
    EXPECT_THAT(Own(1, 11), IsEmpty());
    EXPECT_THAT(Received(1), ElementsAre("RE: Hello@11/1"));
    EXPECT_THAT(Received(2), ElementsAre("Hello@20/1"));
    EXPECT_THAT(Received(1, 10), IsEmpty());
    EXPECT_THAT(Folders(1, 10), ElementsAre("Work#11", "Empty#12"));
}

TEST_F(TestServerMessageWrites, FoldersAreInsertedRenamedAndDeletedUnlessTheyHoldSomething)
{
    zarv::data::InsertMessageFolderRequest insert;
    insert.mutable_message_folder()->set_message_folder_user_id(1);
    insert.mutable_message_folder()->set_message_folder_parent_id(10);
    insert.mutable_message_folder()->set_message_folder_name("New");
    const auto inserted = Ask<zarv::data::InsertMessageFolderReply>(testserver::InsertMessageFolder, insert);
    EXPECT_EQ(inserted.return_code(), 1);
    EXPECT_EQ(inserted.message_folder_id(), 21);

    zarv::data::UpdateMessageFolderRequest update;
    update.mutable_message_folder()->set_message_folder_id(21);
    update.mutable_message_folder()->set_message_folder_name("Renamed");
    EXPECT_EQ(Ask<zarv::data::UpdateMessageFolderReply>(testserver::UpdateMessageFolder, update).return_code(), 1);
    EXPECT_THAT(Folders(1, 10), ElementsAre("Work#11", "Empty#12", "Renamed#21"));

    for (const int holding : {10, 11}) {
        zarv::data::DeleteMessageFolderRequest remove;
        remove.set_message_folder_id(holding);
        const Answer answer = Send(testserver::DeleteMessageFolder, remove);
        EXPECT_EQ(answer.majorErcode, 0);
        EXPECT_EQ(answer.minorErcode, 0);
        zarv::data::DeleteMessageFolderReply reply;
        ASSERT_TRUE(reply.ParseFromString(answer.payload));
        EXPECT_EQ(reply.return_code(), 0) << holding;
        EXPECT_EQ(reply.sql_diag_rec().sqlc(), common::ForeignKeyViolation) << holding;
    }
    zarv::data::DeleteMessageFolderRequest remove;
    remove.set_message_folder_id(12);
    EXPECT_EQ(Ask<zarv::data::DeleteMessageFolderReply>(testserver::DeleteMessageFolder, remove).return_code(), 1);
    EXPECT_THAT(Folders(1, 10), ElementsAre("Work#11", "Renamed#21"));
}

TEST_F(TestServerMessageWrites, ANewMessageStoresOneRowPerAddressee)
{
    zarv::data::InsertMessageRequest insert;
    insert.mutable_message()->set_message_user_id(1);
    insert.mutable_message()->set_message_folder_id(11);
    insert.mutable_message()->set_message_subject("News");
    insert.mutable_message()->mutable_message_sender()->set_user_id(1);
    EXPECT_EQ(Ask<zarv::data::InsertMessageReply>(testserver::InsertMessage, insert).message_id(), 102);
    zarv::data::Message* to = insert.add_message_user();
    to->set_message_user_user_id(2);
    to->set_message_user_field(0);
    zarv::data::Message* cc = insert.add_message_user();
    cc->set_message_user_user_id(3);
    cc->set_message_user_field(1);
    cc->set_message_user_message_folder_id(31);
    cc->set_message_user_properties(0);
    const auto reply = Ask<zarv::data::InsertMessageReply>(testserver::InsertMessage, insert);
    EXPECT_EQ(reply.message_id(), 103);
    EXPECT_EQ(reply.return_code(), 1);
    EXPECT_THAT(Own(1, 11), ElementsAre("News@11", "News@11"));
    EXPECT_THAT(Received(2), ElementsAre("Hello@20/1", "News@20/1"));
    EXPECT_THAT(Received(3), ElementsAre("Hello@30/1", "News@31/0"));
}

TEST_F(TestServerMessageWrites, UpdatesKeepEachAddresseesRow)
{
    zarv::data::UpdateMessageRequest move;
    move.mutable_message()->set_message_id(100);
    move.mutable_message()->set_message_folder_id(11);
    EXPECT_EQ(Ask<zarv::data::UpdateMessageReply>(testserver::UpdateMessage, move, common::MoveMessage).return_code(),
              1);
    EXPECT_THAT(Own(1), ElementsAre("Hello@11"));

    zarv::data::UpdateMessageRequest whole;
    whole.mutable_message()->set_message_id(100);
    whole.mutable_message()->set_message_user_id(1);
    whole.mutable_message()->set_message_folder_id(11);
    whole.mutable_message()->set_message_subject("Hello again");
    whole.mutable_message()->mutable_message_sender()->set_user_id(1);
    EXPECT_EQ(Ask<zarv::data::UpdateMessageReply>(testserver::UpdateMessage, whole).return_code(), 1);
    EXPECT_THAT(Received(2), ElementsAre("Hello again@20/1"));
    EXPECT_THAT(Received(3), ElementsAre("Hello again@30/1"));

    zarv::data::UpdateMessageUserRequest user;
    user.mutable_message()->set_message_user_message_id(101);
    user.mutable_message()->set_message_user_user_id(1);
    user.mutable_message()->set_message_user_properties(0);
    EXPECT_EQ(Ask<zarv::data::UpdateMessageUserReply>(testserver::UpdateMessageUser, user).return_code(), 1);
    user.mutable_message()->set_message_user_message_folder_id(10);
    EXPECT_EQ(
        Ask<zarv::data::UpdateMessageUserReply>(testserver::UpdateMessageUser, user, common::MoveMessage).return_code(),
        1);
    EXPECT_THAT(Received(1), ElementsAre("RE: Hello@10/0"));

    whole.mutable_message()->set_message_id(999);
    EXPECT_EQ(Ask<zarv::data::UpdateMessageReply>(testserver::UpdateMessage, whole).return_code(), 0);
}

TEST_F(TestServerMessageWrites, AnAnsweredMessageIsNotDeletedAnAddresseeRowIs)
{
    zarv::data::DeleteMessageRequest remove;
    remove.set_message_id(100);
    const Answer refused = Send(testserver::DeleteMessage, remove);
    EXPECT_EQ(refused.majorErcode, 4);
    EXPECT_EQ(refused.minorErcode, 1);
    zarv::data::DeleteMessageReply reply;
    ASSERT_TRUE(reply.ParseFromString(refused.payload));
    EXPECT_EQ(reply.return_code(), 0);
    EXPECT_EQ(reply.sql_diag_rec().sqlc(), common::ForeignKeyViolation);
    EXPECT_EQ(reply.sql_diag_rec().sqls(), "23503");
    EXPECT_THAT(Own(1), ElementsAre("Hello@10"));

    zarv::data::DeleteMessageUserRequest addressee;
    addressee.set_message_user_message_id(100);
    addressee.set_message_user_user_id(3);
    EXPECT_EQ(Ask<zarv::data::DeleteMessageUserReply>(testserver::DeleteMessageUser, addressee).return_code(), 1);
    EXPECT_THAT(Received(3), IsEmpty());
    EXPECT_THAT(Received(2), ElementsAre("Hello@20/1"));
    addressee.set_message_user_user_id(2);
    EXPECT_EQ(Ask<zarv::data::DeleteMessageUserReply>(testserver::DeleteMessageUser, addressee).return_code(), 1);
    EXPECT_THAT(Own(1), ElementsAre("Hello@10")) << "the author keeps the message without addressees";
    EXPECT_EQ(Ask<zarv::data::DeleteMessageUserReply>(testserver::DeleteMessageUser, addressee).return_code(), 0);

    remove.set_message_id(101);
    EXPECT_EQ(Ask<zarv::data::DeleteMessageReply>(testserver::DeleteMessage, remove).return_code(), 1);
    EXPECT_THAT(Received(1), IsEmpty());
    remove.set_message_id(100);
    EXPECT_EQ(Ask<zarv::data::DeleteMessageReply>(testserver::DeleteMessage, remove).return_code(), 1);
    EXPECT_THAT(Own(1), IsEmpty());
}

}  // namespace
