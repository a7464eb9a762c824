// The listings of folders, documents, group keys and users that the browsers
// and pickers read. Every list is in fixture order.

#include "product/testserver/operations.h"
#include "product/testserver/search.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectgroupkeyreply3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"

#include <set>

namespace testserver {
namespace {

template <typename Ids>
std::set<int> IdSet(const Ids& ids)
{
    return std::set<int>(ids.begin(), ids.end());
}

bool HoldsGroupKey(const Store& store, int userId, int groupId)
{
    for (const zarv::data::GroupKey& key : store.data().group_key()) {
        if (key.group_key_user().user_id() == userId && key.group_key_group().group_id() == groupId) {
            return true;
        }
    }
    return false;
}

}  // namespace

Answer SelectDocument(ServerState& state, const Call& call)
{
    if (call.minorOpcode == common::RevisionHistory || call.minorOpcode == common::ShowRevision) {
        return SelectDocumentRevisionHistory(state, call);
    }
    zarv::data::SelectDocumentRequest request;
    if (ParsePayload(call, request) && request.select_deleted_documents()) {
        return SelectDeletedDocuments(state, call);
    }
    return SelectCurrentDocuments(state, call);
}

// By document_id: that document whole. By document_folder_id: the documents
// of that folder (and, with search_subfolders, of the folders below it) that
// meet the search criteria, less exclude_document_id. Neither: nothing.
Answer SelectCurrentDocuments(ServerState& state, const Call& call)
{
    zarv::data::SelectDocumentRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const std::set<int> excluded = IdSet(request.exclude_document_id());
    const std::set<int> folders = FolderScope(state.store, request.document_folder_id(), request.search_subfolders());
    zarv::data::SelectDocumentReply reply;
    reply.mutable_sql_diag_rec();
    for (const zarv::data::Document* document : state.store.currentDocuments()) {
        const bool asked = (request.has_document_id() && document->document_id() == request.document_id())
                           || (request.has_document_folder_id() && folders.count(document->document_folder_id()) != 0
                               && MeetsDocumentCriteria(request, *document));
        if (asked && excluded.count(document->document_id()) == 0) {
            *reply.add_document() = *document;
        }
    }
    return Success(reply);
}

// By folder_id: that folder. By folder_parent_id: its subfolders. Either one
// narrowed to folder_user_id when given, less exclude_folder_id.
Answer SelectFolder(ServerState& state, const Call& call)
{
    zarv::data::SelectFolderRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const std::set<int> excluded = IdSet(request.exclude_folder_id());
    zarv::data::SelectFolderReply reply;
    reply.mutable_sql_diag_rec();
    for (const zarv::data::Folder& folder : state.store.data().folder()) {
        const bool asked = (request.has_folder_id() && folder.folder_id() == request.folder_id())
                           || (request.has_folder_parent_id() && folder.has_folder_parent_id()
                               && folder.folder_parent_id() == request.folder_parent_id());
        const bool owned = !request.has_folder_user_id() || folder.folder_user_id() == request.folder_user_id();
        if (asked && owned && excluded.count(folder.folder_id()) == 0) {
            *reply.add_folder() = folder;
        }
    }
    return Success(reply);
}

// The keys to groups, narrowed to a group and to a holder when given, less
// the excluded holders; each with its group's record and its holder's public
// record.
Answer SelectGroupKey(ServerState& state, const Call& call)
{
    zarv::data::SelectGroupKeyRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    std::set<int> excluded = IdSet(request.exclude_user_id());
    if (request.exclude_session_user_id()) {
        excluded.insert(call.session->userId);
    }
    zarv::data::SelectGroupKeyReply reply;
    reply.mutable_sql_diag_rec();
    for (const zarv::data::GroupKey& key : state.store.data().group_key()) {
        const int groupId = key.group_key_group().group_id();
        const int userId = key.group_key_user().user_id();
        if ((request.has_group_key_group_id() && groupId != request.group_key_group_id())
            || (request.has_group_key_user_id() && userId != request.group_key_user_id())
            || excluded.count(userId) != 0) {
            continue;
        }
        zarv::data::GroupKey& listed = *reply.add_group_key() = key;
        for (const zarv::data::Group& group : state.store.data().group()) {
            if (group.group_id() == groupId) {
                *listed.mutable_group_key_group() = group;
            }
        }
        if (const zarv::data::User* user = state.store.findUser(userId)) {
            *listed.mutable_group_key_user() = PublicUser(*user);
        }
    }
    return Success(reply);
}

// By user_id: that user. By user_group_id: the holders of a key to that
// group. Neither: every account. Always less exclude_user_id and, unless
// do_not_exclude_session_user_id, the session user.
Answer SelectUser(ServerState& state, const Call& call)
{
    zarv::data::SelectUserRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    std::set<int> excluded = IdSet(request.exclude_user_id());
    if (!request.do_not_exclude_session_user_id()) {
        excluded.insert(call.session->userId);
    }
    zarv::data::SelectUserReply reply;
    reply.mutable_sql_diag_rec();
    for (const quenlark::testserver::Account& account : state.store.data().account()) {
        const int userId = account.record().user_id();
        const bool asked =
            (!request.has_user_id() && !request.has_user_group_id())
            || (request.has_user_id() && userId == request.user_id())
            || (request.has_user_group_id() && HoldsGroupKey(state.store, userId, request.user_group_id()));
        if (asked && excluded.count(userId) == 0) {
            *reply.add_user() = PublicUser(account.record());
        }
    }
    return Success(reply);
}

}  // namespace testserver
