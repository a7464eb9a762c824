// The operations on a user's spelling dictionary. A user's dictionary is his
// own: the words are always the session user's.

#include "product/testserver/operations.h"

#include "insertdictionaryrequest3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"

namespace testserver {

Answer SelectDictionary(ServerState& state, const Call& call)
{
    zarv::data::SelectDictionaryRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const int userId = call.session->userId;
    zarv::data::SelectDictionaryReply reply;
    reply.mutable_sql_diag_rec();
    if (request.has_dictionary_user_id() && request.dictionary_user_id() != userId) {
        return Success(reply);
    }
    for (const zarv::data::Dictionary& word : state.store.words(userId)) {
        if (!request.has_dictionary_word() || request.dictionary_word() == word.dictionary_word()) {
            *reply.add_dictionary() = word;
        }
    }
    return Success(reply);
}

// Stores one word. The operation has no reply message: the error codes say it all.
Answer InsertDictionary(ServerState& state, const Call& call)
{
    zarv::data::InsertDictionaryRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    const zarv::data::Dictionary& record = request.dictionary();
    const int userId = call.session->userId;
    if (record.has_dictionary_user_id() && record.dictionary_user_id() != userId) {
        return Failure(common::ServiceBadUserIdEr);
    }
    if (record.dictionary_word().empty()) {
        return Failure(common::ServiceBadNameEr);
    }
    state.store.addWord(userId, record.dictionary_word());
    return Answer{};
}

}  // namespace testserver
