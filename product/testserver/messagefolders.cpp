// Message folders, and the messages that a user keeps in them.

#include "product/testserver/messagestore.h"
#include "product/testserver/operations.h"
#include "product/testserver/search.h"

#include "deletemessagefolderreply3.pb.h"
#include "deletemessagefolderrequest3.pb.h"
#include "insertmessagefolderreply3.pb.h"
#include "insertmessagefolderrequest3.pb.h"
#include "selectmessagefolderreply3.pb.h"
#include "selectmessagefolderrequest3.pb.h"
#include "updatemessagefolderreply3.pb.h"
#include "updatemessagefolderrequest3.pb.h"
#include "user3.pb.h"

#include <algorithm>
#include <set>

namespace testserver {

zarv::data::Message AuthorRecord(const zarv::data::Message& row)
{
    zarv::data::Message message = row;
    message.clear_message_recipient();
    message.clear_message_user_is_recipient();
    message.clear_message_user_message_id();
    message.clear_message_user_user_id();
    message.clear_message_user_message_folder_id();
    message.clear_message_user_field();
    message.clear_message_user_properties();
    message.clear_message_user_creation_date();
    return message;
}

zarv::data::Message RecipientRecord(const zarv::data::Message& row)
{
    zarv::data::Message message = row;
    message.set_message_user_is_recipient(true);
    return message;
}

zarv::data::Message WithPublicUsers(const Store& store, zarv::data::Message message)
{
    if (message.has_message_sender()) {
        if (const zarv::data::User* account = store.findUser(message.message_sender().user_id())) {
            *message.mutable_message_sender() = PublicUser(*account);
        }
    }
    if (message.has_message_recipient()) {
        if (const zarv::data::User* account = store.findUser(message.message_recipient().user_id())) {
            *message.mutable_message_recipient() = PublicUser(*account);
        }
    }
    return message;
}

zarv::data::SelectMessageReply SelectOwnMessages(const Store& store, const zarv::data::SelectMessageRequest& request)
{
    zarv::data::SelectMessageReply reply;
    reply.mutable_sql_diag_rec();
    std::set<int> listed;
    for (const zarv::data::Message& row : store.data().message()) {
        const bool own = row.message_user_id() == request.message_user_id();
        const bool inFolder =
            !request.has_message_folder_id() || row.message_folder_id() == request.message_folder_id();
        if (!own || !inFolder || !listed.insert(row.message_id()).second) {
            continue;
        }
        zarv::data::Message message = WithPublicUsers(store, AuthorRecord(row));
        if (MeetsMessageCriteria(request, message)) {
            *reply.add_message() = std::move(message);
        }
    }
    return reply;
}

zarv::data::SelectMessageUserReply SelectReceivedMessages(const Store& store,
                                                          const zarv::data::SelectMessageUserRequest& request)
{
    zarv::data::SelectMessageUserReply reply;
    reply.mutable_sql_diag_rec();
    for (const zarv::data::Message& row : store.data().message()) {
        const bool received =
            row.has_message_user_user_id() && row.message_user_user_id() == request.message_user_user_id();
        const bool inFolder = !request.has_message_user_message_folder_id()
                              || row.message_user_message_folder_id() == request.message_user_message_folder_id();
        if (!received || !inFolder) {
            continue;
        }
        zarv::data::Message message = WithPublicUsers(store, RecipientRecord(row));
        if (MeetsMessageCriteria(request, message)) {
            *reply.add_message() = std::move(message);
        }
    }
    return reply;
}

namespace {

constexpr int Done = 1;

bool Matches(const zarv::data::MessageFolder& folder, const zarv::data::SelectMessageFolderRequest& request)
{
    return (!request.has_message_folder_id() || folder.message_folder_id() == request.message_folder_id())
           && (!request.has_message_folder_user_id()
               || folder.message_folder_user_id() == request.message_folder_user_id())
           && (!request.has_message_folder_parent_id()
               || folder.message_folder_parent_id() == request.message_folder_parent_id());
}

// A folder holds something while a folder names it as parent, a message
// lies in it for its author, or a recipient row files a message in it.
bool HoldsSomething(const Store& store, int messageFolderId)
{
    const auto& folders = store.data().message_folder();
    const auto& rows = store.data().message();
    return std::any_of(folders.begin(), folders.end(),
                       [messageFolderId](const zarv::data::MessageFolder& folder) {
                           return folder.message_folder_parent_id() == messageFolderId;
                       })
           || std::any_of(rows.begin(), rows.end(), [messageFolderId](const zarv::data::Message& row) {
                  return row.message_folder_id() == messageFolderId
                         || (row.has_message_user_user_id() && row.message_user_message_folder_id() == messageFolderId);
              });
}

}  // namespace

// The folder of message_folder_id, or the folders of message_folder_user_id
// under message_folder_parent_id; each field given narrows the list.
Answer SelectMessageFolder(ServerState& state, const Call& call)
{
    zarv::data::SelectMessageFolderRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::SelectMessageFolderReply reply;
    reply.mutable_sql_diag_rec();
    for (const zarv::data::MessageFolder& folder : state.store.data().message_folder()) {
        if (Matches(folder, request)) {
            *reply.add_message_folder() = folder;
        }
    }
    return Success(reply);
}

// Stores the folder under the next free id.
Answer InsertMessageFolder(ServerState& state, const Call& call)
{
    zarv::data::InsertMessageFolderRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    int lastId = 0;
    for (const zarv::data::MessageFolder& folder : state.store.data().message_folder()) {
        lastId = std::max(lastId, folder.message_folder_id());
    }
    zarv::data::MessageFolder* folder = state.store.data().add_message_folder();
    *folder = request.message_folder();
    folder->set_message_folder_id(lastId + 1);
    zarv::data::InsertMessageFolderReply reply;
    reply.mutable_sql_diag_rec();
    reply.set_message_folder_id(folder->message_folder_id());
    reply.set_return_code(Done);
    return Success(reply);
}

// Every field the request's folder sets replaces the stored one; an unknown
// folder changes nothing and answers return code 0.
Answer UpdateMessageFolder(ServerState& state, const Call& call)
{
    zarv::data::UpdateMessageFolderRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::UpdateMessageFolderReply reply;
    reply.mutable_sql_diag_rec();
    for (zarv::data::MessageFolder& folder : *state.store.data().mutable_message_folder()) {
        if (folder.message_folder_id() == request.message_folder().message_folder_id()) {
            folder.MergeFrom(request.message_folder());
            reply.set_return_code(Done);
            break;
        }
    }
    return Success(reply);
}

// An empty folder goes; one that holds something stays and the reply says
// so with return code 0 and a foreign key violation.
Answer DeleteMessageFolder(ServerState& state, const Call& call)
{
    zarv::data::DeleteMessageFolderRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::DeleteMessageFolderReply reply;
    reply.mutable_sql_diag_rec();
    if (HoldsSomething(state.store, request.message_folder_id())) {
        reply.mutable_sql_diag_rec()->set_sqlc(common::ForeignKeyViolation);
        reply.mutable_sql_diag_rec()->set_sqls("23503");
        return Success(reply);
    }
    auto* folders = state.store.data().mutable_message_folder();
    const auto found = std::find_if(folders->begin(), folders->end(), [&request](const zarv::data::MessageFolder& f) {
        return f.message_folder_id() == request.message_folder_id();
    });
    if (found != folders->end()) {
        folders->erase(found);
        reply.set_return_code(Done);
    }
    return Success(reply);
}

}  // namespace testserver
