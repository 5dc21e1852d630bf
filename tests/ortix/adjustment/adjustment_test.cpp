#include "ortix/adjustment/adjustment.h"

#include "ortix/adjustment/page_texts.h"
#include "ortix/survey/myutil.h"
#include "ortix/survey/trig.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "tests/ortix/adjustment/adjustment_network.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace ortix {
namespace {

using testnet::Sight;
using testnet::Truth;

constexpr double kLengthTol = 1e-9;     // length units
constexpr double kAngleTolGon = 1e-9;   // gon
constexpr double kErrorTol = 1e-12;     // mean errors, length units
constexpr double kVarianceTol = 1e-15;  // length²

const Truth kStation{5123.4512, 2345.6809, 137.2466};

// Six known points around the station with a realistic mix of observations and errors of a few
// milligon and millimetres.
std::vector<Sight> MixedSights() {
    return {
        {"TRIG 12", 5612.734, 2801.115, true, false, true, 0.0012, 0, -0.004},
        {"CAMPANILE", 5980.218, 1710.442, true, true, false, -0.0009, 0.0007, 0},
        {"PILASTRO 3", 4788.903, 2905.337, true, false, true, 0.0004, 0, 0.003},
        {"SPIGOLO FABBR.", 4511.620, 1902.875, true, true, true, -0.0011, -0.0006, 0.002},
        {"CIPPO 7", 5350.077, 3411.290, true, false, false, 0.0008, 0, 0},
        {"VERTICE 21", 4402.518, 2889.964, false, true, true, 0, 0.0010, -0.005},
    };
}

platform::TextGrid Table(const std::vector<std::array<const char*, 6>>& rows) {
    platform::TextGrid t = NewPunotiGrid();
    t.SetRowCount(static_cast<int>(rows.size()) + 1);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 6; ++c) {
            t.SetCell(c, static_cast<int>(r) + 1, rows[r][static_cast<size_t>(c)]);
        }
    }
    return t;
}

// A display full of texts that no run writes, to see what a run touches.
AdjustmentDisplay MarkedDisplay() {
    AdjustmentDisplay d = NewAdjustmentDisplay();
    for (platform::TextGrid* g : {&d.Matrice, &d.Risultati}) {
        g->SetRowCount(4);
        for (int r = 1; r < 4; ++r) {
            g->FillRow(r, "old");
        }
    }
    for (std::string* s : {&d.n_, &d.ni_, &d.ne_, &d.nl_, &d.x_, &d.emx_, &d.Y_, &d.EMY_, &d.ema_,
                           &d.z_, &d._men, &d._teta, &d._semag, &d._semin}) {
        *s = "old";
    }
    return d;
}

bool IsReset(const platform::TextGrid& g) {
    if (g.RowCount() != 2) {
        return false;
    }
    for (const std::string& cell : g.Row(1)) {
        if (cell != " ") {
            return false;
        }
    }
    return true;
}

std::string MessageOf(const platform::TextGrid& punoti, const std::string& xp,
                      const std::string& yp, AdjustmentDisplay& d) {
    try {
        RunAdjustment(punoti, xp, yp, d);
    } catch (const platform::UserMessage& m) {
        return m.what();
    }
    return "";
}

