// 100 and 1,000 document keys (about 31 items each) into a keyring pane and
// into a key-list tree, beside a bare QTreeWidget built with the same items:
// texts, check states and kinds, no records, no fonts. Each fill ends when
// the columns have been fitted, once, on return to the event loop.

#include "benchmarks/runbenchmarks.h"
#include "product/client/view/keyringpanes.h"
#include "product/client/view/keylisttrees.h"

#include <QApplication>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<zarv::data::DocumentKey> Keys(int count)
{
    std::vector<zarv::data::DocumentKey> keys;
    for (int i = 0; i < count; ++i) {
        zarv::data::DocumentKey key;
        key.mutable_document_key_document()->set_document_id(100);
        key.mutable_document_key_document()->set_document_name("Plan " + std::to_string(i));
        key.mutable_document_key_user()->set_user_id(1000 + i);
        key.mutable_document_key_user()->set_user_first_name("Holder");
        key.mutable_document_key_user()->set_user_last_name("Number " + std::to_string(i));
        key.mutable_document_key_owner()->set_user_first_name("Kit");
        key.mutable_document_key_owner()->set_user_last_name("Lane");
        key.set_document_key_document_revision("9999-12-31 00:00:00");
        zarv::data::SecurityDescriptor& rules = *key.mutable_document_key_security_descriptor();
        rules.set_active(i % 2 ? 1048575 : 516095);
        rules.set_permissions(i % 3 ? 4035 : 2113);
        rules.set_active_from("08:00:00");
        rules.set_active_to("18:00:00");
        rules.set_active_region("Europe/London");
        rules.set_session_duration(7200);
        rules.set_expiration_date("2027-03-15 00:00:00");
        keys.push_back(key);
    }
    return keys;
}

// The fitting of the columns waits for the event loop.
void Settle(QTreeWidget& tree)
{
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(tree.columnWidth(0));
}

void BM_KeyringPane(benchmark::State& state)
{
    const std::vector<zarv::data::DocumentKey> keys = Keys(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        DocumentKeyringPaneTreeWidget pane(nullptr);
        for (const zarv::data::DocumentKey& key : keys) {
            pane.addDocumentKey(key);
        }
        Settle(pane);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_KeyringPane)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_KeyListTree(benchmark::State& state)
{
    const std::vector<zarv::data::DocumentKey> keys = Keys(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        DocumentKeysPaneTreeWidget tree(nullptr);
        for (const zarv::data::DocumentKey& key : keys) {
            tree.addDocumentKey(key);
        }
        Settle(tree);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_KeyListTree)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same 31 items a key, with texts, boxes and kinds, in a plain tree.
void BM_BareTree(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const QStringList texts = {QStringLiteral("Number, Holder"),
                               QString(),
                               QString(),
                               QStringLiteral("08:00 AM - 06:00 PM"),
                               QStringLiteral("Europe/London"),
                               QStringLiteral("2 hours"),
                               QStringLiteral("2027-03-15 00:00:00")};
    const int groupSizes[] = {8, 7, 12};
    for (auto _ : state) {
        QTreeWidget tree;
        tree.setColumnCount(7);
        for (int i = 0; i < count; ++i) {
            auto* row = new QTreeWidgetItem(texts);
            row->setData(0, Qt::UserRole + 2, 0);
            row->setCheckState(1, Qt::Checked);
            for (int g = 0; g < 3; ++g) {
                const int column = g == 0 ? 0 : 1;
                auto* group = new QTreeWidgetItem(row);
                group->setText(column, QStringLiteral("Group"));
                group->setData(column, Qt::UserRole + 2, g);
                for (int r = 0; r < groupSizes[g]; ++r) {
                    auto* check = new QTreeWidgetItem(group);
                    check->setText(column, QStringLiteral("Check"));
                    check->setData(column, Qt::UserRole + 2, r);
                    check->setCheckState(column, r % 2 ? Qt::Checked : Qt::Unchecked);
                }
            }
            tree.addTopLevelItem(row);
        }
        for (int column = 0; column < tree.columnCount(); ++column) {
            tree.resizeColumnToContents(column);
        }
        Settle(tree);
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_BareTree)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RunBenchmarks(argc, argv);
}
