// sarvo-cli L1 L2 L3 A1 A2 A3: solves the triangle as the window's "&Calcola" does.
//
// The six arguments are the texts of the six element boxes (sides 1 to 3, angles 1 to 3 in gon;
// "" is an empty box). Standard output receives the six box texts after the computation, one a
// line, then the six lines of the results. Exit status: 0 solved; 1 stopped, with the message
// on standard error (nothing when the three sides are 0); 2 wrong usage.

#include "platform/codepage.h"
#include "sarvo/triangle_solver.h"

#include <array>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "Uso: sarvo-cli LATO1 LATO2 LATO3 ANGOLO1 ANGOLO2 ANGOLO3\n"
    "Angoli in gon; \"\" per un elemento non dato.\n";

class CommandLineBoxes : public sarvo::TriangleView {
  public:
    std::array<std::string, sarvo::kBoxCount> boxes;
    std::string results;
    bool solved = false;

    std::string BoxText(int index) const override { return boxes.at(static_cast<size_t>(index)); }
    void SetBoxText(int index, const std::string& text) override {
        boxes.at(static_cast<size_t>(index)) = text;
    }
    void SetResultsText(const std::string& text) override {
        results = text;
        solved = true;
    }
    void DisegnaTriangolo() override {}
};

void Print(std::FILE* stream, std::string_view cp1252) {
    const std::string utf8 = platform::Cp1252ToUtf8(cp1252);
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 1 + sarvo::kBoxCount) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    CommandLineBoxes view;
    for (size_t i = 0; i < view.boxes.size(); ++i) {
        view.boxes[i] = platform::Utf8ToCp1252(argv[i + 1]);
    }
    try {
        sarvo::TriangleSolver solver(view);
        solver.CalcolaTriangolo();
    } catch (const std::exception& error) {
        Print(stderr, error.what());
        std::fputc('\n', stderr);
        return 1;
    }
    if (!view.solved) {
        return 1;
    }
    std::string out;
    for (const std::string& box : view.boxes) {
        out += box + '\n';
    }
    // The results box joins its lines by CR LF; a terminal wants LF.
    for (char c : view.results) {
        if (c != '\r') {
            out += c;
        }
    }
    out += '\n';
    Print(stdout, out);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
