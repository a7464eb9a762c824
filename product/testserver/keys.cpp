// The listings of keys to documents and folders. Each field of the request
// that names a record narrows the list; a request that names none lists
// nothing. Every key carries its document (the current record, whole) or its
// folder, and the public records of its holder and its owner; keys to deleted
// documents are not listed.

#include "product/testserver/operations.h"
#include "product/testserver/search.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <set>

namespace testserver {
namespace {

// A narrowing field: absent narrows nothing.
template <typename Field>
bool Narrows(bool present, Field asked, Field value)
{
    return present && asked != value;
}

void FillUser(const Store& store, zarv::data::User& user)
{
    if (const zarv::data::User* account = store.findUser(user.user_id())) {
        user = PublicUser(*account);
    }
}

const zarv::data::Document* CurrentDocument(const Store& store, int documentId)
{
    for (const zarv::data::Document* document : store.currentDocuments()) {
        if (document->document_id() == documentId) {
            return document;
        }
    }
    return nullptr;
}

const zarv::data::Folder* FindFolder(const Store& store, int folderId)
{
    for (const zarv::data::Folder& folder : store.data().folder()) {
        if (folder.folder_id() == folderId) {
            return &folder;
        }
    }
    return nullptr;
}

}  // namespace

Answer SelectDocumentKey(ServerState& state, const Call& call)
{
    zarv::data::SelectDocumentKeyRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::SelectDocumentKeyReply reply;
    reply.mutable_sql_diag_rec();
    const bool namesARecord = request.has_document_key_document_id() || request.has_document_key_user_id()
                              || request.has_document_folder_id() || request.has_document_user_id();
    if (!namesARecord) {
        return Success(reply);
    }
    // A search's folder scope takes in the folders below it; its criteria
    // narrow by the key's document.
    const std::set<int> folders = FolderScope(state.store, request.document_folder_id(), request.search_subfolders());
    for (const zarv::data::DocumentKey& key : state.store.data().document_key()) {
        const zarv::data::Document* document = CurrentDocument(state.store, key.document_key_document().document_id());
        if (document == nullptr
            || Narrows(request.has_document_key_document_id(), request.document_key_document_id(),
                       document->document_id())
            || Narrows(request.has_document_key_user_id(), request.document_key_user_id(),
                       key.document_key_user().user_id())
            || (request.has_document_folder_id() && folders.count(document->document_folder_id()) == 0)
            || Narrows(request.has_document_user_id(), request.document_user_id(), document->document_user_id())
            || !MeetsDocumentCriteria(request, *document)) {
            continue;
        }
        zarv::data::DocumentKey& listed = *reply.add_document_key() = key;
        *listed.mutable_document_key_document() = *document;
        FillUser(state.store, *listed.mutable_document_key_user());
        FillUser(state.store, *listed.mutable_document_key_owner());
    }
    return Success(reply);
}

Answer SelectFolderKey(ServerState& state, const Call& call)
{
    zarv::data::SelectFolderKeyRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::SelectFolderKeyReply reply;
    reply.mutable_sql_diag_rec();
    const bool namesARecord = request.has_folder_key_folder_id() || request.has_folder_key_user_id()
                              || request.has_folder_parent_id() || request.has_folder_user_id();
    if (!namesARecord) {
        return Success(reply);
    }
    for (const zarv::data::FolderKey& key : state.store.data().folder_key()) {
        const zarv::data::Folder* folder = FindFolder(state.store, key.folder_key_folder().folder_id());
        if (folder == nullptr
            || Narrows(request.has_folder_key_folder_id(), request.folder_key_folder_id(), folder->folder_id())
            || Narrows(request.has_folder_key_user_id(), request.folder_key_user_id(), key.folder_key_user().user_id())
            || Narrows(request.has_folder_parent_id(), request.folder_parent_id(), folder->folder_parent_id())
            || Narrows(request.has_folder_user_id(), request.folder_user_id(), folder->folder_user_id())) {
            continue;
        }
        zarv::data::FolderKey& listed = *reply.add_folder_key() = key;
        *listed.mutable_folder_key_folder() = *folder;
        FillUser(state.store, *listed.mutable_folder_key_user());
        FillUser(state.store, *listed.mutable_folder_key_owner());
    }
    return Success(reply);
}

}  // namespace testserver
