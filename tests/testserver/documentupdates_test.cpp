// The writes of documents, called straight on a small fixture.

#include "product/testserver/operations.h"

#include "updatedocumentreply3.pb.h"
#include "updatedocumentrequest3.pb.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using testserver::Answer;
using testserver::Call;
using testserver::ServerState;

const char* const Fixture = R"(
account { name: "ann" password: "a" record { user_id: 1 } }
document { document_id: 300 document_user_id: 1 document_name: "Plan" document_body: "<p>old</p>"
           sys_period { from: "2024-01-01 00:00:00" to: "2024-02-01 00:00:00" } }
document { document_id: 300 document_user_id: 1 document_name: "Plan" document_description: "Q3"
           document_folder_id: 10 document_body: "<p>now</p>"
           document_security_descriptor { permissions: 4095 }
           sys_period { from: "2024-02-01 00:00:00" } }
document { document_id: 301 document_name: "Gone" sys_period { from: "2024-01-01 00:00:00" to: "2024-02-01 00:00:00" } }
)";

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

zarv::data::UpdateDocumentReply Update(ServerState& state, const zarv::data::Document& document)
{
    const testserver::Session session{7, 1, {}};
    zarv::data::UpdateDocumentRequest request;
    *request.mutable_document() = document;
    const Answer answer = testserver::UpdateDocument(state, Call{53, 0, &session, request.SerializeAsString()});
    EXPECT_EQ(0, answer.majorErcode);
    EXPECT_EQ(0, answer.minorErcode);
    zarv::data::UpdateDocumentReply reply;
    EXPECT_TRUE(reply.ParseFromString(answer.payload));
    return reply;
}

TEST(TestServerDocumentUpdates, AnUpdateWritesTheFieldsPresentIntoTheCurrentRecord)
{
    ServerState state = Load();
    zarv::data::Document body;
    body.set_document_id(300);
    body.set_document_body("<p>new</p>");
    zarv::data::UpdateDocumentReply reply = Update(state, body);
    EXPECT_EQ(1, reply.return_code());
    EXPECT_EQ(0, reply.sql_diag_rec().sqlc());

    zarv::data::Document name;
    name.set_document_id(300);
    name.set_document_name("Plan B");
    EXPECT_EQ(1, Update(state, name).return_code());

    const zarv::data::Document& earlier = state.store.data().document(0);
    const zarv::data::Document& current = state.store.data().document(1);
    EXPECT_EQ("<p>old</p>", earlier.document_body());
    EXPECT_EQ("Plan", earlier.document_name());
    EXPECT_EQ("<p>new</p>", current.document_body());
    EXPECT_EQ("Plan B", current.document_name());
    EXPECT_EQ("Q3", current.document_description());
    EXPECT_EQ(10, current.document_folder_id());
    EXPECT_EQ(4095, current.document_security_descriptor().permissions());
    EXPECT_FALSE(current.sys_period().has_to());
    // The replaced body is kept right after the current record, from the old
    // start to the new one; the rename alone keeps no revision.
    ASSERT_EQ(4, state.store.data().document_size());
    const zarv::data::Document& replaced = state.store.data().document(2);
    EXPECT_EQ(300, replaced.document_id());
    EXPECT_EQ("<p>now</p>", replaced.document_body());
    EXPECT_EQ("2024-02-01 00:00:00", replaced.sys_period().from());
    EXPECT_EQ(current.sys_period().from(), replaced.sys_period().to());
    EXPECT_EQ(current.document_modification_date(), current.sys_period().from());
    EXPECT_LT("2024-02-01 00:00:00", current.sys_period().from());
}

TEST(TestServerDocumentUpdates, ADocumentThatIsNotHeldIsRefusedInTheReply)
{
    ServerState state = Load();
    for (const int id : {999, 301}) {
        zarv::data::Document document;
        document.set_document_id(id);
        document.set_document_body("<p>x</p>");
        const zarv::data::UpdateDocumentReply reply = Update(state, document);
        EXPECT_EQ(0, reply.return_code()) << id;
        EXPECT_NE(0, reply.sql_diag_rec().sqlc()) << id;
    }
    ASSERT_EQ(3, state.store.data().document_size());
    EXPECT_EQ("Gone", state.store.data().document(2).document_name());
    EXPECT_FALSE(state.store.data().document(2).has_document_body());
}

}  // namespace
