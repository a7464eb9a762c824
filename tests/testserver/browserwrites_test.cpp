// The document browser's changes to folders and documents, called straight
// on a small fixture: Home (10) holds Projects (11), which holds Plans (12),
// and Letters (13); Projects holds the document Notes.

#include "product/testserver/operations.h"

#include "deletedocumentreply3.pb.h"
#include "deletedocumentrequest3.pb.h"
#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "updatefolderreply3.pb.h"
#include "updatefolderrequest3.pb.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using testserver::Answer;
using testserver::Call;
using testserver::ServerState;

const char* const Fixture = R"(
account { name: "ann" password: "a" record { user_id: 1 user_folder_id: 10 } }
folder { folder_id: 10 folder_user_id: 1 folder_parent_id: -2147483647 folder_name: "Home" }
folder { folder_id: 11 folder_user_id: 1 folder_parent_id: 10 folder_name: "Projects" folder_description: "Plans" }
folder { folder_id: 12 folder_user_id: 1 folder_parent_id: 11 folder_name: "Plans" }
folder { folder_id: 13 folder_user_id: 1 folder_parent_id: 10 folder_name: "Letters" }
document { document_id: 200 document_folder_id: 11 document_name: "Notes" sys_period { from: "2024-01-01 00:00:00" } }
)";

constexpr int CheckViolation = common::PackSqlState("23514");
constexpr int NoDataFound = common::PackSqlState("02000");

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
Reply Exchange(ServerState& state,
               testserver::Handler handler,
               common::Opcode major,
               common::Opcode minor,
               const google::protobuf::Message& request)
{
    const testserver::Session session{7, 1, {}};
    const Answer answer = handler(state, Call{major, minor, &session, request.SerializeAsString()});
    EXPECT_EQ(0, answer.majorErcode);
    Reply reply;
    EXPECT_TRUE(reply.ParseFromString(answer.payload));
    return reply;
}

const zarv::data::Folder* Stored(const ServerState& state, int folderId)
{
    for (const zarv::data::Folder& folder : state.store.data().folder()) {
        if (folder.folder_id() == folderId) {
            return &folder;
        }
    }
    return nullptr;
}

zarv::data::UpdateFolderReply UpdateFolder(ServerState& state, common::Opcode minor, const zarv::data::Folder& folder)
{
    zarv::data::UpdateFolderRequest request;
    *request.mutable_folder() = folder;
    return Exchange<zarv::data::UpdateFolderReply>(state, testserver::UpdateFolder, common::UpdateFolder, minor,
                                                   request);
}

TEST(TestServerBrowserWrites, ANewFolderGetsAFreshIdUnlessItsParentHoldsTheName)
{
    ServerState state = Load();
    zarv::data::InsertFolderRequest request;
    request.mutable_folder()->set_folder_parent_id(10);
    request.mutable_folder()->set_folder_name("Archive");
    const auto added = Exchange<zarv::data::InsertFolderReply>(state, testserver::InsertFolder, common::InsertFolder,
                                                               common::Untagged, request);
    EXPECT_EQ(1, added.return_code());
    EXPECT_EQ(14, added.folder_id());
    ASSERT_NE(nullptr, Stored(state, 14));
    EXPECT_EQ("Archive", Stored(state, 14)->folder_name());

    request.mutable_folder()->set_folder_name("Letters");
    const auto clash = Exchange<zarv::data::InsertFolderReply>(state, testserver::InsertFolder, common::InsertFolder,
                                                               common::Untagged, request);
    EXPECT_EQ(0, clash.return_code());
    EXPECT_EQ(common::UniqueViolation, clash.sql_diag_rec().sqlc());
    EXPECT_EQ(5, state.store.data().folder_size());

    // The same name under another parent is no clash.
    request.mutable_folder()->set_folder_parent_id(11);
    EXPECT_EQ(1, Exchange<zarv::data::InsertFolderReply>(state, testserver::InsertFolder, common::InsertFolder,
                                                         common::Untagged, request)
                     .return_code());
}

TEST(TestServerBrowserWrites, ANewDocumentOfAnyKindClashesOnlyWithItsFolder)
{
    ServerState state = Load();
    zarv::data::InsertDocumentRequest request;
    request.mutable_document()->set_document_folder_id(11);
    request.mutable_document()->set_document_name("Notes");
    const auto clash = Exchange<zarv::data::InsertDocumentReply>(state, testserver::InsertDocument,
                                                                 common::InsertDocument, common::Untagged, request);
    EXPECT_EQ(0, clash.return_code());
    EXPECT_EQ(common::UniqueViolation, clash.sql_diag_rec().sqlc());
    request.mutable_document()->set_document_folder_id(13);
    const auto added = Exchange<zarv::data::InsertDocumentReply>(state, testserver::InsertDocument,
                                                                 common::InsertDocument, common::Untagged, request);
    EXPECT_EQ(1, added.return_code());
    EXPECT_EQ(201, added.document_id());
}

