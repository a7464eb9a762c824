// The requests of the four searches, built from criteria rows without any
// widget.

#include "tests/gui/qstringprinter.h"
#include "tests/support/scopedtimezone.h"

#include "library/gui/searchrequest.h"

#include <QStandardItemModel>

#include <google/protobuf/descriptor.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using search::Criterion;
using ::testing::ElementsAre;

const QDate FifthOfMarch(2024, 3, 5);

// Every criterion element of a request: field name and values, read through
// the descriptor.
std::map<std::string, std::vector<std::string>> CriterionFields(const google::protobuf::Message& request)
{
    std::map<std::string, std::vector<std::string>> fields;
    const google::protobuf::Reflection* reflection = request.GetReflection();
    for (int index = 0; index < request.GetDescriptor()->field_count(); ++index) {
        const google::protobuf::FieldDescriptor* field = request.GetDescriptor()->field(index);
        if (!field->is_repeated() || field->cpp_type() != google::protobuf::FieldDescriptor::CPPTYPE_STRING) {
            continue;
        }
        for (int element = 0; element < reflection->FieldSize(request, field); ++element) {
            fields[std::string(field->name())].push_back(reflection->GetRepeatedString(request, field, element));
        }
    }
    return fields;
}

using Build = std::function<const google::protobuf::Message&(const std::vector<Criterion>&)>;

// The four requests, each built from criteria with fixed scope.
struct Kind
{
    const char* name;
    Build build;
    // Field per subject (outer) and predicate (inner).
    std::vector<std::vector<std::string>> fields;
};

std::vector<std::string> DateFields(const std::string& subject)
{
    std::vector<std::string> fields;
    for (const char* predicate :
         {"equal", "not_equal", "less_than", "greater_than", "less_than_or_equal", "greater_than_or_equal"}) {
        fields.push_back(subject + "_" + predicate);
    }
    return fields;
}

std::vector<Kind> Kinds()
{
    static zarv::data::SelectDocumentRequest document;
    static zarv::data::SelectDocumentKeyRequest documentKey;
    static zarv::data::SelectMessageRequest message;
    static zarv::data::SelectMessageUserRequest messageUser;
    const std::vector<std::vector<std::string>> documentFields = {
        {"document_name_equal", "document_name_not_equal", "document_name_like", "document_name_not_like"},
        {"document_body_contains"},
        DateFields("document_creation_date"),
        DateFields("document_modification_date")};
    const std::vector<std::vector<std::string>> messageFields = {
        {"message_from_equal", "message_from_not_equal", "message_from_like", "message_from_not_like"},
        {"message_subject_equal", "message_subject_not_equal", "message_subject_like", "message_subject_not_like"},
        {"message_body_contains"},
        DateFields("message_creation_date"),
        DateFields("message_modification_date")};
    return {
        {"SelectDocumentRequest",
         [](const std::vector<Criterion>& criteria) -> const google::protobuf::Message& {
             return document = search::FolderDocumentSearchRequest(7, false, false, criteria);
         },
         documentFields},
        {"SelectDocumentKeyRequest",
         [](const std::vector<Criterion>& criteria) -> const google::protobuf::Message& {
             return documentKey = search::FolderKeyDocumentSearchRequest(7, 1, false, false, criteria);
         },
         documentFields},
        {"SelectMessageRequest",
         [](const std::vector<Criterion>& criteria) -> const google::protobuf::Message& {
             return message = search::OwnMessageSearchRequest(7, 1, false, criteria);
         },
         messageFields},
        {"SelectMessageUserRequest",
         [](const std::vector<Criterion>& criteria) -> const google::protobuf::Message& {
             return messageUser = search::ReceivedMessageSearchRequest(7, 1, false, criteria);
         },
         messageFields},
    };
}

