#include "sarvo/triangle_solver.h"

#include "platform/errors.h"
#include "platform/numbers.h"
#include "sarvo/number_text.h"

#include <array>
#include <cmath>

namespace sarvo {
namespace {

using platform::UserMessage;

[[noreturn]] void Impossibile(const char* text) {
    throw UserMessage(text, kTitoloImpossibile, UserMessage::Icon::Exclamation);
}

double Square(double x) {
    return std::pow(x, 2);
}

// The third angle of a triangle, 200 - (x + y) gon; the data stop when it is not positive.
double RemainingAngle(double xGon, double yGon) {
    const double angle = 200 - (xGon + yGon);
    if (!(angle > 0)) {
        Impossibile(kSommaAngoli);
    }
    return angle;
}

// A computed side: a positive finite length, or the computation stops.
void RequireSide(double side) {
    if (!std::isfinite(side)) {
        Impossibile(kFuoriScala);
    }
    if (!(side > 0)) {
        Impossibile(kNonTriangolo);
    }
}

// Each side strictly shorter than the sum of the other two, each sum rounded to a double
// before the comparison: a degenerate triangle fails too.
bool SidesMakeTriangle(double a, double b, double c) {
    return b + a > c && c + a > b && b + c > a;
}

}  // namespace

void ProgramValues::SetAngleFactors() {
    PiGreco = 4 * std::atan(1.0);
    GonPerRad = 200 / PiGreco;
    RadPerGon = PiGreco / 200;
}

TriangleSolver::TriangleSolver(TriangleView& view) : view_(view) {
    Program.SetAngleFactors();
}

double TriangleSolver::SinGon(double angleGon) const {
    return std::sin(angleGon * Program.RadPerGon);
}

void TriangleSolver::WriteBox(int index, double value) {
    pendingBoxes_.emplace_back(index, GeneralNumberText(value));
}

void TriangleSolver::CalcolaTriangolo() {
    pendingBoxes_.clear();
    std::array<std::string, kBoxCount> texts;
    int filled = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        texts[i] = view_.BoxText(static_cast<int>(i));
        filled += IsNumericText(texts[i]) ? 1 : 0;
    }
    if (filled < 3) {
        Impossibile(kElementiInsufficienti);
    }
    if (!IsNumericText(texts[0]) && !IsNumericText(texts[1]) && !IsNumericText(texts[2])) {
        Impossibile(kLineariInsufficienti);
    }
    TA = LeadingNumber(texts[0]);
    TB = LeadingNumber(texts[1]);
    TC = LeadingNumber(texts[2]);
    Alfa = LeadingNumber(texts[3]);
    Beta = LeadingNumber(texts[4]);
    Gamma = LeadingNumber(texts[5]);
    if (TA == 0 && TB == 0 && TC == 0) {
        return;
    }
    // A box may hold a number beyond a double ("1e400" reads as an infinity).
    for (double element : {TA, TB, TC, Alfa, Beta, Gamma}) {
        if (!std::isfinite(element)) {
            Impossibile(kFuoriScala);
        }
    }

    SolveFirstMatchingCase();
    // Rounding can leave the sides of a nearly flat triangle without area.
    if (!SidesMakeTriangle(TA, TB, TC)) {
        Impossibile(kNonTriangolo);
    }

    const double semiPerimeter = (TB + TA + TC) / 2;
    // Heron's formula.
    const double area = std::sqrt((semiPerimeter - TA) * semiPerimeter * (semiPerimeter - TB) *
                                  (semiPerimeter - TC));
    if (!(area > 0) || !std::isfinite(area) || !std::isfinite(TB * TA * TC / (area * 4))) {
        Impossibile(kFuoriScala);
    }

    static const platform::FloatFormat kArea("######0.##0");
    static const platform::FloatFormat kBase("########0.##0");
    static const platform::FloatFormat kHeight("#########0.##0");
    const double sides[] = {TA, TB, TC};
    std::string results = "Area = " + kArea(area);
    for (int k = 0; k < 3; ++k) {
        const std::string number = platform::IntToStr(k + 1);
        results += "\r\nBase" + number + " = " + kBase(sides[k]) + " Altezza" + number + " = " +
                   kHeight(2 * area / sides[k]);
    }
    results += "\r\nRaggio Cerchio Inscritto = " + kHeight(area / semiPerimeter);
    results += "\r\nRaggio Cerchio Circoscritto = " + kHeight(TB * TA * TC / (area * 4));

