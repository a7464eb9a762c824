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

}  // namespace testserver
