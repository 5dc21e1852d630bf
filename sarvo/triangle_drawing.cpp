#include "sarvo/triangle_drawing.h"

#include <algorithm>
#include <cmath>

namespace sarvo {
namespace {

Stroke Line(PlanePoint from, PlanePoint to, int penWidth, PenStyle style,
            std::optional<Rgb> colour) {
    Stroke s;
    s.shape = Stroke::Shape::Line;
    s.from = from;
    s.to = to;
    s.penWidth = penWidth;
    s.style = style;
    s.colour = colour;
    return s;
}

Stroke Circle(PlanePoint centre, double radius, Rgb colour) {
    Stroke s;
    s.shape = Stroke::Shape::Circle;
    s.from = centre;
    s.radius = radius;
    s.colour = colour;
    return s;
}

}  // namespace

TriangleDrawing DrawTriangle(const TriangleSolver& solver) {
    const ProgramValues& program = solver.Program;
    const double rpg = program.RadPerGon;
    const PlanePoint p1{0, 0};
    const PlanePoint p2{solver.TB, 0};
    const PlanePoint p3{solver.TC * std::cos(solver.Alfa * rpg),
                        solver.TC * std::sin(solver.Alfa * rpg)};
    const PlanePoint incentre{program.SemiPerimetro - solver.TA, program.RaggioInscritto};
    const double m = solver.TB / 2;

    TriangleDrawing d;
    d.R = solver.TA * solver.TB * solver.TC / (program.AreaTriangolo * 4);
    const double r = d.R;
    // With angle 2 a right angle side 2 is a diameter: R^2 - m^2 is 0 but may round below it.
    double h = std::sqrt(std::max(0.0, r * r - m * m));
    if (solver.Beta > 100) {
        h = -h;
    }
    const PlanePoint centre{m, h};
    d.view = {m - 1.1 * r, h + 1.1 * r, m + 1.1 * r, h - 1.1 * r};

    auto& s = d.strokes;
    s.push_back(Line(p1, {0, 0.5 * r}, 3, PenStyle::Solid, std::nullopt));
    s.push_back(Line(p1, {0.5 * r, 0}, 3, PenStyle::Solid, std::nullopt));
    s.push_back(Circle(centre, r, kCircumcircleColour));
    s.push_back(Circle(centre, 0.01 * r, kCircumcircleColour));
    s.push_back(Circle(incentre, program.RaggioInscritto, kIncircleColour));
    s.push_back(Circle(incentre, 0.01 * program.RaggioInscritto, kIncircleColour));
    s.push_back(Line(p1, p3, 1, PenStyle::Solid, std::nullopt));
    s.push_back(Line(p3, p2, 1, PenStyle::Solid, std::nullopt));
    s.push_back(Line(p2, p1, 1, PenStyle::Solid, std::nullopt));
    s.push_back(Line(p3, {p3.x, 0}, 1, PenStyle::Dotted, std::nullopt));
    s.push_back(Line(centre, {m, h - r}, 1, PenStyle::Dotted, kCircumcircleColour));
    s.push_back(Line(incentre, {incentre.x, 0}, 1, PenStyle::Dotted, kIncircleColour));
    return d;
}

}  // namespace sarvo
