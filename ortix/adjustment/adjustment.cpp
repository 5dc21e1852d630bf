#include "ortix/adjustment/adjustment.h"

#include "ortix/adjustment/page_texts.h"
#include "ortix/survey/myutil.h"
#include "ortix/survey/trig.h"
#include "platform/errors.h"
#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace ortix {
namespace {

constexpr double kRho = kGonPerRad;
constexpr double kFullCircleGon = 400;
// Below this share of N11·N22 the determinant is rounding noise: the normal matrix is singular.
constexpr double kSingularDetRatio = 1e-12;

// x by whole circles into (0, 400]; unchanged, bit for bit, when already there.
double IntoOpenCircle(double x) {
    const double r = x - kFullCircleGon * std::floor(x / kFullCircleGon);
    return r > 0 ? r : r + kFullCircleGon;
}

// x by whole circles into [0, 400); unchanged, bit for bit, when already there.
double IntoHalfOpenCircle(double x) {
    const double r = x - kFullCircleGon * std::floor(x / kFullCircleGon);
    return r < kFullCircleGon ? r : 0;
}

// The root of a variance-like quantity that rounding may have pushed just below zero.
double SqrtNonNegative(double x) {
    return x > 0 ? std::sqrt(x) : 0;
}

}  // namespace

std::string ZeroDistanceMessage(const std::string& name, int row) {
    const std::string which = name.empty() ? "della riga " + platform::IntToStr(row)
                                           : name + " (riga " + platform::IntToStr(row) + ")";
    return "Il punto approssimato coincide con il punto noto " + which + ": distanza nulla!!";
}

double ReduceHalfCircle(double x) {
    double r = x - kFullCircleGon * std::round(x / kFullCircleGon);
    // round() takes halves away from zero: +-200 land on -+200, and only +200 belongs.
    if (r <= -kFullCircleGon / 2) {
        r += kFullCircleGon;
    } else if (r > kFullCircleGon / 2) {
        r -= kFullCircleGon;
    }
    return r;
}

namespace {

// The counts of known points or of working rows, which hold the same observation fields.
template <typename Rows>
ObservationCounts CountOf(const Rows& rows) {
    ObservationCounts c;
    c.n = static_cast<int>(rows.size());
    for (const auto& row : rows) {
        c.ni += row.direction != 0 ? 1 : 0;
        c.ne += row.exteriorBearing != 0 ? 1 : 0;
        c.nl += row.side != 0 ? 1 : 0;
    }
    return c;
}

}  // namespace

ObservationCounts CountObservations(std::span<const KnownPoint> points) {
    return CountOf(points);
}

