#pragma once

// Least-squares adjustment of the plane position of one isolated new point P from interior
// directions (read at P, unoriented), exterior bearings (read at the known points towards P) and
// measured sides, linearised once around the provisional position P0 = (north0, east0).
//
// Every observation equation reads v = a·dN + b·dE + l, with dN, dE in length units, a and b in
// gon per length unit and l, v in gon (the side equations are multiplied by rho/d), all of the
// same weight. The orientation unknown of the interior directions is eliminated by reducing
// their coefficients by the means, which leaves 2 x 2 normal equations.
//
// Angles are gon; coordinates north (X/N) and east (Y/E) in the length unit of the data.

#include "platform/textgrid.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ortix {

// The name column of the result grids is at least this wide.
inline constexpr int kPointNameWidth = 25;

// The messages of a run (Windows-1252 texts).
inline constexpr std::string_view kMissingDataMessage = "Inserisci i dati per il calcolo!!";
inline constexpr std::string_view kConversionMessage = "Errore di conversione Stringa!!";
inline constexpr std::string_view kSingularMessage =
    "Geometria insufficiente: il sistema delle equazioni normali \xE8 singolare!!";
inline constexpr std::string_view kNoRedundancyMessage =
    "Nessuna osservazione sovrabbondante: impossibile stimare gli errori medi!!";
// P0 on the known point of data row `row` (1-based, as in punoti):
// "Il punto approssimato coincide con il punto noto P1 (riga 3): distanza nulla!!".
std::string ZeroDistanceMessage(const std::string& name, int row);

// One data row of punoti as numbers. An observation of exactly 0 is missing.
struct KnownPoint {
    std::string name;
    double north = 0;
    double east = 0;
    double direction = 0;        // interior direction r read at P towards the point, gon
    double exteriorBearing = 0;  // exterior bearing alpha read at the point towards P, gon
    double side = 0;             // measured side s, length
};

// The working values of one row during one adjustment; a kind of observation that the row lacks
// keeps 0 in its coefficients, constant and residual.
struct AdjustmentRow {
    std::string name;  // the point's name padded with blanks to at least kPointNameWidth
    double north = 0;
    double east = 0;
    double direction = 0;
    double exteriorBearing = 0;
    double side = 0;
    // Interior: P0 -> point; exterior and side: point -> P0; after the solution: adjusted P ->
    // point. gon, [0, 400).
    double bearing = 0;
    double distance = 0;                     // to P0; after the solution, to the adjusted P
    double orientation = 0;                  // o = bearing - r, gon, (0, 400] (interior rows)
    double orientedReading = 0;              // phi = z0 + r, gon, (0, 400] (interior rows)
    double aInt = 0, bInt = 0, lInt = 0;     // interior equation (a, b reduced by their means)
    double aExt = 0, bExt = 0, lExt = 0;     // exterior-bearing equation
    double aSide = 0, bSide = 0, lSide = 0;  // side equation
    double vInt = 0, vExt = 0, vSide = 0;    // residuals, gon
    double linearResidual = 0;               // side residual as a length, vSide·s/rho
    double adjustedReading = 0;              // t = adjusted bearing - z, gon, [0, 400)
    double interiorDifference = 0;           // r - t, gon, (-200, 200]; 0 without r
    double exteriorDifference = 0;           // reversed alpha - adjusted bearing; 0 without alpha
    double sideDifference = 0;               // s - adjusted distance; 0 without s
};

// How many rows, and how many of them carry each kind of observation.
struct ObservationCounts {
    int n = 0;   // rows
    int ni = 0;  // interior directions
    int ne = 0;  // exterior bearings
    int nl = 0;  // sides
};

// Everything one run computes.
struct Adjustment {
    ObservationCounts counts;
    double north0 = 0, east0 = 0;  // provisional P0
    std::vector<AdjustmentRow> rows;
    double z0 = 0;                     // mean orientation, gon, (0, 400]; 0 without directions
    double sumAInt = 0, sumBInt = 0;   // sums of the unreduced interior coefficients
    double n11 = 0, n12 = 0, n22 = 0;  // normal matrix
    double n1 = 0, n2 = 0;             // normal right-hand side
    double det = 0;
    double dN = 0, dE = 0;       // corrections, length
    double north = 0, east = 0;  // adjusted P
    double z = 0;                // adjusted orientation, gon, [0, 400); 0 without directions
    double sumV2 = 0;            // sum of the squared residuals, gon^2
    int f = 0;                   // degrees of freedom
    double m0 = 0;               // mean error of unit weight, gon
    double mN = 0, mE = 0;       // mean errors of north and east, length
    double men = 0;              // covariance of north and east, length^2
    double teta = 0;             // bearing of the semi-axis a, gon, [-50, 50]
    double a = 0, b = 0;         // semi-axes of the error ellipse, length
};

