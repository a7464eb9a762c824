<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MessageEditorView</name>
    <message>
        <source>Attach</source>
        <translation>Attach</translation>
    </message>
    <message>
        <source>AttachDocument</source>
        <translation>Document...</translation>
    </message>
    <message>
        <source>VerifyDocumentKeys</source>
        <translation>Verify Document Keys...</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To...</translation>
    </message>
    <message>
        <source>Cc</source>
        <translation>Cc...</translation>
    </message>
    <message>
        <source>Bcc</source>
        <translation>Bcc...</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Subject...</translation>
    </message>
    <message>
        <source>AddDocument</source>
        <translation>Add Document&lt;p&gt;&lt;small&gt;Attach document to message.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>RemoveDocument</source>
        <translation>Remove Document&lt;p&gt;&lt;small&gt;Remove document attachment.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>VerifyDocuments</source>
        <translation>Verify Documents&lt;p&gt;&lt;small&gt;Verify documents have document keys for message recipients.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>AddresseeToolbar</source>
        <translation>Addressee Toolbar</translation>
    </message>
    <message>
        <source>CreateDocumentKeysForMessageUsersConfirmationWindowTitle</source>
        <translation>Create Document Keys</translation>
    </message>
    <message>
        <source>CreateDocumentKeysForMessageUsersConfirmation</source>
        <translation>One or more users to whom this message is addressed lack document keys for the attached document specified below.&lt;br&gt;&lt;br&gt;Do you want to create document keys for these users that will allow them to access the following attached document:</translation>
    </message>
    <message>
        <source>AllDocumentKeysVerifiedWindowTitle</source>
        <translation>Verify Document Keys</translation>
    </message>
    <message>
        <source>AllDocumentKeysVerified</source>
        <translation>All document keys have been verified.</translation>
    </message>
    <message>
        <source>MessageContainsExcessCharacters</source>
        <translation>The message contains %1 excess characters.&lt;br /&gt;Please delete at least %1 characters.</translation>
    </message>
    <message>
        <source>EditMessageInputDialog</source>
        <translation>Edit Message Input Dialog</translation>
    </message>
    <message>
        <source>MessageSubject:</source>
        <translation>Message Subject:</translation>
    </message>
    <message>
        <source>DeleteMessageDialogTitle</source>
        <translation>Delete Message</translation>
    </message>
    <message>
        <source>DeleteMessageDialogText</source>
        <translation>Are you sure you want to delete this message?</translation>
    </message>
    <message>
        <source>DeleteMessageWarning</source>
        <translation>This message is part of a message chain and cannot be deleted at this time.</translation>
    </message>
    <message>
        <source>DoYouWantToSaveChangesYouMadeTo</source>
        <translation>Do you want to save changes you made to</translation>
    </message>
    <message>
        <source>QuestionMark</source>
        <translation>?</translation>
    </message>
    <message>
        <source>ChangesNotSaved</source>
        <translation>The changes to %1 were not saved.</translation>
    </message>
    <message>
        <source>ServerRefusedChanges</source>
        <translation>The server refused them (code %1).</translation>
    </message>
</context>
</TS>
