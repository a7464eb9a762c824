// The writes of keys to documents. A key is the one of its document and its
// holder; an update writes the fields that the request's key holds and keeps
// the others. The reply's return code is 1 when a key was written, 0 when
// the request names none that is stored.

#include "product/testserver/operations.h"

#include "updatedocumentkeyreply3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"

namespace testserver {

Answer UpdateDocumentKey(ServerState& state, const Call& call)
{
    zarv::data::UpdateDocumentKeyRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::DocumentKey fields = request.document_key();
    const int documentId = fields.document_key_document().document_id();
    const int userId = fields.document_key_user().user_id();
    // The key is named by its document and holder; their records, like the
    // owner's, are not written through a key.
    fields.clear_document_key_document();
    fields.clear_document_key_user();
    fields.clear_document_key_owner();
    zarv::data::UpdateDocumentKeyReply reply;
    reply.mutable_sql_diag_rec();
    reply.set_return_code(0);
    for (zarv::data::DocumentKey& key : *state.store.data().mutable_document_key()) {
        if (key.document_key_document().document_id() == documentId && key.document_key_user().user_id() == userId) {
            key.MergeFrom(fields);
            reply.set_return_code(1);
            break;
        }
    }
    return Success(reply);
}

}  // namespace testserver
