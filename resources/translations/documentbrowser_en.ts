<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<!-- The document browser's window: its actions and the boxes of refused changes. -->
<context>
    <name>DocumentBrowserView</name>
    <message>
        <source>DocumentBrowserWindowTitle</source>
        <translation>Document Browser</translation>
    </message>
    <message>
        <source>NewFolder</source>
        <translation>Folder...</translation>
    </message>
    <message>
        <source>NewFolderStatusTip</source>
        <translation>Create a new folder.</translation>
    </message>
    <message>
        <source>NewFolderToolTip</source>
        <translation>New Folder&lt;p&gt;&lt;small&gt;Create a new folder.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>NewDocument</source>
        <translation>Document...</translation>
    </message>
    <message>
        <source>NewDocumentStatusTip</source>
        <translation>Create a new document.</translation>
    </message>
    <message>
        <source>NewDocumentToolTip</source>
        <translation>New Document&lt;p&gt;&lt;small&gt;Create a new document.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>OpenItem</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>OpenItemStatusTip</source>
        <translation>Open the selected item.</translation>
    </message>
    <message>
        <source>CopyItem</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>CopyItemStatusTip</source>
        <translation>Copy the selected item to the clipboard.</translation>
    </message>
    <message>
        <source>CopyItemToolTip</source>
        <translation>Copy Item&lt;p&gt;&lt;small&gt;Copy the selected item to the clipboard.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>PasteItem</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>PasteItemStatusTip</source>
        <translation>Paste an item from the clipboard.</translation>
    </message>
    <message>
        <source>PasteItemToolTip</source>
        <translation>Paste Item&lt;p&gt;&lt;small&gt;Paste an item from the clipboard.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DeleteItem</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>DeleteItemStatusTip</source>
        <translation>Delete the selected item.</translation>
    </message>
    <message>
        <source>DeleteItemToolTip</source>
        <translation>Delete Item&lt;p&gt;&lt;small&gt;Delete the selected item.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>RenameItem</source>
        <translation>Rename...</translation>
    </message>
    <message>
        <source>RenameItemStatusTip</source>
        <translation>Rename the selected item.</translation>
    </message>
    <message>
        <source>RenameItemToolTip</source>
        <translation>Rename Item&lt;p&gt;&lt;small&gt;Rename the selected item.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>RedescribeItem</source>
        <translation>Redescribe...</translation>
    </message>
    <message>
        <source>RedescribeItemStatusTip</source>
        <translation>Redescribe the selected item.</translation>
    </message>
    <message>
        <source>RedescribeItemToolTip</source>
        <translation>Redescribe Item&lt;p&gt;&lt;small&gt;Redescribe the selected item.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>OpenItemKeyring</source>
        <translation>Open Keyring...</translation>
    </message>
    <message>
        <source>OpenItemKeyringStatusTip</source>
        <translation>Open the keyring of the selected item.</translation>
    </message>
    <message>
        <source>OpenItemKeyringToolTip</source>
        <translation>Open Item Keyring&lt;p&gt;&lt;small&gt;Open the keyring of the selected item.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FolderDocumentSearchItem</source>
        <translation>Search...</translation>
    </message>
    <message>
        <source>FolderDocumentSearchStatusTip</source>
        <translation>Search the folder for documents matching your criteria.</translation>
    </message>
    <message>
        <source>FolderDocumentSearchToolTip</source>
        <translation>Folder Document Search&lt;p&gt;&lt;small&gt;Search the folder for documents matching your criteria.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>CloseStatusTip</source>
        <translation>Close this window.</translation>
    </message>
    <message>
        <source>CannotDeleteNonEmptyFolder</source>
        <translation>You cannot delete a non-empty folder.</translation>
    </message>
    <message>
        <source>FolderAlreadyExists</source>
        <translation>A folder named '%1' already exists.</translation>
    </message>
    <message>
        <source>DocumentAlreadyExists</source>
        <translation>A document named '%1' already exists.</translation>
    </message>
    <message>
        <source>FolderNameIsEmptyWarning</source>
        <translation>Please enter a folder name.</translation>
    </message>
    <message>
        <source>DocumentNameIsEmptyWarning</source>
        <translation>Please enter a document name.</translation>
    </message>
    <message>
        <source>RenameFolderDialogWindowTitle</source>
        <translation>Rename Folder</translation>
    </message>
    <message>
        <source>NewFolderName:</source>
        <translation>New folder name:</translation>
    </message>
    <message>
        <source>RedescribeFolderDialogWindowTitle</source>
        <translation>Redescribe Folder</translation>
    </message>
    <message>
        <source>NewFolderDescription:</source>
        <translation>New folder description:</translation>
    </message>
    <message>
        <source>RenameDocumentDialogWindowTitle</source>
        <translation>Rename Document</translation>
    </message>
    <message>
        <source>NewDocumentName:</source>
        <translation>New document name:</translation>
    </message>
    <message>
        <source>RedescribeDocumentDialogWindowTitle</source>
        <translation>Redescribe Document</translation>
    </message>
    <message>
        <source>NewDocumentDescription:</source>
        <translation>New document description:</translation>
    </message>
    <message>
        <source>RenameFolder</source>
        <translation>Rename Folder</translation>
    </message>
    <message>
        <source>RedescribeFolder</source>
        <translation>Redescribe Folder</translation>
    </message>
    <message>
        <source>RenameDocument</source>
        <translation>Rename Document</translation>
    </message>
    <message>
        <source>RedescribeDocument</source>
        <translation>Redescribe Document</translation>
    </message>
    <message>
        <source>FolderDescriptionIsEmptyWarning</source>
        <translation>Folder description is empty!</translation>
    </message>
    <message>
        <source>DocumentDescriptionIsEmptyWarning</source>
        <translation>Document description is empty!</translation>
    </message>
    <message>
        <source>DeleteFolderWindowTitle</source>
        <translation>Delete Folder</translation>
    </message>
    <message>
        <source>DeleteFolderConfirmation</source>
        <translation>Are you sure you want to delete this folder?</translation>
    </message>
    <message>
        <source>DeleteDocumentWindowTitle</source>
        <translation>Delete Document</translation>
    </message>
    <message>
        <source>DeleteDocumentConfirmation</source>
        <translation>Are you sure you want to delete this document?</translation>
    </message>
    <message>
        <source>DocumentOnClipboardTooLarge</source>
        <translation>The document on the clipboard is too large to paste.</translation>
    </message>
    <message>
        <source>ClipboardDocumentUnreadable</source>
        <translation>The clipboard holds no document that can be read.</translation>
    </message>
    <message>
        <source>PastedDocumentNameTooLong</source>
        <translation>The copy's name would be longer than %1 characters.</translation>
    </message>
</context>
<!-- Why a key item of the browser's main pane is greyed out. -->
<context>
    <name>MainPaneListWidget</name>
    <message>
        <source>KeyViewPermissionDenied</source>
        <translation>View Permission Denied</translation>
    </message>
    <message>
        <source>KeyInactive</source>
        <translation>Key Inactive</translation>
    </message>
    <message>
        <source>OpenItemKeyring</source>
        <translation>Open Keyring...</translation>
    </message>
</context>
</TS>
