<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MessageViewer</name>
    <message>
        <source>ConversationIncomplete</source>
        <translation>Part of this conversation could not be loaded.</translation>
    </message>
</context>
</TS>
