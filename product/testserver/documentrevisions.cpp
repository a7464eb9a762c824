// The revision history of a document. The fixture keeps every revision of a
// document as one zarv.data.Document record with that document's id, its
// sys_period telling when the revision began and, for an earlier one, when
// it ended; a record without sys_period is no revision.

#include "product/testserver/operations.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

namespace testserver {
namespace {

// Database stamps ("YYYY-MM-DD hh:mm:ss...") order as their texts do. An open
// end of a stored period (no `to`) is the current revision's.
bool Overlaps(const zarv::data::SysPeriod& stored, const zarv::data::SysPeriod& asked)
{
    if (!stored.has_from()) {
        return false;
    }
    const bool endsAfterStart = !stored.has_to() || !asked.has_from() || asked.from() <= stored.to();
    const bool startsBeforeEnd = !asked.has_to() || stored.from() <= asked.to();
    return endsAfterStart && startsBeforeEnd;
}

// A period that starts and ends at one instant asks for the revision that
// starts then; any other for every revision that overlaps it.
bool Matches(const zarv::data::SysPeriod& stored, const zarv::data::SysPeriod& asked)
{
    if (asked.has_from() && asked.has_to() && asked.from() == asked.to()) {
        return stored.has_from() && stored.from() == asked.from();
    }
    return Overlaps(stored, asked);
}

}  // namespace

// RevisionHistory and ShowRevision: every revision of the document that the
// period asked for takes in, in the fixture's order, each with its name,
// body and period.
Answer SelectDocumentRevisionHistory(ServerState& state, const Call& call)
{
    zarv::data::SelectDocumentRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::SelectDocumentReply reply;
    reply.mutable_sql_diag_rec();
    if (!request.has_document_id()) {
        return Success(reply);
    }
    for (const zarv::data::Document& record : state.store.data().document()) {
        if (record.document_id() != request.document_id() || !record.has_sys_period()
            || !Matches(record.sys_period(), request.sys_period())) {
            continue;
        }
        zarv::data::Document& revision = *reply.add_document();
        revision.set_document_id(record.document_id());
        revision.set_document_name(record.document_name());
        revision.set_document_body(record.document_body());
        *revision.mutable_sys_period() = record.sys_period();
    }
    return Success(reply);
}

}  // namespace testserver
