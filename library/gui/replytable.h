#pragma once

#include "library/common/codes.h"

#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A reply as the bus carries it, its payload not read yet.
struct BusReply
{
    common::Opcode majorOpcode;
    common::Opcode minorOpcode;
    const std::string& request;
    common::Ercode majorErcode;
    common::Ercode minorErcode;
    const std::string& reply;
};

// Why a reply that a receiver waits for did not reach its handler: the error
// codes that the reply carried, or ProtoParseFromStringEr (minor code 1) for a
// payload that does not parse.
struct ReplyFailure
{
    common::Ercode majorErcode;
    common::Ercode minorErcode;

    bool operator==(const ReplyFailure& other) const
    {
        return majorErcode == other.majorErcode && minorErcode == other.minorErcode;
    }
};

// The replies that a window or a manager takes, one row per pair of operation
// codes, filled in its constructor. Each row reads the payload once into the
// handler's own reply type (a protobuf message) and calls the handler with
// it; a payload that does not parse reaches no handler, is logged and comes
// back as a failure to report. A row takes successful replies only (both
// error codes 0), or every reply, failed ones included, for a handler that
// words the error codes itself.
class ReplyTable
{
public:
    // A row's minor code that matches every minor code.
    static constexpr common::Opcode AnyMinor = std::numeric_limits<common::Opcode>::min();

    enum class Takes
    {
        Successes,
        AllReplies
    };

    template <typename Message>
    using Handler = std::function<void(const BusReply& bus, const Message& reply)>;

    template <typename Message>
    void add(common::Opcode majorOpcode, common::Opcode minorOpcode, Takes takes, Handler<Message> handler)
    {
        m_rows.push_back({majorOpcode, minorOpcode, takes, [handler = std::move(handler)](const BusReply& bus) {
                              Message message;
                              if (!message.ParseFromString(bus.reply)) {
                                  return false;
                              }
                              handler(bus, message);
                              return true;
                          }});
    }

    // A row whose handler is a member of `owner`.
    template <typename Message, typename Owner>
    void add(common::Opcode majorOpcode,
             common::Opcode minorOpcode,
             Owner* owner,
             void (Owner::*handler)(const BusReply& bus, const Message& reply),
             Takes takes = Takes::Successes)
    {
        add<Message>(majorOpcode, minorOpcode, takes,
                     [owner, handler](const BusReply& bus, const Message& reply) { (owner->*handler)(bus, reply); });
    }

    // Hands the reply to the first row of its pair. Nothing to report for a
    // pair that no row lists, or for a reply that its handler took; otherwise
    // the failure: a failed reply that the row does not take, or a payload
    // that does not parse.
    std::optional<ReplyFailure> take(const BusReply& bus) const;

    // The split of every window and manager: both error codes 0 go to the
    // receiver's processReply, anything else to its processError.
    template <typename Receiver>
    static void Split(Receiver& receiver, const BusReply& bus)
    {
        if (bus.majorErcode == common::NoEr && bus.minorErcode == common::NoEr) {
            receiver.processReply(bus.majorOpcode, bus.minorOpcode, bus.request, bus.reply);
        } else {
            receiver.processError(bus.majorOpcode, bus.minorOpcode, bus.request, bus.majorErcode, bus.minorErcode,
                                  bus.reply);
        }
    }

private:
    struct Row
    {
        common::Opcode majorOpcode;
        common::Opcode minorOpcode;
        Takes takes;
        // False when the payload does not parse.
        std::function<bool(const BusReply& bus)> read;
    };

    std::vector<Row> m_rows;
};
