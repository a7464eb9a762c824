// The web pages of documents and the showing of one revision, called
// straight on a small fixture.

#include "product/testserver/operations.h"

#include "library/security/hash.h"

#include "deletedocumentwebpagereply3.pb.h"
#include "deletedocumentwebpagerequest3.pb.h"
#include "insertdocumentwebpagerequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectdocumentwebpagereply3.pb.h"
#include "selectdocumentwebpagerequest3.pb.h"
#include "updatedocumentwebpagereply3.pb.h"
#include "updatedocumentwebpagerequest3.pb.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using testserver::Answer;
using testserver::Call;
using testserver::ServerState;

const char* const Fixture = R"(
account { name: "ann" password: "a" record { user_id: 1 } }
document { document_id: 300 document_name: "Plan" document_body: "<p>b</p>"
           sys_period { from: "2024-02-01 00:00:00" } }
document { document_id: 300 document_name: "Plan" document_body: "<p>a</p>"
           sys_period { from: "2024-01-01 00:00:00" to: "2024-02-01 00:00:00" } }
document_webpage { document_webpage_document_id: 300 document_webpage_url: "https://a.example/"
                   document_webpage_description: "A" }
document_webpage { document_webpage_document_id: 301 document_webpage_url: "https://a.example/" }
)";

const std::string A = "https://a.example/";
const std::string B = "https://b.example/";

ServerState Load()
{
    std::string error;
    std::optional<testserver::Store> store = testserver::Store::Parse(Fixture, error);
    std::optional<testserver::LogonKeys> keys = testserver::LogonKeys::Load(QUENLARK_TEST_SERVER_KEYS_DIR, error);
    if (!store || !keys) {
        throw std::runtime_error(error);
    }
    return ServerState(std::move(*store), std::move(*keys));
}

template <typename Reply>
Reply Handle(Answer (*handler)(ServerState&, const Call&),
             ServerState& state,
             int major,
             int minor,
             const google::protobuf::Message& request)
{
    const testserver::Session session{7, 1, {}};
    const Answer answer = handler(state, Call{major, minor, &session, request.SerializeAsString()});
    EXPECT_EQ(0, answer.majorErcode);
    Reply reply;
    EXPECT_TRUE(reply.ParseFromString(answer.payload));
    return reply;
}

// "url=description" of the pages of document 300.
std::vector<std::string> Pages(ServerState& state)
{
    zarv::data::SelectDocumentWebpageRequest request;
    request.set_document_webpage_document_id(300);
    std::vector<std::string> pages;
    const auto reply =
        Handle<zarv::data::SelectDocumentWebpageReply>(testserver::SelectDocumentWebpage, state, 38, 1, request);
    for (const zarv::data::DocumentWebpage& page : reply.document_webpage()) {
        EXPECT_EQ(HashUrl(page.document_webpage_url()), page.document_webpage_url_hash());
        pages.push_back(page.document_webpage_url() + "=" + page.document_webpage_description());
    }
    return pages;
}

TEST(TestServerWebpages, PagesAreFoundByDocumentAndHashAndEachChangeSaysWhetherItWasMade)
{
    struct Step
    {
        const char* name;
        int major;
        std::string url;
        std::string description;
        int returnCode;
        int sqlc;
        std::vector<std::string> pagesAfter;
    };
    const int noData = common::PackSqlState("02000");
    const std::vector<Step> steps = {
        {"InsertNew", 23, B, "Bee", 1, 0, {A + "=A", B + "=Bee"}},
        {"InsertHeld", 23, A, "Again", 0, common::UniqueViolation, {A + "=A", B + "=Bee"}},
        {"UpdateHeld", 54, B, "Bee 2", 1, 0, {A + "=A", B + "=Bee 2"}},
        {"UpdateNotHeld", 54, "https://c.example/", "C", 0, noData, {A + "=A", B + "=Bee 2"}},
        {"DeleteHeld", 8, A, "", 1, 0, {B + "=Bee 2"}},
        {"DeleteNotHeld", 8, A, "", 0, noData, {B + "=Bee 2"}},
    };
    ServerState state = Load();
    EXPECT_EQ(Pages(state), (std::vector<std::string>{A + "=A"}));
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        zarv::data::DocumentWebpage page;
        page.set_document_webpage_document_id(300);
        page.set_document_webpage_url_hash(HashUrl(step.url));
        page.set_document_webpage_description(step.description);
        int returnCode = -1;
        int sqlc = -1;
        if (step.major == 23) {
            zarv::data::InsertDocumentWebpageRequest request;
            *request.mutable_document_webpage() = page;
            request.mutable_document_webpage()->set_document_webpage_url(step.url);
            const auto reply = Handle<zarv::data::UpdateDocumentWebpageReply>(testserver::InsertDocumentWebpage, state,
                                                                              23, 1, request);
            returnCode = reply.return_code();
            sqlc = reply.sql_diag_rec().sqlc();
        } else if (step.major == 54) {
            zarv::data::UpdateDocumentWebpageRequest request;
            *request.mutable_document_webpage() = page;
            const auto reply = Handle<zarv::data::UpdateDocumentWebpageReply>(testserver::UpdateDocumentWebpage, state,
                                                                              54, 1, request);
            returnCode = reply.return_code();
            sqlc = reply.sql_diag_rec().sqlc();
        } else {
            zarv::data::DeleteDocumentWebpageRequest request;
            request.set_document_webpage_document_id(300);
            request.set_document_webpage_user_id(1);
            request.set_document_webpage_url_hash(HashUrl(step.url));
            const auto reply =
                Handle<zarv::data::DeleteDocumentWebpageReply>(testserver::DeleteDocumentWebpage, state, 8, 1, request);
            returnCode = reply.return_code();
            sqlc = reply.sql_diag_rec().sqlc();
        }
        EXPECT_EQ(step.returnCode, returnCode);
        EXPECT_EQ(step.sqlc, sqlc);
        EXPECT_EQ(step.pagesAfter, Pages(state));
    }
    // Another document's page of the same address was never touched.
    EXPECT_EQ(2, state.store.data().document_webpage_size());
}

TEST(TestServerShowRevision, APeriodOfOneInstantAnswersTheRevisionThatStartsThen)
{
    ServerState state = Load();
    const auto show = [&state](const char* at, int minor) {
        zarv::data::SelectDocumentRequest request;
        request.set_document_id(300);
        request.mutable_sys_period()->set_from(at);
        request.mutable_sys_period()->set_to(at);
        std::vector<std::string> bodies;
        const auto reply =
            Handle<zarv::data::SelectDocumentReply>(testserver::SelectDocument, state, 37, minor, request);
        for (const zarv::data::Document& document : reply.document()) {
            bodies.push_back(document.document_body());
        }
        return bodies;
    };
    // Where one revision ends the next starts: only that one comes.
    EXPECT_EQ(show("2024-02-01 00:00:00", common::ShowRevision), std::vector<std::string>{"<p>b</p>"});
    EXPECT_EQ(show("2024-01-01 00:00:00", common::ShowRevision), std::vector<std::string>{"<p>a</p>"});
    EXPECT_EQ(show("2024-01-15 00:00:00", common::ShowRevision), std::vector<std::string>());
    EXPECT_EQ(show("2024-01-01 00:00:00", common::RevisionHistory), std::vector<std::string>{"<p>a</p>"});
}

}  // namespace
