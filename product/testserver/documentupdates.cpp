// The writes of documents. An update names its document by `document_id` and
// writes the fields that the request's record holds into the document's
// current record, the body included; the others are kept. The reply's
// return code is 1 when a document was written; a document that is not
// stored, or is deleted, gives return code 0 and the diagnostic of no data.

#include "product/testserver/operations.h"

#include "updatedocumentreply3.pb.h"
#include "updatedocumentrequest3.pb.h"

namespace testserver {

namespace {

// SQLSTATE 02000, no data, packed as the client reads it.
constexpr int NoDataFound = common::PackSqlState("02000");

bool IsCurrent(const zarv::data::Document& record)
{
    return !record.has_sys_period() || !record.sys_period().has_to();
}

}  // namespace

Answer UpdateDocument(ServerState& state, const Call& call)
{
    zarv::data::UpdateDocumentRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::Document fields = request.document();
    const int documentId = fields.document_id();
    // A document's id, owner and revision period are not written.
    fields.clear_document_id();
    fields.clear_document_user_id();
    fields.clear_sys_period();
    zarv::data::UpdateDocumentReply reply;
    reply.set_return_code(0);
    reply.mutable_sql_diag_rec()->set_sqlc(NoDataFound);
    if (request.document().has_document_id()) {
        for (zarv::data::Document& record : *state.store.data().mutable_document()) {
            if (record.document_id() == documentId && IsCurrent(record)) {
                record.MergeFrom(fields);
                reply.set_return_code(1);
                reply.mutable_sql_diag_rec()->set_sqlc(0);
                break;
            }
        }
    }
    return Success(reply);
}

}  // namespace testserver
