#pragma once

#include "library/common/codes.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

namespace logtest {

using Pairs = std::map<std::string, std::string>;

// What an event gives in one audit mode: one warning and no line, or a line
// whose own pairs (all but the common ones) are exactly `pairs`, values as
// the line writes them.
struct Expect
{
    std::string warning;
    Pairs pairs;
};

inline Expect Warns(const std::string& warning)
{
    return {warning, {}};
}

inline Expect Line(const Pairs& pairs)
{
    return {"", pairs};
}

// One row of a family's check table: an audited request or reply, and what
// its event gives with and without the details bit of its severity.
struct CheckCase
{
    std::string name;
    common::Opcode majorOpcode;
    std::string request;
    std::string reply;
    common::Ercode majorErcode;
    Expect withDetails;
    Expect withoutDetails;
};

inline void PrintTo(const CheckCase& checkCase, std::ostream* out)
{
    *out << checkCase.name;
}

struct CheckCaseName
{
    std::string operator()(const ::testing::TestParamInfo<CheckCase>& info) const { return info.param.name; }
};

// Rows are run by the audit event the table holds for their opcode.
class EventChecks : public ::testing::TestWithParam<CheckCase>
{};

// `pairs` with those of `more` added or replaced.
inline Pairs With(Pairs pairs, const Pairs& more)
{
    for (const auto& [key, value] : more) {
        pairs[key] = value;
    }
    return pairs;
}

// The id pair of the document, folder or message that most rows name.
inline const Pairs Document42{{"cn1", "42"}, {"cn1Label", "documentId"}};
inline const Pairs Folder3{{"cn1", "3"}, {"cn1Label", "folderId"}};
inline const Pairs Message9{{"cn1", "9"}, {"cn1Label", "messageId"}};

// A serialised message filled by `fill`.
template <class Message, class Fill>
std::string Bytes(Fill fill)
{
    Message message;
    fill(message);
    return message.SerializeAsString();
}

// Bytes that no message parses from.
inline const std::string NotAMessage("\xff\xff\xff", 3);

}  // namespace logtest
