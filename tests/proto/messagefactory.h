#pragma once

// The tables of these tests hold messages as factories, so that every check
// starts from a fresh message.

#include <google/protobuf/message.h>

#include <functional>
#include <memory>
#include <utility>

namespace prototest {

using MessagePtr = std::unique_ptr<google::protobuf::Message>;
using MessageFactory = std::function<MessagePtr()>;

// A factory of Records, each filled in by `fill`.
template <typename Record, typename Fill>
MessageFactory Build(Fill fill)
{
    return [fill] {
        auto record = std::make_unique<Record>();
        fill(*record);
        return MessagePtr(std::move(record));
    };
}

// A factory of empty Records.
template <typename Record>
MessageFactory Empty()
{
    return [] { return MessagePtr(std::make_unique<Record>()); };
}

}  // namespace prototest
