#pragma once

// The drawing of a solved triangle with its inscribed and circumscribed circles, as plain data:
// a view rectangle in the triangle's own coordinates and the strokes in painting order. The
// picture box paints it again on every repaint.
//
// The vertex of angle 1 lies at the origin, side 2 along the positive x axis, the vertex of
// angle 2 above it; y grows upwards. Lengths are in the unit of the sides.

#include "sarvo/triangle_solver.h"

#include <optional>
#include <vector>

namespace sarvo {

struct PlanePoint {
    double x = 0;
    double y = 0;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr Rgb kCircumcircleColour{0, 255, 0};
inline constexpr Rgb kIncircleColour{255, 0, 0};

enum class PenStyle { Solid, Dotted };

struct Stroke {
    enum class Shape { Line, Circle };

    Shape shape = Shape::Line;
    PlanePoint from;    // a line's start, a circle's centre
    PlanePoint to;      // a line's end
    double radius = 0;  // a circle's radius
    int penWidth = 1;   // pixels, whatever the scale
    PenStyle style = PenStyle::Solid;
    std::optional<Rgb> colour;  // empty: the picture box's foreground colour
};

// The user coordinate system of the picture box: the values at its left, top, right and bottom
// edges (top > bottom, so y grows upwards), stretched to the whole box.
struct ViewRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

struct TriangleDrawing {
    ViewRect view;
    std::vector<Stroke> strokes;
    double R = 0;  // circumradius
};

// The drawing of the triangle the solver holds (TA, TB, TC, Alfa, Beta and the program values
// SemiPerimetro, AreaTriangolo, RaggioInscritto), once CalcolaTriangolo has reached its results:
// - P1 = (0, 0), P2 (vertex of angle 3) = (TB, 0), P3 (vertex of angle 2) =
//   (TC cos Alfa, TC sin Alfa); incentre I = (SemiPerimetro - TA, RaggioInscritto);
// - R = TA TB TC / (4 AreaTriangolo); circumcentre C = (TB / 2, h), h = sqrt(R^2 - (TB / 2)^2),
//   negative when Beta exceeds 100 gon (the centre then lies below side 2);
// - the view is the square of side 2.2 R around C.
// Strokes: an L-shaped mark of width 3 on P1 (0.5 R along each axis); the circumcircle and its
// centre mark (0.01 R) in green, the incircle and its centre mark in red; the triangle
// P1-P3-P2-P1; dotted: the height from P3 to side 2, the radius from C down to the circle, the
// radius from I to its contact with side 2.
// Sides 3, 4, 5: P3 = (4, 3), C = (2, 1.5), R = 2.5, I = (3, 1), view x -0.75 to 4.75,
// y -1.25 to 4.25.
TriangleDrawing DrawTriangle(const TriangleSolver& solver);

}  // namespace sarvo
