#pragma once

#include "library/core/proxy/messageproxy.h"

#include "message3.pb.h"
#include "user3.pb.h"

#include <string>

class MessageReader;

// Write access to a message. Building a writer gives every absent field of the
// message the default of a new message (initialize); present fields are never
// changed by that. Setters mark the field they write present; a descriptor
// setter creates the descriptor when the message has none. The record must
// outlive the writer.
class MessageWriter : public MessageProxy
{
public:
    explicit MessageWriter(zarv::data::Message& message);
    // `user` becomes the sender (a whole copy) and, when the message has no
    // user id yet, its user id.
    MessageWriter(zarv::data::Message& message, const zarv::data::User& user);
    ~MessageWriter() override = default;

    // The whole message becomes a copy of the reader's record.
    MessageWriter& operator=(const MessageReader& reader);

    // The defaults of a new message for every absent field: null ids, no
    // parent, empty texts, 0 words, both dates now (UTC, database form), and a
    // descriptor that is active in the default region with no hours limit, no
    // permissions and no expiry.
    void initialize();

    void setId(int id);
    void setUserId(int id);
    // The recipient row's folder when the logged-on user is a recipient of the
    // message, else the message's own folder.
    void setFolderId(int id);
    void setParentId(int id);
    void setParentRelation(zarv::data::Message_rfield relation);
    void setSubject(const std::string& subject);
    void setDescription(const std::string& description);
    void setProperties(int properties);
    void setCreationDate(const std::string& date);
    void setModificationDate(const std::string& date);
    void setBody(const std::string& body);
    void setBodyFormat(MessageProxy::TextFormat format);

    // Bit 0 of the active word.
    void setActive(bool on);
    void setActiveRegion(const std::string& region);
    void setActiveFrom(const std::string& timeOfDay);
    void setActiveTo(const std::string& timeOfDay);
    void setAudits(int audits);
    void setPassword(const std::string& password);
    void setPermissions(int permissions);
    // Any bit from 0 to 31; 32 or more throws std::out_of_range and changes
    // nothing.
    void setPermission(MessageProxy::Permission bit, bool on);
    void setSessionDuration(int seconds);
    void setExpirationDate(const std::string& date);
    void setExpirationAction(int action);

private:
    zarv::data::SecurityDescriptor& descriptor();

    zarv::data::Message* m_message;
};
