<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Linguist</name>
    <message>
        <source>January</source>
        <translation>January</translation>
    </message>
    <message>
        <source>February</source>
        <translation>February</translation>
    </message>
    <message>
        <source>March</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>June</source>
        <translation>June</translation>
    </message>
    <message>
        <source>July</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Contains</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Equal</translation>
    </message>
    <message>
        <source>Expiration</source>
        <translation>Expiration</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Include</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Like</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Months</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Redescribe</source>
        <translation>Redescribe</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Reply</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revert</translation>
    </message>
    <message>
        <source>RevertStatusTip</source>
        <translation>Discard your changes.</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>hours</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>AddAll</source>
        <translation>Add All</translation>
    </message>
    <message>
        <source>ChangeAll</source>
        <translation>Change All</translation>
    </message>
    <message>
        <source>CreationDate</source>
        <translation>Creation Date</translation>
    </message>
    <message>
        <source>FindAll</source>
        <translation>Find All</translation>
    </message>
    <message>
        <source>HomeFolder</source>
        <translation>Home Folder</translation>
    </message>
    <message>
        <source>HomeGroups</source>
        <translation>Home Groups</translation>
    </message>
    <message>
        <source>IgnoreAll</source>
        <translation>Ignore All</translation>
    </message>
    <message>
        <source>IncludeAll</source>
        <translation>Include All</translation>
    </message>
    <message>
        <source>ModificationDate</source>
        <translation>Modification Date</translation>
    </message>
    <message>
        <source>PasscodeDialog</source>
        <translation>Passcode Dialog</translation>
    </message>
    <message>
        <source>RemoveAll</source>
        <translation>Remove All</translation>
    </message>
    <message>
        <source>ReplyAll</source>
        <translation>Reply All</translation>
    </message>
    <message>
        <source>RevertAll</source>
        <translation>Revert All</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>ViewDays</source>
        <translation>View Days</translation>
    </message>
    <message>
        <source>ViewMonths</source>
        <translation>View Months</translation>
    </message>
    <message>
        <source>ViewPermissions</source>
        <translation>View Permissions</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>QuestionMark</source>
        <translation>?</translation>
    </message>
    <message>
        <source>GeneralTab</source>
        <translation>General</translation>
    </message>
    <message>
        <source>StandardToolbar</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>UserGroups</source>
        <translation>My Groups</translation>
    </message>
    <message>
        <source>ShowPassword</source>
        <translation>Show password</translation>
    </message>
    <message>
        <source>PrintPreview</source>
        <translation>Print Preview...</translation>
    </message>
    <message>
        <source>SearchFor</source>
        <translation>Search for</translation>
    </message>
    <message>
        <source>AllOfTheFollowing</source>
        <translation>All of the following</translation>
    </message>
    <message>
        <source>AnyOfTheFollowing</source>
        <translation>Any of the following</translation>
    </message>
    <message>
        <source>SaveAll</source>
        <translation>Save All</translation>
    </message>
    <message>
        <source>AboutZARV</source>
        <translation>About Quenlark...</translation>
    </message>
    <message>
        <source>GreaterThan</source>
        <translation>Greater than</translation>
    </message>
    <message>
        <source>GreaterThanOrEqual</source>
        <translation>Greater than or equal</translation>
    </message>
    <message>
        <source>LessThan</source>
        <translation>Less than</translation>
    </message>
    <message>
        <source>LessThanOrEqual</source>
        <translation>Less than or equal</translation>
    </message>
    <message>
        <source>NotEqual</source>
        <translation>Not equal</translation>
    </message>
    <message>
        <source>NotLike</source>
        <translation>Not like</translation>
    </message>
    <message>
        <source>CopyFromClipboard</source>
        <translation>Copy from clipboard</translation>
    </message>
    <message>
        <source>CopyToClipboard</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>ExportToTextFile</source>
        <translation>Export to text file</translation>
    </message>
    <message>
        <source>ExportToPdfFile</source>
        <translation>Export to PDF file</translation>
    </message>
    <message>
        <source>PermissionViewDocumentContents</source>
        <translation>Allow the contents of the document to be viewed</translation>
    </message>
    <message>
        <source>PermissionUpdateDocument</source>
        <translation>Allow the contents of the document to be updated</translation>
    </message>
    <message>
        <source>PermissionSearchDocumentContents</source>
        <translation>Allow the contents of the document to be searched</translation>
    </message>
    <message>
        <source>PermissionCopyDocumentContentsFromClipboard</source>
        <translation>Allow the contents of the document to be copied from the clipboard</translation>
    </message>
    <message>
        <source>PermissionCopyDocumentContentsToClipboard</source>
        <translation>Allow the contents of the document to be copied to the clipboard</translation>
    </message>
    <message>
        <source>PermissionExportDocumentContentsToTextFile</source>
        <translation>Allow the contents of the document to be exported to a text file</translation>
    </message>
    <message>
        <source>PermissionExportDocumentContentsToPdfFile</source>
        <translation>Allow the contents of the document to be exported to a PDF file</translation>
    </message>
    <message>
        <source>PermissionPrintDocumentContents</source>
        <translation>Allow the contents of the document to be printed</translation>
    </message>
    <message>
        <source>FilterContentsLabel</source>
        <translation>Display messages that can be</translation>
    </message>
    <message>
        <source>FilterContentsCopiedToClipboard</source>
        <translation>Copied to the Clipboard</translation>
    </message>
    <message>
        <source>FilterContentsExportedToTextFile</source>
        <translation>Exported to a Text File</translation>
    </message>
    <message>
        <source>FilterContentsExportedToPdfFile</source>
        <translation>Exported to a PDF File</translation>
    </message>
    <message>
        <source>FilterContentsPrinted</source>
        <translation>Printed</translation>
    </message>
    <message>
        <source>AccessDenied</source>
        <translation>Access denied.</translation>
    </message>
    <message>
        <source>IncorrectPassword</source>
        <translation>Incorrect password!</translation>
    </message>
    <message>
        <source>DoYouWantToSaveYourChanges</source>
        <translation>Do you want to save your changes</translation>
    </message>
    <message>
        <source>ConditionKeyNotActive</source>
        <translation>Key not active.</translation>
    </message>
    <message>
        <source>ConditionKeyNotActiveMonth</source>
        <translation>Key not active this month.</translation>
    </message>
    <message>
        <source>ConditionKeyNotActiveDay</source>
        <translation>Key not active today.</translation>
    </message>
    <message>
        <source>ConditionKeyNotActiveNow</source>
        <translation>Key not active now.</translation>
    </message>
    <message>
        <source>ConditionKeyHasExpiredDate</source>
        <translation>Key has expired.</translation>
    </message>
    <message>
        <source>ConditionKeyViewPermissionDenied</source>
        <translation>Key view permission denied.</translation>
    </message>
    <message>
        <source>SetActiveHours</source>
        <translation>Set Active Hours...</translation>
    </message>
    <message>
        <source>SetExpirationDate</source>
        <translation>Set Expiration Date...</translation>
    </message>
    <message>
        <source>SetPasscode</source>
        <translation>Set Passcode...</translation>
    </message>
    <message>
        <source>SetSessionDuration</source>
        <translation>Set Session Duration...</translation>
    </message>
    <message>
        <source>CloseStatusTip</source>
        <translation>Close this window.</translation>
    </message>
    <message>
        <source>DeleteStatusTip</source>
        <translation>Delete the current selection.</translation>
    </message>
    <message>
        <source>RevertAllStatusTip</source>
        <translation>Discard changes.</translation>
    </message>
    <message>
        <source>SaveStatusTip</source>
        <translation>Save your changes.</translation>
    </message>
    <message>
        <source>SaveAllStatusTip</source>
        <translation>Save all changes.</translation>
    </message>
    <message>
        <source>SetActiveHoursStatusTip</source>
        <translation>Set the hours of the days during which the key will be active.</translation>
    </message>
    <message>
        <source>SetExpirationDateStatusTip</source>
        <translation>Set the expiration date for the key.</translation>
    </message>
    <message>
        <source>SetPasscodeStatusTip</source>
        <translation>Set a passcode for the key.</translation>
    </message>
    <message>
        <source>SetSessionDurationStatusTip</source>
        <translation>Set a session duration for the key.</translation>
    </message>
    <message>
        <source>ViewDaysStatusTip</source>
        <translation>View the days of the week on which the keys are active.</translation>
    </message>
    <message>
        <source>ViewMonthsStatusTip</source>
        <translation>View the months of the year during which the keys are active.</translation>
    </message>
    <message>
        <source>ViewPermissionsStatusTip</source>
        <translation>View the permissions of the keys.</translation>
    </message>
    <message>
        <source>DeleteToolTip</source>
        <translation>Delete Key&lt;p&gt;&lt;small&gt;Delete the current selection.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SaveToolTip</source>
        <translation>Save Changes&lt;p&gt;&lt;small&gt;Save your changes.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SetActiveHoursToolTip</source>
        <translation>Set Active Hours&lt;p&gt;&lt;small&gt;Set the hours of the day during which the key will be active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SetExpirationDateToolTip</source>
        <translation>Set Expiration Date&lt;p&gt;&lt;small&gt;Set the expiration date for the key.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SetPasscodeToolTip</source>
        <translation>Set Passcode&lt;p&gt;&lt;small&gt;Set a passcode for the key.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SetSessionDurationToolTip</source>
        <translation>Set Session Duration&lt;p&gt;&lt;small&gt;Set the session duration for the key.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewDaysToolTip</source>
        <translation>View Days&lt;p&gt;&lt;small&gt;View the days of the week during which the keys are active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewMonthsToolTip</source>
        <translation>View Months&lt;p&gt;&lt;small&gt;View the months of the year during which the keys are active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewPermissionsToolTip</source>
        <translation>View Permissions&lt;p&gt;&lt;small&gt;View the permissions of the keys.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SaveAllToolTip</source>
        <translation>Save all changes.</translation>
    </message>
    <message>
        <source>QDateFormat</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>QDateTimeFormat</source>
        <translation>yyyy-MM-dd HH:mm:ss</translation>
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
    <message>
        <source>HomePageChoice1Url</source>
        <translation>https://duckduckgo.com/</translation>
    </message>
    <message>
        <source>HomePageChoice2Url</source>
        <translation>https://www.google.com/</translation>
    </message>
    <message>
        <source>HomePageChoice3Url</source>
        <translation>https://www.bing.com/</translation>
    </message>
    <message>
        <source>HomePageChoice4Url</source>
        <translation>https://www.startpage.com/</translation>
    </message>
    <message>
        <source>HomePageChoice5Url</source>
        <translation>https://www.ecosia.org/</translation>
    </message>
    <message>
        <source>ZarvCopyrightNotice</source>
        <translation>&lt;p&gt;&lt;b&gt;Quenlark Client&lt;/b&gt; version 1.0.1. Your use of this program is governed by the licence agreement below.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>NoReplyFromServer</source>
        <translation>No reply from the server.</translation>
    </message>
    <message>
        <source>ServerRefusedRequest</source>
        <translation>The server refused the request (code %1).</translation>
    </message>
    <message>
        <source>ForwardSubject</source>
        <translation>FW: %1</translation>
    </message>
</context>
</TS>
