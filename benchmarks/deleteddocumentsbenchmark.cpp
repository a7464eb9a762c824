// The restore wizard's table of deleted documents filled from replies of
// 1,000 and 10,000 revision records (ten revisions for each of 100 and 1,000
// documents, in no order): one row per document, its latest revision kept.
// Ten times the records should cost about ten times as much.

#include "benchmarks/runbenchmarks.h"
#include "product/client/view/restoredocumentselectdocumentwizardpage.h"

#include "selectdocumentreply3.pb.h"

#include <QApplication>
#include <QTableWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

constexpr int RevisionsPerDocument = 10;

std::string Stamp(int day, int minute)
{
    char text[32];
    std::snprintf(text, sizeof text, "2024-%02d-%02d %02d:%02d:00", 1 + day / 28, 1 + day % 28, minute / 60 % 24,
                  minute % 60);
    return text;
}

zarv::data::SelectDocumentReply Reply(int documents)
{
    zarv::data::SelectDocumentReply reply;
    for (int revision = 0; revision < RevisionsPerDocument; ++revision) {
        for (int document = 0; document < documents; ++document) {
            zarv::data::Document& record = *reply.add_document();
            record.set_document_id(document + 1);
            record.set_document_folder_id(100 + document % 7);
            record.set_document_name("Document " + std::to_string(documents - document));
            record.set_document_body("<p>Revision " + std::to_string(revision) + "</p>");
            const int day = (document * 7 + revision) % 300;
            record.mutable_sys_period()->set_from(Stamp(day, revision * 50));
            record.mutable_sys_period()->set_to(Stamp(day, revision * 50 + 45));
        }
    }
    return reply;
}

void BM_FillDeletedDocumentTable(benchmark::State& state)
{
    const int documents = static_cast<int>(state.range(0));
    const zarv::data::SelectDocumentReply reply = Reply(documents);
    QTableWidget table;
    table.setColumnCount(2);
    for (auto _ : state) {
        table.setRowCount(0);
        HandleSelectDeletedDocumentReply(reply, &table);
        table.sortItems(0, Qt::AscendingOrder);
        benchmark::DoNotOptimize(table.rowCount());
    }
    if (table.rowCount() != documents) {
        state.SkipWithError("one row per document expected");
    }
    state.counters["records"] = reply.document_size();
    state.SetItemsProcessed(state.iterations() * reply.document_size());
}
BENCHMARK(BM_FillDeletedDocumentTable)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RunBenchmarks(argc, argv);
}
