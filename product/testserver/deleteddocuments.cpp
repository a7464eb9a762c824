// The documents that users deleted. The fixture keeps them as their
// revisions, one zarv.data.Document record each, every one with an ended
// sys_period; the `to` of the last revision is the moment of the deletion.

#include "product/testserver/operations.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <map>
#include <string>

namespace testserver {
namespace {

// The deletion of every deleted document: the latest end of its revisions.
// A document with a revision that has not ended is not deleted. Database
// stamps order as their texts do.
std::map<int, std::string> Deletions(const Store& store)
{
    std::map<int, std::string> deletions;
    std::map<int, bool> current;
    for (const zarv::data::Document& record : store.data().document()) {
        const int id = record.document_id();
        if (!record.has_sys_period() || !record.sys_period().has_to()) {
            current[id] = true;
            continue;
        }
        std::string& deletion = deletions[id];
        if (deletion < record.sys_period().to()) {
            deletion = record.sys_period().to();
        }
    }
    for (const auto& [id, isCurrent] : current) {
        if (isCurrent) {
            deletions.erase(id);
        }
    }
    return deletions;
}

}  // namespace

// With a document_id: every revision of that deleted document. Without one:
// every revision of every document deleted within the sys_period asked (both
// ends included, an absent end open). In fixture order.
Answer SelectDeletedDocuments(ServerState& state, const Call& call)
{
    zarv::data::SelectDocumentRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const std::map<int, std::string> deletions = Deletions(state.store);
    const zarv::data::SysPeriod& period = request.sys_period();
    zarv::data::SelectDocumentReply reply;
    reply.mutable_sql_diag_rec();
    for (const zarv::data::Document& record : state.store.data().document()) {
        const auto deletion = deletions.find(record.document_id());
        if (deletion == deletions.end()) {
            continue;
        }
        const bool asked = request.has_document_id() ? record.document_id() == request.document_id()
                                                     : (!period.has_from() || period.from() <= deletion->second)
                                                           && (!period.has_to() || deletion->second <= period.to());
        if (asked) {
            *reply.add_document() = record;
        }
    }
    return Success(reply);
}

}  // namespace testserver
