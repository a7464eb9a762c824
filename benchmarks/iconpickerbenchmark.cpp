// The icon picker's selection menu over the built-in icons: building the menu
// of one folder (one entry per file, the old menu deleted), beside listing
// the same folder alone. The time should grow linearly with the files, and
// no drawing is rendered until the menu shows, which the third benchmark
// does to every entry for comparison.

#include "benchmarks/runbenchmarks.h"
#include "library/gui/iconpicker.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QToolButton>

#include <benchmark/benchmark.h>

static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace {

struct Folder
{
    const char* group;
    const char* size;
};

// Folders of growing size; the last is the largest of the tree.
const Folder Folders[] = {
    {"toggle", "48px"}, {"file", "24px"}, {"communication", "24px"}, {"image", "24px"}, {"action", "24px"},
};

QString FolderPath(const Folder& folder)
{
    return QStringLiteral(":/content/icons/default/%1/svg/production/%2/")
        .arg(QLatin1String(folder.group), QLatin1String(folder.size));
}

const Folder& FolderOf(const benchmark::State& state)
{
    return Folders[state.range(0)];
}

void BM_ListFolder(benchmark::State& state)
{
    const QString path = FolderPath(FolderOf(state));
    qsizetype files = 0;
    for (auto _ : state) {
        files = QDir(path).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase).size();
        benchmark::DoNotOptimize(files);
    }
    state.SetComplexityN(files);
    state.counters["files"] = static_cast<double>(files);
}

void BM_BuildSelectionMenu(benchmark::State& state)
{
    const Folder& folder = FolderOf(state);
    QToolButton button;
    content::icons::CInitIconSelectionToolButton fill(&button);
    for (auto _ : state) {
        fill(QLatin1String(folder.group), QLatin1String(folder.size));
        benchmark::DoNotOptimize(button.menu());
    }
    const qsizetype files = button.menu()->actions().size();
    if (files == 0) {
        state.SkipWithError("the folder holds no icon");
    }
    state.SetComplexityN(files);
    state.counters["files"] = static_cast<double>(files);
}

// Building the menu and rendering every entry's icon, as showing it does.
void BM_BuildAndDrawSelectionMenu(benchmark::State& state)
{
    const Folder& folder = FolderOf(state);
    QToolButton button;
    content::icons::CInitIconSelectionToolButton fill(&button);
    for (auto _ : state) {
        fill(QLatin1String(folder.group), QLatin1String(folder.size));
        for (QAction* action : button.menu()->actions()) {
            benchmark::DoNotOptimize(action->icon().pixmap(24, 24).cacheKey());
        }
    }
    state.SetComplexityN(button.menu()->actions().size());
}

constexpr int LargestFolder = static_cast<int>(std::size(Folders)) - 1;

BENCHMARK(BM_ListFolder)->DenseRange(0, LargestFolder)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildSelectionMenu)
    ->DenseRange(0, LargestFolder)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildAndDrawSelectionMenu)->Arg(LargestFolder)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InitializeClientResources();
    return RunBenchmarks(argc, argv);
}
