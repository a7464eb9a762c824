#include "tests/log/eventchecks.h"

#include "deletedocumentrequest3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "deletemessagedocumentrequest3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserrequest3.pb.h"

#include <climits>

namespace logtest {
namespace {

using namespace zarv::data;

std::string DeleteDocument(std::optional<int> id, std::optional<std::string> name)
{
    return Bytes<DeleteDocumentRequest>([&](DeleteDocumentRequest& r) {
        if (id)
            r.set_document_id(*id);
        if (name)
            r.set_document_name(*name);
    });
}

std::string DeleteFolder(std::optional<int> id, std::optional<std::string> name)
{
    return Bytes<DeleteFolderRequest>([&](DeleteFolderRequest& r) {
        if (id)
            r.set_folder_id(*id);
        if (name)
            r.set_folder_name(*name);
    });
}

std::string DeleteMessage(std::optional<int> id, std::optional<int> userId, std::optional<std::string> subject)
{
    return Bytes<DeleteMessageRequest>([&](DeleteMessageRequest& r) {
        if (id)
            r.set_message_id(*id);
        if (userId)
            r.set_message_user_id(*userId);
        if (subject)
            r.set_message_subject(*subject);
    });
}

std::string DeleteAttachment(std::optional<int> messageId, std::optional<int> documentId)
{
    return Bytes<DeleteMessageDocumentRequest>([&](DeleteMessageDocumentRequest& r) {
        if (messageId)
            r.set_message_document_message_id(*messageId);
        if (documentId)
            r.set_message_document_document_id(*documentId);
    });
}

std::string DeleteRecipient(std::optional<int> messageId, std::optional<int> userId)
{
    return Bytes<DeleteMessageUserRequest>([&](DeleteMessageUserRequest& r) {
        if (messageId)
            r.set_message_user_message_id(*messageId);
        if (userId)
            r.set_message_user_user_id(*userId);
    });
}

std::vector<CheckCase> DeleteCases()
{
    const Pairs documentNamed = With(Document42, {{"cs1", "Plan"}, {"cs1Label", "documentName"}});
    const Pairs attachment{{"cn1", "9"}, {"cn1Label", "messageId"}, {"cn2", "42"}, {"cn2Label", "documentId"}};
    const Pairs recipient{{"cn1", "9"}, {"cn1Label", "messageId"}, {"cn2", "11"}, {"cn2Label", "userId"}};
    return {
        {"Document", common::DeleteDocument, DeleteDocument(42, "Plan"), "", 0, Line(documentNamed), Line(Document42)},
        {"DocumentFailed", common::DeleteDocument, DeleteDocument(42, "Plan"), "", 15, Line(documentNamed),
         Line(Document42)},
        {"DocumentUnparsable", common::DeleteDocument, NotAMessage, "", 0, Warns("ParseFromString failed!"),
         Warns("ParseFromString failed!")},
        {"DocumentWithoutId", common::DeleteDocument, DeleteDocument({}, "Plan"), "", 0, Warns("Bad document id!"),
         Warns("Bad document id!")},
        {"DocumentWithoutName", common::DeleteDocument, DeleteDocument(42, {}), "", 0, Warns("Bad document name!"),
         Warns("Bad document name!")},
        {"DocumentNullId", common::DeleteDocument, DeleteDocument(INT_MIN, "Plan"), "", 0,
         Warns("Invalid document id!"), Warns("Invalid document id!")},
        {"DocumentEmptyName", common::DeleteDocument, DeleteDocument(42, ""), "", 0, Line(Document42),
         Line(Document42)},
        {"DocumentNameEscaped", common::DeleteDocument, DeleteDocument(42, "a=b\\c\nd"), "", 0,
         Line(With(Document42, {{"cs1", "a\\=b\\\\c\\nd"}, {"cs1Label", "documentName"}})), Line(Document42)},

        {"Folder", common::DeleteFolder, DeleteFolder(3, "Archive"), "", 0,
         Line(With(Folder3, {{"cs1", "Archive"}, {"cs1Label", "folderName"}})), Line(Folder3)},
        {"FolderWithoutId", common::DeleteFolder, DeleteFolder({}, "Archive"), "", 0, Warns("Bad folder id!"),
         Warns("Bad folder id!")},
        {"FolderWithoutName", common::DeleteFolder, DeleteFolder(3, {}), "", 26, Warns("Bad folder name!"),
         Warns("Bad folder name!")},
        {"FolderNullId", common::DeleteFolder, DeleteFolder(INT_MIN, "Archive"), "", 0, Warns("Invalid folder id!"),
         Warns("Invalid folder id!")},

        {"Message", common::DeleteMessage, DeleteMessage(9, 11, "Re: a=b"), "", 0,
         Line(With(Message9, {{"cs1", "Re: a\\=b"}, {"cs1Label", "messageSubject"}})), Line(Message9)},
        {"MessageWithoutId", common::DeleteMessage, DeleteMessage({}, 11, "Hi"), "", 0, Warns("Bad message id!"),
         Warns("Bad message id!")},
        {"MessageWithoutUserId", common::DeleteMessage, DeleteMessage(9, {}, "Hi"), "", 0,
         Warns("Bad message user id!"), Warns("Bad message user id!")},
        {"MessageWithoutSubject", common::DeleteMessage, DeleteMessage(9, 11, {}), "", 0, Warns("Bad message subject!"),
         Warns("Bad message subject!")},
        {"MessageNullId", common::DeleteMessage, DeleteMessage(INT_MIN, 11, "Hi"), "", 0, Warns("Invalid message id!"),
         Warns("Invalid message id!")},

        {"Attachment", common::DeleteMessageDocument, DeleteAttachment(9, 42), "", 0, Line(attachment),
         Line(attachment)},
        {"AttachmentWithoutMessage", common::DeleteMessageDocument, DeleteAttachment({}, 42), "", 0,
         Warns("Bad message document message id!"), Warns("Bad message document message id!")},
        {"AttachmentWithoutDocument", common::DeleteMessageDocument, DeleteAttachment(9, {}), "", 0,
         Warns("Bad message document document id!"), Warns("Bad message document document id!")},
        {"AttachmentBothNull", common::DeleteMessageDocument, DeleteAttachment(INT_MIN, INT_MIN), "", 0,
         Warns("Invalid message id!"), Warns("Invalid message id!")},
        {"AttachmentNullDocument", common::DeleteMessageDocument, DeleteAttachment(9, INT_MIN), "", 0,
         Warns("Invalid document id!"), Warns("Invalid document id!")},

        {"Recipient", common::DeleteMessageUser, DeleteRecipient(9, 11), "", 0, Line(recipient), Line(recipient)},
        {"RecipientWithoutMessage", common::DeleteMessageUser, DeleteRecipient({}, 11), "", 0,
         Warns("Bad message user message id!"), Warns("Bad message user message id!")},
        {"RecipientWithoutUser", common::DeleteMessageUser, DeleteRecipient(9, {}), "", 0,
         Warns("Bad message user user id!"), Warns("Bad message user user id!")},
        {"RecipientNullMessage", common::DeleteMessageUser, DeleteRecipient(INT_MIN, 11), "", 0,
         Warns("Invalid message id!"), Warns("Invalid message id!")},
        {"RecipientNullUser", common::DeleteMessageUser, DeleteRecipient(9, INT_MIN), "", 0, Warns("Invalid user id!"),
         Warns("Invalid user id!")},
    };
}

INSTANTIATE_TEST_SUITE_P(Delete, EventChecks, ::testing::ValuesIn(DeleteCases()), CheckCaseName());

}  // namespace
}  // namespace logtest
