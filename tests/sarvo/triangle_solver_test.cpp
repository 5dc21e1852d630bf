#include "sarvo/triangle_solver.h"

#include "platform/errors.h"
#include "sarvo/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace sarvo {
namespace {

using platform::UserMessage;
using Texts = std::array<std::string, kBoxCount>;

// The examples' values are given to four decimals.
constexpr double kFourDecimalsTol = 5e-5;
constexpr double kAngleTolGon = 1e-9;
constexpr double kLengthRelTol = 1e-12;
constexpr double kPi = 3.141592653589793;

// The six boxes and the results box as a window lends them, with a record of the writes.
class Boxes : public TriangleView {
  public:
    Texts box;
    std::string results;
    std::vector<int> written;  // box indices, in the order of the writes
    int drawings = 0;

    void Reset(const Texts& texts) {
        box = texts;
        results.clear();
        written.clear();
        drawings = 0;
    }
    std::string BoxText(int index) const override { return box.at(static_cast<size_t>(index)); }
    void SetBoxText(int index, const std::string& text) override {
        box.at(static_cast<size_t>(index)) = text;
        written.push_back(index);
    }
    void SetResultsText(const std::string& text) override { results = text; }
    void DisegnaTriangolo() override { ++drawings; }
};

// The message the computation stops on, or an empty text when it does not throw one.
UserMessage MessageOf(TriangleSolver& solver) {
    try {
        solver.CalcolaTriangolo();
    } catch (const UserMessage& m) {
        return m;
    }
    return UserMessage("");
}

const char* const k345Results =
    "Area = 6.000\r\n"
    "Base1 = 3.000 Altezza1 = 4.000\r\n"
    "Base2 = 4.000 Altezza2 = 3.000\r\n"
    "Base3 = 5.000 Altezza3 = 2.400\r\n"
    "Raggio Cerchio Inscritto = 1.000\r\n"
    "Raggio Cerchio Circoscritto = 2.500";

TEST(TriangleSolver, HandComputedExamples) {
    // A box either holds exactly `text`, or (text null) a number within four decimals of value.
    struct Box {
        const char* text;
        double value;
    };
    auto T = [](const char* text) { return Box{text, 0}; };
    auto V = [](double value) { return Box{nullptr, value}; };
    struct Row {
        const char* name;
        Texts input;
        std::array<Box, kBoxCount> expected;
        std::vector<int> written;
        const char* results;  // null: not checked here
    };
    const Row rows[] = {
        {"sides 3, 4, 5",
         {"3", "4", "5", "", "", ""},
         {T("3"), T("4"), T("5"), V(40.9666), V(59.0334), T(" 100")},
         {3, 4, 5},
         k345Results},
        {"sides 3, 4 and angle 3 = 100",
         {"3", "4", "", "", "", "100"},
         {T("3"), T("4"), T(" 5"), V(40.9666), V(59.0334), T(" 100")},
         {2, 3, 4, 5},
         k345Results},
        {"side 1 = 10, angles 2 = 50, 3 = 70",
         {"10", "", "", "", "50", "70"},
         {T("10"), V(7.4350), V(9.3686), T(" 80"), T("50"), T("70")},
         {1, 2, 3},
         nullptr},
        {"side 1 = 10, angles 1 = 80, 2 = 50: angle 3 used, its box left empty",
         {"10", "", "", "80", "50", ""},
         {T("10"), V(7.4350), V(9.3686), T(" 80"), T("50"), T("")},
         {1, 2, 3},
         nullptr},
        {"sides 5, 4 and angle 1 = 60",
         {"5", "4", "", "60", "", ""},
         {T("5"), T("4"), V(6.1627), T(" 60"), V(44.8132), V(95.1868)},
         {2, 3, 4, 5},
         nullptr},
        {"a negative side counts as filled but is computed",
         {"3", "4", "-5", "", "", "100"},
         {T("3"), T("4"), T(" 5"), V(40.9666), V(59.0334), T(" 100")},
         {2, 3, 4, 5},
         k345Results},
        {"12abc is not filled but has the value 12",
         {"3", "4", "5abc", "", "", "100"},
         {T("3"), T("4"), T("5abc"), V(40.9666), V(59.0334), T(" 100")},
         {3, 4, 5},
         k345Results},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Boxes boxes;
        boxes.Reset(row.input);
        TriangleSolver solver(boxes);
        solver.CalcolaTriangolo();
        for (size_t i = 0; i < row.expected.size(); ++i) {
            SCOPED_TRACE(i);
            if (row.expected[i].text != nullptr) {
                EXPECT_EQ(boxes.box[i], row.expected[i].text);
            } else {
                EXPECT_NEAR(LeadingNumber(boxes.box[i]), row.expected[i].value, kFourDecimalsTol);
            }
        }
        EXPECT_EQ(boxes.written, row.written);
        if (row.results != nullptr) {
            EXPECT_EQ(boxes.results, row.results);
        }
        EXPECT_EQ(boxes.drawings, 1);
    }
}

TEST(TriangleSolver, CompletedAngleSolvesAsTheGivenOne) {
    Boxes given;
    given.Reset({"10", "", "", "", "50", "70"});
    TriangleSolver a(given);
    a.CalcolaTriangolo();
    Boxes completed;
    completed.Reset({"10", "", "", "80", "50", ""});
    TriangleSolver b(completed);
    b.CalcolaTriangolo();
    EXPECT_EQ(completed.results, given.results);
    EXPECT_TRUE(std::equal(given.box.begin(), given.box.begin() + 4, completed.box.begin()));
    EXPECT_EQ(b.Gamma, 70);
    EXPECT_EQ(completed.box[5], "");
}

TEST(TriangleSolver, KeepsTheProgramValuesOfItsLastResults) {
    Boxes boxes;
    boxes.Reset({"3", "4", "5", "", "", ""});
    TriangleSolver solver(boxes);
    EXPECT_EQ(solver.Program.RadPerGon, 0.015707963267948967);
    EXPECT_EQ(solver.Program.GonPerRad, 63.66197723675813);
    EXPECT_EQ(solver.Program.PiGreco, kPi);
    solver.CalcolaTriangolo();
    EXPECT_EQ(solver.Program.SemiPerimetro, 6);
    EXPECT_NEAR(solver.Program.AreaTriangolo, 6, 1e-14);
    EXPECT_NEAR(solver.Program.RaggioInscritto, 1, 1e-14);
}

TEST(TriangleSolver, ASolvedTriangleIsRecomputedFromItsSides) {
    Boxes boxes;
    boxes.Reset({"3", "4", "", "", "", "100"});
    TriangleSolver solver(boxes);
    solver.CalcolaTriangolo();
    const Texts solved = boxes.box;
    boxes.box[3] = "10";  // the user changes angle 1
    boxes.written.clear();
    solver.CalcolaTriangolo();
    EXPECT_EQ(boxes.box, solved);
    EXPECT_EQ(boxes.written, (std::vector<int>{3, 4, 5}));
}

// Every set of three elements with a side, from two triangles with their elements computed by
// the law of cosines: the longest side is side 1 in one, side 3 in the other, so the angle
// opposite the shorter of two given sides (two triangles, one or none) shows in every pair.
TEST(TriangleSolver, EveryThreeElementsWithASideSolveOrNameTheirAmbiguity) {
    struct Combination {
        const char* name;
        std::array<int, 3> given;
        std::vector<int> written;
    };
    const Combination combinations[] = {
        {"three sides", {0, 1, 2}, {3, 4, 5}},
        {"sides 1, 2, angle 3", {0, 1, 5}, {2, 3, 4, 5}},
        {"sides 2, 3, angle 1", {1, 2, 3}, {0, 3, 4, 5}},
        {"sides 1, 3, angle 2", {0, 2, 4}, {1, 3, 4, 5}},
        {"side 1, angles 2, 3", {0, 4, 5}, {1, 2, 3}},
        {"side 2, angles 1, 3", {1, 3, 5}, {0, 2, 4}},
        {"side 3, angles 1, 2", {2, 3, 4}, {0, 1, 5}},
        {"side 1, angles 1, 2", {0, 3, 4}, {1, 2, 3}},
        {"side 1, angles 1, 3", {0, 3, 5}, {1, 2, 3}},
        {"side 2, angles 1, 2", {1, 3, 4}, {0, 2, 4}},
        {"side 2, angles 2, 3", {1, 4, 5}, {0, 2, 4}},
        {"side 3, angles 2, 3", {2, 4, 5}, {0, 1, 5}},
        {"side 3, angles 1, 3", {2, 3, 5}, {0, 1, 5}},
        {"sides 1, 2, angle 1", {0, 1, 3}, {2, 3, 4, 5}},
        {"sides 1, 2, angle 2", {0, 1, 4}, {2, 3, 4, 5}},
        {"sides 1, 3, angle 1", {0, 2, 3}, {1, 3, 4, 5}},
        {"sides 1, 3, angle 3", {0, 2, 5}, {1, 3, 4, 5}},
        {"sides 2, 3, angle 2", {1, 2, 4}, {0, 3, 4, 5}},
        {"sides 2, 3, angle 3", {1, 2, 5}, {0, 3, 4, 5}},
    };
    struct Triangle {
        const char* name;
        std::array<double, 3> sides;
    };
    const Triangle triangles[] = {{"sides 9, 7, 5 (angle 1 obtuse)", {9, 7, 5}},
                                  {"sides 4, 6, 8 (angle 3 obtuse)", {4, 6, 8}}};
    for (const Triangle& t : triangles) {
        SCOPED_TRACE(t.name);
        std::array<double, kBoxCount> element{};
        for (size_t k = 0; k < 3; ++k) {
            const double a = t.sides[k];
            const double b = t.sides[(k + 1) % 3];
            const double c = t.sides[(k + 2) % 3];
            element[k] = a;
            element[k + 3] = std::acos((b * b + c * c - a * a) / (2 * b * c)) * 200 / kPi;
        }
        for (const Combination& combination : combinations) {
            SCOPED_TRACE(combination.name);
            Texts input;
            for (int i : combination.given) {
                input[static_cast<size_t>(i)] = GeneralNumberText(element[static_cast<size_t>(i)]);
            }
            // Two sides with the angle opposite one of them: ambiguous when that side is the
            // shorter.
            const auto& g = combination.given;
            const bool oneAngle = g[2] >= 3 && g[1] < 3;
            const int opposite = g[2] - 3;
            const bool ambiguous = oneAngle && (opposite == g[0] || opposite == g[1]) &&
                                   element[static_cast<size_t>(opposite)] <
                                       element[static_cast<size_t>(g[0] + g[1] - opposite)];
            Boxes boxes;
            boxes.Reset(input);
            TriangleSolver solver(boxes);
            if (ambiguous) {
                const UserMessage m = MessageOf(solver);
                EXPECT_STREQ(m.what(), kDoppiaSoluzione);
                EXPECT_EQ(m.Title(), kTitoloProblema);
                EXPECT_EQ(m.MessageIcon(), UserMessage::Icon::Critical);
                EXPECT_TRUE(boxes.written.empty());
                continue;
            }
            solver.CalcolaTriangolo();
            EXPECT_EQ(boxes.written, combination.written);
            for (size_t i = 0; i < kBoxCount; ++i) {
                SCOPED_TRACE(i);
                if (std::find(boxes.written.begin(), boxes.written.end(), i) ==
                    boxes.written.end()) {
                    EXPECT_EQ(boxes.box[i], input[i]);
                } else if (i < 3) {
                    EXPECT_NEAR(LeadingNumber(boxes.box[i]), element[i],
                                element[i] * kLengthRelTol);
                } else {
                    EXPECT_NEAR(LeadingNumber(boxes.box[i]), element[i], kAngleTolGon);
                }
            }
            EXPECT_FALSE(boxes.results.empty());
            EXPECT_EQ(boxes.drawings, 1);
        }
    }
}

TEST(TriangleSolver, DataThatMakeNoTriangleStopOnAMessageAndChangeNothing) {
    struct Row {
        const char* name;
        Texts input;
        const char* message;
    };
    const Row rows[] = {
        {"only two boxes filled", {"3", "4", "", "", "", ""}, kElementiInsufficienti},
        {"two filled whatever the others hold",
         {"3", "", "", "abc", "", "50"},
         kElementiInsufficienti},
        {"12abc is not filled", {"3", "4", "5abc", "", "", ""}, kElementiInsufficienti},
        {"a number beyond a double is not filled",
         {"1e400", "4", "5", "", "", ""},
         kElementiInsufficienti},
        {"three angles, no side", {"", "", "", "50", "60", "90"}, kLineariInsufficienti},
        {"one side equal to the sum of the others", {"2", "3", "5", "", "", ""}, kLatoMaggiore},
        {"one side longer than the sum of the others", {"2", "3", "6", "", "", ""}, kLatoMaggiore},
        {"angle opposite the shorter side", {"4", "5", "", "60", "", ""}, kDoppiaSoluzione},
        {"a negative side is not given", {"3", "-4", "", "30", "", ""}, kElementiInsufficienti},
        {"negative sides only", {"-3", "", "", "50", "60", "90"}, kLineariInsufficienti},
        {"two given angles reach 200", {"10", "", "", "", "120", "80"}, kSommaAngoli},
        {"angles beyond 200 with the completed one", {"10", "", "", "150", "60", ""}, kSommaAngoli},
        {"included angle of 200", {"3", "4", "", "", "", "200"}, kSommaAngoli},
        {"included angle beyond 200", {"3", "4", "", "", "", "250"}, kSommaAngoli},
        {"equal sides about a right angle", {"5", "5", "", "100", "", ""}, kSommaAngoli},
        {"equal sides about an obtuse angle", {"5", "5", "", "120", "", ""}, kSommaAngoli},
        {"opposite angle of 200", {"5", "4", "", "200", "", ""}, kSommaAngoli},
        {"included angle too small to open the sides",
         {"1", "1", "", "", "", "1e-300"},
         kNonTriangolo},
        {"a number beyond a double", {"1e400", "4", "5", "", "", "30"}, kFuoriScala},
        {"sides whose products overflow", {"1e200", "1e200", "1e200", "", "", ""}, kFuoriScala},
        {"sides whose products underflow", {"1e-200", "1e-200", "1e-200", "", "", ""}, kFuoriScala},
        {"a side whose law of sines overflows",
         {"1e308", "", "", "", "100", "99.99999"},
         kFuoriScala},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Boxes boxes;
        boxes.Reset({"3", "4", "5", "", "", ""});
        TriangleSolver solver(boxes);
        solver.CalcolaTriangolo();
        const ProgramValues before = solver.Program;
        boxes.Reset(row.input);
        const UserMessage m = MessageOf(solver);
        EXPECT_STREQ(m.what(), row.message);
        const bool doppia = std::string(row.message) == kDoppiaSoluzione;
        EXPECT_EQ(m.Title(), doppia ? kTitoloProblema : kTitoloImpossibile);
        EXPECT_EQ(m.MessageIcon(),
                  doppia ? UserMessage::Icon::Critical : UserMessage::Icon::Exclamation);
        EXPECT_EQ(boxes.box, row.input);
        EXPECT_TRUE(boxes.written.empty());
        EXPECT_EQ(boxes.results, "");
        EXPECT_EQ(boxes.drawings, 0);
        EXPECT_EQ(solver.Program.SemiPerimetro, before.SemiPerimetro);
        EXPECT_EQ(solver.Program.AreaTriangolo, before.AreaTriangolo);
        EXPECT_EQ(solver.Program.RaggioInscritto, before.RaggioInscritto);
    }
}

TEST(TriangleSolver, ZeroSidesStopSilently) {
    for (const Texts& input :
         {Texts{"0", "0", "0", "50", "60", "90"}, Texts{" 0", "0.0", "-0", "", "", "100"}}) {
        SCOPED_TRACE(input[0] + "|" + input[1] + "|" + input[2]);
        Boxes boxes;
        boxes.Reset(input);
        TriangleSolver solver(boxes);
        EXPECT_NO_THROW(solver.CalcolaTriangolo());
        EXPECT_EQ(boxes.box, input);
        EXPECT_TRUE(boxes.written.empty());
        EXPECT_EQ(boxes.results, "");
        EXPECT_EQ(boxes.drawings, 0);
    }
}

}  // namespace
}  // namespace sarvo