TEST(SearchRequest, EverySubjectAndPredicateFillsItsOneField)
{
    testsupport::ScopedTimeZone utc("UTC");
    for (const Kind& kind : Kinds()) {
        for (int subject = 0; subject < static_cast<int>(kind.fields.size()); ++subject) {
            const auto& predicates = kind.fields[static_cast<std::size_t>(subject)];
            for (int predicate = 0; predicate < static_cast<int>(predicates.size()); ++predicate) {
                SCOPED_TRACE(std::string(kind.name) + " " + std::to_string(subject) + "/" + std::to_string(predicate));
                const google::protobuf::Message& request =
                    kind.build({{subject, predicate, QStringLiteral("word"), FifthOfMarch}});
                const std::string field = predicates[static_cast<std::size_t>(predicate)];
                ASSERT_NE(nullptr, request.GetDescriptor()->FindFieldByName(field));
                const bool isDate = field.find("_date_") != std::string::npos;
                const std::map<std::string, std::vector<std::string>> expected = {
                    {field, {isDate ? "2024-03-05 00:00:00" : "word"}}};
                EXPECT_EQ(expected, CriterionFields(request));
            }
            // One past the subject's predicates, and a negative one.
            for (int predicate : {static_cast<int>(predicates.size()), -1}) {
                EXPECT_TRUE(
                    CriterionFields(kind.build({{subject, predicate, QStringLiteral("word"), FifthOfMarch}})).empty());
            }
        }
        for (int subject : {static_cast<int>(kind.fields.size()), -1}) {
            EXPECT_TRUE(CriterionFields(kind.build({{subject, 0, QStringLiteral("word"), FifthOfMarch}})).empty());
        }
    }
}

struct CutCase
{
    const char* name;
    int subject;  // of the message search
    QString text;
    int expectedBytes;
};

const QString TwoByte = QStringLiteral("é");

const CutCase CutCases[] = {
    {"sender of 65 bytes", 0, QString(65, 'a'), 64},
    {"sender of 64 bytes", 0, QString(64, 'a'), 64},
    {"two-byte character across 64", 0, QString(63, 'a') + TwoByte, 63},
    {"two-byte character ending at 64", 0, QString(62, 'a') + TwoByte, 64},
    {"subject of 300 bytes", 1, QString(300, 's'), 256},
    {"subject of 256 bytes", 1, QString(256, 's'), 256},
    {"two-byte character across 256", 1, QString(255, 's') + TwoByte, 255},
    {"content of 2001 bytes", 2, QString(2001, 'c'), 2000},
    {"two-byte character across 2000", 2, QString(1999, 'c') + TwoByte + TwoByte, 1999},
};

TEST(SearchRequest, TextsAreCutAtTheirLimitBetweenCharacters)
{
    for (const CutCase& test : CutCases) {
        SCOPED_TRACE(test.name);
        const auto request = search::OwnMessageSearchRequest(1, 1, false, {{test.subject, 0, test.text, QDate()}});
        const auto fields = CriterionFields(request);
        ASSERT_EQ(1u, fields.size());
        const std::string& value = fields.begin()->second.at(0);
        EXPECT_EQ(static_cast<std::size_t>(test.expectedBytes), value.size());
        EXPECT_EQ(test.text.toUtf8().left(test.expectedBytes).toStdString(), value);
    }
    // A document name is cut at 64 bytes like a sender.
    const auto request = search::FolderDocumentSearchRequest(1, false, false, {{0, 0, QString(70, 'n'), QDate()}});
    EXPECT_THAT(request.document_name_equal(), ElementsAre(std::string(64, 'n')));
}

TEST(SearchRequest, CriteriaThatCannotBeExpressedAddNothing)
{
    const std::vector<Criterion> criteria = {
        {0, 0, QString(), FifthOfMarch},          // empty name
        {1, 0, QString(), FifthOfMarch},          // empty content
        {1, 1, QStringLiteral("text"), QDate()},  // content with another predicate
        {1, 2, QStringLiteral("text"), QDate()},  //
        {2, 0, QStringLiteral("text"), QDate()},  // invalid date
        {3, 5, QString(), QDate(2024, 2, 30)},    // no such day
    };
    EXPECT_TRUE(CriterionFields(search::FolderDocumentSearchRequest(1, false, false, criteria)).empty());
}

TEST(SearchRequest, SeveralCriteriaOfOneFieldKeepTheRowOrder)
{
    const auto request = search::FolderDocumentSearchRequest(1, false, true,
                                                             {{0, 2, QStringLiteral("a%"), QDate()},
                                                              {1, 0, QStringLiteral("b"), QDate()},
                                                              {0, 2, QStringLiteral("b%"), QDate()}});
    EXPECT_THAT(request.document_name_like(), ElementsAre("a%", "b%"));
    EXPECT_THAT(request.document_body_contains(), ElementsAre("b"));
    EXPECT_EQ(zarv::data::SelectDocumentRequest::LOGICAL_OR, request.logical_operator());
}

