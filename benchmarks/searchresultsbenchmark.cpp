// Filling a search dialog's result table: the rows go in with the table's
// sorting suspended and it sorts once afterwards, so the time should grow
// about linearly with the number of rows.

#include "benchmarks/runbenchmarks.h"

#include "library/gui/searchresults.h"

#include "document3.pb.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int DocumentRole = Qt::UserRole + 3;

// `count` documents in the reply order of a server, their names out of
// order so that the sorted table has work to do.
std::vector<search::ResultRow> Rows(int count)
{
    std::vector<search::ResultRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index) {
        zarv::data::Document document;
        document.set_document_id(index);
        document.set_document_name("Document " + std::to_string((index * 7919) % count));
        document.set_document_creation_date("2024-03-05 10:00:00");
        document.set_document_modification_date("2024-03-20 09:00:00");
        rows.push_back({{QString::fromStdString(document.document_name()),
                         search::LocalDisplayDate(document.document_creation_date()),
                         search::LocalDisplayDate(document.document_modification_date())},
                        QVariant::fromValue(document)});
    }
    return rows;
}

// The result table as a dialog shows it, sorted by its first column.
void BM_FillSortedResultTable(benchmark::State& state)
{
    const std::vector<search::ResultRow> rows = Rows(static_cast<int>(state.range(0)));
    QTableWidget table(0, 3);
    table.setSortingEnabled(true);
    table.sortItems(0, Qt::AscendingOrder);
    table.resize(800, 600);
    table.show();
    for (auto _ : state) {
        state.PauseTiming();
        table.setRowCount(0);
        state.ResumeTiming();
        search::AppendResultRows(table, rows, DocumentRole);
        table.resizeColumnsToContents();
    }
    if (table.rowCount() != state.range(0)
        || table.item(0, 0)->data(DocumentRole).value<zarv::data::Document>().document_name()
               != table.item(0, 0)->text().toStdString()) {
        state.SkipWithError("rows lost their records");
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_FillSortedResultTable)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RunBenchmarks(argc, argv);
}
