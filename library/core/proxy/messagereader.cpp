#include "library/core/proxy/messagereader.h"

#include "library/core/proxy/bitword.h"
#include "library/core/proxy/displayname.h"
#include "library/core/proxy/nullid.h"
#include "library/database/lib/dbtimestamp.h"

namespace {

int FolderId(const zarv::data::User& user)
{
    return proxy::IdOrNull(user.has_user_folder_id(), user.user_folder_id());
}

int MessageFolderId(const zarv::data::User& user)
{
    return proxy::IdOrNull(user.has_user_message_folder_id(), user.user_message_folder_id());
}

}  // namespace

MessageReader::MessageReader(const zarv::data::Message& message)
    : m_message(&message)
{}

MessageReader::operator const zarv::data::Message&() const
{
    return *m_message;
}

int MessageReader::id() const
{
    return proxy::IdOrNull(m_message->has_message_id(), m_message->message_id());
}

int MessageReader::userId() const
{
    return proxy::IdOrNull(m_message->has_message_user_id(), m_message->message_user_id());
}

int MessageReader::parentId() const
{
    return proxy::IdOrNull(m_message->has_message_parent_id(), m_message->message_parent_id());
}

int MessageReader::parentRelation() const
{
    return m_message->has_message_parent_relation() ? m_message->message_parent_relation() : -1;
}

std::string MessageReader::subject() const
{
    return m_message->message_subject();
}

std::string MessageReader::description() const
{
    return m_message->message_description();
}

std::string MessageReader::body() const
{
    return m_message->message_body();
}

int MessageReader::properties() const
{
    return m_message->message_properties();
}

MessageProxy::TextFormat MessageReader::bodyFormat() const
{
    return static_cast<MessageProxy::TextFormat>(m_message->message_body_format());
}

int MessageReader::permissions() const
{
    return m_message->message_security_descriptor().permissions();
}

bool MessageReader::permission(MessageProxy::Permission bit) const
{
    return proxy::TestBit(permissions(), bit);
}

std::string MessageReader::creationDate() const
{
    return DbTimestamp(m_message->message_creation_date()).toIsoString();
}

std::string MessageReader::modificationDate() const
{
    return DbTimestamp(m_message->message_modification_date()).toIsoString();
}

std::string MessageReader::creationDateDisplay() const
{
    return DbTimestamp(m_message->message_creation_date()).toDisplayString();
}

std::string MessageReader::modificationDateDisplay() const
{
    return DbTimestamp(m_message->message_modification_date()).toDisplayString();
}

std::string MessageReader::senderLastName() const
{
    return m_message->message_sender().user_last_name();
}

std::string MessageReader::senderFirstName() const
{
    return m_message->message_sender().user_first_name();
}

std::string MessageReader::senderMiddleName() const
{
    return m_message->message_sender().user_middle_name();
}

int MessageReader::senderFolderId() const
{
    return FolderId(m_message->message_sender());
}

int MessageReader::senderMessageFolderId() const
{
    return MessageFolderId(m_message->message_sender());
}

zarv::data::User MessageReader::sender() const
{
    return m_message->message_sender();
}

std::string MessageReader::recipientLastName() const
{
    return m_message->message_recipient().user_last_name();
}

std::string MessageReader::recipientFirstName() const
{
    return m_message->message_recipient().user_first_name();
}

std::string MessageReader::recipientMiddleName() const
{
    return m_message->message_recipient().user_middle_name();
}

int MessageReader::recipientFolderId() const
{
    return FolderId(m_message->message_recipient());
}

int MessageReader::recipientMessageFolderId() const
{
    return MessageFolderId(m_message->message_recipient());
}

zarv::data::User MessageReader::recipient() const
{
    return m_message->message_recipient();
}

bool MessageReader::messageUserIsRecipient() const
{
    return m_message->message_user_is_recipient();
}

bool MessageReader::messageUserIsSender() const
{
    return !messageUserIsRecipient();
}

int MessageReader::folderId() const
{
    return messageUserIsSender() ? m_message->message_folder_id() : m_message->message_user_message_folder_id();
}

bool MessageReader::isValid() const
{
    return m_message->message_id() != DbId::m_NullId && m_message->message_parent_id() != DbId::m_NullId
           && m_message->message_user_id() != DbId::m_NullId;
}

std::string MessageReader::senderDisplayName() const
{
    return proxy::GetUserDisplayName(senderLastName(), senderFirstName(), senderMiddleName());
}

std::string MessageReader::senderDisplayNameAlphabetical() const
{
    return proxy::GetUserDisplayNameAlphabetical(senderLastName(), senderFirstName(), senderMiddleName());
}

std::string MessageReader::recipientDisplayName() const
{
    return proxy::GetUserDisplayName(recipientLastName(), recipientFirstName(), recipientMiddleName());
}

std::string MessageReader::recipientDisplayNameAlphabetical() const
{
    return proxy::GetUserDisplayNameAlphabetical(recipientLastName(), recipientFirstName(), recipientMiddleName());
}
