#include "library/gui/searchrequest.h"

#include "library/database/lib/dbtimestamp.h"

#include <QDateTime>
#include <QStandardItemModel>

#include <google/protobuf/descriptor.h>
#include <google/protobuf/message.h>

namespace search {
namespace {

// The logical_operator values, the same in every search request.
constexpr int LogicalAnd = 0;
constexpr int LogicalOr = 1;

constexpr int NameBytes = 64;
constexpr int MessageSubjectBytes = 256;
constexpr int ContentBytes = 2000;

std::string FieldName(const Subject& subject, const Predicate& predicate)
{
    return std::string(subject.field) + "_" + predicate.field;
}

// The value of a criterion in its field's wire form, or empty when it adds
// nothing.
std::string CriterionValue(const Subject& subject, const Criterion& criterion)
{
    if (subject.predicates == PredicateList::DateComparison) {
        return DayStart(criterion.date);
    }
    return CutUtf8(criterion.text, subject.byteLimit).toStdString();
}

// Sets logical_operator and appends every criterion that can be expressed
// to the field of its subject and predicate, which the request's descriptor
// finds by name.
void AddCriteria(google::protobuf::Message& request,
                 const std::vector<Subject>& subjects,
                 bool anyOf,
                 const std::vector<Criterion>& criteria)
{
    const google::protobuf::Descriptor* descriptor = request.GetDescriptor();
    const google::protobuf::Reflection* reflection = request.GetReflection();
    reflection->SetEnumValue(&request, descriptor->FindFieldByName("logical_operator"), anyOf ? LogicalOr : LogicalAnd);
    for (const Criterion& criterion : criteria) {
        if (criterion.subject < 0 || criterion.subject >= static_cast<int>(subjects.size())) {
            continue;
        }
        const Subject& subject = subjects[static_cast<std::size_t>(criterion.subject)];
        const std::vector<Predicate>& predicates = PredicatesOf(subject.predicates);
        if (criterion.predicate < 0 || criterion.predicate >= static_cast<int>(predicates.size())) {
            continue;
        }
        const std::string value = CriterionValue(subject, criterion);
        if (value.empty()) {
            continue;
        }
        const std::string name = FieldName(subject, predicates[static_cast<std::size_t>(criterion.predicate)]);
        if (const google::protobuf::FieldDescriptor* field = descriptor->FindFieldByName(name)) {
            reflection->AddString(&request, field, value);
        }
    }
}

}  // namespace

const std::vector<Predicate>& PredicatesOf(PredicateList list)
{
    static const std::vector<Predicate> TextComparison = {
        {"Equal", "equal"}, {"NotEqual", "not_equal"}, {"Like", "like"}, {"NotLike", "not_like"}};
    static const std::vector<Predicate> Content = {{"Contains", "contains"}};
    static const std::vector<Predicate> DateComparison = {{"Equal", "equal"},
                                                          {"NotEqual", "not_equal"},
                                                          {"LessThan", "less_than"},
                                                          {"GreaterThan", "greater_than"},
                                                          {"LessThanOrEqual", "less_than_or_equal"},
                                                          {"GreaterThanOrEqual", "greater_than_or_equal"}};
    switch (list) {
    case PredicateList::TextComparison:
        return TextComparison;
    case PredicateList::Content:
        return Content;
    case PredicateList::DateComparison:
        break;
    }
    return DateComparison;
}

const std::vector<Subject>& DocumentSubjects()
{
    static const std::vector<Subject> Subjects = {
        {"DocumentName", "document_name", PredicateList::TextComparison, NameBytes},
        {"DocumentContent", "document_body", PredicateList::Content, ContentBytes},
        {"DocumentCreationDate", "document_creation_date", PredicateList::DateComparison, 0},
        {"DocumentModificationDate", "document_modification_date", PredicateList::DateComparison, 0}};
    return Subjects;
}

const std::vector<Subject>& MessageSubjects()
{
    static const std::vector<Subject> Subjects = {
        {"MessageFrom", "message_from", PredicateList::TextComparison, NameBytes},
        {"MessageSubject", "message_subject", PredicateList::TextComparison, MessageSubjectBytes},
        {"MessageContent", "message_body", PredicateList::Content, ContentBytes},
        {"MessageCreationDate", "message_creation_date", PredicateList::DateComparison, 0},
        {"MessageModificationDate", "message_modification_date", PredicateList::DateComparison, 0}};
    return Subjects;
}

std::vector<Criterion> CriteriaOf(const QStandardItemModel& model)
{
    std::vector<Criterion> criteria;
    criteria.reserve(static_cast<std::size_t>(model.rowCount()));
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row, 0);
        criteria.push_back({index.data(CriterionSubjectRole).toInt(), index.data(CriterionPredicateRole).toInt(),
                            index.data(CriterionTextRole).toString(), index.data(CriterionDateRole).toDate()});
    }
    return criteria;
}

QByteArray CutUtf8(const QString& text, int byteLimit)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= byteLimit) {
        return bytes;
    }
    qsizetype end = byteLimit;
    // Back over the continuation bytes (10xxxxxx) of a character cut in two.
    while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) {
        --end;
    }
    bytes.truncate(end);
    return bytes;
}

std::string DayStart(const QDate& date)
{
    if (!date.isValid()) {
        return std::string();
    }
    const QDateTime start = date.startOfDay().toUTC();
    if (!start.isValid()) {
        return std::string();
    }
    const DbTimestamp timestamp(start.toString(Qt::ISODate).toStdString());
    return timestamp.isValid() ? timestamp.toDbString() : std::string();
}

zarv::data::SelectDocumentRequest
FolderDocumentSearchRequest(int folderId, bool searchSubfolders, bool anyOf, const std::vector<Criterion>& criteria)
{
    zarv::data::SelectDocumentRequest request;
    request.set_document_folder_id(folderId);
    request.set_search_subfolders(searchSubfolders);
    AddCriteria(request, DocumentSubjects(), anyOf, criteria);
    return request;
}

zarv::data::SelectDocumentKeyRequest FolderKeyDocumentSearchRequest(int folderId,
                                                                    int userId,
                                                                    bool searchSubfolders,
                                                                    bool anyOf,
                                                                    const std::vector<Criterion>& criteria)
{
    zarv::data::SelectDocumentKeyRequest request;
    request.set_document_folder_id(folderId);
    request.set_document_key_user_id(userId);
    request.set_search_subfolders(searchSubfolders);
    AddCriteria(request, DocumentSubjects(), anyOf, criteria);
    return request;
}

zarv::data::SelectMessageRequest
OwnMessageSearchRequest(int messageFolderId, int userId, bool anyOf, const std::vector<Criterion>& criteria)
{
    zarv::data::SelectMessageRequest request;
    request.set_message_folder_id(messageFolderId);
    request.set_message_user_id(userId);
    AddCriteria(request, MessageSubjects(), anyOf, criteria);
    return request;
}

zarv::data::SelectMessageUserRequest
ReceivedMessageSearchRequest(int messageFolderId, int userId, bool anyOf, const std::vector<Criterion>& criteria)
{
    zarv::data::SelectMessageUserRequest request;
    request.set_message_user_message_folder_id(messageFolderId);
    request.set_message_user_user_id(userId);
    AddCriteria(request, MessageSubjects(), anyOf, criteria);
    return request;
}

}  // namespace search
