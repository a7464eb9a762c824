// Listing a folder of 1,000 and 10,000 documents of 4 KiB bodies in the
// document browser: the request sent, the reply parsed by the window and
// every document added through the main pane, which keeps each whole record
// and an index of them; beside a bare loop that parses the same reply and
// appends the same items to a plain list.

#include "benchmarks/runbenchmarks.h"
#include "library/core/lib/registry.h"
#include "product/client/view/documentbrowserview.h"

#include "selectdocumentreply3.pb.h"
#include "selectfolderreply3.pb.h"

#include <QApplication>
#include <QIcon>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <benchmark/benchmark.h>

#include <string>

static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace {

constexpr int FolderId = 1100;

std::string DocumentsReply(int count)
{
    zarv::data::SelectDocumentReply reply;
    reply.mutable_sql_diag_rec();
    const std::string body(4096, 'x');
    for (int id = 1; id <= count; ++id) {
        zarv::data::Document& document = *reply.add_document();
        document.set_document_id(id);
        document.set_document_user_id(101);
        document.set_document_folder_id(FolderId);
        document.set_document_name("Document " + std::to_string(id));
        document.set_document_description("Description of document " + std::to_string(id));
        document.set_document_creation_date("2024-01-02 03:04:05");
        document.set_document_modification_date("2024-01-02 03:04:05");
        document.set_document_body(body);
    }
    return reply.SerializeAsString();
}

void BM_BrowserListsDocuments(benchmark::State& state)
{
    const std::string documents = DocumentsReply(static_cast<int>(state.range(0)));
    const std::string folders = zarv::data::SelectFolderReply().SerializeAsString();
    DocumentBrowserView browser(nullptr);
    // The bus, answering at once as the client's does.
    QObject::connect(&browser, &DocumentBrowserView::deliverRequest,
                     [&](common::Opcode major, common::Opcode minor, const std::string& request) {
                         browser.receiveReply(major, minor, request, common::NoEr, common::NoEr,
                                              major == common::SelectDocument ? documents : folders);
                     });
    zarv::data::Folder folder;
    folder.set_folder_id(FolderId);
    // The first listing of the process pays for fresh memory; it is not timed.
    browser.openFolder(folder);
    for (auto _ : state) {
        browser.openFolder(folder);
    }
    if (browser.findChild<MainPaneListWidget*>()->count() != state.range(0)) {
        state.SkipWithError("the pane does not hold every document");
    }
}
BENCHMARK(BM_BrowserListsDocuments)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_BareListOfDocuments(benchmark::State& state)
{
    const std::string documents = DocumentsReply(static_cast<int>(state.range(0)));
    const QIcon icon(QStringLiteral(":icons/32x32/document.png"));
    QListWidget list;
    const auto fill = [&] {
        list.clear();
        zarv::data::SelectDocumentReply reply;
        reply.ParseFromString(documents);
        for (const zarv::data::Document& document : reply.document()) {
            auto* item = new QListWidgetItem(icon, QString::fromStdString(document.document_name()), nullptr,
                                             browser::DocumentItem);
            item->setToolTip(QString::fromStdString(document.document_description()));
            item->setData(browser::DocumentRole, QVariant::fromValue(document));
            list.addItem(item);
        }
    };
    // As above, the first fill is not timed.
    fill();
    for (auto _ : state) {
        fill();
    }
}
BENCHMARK(BM_BareListOfDocuments)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InitializeClientResources();
    QTranslator translator;
    if (!translator.load(QStringLiteral(":build/client_en.qm"))) {
        return 1;
    }
    QCoreApplication::installTranslator(&translator);
    // The browser stores its geometry when it closes: not among the user's settings.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    zarv::data::User user;
    user.set_user_id(101);
    user.set_user_folder_id(FolderId);
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(user);
    return RunBenchmarks(argc, argv);
}