namespace {

// The name padded to the width of the name column.
void SetPaddedName(std::string& out, std::string_view name) {
    out.reserve(std::max<size_t>(name.size(), kPointNameWidth));
    out.assign(name);
    if (out.size() < kPointNameWidth) {
        out.append(kPointNameWidth - out.size(), ' ');
    }
}

// SolveAdjustment on rows that hold their input values; nameOf(i) is the name of row i as the
// table holds it, for the message of a zero distance.
//
// The steps run in few passes over the rows: every expression, and every sum in table order, is
// the same as step by step over all rows, so the numbers are too. A zero distance is reported
// for the point the step-by-step order meets first: directions, then bearings, then sides.
template <typename NameOf>
void SolveRows(Adjustment& adj, double north0, double east0, NameOf nameOf) {
    adj.north0 = north0;
    adj.east0 = east0;
    const ObservationCounts& c = adj.counts;
    std::vector<AdjustmentRow>& rows = adj.rows;

    TOPERAZIONE op;
    // Bearing and distance from P0 to the point, or from the point to P0; false for a zero
    // distance.
    auto measure = [&](AdjustmentRow& row, bool fromP0) {
        op.stationNorth = fromP0 ? north0 : row.north;
        op.stationEast = fromP0 ? east0 : row.east;
        op.targetNorth = fromP0 ? row.north : north0;
        op.targetEast = fromP0 ? row.east : east0;
        ComputeBearing(op);
        row.bearing = op.bearing;
        row.distance = op.distance;
        return row.distance > 0;
    };
    constexpr size_t kNone = static_cast<size_t>(-1);
    auto requireDistances = [&](std::initializer_list<size_t> zeros) {
        for (const size_t zero : zeros) {
            if (zero != kNone) {
                throw platform::UserMessage(
                    ZeroDistanceMessage(nameOf(zero), static_cast<int>(zero) + 1));
            }
        }
    };

    // Directions: bearings from P0, coefficients, orientation values and their mean z0.
    if (c.ni > 0) {
        size_t zeroDirection = kNone;
        double sumO = 0;
        double sumAroundFirst = 0;
        double firstO = 0;
        bool first = true;
        bool straddles = false;
        for (size_t i = 0; i < rows.size(); ++i) {
            AdjustmentRow& row = rows[i];
            if (row.direction == 0) {
                continue;
            }
            if (!measure(row, true)) {
                zeroDirection = i;
                break;
            }
            double o = row.bearing - row.direction;
            if (o <= 0) {
                o += kFullCircleGon;
            }
            row.orientation = o;
            row.aInt = kRho * SinGon(row.bearing) / row.distance;
            row.bInt = -(kRho * CosGon(row.bearing) / row.distance);
            adj.sumAInt += row.aInt;
            adj.sumBInt += row.bInt;
            sumO += o;
            if (first) {
                firstO = o;
                first = false;
            }
            const double plain = o - firstO;
            const double reduced = ReduceHalfCircle(plain);
            straddles = straddles || reduced != plain;
            sumAroundFirst += reduced;
        }
        requireDistances({zeroDirection});
        // The plain mean of orientation values that straddle 0/400 lies half a circle off:
        // average them around the first one instead.
        adj.z0 = straddles ? IntoOpenCircle(firstO + sumAroundFirst / c.ni) : sumO / c.ni;
    }

    // Per row: the constant term of its direction, and the direction equation less the mean
    // coefficients, which eliminates the orientation unknown (the constants are not reduced);
    // the bearing and side equations; then the row's terms of the normal equations, direction,
    // bearing, side.
    const double meanA = c.ni > 0 ? adj.sumAInt / c.ni : 0;
    const double meanB = c.ni > 0 ? adj.sumBInt / c.ni : 0;
    size_t zeroBearing = kNone;
    size_t zeroSide = kNone;
    for (size_t i = 0; i < rows.size(); ++i) {
        AdjustmentRow& row = rows[i];
        if (row.direction != 0) {
            double phi = adj.z0 + row.direction;
            if (phi > kFullCircleGon) {
                phi -= kFullCircleGon;
            }
            row.orientedReading = phi;
            row.lInt = ReduceHalfCircle(row.bearing - phi);
            row.aInt = row.aInt - meanA;
            row.bInt = row.bInt - meanB;
        }
        if (row.exteriorBearing != 0 || row.side != 0) {
            if (!measure(row, false)) {
                size_t& zero = row.exteriorBearing != 0 ? zeroBearing : zeroSide;
                zero = std::min(zero, i);
                continue;
            }
            if (row.exteriorBearing != 0) {
                row.aExt = -(kRho * SinGon(row.bearing) / row.distance);
                row.bExt = kRho * CosGon(row.bearing) / row.distance;
                row.lExt = ReduceHalfCircle(row.bearing - row.exteriorBearing);
            }
            if (row.side != 0) {
                // The linearised distance equation times rho/d: its residual is in gon.
                row.aSide = kRho * CosGon(row.bearing) / row.distance;
                row.bSide = kRho * SinGon(row.bearing) / row.distance;
                row.lSide = kRho * (row.distance - row.side) / row.distance;
            }
        }
        adj.n11 = adj.n11 + Square(row.aInt) + Square(row.aExt) + Square(row.aSide);
        adj.n12 = adj.n12 + row.aInt * row.bInt + row.aExt * row.bExt + row.aSide * row.bSide;
        adj.n22 = adj.n22 + Square(row.bInt) + Square(row.bExt) + Square(row.bSide);
        adj.n1 = adj.n1 + row.aInt * row.lInt + row.aExt * row.lExt + row.aSide * row.lSide;
        adj.n2 = adj.n2 + row.bInt * row.lInt + row.bExt * row.lExt + row.bSide * row.lSide;
    }
    requireDistances({zeroBearing, zeroSide});

    adj.det = adj.n11 * adj.n22 - Square(adj.n12);
    if (!(std::fabs(adj.det) > kSingularDetRatio * adj.n11 * adj.n22)) {
        throw platform::UserMessage(std::string(kSingularMessage));
    }
    adj.dN = (adj.n12 * adj.n2 - adj.n22 * adj.n1) / adj.det;
    adj.dE = (adj.n12 * adj.n1 - adj.n11 * adj.n2) / adj.det;
    if (!std::isfinite(adj.dN) || !std::isfinite(adj.dE)) {
        throw platform::UserMessage(std::string(kSingularMessage));
    }

    double correction = 0;
    if (c.ni > 0) {
        correction = (adj.sumAInt / c.ni) * adj.dN + (adj.sumBInt / c.ni) * adj.dE;
    } else {
        adj.z0 = 0;
    }
    adj.north = north0 + adj.dN;
    adj.east = east0 + adj.dE;
    adj.z = c.ni > 0 ? IntoHalfOpenCircle(adj.z0 + correction) : 0;

    // Residuals, computed minus observed; a residual of exactly 0 adds nothing. Every number the
    // matrix shows is then finite, so writing it cannot fail. The squares are summed directions
    // first, then bearings, then sides.
    double sumInt = 0;
    for (AdjustmentRow& row : rows) {
        if (c.ni > 0) {
            row.vInt = row.aInt * adj.dN + row.bInt * adj.dE + row.lInt;
            if (row.vInt != 0) {
                sumInt += Square(row.vInt);
            }
        }
        if (c.ne > 0) {
            row.vExt = row.aExt * adj.dN + row.bExt * adj.dE + row.lExt;
        }
        if (c.nl > 0) {
            row.vSide = row.aSide * adj.dN + row.bSide * adj.dE + row.lSide;
            if (row.vSide != 0) {
                row.linearResidual = row.vSide * row.side / kRho;
            }
        }
        if (!std::isfinite(row.aInt + row.bInt + row.lInt + row.vInt + row.aExt + row.bExt +
                           row.lExt + row.vExt + row.aSide + row.bSide + row.lSide + row.vSide +
                           row.linearResidual)) {
            throw platform::ArithmeticError(platform::ArithmeticError::Kind::InvalidOperation);
        }
    }
    adj.sumV2 = sumInt;
    for (const AdjustmentRow& row : rows) {
        if (row.vExt != 0) {
            adj.sumV2 += Square(row.vExt);
        }
    }
    for (const AdjustmentRow& row : rows) {
        if (row.vSide != 0) {
            adj.sumV2 += Square(row.vSide);
        }
    }
}

}  // namespace

