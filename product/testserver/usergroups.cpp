// The personal user groups: their listing and their members' listing, and the
// changes that their owner makes. Only the session user's own groups change;
// a refusal of the database kind comes back with its SQLSTATE in the reply's
// sqlc and error codes 0.

#include "product/testserver/operations.h"

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

#include <algorithm>
#include <optional>
#include <set>

namespace testserver {
namespace {

using UserGroups = google::protobuf::RepeatedPtrField<zarv::data::UserGroup>;
using Members = google::protobuf::RepeatedPtrField<zarv::data::UserGroupUser>;

template <typename Ids>
std::set<int> IdSet(const Ids& ids)
{
    return std::set<int>(ids.begin(), ids.end());
}

int FindGroup(const UserGroups& groups, int groupId)
{
    for (int index = 0; index < groups.size(); ++index) {
        if (groups[index].user_group_group_id() == groupId) {
            return index;
        }
    }
    return -1;
}

int FindMember(const Members& members, int groupId, int userId)
{
    for (int index = 0; index < members.size(); ++index) {
        if (members[index].user_group().user_group_group_id() == groupId && members[index].user().user_id() == userId) {
            return index;
        }
    }
    return -1;
}

// Whether another group of the owner already has the name.
bool NameTaken(const UserGroups& groups, int ownerId, const std::string& name, int exceptGroupId)
{
    return std::any_of(groups.begin(), groups.end(), [&](const zarv::data::UserGroup& group) {
        return group.user_group_user_id() == ownerId && group.user_group_name() == name
               && group.user_group_group_id() != exceptGroupId;
    });
}

// The reply of a change: sqlc 0, or the SQLSTATE of its refusal.
template <typename Reply>
Answer Changed(int sqlc = 0)
{
    Reply reply;
    reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    return Success(reply);
}

// The group of the id when the session user owns it; otherwise the refusal:
// ForeignKeyViolation for an unknown group, ServiceBadUserGroupGroupIdEr for
// another user's.
template <typename Reply>
std::optional<Answer> RefuseForeignGroup(const ServerState& state, const Call& call, int groupId, int& index)
{
    index = FindGroup(state.store.data().user_group(), groupId);
    if (index < 0) {
        return Changed<Reply>(common::ForeignKeyViolation);
    }
    if (state.store.data().user_group(index).user_group_user_id() != call.session->userId) {
        return Failure(common::ServiceBadUserGroupGroupIdEr);
    }
    return std::nullopt;
}

}  // namespace

// By user_group_group_id: that group. By user_group_user_id: the groups that
// user owns. Less exclude_group_id.
Answer SelectUserGroup(ServerState& state, const Call& call)
{
    zarv::data::SelectUserGroupRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const std::set<int> excluded = IdSet(request.exclude_group_id());
    zarv::data::SelectUserGroupReply reply;
    reply.mutable_sql_diag_rec();
    for (const zarv::data::UserGroup& group : state.store.data().user_group()) {
        const bool asked =
            (request.has_user_group_group_id() && group.user_group_group_id() == request.user_group_group_id())
            || (request.has_user_group_user_id() && group.user_group_user_id() == request.user_group_user_id());
        if (asked && excluded.count(group.user_group_group_id()) == 0) {
            *reply.add_user_group() = group;
        }
    }
    return Success(reply);
}

// The members of a group, or the memberships of a user; each row with its
// group's record and its member's public record. Less exclude_user_id,
// exclude_group_id and, with exclude_session_user_id, the session user.
Answer SelectUserGroupUser(ServerState& state, const Call& call)
{
    zarv::data::SelectUserGroupUserRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    std::set<int> excludedUsers = IdSet(request.exclude_user_id());
    if (request.exclude_session_user_id()) {
        excludedUsers.insert(call.session->userId);
    }
    const std::set<int> excludedGroups = IdSet(request.exclude_group_id());
    const auto& data = state.store.data();
    zarv::data::SelectUserGroupUserReply reply;
    reply.mutable_sql_diag_rec();
    for (const zarv::data::UserGroupUser& member : data.user_group_user()) {
        const int groupId = member.user_group().user_group_group_id();
        const int userId = member.user().user_id();
        const bool asked = (request.has_user_group_user_user_group_group_id()
                            && groupId == request.user_group_user_user_group_group_id())
                           || (request.has_user_group_user_user_id() && userId == request.user_group_user_user_id());
        if (!asked || excludedUsers.count(userId) != 0 || excludedGroups.count(groupId) != 0) {
            continue;
        }
        zarv::data::UserGroupUser& listed = *reply.add_user_group_user() = member;
        if (const int index = FindGroup(data.user_group(), groupId); index >= 0) {
            *listed.mutable_user_group() = data.user_group(index);
        }
        if (const zarv::data::User* user = state.store.findUser(userId)) {
            *listed.mutable_user() = PublicUser(*user);
        }
    }
    return Success(reply);
}

// A new group of the session user, under the next free id; its name must be
// new among the owner's groups.
Answer InsertUserGroup(ServerState& state, const Call& call)
{
    zarv::data::InsertUserGroupRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    auto& groups = *state.store.data().mutable_user_group();
    const int ownerId = call.session->userId;
    if (NameTaken(groups, ownerId, request.user_group().user_group_name(), 0)) {
        return Changed<zarv::data::InsertUserGroupReply>(common::UniqueViolation);
    }
    int groupId = 1;
    for (const zarv::data::UserGroup& group : groups) {
        groupId = std::max(groupId, group.user_group_group_id() + 1);
    }
    zarv::data::UserGroup& group = *groups.Add() = request.user_group();
    group.set_user_group_group_id(groupId);
    group.set_user_group_user_id(ownerId);
    zarv::data::InsertUserGroupReply reply;
    reply.mutable_sql_diag_rec()->set_sqlc(0);
    reply.set_user_group_group_id(groupId);
    return Success(reply);
}

// A new member of one of the session user's groups.
Answer InsertUserGroupUser(ServerState& state, const Call& call)
{
    using Reply = zarv::data::InsertUserGroupUserReply;
    zarv::data::InsertUserGroupUserRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const int groupId = request.user_group_user().user_group().user_group_group_id();
    const int userId = request.user_group_user().user().user_id();
    int index = -1;
    if (auto refusal = RefuseForeignGroup<Reply>(state, call, groupId, index)) {
        return *refusal;
    }
    if (!state.store.findUser(userId)) {
        return Changed<Reply>(common::ForeignKeyViolation);
    }
    auto& members = *state.store.data().mutable_user_group_user();
    if (FindMember(members, groupId, userId) >= 0) {
        return Changed<Reply>(common::UniqueViolation);
    }
    zarv::data::UserGroupUser& member = *members.Add();
    member.mutable_user_group()->set_user_group_group_id(groupId);
    member.mutable_user()->set_user_id(userId);
    member.set_user_group_user_description(request.user_group_user().user_group_user_description());
    member.set_user_group_user_creation_date(request.user_group_user().user_group_user_creation_date());
    return Changed<Reply>();
}

// A new name and description for one of the session user's groups.
Answer UpdateUserGroup(ServerState& state, const Call& call)
{
    using Reply = zarv::data::UpdateUserGroupReply;
    zarv::data::UpdateUserGroupRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const zarv::data::UserGroup& changed = request.user_group();
    int index = -1;
    if (auto refusal = RefuseForeignGroup<Reply>(state, call, changed.user_group_group_id(), index)) {
        return *refusal;
    }
    auto& groups = *state.store.data().mutable_user_group();
    if (NameTaken(groups, call.session->userId, changed.user_group_name(), changed.user_group_group_id())) {
        return Changed<Reply>(common::UniqueViolation);
    }
    zarv::data::UserGroup& group = groups[index];
    group.set_user_group_name(changed.user_group_name());
    group.set_user_group_description(changed.user_group_description());
    return Changed<Reply>();
}

// One of the session user's groups, with its memberships.
Answer DeleteUserGroup(ServerState& state, const Call& call)
{
    using Reply = zarv::data::DeleteUserGroupReply;
    zarv::data::DeleteUserGroupRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const int groupId = request.user_group_group_id();
    int index = -1;
    if (auto refusal = RefuseForeignGroup<Reply>(state, call, groupId, index)) {
        return *refusal;
    }
    auto& data = state.store.data();
    data.mutable_user_group()->DeleteSubrange(index, 1);
    auto& members = *data.mutable_user_group_user();
    members.erase(std::remove_if(members.begin(), members.end(),
                                 [groupId](const zarv::data::UserGroupUser& member) {
                                     return member.user_group().user_group_group_id() == groupId;
                                 }),
                  members.end());
    return Changed<Reply>();
}

// One member of one of the session user's groups.
Answer DeleteUserGroupUser(ServerState& state, const Call& call)
{
    using Reply = zarv::data::DeleteUserGroupUserReply;
    zarv::data::DeleteUserGroupUserRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const int groupId = request.user_group_user_user_group_group_id();
    int index = -1;
    if (auto refusal = RefuseForeignGroup<Reply>(state, call, groupId, index)) {
        return *refusal;
    }
    auto& members = *state.store.data().mutable_user_group_user();
    const int member = FindMember(members, groupId, request.user_group_user_user_id());
    if (member < 0) {
        return Changed<Reply>(common::ForeignKeyViolation);
    }
    members.DeleteSubrange(member, 1);
    return Changed<Reply>();
}

}  // namespace testserver
