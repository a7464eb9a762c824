#pragma once

#include "library/common/codes.h"

#include <QString>
#include <QTableWidget>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <string>
#include <vector>

namespace google::protobuf {
class MessageLite;
}  // namespace google::protobuf

namespace search {

// One result row: the cells' texts and the record that the first cell
// carries.
struct ResultRow
{
    QStringList cells;
    QVariant record;
    bool bold = false;  // the first cell's text
};

// Appends the rows below those in the table, with the table's sorting
// suspended while they go in, so that every cell of a row lands in the same
// row and keeps its record whatever column the table is sorted by.
void AppendResultRows(QTableWidget& table, const std::vector<ResultRow>& rows, int recordRole);

// The records of the selected rows, in the order the table reports its
// selected items. Only first cells carry one, so each selected row gives one;
// data that is not a `Record` gives nothing.
template <typename Record>
std::vector<Record> SelectedRecords(const QTableWidget& table, int recordRole)
{
    std::vector<Record> records;
    for (const QTableWidgetItem* item : table.selectedItems()) {
        const QVariant data = item->data(recordRole);
        if (data.metaType() == QMetaType::fromType<Record>()) {
            records.push_back(data.value<Record>());
        }
    }
    return records;
}

// A timestamp's database text in the machine's local time,
// "yyyy-MM-dd HH:mm:ss"; empty when the text is not a valid timestamp.
QString LocalDisplayDate(const std::string& timestamp);

// One search's synchronous exchange with the server. The reply is read
// whatever error codes it carries; `note` then says in one line why the
// search came to nothing (no reply, a reply that does not parse, a request
// that does not serialise) or that the server refused it, and stays empty
// otherwise.
class SearchExchange
{
public:
    explicit SearchExchange(common::Opcode majorOpcode);

    template <typename Reply>
    std::optional<Reply> run(const google::protobuf::MessageLite& request)
    {
        if (!send(request)) {
            return std::nullopt;
        }
        Reply reply;
        if (!reply.ParseFromString(m_reply)) {
            m_note = unreadableReply();
            return std::nullopt;
        }
        return reply;
    }

    const QString& note() const { return m_note; }

private:
    bool send(const google::protobuf::MessageLite& request);
    static QString unreadableReply();

    const common::Opcode m_majorOpcode;
    std::string m_reply;
    QString m_note;
};

}  // namespace search
