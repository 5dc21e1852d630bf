#include "sarvo/triangle_drawing.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace sarvo {
namespace {

constexpr double kCoordTol = 1e-12;

class Boxes : public TriangleView {
  public:
    std::array<std::string, kBoxCount> box;
    std::string BoxText(int index) const override { return box.at(static_cast<size_t>(index)); }
    void SetBoxText(int index, const std::string& text) override {
        box.at(static_cast<size_t>(index)) = text;
    }
    void SetResultsText(const std::string&) override {}
    void DisegnaTriangolo() override {}
};

TriangleDrawing DrawingOfSides(const char* a, const char* b, const char* c) {
    Boxes boxes;
    boxes.box = {a, b, c, "", "", ""};
    TriangleSolver solver(boxes);
    solver.CalcolaTriangolo();
    return DrawTriangle(solver);
}

double Distance(PlanePoint p, PlanePoint q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

void ExpectPoint(PlanePoint p, double x, double y) {
    EXPECT_NEAR(p.x, x, kCoordTol);
    EXPECT_NEAR(p.y, y, kCoordTol);
}

bool SameColour(const std::optional<Rgb>& c, const std::optional<Rgb>& d) {
    return c.has_value() == d.has_value() &&
           (!c || (c->red == d->red && c->green == d->green && c->blue == d->blue));
}

// Strokes in painting order: mark on vertex 1 (2), circumcircle and its centre (2), incircle and
// its centre (2), the triangle (3), the dotted height and radii (3).
TEST(TriangleDrawing, SidesThreeFourFive) {
    const TriangleDrawing d = DrawingOfSides("3", "4", "5");
    EXPECT_NEAR(d.R, 2.5, kCoordTol);
    EXPECT_NEAR(d.view.left, -0.75, kCoordTol);
    EXPECT_NEAR(d.view.right, 4.75, kCoordTol);
    EXPECT_NEAR(d.view.top, 4.25, kCoordTol);
    EXPECT_NEAR(d.view.bottom, -1.25, kCoordTol);
    ASSERT_EQ(d.strokes.size(), 12u);

    using Shape = Stroke::Shape;
    const std::optional<Rgb> fg;
    struct Expected {
        const char* name;
        Shape shape;
        PlanePoint from;
        PlanePoint to;
        double radius;
        int width;
        PenStyle style;
        std::optional<Rgb> colour;
    };
    const Expected expected[] = {
        {"mark along y", Shape::Line, {0, 0}, {0, 1.25}, 0, 3, PenStyle::Solid, fg},
        {"mark along x", Shape::Line, {0, 0}, {1.25, 0}, 0, 3, PenStyle::Solid, fg},
        {"circumcircle", Shape::Circle, {2, 1.5}, {}, 2.5, 1, PenStyle::Solid, kCircumcircleColour},
        {"circumcentre",
         Shape::Circle,
         {2, 1.5},
         {},
         0.025,
         1,
         PenStyle::Solid,
         kCircumcircleColour},
        {"incircle", Shape::Circle, {3, 1}, {}, 1, 1, PenStyle::Solid, kIncircleColour},
        {"incentre", Shape::Circle, {3, 1}, {}, 0.01, 1, PenStyle::Solid, kIncircleColour},
        {"side 3", Shape::Line, {0, 0}, {4, 3}, 0, 1, PenStyle::Solid, fg},
        {"side 1", Shape::Line, {4, 3}, {4, 0}, 0, 1, PenStyle::Solid, fg},
        {"side 2", Shape::Line, {4, 0}, {0, 0}, 0, 1, PenStyle::Solid, fg},
        {"height on side 2", Shape::Line, {4, 3}, {4, 0}, 0, 1, PenStyle::Dotted, fg},
        {"circumradius down",
         Shape::Line,
         {2, 1.5},
         {2, -1},
         0,
         1,
         PenStyle::Dotted,
         kCircumcircleColour},
        {"inradius to side 2",
         Shape::Line,
         {3, 1},
         {3, 0},
         0,
         1,
         PenStyle::Dotted,
         kIncircleColour},
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        const Expected& e = expected[i];
        const Stroke& s = d.strokes[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(s.shape, e.shape);
        ExpectPoint(s.from, e.from.x, e.from.y);
        if (e.shape == Shape::Line) {
            ExpectPoint(s.to, e.to.x, e.to.y);
        } else {
            EXPECT_NEAR(s.radius, e.radius, kCoordTol);
        }
        EXPECT_EQ(s.penWidth, e.width);
        EXPECT_EQ(s.style, e.style);
        EXPECT_TRUE(SameColour(s.colour, e.colour));
    }
}

// The circumcentre on side 2 when angle 2 is right, below it when obtuse; the circle passes
// through the three vertices either way.
TEST(TriangleDrawing, CircumcentreFollowsAngleTwo) {
    struct Row {
        const char* name;
        const char* a;
        const char* b;
        const char* c;
        double h;  // height of the centre above side 2
    };
    // Heron's formula and R = abc / 4A by hand; half base 3.
    const double obtuseR = 3 * 6 * 4 / (4 * std::sqrt(6.5 * 3.5 * 0.5 * 2.5));
    const double obtuseH = -std::sqrt(obtuseR * obtuseR - 9);
    const Row rows[] = {
        {"sides 3, 5, 4: angle 2 right", "3", "5", "4", 0},
        {"sides 3, 6, 4: angle 2 obtuse", "3", "6", "4", obtuseH},
        {"sides 3, 4, 5: angle 2 acute", "3", "4", "5", 1.5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TriangleDrawing d = DrawingOfSides(row.a, row.b, row.c);
        const Stroke& circle = d.strokes[2];
        EXPECT_NEAR(circle.from.y, row.h, 1e-9);
        const Stroke& side3 = d.strokes[6];
        const Stroke& side1 = d.strokes[7];
        for (PlanePoint vertex : {side3.from, side1.from, side1.to}) {
            EXPECT_NEAR(Distance(circle.from, vertex), d.R, 1e-9);
        }
        // The incircle touches the three sides: its radius is the distance of its centre from
        // side 2 (the x axis) and from the other two.
        const Stroke& incircle = d.strokes[4];
        EXPECT_NEAR(incircle.from.y, incircle.radius, 1e-12);
        for (const Stroke* side : {&side3, &side1}) {
            const PlanePoint p = side->from;
            const PlanePoint q = side->to;
            const double cross =
                (q.x - p.x) * (incircle.from.y - p.y) - (q.y - p.y) * (incircle.from.x - p.x);
            EXPECT_NEAR(std::abs(cross) / Distance(p, q), incircle.radius, 1e-9);
        }
    }
}

}  // namespace
}  // namespace sarvo
