#pragma once

#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <string>
#include <vector>

class QStandardItemModel;

// Search criteria: what a criteria table's rows hold and how they become the
// repeated string fields of a search request. A criterion field is named by
// its subject and its predicate ("document_name" + "_" + "like"); every
// element is one criterion, and `logical_operator` says whether all or any
// of them must hold.
namespace search {

// The data roles of a criterion row's item.
enum CriterionRole : int
{
    CriterionSubjectRole = Qt::UserRole + 1,
    CriterionPredicateRole = Qt::UserRole + 2,
    CriterionTextRole = Qt::UserRole + 3,
    CriterionDateRole = Qt::UserRole + 4
};

enum class PredicateList
{
    TextComparison,
    Content,
    DateComparison
};

struct Predicate
{
    const char* textId;  // in the shared words
    const char* field;   // the field name's ending
};

struct Subject
{
    const char* textId;  // in the editor's translation context
    const char* field;   // the field name's beginning
    PredicateList predicates;
    int byteLimit;  // of a text's UTF-8 form; 0 for a date
};

// The predicates of a list, in the editor's order: the two strict date
// comparisons come before the two "or equal" ones.
const std::vector<Predicate>& PredicatesOf(PredicateList list);

// The subjects of the document searches and of the message search, in the
// editors' order.
const std::vector<Subject>& DocumentSubjects();
const std::vector<Subject>& MessageSubjects();

// One row of a criteria table. A row that was never edited reads as subject
// 0, predicate 0, an empty text and an invalid date.
struct Criterion
{
    int subject = 0;
    int predicate = 0;
    QString text;
    QDate date;
};

std::vector<Criterion> CriteriaOf(const QStandardItemModel& model);

// The longest beginning of the text's UTF-8 form that is at most `byteLimit`
// bytes long and does not end inside a character.
QByteArray CutUtf8(const QString& text, int byteLimit);

// The database text (UTC) of the first instant of the day in the machine's
// local time, which exists even when midnight falls in a daylight-saving
// gap; empty for an invalid date.
std::string DayStart(const QDate& date);

// The requests of the four searches: the scope fields, `logical_operator`
// (LOGICAL_OR with `anyOf`, else LOGICAL_AND, which travels as 0) and one
// element per criterion that can be expressed, in row order. A criterion
// with an empty text, an invalid date, or a subject or predicate outside the
// tables adds nothing; content adds something only with Contains.
zarv::data::SelectDocumentRequest
FolderDocumentSearchRequest(int folderId, bool searchSubfolders, bool anyOf, const std::vector<Criterion>& criteria);
zarv::data::SelectDocumentKeyRequest FolderKeyDocumentSearchRequest(int folderId,
                                                                    int userId,
                                                                    bool searchSubfolders,
                                                                    bool anyOf,
                                                                    const std::vector<Criterion>& criteria);
zarv::data::SelectMessageRequest
OwnMessageSearchRequest(int messageFolderId, int userId, bool anyOf, const std::vector<Criterion>& criteria);
zarv::data::SelectMessageUserRequest
ReceivedMessageSearchRequest(int messageFolderId, int userId, bool anyOf, const std::vector<Criterion>& criteria);

}  // namespace search
