// Searches by criteria. A criterion field's name is its subject followed by
// its predicate; the subject picks the record's value, the predicate how the
// criterion's text compares with it:
// - equal and not equal compare the texts exactly;
// - like and not like take "%" for any run of characters and "_" for one;
// - contains looks for the text anywhere in the body;
// - a date criterion names the start of a day (UTC database text): equal is
//   within that day, less than before it, greater than after it, and the
//   "or equal" forms take the day in. A value that is not a date meets no
//   date criterion.

#include "product/testserver/search.h"

#include "product/testserver/operations.h"

#include "document3.pb.h"
#include "message3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <google/protobuf/descriptor.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace testserver {
namespace {

enum class Predicate
{
    Equal,
    NotEqual,
    Like,
    NotLike,
    Contains,
    LessThan,
    GreaterThan,
    LessThanOrEqual,
    GreaterThanOrEqual
};

// Longest first, so that "_not_equal" is not read as "_equal".
const std::pair<const char*, Predicate> PredicateSuffixes[] = {
    {"_greater_than_or_equal", Predicate::GreaterThanOrEqual},
    {"_less_than_or_equal", Predicate::LessThanOrEqual},
    {"_greater_than", Predicate::GreaterThan},
    {"_less_than", Predicate::LessThan},
    {"_not_equal", Predicate::NotEqual},
    {"_not_like", Predicate::NotLike},
    {"_contains", Predicate::Contains},
    {"_equal", Predicate::Equal},
    {"_like", Predicate::Like},
};

// A record's value for a subject: text, or a date to compare by day.
struct Value
{
    std::string text;
    bool isDate = false;
};

// The record's value of a subject, or nothing when the record has no such
// subject.
using ValueOf = std::function<std::optional<Value>(const std::string& subject)>;

constexpr std::int64_t SecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

// Seconds since the epoch of "YYYY-MM-DD HH:MM:SS" (a fraction is ignored),
// or nothing when the text is not such a date.
std::optional<std::int64_t> Seconds(const std::string& text)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char separator = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d", &year, &month, &day, &separator, &hour, &minute, &second)
            != 7
        || (separator != ' ' && separator != 'T') || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23
        || minute > 59 || second > 59) {
        return std::nullopt;
    }
    return DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * SecondsPerDay + hour * 3600
           + minute * 60 + second;
}

std::u32string CodePoints(const std::string& text)
{
    std::u32string points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 4;
        char32_t point = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        std::size_t next = i + 1;
        for (; next < i + length && next < text.size(); ++next) {
            point = (point << 6) | (static_cast<unsigned char>(text[next]) & 0x3F);
        }
        points.push_back(point);
        i = next;
    }
    return points;
}

bool LikeFrom(const std::u32string& value, std::size_t at, const std::u32string& pattern, std::size_t from)
{
    if (from == pattern.size()) {
        return at == value.size();
    }
    if (pattern[from] == U'%') {
        for (std::size_t skip = at; skip <= value.size(); ++skip) {
            if (LikeFrom(value, skip, pattern, from + 1)) {
                return true;
            }
        }
        return false;
    }
    return at < value.size() && (pattern[from] == U'_' || pattern[from] == value[at])
           && LikeFrom(value, at + 1, pattern, from + 1);
}

bool Like(const std::string& value, const std::string& pattern)
{
    return LikeFrom(CodePoints(value), 0, CodePoints(pattern), 0);
}

bool MeetsDate(Predicate predicate, const std::string& value, const std::string& criterion)
{
    const std::optional<std::int64_t> at = Seconds(value);
    const std::optional<std::int64_t> dayStart = Seconds(criterion);
    if (!at || !dayStart) {
        return false;
    }
    const std::int64_t dayEnd = *dayStart + SecondsPerDay;
    switch (predicate) {
    case Predicate::Equal:
        return *dayStart <= *at && *at < dayEnd;
    case Predicate::NotEqual:
        return *at < *dayStart || dayEnd <= *at;
    case Predicate::LessThan:
        return *at < *dayStart;
    case Predicate::GreaterThan:
        return dayEnd <= *at;
    case Predicate::LessThanOrEqual:
        return *at < dayEnd;
    case Predicate::GreaterThanOrEqual:
        return *dayStart <= *at;
    default:
        return false;
    }
}

