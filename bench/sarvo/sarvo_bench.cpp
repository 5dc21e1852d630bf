// The solver behind "&Calcola" and sarvo-cli, and the number texts of its boxes.

#include "sarvo/number_text.h"
#include "sarvo/triangle_drawing.h"
#include "sarvo/triangle_solver.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

class Boxes : public sarvo::TriangleView {
  public:
    std::array<std::string, sarvo::kBoxCount> box;
    std::array<std::string, sarvo::kBoxCount> input;
    std::string results;
    std::string BoxText(int index) const override { return box[static_cast<size_t>(index)]; }
    void SetBoxText(int index, const std::string& text) override {
        box[static_cast<size_t>(index)] = text;
    }
    void SetResultsText(const std::string& text) override { results = text; }
    void DisegnaTriangolo() override {}
};

// One triangle a run, from the boxes as the user typed them: the three sides, or two sides and
// the angle opposite the longer (arcsine, law of cosines, half-angle formula).
void BM_CalcolaTriangolo(benchmark::State& state) {
    Boxes boxes;
    boxes.input = state.range(0) == 0 ? std::array<std::string, 6>{"3", "4", "5", "", "", ""}
                                      : std::array<std::string, 6>{"5", "4", "", "60", "", ""};
    sarvo::TriangleSolver solver(boxes);
    for (auto _ : state) {
        boxes.box = boxes.input;
        solver.CalcolaTriangolo();
        benchmark::DoNotOptimize(boxes.results.data());
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(state.range(0) == 0 ? "three sides" : "two sides, opposite angle");
}
BENCHMARK(BM_CalcolaTriangolo)->Arg(0)->Arg(1);

void BM_DrawTriangle(benchmark::State& state) {
    Boxes boxes;
    boxes.box = {"3", "4", "5", "", "", ""};
    sarvo::TriangleSolver solver(boxes);
    solver.CalcolaTriangolo();
    for (auto _ : state) {
        benchmark::DoNotOptimize(sarvo::DrawTriangle(solver));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawTriangle);

void BM_GeneralNumberText(benchmark::State& state) {
    double v = 40.96655293982668;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sarvo::GeneralNumberText(v));
        v += 1e-9;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GeneralNumberText);

void BM_LeadingNumber(benchmark::State& state) {
    const std::string text = " 40.9665529398267";
    for (auto _ : state) {
        benchmark::DoNotOptimize(sarvo::LeadingNumber(text));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LeadingNumber);

}  // namespace
BENCHMARK_MAIN();
