// New documents, and deleted ones brought back as new documents.

#include "product/testserver/operations.h"

#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"

#include <algorithm>

namespace testserver {
namespace {

bool FolderHoldsName(const Store& store, int folderId, const std::string& name)
{
    for (const zarv::data::Document* document : store.currentDocuments()) {
        if (document->document_folder_id() == folderId && document->document_name() == name) {
            return true;
        }
    }
    return false;
}

int FreshDocumentId(const Store& store)
{
    int largest = 0;
    for (const zarv::data::Document& record : store.data().document()) {
        largest = std::max(largest, record.document_id());
    }
    return largest + 1;
}

}  // namespace

// Stores the request's document under a fresh id as the current revision,
// starting now (a restored revision's old period and id are dropped), and
// answers the id with return code 1. A name that the folder holds already is
// refused with return code 0 and the unique violation.
Answer InsertDocument(ServerState& state, const Call& call)
{
    zarv::data::InsertDocumentRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::InsertDocumentReply reply;
    reply.mutable_sql_diag_rec();
    const zarv::data::Document& asked = request.document();
    if (FolderHoldsName(state.store, asked.document_folder_id(), asked.document_name())) {
        reply.mutable_sql_diag_rec()->set_sqlc(common::UniqueViolation);
        reply.set_return_code(0);
        return Success(reply);
    }
    const int documentId = FreshDocumentId(state.store);
    zarv::data::Document& stored = *state.store.data().add_document() = asked;
    stored.set_document_id(documentId);
    stored.mutable_sys_period()->Clear();
    stored.mutable_sys_period()->set_from(DatabaseNow());
    reply.set_document_id(stored.document_id());
    reply.set_return_code(1);
    return Success(reply);
}

}  // namespace testserver
