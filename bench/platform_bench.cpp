// Throughput of the platform layer: reading and splitting text files, formatting and converting
// numbers. Targets: split >= 300 MB/s, format >= 5 M/s, convert >= 20 M/s.

#include "platform/numbers.h"
#include "platform/textfile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// "P" and the number; built in two steps, which keeps GCC 12's -Wrestrict quiet.
std::string PointName(long long i) {
    std::string name = "P";
    name += std::to_string(i);
    return name;
}

std::string BenchFile() {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr ? dir : "/tmp") + "/ortix-bench-" +
           std::to_string(::getpid()) + ".txt";
}

// About 100 MB of coordinate lines, CR LF ended.
const std::string& HundredMegabytes() {
    static const std::string text = [] {
        std::string t;
        t.reserve(101u << 20);
        std::mt19937_64 rng(7);
        std::uniform_real_distribution<double> coord(0, 100000);
        const platform::FloatFormat f("0.0000");
        for (int i = 0; t.size() < (100u << 20); ++i) {
            t += PointName(i) + ",";
            f.AppendTo(t, coord(rng));
            t += ',';
            f.AppendTo(t, coord(rng));
            t += ",123.456,vertice di poligonale\r\n";
        }
        return t;
    }();
    return text;
}

void BM_ReadAndSplit100MB(benchmark::State& state) {
    const std::string path = BenchFile();
    platform::WriteFileAtomic(path, HundredMegabytes());
    size_t lines = 0;
    for (auto _ : state) {
        const std::vector<std::string> all = platform::ReadLines(path);
        lines = all.size();
        benchmark::DoNotOptimize(all.data());
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * HundredMegabytes().size()));
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ReadAndSplit100MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SplitViews100MB(benchmark::State& state) {
    const std::string& text = HundredMegabytes();
    for (auto _ : state) {
        auto views = platform::SplitLineViews(text);
        benchmark::DoNotOptimize(views.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SplitViews100MB)->Unit(benchmark::kMillisecond);

std::vector<double> TenMillionValues() {
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> v(-5000, 5000);
    std::vector<double> values(10'000'000);
    for (double& x : values) {
        x = v(rng);
    }
    return values;
}

void BM_Format10M(benchmark::State& state) {
    const std::vector<double> values = TenMillionValues();
    const platform::FloatFormat f("0.0000");
    std::string out;
    for (auto _ : state) {
        for (double x : values) {
            out.clear();
            f.AppendTo(out, x);
            benchmark::DoNotOptimize(out.data());
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * values.size()));
}
BENCHMARK(BM_Format10M)->Unit(benchmark::kMillisecond);

void BM_Convert10M(benchmark::State& state) {
    const std::vector<double> values = TenMillionValues();
    const platform::FloatFormat f("0.0000");
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (double x : values) {
        texts.push_back(f(x));
    }
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& t : texts) {
            sum += platform::StrToFloat(t);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * texts.size()));
}
BENCHMARK(BM_Convert10M)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
