#pragma once

#include "library/core/proxy/messageproxy.h"

#include "message3.pb.h"

#include <string>

// Read access to a message. Absent fields give INT_MIN for an id, 0 for a
// word, false and the empty text unless a getter says otherwise. Dates are
// shown in UTC. The record must outlive the reader.
class MessageReader : public MessageProxy
{
public:
    explicit MessageReader(const zarv::data::Message& message);
    ~MessageReader() override = default;

    operator const zarv::data::Message&() const;

    int id() const;
    int userId() const;
    int parentId() const;
    // A zarv::data::Message_rfield value; -1 when absent.
    int parentRelation() const;
    std::string subject() const;
    std::string description() const;
    std::string body() const;
    int properties() const;
    MessageProxy::TextFormat bodyFormat() const;
    int permissions() const;
    bool permission(MessageProxy::Permission bit) const;

    // ISO basic form with "Z", and display form; empty when absent or not a
    // timestamp.
    std::string creationDate() const;
    std::string modificationDate() const;
    std::string creationDateDisplay() const;
    std::string modificationDateDisplay() const;

    std::string senderLastName() const;
    std::string senderFirstName() const;
    std::string senderMiddleName() const;
    int senderFolderId() const;
    int senderMessageFolderId() const;
    // A copy; an empty record when there is no sender.
    zarv::data::User sender() const;
    std::string recipientLastName() const;
    std::string recipientFirstName() const;
    std::string recipientMiddleName() const;
    int recipientFolderId() const;
    int recipientMessageFolderId() const;
    zarv::data::User recipient() const;

    // The server marks the rows in which the logged-on user is a recipient;
    // every other message is the user's own.
    bool messageUserIsRecipient() const;
    bool messageUserIsSender() const;
    // The folder in which the logged-on user files the message: the message's
    // own folder for its sender, the recipient row's folder for a recipient;
    // 0 when that field is absent.
    int folderId() const;
    // The id, the parent id and the user id are not the null id.
    bool isValid() const;

    std::string senderDisplayName() const;
    std::string senderDisplayNameAlphabetical() const;
    std::string recipientDisplayName() const;
    std::string recipientDisplayNameAlphabetical() const;

private:
    const zarv::data::Message* m_message;
};
