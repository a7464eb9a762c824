<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SearchTableView</name>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>AddSearchCriteria</source>
        <translation>Add search criteria</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>DeleteSearchCriteria</source>
        <translation>Delete search criteria</translation>
    </message>
</context>
<context>
    <name>DocumentSearchEditor</name>
    <message>
        <source>DocumentName</source>
        <translation>Document name</translation>
    </message>
    <message>
        <source>DocumentContent</source>
        <translation>Document content</translation>
    </message>
    <message>
        <source>DocumentCreationDate</source>
        <translation>Document creation date</translation>
    </message>
    <message>
        <source>DocumentModificationDate</source>
        <translation>Document modification date</translation>
    </message>
</context>
<context>
    <name>MessageSearchEditor</name>
    <message>
        <source>MessageFrom</source>
        <translation>Message from</translation>
    </message>
    <message>
        <source>MessageSubject</source>
        <translation>Message subject</translation>
    </message>
    <message>
        <source>MessageContent</source>
        <translation>Message content</translation>
    </message>
    <message>
        <source>MessageCreationDate</source>
        <translation>Message creation date</translation>
    </message>
    <message>
        <source>MessageModificationDate</source>
        <translation>Message modification date</translation>
    </message>
</context>
<context>
    <name>DocumentSearchDialog</name>
    <message>
        <source>DocumentName</source>
        <translation>Document Name</translation>
    </message>
</context>
<context>
    <name>FolderDocumentSearchDialog</name>
    <message>
        <source>WindowTitle</source>
        <translation>Search for Documents in '%1'</translation>
    </message>
    <message>
        <source>SearchSubfolders</source>
        <translation>Search subfolders</translation>
    </message>
</context>
<context>
    <name>FolderKeyDocumentSearchDialog</name>
    <message>
        <source>WindowTitle</source>
        <translation>Search for Documents in '%1'</translation>
    </message>
    <message>
        <source>SearchSubfolders</source>
        <translation>Search subfolders</translation>
    </message>
</context>
<context>
    <name>MessageSearchDialog</name>
    <message>
        <source>WindowTitle</source>
        <translation>Search for Messages</translation>
    </message>
    <message>
        <source>MessageFrom</source>
        <translation>Message From</translation>
    </message>
    <message>
        <source>MessageSubject</source>
        <translation>Message Subject</translation>
    </message>
</context>
<context>
    <name>SearchExchange</name>
    <message>
        <source>RequestNotSent</source>
        <translation>The search could not be sent.</translation>
    </message>
    <message>
        <source>UnreadableReply</source>
        <translation>The server's reply could not be read.</translation>
    </message>
</context>
</TS>
