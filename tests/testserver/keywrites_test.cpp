// The writes of keys to documents and folders, called straight on a small
// fixture.

#include "product/testserver/operations.h"
#include "tests/testserver/serverstatefixture.h"

#include "deletedocumentkeyreply3.pb.h"
#include "deletedocumentkeyrequest3.pb.h"
#include "deletefolderkeyrequest3.pb.h"
#include "insertdocumentkeyreply3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "insertfolderkeyreply3.pb.h"
#include "insertfolderkeyrequest3.pb.h"
#include "updatedocumentkeyreply3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"
#include "updatefolderkeyreply3.pb.h"
#include "updatefolderkeyrequest3.pb.h"

#include "library/common/codes.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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
folder { folder_id: 300 folder_name: "Shared" }
folder_key { folder_key_folder { folder_id: 300 } folder_key_user { user_id: 2 }
             folder_key_owner { user_id: 1 } folder_key_security_descriptor { permissions: 65 } }
)";

constexpr int NoDataFound = common::PackSqlState("02000");

ServerState Load()
{
    return serverstatefixture::FromText(Fixture);
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
    const zarv::data::UpdateDocumentKeyReply reply = Update(state, change);
    EXPECT_EQ(0, reply.return_code());
    EXPECT_EQ(NoDataFound, reply.sql_diag_rec().sqlc());
    EXPECT_EQ(5, state.store.data().document_key(0).document_key_properties());
}

// Sends one request to a handler and reads the reply's return code and sqlc.
template <typename Reply, typename Request>
std::pair<int, int> Send(testserver::Handler handler, ServerState& state, common::Opcode opcode, const Request& request)
{
    const testserver::Session session{7, 1, {}};
    const Answer answer = handler(state, Call{opcode, 1, &session, request.SerializeAsString()});
    EXPECT_EQ(0, answer.majorErcode);
    EXPECT_EQ(0, answer.minorErcode);
    Reply reply;
    EXPECT_TRUE(reply.ParseFromString(answer.payload));
    return {reply.return_code(), reply.sql_diag_rec().sqlc()};
}

zarv::data::DocumentKey DocumentKey(int documentId, int userId)
{
    zarv::data::DocumentKey key;
    key.mutable_document_key_document()->set_document_id(documentId);
    key.mutable_document_key_user()->set_user_id(userId);
    return key;
}

zarv::data::FolderKey FolderKey(int folderId, int userId)
{
    zarv::data::FolderKey key;
    key.mutable_folder_key_folder()->set_folder_id(folderId);
    key.mutable_folder_key_user()->set_user_id(userId);
    return key;
}

std::pair<int, int> InsertDocumentKey(ServerState& state, int documentId, int userId)
{
    zarv::data::InsertDocumentKeyRequest request;
    *request.mutable_document_key() = DocumentKey(documentId, userId);
    return Send<zarv::data::InsertDocumentKeyReply>(testserver::InsertDocumentKey, state, common::InsertDocumentKey,
                                                    request);
}

std::pair<int, int> DeleteDocumentKey(ServerState& state, int documentId, int userId)
{
    zarv::data::DeleteDocumentKeyRequest request;
    request.set_document_key_document_id(documentId);
    request.set_document_key_user_id(userId);
    return Send<zarv::data::DeleteDocumentKeyReply>(testserver::DeleteDocumentKey, state, common::DeleteDocumentKey,
                                                    request);
}

std::pair<int, int> InsertFolderKey(ServerState& state, int folderId, int userId)
{
    zarv::data::InsertFolderKeyRequest request;
    *request.mutable_folder_key() = FolderKey(folderId, userId);
    return Send<zarv::data::InsertFolderKeyReply>(testserver::InsertFolderKey, state, common::InsertFolderKey, request);
}

