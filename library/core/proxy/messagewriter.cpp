#include "library/core/proxy/messagewriter.h"

#include "library/common/clock.h"
#include "library/core/lib/timezonedatabase.h"
#include "library/core/proxy/bitword.h"
#include "library/core/proxy/messagereader.h"
#include "library/database/lib/dbid.h"
#include "library/database/lib/dbtimestamp.h"

namespace {

std::string Now()
{
    return DbTimestamp(common::Clock::universalTime()).toDbString();
}

}  // namespace

MessageWriter::MessageWriter(zarv::data::Message& message)
    : m_message(&message)
{
    initialize();
}

MessageWriter::MessageWriter(zarv::data::Message& message, const zarv::data::User& user)
    : m_message(&message)
{
    m_message->mutable_message_sender()->CopyFrom(user);
    if (!m_message->has_message_user_id()) {
        m_message->set_message_user_id(user.user_id());
    }
    initialize();
}

MessageWriter& MessageWriter::operator=(const MessageReader& reader)
{
    m_message->CopyFrom(static_cast<const zarv::data::Message&>(reader));
    return *this;
}

void MessageWriter::initialize()
{
    zarv::data::Message& message = *m_message;
    if (!message.has_message_id()) {
        setId(DbId::m_NullId);
    }
    if (!message.has_message_user_id()) {
        setUserId(DbId::m_NullId);
    }
    if (!message.has_message_folder_id() && !message.has_message_user_message_folder_id()) {
        setFolderId(DbId::m_NullId);
    }
    if (!message.has_message_parent_id()) {
        setParentId(DbId::m_RootId);
    }
    if (!message.has_message_parent_relation()) {
        setParentRelation(zarv::data::Message::PARENT_RELATION_NONE);
    }
    if (!message.has_message_subject()) {
        setSubject(std::string());
    }
    if (!message.has_message_description()) {
        setDescription(std::string());
    }
    if (!message.has_message_properties()) {
        setProperties(0);
    }
    if (!message.has_message_creation_date()) {
        setCreationDate(Now());
    }
    if (!message.has_message_modification_date()) {
        setModificationDate(Now());
    }
    if (!message.has_message_body()) {
        setBody(std::string());
    }
    if (!message.has_message_body_format()) {
        setBodyFormat(RichText);
    }

    const zarv::data::SecurityDescriptor& current = message.message_security_descriptor();
    if (!current.has_active()) {
        setActive(true);
    }
    if (!current.has_active_region()) {
        setActiveRegion(ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance()->getDefaultTimeZoneRegion());
    }
    if (!current.has_active_from()) {
        setActiveFrom("00:00:00");
    }
    if (!current.has_active_to()) {
        setActiveTo("00:00:00");
    }
    if (!current.has_audits()) {
        setAudits(0);
    }
    if (!current.has_password()) {
        setPassword(std::string());
    }
    if (!current.has_permissions()) {
        setPermissions(0);
    }
    if (!current.has_session_duration()) {
        setSessionDuration(0);
    }
    if (!current.has_expiration_date()) {
        setExpirationDate(DbTimestamp::m_MaxTimestamp);
    }
    if (!current.has_expiration_action()) {
        setExpirationAction(0);
    }
}

void MessageWriter::setId(int id)
{
    m_message->set_message_id(id);
}

void MessageWriter::setUserId(int id)
{
    m_message->set_message_user_id(id);
}

void MessageWriter::setFolderId(int id)
{
    if (m_message->message_user_is_recipient()) {
        m_message->set_message_user_message_folder_id(id);
    } else {
        m_message->set_message_folder_id(id);
    }
}

void MessageWriter::setParentId(int id)
{
    m_message->set_message_parent_id(id);
}

void MessageWriter::setParentRelation(zarv::data::Message_rfield relation)
{
    m_message->set_message_parent_relation(relation);
}

void MessageWriter::setSubject(const std::string& subject)
{
    m_message->set_message_subject(subject);
}

void MessageWriter::setDescription(const std::string& description)
{
    m_message->set_message_description(description);
}

void MessageWriter::setProperties(int properties)
{
    m_message->set_message_properties(properties);
}

void MessageWriter::setCreationDate(const std::string& date)
{
    m_message->set_message_creation_date(date);
}

void MessageWriter::setModificationDate(const std::string& date)
{
    m_message->set_message_modification_date(date);
}

void MessageWriter::setBody(const std::string& body)
{
    m_message->set_message_body(body);
}

void MessageWriter::setBodyFormat(MessageProxy::TextFormat format)
{
    m_message->set_message_body_format(format);
}

void MessageWriter::setActive(bool on)
{
    const int word = proxy::WithBit(m_message->message_security_descriptor().active(), 0, on);
    descriptor().set_active(word);
}

void MessageWriter::setActiveRegion(const std::string& region)
{
    descriptor().set_active_region(region);
}

void MessageWriter::setActiveFrom(const std::string& timeOfDay)
{
    descriptor().set_active_from(timeOfDay);
}

void MessageWriter::setActiveTo(const std::string& timeOfDay)
{
    descriptor().set_active_to(timeOfDay);
}

void MessageWriter::setAudits(int audits)
{
    descriptor().set_audits(audits);
}

void MessageWriter::setPassword(const std::string& password)
{
    descriptor().set_password(password);
}

void MessageWriter::setPermissions(int permissions)
{
    descriptor().set_permissions(permissions);
}

void MessageWriter::setPermission(MessageProxy::Permission bit, bool on)
{
    const int word = proxy::WithBit(m_message->message_security_descriptor().permissions(), bit, on);
    descriptor().set_permissions(word);
}

void MessageWriter::setSessionDuration(int seconds)
{
    descriptor().set_session_duration(seconds);
}

void MessageWriter::setExpirationDate(const std::string& date)
{
    descriptor().set_expiration_date(date);
}

void MessageWriter::setExpirationAction(int action)
{
    descriptor().set_expiration_action(action);
}

zarv::data::SecurityDescriptor& MessageWriter::descriptor()
{
    return *m_message->mutable_message_security_descriptor();
}
