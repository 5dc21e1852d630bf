#pragma once

// Angle units, trigonometry in gon and the bearing between two points.
//
// Angles are gon (400 to the full circle) unless a name says Rad. A bearing runs clockwise from
// north, in [0, 400). Plane coordinates are north (X/N) and east (Y/E).

#include <string>

namespace ortix {

// Gon per radian, 200 / pi.
inline constexpr double kGonPerRad = 63.66197723675813;
// Radians per gon, pi / 200.
inline constexpr double kRadPerGon = 0.015707963267948967;
// CotGon's stand-in for an infinite cotangent.
inline constexpr double kCotGonLimit = 99999.999999;

// Radians to gon: RadToGon(pi) = 200.
double RadToGon(double angleRad);
// Gon to radians: GonToRad(100) = pi / 2.
double GonToRad(double angleGon);
// Sine and cosine of an angle in gon: SinGon(100) = 1, CosGon(200) = -1.
double SinGon(double angleGon);
double CosGon(double angleGon);
// cos / sin of a gon angle when |sin| > 0.001, else kCotGonLimit whatever the sign:
// CotGon(50) = 1, CotGon(0) = CotGon(0.06) = 99999.999999.
double CotGon(double angleGon);
// Arctangent in gon, strictly between -100 and 100: ArcTanGon(1) = 50.
double ArcTanGon(double x);
// Arcsine in gon of a sine |x| < 1, between -100 and 100: ArcSinGon(0.5) = 33.33...
// Throws platform::ArithmeticError for |x| >= 1 (division by zero at 1, invalid beyond), so a
// triangle that does not close is reported instead of giving a non-finite angle.
double ArcSinGon(double x);
// x * x.
double Square(double x);

// One bearing computation from a station to a target. The caller fills the names and the four
// coordinates; ComputeBearing writes delta east, delta north, distance, bearing and the quadrant
// label, and leaves the other fields alone, so one record can be reused for many calls.
struct TOPERAZIONE {
    std::string targetName;    // sighted point, may stay empty
    std::string targetSpare;   // second text of the sighted point, left empty
    std::string stationName;   // point the bearing is taken from, may stay empty
    std::string stationSpare;  // second text of the station, left empty
    double targetNorth = 0;
    double targetEast = 0;
    double stationNorth = 0;
    double stationEast = 0;
    double deltaEast = 0;   // target east - station east
    double deltaNorth = 0;  // target north - station north
    double distance = 0;    // horizontal distance, length units
    double bearing = 0;     // gon, [0, 400)
    std::string quadrant;   // "(" sign of delta east "/" sign of delta north ")", e.g. "(+/-)"
};

// Bearing and distance from the station to the target of the record.
// Station (0, 0), target north 100, east 100: distance 141.42..., bearing 50, "(+/+)".
// Coincident points give "(0/0)", distance 0 and bearing 0; no division by zero ever happens.
void ComputeBearing(TOPERAZIONE& r);

}  // namespace ortix