// x reduced by whole circles into (-200, 200] gon: ReduceHalfCircle(399.9) = -0.1,
// ReduceHalfCircle(200) = 200, ReduceHalfCircle(-200) = 200. A value already inside comes back
// unchanged, bit for bit.
double ReduceHalfCircle(double x);

// How many points and observations of each kind: {A: r = 10; B: alpha = 200, s = 50} gives
// n = 2, ni = 1, ne = 1, nl = 1.
ObservationCounts CountObservations(std::span<const KnownPoint> points);

// The equations, their solution and the residuals, in the order of the computation: bearings and
// distances from P0, interior equations and the mean orientation z0, exterior and side
// equations, reduction of the interior coefficients by their means, normal equations, dN and dE,
// the adjusted point and orientation, the residuals and their sum of squares.
//
// Differences of directions are taken modulo the full circle (ReduceHalfCircle), so readings on
// both sides of 0/400 gon adjust as well as any others; z0 is the mean of the orientation values
// taken around the first one when they straddle 0/400, and their plain mean otherwise.
// Throws platform::UserMessage when P0 lies on a known point that carries an observation (zero
// distance), or when the normal matrix is singular (|det| <= 1e-12·N11·N22).
// Example: a point 100 due north of P0 with only a side s gets aSide = -rho/100, bSide = 0 and
// lSide = rho·(100 - s)/100.
Adjustment SolveAdjustment(std::span<const KnownPoint> points, double north0, double east0);

// Degrees of freedom, m0, mN, mE, MEN and the error ellipse. Where the ellipse formulas would
// divide zero by zero their limits are taken: m0 = 0 gives all zeros; MEN = 0 gives teta = 0,
// a = mN, b = mE; mN = mE with MEN != 0 gives teta = 50·sign(MEN), a, b = sqrt(h +- |MEN|).
// Throws platform::UserMessage when f <= 0 (no redundant observation).
// Example: four directions and nothing else give f = 4 - 3 = 1.
void ComputePrecision(Adjustment& adjustment);

// Bearing, distance and adjusted reading from the adjusted point to every known point, and the
// differences between the measured and the adjusted observations, angles in (-200, 200] gon.
// Example: an exterior bearing of 200 read at a point due north of P reverses to 400, which
// differs from the adjusted bearing 0 by 0.
void ComputeAdjustedObservations(Adjustment& adjustment);

// SolveAdjustment, ComputePrecision, ComputeAdjustedObservations: the whole adjustment in
// numbers. Exact observations give the true point with m0 = 0.
Adjustment Adjust(std::span<const KnownPoint> points, double north0, double east0);

// Everything the main page shows for an adjustment: the two grids (row 0 is the title row, which
// the window sets and the run never touches) and the fourteen count and result texts.
struct AdjustmentDisplay {
    platform::TextGrid Matrice{7, 2};
    platform::TextGrid Risultati{7, 2};
    std::string n_, ni_, ne_, nl_;
    std::string x_, emx_, Y_, EMY_, ema_, z_, _men, _teta, _semag, _semin;
};

// The display as the window starts: title rows set, one empty data row, every text empty.
AdjustmentDisplay NewAdjustmentDisplay();

// The data rows 1..RowCount()-1 of punoti as numbers, in table order. The name is taken as it is;
// columns 1 to 5 are converted one after the other. Throws platform::ConversionError for the
// first cell that is not a number (an empty cell included).
// Example: "P1", "100", "200.5", "0.00", "0", "-0" gives {P1, 100, 200.5, 0, 0, 0}.
std::vector<KnownPoint> ReadKnownPointRows(const platform::TextGrid& punoti);

// "Calcola": reads the data rows 1..RowCount()-1 of punoti and the texts xp and yp, writes the
// display in the order the page is written, and throws platform::UserMessage ("Inserisci i dati
// per il calcolo!!" for fewer than three rows or an empty xp or yp, "Errore di conversione
// Stringa!!" for a text that is not a number, the messages of SolveAdjustment and
// ComputePrecision) or a platform error. After a throw, the display holds exactly the state that
// the run reached:
// - guard failed: untouched;
// - bad table cell: grids reset to one row of blanks, x_, emx_, Y_, EMY_, ema_, z_ empty;
// - bad xp or yp, zero distance, singular normal matrix: the reset and the four counts;
// - no degree of freedom: the reset, the counts and the matrix rows.
// The ellipse texts _men, _teta, _semag, _semin change only when a run reaches them.
// Example: a table of two data rows throws "Inserisci i dati per il calcolo!!".
void RunAdjustment(const platform::TextGrid& punoti, const std::string& xp, const std::string& yp,
                   AdjustmentDisplay& display);

}  // namespace ortix
