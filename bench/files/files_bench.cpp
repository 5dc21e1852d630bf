// Throughput of the field-book and coordinate files and of the transfer to known points.
// Targets: SDR33 import of 10^6 records >= 100 MB/s; coordinate file load and save of 10^6
// points >= 100 MB/s; transfer of 10^6 coordinates against 10^5 readings under 0.5 s, linear.

#include "ortix/adjustment/page_texts.h"
#include "ortix/files/coordinate_file.h"
#include "ortix/files/field_book.h"
#include "ortix/files/transfer.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <unistd.h>

namespace {

// "P" and the number; built in two steps, which keeps GCC 12's -Wrestrict quiet.
std::string PointName(long long i) {
    std::string name = "P";
    name += std::to_string(i);
    return name;
}

using platform::TextGrid;

std::string BenchFile(const char* name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr ? dir : "/tmp") + "/ortix-bench-" +
           std::to_string(::getpid()) + "-" + name;
}

std::string Field16(const std::string& text) {
    return text + std::string(16 - text.size(), ' ');
}

// An SDR33 field book of `records` observation records of station S1, angles in gon
// (angleUnit '2') or degrees ('1'), with a note record every hundred.
std::string Sdr33Book(int records, char angleUnit) {
    std::string book = "00NMSDR33 V04-04.34    12-Mar-24 09:41 ";
    book.resize(40, ' ');
    book += angleUnit;
    book += "12121\r\n";
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> angle(0, 360);
    std::uniform_real_distribution<double> zenith(80, 120);
    std::uniform_real_distribution<double> distance(1, 900);
    const platform::FloatFormat f8("0.00000000");
    const platform::FloatFormat f3("0.000");
    for (int i = 0; i < records; ++i) {
        if (i % 100 == 0) {
            book += "13NMnota di campagna numero " + std::to_string(i) + "\r\n";
        }
        book += "09F1" + Field16("S1") + Field16(PointName(i)) + Field16(f3(distance(rng))) +
                Field16(f8(zenith(rng))) + Field16(f8(angle(rng))) + Field16("spigolo") + "\r\n";
    }
    return book;
}

void BM_ReadSdr33(benchmark::State& state) {
    const std::string book =
        Sdr33Book(static_cast<int>(state.range(0)), state.range(1) ? '1' : '2');
    for (auto _ : state) {
        TextGrid sdr = ortix::NewSdrGrid();
        ortix::ReadFieldBook(book, ".sdr", "S1", sdr);
        benchmark::DoNotOptimize(sdr.RowCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * book.size()));
    state.SetLabel(state.range(1) ? "degrees" : "gon");
}
BENCHMARK(BM_ReadSdr33)
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Coordinates of `points` points as a coordinate file's bytes.
std::string CoordinateFile(int points) {
    std::string text;
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> coord(0, 100000);
    std::uniform_real_distribution<double> height(0, 2000);
    const platform::FloatFormat f3("0.000");
    for (int i = 0; i < points; ++i) {
        text += PointName(i) + ",";
        f3.AppendTo(text, coord(rng));
        text += ',';
        f3.AppendTo(text, coord(rng));
        text += ',';
        f3.AppendTo(text, height(rng));
        text += ",vertice\r\n";
    }
    return text;
}

void BM_LoadCoordinates(benchmark::State& state) {
    const std::string text = CoordinateFile(static_cast<int>(state.range(0)));
    const std::string path = BenchFile("load.asp");
    platform::WriteFileAtomic(path, text);
    for (auto _ : state) {
        TextGrid coordi = ortix::NewCoordiGrid();
        ortix::LoadCoordinates(path, coordi);
        benchmark::DoNotOptimize(coordi.RowCount());
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LoadCoordinates)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveCoordinates(benchmark::State& state) {
    const std::string text = CoordinateFile(static_cast<int>(state.range(0)));
    TextGrid coordi = ortix::NewCoordiGrid();
    ortix::ReadCoordinates(text, coordi);
    const std::string path = BenchFile("save.asp");
    for (auto _ : state) {
        ortix::SaveCoordinates(path, coordi);
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SaveCoordinates)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// `points` coordinates and a tenth as many readings, of every tenth point in shuffled order.
void BM_Transfer(benchmark::State& state) {
    const int points = static_cast<int>(state.range(0));
    TextGrid coordi = ortix::NewCoordiGrid();
    ortix::ReadCoordinates(CoordinateFile(points), coordi);
    std::vector<int> sighted;
    for (int i = 0; i < points; i += 10) {
        sighted.push_back(i);
    }
    std::shuffle(sighted.begin(), sighted.end(), std::mt19937_64(5));
    TextGrid sdr = ortix::NewSdrGrid();
    sdr.SetRowCount(static_cast<int>(sighted.size()) + 1);
    for (size_t j = 0; j < sighted.size(); ++j) {
        const int row = static_cast<int>(j) + 1;
        sdr.SetCell(0, row, PointName(sighted[j]));
        sdr.SetCell(1, row, "123.4567");
        sdr.SetCell(4, row, "45.678");
    }
    for (auto _ : state) {
        TextGrid punoti = ortix::NewPunotiGrid();
        ortix::TransferToKnownPoints(coordi, sdr, punoti);
        benchmark::DoNotOptimize(punoti.RowCount());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * points);
}
BENCHMARK(BM_Transfer)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
