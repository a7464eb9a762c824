// The writes of documents. An update names its document by `document_id` and
// writes the fields that the request's record holds into the document's
// current record, the body included; the others are kept. An update that
// brings a body keeps the record it replaces as an earlier revision, whose
// period runs from the old modification time to now; the current record
// then starts now. The reply's return code is 1 when a document was
// written; a document that is not stored, or is deleted, gives return code 0
// and the diagnostic of no data.

#include "product/testserver/operations.h"

#include "updatedocumentreply3.pb.h"
#include "updatedocumentrequest3.pb.h"

#include <string>

namespace testserver {

namespace {

// SQLSTATE 02000, no data, packed as the client reads it.
constexpr int NoDataFound = common::PackSqlState("02000");

bool IsCurrent(const zarv::data::Document& record)
{
    return !record.has_sys_period() || !record.sys_period().has_to();
}

// When the current record began: its last modification, else the start of
// its period, else its creation.
std::string ModifiedAt(const zarv::data::Document& record)
{
    if (!record.document_modification_date().empty()) {
        return record.document_modification_date();
    }
    if (record.sys_period().has_from()) {
        return record.sys_period().from();
    }
    return record.document_creation_date();
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
    if (!request.document().has_document_id()) {
        return Success(reply);
    }
    auto& records = *state.store.data().mutable_document();
    for (int index = 0; index < records.size(); ++index) {
        zarv::data::Document& record = records[index];
        if (record.document_id() != documentId || !IsCurrent(record)) {
            continue;
        }
        if (fields.has_document_body()) {
            const std::string now = DatabaseNow();
            zarv::data::Document replaced = record;
            replaced.mutable_sys_period()->set_from(ModifiedAt(record));
            replaced.mutable_sys_period()->set_to(now);
            record.MergeFrom(fields);
            record.mutable_sys_period()->set_from(now);
            record.set_document_modification_date(now);
            // The earlier revision follows the current record, newest first.
            *records.Add() = replaced;
            for (int at = records.size() - 1; at > index + 1; --at) {
                records.SwapElements(at, at - 1);
            }
        } else {
            record.MergeFrom(fields);
        }
        reply.set_return_code(1);
        reply.mutable_sql_diag_rec()->set_sqlc(0);
        break;
    }
    return Success(reply);
}

}  // namespace testserver
