#include "library/core/proxy/messagereader.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace {

TEST(MessageReader, EmptyMessageReadsAsNull)
{
    const zarv::data::Message message;
    const MessageReader reader(message);
    EXPECT_EQ(INT_MIN, reader.id());
    EXPECT_EQ(INT_MIN, reader.userId());
    EXPECT_EQ(INT_MIN, reader.parentId());
    EXPECT_EQ(-1, reader.parentRelation());
    EXPECT_EQ("", reader.subject());
    EXPECT_EQ(0, reader.permissions());
    EXPECT_FALSE(reader.permission(MessageProxy::Reply));
    EXPECT_EQ(INT_MIN, reader.senderFolderId());
    EXPECT_EQ(INT_MIN, reader.recipientMessageFolderId());
    EXPECT_EQ(0u, reader.sender().ByteSizeLong());
    EXPECT_EQ("", reader.senderDisplayName());
    EXPECT_EQ("", reader.recipientDisplayNameAlphabetical());
    EXPECT_FALSE(reader.messageUserIsRecipient());
    EXPECT_TRUE(reader.messageUserIsSender());
    EXPECT_EQ(0, reader.folderId());
    // Absent ids read as 0 here, which is not the null id.
    EXPECT_TRUE(reader.isValid());
    EXPECT_EQ(&message, &static_cast<const zarv::data::Message&>(reader));
}

TEST(MessageReader, ParentRelationIsMinusOneOnlyWhenAbsent)
{
    zarv::data::Message message;
    message.set_message_parent_relation(zarv::data::Message::PARENT_RELATION_NONE);
    EXPECT_EQ(0, MessageReader(message).parentRelation());
    message.set_message_parent_relation(zarv::data::Message::PARENT_RELATION_FORWARD);
    EXPECT_EQ(3, MessageReader(message).parentRelation());
}

TEST(MessageReader, FolderOfTheSenderOrOfTheRecipientRow)
{
    zarv::data::Message message;
    message.set_message_folder_id(4);
    EXPECT_EQ(4, MessageReader(message).folderId());
    message.set_message_user_is_recipient(false);
    EXPECT_EQ(4, MessageReader(message).folderId());
    message.set_message_user_is_recipient(true);
    EXPECT_EQ(0, MessageReader(message).folderId());
    message.set_message_user_message_folder_id(9);
    EXPECT_EQ(9, MessageReader(message).folderId());
    EXPECT_FALSE(MessageReader(message).messageUserIsSender());
}

TEST(MessageReader, ValidUntilAnIdIsNull)
{
    zarv::data::Message message;
    message.set_message_parent_id(INT_MIN + 1);
    EXPECT_TRUE(MessageReader(message).isValid());
    for (auto makeNull : {+[](zarv::data::Message& m) { m.set_message_id(INT_MIN); },
                          +[](zarv::data::Message& m) { m.set_message_parent_id(INT_MIN); },
                          +[](zarv::data::Message& m) { m.set_message_user_id(INT_MIN); }}) {
        zarv::data::Message changed = message;
        makeNull(changed);
        EXPECT_FALSE(MessageReader(changed).isValid()) << changed.ShortDebugString();
    }
}

TEST(MessageReader, PermissionsUseTheMessageBits)
{
    zarv::data::Message message;
    message.mutable_message_security_descriptor()->set_permissions(1 << 6 | 1 << 10 | 1 << 2);
    const MessageReader reader(message);
    EXPECT_TRUE(reader.permission(MessageProxy::Print));
    EXPECT_TRUE(reader.permission(MessageProxy::Forward));
    EXPECT_FALSE(reader.permission(MessageProxy::View));
    EXPECT_FALSE(reader.permission(MessageProxy::CopyToClipboard));
    EXPECT_THROW(reader.permission(static_cast<MessageProxy::Permission>(32)), std::out_of_range);
}

TEST(MessageReader, SenderAndRecipient)
{
    zarv::data::Message message;
    zarv::data::User& sender = *message.mutable_message_sender();
    sender.set_user_last_name("Cole");
    sender.set_user_first_name("Ann");
    sender.set_user_middle_name("B");
    sender.set_user_folder_id(0);
    zarv::data::User& recipient = *message.mutable_message_recipient();
    recipient.set_user_last_name("Lee");
    recipient.set_user_first_name("");
    recipient.set_user_message_folder_id(8);
    const MessageReader reader(message);
    EXPECT_EQ("Ann B Cole", reader.senderDisplayName());
    EXPECT_EQ("Cole, Ann B", reader.senderDisplayNameAlphabetical());
    EXPECT_EQ(0, reader.senderFolderId());
    EXPECT_EQ(INT_MIN, reader.senderMessageFolderId());
    EXPECT_EQ("", reader.recipientDisplayName());
    EXPECT_EQ("", reader.recipientDisplayNameAlphabetical());
    EXPECT_EQ(8, reader.recipientMessageFolderId());
    EXPECT_EQ("Lee", reader.recipient().user_last_name());
}

TEST(MessageReader, DatesInUtcForms)
{
    zarv::data::Message message;
    message.set_message_creation_date("2030-06-12 10:20:30");
    message.set_message_modification_date("not a date");
    const MessageReader reader(message);
    EXPECT_EQ("20300612T102030Z", reader.creationDate());
    EXPECT_EQ("2030-06-12 10:20:30", reader.creationDateDisplay());
    EXPECT_EQ("", reader.modificationDate());
    EXPECT_EQ("", reader.modificationDateDisplay());
}

}  // namespace
