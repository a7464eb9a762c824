<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>UserGroupBrowserView</name>
    <message>
        <source>UserGroupBrowserWindowTitle</source>
        <translation>My Groups</translation>
    </message>
    <message>
        <source>NewUserGroup</source>
        <translation>User Group...</translation>
    </message>
    <message>
        <source>NewUserGroupStatusTip</source>
        <translation>Create a new group</translation>
    </message>
    <message>
        <source>NewUserGroupToolTip</source>
        <translation>New Group&lt;p&gt;&lt;small&gt;Create a new group.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>NewUser</source>
        <translation>User...</translation>
    </message>
    <message>
        <source>NewUserStatusTip</source>
        <translation>Add one or more users to the selected group</translation>
    </message>
    <message>
        <source>NewUserToolTip</source>
        <translation>Add User&lt;p&gt;&lt;small&gt;Add one or more users to the selected group.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>EditUserGroup</source>
        <translation>User Group...</translation>
    </message>
    <message>
        <source>EditUserGroupStatusTip</source>
        <translation>Edit the properties of a group</translation>
    </message>
    <message>
        <source>EditUserGroupToolTip</source>
        <translation>Edit Group&lt;p&gt;&lt;small&gt;Edit the properties of the selected group.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DeleteUserGroup</source>
        <translation>Delete User Group...</translation>
    </message>
    <message>
        <source>DeleteUserGroupStatusTip</source>
        <translation>Delete the selected group</translation>
    </message>
    <message>
        <source>DeleteUserGroupToolTip</source>
        <translation>Delete Group&lt;p&gt;&lt;small&gt;Delete the selected group.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DeleteUser</source>
        <translation>Remove User...</translation>
    </message>
    <message>
        <source>DeleteUserStatusTip</source>
        <translation>Remove the selected user from the group</translation>
    </message>
    <message>
        <source>DeleteUserToolTip</source>
        <translation>Remove User&lt;p&gt;&lt;small&gt;Remove the selected user from the group.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BlankUserGroupName</source>
        <translation>A user group needs a name; nothing was sent.</translation>
    </message>
    <message>
        <source>NewUserGroupFailed</source>
        <translation>The user group was not created.</translation>
    </message>
    <message>
        <source>NewUserFailed</source>
        <translation>A user was not added to the group.</translation>
    </message>
    <message>
        <source>EditUserGroupFailed</source>
        <translation>The user group was not changed.</translation>
    </message>
    <message>
        <source>DeleteUserGroupFailed</source>
        <translation>The user group was not deleted.</translation>
    </message>
    <message>
        <source>DeleteUserFailed</source>
        <translation>The user was not removed from the group.</translation>
    </message>
</context>
<context>
    <name>UserGroupMainPaneListWidget</name>
    <message>
        <source>DeleteGroupUserWindowTitle</source>
        <translation>Delete Group User</translation>
    </message>
    <message>
        <source>DeleteGroupUserConfirmation</source>
        <translation>Delete group user %1?</translation>
    </message>
</context>
<context>
    <name>UserGroupSidePaneTreeWidget</name>
    <message>
        <source>NoUserGroupWarning</source>
        <translation>There are no user groups!</translation>
    </message>
    <message>
        <source>CreateUserGroupRequest</source>
        <translation>Please create a user group.</translation>
    </message>
    <message>
        <source>DeleteUserGroupWindowTitle</source>
        <translation>Delete User Group</translation>
    </message>
    <message>
        <source>DeleteUserGroupConfirmation</source>
        <translation>Are you sure you want to delete this user group?</translation>
    </message>
</context>
</TS>
