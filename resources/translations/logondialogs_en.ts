<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>NetworkDialog</name>
    <message>
        <source>ServerName</source>
        <translation>Server name:</translation>
    </message>
    <message>
        <source>ServerPort</source>
        <translation>Server port:</translation>
    </message>
    <message>
        <source>DefaultTimeZone</source>
        <translation>Default time zone:</translation>
    </message>
</context>
<context>
    <name>LogonDialog</name>
    <message>
        <source>UserName</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>UserPassword</source>
        <translation>User password:</translation>
    </message>
    <message>
        <source>LogonDialogWindowTitle</source>
        <translation>Log On</translation>
    </message>
    <message>
        <source>ServerNameRequired</source>
        <translation>Please enter the name of the server to log on to; it cannot be empty.</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsDialog</name>
    <message>
        <source>NetworkSettingsDialogWindowTitle</source>
        <translation>Network Settings</translation>
    </message>
</context>
</TS>
