<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<!-- The texts by which the console reports the outcome of a log-on: the id is
     "AuthenticateUser" followed by the name of the reply's major error code. -->
<context>
    <name>AbstractConsoleView</name>
    <message>
        <source>AuthenticateUser</source>
        <translation>Authenticate User</translation>
    </message>
    <message>
        <source>AuthenticateUserNoEr</source>
        <translation>You have been successfully authenticated.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceNoReplyEr</source>
        <translation>No reply was received from the server; please verify the following:&lt;ul&gt;&lt;li&gt;Your computer has network and Internet access&lt;/li&gt;&lt;li&gt;Your computer has the correct date and time settings&lt;/li&gt;&lt;li&gt;The correct Server Name is displayed in Network Settings&lt;/li&gt;&lt;li&gt;The correct Server Port number is displayed in Network Settings&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>AuthenticateUserDatabaseConnectionEr</source>
        <translation>Authenticate user database connection error.</translation>
    </message>
    <message>
        <source>AuthenticateUserDatabaseExecuteStatementEr</source>
        <translation>Cannot execute a database statement; please contact your Quenlark Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserDatabaseInvalidArgumentEr</source>
        <translation>Authenticate user database invalid argument error.</translation>
    </message>
    <message>
        <source>AuthenticateUserDatabaseNullPointerEr</source>
        <translation>Authenticate user database null pointer error.</translation>
    </message>
    <message>
        <source>AuthenticateUserDatabasePrepareStatementEr</source>
        <translation>Cannot prepare a database statement; please contact your Quenlark Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceBadPasswordEr</source>
        <translation>Incorrect password; please try again.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceBadSequenceValueEr</source>
        <translation>Bad sequence value: please contact your Quenlark Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceDecryptionAuthenticationEr</source>
        <translation>Decryption error: please contact your Quenlark Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceEncryptionAuthenticationEr</source>
        <translation>Encryption error: please contact your Quenlark Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceInsertSessionRecordEr</source>
        <translation>Cannot create a session; please contact your Quenlark Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceInvalidMajorProtocolEr</source>
        <translation>Please uninstall this version of the program and install the latest version (you can always download the latest version of this program from &lt;a href=&quot;https://quenlark.example/download&quot;&gt;https://quenlark.example/download&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceInvalidMinorProtocolEr</source>
        <translation>Please uninstall this version of the program and install the latest version (you can always download the latest version of this program from &lt;a href=&quot;https://quenlark.example/download&quot;&gt;https://quenlark.example/download&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceNoUserFoundEr</source>
        <translation>Incorrect user name; please try again.</translation>
    </message>
    <message>
        <source>AuthenticateUserDefaultEr</source>
        <translation>Authentication failed (with major error code %1 and minor error code %2); please contact your Quenlark Administrator.</translation>
    </message>
</context>
</TS>