Adjustment SolveAdjustment(std::span<const KnownPoint> points, double north0, double east0) {
    Adjustment adj;
    adj.counts = CountObservations(points);
    adj.rows.resize(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        const KnownPoint& p = points[i];
        AdjustmentRow& row = adj.rows[i];
        SetPaddedName(row.name, p.name);
        row.north = p.north;
        row.east = p.east;
        row.direction = p.direction;
        row.exteriorBearing = p.exteriorBearing;
        row.side = p.side;
    }
    SolveRows(adj, north0, east0, [&](size_t i) -> const std::string& { return points[i].name; });
    return adj;
}

void ComputePrecision(Adjustment& adj) {
    const ObservationCounts& c = adj.counts;
    // Unknowns: north, east and, with interior directions, their orientation.
    adj.f = c.ni > 0 ? c.ni + c.ne + c.nl - 3 : c.ne + c.nl - 2;
    if (adj.f <= 0) {
        throw platform::UserMessage(std::string(kNoRedundancyMessage));
    }
    adj.m0 = std::sqrt(adj.sumV2 / adj.f);
    if (adj.m0 == 0) {
        // Error-free data: a point ellipse.
        adj.mN = adj.mE = adj.men = adj.teta = adj.a = adj.b = 0;
        return;
    }
    const double det = adj.n11 * adj.n22 - Square(adj.n12);
    const double qNN = adj.n22 / det;
    const double qEE = adj.n11 / det;
    adj.mN = SqrtNonNegative(qNN) * adj.m0;
    adj.mE = SqrtNonNegative(qEE) * adj.m0;
    adj.men = -(Square(adj.m0) * adj.n12 / det);

    const double h = (Square(adj.mE) + Square(adj.mN)) * 0.5;
    const double spread = Square(adj.mN) - Square(adj.mE);
    if (adj.men == 0) {
        // Uncorrelated: the axes lie along north and east.
        adj.teta = 0;
        adj.a = adj.mN;
        adj.b = adj.mE;
        return;
    }
    if (spread == 0) {
        // Equal mean errors, correlated: the axes lie on the diagonals, a on the side of MEN.
        adj.teta = adj.men > 0 ? 50 : -50;
        adj.a = SqrtNonNegative(h + std::fabs(adj.men));
        adj.b = SqrtNonNegative(h - std::fabs(adj.men));
        return;
    }
    adj.teta = 0.5 * ArcTanGon(2 * adj.men / spread);
    const double sin2Teta = SinGon(2 * adj.teta);
    if (sin2Teta == 0) {
        // MEN negligible against the spread (the quotient underflowed): the uncorrelated limit.
        adj.a = adj.mN;
        adj.b = adj.mE;
        return;
    }
    const double q = adj.men / sin2Teta;
    adj.a = SqrtNonNegative(h + q);
    adj.b = SqrtNonNegative(h - q);
}

