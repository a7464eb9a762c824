#pragma once

// The numbers that choose every request, reply and event. Positive operation
// codes and the error codes are shared with the server; negative operation
// codes and every event code stay in the client. The three types are plain
// integers: any value can travel, and code that meets a value it does not name
// passes it on or ignores it.

namespace common {

using Opcode = int;
using Ercode = int;
using Evcode = int;

// Result of a frame or channel operation that failed.
constexpr int Error = -1;

// Operation codes: no operation.
constexpr Opcode Untagged = 1;
constexpr Opcode UnsetOpcode = 2;

// Server operations.
constexpr Opcode AuthenticateUser = 3;
constexpr Opcode TerminateUserSession = 4;
constexpr Opcode DeleteDocumentKey = 6;
constexpr Opcode DeleteDocument = 7;
constexpr Opcode DeleteDocumentWebpage = 8;
constexpr Opcode DeleteFolderKey = 9;
constexpr Opcode DeleteFolder = 10;
constexpr Opcode DeleteMessageDocument = 13;
constexpr Opcode DeleteMessageFolder = 14;
constexpr Opcode DeleteMessage = 15;
constexpr Opcode DeleteMessageUser = 16;
constexpr Opcode DeleteUserGroup = 17;
constexpr Opcode DeleteUserGroupUser = 18;
constexpr Opcode InsertDictionary = 20;
constexpr Opcode InsertDocumentKey = 21;
constexpr Opcode InsertDocument = 22;
constexpr Opcode InsertDocumentWebpage = 23;
constexpr Opcode InsertFolderKey = 24;
constexpr Opcode InsertFolder = 25;
constexpr Opcode InsertMessageDocument = 28;
constexpr Opcode InsertMessageFolder = 29;
constexpr Opcode InsertMessage = 30;
constexpr Opcode InsertMessageUser = 31;
constexpr Opcode InsertUserGroup = 32;
constexpr Opcode InsertUserGroupUser = 33;
constexpr Opcode SelectDictionary = 35;
constexpr Opcode SelectDocumentKey = 36;
constexpr Opcode SelectDocument = 37;
constexpr Opcode SelectDocumentWebpage = 38;
constexpr Opcode SelectFolderKey = 39;
constexpr Opcode SelectFolder = 40;
constexpr Opcode SelectGroupKey = 41;
constexpr Opcode SelectMessageDocument = 44;
constexpr Opcode SelectMessageFolder = 45;
constexpr Opcode SelectMessage = 46;
constexpr Opcode SelectMessageUser = 47;
constexpr Opcode SelectUserGroup = 48;
constexpr Opcode SelectUserGroupUser = 49;
constexpr Opcode SelectUser = 50;
constexpr Opcode UpdateDocumentKey = 52;
constexpr Opcode UpdateDocument = 53;
constexpr Opcode UpdateDocumentWebpage = 54;
constexpr Opcode UpdateFolderKey = 55;
constexpr Opcode UpdateFolder = 56;
constexpr Opcode UpdateMessageFolder = 60;
constexpr Opcode UpdateMessage = 61;
constexpr Opcode UpdateMessageUser = 62;
constexpr Opcode UpdateUserGroup = 63;
constexpr Opcode UpdateUser = 65;

// Client requests: they never leave the client.
constexpr Opcode LogEventCopyDocumentToClipboard = -12;
constexpr Opcode LogEventCopyMessageToClipboard = -13;
constexpr Opcode LogEventExportDocumentToPdfFile = -14;
constexpr Opcode LogEventExportDocumentToTextFile = -15;
constexpr Opcode LogEventExportMessageToPdfFile = -16;
constexpr Opcode LogEventExportMessageToTextFile = -17;
constexpr Opcode LogEventPasteDocumentFromClipboard = -18;
constexpr Opcode LogEventPasteMessageFromClipboard = -19;
constexpr Opcode LogEventPrintDocument = -20;
constexpr Opcode LogEventPrintMessage = -21;
constexpr Opcode OpenDocumentBrowserView = -26;
constexpr Opcode OpenDocumentKeysView = -27;
constexpr Opcode OpenFolderKeysView = -28;
constexpr Opcode OpenMessageBrowserView = -29;
constexpr Opcode OpenUserGroupBrowserView = -31;
constexpr Opcode OpenMessageEditorView = -41;
constexpr Opcode OpenMessageReaderView = -43;
constexpr Opcode StartClock = -53;
constexpr Opcode StopClock = -54;
constexpr Opcode ApplyDocumentEditorOptions = -57;

// Purpose tags: minor codes of server requests, echoed in their replies.
// OpenDocumentKeysView (-27) and OpenFolderKeysView (-28) serve as tags too.
constexpr Opcode CloseDocumentEditorView = -1;
constexpr Opcode CloseMessageEditorView = -2;
constexpr Opcode ShowRevision = -4;
constexpr Opcode ListDocumentKeys = -5;
constexpr Opcode ListFolderKeys = -6;
constexpr Opcode MoveDocument = -22;
constexpr Opcode MoveFolder = -23;
constexpr Opcode MoveMessage = -25;
constexpr Opcode DisableEmphasizeName = -33;
constexpr Opcode OpenDocumentKeyringView = -34;
constexpr Opcode OpenDocumentEditorView = -35;
constexpr Opcode OpenFolderKey = -36;
constexpr Opcode OpenFolderKeyringView = -37;
constexpr Opcode ListFolderContents = -38;
constexpr Opcode RedescribeDocument = -45;
constexpr Opcode RedescribeFolder = -46;
constexpr Opcode RenameDocument = -48;
constexpr Opcode RenameFolder = -49;
constexpr Opcode RestoreDocument = -51;
constexpr Opcode RevisionHistory = -52;

// Events.
constexpr Evcode ApplicationStarted = -1;
constexpr Evcode ClockTicked = -3;
constexpr Evcode EventLogged = -32;
constexpr Evcode DocumentEditorOptionsChanged = -47;

// Log kinds: minor codes of EventLogged.
constexpr Evcode AuthenticateUserLogged = -2;
constexpr Evcode CopyDocumentToClipboardLogged = -6;
constexpr Evcode CopyMessageToClipboardLogged = -7;
constexpr Evcode DeleteDocumentLogged = -8;
constexpr Evcode DeleteFolderLogged = -11;
constexpr Evcode DeleteMessageDocumentLogged = -14;
constexpr Evcode DeleteMessageLogged = -15;
constexpr Evcode DeleteMessageUserLogged = -16;
constexpr Evcode ExportDocumentToPdfFileLogged = -18;
constexpr Evcode ExportDocumentToTextFileLogged = -19;
constexpr Evcode ExportMessageToPdfFileLogged = -20;
constexpr Evcode ExportMessageToTextFileLogged = -21;
constexpr Evcode InsertDocumentLogged = -22;
constexpr Evcode InsertDocumentKeyLogged = -23;
constexpr Evcode InsertFolderLogged = -24;
constexpr Evcode InsertFolderKeyLogged = -25;
constexpr Evcode InsertMessageDocumentLogged = -28;
constexpr Evcode InsertMessageLogged = -29;
constexpr Evcode InsertMessageUserLogged = -30;
constexpr Evcode PasteDocumentFromClipboardLogged = -33;
constexpr Evcode PasteMessageFromClipboardLogged = -34;
constexpr Evcode PrintDocumentLogged = -35;
constexpr Evcode PrintMessageLogged = -36;
constexpr Evcode SelectDocumentLogged = -37;
constexpr Evcode SelectFolderLogged = -39;
constexpr Evcode SelectMessageLogged = -43;
constexpr Evcode SelectUserLogged = -44;
constexpr Evcode TerminateUserSessionLogged = -45;
constexpr Evcode UpdateDocumentLogged = -48;
constexpr Evcode UpdateFolderLogged = -52;
constexpr Evcode UpdateMessageLogged = -60;

// Error codes: the major error code of a reply.
constexpr Ercode ServiceNoReplyEr = -1;
constexpr Ercode NoEr = 0;
constexpr Ercode UnsetEr = 1;
constexpr Ercode DatabaseConnectionEr = 3;
constexpr Ercode DatabaseExecuteStatementEr = 4;
constexpr Ercode DatabaseInvalidArgumentEr = 5;
constexpr Ercode DatabaseNullPointerEr = 6;
constexpr Ercode DatabasePrepareStatementEr = 7;
constexpr Ercode DatabaseRuntimeEr = 8;
constexpr Ercode ProtoParseFromStringEr = 9;
constexpr Ercode ProtoSerializeToStringEr = 10;
constexpr Ercode ServiceBadDocumentIdEr = 15;
constexpr Ercode ServiceBadDocumentKeyIdEr = 19;
constexpr Ercode ServiceBadDocumentSysEndEr = 22;
constexpr Ercode ServiceBadFolderIdEr = 26;
constexpr Ercode ServiceBadFolderKeyIdEr = 30;
constexpr Ercode ServiceBadGroupIdEr = 35;
constexpr Ercode ServiceBadGroupKeyIdEr = 39;
constexpr Ercode ServiceBadIdEr = 44;
constexpr Ercode ServiceBadMessageDocumentDocumentIdEr = 46;
constexpr Ercode ServiceBadMessageDocumentMessageIdEr = 47;
constexpr Ercode ServiceBadMessageFolderIdEr = 50;
constexpr Ercode ServiceBadMessageFolderNameEr = 51;
constexpr Ercode ServiceBadMessageFolderParentIdEr = 52;
constexpr Ercode ServiceBadMessageFolderUserIdEr = 53;
constexpr Ercode ServiceBadMessageIdEr = 54;
constexpr Ercode ServiceBadMessageSubjectEr = 55;
constexpr Ercode ServiceBadMessageTimeDifferentialEr = 56;
constexpr Ercode ServiceBadMessageUserIdEr = 58;
constexpr Ercode ServiceBadMessageUserMessageIdEr = 59;
constexpr Ercode ServiceBadMessageUserUserIdEr = 60;
constexpr Ercode ServiceBadNameEr = 62;
constexpr Ercode ServiceBadPasswordEr = 63;
constexpr Ercode ServiceBadSequenceValueEr = 64;
constexpr Ercode ServiceBadServerTimezoneEr = 65;
constexpr Ercode ServiceBadSessionIdEr = 66;
constexpr Ercode ServiceBadUserGroupGroupIdEr = 72;
constexpr Ercode ServiceBadUserGroupIdEr = 73;
constexpr Ercode ServiceBadUserIdEr = 74;
constexpr Ercode ServiceCannotAllocateMessageBlockEr = 79;
constexpr Ercode ServiceDecryptionAuthenticationEr = 80;
constexpr Ercode ServiceEncryptionAuthenticationEr = 81;
constexpr Ercode ServiceInsertSessionRecordEr = 82;
constexpr Ercode ServiceInvalidMajorProtocolEr = 84;
constexpr Ercode ServiceInvalidMinorProtocolEr = 85;
constexpr Ercode ServiceNoDataFoundEr = 88;
constexpr Ercode ServiceNoUserFoundEr = 90;
constexpr Ercode ServiceVerifyMessageDatabaseEr = 92;

// Packed SQLSTATEs of SQLDiagRec.sqlc: six bits per character, the first
// character in the lowest bits.
constexpr int PackSqlState(const char (&state)[6])
{
    int packed = 0;
    for (int i = 0; i < 5; ++i) {
        packed += ((state[i] - '0') & 63) << (6 * i);
    }
    return packed;
}

constexpr int UniqueViolation = PackSqlState("23505");
constexpr int ForeignKeyViolation = PackSqlState("23503");
static_assert(UniqueViolation == 0x050050C2, "SQLSTATE 23505 packs to 0x050050C2");
static_assert(ForeignKeyViolation == 0x030050C2, "SQLSTATE 23503 packs to 0x030050C2");

}  // namespace common
