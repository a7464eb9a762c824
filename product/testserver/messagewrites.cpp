// The changes to messages and to their addressees' rows. Every change that
// succeeds answers return code 1.

#include "product/testserver/messagestore.h"
#include "product/testserver/operations.h"

#include "deletemessagereply3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserreply3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "updatemessagereply3.pb.h"
#include "updatemessagerequest3.pb.h"
#include "updatemessageuserreply3.pb.h"
#include "updatemessageuserrequest3.pb.h"
#include "user3.pb.h"

#include <algorithm>

namespace testserver {
namespace {

constexpr int Done = 1;
constexpr int Unread = 1 << 0;

using Rows = google::protobuf::RepeatedPtrField<zarv::data::Message>;

Rows& MessageRows(ServerState& state)
{
    return *state.store.data().mutable_message();
}

// The row keeps its addressee's fields and takes the message's own fields
// from `message`.
void SetMessageFields(zarv::data::Message& row, const zarv::data::Message& message)
{
    zarv::data::Message updated = AuthorRecord(message);
    updated.clear_message_chain_cache();
    updated.clear_message_parent_chain_cache();
    const zarv::data::Message addressee = row;
    row = updated;
    if (addressee.has_message_recipient()) {
        *row.mutable_message_recipient() = addressee.message_recipient();
    }
    if (addressee.has_message_user_is_recipient()) {
        row.set_message_user_is_recipient(addressee.message_user_is_recipient());
    }
    if (addressee.has_message_user_message_id()) {
        row.set_message_user_message_id(addressee.message_user_message_id());
    }
    if (addressee.has_message_user_user_id()) {
        row.set_message_user_user_id(addressee.message_user_user_id());
    }
    if (addressee.has_message_user_message_folder_id()) {
        row.set_message_user_message_folder_id(addressee.message_user_message_folder_id());
    }
    if (addressee.has_message_user_field()) {
        row.set_message_user_field(addressee.message_user_field());
    }
    if (addressee.has_message_user_properties()) {
        row.set_message_user_properties(addressee.message_user_properties());
    }
    if (addressee.has_message_user_creation_date()) {
        row.set_message_user_creation_date(addressee.message_user_creation_date());
    }
}

// The addressee's row of a message, or null.
zarv::data::Message* RecipientRow(ServerState& state, int messageId, int userId)
{
    for (zarv::data::Message& row : MessageRows(state)) {
        if (row.message_id() == messageId && row.has_message_user_user_id() && row.message_user_user_id() == userId) {
            return &row;
        }
    }
    return nullptr;
}

// A row of one addressee, as InsertMessage's message_user entries name it.
zarv::data::Message
AddresseeRow(const ServerState& state, const zarv::data::Message& message, const zarv::data::Message& addressee)
{
    zarv::data::Message row = AuthorRecord(message);
    const int userId = addressee.has_message_user_user_id() ? addressee.message_user_user_id()
                                                            : addressee.message_recipient().user_id();
    row.mutable_message_recipient()->set_user_id(userId);
    row.set_message_user_is_recipient(true);
    row.set_message_user_message_id(message.message_id());
    row.set_message_user_user_id(userId);
    row.set_message_user_field(addressee.message_user_field());
    int folderId = addressee.message_user_message_folder_id();
    if (!addressee.has_message_user_message_folder_id()) {
        const zarv::data::User* account = state.store.findUser(userId);
        folderId = account ? account->user_message_folder_id() : 0;
    }
    row.set_message_user_message_folder_id(folderId);
    row.set_message_user_properties(addressee.has_message_user_properties() ? addressee.message_user_properties()
                                                                            : Unread);
    row.set_message_user_creation_date(message.message_creation_date());
    return row;
}

template <typename Reply>
Reply Answered(bool done)
{
    Reply reply;
    reply.mutable_sql_diag_rec();
    reply.set_return_code(done ? Done : 0);
    return reply;
}

}  // namespace

// Stores the message under the next free id: one row per addressee given in
// message_user, or one row without addressees.
Answer InsertMessage(ServerState& state, const Call& call)
{
    zarv::data::InsertMessageRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    int lastId = 0;
    for (const zarv::data::Message& row : MessageRows(state)) {
        lastId = std::max(lastId, row.message_id());
    }
    zarv::data::Message message = AuthorRecord(request.message());
    message.set_message_id(lastId + 1);
    if (request.message_user_size() == 0) {
        *MessageRows(state).Add() = message;
    }
    for (const zarv::data::Message& addressee : request.message_user()) {
        *MessageRows(state).Add() = AddresseeRow(state, message, addressee);
    }
    zarv::data::InsertMessageReply reply = Answered<zarv::data::InsertMessageReply>(true);
    reply.set_message_id(message.message_id());
    return Success(reply);
}

// MoveMessage sets the author's folder; any other minor replaces the
// message's own fields with the request's whole record. Only the author may
// change a message: another user's update, or one of an unknown message, is
// answered with return code 0 and the refusing SQLSTATE.
Answer UpdateMessage(ServerState& state, const Call& call)
{
    zarv::data::UpdateMessageRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    if (const int refused = MessageAuthorCheck(state, call, request.message().message_id())) {
        zarv::data::UpdateMessageReply reply = Answered<zarv::data::UpdateMessageReply>(false);
        reply.mutable_sql_diag_rec()->set_sqlc(refused);
        return Success(reply);
    }
    bool done = false;
    for (zarv::data::Message& row : MessageRows(state)) {
        if (row.message_id() != request.message().message_id()) {
            continue;
        }
        if (call.minorOpcode == common::MoveMessage) {
            row.set_message_folder_id(request.message().message_folder_id());
        } else {
            SetMessageFields(row, request.message());
        }
        done = true;
    }
    return Success(Answered<zarv::data::UpdateMessageReply>(done));
}

// The row of message_user_message_id and message_user_user_id: MoveMessage
// sets its folder, any other minor its properties.
Answer UpdateMessageUser(ServerState& state, const Call& call)
{
    zarv::data::UpdateMessageUserRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const zarv::data::Message& message = request.message();
    zarv::data::Message* row = RecipientRow(state, message.message_user_message_id(), message.message_user_user_id());
    if (row && call.minorOpcode == common::MoveMessage) {
        row->set_message_user_message_folder_id(message.message_user_message_folder_id());
    } else if (row) {
        row->set_message_user_properties(message.message_user_properties());
    }
    return Success(Answered<zarv::data::UpdateMessageUserReply>(row != nullptr));
}

// Removes every row of the message. A message that another answers is
// refused with codes 4 and 1 and a foreign key violation.
Answer DeleteMessage(ServerState& state, const Call& call)
{
    zarv::data::DeleteMessageRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    Rows& rows = MessageRows(state);
    const int messageId = request.message_id();
    const bool referenced = std::any_of(rows.begin(), rows.end(), [messageId](const zarv::data::Message& row) {
        return row.has_message_parent_id() && row.message_parent_id() == messageId && row.message_id() != messageId;
    });
    if (referenced) {
        zarv::data::DeleteMessageReply reply = Answered<zarv::data::DeleteMessageReply>(false);
        reply.mutable_sql_diag_rec()->set_sqlc(common::ForeignKeyViolation);
        reply.mutable_sql_diag_rec()->set_sqls("23503");
        Answer answer = Success(reply);
        answer.majorErcode = 4;
        answer.minorErcode = 1;
        return answer;
    }
    const auto kept = std::remove_if(rows.begin(), rows.end(), [messageId](const zarv::data::Message& row) {
        return row.message_id() == messageId;
    });
    const bool done = kept != rows.end();
    rows.erase(kept, rows.end());
    return Success(Answered<zarv::data::DeleteMessageReply>(done));
}

// Removes one addressee's row; the message's last row stays as the author's
// message without addressees.
Answer DeleteMessageUser(ServerState& state, const Call& call)
{
    zarv::data::DeleteMessageUserRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    Rows& rows = MessageRows(state);
    const int messageId = request.message_user_message_id();
    int found = -1;
    int rowsOfMessage = 0;
    for (int index = 0; index < rows.size(); ++index) {
        const zarv::data::Message& row = rows.Get(index);
        if (row.message_id() != messageId) {
            continue;
        }
        ++rowsOfMessage;
        if (row.has_message_user_user_id() && row.message_user_user_id() == request.message_user_user_id()) {
            found = index;
        }
    }
    if (found < 0) {
        return Success(Answered<zarv::data::DeleteMessageUserReply>(false));
    }
    if (rowsOfMessage == 1) {
        *rows.Mutable(found) = AuthorRecord(rows.Get(found));
    } else {
        rows.DeleteSubrange(found, 1);
    }
    return Success(Answered<zarv::data::DeleteMessageUserReply>(true));
}

}  // namespace testserver