    Program.SemiPerimetro = semiPerimeter;
    Program.AreaTriangolo = area;
    Program.RaggioInscritto = area / semiPerimeter;
    for (const auto& [index, text] : pendingBoxes_) {
        view_.SetBoxText(index, text);
    }
    pendingBoxes_.clear();
    view_.SetResultsText(results);
    view_.DisegnaTriangolo();
}

void TriangleSolver::SolveFirstMatchingCase() {
    const bool a = TA > 0;
    const bool b = TB > 0;
    const bool c = TC > 0;
    const bool alfa = Alfa > 0;
    const bool beta = Beta > 0;
    const bool gamma = Gamma > 0;

    // Three sides: the angles follow from them, whatever the angle boxes hold.
    if (a && b && c) {
        if (!SidesMakeTriangle(TA, TB, TC)) {
            Impossibile(kLatoMaggiore);
        }
        TreLati();
    }
    // Two sides and the angle between them.
    else if (a && b && gamma) {
        DueLatiAngoloCompreso1();
    } else if (b && c && alfa) {
        DueLatiAngoloCompreso2();
    } else if (a && c && beta) {
        DueLatiAngoloCompreso3();
    }
    // One side and the two angles next to it.
    else if (a && beta && gamma) {
        UnLato2Angoli1();
    } else if (b && alfa && gamma) {
        UnLato2Angoli2();
    } else if (c && beta && alfa) {
        UnLato2Angoli3();
    }
    // One side, its opposite angle and one more: the third angle from the angle sum, not
    // written into its box.
    else if (a && alfa && beta) {
        Gamma = RemainingAngle(Alfa, Beta);
        UnLato2Angoli1();
    } else if (a && alfa && gamma) {
        Beta = RemainingAngle(Gamma, Alfa);
        UnLato2Angoli1();
    } else if (b && alfa && beta) {
        Gamma = RemainingAngle(Alfa, Beta);
        UnLato2Angoli2();
    } else if (b && beta && gamma) {
        Alfa = RemainingAngle(Gamma, Beta);
        UnLato2Angoli2();
    } else if (c && gamma && beta) {
        Alfa = RemainingAngle(Gamma, Beta);
        UnLato2Angoli3();
    } else if (c && alfa && gamma) {
        Beta = RemainingAngle(Gamma, Alfa);
        UnLato2Angoli3();
    }
    // Two sides and an angle opposite one of them.
    else if (a && b && alfa) {
        DueLatiAngoloOpposto(TA, TB, Alfa, Beta, Gamma, &TriangleSolver::DueLatiAngoloCompreso1);
    } else if (a && b && beta) {
        DueLatiAngoloOpposto(TB, TA, Beta, Alfa, Gamma, &TriangleSolver::DueLatiAngoloCompreso1);
    } else if (a && c && alfa) {
        DueLatiAngoloOpposto(TA, TC, Alfa, Gamma, Beta, &TriangleSolver::DueLatiAngoloCompreso3);
    } else if (a && c && gamma) {
        DueLatiAngoloOpposto(TC, TA, Gamma, Alfa, Beta, &TriangleSolver::DueLatiAngoloCompreso3);
    } else if (b && c && beta) {
        DueLatiAngoloOpposto(TB, TC, Beta, Gamma, Alfa, &TriangleSolver::DueLatiAngoloCompreso2);
    } else if (b && c && gamma) {
        DueLatiAngoloOpposto(TC, TB, Gamma, Beta, Alfa, &TriangleSolver::DueLatiAngoloCompreso2);
    }
    // Fewer than three elements are given (a box holding 0 or a negative number counts as
    // filled but gives nothing).
    else {
        Impossibile(a || b || c ? kElementiInsufficienti : kLineariInsufficienti);
    }
}

