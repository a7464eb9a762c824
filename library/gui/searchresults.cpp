#include "library/gui/searchresults.h"

#include "library/database/lib/dbtimestamp.h"
#include "library/gui/linguist.h"
#include "library/gui/servercall.h"

#include <QCoreApplication>
#include <QFont>
#include <QTableWidget>

#include <google/protobuf/message_lite.h>

#include <stdexcept>

namespace search {

void AppendResultRows(QTableWidget& table, const std::vector<ResultRow>& rows, int recordRole)
{
    const bool sorting = table.isSortingEnabled();
    table.setSortingEnabled(false);
    int row = table.rowCount();
    table.setRowCount(row + static_cast<int>(rows.size()));
    for (const ResultRow& result : rows) {
        for (int column = 0; column < result.cells.size(); ++column) {
            auto* item = new QTableWidgetItem(result.cells[column]);
            if (column == 0) {
                item->setData(recordRole, result.record);
                if (result.bold) {
                    QFont font = item->data(Qt::FontRole).value<QFont>();
                    font.setWeight(QFont::Bold);
                    item->setFont(font);
                }
            }
            table.setItem(row, column, item);
        }
        ++row;
    }
    table.setSortingEnabled(sorting);
}

QString LocalDisplayDate(const std::string& timestamp)
{
    const DbTimestamp value(timestamp);
    if (!value.isValid()) {
        return QString();
    }
    try {
        return QString::fromStdString(value.toLocalRfcString(nullptr));
    } catch (const std::out_of_range&) {
        // Before 1970 the C library cannot convert to local time.
        return QString();
    }
}

SearchExchange::SearchExchange(common::Opcode majorOpcode)
    : m_majorOpcode(majorOpcode)
{}

bool SearchExchange::send(const google::protobuf::MessageLite& request)
{
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        m_note = QCoreApplication::translate("SearchExchange", "RequestNotSent");
        return false;
    }
    ServerCall call(m_majorOpcode);
    if (!call.send(payload)) {
        m_note = Linguist::tr("NoReplyFromServer");
        return false;
    }
    if (!call.succeeded()) {
        const int code = call.majorErcode() != common::NoEr ? call.majorErcode() : call.minorErcode();
        m_note = Linguist::tr("ServerRefusedRequest").arg(code);
    }
    m_reply = call.reply();
    return true;
}

QString SearchExchange::unreadableReply()
{
    return QCoreApplication::translate("SearchExchange", "UnreadableReply");
}

}  // namespace search
