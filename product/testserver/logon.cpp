// The operations that open and end a session.

#include "product/testserver/credentials.h"
#include "product/testserver/operations.h"
#include "product/testserver/usercolumns.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "user3.pb.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace testserver {
namespace {

// A field of the request: its cipher text is the first `length` bytes of
// `cipherText`; a length beyond them does not decrypt.
std::optional<std::string> OpenField(const LogonKeys& keys, const std::string& cipherText, int length)
{
    if (length < 0 || static_cast<std::size_t>(length) > cipherText.size()) {
        return std::nullopt;
    }
    return keys.open(cipherText.substr(0, static_cast<std::size_t>(length)));
}

// Now in UTC as database text with microseconds: "2025-03-14 09:26:53.589793".
std::string ServerTimestamp()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t time = system_clock::to_time_t(now);
    const auto micros = duration_cast<microseconds>(now.time_since_epoch()).count() % 1000000;
    std::tm utc{};
    ::gmtime_r(&time, &utc);
    char seconds[32];
    std::strftime(seconds, sizeof seconds, "%Y-%m-%d %H:%M:%S", &utc);
    char fraction[16];
    std::snprintf(fraction, sizeof fraction, ".%06lld", static_cast<long long>(micros));
    return std::string(seconds) + fraction;
}

// The session's three texts, in reply order. The key reads as the database
// returns a 16-byte value: "\x" and 32 hex digits; the client skips the first
// two characters.
std::vector<Column> SessionColumns(const Session& session)
{
    return {
        {"server_time_stamp", ServerTimestamp()},
        {"encryption_key", "\\x" + Hex(session.key.data(), session.key.size())},
        {"session_id", std::to_string(session.id)},
    };
}

// Seals each column into its pair of reply fields, "encrypted_<name>" and
// "encrypted_<name>_len".
bool SealColumns(const LogonKeys& keys, const std::vector<Column>& columns, zarv::data::AuthenticateUserReply& reply)
{
    const google::protobuf::Descriptor* descriptor = reply.GetDescriptor();
    const google::protobuf::Reflection* reflection = reply.GetReflection();
    for (const Column& column : columns) {
        const std::string name = std::string("encrypted_") + column.name;
        const google::protobuf::FieldDescriptor* bytesField = descriptor->FindFieldByName(name);
        const google::protobuf::FieldDescriptor* lengthField = descriptor->FindFieldByName(name + "_len");
        const std::optional<std::string> sealed = keys.seal(column.text);
        if (!bytesField || !lengthField || !sealed) {
            return false;
        }
        reflection->SetString(&reply, bytesField, *sealed);
        reflection->SetInt32(&reply, lengthField, static_cast<int>(sealed->size()));
    }
    return true;
}

// A refused log-on still carries the reply, so that its flags say how far it came.
Answer Refused(const zarv::data::AuthenticateUserReply& reply, common::Ercode majorErcode)
{
    Answer answer = Success(reply);
    answer.majorErcode = majorErcode;
    return answer;
}

}  // namespace

Answer AuthenticateUser(ServerState& state, const Call& call)
{
    zarv::data::AuthenticateUserRequest request;
    if (!ParsePayload(call, request)) {
        return Failure(common::ProtoParseFromStringEr);
    }
    zarv::data::AuthenticateUserReply reply;
    reply.mutable_sql_diag_rec();

    const auto nameHash = OpenField(state.keys, request.encrypted_user_name(), request.encrypted_user_name_len());
    const auto passwordHash =
        OpenField(state.keys, request.encrypted_user_password(), request.encrypted_user_password_len());
    const auto clientTimestamp =
        OpenField(state.keys, request.encrypted_client_time_stamp(), request.encrypted_client_time_stamp_len());
    if (!nameHash || !passwordHash || !clientTimestamp) {
        return Refused(reply, common::ServiceDecryptionAuthenticationEr);
    }

    const zarv::data::User* user = state.store.findUserByNameHash(*nameHash);
    if (!user) {
        return Refused(reply, common::ServiceNoUserFoundEr);
    }
    reply.set_user_name_found(true);
    if (!PasswordMatches(*passwordHash, user->user_security_descriptor().password())) {
        return Refused(reply, common::ServiceBadPasswordEr);
    }
    reply.set_user_password_decoded(true);

    const Session& session = state.sessions.open(user->user_id());
    std::vector<Column> columns = SessionColumns(session);
    for (Column& column : UserColumns(*user)) {
        columns.push_back(std::move(column));
    }
    if (!SealColumns(state.keys, columns, reply)) {
        state.sessions.close(session.id);
        return Refused(reply, common::ServiceEncryptionAuthenticationEr);
    }
    reply.set_user_session_inserted(true);

    Answer answer = Success(reply);
    answer.sessionId = session.id;
    return answer;
}

Answer TerminateUserSession(ServerState& state, const Call& call)
{
    state.sessions.close(call.session->id);
    return Answer{};
}

}  // namespace testserver