void ComputeAdjustedObservations(Adjustment& adj) {
    TOPERAZIONE op;
    op.stationNorth = adj.north;
    op.stationEast = adj.east;
    for (AdjustmentRow& row : adj.rows) {
        op.targetNorth = row.north;
        op.targetEast = row.east;
        ComputeBearing(op);
        row.bearing = op.bearing;
        row.distance = op.distance;
        double t = row.bearing - adj.z;
        if (t < 0) {
            t += kFullCircleGon;
        }
        row.adjustedReading = t;
        row.interiorDifference = row.direction != 0 ? ReduceHalfCircle(row.direction - t) : 0;
        // The exterior bearing is read at the point towards P: reversed, it compares with the
        // bearing from P.
        double reversed = row.exteriorBearing + 200;
        if (reversed > kFullCircleGon) {
            reversed -= kFullCircleGon;
        }
        row.exteriorDifference =
            row.exteriorBearing != 0 ? ReduceHalfCircle(reversed - row.bearing) : 0;
        row.sideDifference = row.side != 0 ? row.side - row.distance : 0;
        if (!std::isfinite(row.adjustedReading + row.bearing + row.distance +
                           row.interiorDifference + row.exteriorDifference + row.sideDifference)) {
            throw platform::ArithmeticError(platform::ArithmeticError::Kind::InvalidOperation);
        }
    }
}

Adjustment Adjust(std::span<const KnownPoint> points, double north0, double east0) {
    Adjustment adj = SolveAdjustment(points, north0, east0);
    ComputePrecision(adj);
    ComputeAdjustedObservations(adj);
    return adj;
}

AdjustmentDisplay NewAdjustmentDisplay() {
    AdjustmentDisplay display;
    SetTitleRow(display.Matrice, kMatriceHeader);
    SetTitleRow(display.Risultati, kRisultatiHeader);
    return display;
}

namespace {

// Columns 1 to 5 of a punoti row into the numbers of a KnownPoint or an AdjustmentRow, in column
// order, so that the first bad cell is the one reported.
template <typename Target>
void ConvertCells(std::span<const std::string> cells, Target& target) {
    target.north = platform::StrToFloat(cells[1]);
    target.east = platform::StrToFloat(cells[2]);
    target.direction = platform::StrToFloat(cells[3]);
    target.exteriorBearing = platform::StrToFloat(cells[4]);
    target.side = platform::StrToFloat(cells[5]);
}

void RequirePunotiColumns(const platform::TextGrid& punoti) {
    if (punoti.ColCount() < 6) {
        throw platform::ListIndexError(punoti.ColCount());
    }
}

// The data rows of punoti straight into the working rows, with the counts.
void ReadRows(const platform::TextGrid& punoti, Adjustment& adj) {
    RequirePunotiColumns(punoti);
    const int n = std::max(punoti.RowCount() - 1, 0);
    adj.rows.resize(static_cast<size_t>(n));
    adj.counts = {n, 0, 0, 0};
    for (int r = 1; r <= n; ++r) {
        const std::span<const std::string> cells = punoti.Row(r);
        AdjustmentRow& row = adj.rows[static_cast<size_t>(r - 1)];
        SetPaddedName(row.name, cells[0]);
        ConvertCells(cells, row);
        // The counts of the kinds of observation.
        adj.counts.ni += row.direction != 0 ? 1 : 0;
        adj.counts.ne += row.exteriorBearing != 0 ? 1 : 0;
        adj.counts.nl += row.side != 0 ? 1 : 0;
    }
}

}  // namespace

