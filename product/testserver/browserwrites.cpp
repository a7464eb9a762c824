// The changes that the document browser makes to the user's folders and
// documents: new folders, renamed, redescribed and moved folders, and the
// deletion of folders and documents.

#include "product/testserver/operations.h"

#include "deletedocumentreply3.pb.h"
#include "deletedocumentrequest3.pb.h"
#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "updatefolderreply3.pb.h"
#include "updatefolderrequest3.pb.h"

#include <algorithm>

namespace testserver {
namespace {

// A folder moved into itself or below itself breaks the check of the tree.
constexpr int CheckViolation = common::PackSqlState("23514");
// No stored record matched the request.
constexpr int NoDataFound = common::PackSqlState("02000");

zarv::data::Folder* FindFolder(Store& store, int folderId)
{
    for (zarv::data::Folder& folder : *store.data().mutable_folder()) {
        if (folder.folder_id() == folderId) {
            return &folder;
        }
    }
    return nullptr;
}

// Whether another folder of the parent has this name.
bool SiblingHoldsName(const Store& store, int parentId, const std::string& name, int exceptId)
{
    for (const zarv::data::Folder& folder : store.data().folder()) {
        if (folder.folder_id() != exceptId && folder.folder_parent_id() == parentId && folder.folder_name() == name) {
            return true;
        }
    }
    return false;
}

// Whether `folderId` is `ancestorId` or lies below it.
bool WithinFolder(Store& store, int folderId, int ancestorId)
{
    for (int steps = 0; steps <= store.data().folder_size(); ++steps) {
        if (folderId == ancestorId) {
            return true;
        }
        const zarv::data::Folder* folder = FindFolder(store, folderId);
        if (!folder || !folder->has_folder_parent_id()) {
            return false;
        }
        folderId = folder->folder_parent_id();
    }
    return false;
}

template <typename Reply>
Answer Refused(Reply& reply, int sqlc)
{
    reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    reply.set_return_code(0);
    return Success(reply);
}

template <typename Reply>
Answer Done(Reply& reply)
{
    reply.mutable_sql_diag_rec();
    reply.set_return_code(1);
    return Success(reply);
}

}  // namespace

// Stores the request's folder under a fresh id (return code 1 and the id); a
// name that the parent holds already is a unique violation.
Answer InsertFolder(ServerState& state, const Call& call)
{
    zarv::data::InsertFolderRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::InsertFolderReply reply;
    const zarv::data::Folder& asked = request.folder();
    if (SiblingHoldsName(state.store, asked.folder_parent_id(), asked.folder_name(), 0)) {
        return Refused(reply, common::UniqueViolation);
    }
    int largest = 0;
    for (const zarv::data::Folder& folder : state.store.data().folder()) {
        largest = std::max(largest, folder.folder_id());
    }
    zarv::data::Folder& stored = *state.store.data().add_folder() = asked;
    stored.set_folder_id(largest + 1);
    reply.set_folder_id(stored.folder_id());
    return Done(reply);
}

// Writes the fields present in the request into the stored folder. A name
// that another folder of the (new) parent has is a unique violation; a move
// into the folder itself or below it a check violation; an unknown folder
// is no data found.
Answer UpdateFolder(ServerState& state, const Call& call)
{
    zarv::data::UpdateFolderRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::UpdateFolderReply reply;
    const zarv::data::Folder& asked = request.folder();
    zarv::data::Folder* stored = FindFolder(state.store, asked.folder_id());
    if (!stored) {
        return Refused(reply, NoDataFound);
    }
    zarv::data::Folder changed = *stored;
    changed.MergeFrom(asked);
    if (asked.has_folder_parent_id() && asked.folder_parent_id() != stored->folder_parent_id()
        && WithinFolder(state.store, asked.folder_parent_id(), stored->folder_id())) {
        return Refused(reply, CheckViolation);
    }
    if (SiblingHoldsName(state.store, changed.folder_parent_id(), changed.folder_name(), changed.folder_id())) {
        return Refused(reply, common::UniqueViolation);
    }
    *stored = changed;
    return Done(reply);
}

// Deletes an empty folder; one that holds folders or documents is a foreign
// key violation.
Answer DeleteFolder(ServerState& state, const Call& call)
{
    zarv::data::DeleteFolderRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::DeleteFolderReply reply;
    auto& folders = *state.store.data().mutable_folder();
    const int folderId = request.folder_id();
    const auto found = std::find_if(folders.begin(), folders.end(), [folderId](const zarv::data::Folder& each) {
        return each.folder_id() == folderId;
    });
    if (found == folders.end()) {
        return Refused(reply, NoDataFound);
    }
    const bool holdsFolder = std::any_of(folders.begin(), folders.end(), [folderId](const zarv::data::Folder& each) {
        return each.has_folder_parent_id() && each.folder_parent_id() == folderId;
    });
    const auto documents = state.store.currentDocuments();
    const bool holdsDocument =
        std::any_of(documents.begin(), documents.end(),
                    [folderId](const zarv::data::Document* each) { return each->document_folder_id() == folderId; });
    if (holdsFolder || holdsDocument) {
        return Refused(reply, common::ForeignKeyViolation);
    }
    folders.erase(found);
    return Done(reply);
}

// Ends the current revision of the document now, so that it is kept as a
// deleted document whose last revision ends at the deletion.
Answer DeleteDocument(ServerState& state, const Call& call)
{
    zarv::data::DeleteDocumentRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::DeleteDocumentReply reply;
    for (zarv::data::Document& record : *state.store.data().mutable_document()) {
        if (record.document_id() == request.document_id()
            && (!record.has_sys_period() || !record.sys_period().has_to())) {
            record.mutable_sys_period()->set_to(DatabaseNow());
            return Done(reply);
        }
    }
    return Refused(reply, NoDataFound);
}

}  // namespace testserver
