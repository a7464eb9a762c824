#include "library/gui/log/eventdescriptor.h"

#include "deletedocumentrequest3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "deletemessagedocumentrequest3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserrequest3.pb.h"
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
#include "logeventcopydocumenttoclipboardrequest3.pb.h"
#include "logeventcopymessagetoclipboardrequest3.pb.h"
#include "logeventexportdocumenttopdffilerequest3.pb.h"
#include "logeventexportdocumenttotextfilerequest3.pb.h"
#include "logeventexportmessagetopdffilerequest3.pb.h"
#include "logeventexportmessagetotextfilerequest3.pb.h"
#include "logeventpastedocumentfromclipboardrequest3.pb.h"
#include "logeventpastemessagefromclipboardrequest3.pb.h"
#include "logeventprintdocumentrequest3.pb.h"
#include "logeventprintmessagerequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectuserreply3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatefolderrequest3.pb.h"
#include "updatemessagerequest3.pb.h"

#include <initializer_list>

namespace cef {

namespace {

using Steps = std::vector<EventStep>;
using google::protobuf::Message;

// Step builders, one per action.

EventStep Parse(const std::string& message)
{
    return {EventStep::Parse, message, "", "", "ParseFromString failed!", 0};
}

EventStep Require(const std::string& path, const std::string& warning)
{
    return {EventStep::Require, path, "", "", warning, 0};
}

EventStep RequireNotNull(const std::string& path, const std::string& warning)
{
    return {EventStep::RequireNotNull, path, "", "", warning, 0};
}

EventStep StopWithoutDetails()
{
    return {EventStep::StopWithoutDetails, "", "", "", "", 0};
}

EventStep AddId(const std::string& path, const std::string& key, const std::string& label)
{
    return {EventStep::AddId, path, key, label, "", 0};
}

EventStep AddText(const std::string& path, const std::string& key, const std::string& label)
{
    return {EventStep::AddText, path, key, label, "", 0};
}

EventStep AddNumber(const std::string& path, const std::string& key)
{
    return {EventStep::AddNumber, path, key, "", "", 0};
}

EventStep AddConstant(const std::string& key, int value)
{
    return {EventStep::AddConstant, "", key, "", "", value};
}

EventStep AddIdList(const std::string& path, const std::string& key, const std::string& label)
{
    return {EventStep::AddIdList, path, key, label, "", 0};
}

Steps Concat(std::initializer_list<Steps> parts)
{
    Steps steps;
    for (const Steps& part : parts) {
        steps.insert(steps.end(), part.begin(), part.end());
    }
    return steps;
}

// An id field with its warnings and its label.
struct IdField
{
    std::string path;
    std::string absent;
    std::string null;
    std::string label;
};

// Both ids must be present and not null; they become "cn1" and "cn2".
Steps TwoIds(const IdField& first, const IdField& second)
{
    return {Require(first.path, first.absent),      Require(second.path, second.absent),
            RequireNotNull(first.path, first.null), RequireNotNull(second.path, second.null),
            AddId(first.path, "cn1", first.label),  AddId(second.path, "cn2", second.label)};
}

// The fields of a document, folder or message record.
struct RecordKind
{
    std::string record;
    std::string id;
    std::string idLabel;
    std::string name;
    std::string nameLabel;
    std::string description;  // empty for a message
    std::string descriptionLabel;
    std::string badRecord;
    std::string badId;
    std::string badName;
    std::string invalidId;
};

const RecordKind Document{"document",         "document_id",          "documentId",          "document_name",
                          "documentName",     "document_description", "documentDescription", "Bad document!",
                          "Bad document id!", "Bad document name!",   "Invalid document id!"};
const RecordKind Folder{"folder",         "folder_id",          "folderId",          "folder_name",
                        "folderName",     "folder_description", "folderDescription", "Bad folder!",
                        "Bad folder id!", "Bad folder name!",   "Invalid folder id!"};
const RecordKind MessageRecord{
    "message", "message_id",   "messageId",       "message_subject",      "messageSubject",     "",
    "",        "Bad message!", "Bad message id!", "Bad message subject!", "Invalid message id!"};

// A request that names a record by its id and, with details, by its name.
Steps DeleteNamed(const RecordKind& kind, std::initializer_list<EventStep> otherRequired)
{
    const std::string id = "request." + kind.id;
    const std::string name = "request." + kind.name;
    return Concat({{Parse("request"), Require(id, kind.badId)},
                   otherRequired,
                   {Require(name, kind.badName), RequireNotNull(id, kind.invalidId), AddId(id, "cn1", kind.idLabel),
                    StopWithoutDetails(), AddText(name, "cs1", kind.nameLabel)}});
}

enum NameRule
{
    NameOptional,
    NameRequired,
};

// The record of a request: its id always, its name or description with details.
Steps RecordSteps(const RecordKind& kind, NameRule nameRule, const Steps& details)
{
    const std::string record = "request." + kind.record;
    const std::string id = record + "." + kind.id;
    Steps steps{Parse("request"), Require(record, kind.badRecord), Require(id, kind.badId)};
    if (nameRule == NameRequired) {
        steps.push_back(Require(record + "." + kind.name, kind.badName));
    }
    return Concat(
        {steps, {RequireNotNull(id, kind.invalidId), AddId(id, "cn1", kind.idLabel), StopWithoutDetails()}, details});
}

enum Direction
{
    Inbound = 0,
    Outbound = 1,
};

// Copy, export, paste and print: with details, the direction, the byte count
// and the record's name.
Steps ClipboardSteps(const RecordKind& kind, NameRule nameRule, Direction direction)
{
    return RecordSteps(kind, nameRule,
                       {AddConstant("deviceDirection", direction),
                        AddNumber("request.size", direction == Inbound ? "in" : "out"),
                        AddText("request." + kind.record + "." + kind.name, "cs1", kind.nameLabel)});
}

// With details, the name, else the description: a key keeps its first value,
// so the description only fills "cs1" when the name left it out.
Steps UpdateSteps(const RecordKind& kind, NameRule nameRule)
{
    const std::string record = "request." + kind.record;
    Steps details{AddText(record + "." + kind.name, "cs1", kind.nameLabel)};
    if (!kind.description.empty()) {
        details.push_back(AddText(record + "." + kind.description, "cs1", kind.descriptionLabel));
    }
    return RecordSteps(kind, nameRule, details);
}

enum RequestReading
{
    RequestAlwaysRead,
    RequestReadForDetails,
};

// A new record: its id comes from the reply; with details, its name from the request.
Steps InsertNew(const RecordKind& kind, RequestReading reading)
{
    const std::string id = "reply." + kind.id;
    const std::string record = "request." + kind.record;
    const std::string name = record + "." + kind.name;
    const Steps checkId{Require(id, kind.badId), RequireNotNull(id, kind.invalidId), AddId(id, "cn1", kind.idLabel),
                        StopWithoutDetails()};
    const Steps details{Require(name, kind.badName), AddText(name, "cs1", kind.nameLabel)};
    if (reading == RequestAlwaysRead) {
        return Concat({{Parse("request"), Parse("reply"), Require(record, kind.badRecord)}, checkId, details});
    }
    return Concat({{Parse("reply")}, checkId, {Parse("request"), Require(record, kind.badRecord)}, details});
}

// A document or folder key: the record's id and the user's id always; with
// details, their names, which must then be present.
Steps InsertKey(const RecordKind& kind,
                const std::string& badKey,
                const std::string& badKeyRecord,
                const std::string& badKeyUser)
{
    const std::string key = "request." + kind.record + "_key";
    const std::string record = key + "." + kind.record + "_key_" + kind.record;
    const std::string user = key + "." + kind.record + "_key_user";
    return Concat({{Parse("request"), Require(key, badKey), Require(record, badKeyRecord), Require(user, badKeyUser)},
                   TwoIds({record + "." + kind.id, kind.badId, kind.invalidId, kind.idLabel},
                          {user + ".user_id", "Bad user id!", "Invalid user id!", "userId"}),
                   {StopWithoutDetails(), Require(record + "." + kind.name, kind.badName),
                    Require(user + ".user_last_name", "Bad user last name!"),
                    Require(user + ".user_first_name", "Bad user first name!"),
                    AddText(record + "." + kind.name, "cs1", kind.nameLabel),
                    AddText(user + ".user_last_name", "cs2", "userLastName"),
                    AddText(user + ".user_first_name", "cs3", "userFirstName"),
                    AddText(user + ".user_middle_name", "cs4", "userMiddleName")}});
}

// The ids of every record of a select reply, in the reply's order.
Steps SelectList(const std::string& records, const std::string& id, const std::string& label)
{
    return {Parse("reply"), AddIdList("reply." + records + "." + id, "cs1", label)};
}

EventDescriptor Event(common::Opcode majorOpcode,
                      const char* className,
                      int classId,
                      int severity,
                      common::Evcode logKind,
                      const Message* request,
                      const Message* reply,
                      Steps steps)
{
    return {majorOpcode, className, classId, Severity(severity), logKind, request, reply, std::move(steps), {0, 0, 0}};
}

const std::vector<EventDescriptor>& ReplyEvents()
{
    using namespace zarv::data;
    static const std::vector<EventDescriptor> events{
        // Log-on and log-off: no pairs of their own.
        Event(common::AuthenticateUser, "AuthenticateUserLogEvent", 1, 4, common::AuthenticateUserLogged, nullptr,
              nullptr, {}),
        Event(common::TerminateUserSession, "TerminateUserSessionLogEvent", 54, 4, common::TerminateUserSessionLogged,
              nullptr, nullptr, {}),

        // Deletions: the request names the record.
        Event(common::DeleteDocument, "DeleteDocumentLogEvent", 7, 5, common::DeleteDocumentLogged,
              &DeleteDocumentRequest::default_instance(), nullptr, DeleteNamed(Document, {})),
        Event(common::DeleteFolder, "DeleteFolderLogEvent", 9, 5, common::DeleteFolderLogged,
              &DeleteFolderRequest::default_instance(), nullptr, DeleteNamed(Folder, {})),
        Event(common::DeleteMessageDocument, "DeleteMessageDocumentLogEvent", 14, 5,
              common::DeleteMessageDocumentLogged, &DeleteMessageDocumentRequest::default_instance(), nullptr,
              Concat({{Parse("request")},
                      TwoIds({"request.message_document_message_id", "Bad message document message id!",
                              "Invalid message id!", "messageId"},
                             {"request.message_document_document_id", "Bad message document document id!",
                              "Invalid document id!", "documentId"})})),
        Event(common::DeleteMessage, "DeleteMessageLogEvent", 13, 5, common::DeleteMessageLogged,
              &DeleteMessageRequest::default_instance(), nullptr,
              DeleteNamed(MessageRecord, {Require("request.message_user_id", "Bad message user id!")})),
        Event(common::DeleteMessageUser, "DeleteMessageUserLogEvent", 16, 5, common::DeleteMessageUserLogged,
              &DeleteMessageUserRequest::default_instance(), nullptr,
              Concat({{Parse("request")},
                      TwoIds({"request.message_user_message_id", "Bad message user message id!", "Invalid message id!",
                              "messageId"},
                             {"request.message_user_user_id", "Bad message user user id!", "Invalid user id!",
                              "userId"})})),

        // Insertions.
        Event(common::InsertDocumentKey, "InsertDocumentKeyLogEvent", 25, 4, common::InsertDocumentKeyLogged,
              &InsertDocumentKeyRequest::default_instance(), nullptr,
              InsertKey(Document, "Bad document key!", "Bad document key document!", "Bad document key user!")),
        Event(common::InsertDocument, "InsertDocumentLogEvent", 24, 4, common::InsertDocumentLogged,
              &InsertDocumentRequest::default_instance(), &InsertDocumentReply::default_instance(),
              InsertNew(Document, RequestAlwaysRead)),
        Event(common::InsertFolderKey, "InsertFolderKeyLogEvent", 27, 4, common::InsertFolderKeyLogged,
              &InsertFolderKeyRequest::default_instance(), nullptr,
              InsertKey(Folder, "Bad folder key!", "Bad folder key folder!", "Bad folder key user!")),
        Event(common::InsertFolder, "InsertFolderLogEvent", 26, 4, common::InsertFolderLogged,
              &InsertFolderRequest::default_instance(), &InsertFolderReply::default_instance(),
              InsertNew(Folder, RequestReadForDetails)),
        Event(common::InsertMessageDocument, "InsertMessageDocumentLogEvent", 31, 4,
              common::InsertMessageDocumentLogged, &InsertMessageDocumentRequest::default_instance(), nullptr,
              Concat({{Parse("request"), Require("request.message_document", "Bad message document!")},
                      TwoIds({"request.message_document.message_document_message_id",
                              "Bad message document message id!", "Invalid message id!", "messageId"},
                             {"request.message_document.message_document_document_id",
                              "Bad message document document id!", "Invalid document id!", "documentId"})})),
        Event(common::InsertMessage, "InsertMessageLogEvent", 30, 4, common::InsertMessageLogged,
              &InsertMessageRequest::default_instance(), &InsertMessageReply::default_instance(),
              InsertNew(MessageRecord, RequestReadForDetails)),
        Event(common::InsertMessageUser, "InsertMessageUserLogEvent", 33, 4, common::InsertMessageUserLogged,
              &InsertMessageUserRequest::default_instance(), nullptr,
              Concat({{Parse("request"), Require("request.message", "Bad message user!")},
                      TwoIds({"request.message.message_user_message_id", "Bad message user message id!",
                              "Invalid message id!", "messageId"},
                             {"request.message.message_user_user_id", "Bad message user user id!", "Invalid user id!",
                              "userId"})})),

        // Selections: the ids of every record returned.
        Event(common::SelectDocument, "SelectDocumentLogEvent", 41, 1, common::SelectDocumentLogged, nullptr,
              &SelectDocumentReply::default_instance(), SelectList("document", "document_id", "documentIdList")),
        Event(common::SelectFolder, "SelectFolderLogEvent", 43, 1, common::SelectFolderLogged, nullptr,
              &SelectFolderReply::default_instance(), SelectList("folder", "folder_id", "folderIdList")),
        Event(common::SelectMessage, "SelectMessageLogEvent", 48, 1, common::SelectMessageLogged, nullptr,
              &SelectMessageReply::default_instance(), SelectList("message", "message_id", "messageIdList")),
        Event(common::SelectUser, "SelectUserLogEvent", 52, 1, common::SelectUserLogged, nullptr,
              &SelectUserReply::default_instance(), SelectList("user", "user_id", "userIdList")),

        // Updates: the request's record.
        Event(common::UpdateDocument, "UpdateDocumentLogEvent", 56, 4, common::UpdateDocumentLogged,
              &UpdateDocumentRequest::default_instance(), nullptr, UpdateSteps(Document, NameOptional)),
        Event(common::UpdateFolder, "UpdateFolderLogEvent", 58, 4, common::UpdateFolderLogged,
              &UpdateFolderRequest::default_instance(), nullptr, UpdateSteps(Folder, NameOptional)),
        Event(common::UpdateMessage, "UpdateMessageLogEvent", 62, 4, common::UpdateMessageLogged,
              &UpdateMessageRequest::default_instance(), nullptr, UpdateSteps(MessageRecord, NameRequired)),
    };
    return events;
}

const std::vector<EventDescriptor>& RequestEvents()
{
    using namespace zarv::data;
    static const std::vector<EventDescriptor> events{
        Event(common::LogEventCopyDocumentToClipboard, "CopyDocumentToClipboardLogEvent", 4, 7,
              common::CopyDocumentToClipboardLogged, &LogEventCopyDocumentToClipboardRequest::default_instance(),
              nullptr, ClipboardSteps(Document, NameOptional, Outbound)),
        Event(common::LogEventCopyMessageToClipboard, "CopyMessageToClipboardLogEvent", 5, 7,
              common::CopyMessageToClipboardLogged, &LogEventCopyMessageToClipboardRequest::default_instance(), nullptr,
              ClipboardSteps(MessageRecord, NameOptional, Outbound)),
        Event(common::LogEventExportDocumentToPdfFile, "ExportDocumentToPdfFileLogEvent", 19, 7,
              common::ExportDocumentToPdfFileLogged, &LogEventExportDocumentToPdfFileRequest::default_instance(),
              nullptr, ClipboardSteps(Document, NameRequired, Outbound)),
        Event(common::LogEventExportDocumentToTextFile, "ExportDocumentToTextFileLogEvent", 20, 7,
              common::ExportDocumentToTextFileLogged, &LogEventExportDocumentToTextFileRequest::default_instance(),
              nullptr, ClipboardSteps(Document, NameRequired, Outbound)),
        Event(common::LogEventExportMessageToPdfFile, "ExportMessageToPdfFileLogEvent", 21, 7,
              common::ExportMessageToPdfFileLogged, &LogEventExportMessageToPdfFileRequest::default_instance(), nullptr,
              ClipboardSteps(MessageRecord, NameRequired, Outbound)),
        Event(common::LogEventExportMessageToTextFile, "ExportMessageToTextFileLogEvent", 22, 7,
              common::ExportMessageToTextFileLogged, &LogEventExportMessageToTextFileRequest::default_instance(),
              nullptr, ClipboardSteps(MessageRecord, NameRequired, Outbound)),
        Event(common::LogEventPasteDocumentFromClipboard, "PasteDocumentFromClipboardLogEvent", 36, 2,
              common::PasteDocumentFromClipboardLogged, &LogEventPasteDocumentFromClipboardRequest::default_instance(),
              nullptr, ClipboardSteps(Document, NameRequired, Inbound)),
        Event(common::LogEventPasteMessageFromClipboard, "PasteMessageFromClipboardLogEvent", 37, 2,
              common::PasteMessageFromClipboardLogged, &LogEventPasteMessageFromClipboardRequest::default_instance(),
              nullptr, ClipboardSteps(MessageRecord, NameRequired, Inbound)),
        Event(common::LogEventPrintDocument, "PrintDocumentLogEvent", 38, 7, common::PrintDocumentLogged,
              &LogEventPrintDocumentRequest::default_instance(), nullptr,
              ClipboardSteps(Document, NameRequired, Outbound)),
        Event(common::LogEventPrintMessage, "PrintMessageLogEvent", 39, 7, common::PrintMessageLogged,
              &LogEventPrintMessageRequest::default_instance(), nullptr,
              ClipboardSteps(MessageRecord, NameRequired, Outbound)),
    };
    return events;
}

const EventDescriptor* Find(const std::vector<EventDescriptor>& events, common::Opcode majorOpcode)
{
    for (const EventDescriptor& event : events) {
        if (event.majorOpcode == majorOpcode) {
            return &event;
        }
    }
    return nullptr;
}

}  // namespace

const EventDescriptor* FindReplyEvent(common::Opcode majorOpcode)
{
    return Find(ReplyEvents(), majorOpcode);
}

const EventDescriptor* FindRequestEvent(common::Opcode majorOpcode)
{
    return Find(RequestEvents(), majorOpcode);
}

}  // namespace cef