TEST(SearchRequest, NoRowsGiveTheScopeFieldsAndTheOperatorOnTheWire)
{
    zarv::data::SelectDocumentRequest sent;
    ASSERT_TRUE(sent.ParseFromString(search::FolderDocumentSearchRequest(0, false, false, {}).SerializeAsString()));
    EXPECT_TRUE(sent.has_document_folder_id());
    EXPECT_EQ(0, sent.document_folder_id());
    EXPECT_TRUE(sent.has_search_subfolders());
    EXPECT_FALSE(sent.search_subfolders());
    EXPECT_TRUE(sent.has_logical_operator());
    EXPECT_EQ(zarv::data::SelectDocumentRequest::LOGICAL_AND, sent.logical_operator());
    zarv::data::SelectDocumentRequest scopeOnly;
    scopeOnly.set_document_folder_id(0);
    scopeOnly.set_search_subfolders(false);
    scopeOnly.set_logical_operator(zarv::data::SelectDocumentRequest::LOGICAL_AND);
    EXPECT_EQ(scopeOnly.SerializeAsString(), sent.SerializeAsString());

    const auto key = search::FolderKeyDocumentSearchRequest(11, 3, true, false, {});
    zarv::data::SelectDocumentKeyRequest keyScope;
    keyScope.set_document_folder_id(11);
    keyScope.set_document_key_user_id(3);
    keyScope.set_search_subfolders(true);
    keyScope.set_logical_operator(zarv::data::SelectDocumentKeyRequest::LOGICAL_AND);
    EXPECT_EQ(keyScope.SerializeAsString(), key.SerializeAsString());

    const auto own = search::OwnMessageSearchRequest(20, 4, true, {});
    EXPECT_TRUE(own.has_message_folder_id() && own.has_message_user_id() && own.has_logical_operator());
    EXPECT_EQ(zarv::data::SelectMessageRequest::LOGICAL_OR, own.logical_operator());
    const auto received = search::ReceivedMessageSearchRequest(20, 4, false, {});
    EXPECT_EQ(20, received.message_user_message_folder_id());
    EXPECT_EQ(4, received.message_user_user_id());
    EXPECT_TRUE(received.has_logical_operator());
}

struct DayCase
{
    const char* zone;
    QDate date;
    const char* expected;
};

const DayCase DayCases[] = {
    {"Etc/GMT-1", QDate(2024, 3, 5), "2024-03-04 23:00:00"},  // one hour ahead of UTC
    {"America/New_York", QDate(2024, 3, 5), "2024-03-05 05:00:00"},
    {"UTC", QDate(2024, 3, 5), "2024-03-05 00:00:00"},
    // Midnight was skipped: the day began at 01:00 local time (UTC-2).
    {"America/Sao_Paulo", QDate(2018, 11, 4), "2018-11-04 03:00:00"},
};

TEST(SearchRequest, ADateIsTheFirstInstantOfTheLocalDay)
{
    for (const DayCase& test : DayCases) {
        SCOPED_TRACE(test.zone);
        testsupport::ScopedTimeZone zone(test.zone);
        EXPECT_EQ(test.expected, search::DayStart(test.date));
        const auto request = search::FolderDocumentSearchRequest(1, false, false, {{2, 4, QString(), test.date}});
        EXPECT_THAT(request.document_creation_date_less_than_or_equal(), ElementsAre(test.expected));
    }
    EXPECT_EQ("", search::DayStart(QDate()));
}

TEST(SearchRequest, RowsAreReadFromTheFourRoles)
{
    QStandardItemModel model(0, 1);
    model.insertRows(0, 2);
    const QModelIndex edited = model.index(1, 0);
    model.setData(edited, 3, search::CriterionSubjectRole);
    model.setData(edited, 5, search::CriterionPredicateRole);
    model.setData(edited, QStringLiteral("text"), search::CriterionTextRole);
    model.setData(edited, FifthOfMarch, search::CriterionDateRole);
    const std::vector<Criterion> criteria = search::CriteriaOf(model);
    ASSERT_EQ(2u, criteria.size());
    EXPECT_EQ(0, criteria[0].subject);
    EXPECT_EQ(0, criteria[0].predicate);
    EXPECT_TRUE(criteria[0].text.isEmpty());
    EXPECT_FALSE(criteria[0].date.isValid());
    EXPECT_EQ(3, criteria[1].subject);
    EXPECT_EQ(5, criteria[1].predicate);
    EXPECT_EQ(QStringLiteral("text"), criteria[1].text);
    EXPECT_EQ(FifthOfMarch, criteria[1].date);
}

}  // namespace
