// The adjustment of 10 to 10^6 known-point rows, texts included (target: linear, 10^6 rows under
// 1 s); loading a known-points file of 10^6 lines and writing the report of 10^5 rows
// (targets: >= 100 MB/s each).

#include "ortix/adjustment/adjustment.h"
#include "ortix/adjustment/page_texts.h"
#include "ortix/files/adjustment_report.h"
#include "ortix/files/known_points_file.h"
#include "ortix/survey/trig.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>

namespace {

std::string BenchFile(const char* name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr ? dir : "/tmp") + "/ortix-bench-" +
           std::to_string(::getpid()) + "-" + name;
}

// A station at (5000, 3000) with known points 100 m to 2 km away, orientation 137 gon: every
// point an interior direction, every second one an exterior bearing, two in three a side, with
// noise of a few milligon and millimetres.
struct Station {
    ortix::StationTexts texts{"100", "5000.1200", "2999.9100"};
    platform::TextGrid punoti = ortix::NewPunotiGrid();
};

Station MakeStation(int rows) {
    Station s;
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> bearing(0, 400);
    std::uniform_real_distribution<double> distance(100, 2000);
    std::normal_distribution<double> angleNoise(0, 0.0015);
    std::normal_distribution<double> lengthNoise(0, 0.004);
    const platform::FloatFormat f4("0.0000");
    const double north = 5000;
    const double east = 3000;
    const double z = 137;
    s.punoti.SetRowCount(rows + 1);
    for (int i = 1; i <= rows; ++i) {
        const double theta = bearing(rng);
        const double d = distance(rng);
        const double qn = north + d * ortix::CosGon(theta);
        const double qe = east + d * ortix::SinGon(theta);
        double r = theta - z + angleNoise(rng);
        r = r <= 0 ? r + 400 : r;
        double alpha = theta + 200 + angleNoise(rng);
        alpha = alpha >= 400 ? alpha - 400 : alpha;
        auto cells = s.punoti.Row(i);
        cells[0].clear();
        cells[0].push_back('P');
        cells[0].append(std::to_string(i));
        cells[1] = f4(qn);
        cells[2] = f4(qe);
        cells[3] = f4(r);
        cells[4] = i % 2 == 0 ? f4(alpha) : "0.00";
        cells[5] = i % 3 != 0 ? f4(d + lengthNoise(rng)) : "0.00";
    }
    return s;
}

// "Calcola" pressed again on the same page: the display holds the grids of the last run.
void BM_RunAdjustment(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const Station s = MakeStation(rows);
    ortix::AdjustmentDisplay display = ortix::NewAdjustmentDisplay();
    ortix::RunAdjustment(s.punoti, s.texts.xp_, s.texts.yp_, display);
    for (auto _ : state) {
        ortix::RunAdjustment(s.punoti, s.texts.xp_, s.texts.yp_, display);
        benchmark::DoNotOptimize(display.x_.data());
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["matrix_rows"] = display.Matrice.RowCount() - 1;
}
BENCHMARK(BM_RunAdjustment)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The first run on a new page (as ortix-cli runs it): every cell of the grids is new memory.
void BM_RunAdjustmentFirstRun(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const Station s = MakeStation(rows);
    for (auto _ : state) {
        state.PauseTiming();
        auto display = std::make_unique<ortix::AdjustmentDisplay>(ortix::NewAdjustmentDisplay());
        state.ResumeTiming();
        ortix::RunAdjustment(s.punoti, s.texts.xp_, s.texts.yp_, *display);
        benchmark::DoNotOptimize(display->x_.data());
        state.PauseTiming();
        display.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_RunAdjustmentFirstRun)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_LoadKnownPoints(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const Station s = MakeStation(rows);
    const std::string bytes = ortix::FormatKnownPoints(s.texts, s.punoti);
    const std::string path = BenchFile("load.not");
    platform::WriteFileAtomic(path, bytes);
    ortix::StationTexts station;
    platform::TextGrid punoti = ortix::NewPunotiGrid();
    for (auto _ : state) {
        ortix::LoadKnownPoints(path, station, punoti);
        benchmark::DoNotOptimize(punoti.Row(1).data());
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
    state.counters["file_MB"] = static_cast<double>(bytes.size()) / 1e6;
}
BENCHMARK(BM_LoadKnownPoints)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveKnownPoints(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const Station s = MakeStation(rows);
    const std::string path = BenchFile("save.not");
    size_t size = 0;
    for (auto _ : state) {
        ortix::SaveKnownPoints(path, s.texts, s.punoti);
        size = ortix::FormatKnownPoints(s.texts, s.punoti).size();
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
}
BENCHMARK(BM_SaveKnownPoints)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The report's bytes in memory, and the report written to a file (with its sync to disk).
void ReportBench(benchmark::State& state, bool toFile) {
    const int rows = static_cast<int>(state.range(0));
    Station s = MakeStation(rows);
    ortix::AdjustmentDisplay display = ortix::NewAdjustmentDisplay();
    ortix::RunAdjustment(s.punoti, s.texts.xp_, s.texts.yp_, display);
    const std::string path = BenchFile("report.txt");
    const std::string title(ortix::kTitleText);
    const std::string version(ortix::kVersionText);
    size_t size = 0;
    for (auto _ : state) {
        if (toFile) {
            ortix::WriteAdjustmentReport(path, title, version, s.texts, s.punoti, display);
        } else {
            const std::string bytes =
                ortix::BuildAdjustmentReport(title, version, s.texts, s.punoti, display);
            benchmark::DoNotOptimize(bytes.data());
        }
    }
    size = ortix::BuildAdjustmentReport(title, version, s.texts, s.punoti, display).size();
    std::remove(path.c_str());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
    state.counters["report_MB"] = static_cast<double>(size) / 1e6;
}

void BM_BuildAdjustmentReport(benchmark::State& state) {
    ReportBench(state, false);
}
BENCHMARK(BM_BuildAdjustmentReport)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteAdjustmentReport(benchmark::State& state) {
    ReportBench(state, true);
}
BENCHMARK(BM_WriteAdjustmentReport)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
BENCHMARK_MAIN();