std::vector<KnownPoint> ReadKnownPointRows(const platform::TextGrid& punoti) {
    RequirePunotiColumns(punoti);
    std::vector<KnownPoint> points(static_cast<size_t>(std::max(punoti.RowCount() - 1, 0)));
    for (size_t i = 0; i < points.size(); ++i) {
        const std::span<const std::string> cells = punoti.Row(static_cast<int>(i) + 1);
        points[i].name = cells[0];
        ConvertCells(cells, points[i]);
    }
    return points;
}

namespace {

struct Formats {
    platform::FloatFormat f4{"0.0000"};
    platform::FloatFormat f5{"0.00000"};
    platform::FloatFormat f6{"0.000000"};
    platform::FloatFormat f8{"0.00000000"};
};

const Formats& TheFormats() {
    static const Formats formats;
    return formats;
}

void SetNumber(std::string& cell, const platform::FloatFormat& format, double value) {
    cell.clear();
    format.AppendTo(cell, value);
}

// A grid as a run leaves it when it stops before writing it: the title row and one row of
// blanks.
void ResetGrid(platform::TextGrid& grid) {
    grid.SetRowCount(2);
    grid.FillRow(1, " ");
}

// Room for the title row and `rows` data rows; a larger grid keeps its rows until the end of the
// writing, so that the cells of the last run are written over instead of given back and taken
// again.
void MakeRoom(platform::TextGrid& grid, int rows) {
    if (grid.RowCount() < rows + 1) {
        grid.Reserve(rows + 1);
        grid.SetRowCount(rows + 1);
    }
}

// The matrix rows, interior, exterior, side, each kind in table order, a row only for a non-zero
// residual. The grid ends as appending each row into a spare last row would leave it: the first
// row takes the place of the blank row 1, the spare row goes at the end, and without any row the
// blank row 1 stays. Column 6 is written in side rows only; row 1 otherwise keeps its blank.
void WriteMatrix(platform::TextGrid& m, const Adjustment& adj) {
    int listed = 0;
    for (const AdjustmentRow& row : adj.rows) {
        listed += (row.vInt != 0 ? 1 : 0) + (row.vExt != 0 ? 1 : 0) + (row.vSide != 0 ? 1 : 0);
    }
    if (listed == 0) {
        ResetGrid(m);
        return;
    }
    MakeRoom(m, listed);
    const Formats& fmt = TheFormats();
    int r = 1;
    auto put = [&](const AdjustmentRow& row, std::string_view kind, double a, double b, double l,
                   double v) {
        const std::span<std::string> cells = m.Row(r);
        cells[0] = row.name;
        cells[1].assign(kind);
        SetNumber(cells[2], fmt.f4, a);
        SetNumber(cells[3], fmt.f4, b);
        SetNumber(cells[4], fmt.f4, l);
        SetNumber(cells[5], fmt.f4, v);
        cells[6].assign(r == 1 ? 1 : 0, ' ');
        return cells;
    };
    for (const AdjustmentRow& row : adj.rows) {
        if (row.vInt != 0) {
            put(row, "Dir. Int. ", row.aInt, row.bInt, row.lInt, row.vInt);
            ++r;
        }
    }
    for (const AdjustmentRow& row : adj.rows) {
        if (row.vExt != 0) {
            put(row, "Dir. Est. ", row.aExt, row.bExt, row.lExt, row.vExt);
            ++r;
        }
    }
    for (const AdjustmentRow& row : adj.rows) {
        if (row.vSide != 0) {
            const std::span<std::string> cells =
                put(row, "lati Mis. ", row.aSide, row.bSide, row.lSide, row.vSide);
            SetNumber(cells[6], fmt.f4, row.linearResidual);
            ++r;
        }
    }
    m.SetRowCount(listed + 1);
}

// One row for every table row, in table order.
void WriteResults(platform::TextGrid& g, Adjustment& adj) {
    const int n = static_cast<int>(adj.rows.size());
    MakeRoom(g, n);
    const Formats& fmt = TheFormats();
    for (int r = 1; r <= n; ++r) {
        AdjustmentRow& row = adj.rows[static_cast<size_t>(r - 1)];
        const std::span<std::string> cells = g.Row(r);
        // The working row is not needed after this: its name moves into the grid.
        cells[0] = std::move(row.name);
        SetNumber(cells[1], fmt.f5, row.adjustedReading);
        SetNumber(cells[2], fmt.f4, row.interiorDifference);
        SetNumber(cells[3], fmt.f5, row.bearing);
        SetNumber(cells[4], fmt.f4, row.exteriorDifference);
        SetNumber(cells[5], fmt.f4, row.distance);
        SetNumber(cells[6], fmt.f4, row.sideDifference);
    }
    g.SetRowCount(n + 1);
}

// The ellipse, then the adjusted point, its mean errors and the orientation.
void WriteResultFields(AdjustmentDisplay& d, const Adjustment& adj) {
    const Formats& fmt = TheFormats();
    SetNumber(d._men, fmt.f8, adj.men);
    SetNumber(d._teta, fmt.f4, adj.teta);
    SetNumber(d._semin, fmt.f4, adj.b);
    SetNumber(d._semag, fmt.f4, adj.a);
    SetNumber(d.x_, fmt.f4, adj.north);
    SetNumber(d.emx_, fmt.f5, adj.mN);
    SetNumber(d.Y_, fmt.f4, adj.east);
    SetNumber(d.EMY_, fmt.f5, adj.mE);
    SetNumber(d.ema_, fmt.f6, adj.m0);
    if (adj.counts.ni > 0) {
        SetNumber(d.z_, fmt.f5, adj.z);
    } else {
        d.z_ = "0.00000";
    }
}

}  // namespace

