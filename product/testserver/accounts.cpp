// Changes to the accounts that a user makes himself.

#include "product/testserver/operations.h"

#include "updateuserreply3.pb.h"
#include "updateuserrequest3.pb.h"
#include "user3.pb.h"

namespace testserver {

// The session's own user may store a new password (its stored form, as the
// client encodes it); later log-ons check it. Another user's id is refused.
Answer UpdateUser(ServerState& state, const Call& call)
{
    zarv::data::UpdateUserRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    if (request.user().user_id() != call.session->userId) {
        return Failure(common::ServiceBadUserIdEr);
    }
    zarv::data::UpdateUserReply reply;
    reply.mutable_sql_diag_rec();
    for (quenlark::testserver::Account& account : *state.store.data().mutable_account()) {
        if (account.record().user_id() != call.session->userId) {
            continue;
        }
        const zarv::data::SecurityDescriptor& descriptor = request.user().user_security_descriptor();
        if (descriptor.has_password()) {
            account.mutable_record()->mutable_user_security_descriptor()->set_password(descriptor.password());
        }
        reply.set_return_code(1);
    }
    return Success(reply);
}

}  // namespace testserver
