#include "ortix/survey/trig.h"

#include "platform/errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ortix {
namespace {

constexpr double kAngleTolGon = 1e-12;
constexpr double kLengthTol = 1e-12;
constexpr double kPi = 3.141592653589793;

TEST(Trig, UnitConversionsUseTheTwoFactors) {
    EXPECT_NEAR(RadToGon(kPi), 200, kAngleTolGon);
    EXPECT_NEAR(GonToRad(100), kPi / 2, 1e-15);
    EXPECT_EQ(RadToGon(1), 63.66197723675813);
    EXPECT_EQ(GonToRad(1), 0.015707963267948967);
}

TEST(Trig, FunctionsOfGonAngles) {
    struct Case {
        const char* name;
        double (*fn)(double);
        double arg;
        double expected;
        double tol;
    };
    const Case cases[] = {
        {"sin 100", SinGon, 100, 1, 1e-15},
        {"cos 200", CosGon, 200, -1, 1e-15},
        {"sin 400 nearly 0", SinGon, 400, 0, 1e-15},
        {"cos 50", CosGon, 50, std::sqrt(0.5), 1e-15},
        {"cot 50", CotGon, 50, 1, 1e-15},
        {"cot 0 guarded", CotGon, 0, 99999.999999, 0},
        {"cot 200 guarded", CotGon, 200, 99999.999999, 0},
        {"cot 0.06 guarded", CotGon, 0.06, 99999.999999, 0},
        {"cot -0.06 guarded, positive", CotGon, -0.06, 99999.999999, 0},
        {"cot 0.07 true value", CotGon, 0.07, 1 / std::tan(0.07 * kPi / 200), 1e-9},
        {"cot 150", CotGon, 150, -1, 1e-15},
        {"arctan 1", ArcTanGon, 1, 50, kAngleTolGon},
        {"arctan -1", ArcTanGon, -1, -50, kAngleTolGon},
        {"arctan huge", ArcTanGon, 1e300, 100, kAngleTolGon},
        {"arcsin 0.5", ArcSinGon, 0.5, 100.0 / 3, kAngleTolGon},
        {"arcsin -0.5", ArcSinGon, -0.5, -100.0 / 3, kAngleTolGon},
        {"arcsin 0", ArcSinGon, 0, 0, 0},
        {"square", Square, -3, 9, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(c.fn(c.arg), c.expected, c.tol);
    }
    EXPECT_GT(CotGon(0.07), 900);
    EXPECT_LT(CotGon(0.07), 910);
}

TEST(Trig, ArcSinOfNoSineIsAnArithmeticError) {
    for (double x : {1.0, -1.0}) {
        try {
            ArcSinGon(x);
            ADD_FAILURE() << x;
        } catch (const platform::ArithmeticError& e) {
            EXPECT_EQ(e.FaultKind(), platform::ArithmeticError::Kind::DivisionByZero);
        }
    }
    for (double x : {1.0000001, -2.0, std::nan("")}) {
        try {
            ArcSinGon(x);
            ADD_FAILURE() << x;
        } catch (const platform::ArithmeticError& e) {
            EXPECT_EQ(e.FaultKind(), platform::ArithmeticError::Kind::InvalidOperation);
        }
    }
}

TEST(ComputeBearing, EveryQuadrantAndAxis) {
    struct Case {
        const char* name;
        double north, east;  // target; the station is the origin
        double bearing;
        const char* label;
    };
    const Case cases[] = {
        {"NE", 100, 100, 50, "(+/+)"},
        {"SE", -100, 100, 150, "(+/-)"},
        {"SW", -100, -100, 250, "(-/-)"},
        {"NW", 100, -100, 350, "(-/+)"},
        {"due east", 0, 10, 100, "(+/0)"},
        {"due south", -10, 0, 200, "(0/-)"},
        {"due west", 0, -10, 300, "(-/0)"},
        {"due north", 10, 0, 0, "(0/+)"},
        {"below one unit", 0.3, 0.2, RadToGon(std::atan(0.2 / 0.3)), "(+/+)"},
        {"coincident", 0, 0, 0, "(0/0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TOPERAZIONE r;
        r.targetNorth = c.north;
        r.targetEast = c.east;
        ComputeBearing(r);
        EXPECT_NEAR(r.bearing, c.bearing, kAngleTolGon);
        EXPECT_EQ(r.quadrant, c.label);
        EXPECT_EQ(r.deltaNorth, c.north);
        EXPECT_EQ(r.deltaEast, c.east);
        EXPECT_NEAR(r.distance, std::hypot(c.north, c.east), kLengthTol);
    }
}

TEST(ComputeBearing, TakesTheStationFromItsFieldsAndKeepsNoTraceOfAnEarlierCall) {
    TOPERAZIONE r;
    r.targetName = "Q";
    r.stationName = "P";
    r.stationNorth = 1000;
    r.stationEast = 2000;
    r.targetNorth = 1100;
    r.targetEast = 2100;
    ComputeBearing(r);
    EXPECT_NEAR(r.bearing, 50, kAngleTolGon);
    EXPECT_NEAR(r.distance, 100 * std::sqrt(2.0), kLengthTol);
    r.targetNorth = 1000;
    r.targetEast = 2000;
    ComputeBearing(r);
    EXPECT_EQ(r.quadrant, "(0/0)");
    EXPECT_EQ(r.bearing, 0);
    EXPECT_EQ(r.distance, 0);
    EXPECT_EQ(r.deltaNorth, 0);
    EXPECT_EQ(r.targetName, "Q");
    EXPECT_EQ(r.stationName, "P");
}

TEST(ComputeBearing, BearingStaysBelow400) {
    // Almost due north on the west side: t + 2 pi must not reach the full circle.
    TOPERAZIONE r;
    r.targetNorth = 1000;
    r.targetEast = -1e-9;
    ComputeBearing(r);
    EXPECT_EQ(r.quadrant, "(-/+)");
    EXPECT_GT(r.bearing, 399.999);
    EXPECT_LE(r.bearing, 400);
}

}  // namespace
}  // namespace ortix
