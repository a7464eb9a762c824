// The reading operations on messages. A fixture's message records
// are rows: one per addressee of a message (with message_recipient and the
// message_user_* fields), or one for a message without addressees. Senders
// and recipients that name an account are sent with that account's public
// record.

#include "product/testserver/messagestore.h"
#include "product/testserver/operations.h"

#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <algorithm>
#include <set>

namespace testserver {
namespace {

void FillUser(const Store& store, zarv::data::User& user)
{
    if (const zarv::data::User* account = store.findUser(user.user_id())) {
        user = PublicUser(*account);
    }
}

zarv::data::Message Filled(const Store& store, const zarv::data::Message& row)
{
    zarv::data::Message message = row;
    if (message.has_message_sender()) {
        FillUser(store, *message.mutable_message_sender());
    }
    if (message.has_message_recipient()) {
        FillUser(store, *message.mutable_message_recipient());
    }
    return message;
}

// The first row of the message.
const zarv::data::Message* FindMessage(const Store& store, int messageId)
{
    for (const zarv::data::Message& row : store.data().message()) {
        if (row.has_message_id() && row.message_id() == messageId) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

// The chain of message_chain_id: that message, then the message it answers,
// and so on while the parent exists. Without a chain id, by message_user_id
// and, when given, message_folder_id: the owner's messages there that meet
// the criteria (search.cpp). Without either, by message_id: that message
// alone. With none of these: an empty list.
Answer SelectMessage(ServerState& state, const Call& call)
{
    zarv::data::SelectMessageRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    if (!request.has_message_chain_id() && request.has_message_user_id()) {
        // A user's messages (messagefolders.cpp).
        return Success(SelectOwnMessages(state.store, request));
    }
    zarv::data::SelectMessageReply reply;
    reply.mutable_sql_diag_rec();
    if (!request.has_message_chain_id() && request.has_message_id()) {
        if (const zarv::data::Message* message = FindMessage(state.store, request.message_id())) {
            *reply.add_message() = Filled(state.store, *message);
        }
        return Success(reply);
    }
    if (!request.has_message_chain_id()) {
        return Success(reply);
    }
    std::set<int> listed;
    const zarv::data::Message* message = FindMessage(state.store, request.message_chain_id());
    while (message && listed.insert(message->message_id()).second) {
        *reply.add_message() = Filled(state.store, *message);
        message = message->has_message_parent_id() ? FindMessage(state.store, message->message_parent_id()) : nullptr;
    }
    return Success(reply);
}

// The addressee rows of message_user_message_id, of the one field
// message_user_field when it is given, in fixture order. Without a message
// id, by message_user_user_id and, when given, message_user_message_folder_id:
// the rows of the recipient filed there whose message meets the criteria
// (search.cpp). The exclude flags are not read.
Answer SelectMessageUser(ServerState& state, const Call& call)
{
    zarv::data::SelectMessageUserRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    if (!request.has_message_user_message_id() && request.has_message_user_user_id()) {
        // The messages a user received (messagefolders.cpp).
        return Success(SelectReceivedMessages(state.store, request));
    }
    zarv::data::SelectMessageUserReply reply;
    reply.mutable_sql_diag_rec();
    for (const zarv::data::Message& row : state.store.data().message()) {
        const bool sameMessage = row.has_message_user_message_id() && request.has_message_user_message_id()
                                 && row.message_user_message_id() == request.message_user_message_id();
        const bool sameField =
            !request.has_message_user_field() || row.message_user_field() == request.message_user_field();
        if (sameMessage && sameField) {
            *reply.add_message() = Filled(state.store, row);
        }
    }
    return Success(reply);
}

// Every account's public record in fixture order, but those of
// exclude_user_id and, unless do_not_exclude_session_user_id, the session
// user. The other fields are not read.
}  // namespace testserver
