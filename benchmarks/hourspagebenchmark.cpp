// The active hours page over the built-in time-zone table: building the page,
// and one change of the from-time (every row's window recomputed), beside a
// bare loop of the same Time conversions for every region with the zones
// built beforehand.

#include "benchmarks/runbenchmarks.h"
#include "library/core/lib/time.h"
#include "library/core/lib/timezone.h"
#include "library/core/lib/timezonedatabase.h"
#include "library/gui/resourcecopy.h"
#include "product/client/view/selectactivehourswizardpage.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryFile>
#include <QTimeEdit>
#include <QTranslator>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace {

TimeZoneDatabase& Database()
{
    return *ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance();
}

QTimeEdit* FromTimeEdit(const QWidget& page)
{
    for (QLabel* label : page.findChildren<QLabel*>()) {
        if (label->buddy() && label->text() == QLatin1String("From:")) {
            return qobject_cast<QTimeEdit*>(label->buddy());
        }
    }
    return nullptr;
}

void BM_HoursPageConstruction(benchmark::State& state)
{
    for (auto _ : state) {
        SelectActiveHoursWizardPage page(nullptr);
        benchmark::DoNotOptimize(&page);
    }
    state.counters["regions"] = static_cast<double>(Database().getTimeZoneDatabase().region_list().size());
}
BENCHMARK(BM_HoursPageConstruction)->Unit(benchmark::kMillisecond);

void BM_HoursPageFromTimeChange(benchmark::State& state)
{
    SelectActiveHoursWizardPage page(nullptr);
    QTimeEdit* from = FromTimeEdit(page);
    if (!from) {
        state.SkipWithError("no from-time editor");
        return;
    }
    int minute = 0;
    for (auto _ : state) {
        minute = (minute + 1) % 60;
        from->setTime(QTime(8, minute));
    }
}
BENCHMARK(BM_HoursPageFromTimeChange)->Unit(benchmark::kMicrosecond);

// What an update cannot avoid: the two times in the chosen zone, each shown
// in every region's zone, and their span.
void BM_BareConversionLoop(benchmark::State& state)
{
    std::vector<TimeZone> zones;
    for (const std::string& region : Database().getTimeZoneDatabase().region_list()) {
        zones.emplace_back(region);
    }
    const TimeZone chosen(Database().getDefaultTimeZoneRegion());
    int minute = 0;
    for (auto _ : state) {
        minute = (minute + 1) % 60;
        const Time from(8, minute, 0, chosen);
        const Time to(17, 0, 0, chosen);
        std::string span = to - from;
        benchmark::DoNotOptimize(span);
        for (const TimeZone& zone : zones) {
            std::string window = from.getLocalTime(zone) + " - " + to.getLocalTime(zone);
            benchmark::DoNotOptimize(window);
        }
    }
}
BENCHMARK(BM_BareConversionLoop)->Unit(benchmark::kMicrosecond);

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
    QTemporaryFile table;
    const QString tableName = utils::CopyResourceToTempororyFile(QStringLiteral(":resources/resource.tmz"), table);
    if (tableName.isEmpty()) {
        return 1;
    }
    Database().loadFromFile(tableName.toStdString());
    Database().setDefaultTimeZone("Europe/Berlin");

    return RunBenchmarks(argc, argv);
}
