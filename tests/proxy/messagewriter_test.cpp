#include "presentfields.h"

#include "library/common/clock.h"
#include "library/core/lib/timezonedatabase.h"
#include "library/core/proxy/messagereader.h"
#include "library/core/proxy/messagewriter.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <google/protobuf/util/message_differencer.h>
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <stdexcept>
#include <string>

namespace {

using boost::posix_time::time_from_string;
using google::protobuf::util::MessageDifferencer;

// New messages are stamped with the fixed time and the log-on's default
// region.
class MessageWriterTest : public ::testing::Test
{
protected:
    MessageWriterTest()
        : m_previousRegion(database().getDefaultTimeZoneRegion())
    {
        database().setDefaultTimeZone("America/Bogota");
    }
    ~MessageWriterTest() override { database().setDefaultTimeZone(m_previousRegion); }

    static TimeZoneDatabase& database() { return *ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance(); }

    common::FixedClock m_clock{time_from_string("2030-06-12 10:20:30.000250")};
    std::string m_previousRegion;
};

TEST_F(MessageWriterTest, NewMessageDefaults)
{
    zarv::data::Message message;
    MessageWriter writer(message);
    EXPECT_EQ(INT_MIN, message.message_id());
    EXPECT_EQ(INT_MIN, message.message_user_id());
    EXPECT_EQ(INT_MIN, message.message_folder_id());
    EXPECT_FALSE(message.has_message_user_message_folder_id());
    EXPECT_EQ(INT_MIN + 1, message.message_parent_id());
    EXPECT_TRUE(message.has_message_parent_relation() && message.message_parent_relation() == 0);
    EXPECT_TRUE(message.has_message_subject() && message.has_message_description() && message.has_message_body());
    EXPECT_TRUE(message.has_message_properties() && message.has_message_body_format());
    EXPECT_EQ("2030-06-12 10:20:30.000250", message.message_creation_date());
    EXPECT_EQ("2030-06-12 10:20:30.000250", message.message_modification_date());
    const zarv::data::SecurityDescriptor& descriptor = message.message_security_descriptor();
    EXPECT_EQ(10u, proxytest::PresentFields(descriptor).size());
    EXPECT_EQ(1, descriptor.active());
    EXPECT_EQ("America/Bogota", descriptor.active_region());
    EXPECT_EQ("00:00:00", descriptor.active_from());
    EXPECT_EQ("00:00:00", descriptor.active_to());
    EXPECT_EQ(0, descriptor.permissions());
    EXPECT_EQ("9999-12-31 00:00:00", descriptor.expiration_date());
    EXPECT_FALSE(message.has_message_sender());
    EXPECT_FALSE(MessageReader(message).isValid());
}

TEST_F(MessageWriterTest, PresentFieldsKeepTheirValues)
{
    zarv::data::Message message;
    message.mutable_message_security_descriptor()->set_active(0);
    message.set_message_user_message_folder_id(6);
    message.set_message_subject("Hello");
    MessageWriter writer(message);
    EXPECT_EQ(0, message.message_security_descriptor().active());
    EXPECT_FALSE(message.has_message_folder_id());
    EXPECT_EQ("Hello", message.message_subject());

    const zarv::data::Message full = message;
    MessageWriter again(message);
    EXPECT_TRUE(MessageDifferencer::Equals(full, message));
}

TEST_F(MessageWriterTest, AuthorBecomesSenderAndUser)
{
    zarv::data::User user;
    user.set_user_id(77);
    user.set_user_last_name("Cole");
    user.set_user_message_folder_id(3);
    zarv::data::Message message;
    message.mutable_message_sender()->set_user_first_name("Old");
    MessageWriter writer(message, user);
    EXPECT_TRUE(MessageDifferencer::Equals(user, message.message_sender()));
    EXPECT_EQ(77, message.message_user_id());

    zarv::data::Message owned;
    owned.set_message_user_id(5);
    MessageWriter ownedWriter(owned, user);
    EXPECT_EQ(5, owned.message_user_id());
}

TEST_F(MessageWriterTest, FolderOfTheSenderOrOfTheRecipientRow)
{
    zarv::data::Message message;
    MessageWriter writer(message);
    writer.setFolderId(12);
    EXPECT_EQ(12, message.message_folder_id());
    message.set_message_user_is_recipient(true);
    writer.setFolderId(13);
    EXPECT_EQ(12, message.message_folder_id());
    EXPECT_EQ(13, message.message_user_message_folder_id());
}

TEST_F(MessageWriterTest, SettersWriteExactlyTheirField)
{
    zarv::data::Message message;
    MessageWriter writer(message);
    message.Clear();
    writer.setPermission(MessageProxy::Print, true);
    EXPECT_EQ(std::set<std::string>{"message_security_descriptor.permissions"}, proxytest::PresentFields(message));
    EXPECT_EQ(64, message.message_security_descriptor().permissions());
    writer.setPermission(MessageProxy::Print, false);
    writer.setPermission(static_cast<MessageProxy::Permission>(1), true);
    EXPECT_EQ(2, message.message_security_descriptor().permissions());
    EXPECT_THROW(writer.setPermission(static_cast<MessageProxy::Permission>(32), true), std::out_of_range);
    EXPECT_EQ(2, message.message_security_descriptor().permissions());

    message.Clear();
    writer.setExpirationDate("");
    EXPECT_EQ(std::set<std::string>{"message_security_descriptor.expiration_date"}, proxytest::PresentFields(message));
    message.Clear();
    writer.setParentRelation(zarv::data::Message::PARENT_RELATION_REPLY_ALL);
    writer.setCreationDate("whenever");
    EXPECT_EQ((std::set<std::string>{"message_parent_relation", "message_creation_date"}),
              proxytest::PresentFields(message));
    EXPECT_EQ("whenever", message.message_creation_date());
}

TEST_F(MessageWriterTest, AssignmentCopiesTheReadersRecordWhole)
{
    zarv::data::Message source;
    source.set_message_subject("Re: plan");
    zarv::data::Message message;
    MessageWriter writer(message);
    writer = MessageReader(source);
    EXPECT_TRUE(MessageDifferencer::Equals(source, message));
}

}  // namespace