// The half-angle formula, tan(A / 2) = sqrt((s - b)(s - c) / (s (s - a))).
void TriangleSolver::TreLati() {
    const double s = (TA + TB + TC) / 2;
    if (!std::isfinite(s)) {
        Impossibile(kFuoriScala);
    }
    if (!(s - TA > 0 && s - TB > 0 && s - TC > 0)) {
        Impossibile(kNonTriangolo);
    }
    Alfa = 2 * std::atan(std::sqrt(((s - TC) * (s - TB)) / ((s - TA) * s)));
    Beta = 2 * std::atan(std::sqrt(((s - TC) * (s - TA)) / ((s - TB) * s)));
    Gamma = 2 * std::atan(std::sqrt(((s - TB) * (s - TA)) / ((s - TC) * s)));
    Alfa = Alfa * Program.GonPerRad;
    Beta = Beta * Program.GonPerRad;
    Gamma = Gamma * Program.GonPerRad;
    // Products of very large or very small sides leave the range of a double.
    for (double angle : {Alfa, Beta, Gamma}) {
        if (!(angle > 0 && angle < 200)) {
            Impossibile(kFuoriScala);
        }
    }
    WriteBox(3, Alfa);
    WriteBox(4, Beta);
    WriteBox(5, Gamma);
}

double TriangleSolver::SideOppositeIncludedAngle(double x, double y, double angleGon) const {
    if (!(angleGon < 200)) {
        Impossibile(kSommaAngoli);
    }
    const double square =
        Square(x) + Square(y) - 2 * x * y * std::cos(angleGon * Program.RadPerGon);
    if (!std::isfinite(square)) {
        Impossibile(kFuoriScala);
    }
    if (!(square > 0)) {
        Impossibile(kNonTriangolo);
    }
    const double side = std::sqrt(square);
    RequireSide(side);
    return side;
}

void TriangleSolver::DueLatiAngoloCompreso1() {
    TC = SideOppositeIncludedAngle(TA, TB, Gamma);
    WriteBox(2, TC);
    TreLati();
}

void TriangleSolver::DueLatiAngoloCompreso2() {
    TA = SideOppositeIncludedAngle(TC, TB, Alfa);
    WriteBox(0, TA);
    TreLati();
}

void TriangleSolver::DueLatiAngoloCompreso3() {
    TB = SideOppositeIncludedAngle(TA, TC, Beta);
    WriteBox(1, TB);
    TreLati();
}

void TriangleSolver::UnLato2Angoli1() {
    SidesFromOneSide(0);
}

void TriangleSolver::UnLato2Angoli2() {
    SidesFromOneSide(1);
}

void TriangleSolver::UnLato2Angoli3() {
    SidesFromOneSide(2);
}

void TriangleSolver::SidesFromOneSide(int known) {
    const std::array<double*, 3> sides = {&TA, &TB, &TC};
    const std::array<double*, 3> angles = {&Alfa, &Beta, &Gamma};
    const auto k = static_cast<size_t>(known);
    *angles[k] = RemainingAngle(*angles[(k + 1) % 3], *angles[(k + 2) % 3]);
    const double sinKnown = SinGon(*angles[k]);
    if (!(sinKnown > 0)) {
        Impossibile(kNonTriangolo);
    }
    // The law of sines: side / sin(opposite angle) is the same for the three sides.
    for (size_t j = 0; j < 3; ++j) {
        if (j != k) {
            *sides[j] = *sides[k] / sinKnown * SinGon(*angles[j]);
            RequireSide(*sides[j]);
        }
    }
    for (size_t j = 0; j < 3; ++j) {
        if (j != k) {
            WriteBox(static_cast<int>(j), *sides[j]);
        }
    }
    WriteBox(known + 3, *angles[k]);
}

void TriangleSolver::DueLatiAngoloOpposto(double p, double q, double angleP, double& angleQ,
                                          double& angleR,
                                          void (TriangleSolver::*solveThirdSide)()) {
    // With the angle opposite the shorter side the data admit two triangles, one or none.
    if (p < q) {
        throw UserMessage(kDoppiaSoluzione, kTitoloProblema, UserMessage::Icon::Critical);
    }
    if (!(angleP < 200)) {
        Impossibile(kSommaAngoli);
    }
    TriX = (q / p) * SinGon(angleP);
    // p >= q makes TriX at most 1; 1 only for equal sides about a right angle at P, where
    // Q would be a second right angle.
    if (!(TriX < 1)) {
        Impossibile(kSommaAngoli);
    }
    // The arcsine of TriX, in gon.
    angleQ = std::atan(TriX / std::sqrt(1 - Square(TriX))) * Program.GonPerRad;
    angleR = RemainingAngle(angleQ, angleP);
    (this->*solveThirdSide)();
}

}  // namespace sarvo