bool MeetsText(Predicate predicate, const std::string& value, const std::string& criterion)
{
    switch (predicate) {
    case Predicate::Equal:
        return value == criterion;
    case Predicate::NotEqual:
        return value != criterion;
    case Predicate::Like:
        return Like(value, criterion);
    case Predicate::NotLike:
        return !Like(value, criterion);
    case Predicate::Contains:
        return value.find(criterion) != std::string::npos;
    default:
        return false;
    }
}

bool MeetsCriteria(const google::protobuf::Message& request, const ValueOf& valueOf)
{
    const google::protobuf::Descriptor* descriptor = request.GetDescriptor();
    const google::protobuf::Reflection* reflection = request.GetReflection();
    const google::protobuf::FieldDescriptor* logicalOperator = descriptor->FindFieldByName("logical_operator");
    const bool any = logicalOperator && reflection->GetEnumValue(request, logicalOperator) == 1;
    bool anyCriterion = false;
    for (int index = 0; index < descriptor->field_count(); ++index) {
        const google::protobuf::FieldDescriptor* field = descriptor->field(index);
        if (!field->is_repeated() || field->cpp_type() != google::protobuf::FieldDescriptor::CPPTYPE_STRING) {
            continue;
        }
        const std::string name(field->name());
        for (const auto& [suffix, predicate] : PredicateSuffixes) {
            const std::string ending(suffix);
            if (name.size() <= ending.size() || name.compare(name.size() - ending.size(), ending.size(), ending) != 0) {
                continue;
            }
            const std::optional<Value> value = valueOf(name.substr(0, name.size() - ending.size()));
            for (int element = 0; element < reflection->FieldSize(request, field); ++element) {
                const std::string criterion = reflection->GetRepeatedString(request, field, element);
                const bool met = value
                                 && (value->isDate ? MeetsDate(predicate, value->text, criterion)
                                                   : MeetsText(predicate, value->text, criterion));
                anyCriterion = true;
                if (met && any) {
                    return true;
                }
                if (!met && !any) {
                    return false;
                }
            }
            break;
        }
    }
    return !anyCriterion || !any;
}

// "Last, First Middle", "Last, First", or empty when either name is missing.
std::string AlphabeticalName(const zarv::data::User& user)
{
    if (user.user_last_name().empty() || user.user_first_name().empty()) {
        return std::string();
    }
    std::string name = user.user_last_name() + ", " + user.user_first_name();
    if (!user.user_middle_name().empty()) {
        name += " " + user.user_middle_name();
    }
    return name;
}

}  // namespace

bool MeetsDocumentCriteria(const google::protobuf::Message& request, const zarv::data::Document& document)
{
    return MeetsCriteria(request, [&document](const std::string& subject) -> std::optional<Value> {
        if (subject == "document_name") {
            return Value{document.document_name()};
        }
        if (subject == "document_body") {
            return Value{document.document_body()};
        }
        if (subject == "document_creation_date") {
            return Value{document.document_creation_date(), true};
        }
        if (subject == "document_modification_date") {
            return Value{document.document_modification_date(), true};
        }
        return std::nullopt;
    });
}

bool MeetsMessageCriteria(const google::protobuf::Message& request, const zarv::data::Message& message)
{
    return MeetsCriteria(request, [&message](const std::string& subject) -> std::optional<Value> {
        if (subject == "message_from") {
            return Value{AlphabeticalName(message.message_sender())};
        }
        if (subject == "message_subject") {
            return Value{message.message_subject()};
        }
        if (subject == "message_body") {
            return Value{message.message_body()};
        }
        if (subject == "message_creation_date") {
            return Value{message.message_creation_date(), true};
        }
        if (subject == "message_modification_date") {
            return Value{message.message_modification_date(), true};
        }
        return std::nullopt;
    });
}

std::set<int> FolderScope(const Store& store, int folderId, bool subfolders)
{
    std::set<int> scope{folderId};
    bool grew = subfolders;
    while (grew) {
        grew = false;
        for (const zarv::data::Folder& folder : store.data().folder()) {
            if (folder.has_folder_parent_id() && scope.count(folder.folder_parent_id()) != 0
                && scope.insert(folder.folder_id()).second) {
                grew = true;
            }
        }
    }
    return scope;
}

}  // namespace testserver
