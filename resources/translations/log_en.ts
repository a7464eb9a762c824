<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClientLogEvent</name>
    <message>
        <source>documentDescription</source>
        <translation>documentDescription</translation>
    </message>
    <message>
        <source>documentId</source>
        <translation>documentId</translation>
    </message>
    <message>
        <source>documentIdList</source>
        <translation>documentIdList</translation>
    </message>
    <message>
        <source>documentName</source>
        <translation>documentName</translation>
    </message>
    <message>
        <source>folderDescription</source>
        <translation>folderDescription</translation>
    </message>
    <message>
        <source>folderId</source>
        <translation>folderId</translation>
    </message>
    <message>
        <source>folderIdList</source>
        <translation>folderIdList</translation>
    </message>
    <message>
        <source>folderName</source>
        <translation>folderName</translation>
    </message>
    <message>
        <source>messageId</source>
        <translation>messageId</translation>
    </message>
    <message>
        <source>messageIdList</source>
        <translation>messageIdList</translation>
    </message>
    <message>
        <source>messageSubject</source>
        <translation>messageSubject</translation>
    </message>
    <message>
        <source>userFirstName</source>
        <translation>userFirstName</translation>
    </message>
    <message>
        <source>userId</source>
        <translation>userId</translation>
    </message>
    <message>
        <source>userIdList</source>
        <translation>userIdList</translation>
    </message>
    <message>
        <source>userLastName</source>
        <translation>userLastName</translation>
    </message>
    <message>
        <source>userMiddleName</source>
        <translation>userMiddleName</translation>
    </message>
