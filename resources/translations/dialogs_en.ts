<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CreateGroupDialog</name>
    <message>
        <source>GroupName</source>
        <translation>Group name:</translation>
    </message>
    <message>
        <source>GroupDescription</source>
        <translation>Group description:</translation>
    </message>
    <message>
        <source>CreateGroupDialogWindowTitle</source>
        <translation>Create Group</translation>
    </message>
</context>
<context>
    <name>EditGroupDialog</name>
    <message>
        <source>EditGroupDialogWindowTitle</source>
        <translation>Edit Group</translation>
    </message>
</context>
<context>
    <name>DocumentRevisionDialog</name>
    <message>
        <source>WindowTitle</source>
        <translation>Document &apos;%1&apos; (revision %2)</translation>
    </message>
</context>
<context>
    <name>PictureDirectoriesDialog</name>
    <message>
        <source>Add</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>PictureDirectoriesDialogTitle</source>
        <translation>Picture Directories</translation>
    </message>
    <message>
        <source>SelectPictureDirectory</source>
        <translation>Select Picture Directory</translation>
    </message>
    <message>
        <source>EditDirectoryDialogTitle</source>
        <translation>Edit Directory Name</translation>
    </message>
    <message>
        <source>EditDirectoryDialogLabel</source>
        <translation>Edit the name of the picture directory:</translation>
    </message>
    <message>
        <source>DirectoryDoesNotExistDialogTitle</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>DirectoryDoesNotExist</source>
        <translation>You have entered the name of a directory that does not currently exist.</translation>
    </message>
</context>
</TS>
