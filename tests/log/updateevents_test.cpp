#include "tests/log/eventchecks.h"

#include "updatedocumentrequest3.pb.h"
#include "updatefolderrequest3.pb.h"
#include "updatemessagerequest3.pb.h"

#include <climits>

namespace logtest {
namespace {

using namespace zarv::data;

std::string
UpdateDocument(std::optional<int> id, std::optional<std::string> name, std::optional<std::string> description)
{
    return Bytes<UpdateDocumentRequest>([&](UpdateDocumentRequest& r) {
        Document* document = r.mutable_document();
        if (id)
            document->set_document_id(*id);
        if (name)
            document->set_document_name(*name);
        if (description)
            document->set_document_description(*description);
    });
}

std::string UpdateFolder(std::optional<int> id, std::optional<std::string> name, std::optional<std::string> description)
{
    return Bytes<UpdateFolderRequest>([&](UpdateFolderRequest& r) {
        Folder* folder = r.mutable_folder();
        if (id)
            folder->set_folder_id(*id);
        if (name)
            folder->set_folder_name(*name);
        if (description)
            folder->set_folder_description(*description);
    });
}

std::string UpdateMessage(std::optional<int> id, std::optional<std::string> subject)
{
    return Bytes<UpdateMessageRequest>([&](UpdateMessageRequest& r) {
        Message* message = r.mutable_message();
        if (id)
            message->set_message_id(*id);
        if (subject)
            message->set_message_subject(*subject);
        message->set_message_description("never written");
    });
}

std::vector<CheckCase> UpdateCases()
{
    const Pairs documentName = With(Document42, {{"cs1", "Plan"}, {"cs1Label", "documentName"}});
    const Pairs documentDescription = With(Document42, {{"cs1", "Q3"}, {"cs1Label", "documentDescription"}});
    const Pairs folderName = With(Folder3, {{"cs1", "Archive"}, {"cs1Label", "folderName"}});
    const Pairs folderDescription = With(Folder3, {{"cs1", "old"}, {"cs1Label", "folderDescription"}});
    return {
        // The name wins over the description; the description fills in for a missing or empty name.
        {"Document", common::UpdateDocument, UpdateDocument(42, "Plan", "Q3"), "", 0, Line(documentName),
         Line(Document42)},
        {"DocumentWithoutName", common::UpdateDocument, UpdateDocument(42, {}, "Q3"), "", 0, Line(documentDescription),
         Line(Document42)},
        {"DocumentEmptyName", common::UpdateDocument, UpdateDocument(42, "", "Q3"), "", 0, Line(documentDescription),
         Line(Document42)},
        {"DocumentWithoutTexts", common::UpdateDocument, UpdateDocument(42, {}, {}), "", 0, Line(Document42),
         Line(Document42)},
        {"DocumentEmptyTexts", common::UpdateDocument, UpdateDocument(42, "", ""), "", 0, Line(Document42),
         Line(Document42)},
        {"DocumentFailed", common::UpdateDocument, UpdateDocument(42, "Plan", {}), "", common::ServiceNoReplyEr,
         Line(documentName), Line(Document42)},
        {"DocumentWithoutId", common::UpdateDocument, UpdateDocument({}, "Plan", {}), "", 0, Warns("Bad document id!"),
         Warns("Bad document id!")},
        {"EmptyDocumentRequest", common::UpdateDocument, "", "", common::ServiceNoReplyEr, Warns("Bad document!"),
         Warns("Bad document!")},
        {"DocumentUnparsable", common::UpdateDocument, NotAMessage, "", 0, Warns("ParseFromString failed!"),
         Warns("ParseFromString failed!")},

        {"Folder", common::UpdateFolder, UpdateFolder(3, "Archive", "old"), "", 0, Line(folderName), Line(Folder3)},
        {"FolderWithoutName", common::UpdateFolder, UpdateFolder(3, {}, "old"), "", 0, Line(folderDescription),
         Line(Folder3)},
        {"FolderWithoutTexts", common::UpdateFolder, UpdateFolder(3, {}, ""), "", 0, Line(Folder3), Line(Folder3)},
        {"FolderNullId", common::UpdateFolder, UpdateFolder(INT_MIN, "Archive", {}), "", 0, Warns("Invalid folder id!"),
         Warns("Invalid folder id!")},
        {"EmptyFolderRequest", common::UpdateFolder, "", "", 0, Warns("Bad folder!"), Warns("Bad folder!")},

        // A message needs its subject; its description is never written.
        {"Message", common::UpdateMessage, UpdateMessage(9, "Hello"), "", 0,
         Line(With(Message9, {{"cs1", "Hello"}, {"cs1Label", "messageSubject"}})), Line(Message9)},
        {"MessageEmptySubject", common::UpdateMessage, UpdateMessage(9, ""), "", 0, Line(Message9), Line(Message9)},
        {"MessageWithoutSubject", common::UpdateMessage, UpdateMessage(9, {}), "", 0, Warns("Bad message subject!"),
         Warns("Bad message subject!")},
        {"FailedMessageWithoutSubject", common::UpdateMessage, UpdateMessage(9, {}), "", 54,
         Warns("Bad message subject!"), Warns("Bad message subject!")},
        {"MessageWithoutId", common::UpdateMessage, UpdateMessage({}, "Hello"), "", 0, Warns("Bad message id!"),
         Warns("Bad message id!")},
        {"MessageNullId", common::UpdateMessage, UpdateMessage(INT_MIN, "Hello"), "", 0, Warns("Invalid message id!"),
         Warns("Invalid message id!")},
        {"EmptyMessageRequest", common::UpdateMessage, "", "", 0, Warns("Bad message!"), Warns("Bad message!")},
    };
}

INSTANTIATE_TEST_SUITE_P(Update, EventChecks, ::testing::ValuesIn(UpdateCases()), CheckCaseName());

}  // namespace
}  // namespace logtest
