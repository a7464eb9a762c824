#include "tests/log/eventchecks.h"

#include "insertdocumentkeyrequest3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderkeyrequest3.pb.h"
#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "insertmessagedocumentrequest3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "insertmessageuserrequest3.pb.h"

#include <climits>
#include <functional>

namespace logtest {
namespace {

using namespace zarv::data;

// The user a key is given to: id 11, Jane Q. Doe.
void FillUser(User* user)
{
    user->set_user_id(11);
    user->set_user_last_name("Doe");
    user->set_user_first_name("Jane");
    user->set_user_middle_name("Q");
}

// A complete document key request, then changed by `change`.
std::string DocumentKeyRequest(const std::function<void(DocumentKey&)>& change = [](DocumentKey&) {})
{
    return Bytes<InsertDocumentKeyRequest>([&](InsertDocumentKeyRequest& r) {
        DocumentKey* key = r.mutable_document_key();
        key->mutable_document_key_document()->set_document_id(42);
        key->mutable_document_key_document()->set_document_name("Plan");
        FillUser(key->mutable_document_key_user());
        change(*key);
    });
}

std::string FolderKeyRequest(const std::function<void(FolderKey&)>& change = [](FolderKey&) {})
{
    return Bytes<InsertFolderKeyRequest>([&](InsertFolderKeyRequest& r) {
        FolderKey* key = r.mutable_folder_key();
        key->mutable_folder_key_folder()->set_folder_id(3);
        key->mutable_folder_key_folder()->set_folder_name("Archive");
        FillUser(key->mutable_folder_key_user());
        change(*key);
    });
}

std::string NewDocument(std::optional<std::string> name)
{
    return Bytes<InsertDocumentRequest>([&](InsertDocumentRequest& r) {
        Document* document = r.mutable_document();
        if (name)
            document->set_document_name(*name);
    });
}

std::string NewFolder(std::optional<std::string> name)
{
    return Bytes<InsertFolderRequest>([&](InsertFolderRequest& r) {
        Folder* folder = r.mutable_folder();
        if (name)
            folder->set_folder_name(*name);
    });
}

std::string NewMessage(std::optional<std::string> subject)
{
    return Bytes<InsertMessageRequest>([&](InsertMessageRequest& r) {
        Message* message = r.mutable_message();
        if (subject)
            message->set_message_subject(*subject);
    });
}

template <class Reply, class SetId>
std::string NewId(std::optional<int> id, SetId setId)
{
    return Bytes<Reply>([&](Reply& reply) {
        if (id)
            setId(reply, *id);
    });
}

std::string DocumentId(std::optional<int> id)
{
    return NewId<InsertDocumentReply>(id, [](InsertDocumentReply& r, int value) { r.set_document_id(value); });
}

std::string FolderId(std::optional<int> id)
{
    return NewId<InsertFolderReply>(id, [](InsertFolderReply& r, int value) { r.set_folder_id(value); });
}

std::string MessageId(std::optional<int> id)
{
    return NewId<InsertMessageReply>(id, [](InsertMessageReply& r, int value) { r.set_message_id(value); });
}

std::string Attachment(std::optional<int> messageId, std::optional<int> documentId, bool withRecord = true)
{
    return Bytes<InsertMessageDocumentRequest>([&](InsertMessageDocumentRequest& r) {
        if (!withRecord)
            return;
        MessageDocument* attachment = r.mutable_message_document();
        if (messageId)
            attachment->set_message_document_message_id(*messageId);
        if (documentId)
            attachment->set_message_document_document_id(*documentId);
    });
}

// A recipient row: only the row's ids count, not the message's own.
std::string Recipient(std::optional<int> messageId, std::optional<int> userId, bool withRecord = true)
{
    return Bytes<InsertMessageUserRequest>([&](InsertMessageUserRequest& r) {
        if (!withRecord)
            return;
        Message* row = r.mutable_message();
        if (messageId)
            row->set_message_user_message_id(*messageId);
        if (userId)
            row->set_message_user_user_id(*userId);
    });
}

const Pairs KeyIds{{"cn1", "42"}, {"cn1Label", "documentId"}, {"cn2", "11"}, {"cn2Label", "userId"}};
const Pairs KeyUser{{"cs2", "Doe"}, {"cs2Label", "userLastName"}, {"cs3", "Jane"}, {"cs3Label", "userFirstName"}};
const Pairs MiddleName{{"cs4", "Q"}, {"cs4Label", "userMiddleName"}};
const Pairs KeyDocument =
    With(With(With(KeyIds, KeyUser), MiddleName), {{"cs1", "Plan"}, {"cs1Label", "documentName"}});
const Pairs FolderKeyIds{{"cn1", "3"}, {"cn1Label", "folderId"}, {"cn2", "11"}, {"cn2Label", "userId"}};

CheckCase Key(const char* name,
              const std::string& request,
              common::Ercode majorErcode,
              const Expect& details,
              const Expect& plain)
{
    return {name, common::InsertDocumentKey, request, "", majorErcode, details, plain};
}

std::vector<CheckCase> InsertKeyCases()
{
    return {
        Key("DocumentKey", DocumentKeyRequest(), 0, Line(KeyDocument), Line(KeyIds)),
        Key("FailedDocumentKey", DocumentKeyRequest(), 19, Line(KeyDocument), Line(KeyIds)),
        Key("KeyUserWithoutMiddleName",
            DocumentKeyRequest([](DocumentKey& k) { k.mutable_document_key_user()->clear_user_middle_name_enum(); }), 0,
            Line(With(With(KeyIds, KeyUser), {{"cs1", "Plan"}, {"cs1Label", "documentName"}})), Line(KeyIds)),
        Key("KeyUserWithoutFirstName",
            DocumentKeyRequest([](DocumentKey& k) { k.mutable_document_key_user()->clear_user_first_name_enum(); }), 0,
            Warns("Bad user first name!"), Line(KeyIds)),
        Key("KeyUserWithoutLastName",
            DocumentKeyRequest([](DocumentKey& k) { k.mutable_document_key_user()->clear_user_last_name_enum(); }), 0,
            Warns("Bad user last name!"), Line(KeyIds)),
        Key("KeyDocumentWithoutName",
            DocumentKeyRequest([](DocumentKey& k) { k.mutable_document_key_document()->clear_document_name_enum(); }),
            0, Warns("Bad document name!"), Line(KeyIds)),
        Key("KeyDocumentEmptyName",
            DocumentKeyRequest([](DocumentKey& k) { k.mutable_document_key_document()->set_document_name(""); }), 0,
            Line(With(With(KeyIds, KeyUser), MiddleName)), Line(KeyIds)),
        Key("KeyDocumentIdZero",
            DocumentKeyRequest([](DocumentKey& k) { k.mutable_document_key_document()->set_document_id(0); }), 0,
            Line(With(KeyDocument, {{"cn1", "0"}})), Line(With(KeyIds, {{"cn1", "0"}}))),
        Key("EmptyKeyRequest", "", 0, Warns("Bad document key!"), Warns("Bad document key!")),
        Key("KeyWithoutDocument", DocumentKeyRequest([](DocumentKey& k) { k.clear_document_key_document_enum(); }), 0,
            Warns("Bad document key document!"), Warns("Bad document key document!")),
        Key("KeyWithoutUser", DocumentKeyRequest([](DocumentKey& k) { k.clear_document_key_user_enum(); }), 0,
            Warns("Bad document key user!"), Warns("Bad document key user!")),
        Key("KeyDocumentWithoutId",
            DocumentKeyRequest([](DocumentKey& k) { k.mutable_document_key_document()->clear_document_id_enum(); }), 0,
            Warns("Bad document id!"), Warns("Bad document id!")),
        Key("KeyUserWithoutId",
            DocumentKeyRequest([](DocumentKey& k) { k.mutable_document_key_user()->clear_user_id_enum(); }), 0,
            Warns("Bad user id!"), Warns("Bad user id!")),
        Key("KeyDocumentNullId",
            DocumentKeyRequest([](DocumentKey& k) { k.mutable_document_key_document()->set_document_id(INT_MIN); }), 0,
            Warns("Invalid document id!"), Warns("Invalid document id!")),
        Key("KeyUserNullId",
            DocumentKeyRequest([](DocumentKey& k) { k.mutable_document_key_user()->set_user_id(INT_MIN); }), 0,
            Warns("Invalid user id!"), Warns("Invalid user id!")),
        Key("KeyUnparsable", NotAMessage, 0, Warns("ParseFromString failed!"), Warns("ParseFromString failed!")),

        {"FolderKey", common::InsertFolderKey, FolderKeyRequest(), "", 0,
         Line(With(With(With(FolderKeyIds, KeyUser), MiddleName), {{"cs1", "Archive"}, {"cs1Label", "folderName"}})),
         Line(FolderKeyIds)},
        {"FolderKeyWithoutFolderName", common::InsertFolderKey,
         FolderKeyRequest([](FolderKey& k) { k.mutable_folder_key_folder()->clear_folder_name_enum(); }), "", 0,
         Warns("Bad folder name!"), Line(FolderKeyIds)},
        {"EmptyFolderKeyRequest", common::InsertFolderKey, "", "", 0, Warns("Bad folder key!"),
         Warns("Bad folder key!")},
        {"FolderKeyWithoutFolder", common::InsertFolderKey,
         FolderKeyRequest([](FolderKey& k) { k.clear_folder_key_folder_enum(); }), "", 0,
         Warns("Bad folder key folder!"), Warns("Bad folder key folder!")},
        {"FolderKeyWithoutUser", common::InsertFolderKey,
         FolderKeyRequest([](FolderKey& k) { k.clear_folder_key_user_enum(); }), "", 0, Warns("Bad folder key user!"),
         Warns("Bad folder key user!")},
        {"FolderKeyNullFolderId", common::InsertFolderKey,
         FolderKeyRequest([](FolderKey& k) { k.mutable_folder_key_folder()->set_folder_id(INT_MIN); }), "", 0,
         Warns("Invalid folder id!"), Warns("Invalid folder id!")},
    };
}

INSTANTIATE_TEST_SUITE_P(InsertKey, EventChecks, ::testing::ValuesIn(InsertKeyCases()), CheckCaseName());

std::vector<CheckCase> InsertRecordCases()
{
    const Pairs document77{{"cn1", "77"}, {"cn1Label", "documentId"}};
    const Pairs folder5{{"cn1", "5"}, {"cn1Label", "folderId"}};
    const Pairs message9{{"cn1", "9"}, {"cn1Label", "messageId"}};
    const Pairs attachment{{"cn1", "9"}, {"cn1Label", "messageId"}, {"cn2", "42"}, {"cn2Label", "documentId"}};
    const Pairs recipient{{"cn1", "9"}, {"cn1Label", "messageId"}, {"cn2", "11"}, {"cn2Label", "userId"}};
    return {
        // The new id comes from the reply, the name from the request.
        {"Document", common::InsertDocument, NewDocument("a=b"), DocumentId(77), 0,
         Line(With(document77, {{"cs1", "a\\=b"}, {"cs1Label", "documentName"}})), Line(document77)},
        {"DocumentWithoutName", common::InsertDocument, NewDocument({}), DocumentId(77), 0, Warns("Bad document name!"),
         Line(document77)},
        {"DocumentRequestWithoutDocument", common::InsertDocument, "", DocumentId(77), 0, Warns("Bad document!"),
         Warns("Bad document!")},
        {"DocumentReplyWithoutId", common::InsertDocument, NewDocument("Plan"), "", common::ServiceNoReplyEr,
         Warns("Bad document id!"), Warns("Bad document id!")},
        {"DocumentReplyUnparsable", common::InsertDocument, "", NotAMessage, 0, Warns("ParseFromString failed!"),
         Warns("ParseFromString failed!")},
        {"DocumentNullId", common::InsertDocument, NewDocument("Plan"), DocumentId(INT_MIN), 0,
         Warns("Invalid document id!"), Warns("Invalid document id!")},

        {"Folder", common::InsertFolder, NewFolder("Archive"), FolderId(5), 0,
         Line(With(folder5, {{"cs1", "Archive"}, {"cs1Label", "folderName"}})), Line(folder5)},
        {"FolderRequestUnparsable", common::InsertFolder, NotAMessage, FolderId(5), 0, Warns("ParseFromString failed!"),
         Line(folder5)},
        {"FolderRequestWithoutFolder", common::InsertFolder, "", FolderId(5), 0, Warns("Bad folder!"), Line(folder5)},
        {"FolderWithoutName", common::InsertFolder, NewFolder({}), FolderId(5), 0, Warns("Bad folder name!"),
         Line(folder5)},
        {"FolderReplyWithoutId", common::InsertFolder, NewFolder("Archive"), FolderId({}), 62, Warns("Bad folder id!"),
         Warns("Bad folder id!")},
        {"FolderNullId", common::InsertFolder, NewFolder("Archive"), FolderId(INT_MIN), 0, Warns("Invalid folder id!"),
         Warns("Invalid folder id!")},

        {"Message", common::InsertMessage, NewMessage("Hello"), MessageId(9), 0,
         Line(With(message9, {{"cs1", "Hello"}, {"cs1Label", "messageSubject"}})), Line(message9)},
        {"MessageEmptySubject", common::InsertMessage, NewMessage(""), MessageId(9), 0, Line(message9), Line(message9)},
        {"MessageWithoutSubject", common::InsertMessage, NewMessage({}), MessageId(9), 0, Warns("Bad message subject!"),
         Line(message9)},
        {"MessageRequestWithoutMessage", common::InsertMessage, "", MessageId(9), 0, Warns("Bad message!"),
         Line(message9)},
        {"MessageReplyWithoutId", common::InsertMessage, NewMessage("Hello"), "", 0, Warns("Bad message id!"),
         Warns("Bad message id!")},
        {"MessageNullId", common::InsertMessage, NewMessage("Hello"), MessageId(INT_MIN), 0,
         Warns("Invalid message id!"), Warns("Invalid message id!")},

        {"Attachment", common::InsertMessageDocument, Attachment(9, 42), "", 0, Line(attachment), Line(attachment)},
        {"FailedAttachment", common::InsertMessageDocument, Attachment(9, 42), "", 47, Line(attachment),
         Line(attachment)},
        {"AttachmentWithoutRecord", common::InsertMessageDocument, Attachment(9, 42, false), "", 0,
         Warns("Bad message document!"), Warns("Bad message document!")},
        {"AttachmentWithoutMessageId", common::InsertMessageDocument, Attachment({}, 42), "", 0,
         Warns("Bad message document message id!"), Warns("Bad message document message id!")},
        {"AttachmentWithoutDocumentId", common::InsertMessageDocument, Attachment(9, {}), "", 0,
         Warns("Bad message document document id!"), Warns("Bad message document document id!")},
        {"AttachmentNullDocument", common::InsertMessageDocument, Attachment(9, INT_MIN), "", 0,
         Warns("Invalid document id!"), Warns("Invalid document id!")},

        {"Recipient", common::InsertMessageUser, Recipient(9, 11), "", 0, Line(recipient), Line(recipient)},
        {"RecipientWithoutRecord", common::InsertMessageUser, Recipient(9, 11, false), "", 0,
         Warns("Bad message user!"), Warns("Bad message user!")},
        {"RecipientWithoutMessageId", common::InsertMessageUser, Recipient({}, 11), "", 0,
         Warns("Bad message user message id!"), Warns("Bad message user message id!")},
        {"RecipientWithoutUserId", common::InsertMessageUser, Recipient(9, {}), "", 0,
         Warns("Bad message user user id!"), Warns("Bad message user user id!")},
        {"RecipientNullMessage", common::InsertMessageUser, Recipient(INT_MIN, 11), "", 0, Warns("Invalid message id!"),
         Warns("Invalid message id!")},
        {"RecipientNullUser", common::InsertMessageUser, Recipient(9, INT_MIN), "", 0, Warns("Invalid user id!"),
         Warns("Invalid user id!")},
    };
}

INSTANTIATE_TEST_SUITE_P(InsertRecord, EventChecks, ::testing::ValuesIn(InsertRecordCases()), CheckCaseName());

}  // namespace
}  // namespace logtest
