// The message editor's changes: the addressee rows and the attached
// documents of a message, each added or removed on its own. Only the
// message's author may change them; every change that succeeds answers
// return code 1.

#include "product/testserver/messagestore.h"
#include "product/testserver/operations.h"

#include "deletemessagedocumentreply3.pb.h"
#include "deletemessagedocumentrequest3.pb.h"
#include "insertmessagedocumentreply3.pb.h"
#include "insertmessagedocumentrequest3.pb.h"
#include "insertmessageuserreply3.pb.h"
#include "insertmessageuserrequest3.pb.h"

#include <algorithm>

namespace testserver {
namespace {

constexpr int Done = 1;
constexpr int InsufficientPrivilege = common::PackSqlState("42501");
constexpr int NoDataFound = common::PackSqlState("02000");

template <typename Reply>
Answer Answered(int sqlc)
{
    Reply reply;
    reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    reply.set_return_code(sqlc == 0 ? Done : 0);
    return Success(reply);
}

// The first row of the message, or null.
const zarv::data::Message* FirstRow(const ServerState& state, int messageId)
{
    for (const zarv::data::Message& row : state.store.data().message()) {
        if (row.message_id() == messageId) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

int MessageAuthorCheck(const ServerState& state, const Call& call, int messageId)
{
    const zarv::data::Message* message = FirstRow(state, messageId);
    if (!message) {
        return NoDataFound;
    }
    return message->message_user_id() == call.session->userId ? 0 : InsufficientPrivilege;
}

// One addressee row, as the request's message_user_* fields name it; the
// row of a message without addressees becomes the first addressee's. An
// unknown user is refused with 74, a second row of one user with a unique
// violation.
Answer InsertMessageUser(ServerState& state, const Call& call)
{
    zarv::data::InsertMessageUserRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const zarv::data::Message& wanted = request.message();
    const int messageId = wanted.message_user_message_id();
    const zarv::data::User* account = state.store.findUser(wanted.message_user_user_id());
    if (!account) {
        return Failure(common::ServiceBadUserIdEr);
    }
    if (const int refused = MessageAuthorCheck(state, call, messageId)) {
        return Answered<zarv::data::InsertMessageUserReply>(refused);
    }
    auto& rows = *state.store.data().mutable_message();
    zarv::data::Message* bare = nullptr;
    for (zarv::data::Message& row : rows) {
        if (row.message_id() != messageId) {
            continue;
        }
        if (!row.has_message_user_user_id()) {
            bare = &row;
        } else if (row.message_user_user_id() == account->user_id()) {
            return Answered<zarv::data::InsertMessageUserReply>(common::UniqueViolation);
        }
    }
    zarv::data::Message added = AuthorRecord(*FirstRow(state, messageId));
    added.mutable_message_recipient()->set_user_id(account->user_id());
    added.set_message_user_is_recipient(true);
    added.set_message_user_message_id(messageId);
    added.set_message_user_user_id(account->user_id());
    added.set_message_user_message_folder_id(wanted.message_user_message_folder_id());
    added.set_message_user_field(wanted.message_user_field());
    added.set_message_user_properties(wanted.message_user_properties());
    added.set_message_user_creation_date(wanted.message_user_creation_date());
    if (bare) {
        *bare = added;
    } else {
        *rows.Add() = added;
    }
    return Answered<zarv::data::InsertMessageUserReply>(0);
}

// Attaches one of the session user's current documents; another user's or
// an unknown document is refused with 15, a second attachment of one
// document with a unique violation.
Answer InsertMessageDocument(ServerState& state, const Call& call)
{
    zarv::data::InsertMessageDocumentRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const zarv::data::MessageDocument& wanted = request.message_document();
    const std::vector<const zarv::data::Document*> documents = state.store.currentDocuments();
    const bool own = std::any_of(documents.begin(), documents.end(), [&](const zarv::data::Document* document) {
        return document->document_id() == wanted.message_document_document_id()
               && document->document_user_id() == call.session->userId;
    });
    if (!own) {
        return Failure(common::ServiceBadDocumentIdEr);
    }
    if (const int refused = MessageAuthorCheck(state, call, wanted.message_document_message_id())) {
        return Answered<zarv::data::InsertMessageDocumentReply>(refused);
    }
    auto& rows = *state.store.data().mutable_message_document();
    const bool attached = std::any_of(rows.begin(), rows.end(), [&](const zarv::data::MessageDocument& row) {
        return row.message_document_message_id() == wanted.message_document_message_id()
               && row.message_document_document_id() == wanted.message_document_document_id();
    });
    if (attached) {
        return Answered<zarv::data::InsertMessageDocumentReply>(common::UniqueViolation);
    }
    zarv::data::MessageDocument& row = *rows.Add();
    row = wanted;
    row.clear_message_document_document();
    return Answered<zarv::data::InsertMessageDocumentReply>(0);
}

// Removes the attachment of the message and the document; none held is
// NoDataFound.
Answer DeleteMessageDocument(ServerState& state, const Call& call)
{
    zarv::data::DeleteMessageDocumentRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    if (const int refused = MessageAuthorCheck(state, call, request.message_document_message_id())) {
        return Answered<zarv::data::DeleteMessageDocumentReply>(refused);
    }
    auto& rows = *state.store.data().mutable_message_document();
    for (int index = 0; index < rows.size(); ++index) {
        const zarv::data::MessageDocument& row = rows.Get(index);
        if (row.message_document_message_id() == request.message_document_message_id()
            && row.message_document_document_id() == request.message_document_document_id()) {
            rows.DeleteSubrange(index, 1);
            return Answered<zarv::data::DeleteMessageDocumentReply>(0);
        }
    }
    return Answered<zarv::data::DeleteMessageDocumentReply>(NoDataFound);
}

}  // namespace testserver
