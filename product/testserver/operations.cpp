#include "product/testserver/operations.h"

#include "user3.pb.h"

#include <google/protobuf/message.h>

namespace testserver {
namespace {

// clang-format off
const Operation Operations[] = {
    {common::AuthenticateUser, false, AuthenticateUser},
    {common::TerminateUserSession, true, TerminateUserSession},
    {common::InsertDictionary, true, InsertDictionary},
    {common::SelectDictionary, true, SelectDictionary},
    {common::SelectDocument, true, SelectDocument},
    {common::SelectDocumentKey, true, SelectDocumentKey},
    {common::SelectFolder, true, SelectFolder},
    {common::SelectFolderKey, true, SelectFolderKey},
    {common::SelectGroupKey, true, SelectGroupKey},
    {common::SelectMessage, true, SelectMessage},
    {common::SelectMessageUser, true, SelectMessageUser},
    {common::SelectMessageDocument, true, SelectMessageDocument},
    {common::SelectUser, true, SelectUser},
    {common::SelectUserGroup, true, SelectUserGroup},
    {common::SelectUserGroupUser, true, SelectUserGroupUser},
    {common::InsertUserGroup, true, InsertUserGroup},
    {common::InsertUserGroupUser, true, InsertUserGroupUser},
    {common::UpdateUserGroup, true, UpdateUserGroup},
    {common::DeleteUserGroup, true, DeleteUserGroup},
    {common::DeleteUserGroupUser, true, DeleteUserGroupUser},
    {common::UpdateUser, true, UpdateUser},
    {common::InsertDocument, true, InsertDocument},
    {common::InsertFolder, true, InsertFolder},
    {common::UpdateFolder, true, UpdateFolder},
    {common::DeleteFolder, true, DeleteFolder},
    {common::DeleteDocument, true, DeleteDocument},
    {common::UpdateDocumentKey, true, UpdateDocumentKey},
    {common::InsertDocumentKey, true, InsertDocumentKey},
    {common::DeleteDocumentKey, true, DeleteDocumentKey},
    {common::InsertFolderKey, true, InsertFolderKey},
    {common::UpdateFolderKey, true, UpdateFolderKey},
    {common::DeleteFolderKey, true, DeleteFolderKey},
    {common::SelectMessageFolder, true, SelectMessageFolder},
    {common::InsertMessageFolder, true, InsertMessageFolder},
    {common::UpdateMessageFolder, true, UpdateMessageFolder},
    {common::DeleteMessageFolder, true, DeleteMessageFolder},
    {common::InsertMessage, true, InsertMessage},
    {common::UpdateMessage, true, UpdateMessage},
    {common::UpdateMessageUser, true, UpdateMessageUser},
    {common::DeleteMessage, true, DeleteMessage},
    {common::DeleteMessageUser, true, DeleteMessageUser},
    {common::InsertMessageUser, true, InsertMessageUser},
    {common::InsertMessageDocument, true, InsertMessageDocument},
    {common::DeleteMessageDocument, true, DeleteMessageDocument},
    {common::UpdateDocument, true, UpdateDocument},
    {common::SelectDocumentWebpage, true, SelectDocumentWebpage},
    {common::InsertDocumentWebpage, true, InsertDocumentWebpage},
    {common::UpdateDocumentWebpage, true, UpdateDocumentWebpage},
    {common::DeleteDocumentWebpage, true, DeleteDocumentWebpage},
};
// clang-format on

}  // namespace

const Operation* FindOperation(common::Opcode majorOpcode)
{
    for (const Operation& operation : Operations) {
        if (operation.opcode == majorOpcode) {
            return &operation;
        }
    }
    return nullptr;
}

Answer Failure(common::Ercode majorErcode)
{
    Answer answer;
    answer.majorErcode = majorErcode;
    return answer;
}

Answer Success(const google::protobuf::Message& reply)
{
    Answer answer;
    if (!reply.SerializeToString(&answer.payload)) {
        return Failure(common::ProtoSerializeToStringEr);
    }
    return answer;
}

bool ParsePayload(const Call& call, google::protobuf::Message& request)
{
    return request.ParseFromString(call.payload);
}

zarv::data::User PublicUser(const zarv::data::User& user)
{
    zarv::data::User visible = user;
    visible.clear_user_name();
    visible.clear_user_security_descriptor();
    visible.clear_user_security_descriptor_password_length();
    return visible;
}

}  // namespace testserver