TEST(ReduceHalfCircle, WholeCirclesAway) {
    const struct {
        double x, expected;
    } cases[] = {{0, 0},     {12.5, 12.5}, {-12.5, -12.5}, {399.9, -0.1}, {-399.9, 0.1},
                 {200, 200}, {-200, 200},  {600, 200},     {401, 1},      {-1201, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR(ReduceHalfCircle(c.x), c.expected, 1e-12);
    }
    // A difference already in range comes back bit for bit.
    EXPECT_EQ(ReduceHalfCircle(0.1 + 0.2), 0.1 + 0.2);
}

TEST(RunAdjustment, GuardLeavesTheDisplayUntouched) {
    const auto three = Table({{"A", "1", "1", "10", "0", "0"},
                              {"B", "2", "1", "20", "0", "0"},
                              {"C", "1", "2", "30", "0", "0"}});
    const auto two = Table({{"A", "1", "1", "10", "0", "0"}, {"B", "2", "1", "20", "0", "0"}});
    const struct {
        const char* name;
        const platform::TextGrid& table;
        const char* xp;
        const char* yp;
    } cases[] = {
        {"two rows", two, "0", "0"},
        {"empty north", three, "", "0"},
        {"empty east", three, "0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AdjustmentDisplay d = MarkedDisplay();
        EXPECT_EQ(MessageOf(c.table, c.xp, c.yp, d), kMissingDataMessage);
        EXPECT_EQ(d.Matrice.RowCount(), 4);
        EXPECT_EQ(d.Risultati.Cell(0, 3), "old");
        EXPECT_EQ(d.n_, "old");
        EXPECT_EQ(d.x_, "old");
    }
}

TEST(RunAdjustment, ConversionErrorStopsAfterTheReset) {
    const std::vector<std::array<const char*, 6>> good = {{"A", "100", "0", "10", "0", "100"},
                                                          {"B", "0", "100", "120", "0", "100"},
                                                          {"C", "-100", "0", "210", "0", "0"}};
    const struct {
        const char* name;
        int row, col;
        const char* cell;
        const char* xp;
        const char* yp;
        bool countsShown;
    } cases[] = {
        {"decimal comma in a direction", 2, 3, "12,5", "0", "0", false},
        {"empty side", 3, 5, "", "0", "0", false},
        {"letters in a north", 1, 1, "N100", "0", "0", false},
        {"blank provisional north", 0, 0, nullptr, "   ", "0", true},
        {"text provisional east", 0, 0, nullptr, "0", "abc", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::TextGrid t = Table(good);
        if (c.cell != nullptr) {
            t.SetCell(c.col, c.row, c.cell);
        }
        AdjustmentDisplay d = MarkedDisplay();
        EXPECT_EQ(MessageOf(t, c.xp, c.yp, d), kConversionMessage);
        EXPECT_TRUE(IsReset(d.Matrice));
        EXPECT_TRUE(IsReset(d.Risultati));
        for (const std::string* s : {&d.x_, &d.emx_, &d.Y_, &d.EMY_, &d.z_, &d.ema_}) {
            EXPECT_EQ(*s, "");
        }
        // The ellipse is not part of the reset.
        EXPECT_EQ(d._men, "old");
        EXPECT_EQ(d._semin, "old");
        if (c.countsShown) {
            EXPECT_EQ(d.n_ + d.ni_ + d.ne_ + d.nl_, "3302");
        } else {
            EXPECT_EQ(d.n_, "old");
        }
    }
}

TEST(RunAdjustment, CountsTreatEveryZeroAsMissing) {
    const struct {
        const char* name;
        std::vector<std::array<const char*, 6>> rows;
        const char* counts;  // n, ni, ne, nl
    } cases[] = {
        {"0.00, 0 and -0 are missing",
         {{"A", "100", "0", "10", "0.00", "100"},
          {"B", "0", "100", "0", "-0", "100"},
          {"C", "-100", "0", "-0", "190", "0"},
          {"D", "0", "-100", "310", "0", " 0 "}},
         "4212"},
        {"a row without observations counts in n only",
         {{"A", "100", "0", "10", "210", "100"},
          {"B", "0", "100", "110", "0", "100"},
          {"C", "-100", "0", "210", "0", "100"},
          {"E", "50", "50", "0.00", "0.00", "0.00"}},
         "4313"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AdjustmentDisplay d = NewAdjustmentDisplay();
        MessageOf(Table(c.rows), "0.01", "0.02", d);
        EXPECT_EQ(d.n_ + d.ni_ + d.ne_ + d.nl_, c.counts);
    }
}

// Exact observations and a provisional point a few hundredths of a millimetre off: the single
// linearisation returns the truth, and the residuals vanish.
TEST(Adjust, ExactObservationsReturnTheTruth) {
    std::vector<Sight> sights = MixedSights();
    for (Sight& s : sights) {
        s.directionError = s.exteriorError = s.sideError = 0;
        s.direction = s.exterior = s.side = true;
    }
    const std::vector<KnownPoint> points = testnet::Observe(kStation, sights);
    const Adjustment a = Adjust(points, kStation.north + 3e-5, kStation.east - 2e-5);
    EXPECT_NEAR(a.north, kStation.north, kLengthTol);
    EXPECT_NEAR(a.east, kStation.east, kLengthTol);
    EXPECT_NEAR(a.z, kStation.orientation, kAngleTolGon);
    EXPECT_EQ(a.f, 6 + 6 + 6 - 3);
    EXPECT_LT(a.m0, 1e-8);
    EXPECT_LT(a.a, 1e-8);
    for (const AdjustmentRow& row : a.rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(row.interiorDifference, 0, kAngleTolGon);
        EXPECT_NEAR(row.exteriorDifference, 0, kAngleTolGon);
        EXPECT_NEAR(row.sideDifference, 0, kLengthTol);
    }
}

// Bearings on the axes and sides of 100 are exact in binary, so every constant term is 0: m0 is
// exactly 0 and the ellipse takes its limit, a point; no residual row is listed.
TEST(RunAdjustment, ErrorFreeDataGiveAPointEllipse) {
    const auto t = Table({{"OVEST", "0", "-100", "0", "100", "100"},
                          {"NORD", "100", "0", "0", "200", "100"},
                          {"EST", "0", "100", "0", "300", "100"},
                          {"SUD", "-100", "0", "0", "0", "100"}});
    AdjustmentDisplay d = NewAdjustmentDisplay();
    RunAdjustment(t, "0", "0", d);
    EXPECT_TRUE(IsReset(d.Matrice));
    EXPECT_EQ(d.x_, "0.0000");
    EXPECT_EQ(d.Y_, "0.0000");
    EXPECT_EQ(d.ema_, "0.000000");
    EXPECT_EQ(d.emx_, "0.00000");
    EXPECT_EQ(d.EMY_, "0.00000");
    EXPECT_EQ(d._men, "0.00000000");
    EXPECT_EQ(d._teta + d._semag + d._semin, "0.00000.00000.0000");
    EXPECT_EQ(d.z_, "0.00000");
    ASSERT_EQ(d.Risultati.RowCount(), 5);
    // NORD: a bearing of 200 read at the point reverses to 400, which is the bearing 0 of P ->
    // NORD.
    const std::array<std::string, 7> nord = {
        PadRight("NORD", 25, " "), "0.00000", "0.0000", "0.00000", "0.0000", "100.0000", "0.0000"};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(d.Risultati.Cell(c, 2), nord[static_cast<size_t>(c)]) << c;
    }
    EXPECT_EQ(d.Risultati.Cell(3, 1), "300.00000");
}

// The elimination of the orientation by means against a solution that keeps it as a third
// unknown (or without it when there are no directions), on noisy observations as the table
// holds them.
TEST(Adjust, AgreesWithTheThreeUnknownSolution) {
    std::vector<Sight> mixed = MixedSights();
    std::vector<Sight> directionsOnly = mixed;
    std::vector<Sight> noDirections = mixed;
    std::vector<Sight> someDirections = mixed;
    for (size_t i = 0; i < mixed.size(); ++i) {
        Sight& d = directionsOnly[i];
        d.direction = true;
        d.directionError = d.directionError == 0 ? 0.0005 : d.directionError;
        d.exterior = d.side = false;
        Sight& n = noDirections[i];
        n.direction = false;
        n.exterior = n.exterior || i % 2 == 0;
        n.exteriorError = n.exteriorError == 0 ? -0.0004 : n.exteriorError;
        someDirections[i].direction = i < 2;
        someDirections[i].side = true;
    }
    const struct {
        const char* name;
        std::vector<Sight> sights;
        double north0, east0;
    } cases[] = {
        {"mixed", mixed, 5123.40, 2345.70},
        {"directions only", directionsOnly, 5123.47, 2345.66},
        {"no directions", noDirections, 5123.43, 2345.69},
        {"directions on two rows", someDirections, 5123.46, 2345.67},
        {"provisional point 2 m off", mixed, 5121.5, 2347.2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<KnownPoint> points =
            testnet::RoundedAsInTable(testnet::Observe(kStation, c.sights));
        const Adjustment a = Adjust(points, c.north0, c.east0);
        const testnet::Solution s = testnet::SolveWithOrientationUnknown(points, c.north0, c.east0);
        EXPECT_NEAR(a.north, s.north, kLengthTol);
        EXPECT_NEAR(a.east, s.east, kLengthTol);
        EXPECT_NEAR(a.z, s.orientation, kAngleTolGon);
        EXPECT_EQ(a.f, s.f);
        EXPECT_NEAR(a.m0, s.m0, kAngleTolGon);
        EXPECT_NEAR(a.mN, s.mN, kErrorTol);
        EXPECT_NEAR(a.mE, s.mE, kErrorTol);
        EXPECT_NEAR(a.men, s.men, kVarianceTol);
        // a lies along teta, b across it: the position variances in those two directions.
        EXPECT_NEAR(a.a * a.a, testnet::VarianceAlong(a.teta, s.mN, s.mE, s.men), kVarianceTol);
        EXPECT_NEAR(a.b * a.b, testnet::VarianceAlong(a.teta + 100, s.mN, s.mE, s.men),
                    kVarianceTol);
        EXPECT_GE(a.teta, -50);
        EXPECT_LE(a.teta, 50);
        EXPECT_EQ(a.a >= a.b, a.mN >= a.mE);
    }
}

// The same station with the orientation near 0 gon (orientation values and exterior bearings
// on both sides of 0/400) and turned a quarter circle away from it: the same adjustment.
TEST(Adjust, SameSolutionAcrossTheSeam) {
    const Truth seam{1000, 2000, 0.0004};
    const std::vector<Sight> sights = {
        // Just east and just west of due south: the bearings read there towards P lie just above
        // 0 and just below 400.
        {"S", 700, 1999.998, true, true, true, 0.0009, 0.0011, 0.003},
        {"SO", 650, 1999.99, true, true, false, -0.0006, -0.003, 0},
        // Due north: its reading lies just below 400, the others' orientation values above 0.
        {"N", 1400, 2000.001, true, false, true, -0.0012, 0, 0},
        {"E", 1000.3, 2350, true, false, true, 0.0007, 0, -0.002},
        {"O", 999.6, 1500, true, true, true, -0.0008, 0.0006, 0.004},
        {"NE", 1250, 2260, true, false, false, 0.0010, 0, 0},
    };
    const std::vector<KnownPoint> points = testnet::Observe(seam, sights);
    ASSERT_LT(points[0].exteriorBearing, 0.01);
    ASSERT_GT(points[1].exteriorBearing, 399.99);
    ASSERT_GT(points[2].direction, 399.9);

    // A quarter turn clockwise about the origin: north' = -east, east' = north; every bearing
    // grows by 100, the readings stay and the orientation grows by 100.
    std::vector<KnownPoint> turned = points;
    for (size_t i = 0; i < points.size(); ++i) {
        turned[i].north = -points[i].east;
        turned[i].east = points[i].north;
        if (points[i].exteriorBearing != 0) {
            turned[i].exteriorBearing = std::fmod(points[i].exteriorBearing + 100, 400);
        }
    }
    const double n0 = 1000.05;
    const double e0 = 1999.96;
    const Adjustment a = Adjust(points, n0, e0);
    const Adjustment b = Adjust(turned, -e0, n0);
    EXPECT_NEAR(b.north, -a.east, kLengthTol);
    EXPECT_NEAR(b.east, a.north, kLengthTol);
    EXPECT_NEAR(testnet::Wrap(b.z - a.z - 100), 0, kAngleTolGon);
    EXPECT_NEAR(a.m0, b.m0, kAngleTolGon);
    // And both are right: close to the truth, residuals of the size of the errors.
    EXPECT_NEAR(a.north, seam.north, 0.01);
    EXPECT_NEAR(a.east, seam.east, 0.01);
    EXPECT_NEAR(testnet::Wrap(a.z - seam.orientation), 0, 0.002);
    EXPECT_LT(a.m0, 0.002);
    for (size_t i = 0; i < a.rows.size(); ++i) {
        SCOPED_TRACE(a.rows[i].name);
        EXPECT_NEAR(a.rows[i].interiorDifference, b.rows[i].interiorDifference, kAngleTolGon);
        EXPECT_NEAR(a.rows[i].exteriorDifference, b.rows[i].exteriorDifference, kAngleTolGon);
        EXPECT_LT(std::fabs(a.rows[i].interiorDifference), 0.005);
        EXPECT_LT(std::fabs(a.rows[i].exteriorDifference), 0.005);
    }
    const testnet::Solution s = testnet::SolveWithOrientationUnknown(points, n0, e0);
    EXPECT_NEAR(a.north, s.north, kLengthTol);
    EXPECT_NEAR(a.east, s.east, kLengthTol);
}

TEST(SolveAdjustment, EquationsOfOneRow) {
    // Q 100 due north of P0 with a side only: the bearing from Q to P0 is 200 gon.
    const std::vector<KnownPoint> points = {
        {"Q", 100, 0, 0, 0, 99.98},
        {"B", 0, 100, 100, 300, 0},
        {"C", -100, 0, 200, 0, 100},
    };
    const Adjustment a = SolveAdjustment(points, 0, 0);
    const AdjustmentRow& q = a.rows[0];
    EXPECT_NEAR(q.aSide, -kGonPerRad / 100, 1e-15);
    EXPECT_NEAR(q.bSide, 0, 1e-15);
    EXPECT_NEAR(q.lSide, kGonPerRad * (100 - 99.98) / 100, 1e-13);
    EXPECT_EQ(q.aInt, 0);
    EXPECT_EQ(q.aExt, 0);
    EXPECT_EQ(q.name, PadRight("Q", 25, " "));
    // Only the rows with a direction are reduced by the means.
    const double meanA = a.sumAInt / 2;
    EXPECT_NEAR(a.rows[1].aInt + meanA, kGonPerRad * SinGon(100) / 100, 1e-15);
    EXPECT_NEAR(a.rows[1].aInt + a.rows[2].aInt, 0, 1e-15);
}

TEST(ComputePrecision, DegreesOfFreedom) {
    const struct {
        const char* name;
        ObservationCounts counts;
        int f;
    } cases[] = {
        {"four directions", {4, 4, 0, 0}, 1},
        {"three directions and three sides", {3, 3, 0, 3}, 3},
        {"three exterior bearings", {3, 0, 3, 0}, 1},
        {"mixed", {6, 5, 3, 4}, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Adjustment a;
        a.counts = c.counts;
        a.n11 = a.n22 = 1;
        ComputePrecision(a);
        EXPECT_EQ(a.f, c.f);
    }
}

TEST(ComputePrecision, EllipseLimitsWhereTheFormulasGiveZeroOverZero) {
    const struct {
        const char* name;
        double sumV2, n11, n12, n22;
        double teta, a, b;  // expected; a < 0 means: sqrt of the variance along teta
    } cases[] = {
        {"no residual: a point", 0, 4, 1, 2, 0, 0, 0},
        {"uncorrelated, mN > mE: axes on north and east", 2e-6, 1, 0, 4, 0, -1, -1},
        {"uncorrelated, mN < mE", 2e-6, 4, 0, 1, 0, -1, -1},
        {"uncorrelated and equal: a circle", 2e-6, 2, 0, 2, 0, -1, -1},
        {"equal, MEN < 0: the axis on -50", 2e-6, 2, 0.5, 2, -50, -1, -1},
        {"equal, MEN > 0: the axis on +50", 2e-6, 2, -0.5, 2, 50, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Adjustment adj;
        adj.counts = {4, 0, 2, 2};
        adj.sumV2 = c.sumV2;
        adj.n11 = c.n11;
        adj.n12 = c.n12;
        adj.n22 = c.n22;
        ComputePrecision(adj);
        EXPECT_EQ(adj.teta, c.teta);
        const double along = std::sqrt(testnet::VarianceAlong(adj.teta, adj.mN, adj.mE, adj.men));
        const double across =
            std::sqrt(testnet::VarianceAlong(adj.teta + 100, adj.mN, adj.mE, adj.men));
        EXPECT_NEAR(adj.a, c.a < 0 ? along : c.a, 1e-15);
        EXPECT_NEAR(adj.b, c.b < 0 ? across : c.b, 1e-15);
        for (double v : {adj.m0, adj.mN, adj.mE, adj.men, adj.teta, adj.a, adj.b}) {
            EXPECT_TRUE(std::isfinite(v));
        }
    }
}

TEST(ComputeAdjustedObservations, DifferencesOfMeasuredAndAdjusted) {
    const struct {
        const char* name;
        double bearing, distance;  // of the known point from the adjusted P, z = 10
        double r, alpha, s;
        double t, interior, exterior, side;
    } cases[] = {
        {"exterior 350 reverses to 150", 150, 141.42, 0, 350.0003, 0, 140, 0, 0.0003, 0},
        {"exterior 200 reverses to 400, the bearing just above 0", 0.0003, 100, 0, 200, 0, 390.0003,
         0, -0.0003, 0},
        {"reading across the seam from its adjusted value", 10.0002, 100, 399.9995, 0, 0, 0.0002,
         -0.0007, 0, 0},
        {"side 0.01 longer", 100, 100, 90, 0, 100.01, 90, 0, 0, 0.01},
        {"no observation: zeros", 300, 100, 0, 0, 0, 290, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Adjustment adj;
        adj.z = 10;
        AdjustmentRow row;
        row.north = c.distance * CosGon(c.bearing);
        row.east = c.distance * SinGon(c.bearing);
        row.direction = c.r;
        row.exteriorBearing = c.alpha;
        row.side = c.s;
        adj.rows.push_back(row);
        ComputeAdjustedObservations(adj);
        const AdjustmentRow& out = adj.rows[0];
        EXPECT_NEAR(out.bearing, c.bearing, kAngleTolGon);
        EXPECT_NEAR(out.adjustedReading, c.t, kAngleTolGon);
        EXPECT_NEAR(out.interiorDifference, c.interior, kAngleTolGon);
        EXPECT_NEAR(out.exteriorDifference, c.exterior, kAngleTolGon);
        EXPECT_NEAR(out.sideDifference, c.side, kLengthTol);
    }
}

TEST(RunAdjustment, DegenerateGeometryStopsWithAMessage) {
    const struct {
        const char* name;
        std::vector<std::array<const char*, 6>> rows;
        const char* xp;
        const char* yp;
        std::string message;
    } cases[] = {
        {"provisional point on a sighted point",
         {{"A", "100", "0", "10", "0", "0"},
          {"B", "5", "7", "0", "0", "12"},
          {"C", "-100", "0", "210", "0", "0"}},
         "5",
         "7",
         "Il punto approssimato coincide con il punto noto B (riga 2): distanza nulla!!"},
        {"the same, the point has no name",
         {{"A", "100", "0", "0", "10", "0"},
          {"B", "0", "100", "0", "0", "100"},
          {"", "0", "0", "0", "300", "0"}},
         "0",
         "0",
         "Il punto approssimato coincide con il punto noto della riga 3: distanza nulla!!"},
        {"a direction's zero distance is met before a side's",
         {{"A", "100", "0", "10", "0", "0"},
          {"B", "5", "7", "0", "0", "12"},
          {"C", "5", "7", "210", "0", "0"},
          {"D", "-100", "0", "300", "0", "0"}},
         "5",
         "7",
         "Il punto approssimato coincide con il punto noto C (riga 3): distanza nulla!!"},
        {"sides to one point only",
         {{"A", "100", "0", "0", "0", "99"},
          {"A", "100", "0", "0", "0", "100"},
          {"A", "100", "0", "0", "0", "101"}},
         "0",
         "0",
         std::string(kSingularMessage)},
        {"directions to points in line with P0",
         {{"A", "100", "100", "50", "0", "0"},
          {"B", "200", "200", "50.001", "0", "0"},
          {"C", "-100", "-100", "250", "0", "0"},
          {"D", "-300", "-300", "249.998", "0", "0"}},
         "0",
         "0",
         std::string(kSingularMessage)},
        {"no observation at all",
         {{"A", "100", "0", "0", "0", "0"},
          {"B", "0", "100", "0", "0", "0"},
          {"C", "-100", "0", "0", "0", "0"}},
         "0",
         "0",
         std::string(kSingularMessage)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AdjustmentDisplay d = MarkedDisplay();
        EXPECT_EQ(MessageOf(Table(c.rows), c.xp, c.yp, d), c.message);
        // The run stopped before the matrix: the reset and the counts.
        EXPECT_TRUE(IsReset(d.Matrice));
        EXPECT_TRUE(IsReset(d.Risultati));
        EXPECT_NE(d.n_, "old");
        EXPECT_EQ(d.x_, "");
        EXPECT_EQ(d._men, "old");
    }
}

TEST(RunAdjustment, NoRedundancyStopsAfterTheMatrix) {
    const struct {
        const char* name;
        std::vector<std::array<const char*, 6>> rows;
    } cases[] = {
        {"three directions",
         {{"A", "100", "0", "10.0", "0", "0"},
          {"B", "0", "100", "110.003", "0", "0"},
          {"C", "-70", "-70", "260.01", "0", "0"}}},
        {"one direction and two other observations",
         {{"A", "100", "0", "10", "0", "0"},
          {"B", "0", "100", "0", "300.01", "0"},
          {"C", "-70", "-70", "0", "0", "99.2"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const platform::TextGrid t = Table(c.rows);
        AdjustmentDisplay d = MarkedDisplay();
        EXPECT_EQ(MessageOf(t, "0.3", "-0.2", d), kNoRedundancyMessage);
        const Adjustment a = SolveAdjustment(ReadKnownPointRows(t), 0.3, -0.2);
        int listed = 0;
        for (const AdjustmentRow& row : a.rows) {
            listed += (row.vInt != 0) + (row.vExt != 0) + (row.vSide != 0);
        }
        EXPECT_EQ(d.Matrice.RowCount(), listed > 0 ? listed + 1 : 2);
        EXPECT_TRUE(IsReset(d.Risultati));
        EXPECT_EQ(d.n_, "3");
        EXPECT_EQ(d.x_, "");
        EXPECT_EQ(d._men, "old");
    }
}

TEST(RunAdjustment, MatrixAndResultRows) {
    // Directions to all three, sides to two, an exterior bearing to none.
    const std::vector<KnownPoint> points = testnet::RoundedAsInTable(testnet::Observe(
        kStation,
        {{"TRIG 12", 5612.734, 2801.115, true, false, true, 0.0012, 0, -0.004},
         {"UN NOME DI PIU DI VENTICINQUE", 5980.218, 1710.442, true, false, false, -0.0009, 0, 0},
         {"PILASTRO 3", 4788.903, 2905.337, true, false, true, 0.0004, 0, 0.003},
         {"PALO", 4600.5, 2200.1, false, false, false}}));
    AdjustmentDisplay d = NewAdjustmentDisplay();
    RunAdjustment(testnet::ToTable(points), "5123.40", "2345.70", d);
    const Adjustment a = Adjust(points, 5123.40, 2345.70);

    ASSERT_EQ(d.Matrice.RowCount(), 6);
    const char* kinds[] = {"Dir. Int. ", "Dir. Int. ", "Dir. Int. ", "lati Mis. ", "lati Mis. "};
    const size_t sources[] = {0, 1, 2, 0, 2};
    const platform::FloatFormat f4("0.0000");
    const platform::FloatFormat f5("0.00000");
    for (int r = 1; r <= 5; ++r) {
        SCOPED_TRACE(r);
        const AdjustmentRow& row = a.rows[sources[r - 1]];
        const bool side = r > 3;
        EXPECT_EQ(d.Matrice.Cell(0, r), row.name);
        EXPECT_EQ(d.Matrice.Cell(1, r), kinds[r - 1]);
        EXPECT_EQ(d.Matrice.Cell(2, r), f4(side ? row.aSide : row.aInt));
        EXPECT_EQ(d.Matrice.Cell(3, r), f4(side ? row.bSide : row.bInt));
        EXPECT_EQ(d.Matrice.Cell(4, r), f4(side ? row.lSide : row.lInt));
        EXPECT_EQ(d.Matrice.Cell(5, r), f4(side ? row.vSide : row.vInt));
        // The linear residual only on side rows; the first row keeps the blank of the reset.
        EXPECT_EQ(d.Matrice.Cell(6, r), side ? f4(row.linearResidual) : r == 1 ? " " : "");
    }
    EXPECT_EQ(d.Matrice.Cell(0, 1), PadRight("TRIG 12", 25, " "));
    EXPECT_EQ(d.Matrice.Cell(0, 2), "UN NOME DI PIU DI VENTICINQUE");

    ASSERT_EQ(d.Risultati.RowCount(), 5);
    for (int r = 1; r <= 4; ++r) {
        SCOPED_TRACE(r);
        const AdjustmentRow& row = a.rows[static_cast<size_t>(r - 1)];
        EXPECT_EQ(d.Risultati.Cell(1, r), f5(row.adjustedReading));
        EXPECT_EQ(d.Risultati.Cell(2, r), f4(row.interiorDifference));
        EXPECT_EQ(d.Risultati.Cell(3, r), f5(row.bearing));
        EXPECT_EQ(d.Risultati.Cell(4, r), "0.0000");  // no exterior bearing anywhere
        EXPECT_EQ(d.Risultati.Cell(5, r), f4(row.distance));
        EXPECT_EQ(d.Risultati.Cell(6, r), f4(row.sideDifference));
    }
    // The point without observations still has its adjusted bearing and distance.
    EXPECT_EQ(d.Risultati.Cell(2, 4) + d.Risultati.Cell(6, 4), "0.00000.0000");
    EXPECT_NE(d.Risultati.Cell(5, 4), "0.0000");

    EXPECT_EQ(d.n_ + d.ni_ + d.ne_ + d.nl_, "4302");
    EXPECT_EQ(d.x_, f4(a.north));
    EXPECT_EQ(d.Y_, f4(a.east));
    EXPECT_EQ(d.emx_, f5(a.mN));
    EXPECT_EQ(d.EMY_, f5(a.mE));
    EXPECT_EQ(d.ema_, platform::FormatFloat("0.000000", a.m0));
    EXPECT_EQ(d.z_, f5(a.z));
    EXPECT_EQ(d._men, platform::FormatFloat("0.00000000", a.men));
    EXPECT_EQ(d._teta, f4(a.teta));
    EXPECT_EQ(d._semag, f4(a.a));
    EXPECT_EQ(d._semin, f4(a.b));

    // A second run on a shorter table leaves nothing of the first.
    const auto shorter = Table({{"OVEST", "0", "-100", "0", "100", "100.01"},
                                {"NORD", "100", "0", "0", "200", "100"},
                                {"EST", "0", "100", "0", "300", "100"}});
    RunAdjustment(shorter, "0", "0", d);
    EXPECT_EQ(d.Risultati.RowCount(), 4);
    EXPECT_EQ(d.z_, "0.00000");  // no direction: the fixed text
    for (int r = 1; r < d.Matrice.RowCount(); ++r) {
        EXPECT_NE(d.Matrice.Cell(1, r), "Dir. Int. ") << r;
        EXPECT_NE(d.Matrice.Cell(0, r), PadRight("TRIG 12", 25, " ")) << r;
    }
}

// The grids of a run are written over the rows of the run before: what a run shows must not
// depend on what the display held.
TEST(RunAdjustment, ADisplayReusedShowsWhatAFreshOneShows) {
    const platform::TextGrid mixed = testnet::ToTable(testnet::Observe(kStation, MixedSights()));
    const auto sidesAndBearings = Table({{"OVEST", "0", "-100", "0", "100.002", "100.01"},
                                         {"NORD", "100", "0", "0", "200", "99.995"},
                                         {"EST", "0", "100", "0", "299.999", "100"},
                                         {"SUD", "-100", "0", "0", "0", "100.004"}});
    platform::TextGrid badCell = mixed;
    badCell.SetCell(2, 4, "x");
    const auto noRedundancy = Table({{"A", "100", "0", "10.0", "0", "0"},
                                     {"B", "0", "100", "110.003", "0", "0"},
                                     {"C", "-70", "-70", "260.01", "0", "0"}});
    const struct {
        const char* name;
        const platform::TextGrid& first;
        const platform::TextGrid& second;
    } cases[] = {
        {"side rows before, direction rows now", sidesAndBearings, mixed},
        {"longer before", mixed, sidesAndBearings},
        {"a bad cell now", mixed, badCell},
        {"no degree of freedom now", mixed, noRedundancy},
        {"the same twice", mixed, mixed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AdjustmentDisplay reused = NewAdjustmentDisplay();
        MessageOf(c.first, "5123.40", "2345.70", reused);
        AdjustmentDisplay fresh = NewAdjustmentDisplay();
        const std::string message = MessageOf(c.second, "0.2", "0.1", fresh);
        EXPECT_EQ(MessageOf(c.second, "0.2", "0.1", reused), message);
        for (const auto& grids : {std::pair{&reused.Matrice, &fresh.Matrice},
                                  std::pair{&reused.Risultati, &fresh.Risultati}}) {
            ASSERT_EQ(grids.first->RowCount(), grids.second->RowCount());
            for (int r = 0; r < grids.first->RowCount(); ++r) {
                for (int col = 0; col < 7; ++col) {
                    EXPECT_EQ(grids.first->Cell(col, r), grids.second->Cell(col, r))
                        << col << "," << r;
                }
            }
        }
        if (message.empty()) {
            EXPECT_EQ(reused.x_ + reused.emx_ + reused.z_ + reused._semag,
                      fresh.x_ + fresh.emx_ + fresh.z_ + fresh._semag);
        }
    }
}

TEST(RunAdjustment, TheWindowTitlesAreNeverTouched) {
    AdjustmentDisplay d = NewAdjustmentDisplay();
    const auto t = testnet::ToTable(testnet::Observe(kStation, MixedSights()));
    RunAdjustment(t, "5123.40", "2345.70", d);
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(d.Matrice.Cell(c, 0), kMatriceHeader[static_cast<size_t>(c)]);
        EXPECT_EQ(d.Risultati.Cell(c, 0), kRisultatiHeader[static_cast<size_t>(c)]);
    }
    // Running twice on the same input gives the same display.
    AdjustmentDisplay again = d;
    RunAdjustment(t, "5123.40", "2345.70", again);
    EXPECT_EQ(again.Matrice.RowCount(), d.Matrice.RowCount());
    EXPECT_EQ(again.Risultati.Cell(3, 6), d.Risultati.Cell(3, 6));
    EXPECT_EQ(again.x_ + again._semag, d.x_ + d._semag);
}

}  // namespace
}  // namespace ortix
