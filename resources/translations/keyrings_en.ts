<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<!-- The keyring windows and the lists of the user's own keys. -->
<context>
    <name>KeyringView</name>
    <message>
        <source>Revert</source>
        <translation>Revert</translation>
    </message>
    <message>
        <source>RevertStatusTip</source>
        <translation>Discard changes to the current key.</translation>
    </message>
    <message>
        <source>SetActiveHours</source>
        <translation>Set Active Hours...</translation>
    </message>
    <message>
        <source>SetActiveHoursStatusTip</source>
        <translation>Set the hours of the day during which the key will be active.</translation>
    </message>
    <message>
        <source>SetActiveHoursToolTip</source>
        <translation>Set Active Hours&lt;p&gt;&lt;small&gt;Set the hours of the day during which the key will be active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>KeyNotSaved</source>
        <translation>The key of %1 was not saved.</translation>
    </message>
    <message>
        <source>KeyNotGranted</source>
        <translation>The key of %1 was not granted.</translation>
    </message>
    <message>
        <source>KeyNotDeleted</source>
        <translation>The key of %1 was not deleted.</translation>
    </message>
    <message>
        <source>ActiveHoursEndNotAfterStart</source>
        <translation>The end of the active hours must be after their start.</translation>
    </message>
</context>
<context>
    <name>DocumentKeyringView</name>
    <message>
        <source>New</source>
        <translation>New...</translation>
    </message>
    <message>
        <source>NewStatusTip</source>
        <translation>Create a new key for a user.</translation>
    </message>
    <message>
        <source>NewToolTip</source>
        <translation>New Key&lt;p&gt;&lt;small&gt;Create a new key for a user.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SetRevision</source>
        <translation>Set Revision...</translation>
    </message>
    <message>
        <source>SetRevisionStatusTip</source>
        <translation>Set Revision.</translation>
    </message>
    <message>
        <source>SetRevisionToolTip</source>
        <translation>Set Revision&lt;p&gt;&lt;small&gt;Set the document revision associated with the document key (leave blank to associate the document key with the current revision of the document).&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DeleteDocumentKeyConfirmationWindowTitle</source>
        <translation>Delete Document Key Confirmation</translation>
    </message>
    <message>
        <source>DeleteDocumentKeyConfirmation</source>
        <translation>Delete document key for %1?</translation>
    </message>
</context>
<context>
    <name>FolderKeyringView</name>
    <message>
        <source>New</source>
        <translation>New...</translation>
    </message>
    <message>
        <source>NewStatusTip</source>
        <translation>Create a new key for a user.</translation>
    </message>
    <message>
        <source>NewToolTip</source>
        <translation>New Key&lt;p&gt;&lt;small&gt;Create a new key for a user.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DeleteFolderKeyConfirmationWindowTitle</source>
        <translation>Delete Folder Key Confirmation</translation>
    </message>
    <message>
        <source>DeleteFolderKeyConfirmation</source>
        <translation>Delete folder key for %1?</translation>
    </message>
</context>
<context>
    <name>DocumentKeysView</name>
    <message>
        <source>DocumentKeysViewTitle</source>
        <translation>My Document Keyring</translation>
    </message>
    <message>
        <source>OpenDocument</source>
        <translation>Open Document...</translation>
    </message>
    <message>
        <source>OpenDocumentStatusTip</source>
        <translation>Open the document associated with the document key.</translation>
    </message>
    <message>
        <source>OpenDocumentToolTip</source>
        <translation>Open Document&lt;p&gt;&lt;small&gt;Open the document associated with the document key.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>RefreshStatusTip</source>
        <translation>Refresh the document keys.</translation>
    </message>
    <message>
        <source>RefreshToolTip</source>
        <translation>Refresh&lt;p&gt;&lt;small&gt;Refresh the document keys.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewMonths</source>
        <translation>View Months</translation>
    </message>
    <message>
        <source>ViewMonthsStatusTip</source>
        <translation>View the months of the year during which the document keys are active.</translation>
    </message>
    <message>
        <source>ViewMonthsToolTip</source>
        <translation>View Months&lt;p&gt;&lt;small&gt;View the months of the year during which the document keys are active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewDays</source>
        <translation>View Days</translation>
    </message>
    <message>
        <source>ViewDaysStatusTip</source>
        <translation>View the days of the week on which the document keys are active.</translation>
    </message>
    <message>
        <source>ViewDaysToolTip</source>
        <translation>View Days&lt;p&gt;&lt;small&gt;View the days of the week on which the document keys are active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewPermissions</source>
        <translation>View Permissions</translation>
    </message>
    <message>
        <source>ViewPermissionsStatusTip</source>
        <translation>View the permissions of the document keys.</translation>
    </message>
    <message>
        <source>ViewPermissionsToolTip</source>
        <translation>View Permissions&lt;p&gt;&lt;small&gt;View the permissions of the document keys.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>FolderKeysView</name>
    <message>
        <source>FolderKeysViewTitle</source>
        <translation>My Folder Keyring</translation>
    </message>
    <message>
        <source>OpenFolder</source>
        <translation>Open Folder...</translation>
    </message>
    <message>
        <source>OpenFolderStatusTip</source>
        <translation>Open the folder associated with the folder key.</translation>
    </message>
    <message>
        <source>OpenFolderToolTip</source>
        <translation>Open Folder&lt;p&gt;&lt;small&gt;Open the folder associated with the folder key.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>RefreshStatusTip</source>
        <translation>Refresh the folder keys.</translation>
    </message>
    <message>
        <source>RefreshToolTip</source>
        <translation>Refresh&lt;p&gt;&lt;small&gt;Refresh the folder keys.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewMonths</source>
        <translation>View Months</translation>
    </message>
    <message>
        <source>ViewMonthsStatusTip</source>
        <translation>View the months of the year during which the folder keys are active.</translation>
    </message>
    <message>
        <source>ViewMonthsToolTip</source>
        <translation>View Months&lt;p&gt;&lt;small&gt;View the months of the year during which the folder keys are active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewDays</source>
        <translation>View Days</translation>
    </message>
    <message>
        <source>ViewDaysStatusTip</source>
        <translation>View the days of the week on which the folder keys are active.</translation>
    </message>
    <message>
        <source>ViewDaysToolTip</source>
        <translation>View Days&lt;p&gt;&lt;small&gt;View the days of the week on which the folder keys are active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewPermissions</source>
        <translation>View Permissions</translation>
    </message>
    <message>
        <source>ViewPermissionsStatusTip</source>
        <translation>View the permissions of the folder keys.</translation>
    </message>
    <message>
        <source>ViewPermissionsToolTip</source>
        <translation>View Permissions&lt;p&gt;&lt;small&gt;View the permissions of the folder keys.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
</context>
</TS>
