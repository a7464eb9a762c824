// The personal user groups, called straight on a small fixture: the listings,
// the owner's changes and the refusals of a second name, a member already in
// the group, an unknown group or user, and another user's group.

#include "product/testserver/operations.h"
#include "tests/testserver/serverstatefixture.h"

#include "deleteusergroupreply3.pb.h"
#include "deleteusergrouprequest3.pb.h"
#include "deleteusergroupuserreply3.pb.h"
#include "deleteusergroupuserrequest3.pb.h"
#include "insertusergroupreply3.pb.h"
#include "insertusergrouprequest3.pb.h"
#include "insertusergroupuserreply3.pb.h"
#include "insertusergroupuserrequest3.pb.h"
#include "selectusergroupreply3.pb.h"
#include "selectusergrouprequest3.pb.h"
#include "selectusergroupuserreply3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "updateusergroupreply3.pb.h"
#include "updateusergrouprequest3.pb.h"

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

// Ann (the session user) owns Friends (Bob and Ann) and Empty; Bob owns Club.
const char* const Fixture = R"(
account { name: "ann" password: "a" record { user_id: 1 user_first_name: "Ann" } }
account { name: "bob" password: "b" record { user_id: 2 user_first_name: "Bob" } }
account { name: "cy" password: "c" record { user_id: 3 user_first_name: "Cy" } }
user_group { user_group_group_id: 20 user_group_user_id: 1 user_group_name: "Friends" }
user_group { user_group_group_id: 21 user_group_user_id: 1 user_group_name: "Empty" }
user_group { user_group_group_id: 22 user_group_user_id: 2 user_group_name: "Club" }
user_group_user { user_group { user_group_group_id: 20 } user { user_id: 2 } }
user_group_user { user_group { user_group_group_id: 20 } user { user_id: 1 } }
user_group_user { user_group { user_group_group_id: 22 } user { user_id: 3 } }
)";

class TestServerUserGroups : public ::testing::Test
{
protected:
    TestServerUserGroups()
        : m_state(Load())
    {}

    Answer ask(testserver::Handler handler, const google::protobuf::Message& request)
    {
        return handler(m_state, Call{0, 1, &m_session, request.SerializeAsString()});
    }

    template <typename Reply>
    Reply reply(testserver::Handler handler, const google::protobuf::Message& request)
    {
        const Answer answer = ask(handler, request);
        EXPECT_EQ(0, answer.majorErcode);
        Reply reply;
        EXPECT_TRUE(reply.ParseFromString(answer.payload));
        return reply;
    }

    // The packed SQLSTATE of a change, or -1 when the change was refused with
    // an error code (which is then in `ercode`).
    template <typename Reply>
    int sqlc(testserver::Handler handler, const google::protobuf::Message& request, int* ercode = nullptr)
    {
        const Answer answer = ask(handler, request);
        if (ercode) {
            *ercode = answer.majorErcode;
        }
        if (answer.majorErcode != 0) {
            return -1;
        }
        Reply reply;
        EXPECT_TRUE(reply.ParseFromString(answer.payload));
        return reply.sql_diag_rec().sqlc();
    }

    std::vector<std::string> groupsOf(int ownerId)
    {
        zarv::data::SelectUserGroupRequest request;
        request.set_user_group_user_id(ownerId);
        const auto listed = reply<zarv::data::SelectUserGroupReply>(testserver::SelectUserGroup, request);
        std::vector<std::string> names;
        for (const auto& group : listed.user_group()) {
            names.push_back(group.user_group_name());
        }
        return names;
    }

    std::vector<std::string> membersOf(int groupId, bool excludeSessionUser = false)
    {
        zarv::data::SelectUserGroupUserRequest request;
        request.set_user_group_user_user_group_group_id(groupId);
        request.set_exclude_session_user_id(excludeSessionUser);
        const auto listed = reply<zarv::data::SelectUserGroupUserReply>(testserver::SelectUserGroupUser, request);
        std::vector<std::string> names;
        for (const auto& member : listed.user_group_user()) {
            names.push_back(member.user().user_first_name());
        }
        return names;
    }

    static zarv::data::InsertUserGroupUserRequest Member(int groupId, int userId)
    {
        zarv::data::InsertUserGroupUserRequest request;
        request.mutable_user_group_user()->mutable_user_group()->set_user_group_group_id(groupId);
        request.mutable_user_group_user()->mutable_user()->set_user_id(userId);
        return request;
    }

    testserver::Session m_session{7, 1, {}};

private:
    static ServerState Load() { return serverstatefixture::FromText(Fixture); }

    ServerState m_state;
};

TEST_F(TestServerUserGroups, GroupsByOwnerLessTheExcludedAndMembersWithTheirRecords)
{
    EXPECT_THAT(groupsOf(1), ElementsAre("Friends", "Empty"));
    zarv::data::SelectUserGroupRequest less;
    less.set_user_group_user_id(1);
    less.add_exclude_group_id(20);
    EXPECT_EQ(1, reply<zarv::data::SelectUserGroupReply>(testserver::SelectUserGroup, less).user_group_size());

    EXPECT_THAT(membersOf(20), ElementsAre("Bob", "Ann"));
    EXPECT_THAT(membersOf(20, true), ElementsAre("Bob"));
    EXPECT_THAT(membersOf(21), IsEmpty());

    zarv::data::SelectUserGroupUserRequest request;
    request.set_user_group_user_user_group_group_id(20);
    request.add_exclude_user_id(2);
    const auto listed = reply<zarv::data::SelectUserGroupUserReply>(testserver::SelectUserGroupUser, request);
    ASSERT_EQ(1, listed.user_group_user_size());
    EXPECT_EQ("Friends", listed.user_group_user(0).user_group().user_group_name());
    EXPECT_FALSE(listed.user_group_user(0).user().has_user_name()) << "the public record only";
}