</context>
<context>
    <name>ReplyLogEvent</name>
    <message>
        <source>DatabaseExecuteStatementErMsg</source>
        <translation>database execute statement error</translation>
    </message>
    <message>
        <source>DatabasePrepareStatementErMsg</source>
        <translation>database prepare statement error</translation>
    </message>
    <message>
        <source>DatabaseRuntimeErMsg</source>
        <translation>Database runtime error message.</translation>
    </message>
    <message>
        <source>ProtoParseFromStringErMsg</source>
        <translation>proto parse from string error</translation>
    </message>
    <message>
        <source>ProtoSerializeToStringErMsg</source>
        <translation>proto serialize to string error</translation>
    </message>
    <message>
        <source>ServiceBadDocumentIdErMsg</source>
        <translation>service bad document id error</translation>
    </message>
    <message>
        <source>ServiceBadDocumentKeyIdErMsg</source>
        <translation>service bad document key id error</translation>
    </message>
    <message>
        <source>ServiceBadDocumentSysEndErMsg</source>
        <translation>service bad document sys end error</translation>
    </message>
    <message>
        <source>ServiceBadFolderIdErMsg</source>
        <translation>service bad folder id error</translation>
    </message>
    <message>
        <source>ServiceBadFolderKeyIdErMsg</source>
        <translation>service bad folder key id error</translation>
    </message>
    <message>
        <source>ServiceBadGroupIdErMsg</source>
        <translation>service bad group id error</translation>
    </message>
    <message>
        <source>ServiceBadGroupKeyIdErMsg</source>
        <translation>service bad group key id error</translation>
    </message>
    <message>
        <source>ServiceBadIdErMsg</source>
        <translation>service bad id error</translation>
    </message>
    <message>
        <source>ServiceBadMessageDocumentDocumentIdErMsg</source>
        <translation>service bad message document document id error</translation>
    </message>
    <message>
        <source>ServiceBadMessageDocumentMessageIdErMsg</source>
        <translation>service bad message document message id error</translation>
    </message>
    <message>
        <source>ServiceBadMessageFolderIdErMsg</source>
        <translation>service bad message folder id error</translation>
    </message>
    <message>
        <source>ServiceBadMessageFolderNameErMsg</source>
        <translation>service bad message folder name error</translation>
    </message>
    <message>
        <source>ServiceBadMessageFolderParentIdErMsg</source>
        <translation>service bad message folder parent id error</translation>
    </message>
    <message>
        <source>ServiceBadMessageFolderUserIdErMsg</source>
        <translation>service bad message folder user id error</translation>
    </message>
    <message>
        <source>ServiceBadMessageIdErMsg</source>
        <translation>service bad message id error</translation>
    </message>
    <message>
        <source>ServiceBadMessageSubjectErMsg</source>
        <translation>service bad message subject error</translation>
    </message>
    <message>
        <source>ServiceBadMessageTimeDifferentialErMsg</source>
        <translation>service bad message time differential error</translation>
    </message>
    <message>
        <source>ServiceBadMessageUserIdErMsg</source>
        <translation>service bad message user id error</translation>
    </message>
    <message>
        <source>ServiceBadMessageUserMessageIdErMsg</source>
        <translation>service bad message user message id error</translation>
    </message>
    <message>
        <source>ServiceBadMessageUserUserIdErMsg</source>
        <translation>service bad message user user id error</translation>
    </message>
    <message>
        <source>ServiceBadNameErMsg</source>
        <translation>service bad name error</translation>
    </message>
    <message>
        <source>ServiceBadPasswordErMsg</source>
        <translation>service bad password error</translation>
    </message>
    <message>
        <source>ServiceBadSequenceValueErMsg</source>
        <translation>service bad sequence value error</translation>
    </message>
    <message>
        <source>ServiceBadServerTimezoneErMsg</source>
        <translation>service bad server time zone error</translation>
    </message>
    <message>
        <source>ServiceBadSessionIdErMsg</source>
        <translation>service bad session id error</translation>
    </message>
    <message>
        <source>ServiceBadUserGroupGroupIdErMsg</source>
        <translation>service bad user group group id error</translation>
    </message>
    <message>
        <source>ServiceBadUserGroupIdErMsg</source>
        <translation>service bad user group id error</translation>
    </message>
    <message>
        <source>ServiceBadUserIdErMsg</source>
        <translation>service bad user id error</translation>
    </message>
    <message>
        <source>ServiceCannotAllocateMessageBlockErMsg</source>
        <translation>service cannot allocate message block error</translation>
    </message>
    <message>
        <source>ServiceDecryptionAuthenticationErMsg</source>
        <translation>service decryption authentication error</translation>
    </message>
    <message>
        <source>ServiceEncryptionAuthenticationErMsg</source>
        <translation>service encryption authentication error</translation>
    </message>
    <message>
        <source>ServiceInsertSessionRecordErMsg</source>
        <translation>service insert session record error</translation>
    </message>
    <message>
        <source>ServiceInvalidMajorProtocolErMsg</source>
        <translation>service invalid major protocol error</translation>
    </message>
    <message>
        <source>ServiceInvalidMinorProtocolErMsg</source>
        <translation>service invalid minor protocol error</translation>
    </message>
    <message>
        <source>ServiceNoDataFoundErMsg</source>
        <translation>service no data found error</translation>
    </message>
    <message>
        <source>ServiceNoUserFoundErMsg</source>
        <translation>service no user found error</translation>
    </message>
    <message>
        <source>ServiceVerifyMessageDatabaseErMsg</source>
        <translation>service verify message database error</translation>
    </message>
    <message>
        <source>UnknownErMsg</source>
        <translation>unknown error</translation>
    </message>
</context>
<context>
    <name>AuthenticateUserLogEvent</name>
    <message>
        <source>Name</source>
        <translation>authenticate user</translation>
    </message>
</context>
<context>
    <name>CopyDocumentToClipboardLogEvent</name>
    <message>
        <source>Name</source>
        <translation>copy document to clipboard</translation>
    </message>
</context>
<context>
    <name>CopyMessageToClipboardLogEvent</name>
    <message>
        <source>Name</source>
        <translation>copy message to clipboard</translation>
    </message>
</context>
<context>
    <name>DeleteDocumentLogEvent</name>
    <message>
        <source>Name</source>
        <translation>delete document</translation>
    </message>
</context>
<context>
    <name>DeleteFolderLogEvent</name>
    <message>
        <source>Name</source>
        <translation>delete folder</translation>
    </message>
</context>
<context>
    <name>DeleteMessageDocumentLogEvent</name>
    <message>
        <source>Name</source>
        <translation>delete message document</translation>
    </message>
