// The document editor's copy audit for a body of 1 KiB and of 1 MiB: the
// request that the window builds and the audit line that the service router
// makes of it, beside the same request carrying the whole record with its
// body. The audit never leaves the client and the router reads only the
// record's id and name, so the two bodies should cost about the same.

#include "benchmarks/runbenchmarks.h"
#include "product/client/component/servicerouter.h"
#include "product/client/view/documenteditorview.h"

#include "logeventcopydocumenttoclipboardrequest3.pb.h"

#include <QApplication>
#include <QObject>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace {

zarv::data::Document Record(long long bodyBytes)
{
    zarv::data::Document document;
    document.set_document_id(15300);
    document.set_document_user_id(15001);
    document.set_document_name("Plan");
    // Paragraphs of words, as a document holds them: one word as long as the
    // whole body would make the editor's line breaking, not the audit, the
    // cost of opening the window.
    const std::string paragraph = "<p>The spring release plan lists its milestones and owners.</p>";
    std::string body;
    body.reserve(static_cast<size_t>(bodyBytes) + paragraph.size());
    while (static_cast<long long>(body.size()) < bodyBytes) {
        body += paragraph;
    }
    document.set_document_body(body);
    document.mutable_document_security_descriptor()->set_permissions(0xFFF);
    return document;
}

void BM_CopyAudit(benchmark::State& state)
{
    DocumentEditorView editor(Record(state.range(0)), nullptr);
    ServiceRouter router(nullptr);
    QObject::connect(&editor, &DocumentEditorView::deliverRequest, &router, &ServiceRouter::receiveRequest);
    long long events = 0;
    QObject::connect(&router, &ServiceRouter::deliverEvent, [&events]() { ++events; });
    for (auto _ : state) {
        editor.copyBytesToClipboard(1024);
    }
    benchmark::DoNotOptimize(events);
    state.counters["body_bytes"] = static_cast<double>(state.range(0));
}

void BM_CopyAuditOfTheWholeRecord(benchmark::State& state)
{
    const zarv::data::Document document = Record(state.range(0));
    ServiceRouter router(nullptr);
    for (auto _ : state) {
        zarv::data::LogEventCopyDocumentToClipboardRequest request;
        *request.mutable_document() = document;
        request.set_size(1024);
        std::string payload;
        request.SerializeToString(&payload);
        router.receiveRequest(common::LogEventCopyDocumentToClipboard, common::Untagged, payload);
    }
    state.counters["body_bytes"] = static_cast<double>(state.range(0));
}

}  // namespace

BENCHMARK(BM_CopyAudit)->Arg(1024)->Arg(1024 * 1024)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyAuditOfTheWholeRecord)->Arg(1024)->Arg(1024 * 1024)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InitializeClientResources();
    // The editor stores its geometry when it closes: not among the user's settings.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    return RunBenchmarks(argc, argv);
}