TEST_F(TestServerUserGroups, TheOwnerCreatesRenamesAndDeletesGroupsAndMembers)
{
    zarv::data::InsertUserGroupRequest insert;
    insert.mutable_user_group()->set_user_group_name("New");
    insert.mutable_user_group()->set_user_group_user_id(1);
    const auto inserted = reply<zarv::data::InsertUserGroupReply>(testserver::InsertUserGroup, insert);
    EXPECT_EQ(0, inserted.sql_diag_rec().sqlc());
    EXPECT_EQ(23, inserted.user_group_group_id());
    EXPECT_THAT(groupsOf(1), ElementsAre("Friends", "Empty", "New"));

    EXPECT_EQ(0, sqlc<zarv::data::InsertUserGroupUserReply>(testserver::InsertUserGroupUser, Member(23, 3)));
    EXPECT_THAT(membersOf(23), ElementsAre("Cy"));

    zarv::data::UpdateUserGroupRequest update;
    update.mutable_user_group()->set_user_group_group_id(23);
    update.mutable_user_group()->set_user_group_name("Renamed");
    EXPECT_EQ(0, sqlc<zarv::data::UpdateUserGroupReply>(testserver::UpdateUserGroup, update));
    EXPECT_THAT(groupsOf(1), ElementsAre("Friends", "Empty", "Renamed"));

    zarv::data::DeleteUserGroupUserRequest removal;
    removal.set_user_group_user_user_group_group_id(20);
    removal.set_user_group_user_user_id(2);
    EXPECT_EQ(0, sqlc<zarv::data::DeleteUserGroupUserReply>(testserver::DeleteUserGroupUser, removal));
    EXPECT_THAT(membersOf(20), ElementsAre("Ann"));

    zarv::data::DeleteUserGroupRequest deletion;
    deletion.set_user_group_group_id(23);
    EXPECT_EQ(0, sqlc<zarv::data::DeleteUserGroupReply>(testserver::DeleteUserGroup, deletion));
    EXPECT_THAT(groupsOf(1), ElementsAre("Friends", "Empty"));
    EXPECT_THAT(membersOf(23), IsEmpty()) << "the members went with the group";
}

TEST_F(TestServerUserGroups, RefusalsChangeNothing)
{
    constexpr int Unique = 0x050050C2;
    constexpr int ForeignKey = 0x030050C2;
    zarv::data::InsertUserGroupRequest sameName;
    sameName.mutable_user_group()->set_user_group_name("Friends");
    EXPECT_EQ(Unique, sqlc<zarv::data::InsertUserGroupReply>(testserver::InsertUserGroup, sameName));
    sameName.mutable_user_group()->set_user_group_name("Club");
    EXPECT_EQ(0, sqlc<zarv::data::InsertUserGroupReply>(testserver::InsertUserGroup, sameName))
        << "another owner's name is free";

    EXPECT_EQ(Unique, sqlc<zarv::data::InsertUserGroupUserReply>(testserver::InsertUserGroupUser, Member(20, 2)));
    EXPECT_EQ(ForeignKey, sqlc<zarv::data::InsertUserGroupUserReply>(testserver::InsertUserGroupUser, Member(99, 2)));
    EXPECT_EQ(ForeignKey, sqlc<zarv::data::InsertUserGroupUserReply>(testserver::InsertUserGroupUser, Member(20, 99)));
    int ercode = 0;
    EXPECT_EQ(-1, sqlc<zarv::data::InsertUserGroupUserReply>(testserver::InsertUserGroupUser, Member(22, 2), &ercode));
    EXPECT_EQ(72, ercode);

    zarv::data::UpdateUserGroupRequest rename;
    rename.mutable_user_group()->set_user_group_group_id(21);
    rename.mutable_user_group()->set_user_group_name("Friends");
    EXPECT_EQ(Unique, sqlc<zarv::data::UpdateUserGroupReply>(testserver::UpdateUserGroup, rename));
    rename.mutable_user_group()->set_user_group_group_id(22);
    EXPECT_EQ(-1, sqlc<zarv::data::UpdateUserGroupReply>(testserver::UpdateUserGroup, rename, &ercode));
    EXPECT_EQ(72, ercode);

    zarv::data::DeleteUserGroupRequest deletion;
    deletion.set_user_group_group_id(22);
    EXPECT_EQ(-1, sqlc<zarv::data::DeleteUserGroupReply>(testserver::DeleteUserGroup, deletion, &ercode));
    EXPECT_EQ(72, ercode);
    deletion.set_user_group_group_id(99);
    EXPECT_EQ(ForeignKey, sqlc<zarv::data::DeleteUserGroupReply>(testserver::DeleteUserGroup, deletion));

    zarv::data::DeleteUserGroupUserRequest removal;
    removal.set_user_group_user_user_group_group_id(21);
    removal.set_user_group_user_user_id(2);
    EXPECT_EQ(ForeignKey, sqlc<zarv::data::DeleteUserGroupUserReply>(testserver::DeleteUserGroupUser, removal));

    EXPECT_THAT(groupsOf(1), ElementsAre("Friends", "Empty", "Club"));
    EXPECT_THAT(groupsOf(2), ElementsAre("Club"));
    EXPECT_THAT(membersOf(20), ElementsAre("Bob", "Ann"));
    EXPECT_THAT(membersOf(22), ElementsAre("Cy"));
}

}  // namespace
