// The Ortix window with big tables: start-up to the first shown window, loading a known-points
// file of a million rows into punoti and showing it, Calcola on 10^5 rows with its grids.
// Targets: start-up < 300 ms; 10^6-row load < 2 s and < 400 MB; Calcola on 10^5 rows < 1 s;
// 10^6 coordinates < 2 s and < 400 MB. The peak memory is that of the whole program so far, so
// the loads of a million rows run each in a process of their own: --benchmark_filter.
// Runs on the offscreen platform.

#include "ortix/app/ortix_windows.h"
#include "platform/numbers.h"
#include "platform/qt/user_interface.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

double PeakRssMb() {
    struct rusage ru {};
    getrusage(RUSAGE_SELF, &ru);
    return static_cast<double>(ru.ru_maxrss) / 1024.0;
}

// A station at (5000, 5000) observed from n known points on a spiral, with interior directions
// and sides.
std::string KnownPointsFile(int n) {
    const platform::FloatFormat f4("0.0000");
    std::string text = "100,5000.1,4999.9\r\n";
    text.reserve(static_cast<size_t>(n) * 70);
    for (int i = 0; i < n; ++i) {
        const double angle = i * 2.399963;  // golden angle, radians
        const double radius = 50 + 10 * std::sqrt(static_cast<double>(i));
        const double north = 5000 + radius * std::cos(angle);
        const double east = 5000 + radius * std::sin(angle);
        double bearing = std::atan2(east - 5000, north - 5000) * 200 / M_PI;
        if (bearing < 0) {
            bearing += 400;
        }
        double direction = std::fmod(bearing - 123.4567 + 400, 400);
        if (direction == 0) {
            direction = 400;
        }
        text += 'P';
        text += std::to_string(i);
        text += ',';
        f4.AppendTo(text, north);
        text += ',';
        f4.AppendTo(text, east);
        text += ',';
        f4.AppendTo(text, direction);
        text += ",0.00,";
        f4.AppendTo(text, radius);
        text += "\r\n";
    }
    return text;
}

std::string TempFile(const char* name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr ? dir : "/tmp") + "/ortix-app-bench-" +
           std::to_string(::getpid()) + "-" + name;
}

// The whole process: loading the program and Qt, the application, the three windows, the first
// exposed main window.
void BM_ProcessStartUpToFirstShownWindow(benchmark::State& state) {
    char* argv[] = {const_cast<char*>(STARTUP_PROBE), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        int status = -1;
        if (posix_spawn(&pid, STARTUP_PROBE, nullptr, nullptr, argv, environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the start-up probe failed");
            break;
        }
    }
}
BENCHMARK(BM_ProcessStartUpToFirstShownWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// In a running application: the three windows and the first shown main window.
void BM_StartUpToFirstShownWindow(benchmark::State& state) {
    for (auto _ : state) {
        platform::qt::ScriptedUserInterface ui;
        ortix::OrtixWindows w = ortix::CreateOrtixWindows(&ui);
        w.Form1->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.Form1.get());
    }
}
BENCHMARK(BM_StartUpToFirstShownWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadKnownPointsIntoTheWindow(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string path = TempFile("load.not");
    platform::WriteFileAtomic(path, KnownPointsFile(rows));
    platform::qt::ScriptedUserInterface ui;
    ortix::OrtixWindows w = ortix::CreateOrtixWindows(&ui);
    w.Form1->show();
    for (auto _ : state) {
        ui.QueueFile(QString::fromLocal8Bit(path.c_str()));
        w.Form1->Handle(&ortix::TForm1::CaricadaFile1Click);
        QApplication::processEvents();  // the grid shows the new rows
        if (w.Form1->punoti->RowCount() != rows + 1 || !ui.Texts().isEmpty()) {
            state.SkipWithError("load failed");
        }
    }
    std::remove(path.c_str());
    state.counters["rows"] = rows;
    state.counters["peak_rss_MB"] = PeakRssMb();
}
BENCHMARK(BM_LoadKnownPointsIntoTheWindow)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A coordinate list of n points: name, east, north, height, description.
std::string CoordinateFile(int n) {
    const platform::FloatFormat f3("0.000");
    std::string text;
    text.reserve(static_cast<size_t>(n) * 48);
    for (int i = 0; i < n; ++i) {
        text += 'P';
        text += std::to_string(i);
        text += ',';
        f3.AppendTo(text, 2000 + 0.731 * i);
        text += ',';
        f3.AppendTo(text, 5000 + 0.417 * i);
        text += ",152.310,vertice\r\n";
    }
    return text;
}

void BM_LoadCoordinatesIntoTheWindow(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string path = TempFile("load.asp");
    platform::WriteFileAtomic(path, CoordinateFile(rows));
    platform::qt::ScriptedUserInterface ui;
    ortix::OrtixWindows w = ortix::CreateOrtixWindows(&ui);
    w.Form1->show();
    for (auto _ : state) {
        w.Form1->Handle(&ortix::TForm1::Button13Click);  // "Pulisci": the load fills the table
        ui.QueueFile(QString::fromLocal8Bit(path.c_str()));
        w.Form1->Handle(&ortix::TForm1::CaricaCoordinate2Click);
        QApplication::processEvents();
        if (w.Form1->coordi->RowCount() != rows + 1 || !ui.Texts().isEmpty()) {
            state.SkipWithError("load failed");
        }
    }
    std::remove(path.c_str());
    state.counters["rows"] = rows;
    state.counters["peak_rss_MB"] = PeakRssMb();
}
BENCHMARK(BM_LoadCoordinatesIntoTheWindow)
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_CalcolaWithGrids(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string path = TempFile("calcola.not");
    platform::WriteFileAtomic(path, KnownPointsFile(rows));
    platform::qt::ScriptedUserInterface ui;
    ortix::OrtixWindows w = ortix::CreateOrtixWindows(&ui);
    w.Form1->show();
    ui.QueueFile(QString::fromLocal8Bit(path.c_str()));
    w.Form1->Handle(&ortix::TForm1::CaricadaFile1Click);
    std::remove(path.c_str());
    for (auto _ : state) {
        w.Form1->Handle(&ortix::TForm1::Button1Click);
        QApplication::processEvents();
        if (w.Form1->Risultati->RowCount() != rows + 1) {
            state.SkipWithError(ui.Texts().isEmpty() ? "no result" : qPrintable(ui.Texts().back()));
        }
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_CalcolaWithGrids)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // for the start-up probe too
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
