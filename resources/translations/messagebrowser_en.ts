<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MessageBrowserView</name>
    <message>
        <source>MessageBrowserWindowTitle</source>
        <translation>Message Browser</translation>
    </message>
    <message>
        <source>NewMessageFolder</source>
        <translation>Message Folder...</translation>
    </message>
    <message>
        <source>NewMessage</source>
        <translation>Message...</translation>
    </message>
    <message>
        <source>EditMessageFolder</source>
        <translation>Edit Message Folder...</translation>
    </message>
    <message>
        <source>EditMessage</source>
        <translation>Edit Message...</translation>
    </message>
    <message>
        <source>DeleteMessageFolder</source>
        <translation>Delete Message Folder...</translation>
    </message>
    <message>
        <source>DeleteMessage</source>
        <translation>Delete Message...</translation>
    </message>
    <message>
        <source>SearchMessages</source>
        <translation>Search Messages...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ViewRefreshStatusTip</source>
        <translation>Refresh the contents of the message browser.</translation>
    </message>
    <message>
        <source>ViewPermissionsStatusTip</source>
        <translation>View the permissions of the messages.</translation>
    </message>
    <message>
        <source>NewMessageFolderToolTip</source>
        <translation>New Message Folder&lt;p&gt;&lt;small&gt;Create a new message folder.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>NewMessageToolTip</source>
        <translation>New Message&lt;p&gt;&lt;small&gt;Create a new message.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>EditMessageFolderToolTip</source>
        <translation>Edit Message Folder&lt;p&gt;&lt;small&gt;Edit the message folder.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>EditMessageToolTip</source>
        <translation>Edit Message&lt;p&gt;&lt;small&gt;Edit the message.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DeleteMessageFolderToolTip</source>
        <translation>Delete Message Folder&lt;p&gt;&lt;small&gt;Delete the message folder and its contents.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DeleteMessageToolTip</source>
        <translation>Delete the message.</translation>
    </message>
    <message>
        <source>NewMessageFolderInputDialog</source>
        <translation>New Message Folder</translation>
    </message>
    <message>
        <source>EditMessageFolderInputDialog</source>
        <translation>Edit Message Folder</translation>
    </message>
    <message>
        <source>MessageFolderName</source>
        <translation>Message folder name:</translation>
    </message>
    <message>
        <source>DeleteMessageFolderDialogTitle</source>
        <translation>Delete Message</translation>
    </message>
    <message>
        <source>DeleteMessageFolderDialogText</source>
        <translation>Are you sure you want to delete this folder?</translation>
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
        <source>SaveModifiedPermissionsConfirmationWindowTitle</source>
        <translation>Save Permissions</translation>
    </message>
    <message>
        <source>SaveModifiedPermissionsConfirmation</source>
        <translation>Save permissions?</translation>
    </message>
    <message>
        <source>CannotDeleteNonEmptyMessageFolder</source>
        <translation>You cannot delete a non-empty message folder.</translation>
    </message>
    <message>
        <source>CannotDeleteReferencedMessage</source>
        <translation>You cannot delete a referenced message.</translation>
    </message>
    <message>
        <source>PermissionsNotSaved</source>
        <translation>The permissions could not be saved. The window stays open with your changes.</translation>
    </message>
</context>
<context>
    <name>MessageBrowserSidePaneTreeWidget</name>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>RootMessageFolder</source>
        <translation>Root Message Folder</translation>
    </message>
</context>
</TS>
