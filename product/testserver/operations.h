#pragma once

// The server's operations: one handler per major opcode, found through one
// table (operations.cpp). Adding an operation is one handler and one row.

#include "product/testserver/serverstate.h"

#include "library/common/codes.h"

#include <optional>
#include <string>

namespace google::protobuf {
class Message;
}
namespace zarv::data {
class User;
}

namespace testserver {

// One request, after its session was found and its payload decrypted.
struct Call
{
    common::Opcode majorOpcode;
    common::Opcode minorOpcode;
    // The caller's session; null for an operation that needs none.
    const Session* session;
    std::string payload;
};

struct Answer
{
    common::Ercode majorErcode = common::NoEr;
    common::Ercode minorErcode = common::NoEr;
    std::string payload;
    // The reply header's session id when it is not the request's.
    std::optional<int> sessionId;
};

using Handler = Answer (*)(ServerState& state, const Call& call);

struct Operation
{
    common::Opcode opcode;
    // False only for the log-on: its request and reply travel under the
    // all-zero key, whatever session id the request carries.
    bool needsSession;
    Handler handler;
};

// The operation of a major opcode, or null.
const Operation* FindOperation(common::Opcode majorOpcode);

// Helpers for handlers.
Answer Failure(common::Ercode majorErcode);
Answer Success(const google::protobuf::Message& reply);
// Parses the call's payload; false when it is not a message of that kind.
bool ParsePayload(const Call& call, google::protobuf::Message& request);
// What another user may see of an account: everything but the hashed log-on
// name and the security descriptor.
zarv::data::User PublicUser(const zarv::data::User& user);

// The handlers, by operation.
Answer AuthenticateUser(ServerState& state, const Call& call);
Answer TerminateUserSession(ServerState& state, const Call& call);
Answer SelectDictionary(ServerState& state, const Call& call);
Answer InsertDictionary(ServerState& state, const Call& call);
// SelectDocument answers the minor opcodes RevisionHistory and ShowRevision
// with a document's revisions (documentrevisions.cpp) and every other minor with the current
// records of documents (listings.cpp).
Answer SelectDocument(ServerState& state, const Call& call);
Answer SelectDocumentRevisionHistory(ServerState& state, const Call& call);
Answer SelectCurrentDocuments(ServerState& state, const Call& call);
// With select_deleted_documents: the revisions of deleted documents
// (deleteddocuments.cpp).
Answer SelectDeletedDocuments(ServerState& state, const Call& call);
Answer SelectDocumentKey(ServerState& state, const Call& call);
Answer SelectFolder(ServerState& state, const Call& call);
Answer SelectFolderKey(ServerState& state, const Call& call);
Answer SelectGroupKey(ServerState& state, const Call& call);
Answer SelectMessage(ServerState& state, const Call& call);
Answer SelectMessageUser(ServerState& state, const Call& call);
// The attachment rows of a message with their documents (messagedocuments.cpp).
Answer SelectMessageDocument(ServerState& state, const Call& call);
Answer SelectUser(ServerState& state, const Call& call);
Answer UpdateUser(ServerState& state, const Call& call);
Answer InsertDocument(ServerState& state, const Call& call);
// The document browser's changes to folders and documents (browserwrites.cpp).
Answer InsertFolder(ServerState& state, const Call& call);
Answer UpdateFolder(ServerState& state, const Call& call);
Answer DeleteFolder(ServerState& state, const Call& call);
Answer DeleteDocument(ServerState& state, const Call& call);
// The personal user groups and their members (usergroups.cpp).
Answer SelectUserGroup(ServerState& state, const Call& call);
Answer SelectUserGroupUser(ServerState& state, const Call& call);
Answer InsertUserGroup(ServerState& state, const Call& call);
Answer InsertUserGroupUser(ServerState& state, const Call& call);
Answer UpdateUserGroup(ServerState& state, const Call& call);
Answer DeleteUserGroup(ServerState& state, const Call& call);
Answer DeleteUserGroupUser(ServerState& state, const Call& call);
Answer UpdateDocumentKey(ServerState& state, const Call& call);
// Inserts, updates and deletes of document and folder keys (keywrites.cpp).
Answer InsertDocumentKey(ServerState& state, const Call& call);
Answer DeleteDocumentKey(ServerState& state, const Call& call);
Answer InsertFolderKey(ServerState& state, const Call& call);
Answer UpdateFolderKey(ServerState& state, const Call& call);
Answer DeleteFolderKey(ServerState& state, const Call& call);
// Message folders (messagefolders.cpp) and the changes to messages
// (messagewrites.cpp).
Answer SelectMessageFolder(ServerState& state, const Call& call);
Answer InsertMessageFolder(ServerState& state, const Call& call);
Answer UpdateMessageFolder(ServerState& state, const Call& call);
Answer DeleteMessageFolder(ServerState& state, const Call& call);
Answer InsertMessage(ServerState& state, const Call& call);
Answer UpdateMessage(ServerState& state, const Call& call);
Answer UpdateMessageUser(ServerState& state, const Call& call);
Answer DeleteMessage(ServerState& state, const Call& call);
Answer DeleteMessageUser(ServerState& state, const Call& call);
// The message editor's addressee rows and attachments
// (messageeditorwrites.cpp).
Answer InsertMessageUser(ServerState& state, const Call& call);
Answer InsertMessageDocument(ServerState& state, const Call& call);
Answer DeleteMessageDocument(ServerState& state, const Call& call);
// 0 when the call's user wrote the message, else the packed SQLSTATE that
// refuses a change to it (02000 for an unknown message, 42501 for another
// author's).
int MessageAuthorCheck(const ServerState& state, const Call& call, int messageId);
Answer UpdateDocument(ServerState& state, const Call& call);
// The web pages attached to documents (webpages.cpp).
Answer SelectDocumentWebpage(ServerState& state, const Call& call);
Answer InsertDocumentWebpage(ServerState& state, const Call& call);
Answer UpdateDocumentWebpage(ServerState& state, const Call& call);
Answer DeleteDocumentWebpage(ServerState& state, const Call& call);

}  // namespace testserver
