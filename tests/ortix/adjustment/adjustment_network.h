#pragma once

// Synthetic stations for the adjustment tests: known points around a true station, their
// observations computed from the truth with atan2 and hypot (not with the code under test), and
// an independent least-squares solution that keeps the orientation as a third unknown.

#include "ortix/adjustment/adjustment.h"
#include "ortix/adjustment/page_texts.h"
#include "platform/numbers.h"
#include "platform/textgrid.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace ortix::testnet {

inline constexpr double kRho = 200 / 3.14159265358979323846;

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

struct Solution {
    double north = 0, east = 0, orientation = 0;
    int f = 0;
    double m0 = 0, mN = 0, mE = 0, men = 0;
};

// Bearing from (n0, e0) to (n1, e1), gon, [0, 400).
inline double BearingGon(double n0, double e0, double n1, double e1) {
    double b = std::atan2(e1 - e0, n1 - n0) * kRho;
    if (b < 0) {
        b += 400;
    }
    return b >= 400 ? b - 400 : b;
}

// x by whole circles into (-200, 200].
inline double Wrap(double x) {
    double r = std::fmod(x, 400);
    if (r > 200) {
        r -= 400;
    } else if (r <= -200) {
        r += 400;
    }
    return r;
}

// The observations of each sight, exact but for the errors given; a missing one is 0.
inline std::vector<KnownPoint> Observe(const Truth& truth, const std::vector<Sight>& sights) {
    std::vector<KnownPoint> points;
    for (const Sight& s : sights) {
        KnownPoint p;
        p.name = s.name;
        p.north = s.north;
        p.east = s.east;
        const double theta = BearingGon(truth.north, truth.east, s.north, s.east);
        if (s.direction) {
            double r = theta - truth.orientation + s.directionError;
            r = std::fmod(r + 800, 400);
            p.direction = r;
        }
        if (s.exterior) {
            p.exteriorBearing = std::fmod(theta + 200 + s.exteriorError + 400, 400);
        }
        if (s.side) {
            p.side = std::hypot(s.north - truth.north, s.east - truth.east) + s.sideError;
        }
        points.push_back(p);
    }
    return points;
}

namespace detail {

inline std::string Cell(double value, const char* pattern) {
    return value == 0 ? std::string("0.00") : platform::FormatFloat(pattern, value);
}

}  // namespace detail

// The known points as the window's table holds them: angles with five decimals, coordinates
// and sides with four, missing observations "0.00".
inline platform::TextGrid ToTable(const std::vector<KnownPoint>& points) {
    platform::TextGrid t = NewPunotiGrid();
    t.SetRowCount(static_cast<int>(points.size()) + 1);
    for (size_t i = 0; i < points.size(); ++i) {
        const KnownPoint& p = points[i];
        const int row = static_cast<int>(i) + 1;
        t.SetCell(0, row, p.name);
        t.SetCell(1, row, platform::FormatFloat("0.0000", p.north));
        t.SetCell(2, row, platform::FormatFloat("0.0000", p.east));
        t.SetCell(3, row, detail::Cell(p.direction, "0.00000"));
        t.SetCell(4, row, detail::Cell(p.exteriorBearing, "0.00000"));
        t.SetCell(5, row, detail::Cell(p.side, "0.0000"));
    }
    return t;
}

// The numbers that ToTable's texts read back as.
inline std::vector<KnownPoint> RoundedAsInTable(const std::vector<KnownPoint>& points) {
    const platform::TextGrid t = ToTable(points);
    std::vector<KnownPoint> rounded;
    for (int row = 1; row < t.RowCount(); ++row) {
        KnownPoint p;
        p.name = t.Cell(0, row);
        p.north = platform::StrToFloat(t.Cell(1, row));
        p.east = platform::StrToFloat(t.Cell(2, row));
        p.direction = platform::StrToFloat(t.Cell(3, row));
        p.exteriorBearing = platform::StrToFloat(t.Cell(4, row));
        p.side = platform::StrToFloat(t.Cell(5, row));
        rounded.push_back(p);
    }
    return rounded;
}

