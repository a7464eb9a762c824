<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<!-- The console's own actions. -->
<context>
    <name>AbstractConsoleView</name>
    <message>
        <source>LogOn</source>
        <translation>Log on...</translation>
    </message>
    <message>
        <source>LogOnStatusTip</source>
        <translation>Log on to access your account.</translation>
    </message>
    <message>
        <source>LogOnToolTip</source>
        <translation>Log On&lt;p&gt;&lt;small&gt;Log on to access your account.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Log off...</translation>
    </message>
    <message>
        <source>LogOffStatusTip</source>
        <translation>Log off to end your session.</translation>
    </message>
    <message>
        <source>LogOffToolTip</source>
        <translation>Log Off&lt;p&gt;&lt;small&gt;Log off to end your session.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>NetworkSettings</source>
        <translation>Network settings...</translation>
    </message>
    <message>
        <source>NetworkSettingsStatusTip</source>
        <translation>Configure your network settings.</translation>
    </message>
    <message>
        <source>NetworkSettingsToolTip</source>
        <translation>Network Settings&lt;p&gt;&lt;small&gt;Configure your network settings.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewLog</source>
        <translation>View Log</translation>
    </message>
    <message>
        <source>ViewLogStatusTip</source>
        <translation>View the event log.</translation>
    </message>
    <message>
        <source>ViewLogToolTip</source>
        <translation>View Log&lt;p&gt;&lt;small&gt;View the event log.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
</context>
<!-- The console window: the actions that open other windows and the account tools, its title and greeting, the outcome of a log-on and the log-off question. -->
<context>
    <name>ConsoleView</name>
    <message>
        <source>ConsoleViewWindowTitle</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Log on to access your account.</translation>
    </message>
    <message>
        <source>UserGroupBrowser</source>
        <translation>My User Groups...</translation>
    </message>
    <message>
        <source>NewUserGroupBrowserStatusTip</source>
        <translation>Create a window to view and edit your user groups.</translation>
    </message>
    <message>
        <source>NewUserGroupBrowserToolTip</source>
        <translation>User Groups&lt;p&gt;&lt;small&gt;Create a window to view and edit your user groups.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>MessageBrowser</source>
        <translation>Message Browser...</translation>
    </message>
    <message>
        <source>NewMessageBrowserStatusTip</source>
        <translation>Create a Message Browser to view and edit your messages.</translation>
    </message>
    <message>
        <source>NewMessageBrowserToolTip</source>
        <translation>Message Browser&lt;p&gt;&lt;small&gt;Create a Message Browser to view and edit your messages.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DocumentBrowser</source>
        <translation>Document Browser...</translation>
    </message>
    <message>
        <source>NewDocumentBrowserStatusTip</source>
        <translation>Create a Document Browser to view and edit your folders and documents.</translation>
    </message>
    <message>
        <source>NewDocumentBrowserToolTip</source>
        <translation>Document Browser&lt;p&gt;&lt;small&gt;Create a Document Browser to view and edit your folders and documents.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DocumentKeys</source>
        <translation>My Document Keyring...</translation>
    </message>
    <message>
        <source>NewDocumentKeysStatusTip</source>
        <translation>Create a window to view document keys created for you by other users.</translation>
    </message>
    <message>
        <source>NewDocumentKeysToolTip</source>
        <translation>My Document Keyring&lt;p&gt;&lt;small&gt;Create a window to view document keys created for you by others.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FolderKeys</source>
        <translation>My Folder Keyring...</translation>
    </message>
    <message>
        <source>NewFolderKeysStatusTip</source>
        <translation>Create a window to view folder keys created for you by other users.</translation>
    </message>
    <message>
        <source>NewFolderKeysToolTip</source>
        <translation>My Folder Keyring&lt;p&gt;&lt;small&gt;Create a window to view folder keys created for you by others.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>PictureDirectories</source>
        <translation>Picture Directories...</translation>
    </message>
    <message>
        <source>PictureDirectoriesStatusTip</source>
        <translation>Edit the directories that are searched for pictures when displaying content.</translation>
    </message>
    <message>
        <source>RestoreDocument</source>
        <translation>Restore Document...</translation>
    </message>
    <message>
        <source>RestoreDocumentStatusTip</source>
        <translation>Restore a document you have deleted.</translation>
    </message>
    <message>
        <source>RestoreDocumentToolTip</source>
        <translation>Restore Document&lt;p&gt;&lt;small&gt;Restore a document you have deleted.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ResetPassword</source>
        <translation>Reset Password...</translation>
    </message>
    <message>
        <source>ResetPasswordStatusTip</source>
        <translation>Reset your password.</translation>
    </message>
    <message>
        <source>ResetPasswordToolTip</source>
        <translation>Reset Password&lt;p&gt;&lt;small&gt;Reset your password.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>UserNameNotFound</source>
        <translation>User name not found.</translation>
    </message>
    <message>
        <source>UserPasswordNotDecoded</source>
        <translation>User password incorrect.</translation>
    </message>
    <message>
        <source>UserSessionNotInserted</source>
        <translation>User session not created.</translation>
    </message>
    <message>
        <source>LogOffConfirmation</source>
        <translation>Do you want to log off and exit the application?</translation>
    </message>
</context>
<!-- A log-on reply that cannot be read. -->
<context>
    <name>QObject</name>
    <message>
        <source>CannotParseReply.</source>
        <translation>Cannot parse reply.</translation>
    </message>
</context>
</TS>