std::pair<int, int> UpdateFolderKey(ServerState& state, int folderId, int userId)
{
    zarv::data::UpdateFolderKeyRequest request;
    *request.mutable_folder_key() = FolderKey(folderId, userId);
    request.mutable_folder_key()->mutable_folder_key_security_descriptor()->set_permissions(1);
    return Send<zarv::data::UpdateFolderKeyReply>(testserver::UpdateFolderKey, state, common::UpdateFolderKey, request);
}

std::pair<int, int> DeleteFolderKey(ServerState& state, int folderId, int userId)
{
    zarv::data::DeleteFolderKeyRequest request;
    request.set_folder_key_folder_id(folderId);
    request.set_folder_key_user_id(userId);
    return Send<zarv::data::DeleteDocumentKeyReply>(testserver::DeleteFolderKey, state, common::DeleteFolderKey,
                                                    request);
}

// Each write, in turn on one store: what it answers and how many keys of
// each kind are stored afterwards.
TEST(TestServerKeyWrites, InsertsUpdatesAndDeletesAnswerByTheKeyOfObjectAndHolder)
{
    struct Step
    {
        const char* what;
        std::function<std::pair<int, int>(ServerState&)> write;
        int returnCode;
        int sqlc;
        int documentKeys;
        int folderKeys;
    };
    const std::vector<Step> steps = {
        {"a new document key", [](ServerState& s) { return InsertDocumentKey(s, 200, 3); }, 1, 0, 3, 1},
        {"a second key for one holder and document", [](ServerState& s) { return InsertDocumentKey(s, 200, 2); }, 0,
         common::UniqueViolation, 3, 1},
        {"the same holder to another document", [](ServerState& s) { return InsertDocumentKey(s, 201, 2); }, 1, 0, 4,
         1},
        {"delete a document key", [](ServerState& s) { return DeleteDocumentKey(s, 200, 3); }, 1, 0, 3, 1},
        {"delete a key not held", [](ServerState& s) { return DeleteDocumentKey(s, 200, 3); }, 0, NoDataFound, 3, 1},
        {"a second folder key for one holder", [](ServerState& s) { return InsertFolderKey(s, 300, 2); }, 0,
         common::UniqueViolation, 3, 1},
        {"a new folder key", [](ServerState& s) { return InsertFolderKey(s, 300, 1); }, 1, 0, 3, 2},
        {"update a folder key", [](ServerState& s) { return UpdateFolderKey(s, 300, 2); }, 1, 0, 3, 2},
        {"update a folder key not held", [](ServerState& s) { return UpdateFolderKey(s, 300, 3); }, 0, NoDataFound, 3,
         2},
        {"delete a folder key", [](ServerState& s) { return DeleteFolderKey(s, 300, 2); }, 1, 0, 3, 1},
        {"delete a folder key not held", [](ServerState& s) { return DeleteFolderKey(s, 300, 2); }, 0, NoDataFound, 3,
         1},
    };
    ServerState state = Load();
    for (const Step& step : steps) {
        const auto [returnCode, sqlc] = step.write(state);
        EXPECT_EQ(step.returnCode, returnCode) << step.what;
        EXPECT_EQ(step.sqlc, sqlc) << step.what;
        EXPECT_EQ(step.documentKeys, state.store.data().document_key_size()) << step.what;
        EXPECT_EQ(step.folderKeys, state.store.data().folder_key_size()) << step.what;
    }
    // The update wrote the present permission word; the remaining folder key
    // is the one inserted for holder 1.
    EXPECT_EQ(1, state.store.data().folder_key(0).folder_key_user().user_id());
}

TEST(TestServerKeyWrites, AFolderKeyUpdateWritesThePresentFieldsOnly)
{
    ServerState state = Load();
    EXPECT_EQ(1, UpdateFolderKey(state, 300, 2).first);
    const zarv::data::FolderKey& written = state.store.data().folder_key(0);
    EXPECT_EQ(1, written.folder_key_security_descriptor().permissions());
    EXPECT_EQ(1, written.folder_key_owner().user_id());
}

}  // namespace
