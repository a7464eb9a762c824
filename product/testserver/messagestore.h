#pragma once

// What the message operations share: a fixture's message records are rows,
// one per addressee of a message, or one for a message without addressees;
// the message's own fields are the same in every row of its id.

#include "product/testserver/store.h"

#include "message3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"

namespace testserver {

// The message as its author holds it: the row without its addressee's
// fields.
zarv::data::Message AuthorRecord(const zarv::data::Message& row);
// The message as an addressee holds it: the row marked as received.
zarv::data::Message RecipientRecord(const zarv::data::Message& row);
// Sender and recipient that name an account carry its public record.
zarv::data::Message WithPublicUsers(const Store& store, zarv::data::Message message);

// The author's messages of message_user_id, in message_folder_id when it is
// given, once per message in fixture order, that meet the search criteria.
zarv::data::SelectMessageReply SelectOwnMessages(const Store& store, const zarv::data::SelectMessageRequest& request);
// The messages that message_user_user_id received, in
// message_user_message_folder_id when it is given, in fixture order, that
// meet the search criteria. The exclude flags are not read.
zarv::data::SelectMessageUserReply SelectReceivedMessages(const Store& store,
                                                          const zarv::data::SelectMessageUserRequest& request);

}  // namespace testserver