</context>
<context>
    <name>DeleteMessageLogEvent</name>
    <message>
        <source>Name</source>
        <translation>delete message</translation>
    </message>
</context>
<context>
    <name>DeleteMessageUserLogEvent</name>
    <message>
        <source>Name</source>
        <translation>delete message user</translation>
    </message>
</context>
<context>
    <name>ExportDocumentToPdfFileLogEvent</name>
    <message>
        <source>Name</source>
        <translation>export document to pdf file</translation>
    </message>
</context>
<context>
    <name>ExportDocumentToTextFileLogEvent</name>
    <message>
        <source>Name</source>
        <translation>export document to text file</translation>
    </message>
</context>
<context>
    <name>ExportMessageToPdfFileLogEvent</name>
    <message>
        <source>Name</source>
        <translation>export message to pdf file</translation>
    </message>
</context>
<context>
    <name>ExportMessageToTextFileLogEvent</name>
    <message>
        <source>Name</source>
        <translation>export message to text file</translation>
    </message>
</context>
<context>
    <name>InsertDocumentKeyLogEvent</name>
    <message>
        <source>Name</source>
        <translation>insert document key</translation>
    </message>
</context>
<context>
    <name>InsertDocumentLogEvent</name>
    <message>
        <source>Name</source>
        <translation>insert document</translation>
    </message>
</context>
<context>
    <name>InsertFolderKeyLogEvent</name>
    <message>
        <source>Name</source>
        <translation>insert folder key</translation>
    </message>
</context>
<context>
    <name>InsertFolderLogEvent</name>
    <message>
        <source>Name</source>
        <translation>insert folder</translation>
    </message>
</context>
<context>
    <name>InsertMessageDocumentLogEvent</name>
    <message>
        <source>Name</source>
        <translation>insert message document</translation>
    </message>
</context>
<context>
    <name>InsertMessageLogEvent</name>
    <message>
        <source>Name</source>
        <translation>insert message</translation>
    </message>
</context>
<context>
    <name>InsertMessageUserLogEvent</name>
    <message>
        <source>Name</source>
        <translation>insert message user</translation>
    </message>
</context>
<context>
    <name>PasteDocumentFromClipboardLogEvent</name>
    <message>
        <source>Name</source>
        <translation>paste document from clipboard</translation>
    </message>
</context>
<context>
    <name>PasteMessageFromClipboardLogEvent</name>
    <message>
        <source>Name</source>
        <translation>paste message from clipboard</translation>
    </message>
</context>
<context>
    <name>PrintDocumentLogEvent</name>
    <message>
        <source>Name</source>
        <translation>print document</translation>
    </message>
</context>
<context>
    <name>PrintMessageLogEvent</name>
    <message>
        <source>Name</source>
        <translation>print message</translation>
    </message>
</context>
<context>
    <name>SelectDocumentLogEvent</name>
    <message>
        <source>Name</source>
        <translation>select document</translation>
    </message>
</context>
<context>
    <name>SelectFolderLogEvent</name>
    <message>
        <source>Name</source>
        <translation>select folder</translation>
    </message>
</context>
<context>
    <name>SelectMessageLogEvent</name>
    <message>
        <source>Name</source>
        <translation>select message</translation>
    </message>
</context>
<context>
    <name>SelectUserLogEvent</name>
    <message>
        <source>Name</source>
        <translation>select user</translation>
    </message>
</context>
<context>
    <name>TerminateUserSessionLogEvent</name>
    <message>
        <source>Name</source>
        <translation>terminate user session</translation>
    </message>
</context>
<context>
    <name>UpdateDocumentLogEvent</name>
    <message>
        <source>Name</source>
        <translation>update document</translation>
    </message>
</context>
<context>
    <name>UpdateFolderLogEvent</name>
    <message>
        <source>Name</source>
        <translation>update folder</translation>
    </message>
</context>
<context>
    <name>UpdateMessageLogEvent</name>
    <message>
        <source>Name</source>
        <translation>update message</translation>
    </message>
</context>
</TS>
