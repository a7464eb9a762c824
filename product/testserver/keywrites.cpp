// The writes of keys to documents and folders. A key is the one of its object
// (document or folder) and its holder's user id; a holder has at most one key
// to an object. An update writes the fields that the request's key holds and
// keeps the others. A reply's return code is 1 when a key was written; a
// second key for one holder and object is refused with UniqueViolation, and
// an update or delete of a key that is not stored with NoDataFound.

#include "product/testserver/operations.h"

#include "deletedocumentkeyreply3.pb.h"
#include "deletedocumentkeyrequest3.pb.h"
#include "deletefolderkeyrequest3.pb.h"
#include "insertdocumentkeyreply3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "insertfolderkeyreply3.pb.h"
#include "insertfolderkeyrequest3.pb.h"
#include "updatedocumentkeyreply3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"
#include "updatefolderkeyreply3.pb.h"
#include "updatefolderkeyrequest3.pb.h"

#include <algorithm>

namespace testserver {
namespace {

constexpr int NoDataFound = common::PackSqlState("02000");

// Where each kind of key keeps its object and holder.
struct DocumentKeys
{
    using Key = zarv::data::DocumentKey;

    static int objectId(const Key& key) { return key.document_key_document().document_id(); }
    static int holderId(const Key& key) { return key.document_key_user().user_id(); }
    static google::protobuf::RepeatedPtrField<Key>& stored(ServerState& state)
    {
        return *state.store.data().mutable_document_key();
    }
    // The object, the holder and the owner are named, not written, through
    // a key.
    static void clearRecords(Key& key)
    {
        key.clear_document_key_document();
        key.clear_document_key_user();
        key.clear_document_key_owner();
    }
};

struct FolderKeys
{
    using Key = zarv::data::FolderKey;

    static int objectId(const Key& key) { return key.folder_key_folder().folder_id(); }
    static int holderId(const Key& key) { return key.folder_key_user().user_id(); }
    static google::protobuf::RepeatedPtrField<Key>& stored(ServerState& state)
    {
        return *state.store.data().mutable_folder_key();
    }
    static void clearRecords(Key& key)
    {
        key.clear_folder_key_folder();
        key.clear_folder_key_user();
        key.clear_folder_key_owner();
    }
};

template <class Keys>
typename Keys::Key* Find(ServerState& state, int objectId, int holderId)
{
    for (typename Keys::Key& key : Keys::stored(state)) {
        if (Keys::objectId(key) == objectId && Keys::holderId(key) == holderId) {
            return &key;
        }
    }
    return nullptr;
}

template <class Reply>
Answer Written(bool written, int refusal)
{
    Reply reply;
    reply.set_return_code(written ? 1 : 0);
    reply.mutable_sql_diag_rec()->set_sqlc(written ? 0 : refusal);
    return Success(reply);
}

template <class Keys, class Reply>
Answer Insert(ServerState& state, const typename Keys::Key& key)
{
    if (Find<Keys>(state, Keys::objectId(key), Keys::holderId(key))) {
        return Written<Reply>(false, common::UniqueViolation);
    }
    *Keys::stored(state).Add() = key;
    return Written<Reply>(true, 0);
}

template <class Keys, class Reply>
Answer Update(ServerState& state, const typename Keys::Key& change)
{
    typename Keys::Key* key = Find<Keys>(state, Keys::objectId(change), Keys::holderId(change));
    if (key) {
        typename Keys::Key fields = change;
        Keys::clearRecords(fields);
        key->MergeFrom(fields);
    }
    return Written<Reply>(key != nullptr, NoDataFound);
}

template <class Keys, class Reply>
Answer Delete(ServerState& state, int objectId, int holderId)
{
    auto& stored = Keys::stored(state);
    const auto found = std::find_if(stored.begin(), stored.end(), [&](const typename Keys::Key& key) {
        return Keys::objectId(key) == objectId && Keys::holderId(key) == holderId;
    });
    const bool deleted = found != stored.end();
    if (deleted) {
        stored.erase(found);
    }
    return Written<Reply>(deleted, NoDataFound);
}

}  // namespace

Answer InsertDocumentKey(ServerState& state, const Call& call)
{
    zarv::data::InsertDocumentKeyRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    return Insert<DocumentKeys, zarv::data::InsertDocumentKeyReply>(state, request.document_key());
}

Answer UpdateDocumentKey(ServerState& state, const Call& call)
{
    zarv::data::UpdateDocumentKeyRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    return Update<DocumentKeys, zarv::data::UpdateDocumentKeyReply>(state, request.document_key());
}

Answer DeleteDocumentKey(ServerState& state, const Call& call)
{
    zarv::data::DeleteDocumentKeyRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    return Delete<DocumentKeys, zarv::data::DeleteDocumentKeyReply>(state, request.document_key_document_id(),
                                                                    request.document_key_user_id());
}

Answer InsertFolderKey(ServerState& state, const Call& call)
{
    zarv::data::InsertFolderKeyRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    return Insert<FolderKeys, zarv::data::InsertFolderKeyReply>(state, request.folder_key());
}

Answer UpdateFolderKey(ServerState& state, const Call& call)
{
    zarv::data::UpdateFolderKeyRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    return Update<FolderKeys, zarv::data::UpdateFolderKeyReply>(state, request.folder_key());
}

// The reply to a folder key's delete has the shape of a document key's.
Answer DeleteFolderKey(ServerState& state, const Call& call)
{
    zarv::data::DeleteFolderKeyRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    return Delete<FolderKeys, zarv::data::DeleteDocumentKeyReply>(state, request.folder_key_folder_id(),
                                                                  request.folder_key_user_id());
}

}  // namespace testserver
