#include "product/testserver/operations.h"

#include <google/protobuf/message.h>

namespace testserver {
namespace {

const Operation Operations[] = {
    {common::AuthenticateUser, false, AuthenticateUser},
    {common::TerminateUserSession, true, TerminateUserSession},
    {common::InsertDictionary, true, InsertDictionary},
    {common::SelectDictionary, true, SelectDictionary},
    {common::SelectDocument, true, SelectDocument},
    {common::SelectMessage, true, SelectMessage},
    {common::SelectMessageUser, true, SelectMessageUser},
    {common::SelectUser, true, SelectUser},
};

}  // namespace

const Operation* FindOperation(common::Opcode majorOpcode)
{
    for (const Operation& operation : Operations) {
        if (operation.opcode == majorOpcode) {
            return &operation;
        }
    }
    return nullptr;
}

Answer Failure(common::Ercode majorErcode)
{
    Answer answer;
    answer.majorErcode = majorErcode;
    return answer;
}

Answer Success(const google::protobuf::Message& reply)
{
    Answer answer;
    if (!reply.SerializeToString(&answer.payload)) {
        return Failure(common::ProtoSerializeToStringEr);
    }
    return answer;
}

bool ParsePayload(const Call& call, google::protobuf::Message& request)
{
    return request.ParseFromString(call.payload);
}

}  // namespace testserver