void RunAdjustment(const platform::TextGrid& punoti, const std::string& xp, const std::string& yp,
                   AdjustmentDisplay& d) {
    if (punoti.RowCount() - 1 < 3 || xp.empty() || yp.empty()) {
        throw platform::UserMessage(std::string(kMissingDataMessage));
    }
    for (const platform::TextGrid* grid : {&d.Matrice, &d.Risultati}) {
        if (grid->ColCount() < 7) {
            throw platform::ListIndexError(grid->ColCount());
        }
    }
    // The reset. The grids take their reset state only where the run stops before writing them:
    // nobody sees them in between, and writing over the old rows is much faster than giving them
    // back and taking them again.
    for (std::string* text : {&d.x_, &d.emx_, &d.Y_, &d.EMY_, &d.z_, &d.ema_}) {
        text->clear();
    }

    Adjustment adj;
    try {
        double north0 = 0;
        double east0 = 0;
        try {
            ReadRows(punoti, adj);
            d.n_ = platform::IntToStr(adj.counts.n);
            d.ni_ = platform::IntToStr(adj.counts.ni);
            d.ne_ = platform::IntToStr(adj.counts.ne);
            d.nl_ = platform::IntToStr(adj.counts.nl);
            north0 = platform::StrToFloat(xp);
            east0 = platform::StrToFloat(yp);
        } catch (const platform::ConversionError&) {
            throw platform::UserMessage(std::string(kConversionMessage));
        }
        SolveRows(adj, north0, east0, [&](size_t i) -> const std::string& {
            return punoti.Cell(0, static_cast<int>(i) + 1);
        });
    } catch (...) {
        ResetGrid(d.Matrice);
        ResetGrid(d.Risultati);
        throw;
    }
    WriteMatrix(d.Matrice, adj);
    try {
        ComputePrecision(adj);
        WriteResultFields(d, adj);
        ComputeAdjustedObservations(adj);
    } catch (...) {
        ResetGrid(d.Risultati);
        throw;
    }
    WriteResults(d.Risultati, adj);
}

}  // namespace ortix