// Least squares with north, east and (when there are interior directions) the orientation as
// unknowns, linearised around (north0, east0): normal equations solved by Gaussian elimination,
// cofactors by inverting the full normal matrix.
inline Solution SolveWithOrientationUnknown(const std::vector<KnownPoint>& points, double north0,
                                            double east0) {
    struct Equation {
        std::array<double, 3> a;  // d/dN, d/dE, d/dz
        double l;
    };
    std::vector<Equation> eqs;
    bool orientation = false;
    double zRef = 0;
    for (const KnownPoint& p : points) {
        if (p.direction == 0) {
            continue;
        }
        const double theta = BearingGon(north0, east0, p.north, p.east);
        const double d = std::hypot(p.north - north0, p.east - east0);
        if (!orientation) {
            zRef = theta - p.direction;
            orientation = true;
        }
        // Reading = bearing(P -> Q) - z: d(bearing)/dN_P = sin/d, d/dE_P = -cos/d.
        const double t = theta / kRho;
        eqs.push_back({{kRho * std::sin(t) / d, -kRho * std::cos(t) / d, -1},
                       Wrap(theta - zRef - p.direction)});
    }
    for (const KnownPoint& p : points) {
        const double theta = BearingGon(p.north, p.east, north0, east0);
        const double t = theta / kRho;
        const double d = std::hypot(p.north - north0, p.east - east0);
        if (p.exteriorBearing != 0) {
            eqs.push_back({{-kRho * std::sin(t) / d, kRho * std::cos(t) / d, 0},
                           Wrap(theta - p.exteriorBearing)});
        }
        if (p.side != 0) {
            eqs.push_back(
                {{kRho * std::cos(t) / d, kRho * std::sin(t) / d, 0}, kRho * (d - p.side) / d});
        }
    }
    const int u = orientation ? 3 : 2;
    // Normal matrix with the right-hand side and the identity beside it, for the solution and
    // the inverse at once.
    std::array<std::array<double, 7>, 3> m{};
    for (const Equation& e : eqs) {
        for (int i = 0; i < u; ++i) {
            for (int j = 0; j < u; ++j) {
                m[i][j] += e.a[i] * e.a[j];
            }
            m[i][u] -= e.a[i] * e.l;
        }
    }
    for (int i = 0; i < u; ++i) {
        m[i][u + 1 + i] = 1;
    }
    const int cols = 2 * u + 1;
    for (int k = 0; k < u; ++k) {
        int pivot = k;
        for (int i = k + 1; i < u; ++i) {
            if (std::fabs(m[i][k]) > std::fabs(m[pivot][k])) {
                pivot = i;
            }
        }
        std::swap(m[k], m[pivot]);
        const double diag = m[k][k];
        for (int j = 0; j < cols; ++j) {
            m[k][j] /= diag;
        }
        for (int i = 0; i < u; ++i) {
            if (i != k) {
                const double factor = m[i][k];
                for (int j = 0; j < cols; ++j) {
                    m[i][j] -= factor * m[k][j];
                }
            }
        }
    }
    const double dN = m[0][u];
    const double dE = m[1][u];
    const double dz = orientation ? m[2][u] : 0;
    double vv = 0;
    for (const Equation& e : eqs) {
        const double v = e.a[0] * dN + e.a[1] * dE + e.a[2] * dz + e.l;
        vv += v * v;
    }
    Solution s;
    s.north = north0 + dN;
    s.east = east0 + dE;
    s.orientation = orientation ? std::fmod(zRef + dz + 800, 400) : 0;
    s.f = static_cast<int>(eqs.size()) - u;
    s.m0 = std::sqrt(vv / s.f);
    s.mN = s.m0 * std::sqrt(m[0][u + 1]);
    s.mE = s.m0 * std::sqrt(m[1][u + 2]);
    s.men = s.m0 * s.m0 * m[0][u + 2];
    return s;
}

// Variance of the position in the direction of a bearing: mN² cos² + 2 MEN sin cos + mE² sin².
inline double VarianceAlong(double bearingGon, double mN, double mE, double men) {
    const double t = bearingGon / kRho;
    const double c = std::cos(t);
    const double s = std::sin(t);
    return mN * mN * c * c + 2 * men * s * c + mE * mE * s * s;
}

}  // namespace ortix::testnet
