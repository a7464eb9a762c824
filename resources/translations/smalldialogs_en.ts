<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AddUrlDialog</name>
    <message>
        <source>Url:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>UrlDescription:</source>
        <translation>URL description:</translation>
    </message>
    <message>
        <source>AddUrlDialogWindowTitle</source>
        <translation>Add URL</translation>
    </message>
</context>
<context>
    <name>CreateDocumentDialog</name>
    <message>
        <source>DocumentName:</source>
        <translation>Document name:</translation>
    </message>
    <message>
        <source>DocumentDescription:</source>
        <translation>Document description:</translation>
    </message>
    <message>
        <source>CreateDocumentDialogWindowTitle</source>
        <translation>Create Document</translation>
    </message>
</context>
<context>
    <name>CreateFolderDialog</name>
    <message>
        <source>FolderName:</source>
        <translation>Folder name:</translation>
    </message>
    <message>
        <source>FolderDescription:</source>
        <translation>Folder description:</translation>
    </message>
    <message>
        <source>CreateFolderDialogWindowTitle</source>
        <translation>Create Folder</translation>
    </message>
</context>
<context>
    <name>CreateMessageDialog</name>
    <message>
        <source>CreateMessageDialogWindowTitle</source>
        <translation>Create Message</translation>
    </message>
    <message>
        <source>GeneralTab</source>
        <translation>General</translation>
    </message>
    <message>
        <source>MessageContentPermissionsTab</source>
        <translation>Message Content Permissions</translation>
    </message>
    <message>
        <source>MessageUserPermissionsTab</source>
        <translation>Message User Permissions</translation>
    </message>
</context>
<context>
    <name>CreateMessageDialogGeneralTab</name>
    <message>
        <source>MessageSubject</source>
        <translation>Message subject:</translation>
    </message>
    <message>
        <source>MessageReadOnly</source>
        <translation>Message read-only</translation>
    </message>
</context>
<context>
    <name>CreateMessageDialogMessageContentPermissionsTab</name>
    <message>
        <source>PermissionViewMessageContents</source>
        <translation>Allow the contents of the message to be viewed</translation>
    </message>
    <message>
        <source>PermissionCopyMessageContentsToClipboard</source>
        <translation>Allow the contents of the message to be copied to the clipboard</translation>
    </message>
    <message>
        <source>PermissionExportMessageContentsToTextFile</source>
        <translation>Allow the contents of the message to be exported to a text file</translation>
    </message>
    <message>
        <source>PermissionExportMessageContentsToPdfFile</source>
        <translation>Allow the contents of the message to be exported to a PDF file</translation>
    </message>
    <message>
        <source>PermissionPrintMessageContents</source>
        <translation>Allow the contents of the message to be printed</translation>
    </message>
    <message>
        <source>PermissionSearchMessageContents</source>
        <translation>Allow the contents of the message to be searched</translation>
    </message>
</context>
<context>
    <name>CreateMessageDialogMessageUserPermissionsTab</name>
    <message>
        <source>PermissionReply</source>
        <translation>Allow reply</translation>
    </message>
    <message>
        <source>PermissionReplyAll</source>
        <translation>Allow reply to all</translation>
    </message>
    <message>
        <source>PermissionForward</source>
        <translation>Allow forward to others</translation>
    </message>
</context>
<context>
    <name>PasscodeDialog</name>
    <message>
        <source>PasscodeDialog</source>
        <translation>Set Passcode</translation>
    </message>
    <message>
        <source>P01BL</source>
        <translation>1</translation>
    </message>
    <message>
        <source>P02BL</source>
        <translation>2  ABC</translation>
    </message>
    <message>
        <source>P03BL</source>
        <translation>3  DEF</translation>
    </message>
    <message>
        <source>P04BL</source>
        <translation>4  GHI</translation>
    </message>
    <message>
        <source>P05BL</source>
        <translation>5  JKL</translation>
    </message>
    <message>
        <source>P06BL</source>
        <translation>6  MNO</translation>
    </message>
    <message>
        <source>P07BL</source>
        <translation>7 PQRS</translation>
    </message>
    <message>
        <source>P08BL</source>
        <translation>8  TUV</translation>
    </message>
    <message>
        <source>P09BL</source>
        <translation>9 WXYZ</translation>
    </message>
    <message>
        <source>P10BL</source>
        <translation>Enter </translation>
    </message>
    <message>
        <source>P11BL</source>
        <translation>0     </translation>
    </message>
    <message>
        <source>P12BL</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>DocumentEditorOptionsDialog</name>
    <message>
        <source>DocumentEditorOptionsDialogWindowTitle</source>
        <translation>Document Editor Options</translation>
    </message>
    <message>
        <source>StandardToolBarGroupBoxTitle</source>
        <translation>Standard Tool Bar Options</translation>
    </message>
    <message>
        <source>FormattingToolBarGroupBoxTitle</source>
        <translation>Formatting Tool Bar Options</translation>
    </message>
    <message>
        <source>IconToolBarGroupBoxTitle</source>
        <translation>Icon Tool Bar Options</translation>
    </message>
    <message>
        <source>UrlAttachmentsDockWidgetGroupBoxTitle</source>
        <translation>URL Attachments Dock Widget Options</translation>
    </message>
    <message>
        <source>RevisionHistoryDockWidgetGroupBoxTitle</source>
        <translation>Revision History Dock Widget Options</translation>
    </message>
    <message>
        <source>DisplayCheckBox</source>
        <translation>Display by Default</translation>
    </message>
    <message>
        <source>LeftAreaRadioButton</source>
        <translation>Display in Left Area by Default</translation>
    </message>
    <message>
        <source>RightAreaRadioButton</source>
        <translation>Display in Right Area by Default</translation>
    </message>
    <message>
        <source>TopAreaRadioButton</source>
        <translation>Display in Top Area by Default</translation>
    </message>
    <message>
        <source>BottomAreaRadioButton</source>
        <translation>Display in Bottom Area by Default</translation>
    </message>
    <message>
        <source>BreakCheckBox</source>
        <translation>Add Tool Bar break</translation>
    </message>
</context>
<context>
    <name>MessageBrowserOptionsDialog</name>
    <message>
        <source>MessageBrowserOptionsDialogWindowTitle</source>
        <translation>Message Browser Options</translation>
    </message>
</context>
<context>
    <name>MessageBrowserOptionsDialogGeneralTab</name>
    <message>
        <source>MessagesActivationModeShowAllMessages</source>
        <translation>Display all messages</translation>
    </message>
    <message>
        <source>MessagesActivationModeShowMessagesNotAssignedToFolders</source>
        <translation>Display all messages that have not been assigned to a folder</translation>
    </message>
    <message>
        <source>ActivationModeLabel</source>
        <translation>When Messages are selected in the side pane, do the following:</translation>
    </message>
    <message>
        <source>MessagesActivationMode</source>
        <translation>Messages selection mode</translation>
    </message>
</context>
</TS>