TEST(TestServerBrowserWrites, AnUpdateWritesOnlyTheFieldsPresent)
{
    ServerState state = Load();
    zarv::data::Folder rename;
    rename.set_folder_id(11);
    rename.set_folder_name("Plans and more");
    EXPECT_EQ(1, UpdateFolder(state, common::RenameFolder, rename).return_code());
    EXPECT_EQ("Plans and more", Stored(state, 11)->folder_name());
    EXPECT_EQ("Plans", Stored(state, 11)->folder_description());
    EXPECT_EQ(10, Stored(state, 11)->folder_parent_id());
}

TEST(TestServerBrowserWrites, UpdatesThatBreakTheTreeOrItsNamesAreRefused)
{
    struct Case
    {
        const char* name;
        common::Opcode minor;
        int folderId;
        std::optional<int> parentId;
        std::optional<std::string> folderName;
        int returnCode;
        int sqlc;
        int parentAfter;
        const char* nameAfter;
    };
    const std::vector<Case> cases = {
        {"a rename to a sibling's name", common::RenameFolder, 11, std::nullopt, "Letters", 0, common::UniqueViolation,
         10, "Projects"},
        {"a rename to a name used elsewhere", common::RenameFolder, 13, std::nullopt, "Plans", 1, 0, 10, "Plans"},
        {"a move into itself", common::MoveFolder, 11, 11, std::nullopt, 0, CheckViolation, 10, "Projects"},
        {"a move below itself", common::MoveFolder, 11, 12, std::nullopt, 0, CheckViolation, 10, "Projects"},
        {"a move beside a folder of its name", common::MoveFolder, 12, 10, std::nullopt, 1, 0, 10, "Plans"},
        {"a move into a sibling", common::MoveFolder, 13, 11, std::nullopt, 1, 0, 11, "Letters"},
        {"an unknown folder", common::RenameFolder, 99, std::nullopt, "Gone", 0, NoDataFound, 0, nullptr},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        ServerState state = Load();
        zarv::data::Folder folder;
        folder.set_folder_id(each.folderId);
        if (each.parentId) {
            folder.set_folder_parent_id(*each.parentId);
        }
        if (each.folderName) {
            folder.set_folder_name(*each.folderName);
        }
        const auto reply = UpdateFolder(state, each.minor, folder);
        EXPECT_EQ(each.returnCode, reply.return_code());
        EXPECT_EQ(each.sqlc, reply.sql_diag_rec().sqlc());
        if (each.nameAfter) {
            EXPECT_EQ(each.parentAfter, Stored(state, each.folderId)->folder_parent_id());
            EXPECT_EQ(each.nameAfter, Stored(state, each.folderId)->folder_name());
        } else {
            EXPECT_EQ(nullptr, Stored(state, each.folderId));
        }
    }
}

TEST(TestServerBrowserWrites, OnlyAnEmptyFolderIsDeleted)
{
    ServerState state = Load();
    zarv::data::DeleteFolderRequest request;
    for (const int holder : {10, 11}) {
        request.set_folder_id(holder);
        const auto refused = Exchange<zarv::data::DeleteFolderReply>(state, testserver::DeleteFolder,
                                                                     common::DeleteFolder, common::Untagged, request);
        EXPECT_EQ(0, refused.return_code());
        EXPECT_EQ(common::ForeignKeyViolation, refused.sql_diag_rec().sqlc());
    }
    request.set_folder_id(13);
    EXPECT_EQ(1, Exchange<zarv::data::DeleteFolderReply>(state, testserver::DeleteFolder, common::DeleteFolder,
                                                         common::Untagged, request)
                     .return_code());
    EXPECT_EQ(nullptr, Stored(state, 13));
}

TEST(TestServerBrowserWrites, ADeletedDocumentIsKeptAsRevisionsThatEndAtItsDeletion)
{
    ServerState state = Load();
    zarv::data::DeleteDocumentRequest request;
    request.set_document_id(200);
    request.set_document_name("Notes");
    EXPECT_EQ(1, Exchange<zarv::data::DeleteDocumentReply>(state, testserver::DeleteDocument, common::DeleteDocument,
                                                           common::Untagged, request)
                     .return_code());
    EXPECT_TRUE(state.store.currentDocuments().empty());
    ASSERT_EQ(1, state.store.data().document_size());
    EXPECT_EQ(testserver::DatabaseNow().substr(0, 10), state.store.data().document(0).sys_period().to().substr(0, 10));
    EXPECT_EQ("2024-01-01 00:00:00", state.store.data().document(0).sys_period().from());

    // Once deleted, the folder is empty and the document is not deleted again.
    const auto again = Exchange<zarv::data::DeleteDocumentReply>(state, testserver::DeleteDocument,
                                                                 common::DeleteDocument, common::Untagged, request);
    EXPECT_EQ(0, again.return_code());
    EXPECT_EQ(NoDataFound, again.sql_diag_rec().sqlc());
    zarv::data::DeleteFolderRequest folder;
    folder.set_folder_id(12);
    Exchange<zarv::data::DeleteFolderReply>(state, testserver::DeleteFolder, common::DeleteFolder, common::Untagged,
                                            folder);
    folder.set_folder_id(11);
    EXPECT_EQ(1, Exchange<zarv::data::DeleteFolderReply>(state, testserver::DeleteFolder, common::DeleteFolder,
                                                         common::Untagged, folder)
                     .return_code());
}

}  // namespace
