#include "ortix/survey/trig.h"

#include "platform/errors.h"

#include <cmath>

namespace ortix {
namespace {

// Quadrant offsets of the bearing, radians.
constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kThreeHalfPi = 4.71238898038469;
constexpr double kTwoPi = 6.283185307179586;

}  // namespace

double RadToGon(double angleRad) {
    return angleRad * kGonPerRad;
}

double GonToRad(double angleGon) {
    return angleGon * kRadPerGon;
}

double SinGon(double angleGon) {
    return std::sin(GonToRad(angleGon));
}

double CosGon(double angleGon) {
    return std::cos(GonToRad(angleGon));
}

double CotGon(double angleGon) {
    const double r = GonToRad(angleGon);
    const double s = std::sin(r);
    if (std::fabs(s) > 0.001) {
        return std::cos(r) / s;
    }
    return kCotGonLimit;
}

double ArcTanGon(double x) {
    return RadToGon(std::atan(x));
}

double ArcSinGon(double x) {
    const double rest = 1 - x * x;
    if (rest == 0) {
        throw platform::ArithmeticError(platform::ArithmeticError::Kind::DivisionByZero);
    }
    if (!(rest > 0)) {
        throw platform::ArithmeticError(platform::ArithmeticError::Kind::InvalidOperation);
    }
    return RadToGon(std::atan(x / std::sqrt(rest)));
}

double Square(double x) {
    return x * x;
}

void ComputeBearing(TOPERAZIONE& r) {
    r.deltaEast = r.targetEast - r.stationEast;
    r.deltaNorth = r.targetNorth - r.stationNorth;
    const double de = r.deltaEast;
    const double dn = r.deltaNorth;

    double angle = 0;
    // The axis cases in their order, each overwriting the one before.
    if (dn == 0 && de == 0) {
        angle = 0;
        r.quadrant = "(0/0)";
    }
    if (dn == 0 && de > 0) {
        angle = kHalfPi;
        r.quadrant = "(+/0)";
    }
    if (dn == 0 && de < 0) {
        angle = kThreeHalfPi;
        r.quadrant = "(-/0)";
    }
    if (de == 0 && dn < 0) {
        angle = kPi;
        r.quadrant = "(0/-)";
    }
    if (de == 0 && dn > 0) {
        angle = 0;
        r.quadrant = "(0/+)";
    }
    if (de != 0 && dn != 0) {
        const double t = std::atan(de / dn);
        if (de > 0 && dn < 0) {
            angle = t + kPi;
            r.quadrant = "(+/-)";
        } else if (de < 0 && dn < 0) {
            angle = t + kPi;
            r.quadrant = "(-/-)";
        } else if (de < 0 && dn > 0) {
            angle = t + kTwoPi;
            r.quadrant = "(-/+)";
        } else {
            angle = t;
            r.quadrant = "(+/+)";
        }
    }
    if (r.quadrant != "(0/0)") {
        r.distance = std::sqrt(dn * dn + de * de);
        r.bearing = RadToGon(angle);
    } else {
        r.distance = 0;
        r.bearing = 0;
    }
}

}  // namespace ortix
