<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<!-- The document editor window: its View menu, docks, options question and the boxes of saving and closing. -->
<context>
    <name>DocumentEditorView</name>
    <message>
        <source>ViewStandardToolBarStatusTip</source>
        <translation>View standard tool bar.</translation>
    </message>
    <message>
        <source>ViewFormattingToolBarStatusTip</source>
        <translation>View formatting tool bar.</translation>
    </message>
    <message>
        <source>ViewIconToolBarStatusTip</source>
        <translation>View icon tool bar.</translation>
    </message>
    <message>
        <source>ViewUrlAttachmentsDockWidgetStatusTip</source>
        <translation>View URL attachments to the document.</translation>
    </message>
    <message>
        <source>ViewRevisionHistoryDockWidgetStatusTip</source>
        <translation>View previous revisions of the document.</translation>
    </message>
    <message>
        <source>UrlAttachments</source>
        <translation>URL Attachments</translation>
    </message>
    <message>
        <source>RevisionHistory</source>
        <translation>Revision History</translation>
    </message>
    <message>
        <source>for</source>
        <translation>for</translation>
    </message>
    <message>
        <source>ApplyUpdatedOptions?</source>
        <translation>You have successfully updated the options. Do you want to apply the updated options immediately?</translation>
    </message>
    <message>
        <source>DocumentContainsExcessCharacters</source>
        <translation>The document contains %1 excess characters.&lt;br /&gt;Please delete at least %1 characters.</translation>
    </message>
    <message>
        <source>DoYouWantToSaveChangesYouMadeTo</source>
        <translation>Do you want to save changes you made to</translation>
    </message>
    <message>
        <source>ChangesNotSaved</source>
        <translation>The changes to %1 were not saved.</translation>
    </message>
    <message>
        <source>ServerRefusedChanges</source>
        <translation>The server refused them (code %1).</translation>
    </message>
    <message>
        <source>revised</source>
        <translation>revised</translation>
    </message>
    <message>
        <source>DeleteWebpageConfirmationWindowTitle</source>
        <translation>Delete Webpage Confirmation</translation>
    </message>
    <message>
        <source>DeleteWebpageConfirmation</source>
        <translation>Delete webpage (%1)?</translation>
    </message>
    <message>
        <source>WebpageNotAdded</source>
        <translation>The web page %1 was not added.</translation>
    </message>
    <message>
        <source>WebpageNotChanged</source>
        <translation>The web page %1 was not changed.</translation>
    </message>
    <message>
        <source>WebpageNotRemoved</source>
        <translation>The web page %1 was not removed.</translation>
    </message>
</context>
<context>
    <name>UrlDockWidget</name>
    <message>
        <source>EditUrlDescription</source>
        <translation>Edit URL Description</translation>
    </message>
    <message>
        <source>UrlDescription</source>
        <translation>URL Description:</translation>
    </message>
    <message>
        <source>DescriptionLength</source>
        <translation>A description has 1 to 255 characters.</translation>
    </message>
</context>
</TS>
