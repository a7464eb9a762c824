<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MessageReaderView</name>
    <message>
        <source>ExportToTextFile</source>
        <translation>Export to Text File...</translation>
    </message>
    <message>
        <source>ExportToPdfFile</source>
        <translation>Export to PDF File...</translation>
    </message>
    <message>
        <source>ReplyTo</source>
        <translation>Reply...</translation>
    </message>
    <message>
        <source>ReplyToAll</source>
        <translation>Reply to All...</translation>
    </message>
    <message>
        <source>ForwardTo</source>
        <translation>Forward...</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Subject:</translation>
    </message>
    <message>
        <source>AddresseeToolbar</source>
        <translation>Addressee Toolbar</translation>
    </message>
    <message>
        <source>HandleSelectDocumentKeyFailureText</source>
        <translation>Access denied: %1</translation>
    </message>
    <message>
        <source>HandleSelectDocumentKeyFailureInformativeText</source>
        <translation>You do not have a document key for this document (&apos;%1&apos;). In order for you to have access to this document, the owner of &apos;%1&apos; must create a document key for you.</translation>
    </message>
</context>
</TS>
