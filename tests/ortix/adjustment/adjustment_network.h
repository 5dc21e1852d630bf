#pragma once

// Synthetic stations for the adjustment tests: known points around a true station, their
// observations computed from the truth with atan2 and hypot (not with the code under test), and
// an independent least-squares solution that keeps the orientation as a third unknown.

#include "ortix/adjustment/adjustment.h"
#include "platform/textgrid.h"

#include <string>
#include <vector>

namespace ortix::testnet {

inline constexpr double kRho = 200 / 3.14159265358979323846;

// Bearing from (n0, e0) to (n1, e1), gon, [0, 400).
double BearingGon(double n0, double e0, double n1, double e1);
// x by whole circles into (-200, 200].
double Wrap(double x);

struct Truth {
    double north = 0;
    double east = 0;
    double orientation = 0;  // gon: reading = bearing - orientation
};

// Which observations a known point carries, and the errors added to them.
struct Sight {
    const char* name;
    double north, east;
    bool direction, exterior, side;
    double directionError = 0;  // gon
    double exteriorError = 0;   // gon
    double sideError = 0;       // length
};

// The observations of each sight, exact but for the errors given; a missing one is 0.
std::vector<KnownPoint> Observe(const Truth& truth, const std::vector<Sight>& sights);

// The known points as the window's table holds them: angles with five decimals, coordinates
// and sides with four, missing observations "0.00"; and the numbers those texts read back as.
platform::TextGrid ToTable(const std::vector<KnownPoint>& points);
std::vector<KnownPoint> RoundedAsInTable(const std::vector<KnownPoint>& points);

// Least squares with north, east and (when there are interior directions) the orientation as
// unknowns, linearised around (north0, east0): normal equations solved by Gaussian elimination,
// cofactors by inverting the full normal matrix.
struct Solution {
    double north = 0, east = 0, orientation = 0;
    int f = 0;
    double m0 = 0, mN = 0, mE = 0, men = 0;
};
Solution SolveWithOrientationUnknown(const std::vector<KnownPoint>& points, double north0,
                                     double east0);

// Variance of the position in the direction of a bearing: mN² cos² + 2 MEN sin cos + mE² sin².
double VarianceAlong(double bearingGon, double mN, double mE, double men);

}  // namespace ortix::testnet
