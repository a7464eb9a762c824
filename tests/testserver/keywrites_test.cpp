// The writes of keys to documents, called straight on a small fixture.

#include "product/testserver/operations.h"

#include "updatedocumentkeyreply3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using testserver::Answer;
using testserver::Call;
using testserver::ServerState;

const char* const Fixture = R"(
account { name: "ann" password: "a" record { user_id: 1 } }
account { name: "bob" password: "b" record { user_id: 2 } }
document { document_id: 200 document_name: "Plain" }
document_key { document_key_document { document_id: 200 } document_key_user { user_id: 2 }
               document_key_owner { user_id: 1 } document_key_description: "to Bob"
               document_key_properties: 5
               document_key_security_descriptor { permissions: 1 password: "1234" session_duration: 60 } }
document_key { document_key_document { document_id: 200 } document_key_user { user_id: 1 }
               document_key_owner { user_id: 1 } document_key_properties: 1 }
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

zarv::data::UpdateDocumentKeyReply Update(ServerState& state, const zarv::data::DocumentKey& key)
{
    const testserver::Session session{7, 1, {}};
    zarv::data::UpdateDocumentKeyRequest request;
    *request.mutable_document_key() = key;
    const Answer answer = testserver::UpdateDocumentKey(state, Call{52, -33, &session, request.SerializeAsString()});
    EXPECT_EQ(0, answer.majorErcode);
    zarv::data::UpdateDocumentKeyReply reply;
    EXPECT_TRUE(reply.ParseFromString(answer.payload));
    return reply;
}

TEST(TestServerKeyWrites, AnUpdateWritesTheFieldsPresentIntoTheKeyOfItsDocumentAndHolder)
{
    ServerState state = Load();
    const std::string storedPasscode = state.store.data().document_key(0).document_key_security_descriptor().password();
    zarv::data::DocumentKey change;
    change.mutable_document_key_document()->set_document_id(200);
    change.mutable_document_key_user()->set_user_id(2);
    change.set_document_key_properties(4);
    change.mutable_document_key_security_descriptor()->set_session_duration(120);

    EXPECT_EQ(1, Update(state, change).return_code());
    const zarv::data::DocumentKey& written = state.store.data().document_key(0);
    EXPECT_EQ(4, written.document_key_properties());
    EXPECT_EQ(120, written.document_key_security_descriptor().session_duration());
    EXPECT_EQ(1, written.document_key_security_descriptor().permissions());
    EXPECT_EQ(storedPasscode, written.document_key_security_descriptor().password());
    EXPECT_EQ("to Bob", written.document_key_description());
    EXPECT_EQ(1, state.store.data().document_key(1).document_key_properties());
}

TEST(TestServerKeyWrites, AKeyThatIsNotStoredIsNotWritten)
{
    ServerState state = Load();
    zarv::data::DocumentKey change;
    change.mutable_document_key_document()->set_document_id(200);
    change.mutable_document_key_user()->set_user_id(3);
    change.set_document_key_properties(0);
    EXPECT_EQ(0, Update(state, change).return_code());
    EXPECT_EQ(5, state.store.data().document_key(0).document_key_properties());
}

}  // namespace
