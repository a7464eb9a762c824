// The documents attached to a message: the attachment rows of the message
// named by message_document_message_id, in fixture order, each carrying the
// current record of its document (none for a deleted document). A request
// that names no message lists nothing.

#include "product/testserver/operations.h"

#include "selectmessagedocumentreply3.pb.h"
#include "selectmessagedocumentrequest3.pb.h"

namespace testserver {

Answer SelectMessageDocument(ServerState& state, const Call& call)
{
    zarv::data::SelectMessageDocumentRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::SelectMessageDocumentReply reply;
    reply.mutable_sql_diag_rec();
    if (!request.has_message_document_message_id()) {
        return Success(reply);
    }
    const std::vector<const zarv::data::Document*> documents = state.store.currentDocuments();
    for (const zarv::data::MessageDocument& row : state.store.data().message_document()) {
        if (row.message_document_message_id() != request.message_document_message_id()) {
            continue;
        }
        zarv::data::MessageDocument* attachment = reply.add_message_document();
        *attachment = row;
        for (const zarv::data::Document* document : documents) {
            if (document->document_id() == row.message_document_document_id()) {
                *attachment->mutable_message_document_document() = *document;
                break;
            }
        }
    }
    return Success(reply);
}

}  // namespace testserver
