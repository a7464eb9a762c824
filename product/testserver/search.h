#pragma once

// Searches by criteria: the repeated string fields of a request named by a
// subject and a predicate ("document_name_like"), combined by the request's
// logical_operator. The subject names the value of the record that a
// criterion compares with; a field of a subject the record lacks meets
// nothing.

#include "product/testserver/store.h"

#include <google/protobuf/message.h>

#include <set>

namespace zarv::data {
class Document;
class Message;
class SelectMessageRequest;
class SelectMessageReply;
class SelectMessageUserRequest;
class SelectMessageUserReply;
}  // namespace zarv::data

namespace testserver {

// True when the document meets the request's criteria: every one of them
// with LOGICAL_AND (0), at least one with LOGICAL_OR (1). A request without
// criteria selects every document, with either operator.
bool MeetsDocumentCriteria(const google::protobuf::Message& request, const zarv::data::Document& document);
// The same for a message row (the sender in its alphabetical form).
bool MeetsMessageCriteria(const google::protobuf::Message& request, const zarv::data::Message& message);

// The folder and, with `subfolders`, every folder below it.
std::set<int> FolderScope(const Store& store, int folderId, bool subfolders);

// SelectMessage by message_folder_id and message_user_id (each narrows when
// given): the messages of that owner in that folder, once each, that meet
// the criteria.
void ListOwnMessages(const Store& store,
                     const zarv::data::SelectMessageRequest& request,
                     zarv::data::SelectMessageReply& reply);
// SelectMessageUser by message_user_message_folder_id and
// message_user_user_id (each narrows when given): the addressee rows of that
// recipient filed in that folder whose message meets the criteria.
void ListReceivedMessages(const Store& store,
                          const zarv::data::SelectMessageUserRequest& request,
                          zarv::data::SelectMessageUserReply& reply);

}  // namespace testserver
