// The web pages attached to documents. A page is found by its document id
// and the hash of its address (SHA-1 as 40 upper-case hexadecimal digits,
// as the client computes it); a fixture page written without a hash gets
// the hash of its address.

#include "product/testserver/credentials.h"
#include "product/testserver/operations.h"

#include "deletedocumentwebpagereply3.pb.h"
#include "deletedocumentwebpagerequest3.pb.h"
#include "insertdocumentwebpagerequest3.pb.h"
#include "selectdocumentwebpagereply3.pb.h"
#include "selectdocumentwebpagerequest3.pb.h"
#include "updatedocumentwebpagereply3.pb.h"
#include "updatedocumentwebpagerequest3.pb.h"

#include <openssl/evp.h>

#include <stdexcept>

namespace testserver {
namespace {

// No stored page matched the request.
constexpr int NoDataFound = common::PackSqlState("02000");

std::string UrlHash(const std::string& url)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(url.data(), url.size(), digest, &length, EVP_sha1(), nullptr) != 1) {
        throw std::runtime_error("SHA-1 failed");
    }
    return Hex(digest, length);
}

void FillHashes(Store& store)
{
    for (zarv::data::DocumentWebpage& page : *store.data().mutable_document_webpage()) {
        if (!page.has_document_webpage_url_hash()) {
            page.set_document_webpage_url_hash(UrlHash(page.document_webpage_url()));
        }
    }
}

// The index of the stored page, or -1.
int FindPage(Store& store, int documentId, const std::string& hash)
{
    FillHashes(store);
    const auto& pages = store.data().document_webpage();
    for (int index = 0; index < pages.size(); ++index) {
        if (pages[index].document_webpage_document_id() == documentId
            && pages[index].document_webpage_url_hash() == hash) {
            return index;
        }
    }
    return -1;
}

// Every write answers with a diagnostic record and a return code: 1 when it
// was made, else 0 with the reason in sqlc.
template <typename Reply>
Answer Written(int sqlc)
{
    Reply reply;
    reply.set_return_code(sqlc == 0 ? 1 : 0);
    reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    return Success(reply);
}

}  // namespace

// The pages of `document_webpage_document_id`, narrowed to one hash when the
// request gives it, in fixture order; a request without a document lists
// nothing.
Answer SelectDocumentWebpage(ServerState& state, const Call& call)
{
    zarv::data::SelectDocumentWebpageRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::SelectDocumentWebpageReply reply;
    reply.mutable_sql_diag_rec();
    if (!request.has_document_webpage_document_id()) {
        return Success(reply);
    }
    FillHashes(state.store);
    for (const zarv::data::DocumentWebpage& page : state.store.data().document_webpage()) {
        if (page.document_webpage_document_id() == request.document_webpage_document_id()
            && (!request.has_document_webpage_url_hash()
                || page.document_webpage_url_hash() == request.document_webpage_url_hash())) {
            *reply.add_document_webpage() = page;
        }
    }
    return Success(reply);
}

// Stores the page as sent. The operation has no reply message of its own;
// the answer takes the layout of the other writes. A second page of one
// document with one hash is a unique violation.
Answer InsertDocumentWebpage(ServerState& state, const Call& call)
{
    zarv::data::InsertDocumentWebpageRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::DocumentWebpage page = request.document_webpage();
    if (!page.has_document_webpage_url_hash()) {
        page.set_document_webpage_url_hash(UrlHash(page.document_webpage_url()));
    }
    if (FindPage(state.store, page.document_webpage_document_id(), page.document_webpage_url_hash()) >= 0) {
        return Written<zarv::data::UpdateDocumentWebpageReply>(common::UniqueViolation);
    }
    *state.store.data().add_document_webpage() = page;
    return Written<zarv::data::UpdateDocumentWebpageReply>(0);
}

// Writes the fields that the request's page holds, its document and hash
// excepted, into the stored page.
Answer UpdateDocumentWebpage(ServerState& state, const Call& call)
{
    zarv::data::UpdateDocumentWebpageRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::DocumentWebpage fields = request.document_webpage();
    const int index = FindPage(state.store, fields.document_webpage_document_id(), fields.document_webpage_url_hash());
    if (index < 0) {
        return Written<zarv::data::UpdateDocumentWebpageReply>(NoDataFound);
    }
    fields.clear_document_webpage_document_id();
    fields.clear_document_webpage_url_hash();
    state.store.data().mutable_document_webpage(index)->MergeFrom(fields);
    return Written<zarv::data::UpdateDocumentWebpageReply>(0);
}

Answer DeleteDocumentWebpage(ServerState& state, const Call& call)
{
    zarv::data::DeleteDocumentWebpageRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const int index =
        FindPage(state.store, request.document_webpage_document_id(), request.document_webpage_url_hash());
    if (index < 0) {
        return Written<zarv::data::DeleteDocumentWebpageReply>(NoDataFound);
    }
    auto& pages = *state.store.data().mutable_document_webpage();
    pages.erase(pages.begin() + index);
    return Written<zarv::data::DeleteDocumentWebpageReply>(0);
}

}  // namespace testserver
