<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SelectDocumentsDialog</name>
    <message>
        <source>SelectDocumentsDialogWindowTitle</source>
        <translation>Select Documents</translation>
    </message>
</context>
<context>
    <name>SelectDocumentsWidget</name>
    <message>
        <source>UnselectedDocuments</source>
        <translation>Unselected documents:</translation>
    </message>
    <message>
        <source>SelectedDocuments</source>
        <translation>Selected documents:</translation>
    </message>
</context>
<context>
    <name>SelectUsersDialog</name>
    <message>
        <source>SelectUsersDialogWindowTitle</source>
        <translation>Select Users</translation>
    </message>
</context>
<context>
    <name>SelectUsersWidget</name>
    <message>
        <source>UnselectedUsers</source>
        <translation>Unselected users:</translation>
    </message>
    <message>
        <source>SelectedUsers</source>
        <translation>Selected users:</translation>
    </message>
</context>
</TS>
