#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <functional>

#include "viewer/swf/Shape.h"
#include "writer/WriterTest_support.h"
#include "writer/objects/swfObject.h"

namespace quillot {
namespace {

// Makes one object, adds it to a movie and decodes its shape.
swf::DefineShape3 DefineOnce(const std::function<void(swfObject&)>& make) {
    swfObject object;
    make(object);
    swfMovie movie;
    movie.AddObject(&object);
    const auto shapes = test::WrittenRecords<swf::DefineShape3>(movie);
    EXPECT_EQ(shapes.size(), 1u);
    return shapes.empty() ? swf::DefineShape3{} : shapes[0];
}

std::vector<swf::StraightEdge> StraightEdges(const swf::DefineShape3& shape) {
    std::vector<swf::StraightEdge> edges;
    for (const auto& record : shape.records) {
        if (const auto* edge = std::get_if<swf::StraightEdge>(&record)) {
            edges.push_back(*edge);
        }
    }
    return edges;
}

const swf::StyleChange& FirstChange(const swf::DefineShape3& shape) {
    return std::get<swf::StyleChange>(shape.records.at(0));
}

TEST(Shapes, DefaultRectangle) {
    const auto shape = DefineOnce([](swfObject& o) { o.MakeRectangle(0, 0, 100, 50); });
    EXPECT_EQ(shape.bounds, (swf::Rect{0, 100, 0, 50}));
    ASSERT_EQ(shape.styles.fillStyles.size(), 1u);
    EXPECT_EQ(shape.styles.fillStyles[0], swf::FillStyle(swf::SolidFill{{255, 255, 255, 255}}));
    ASSERT_EQ(shape.styles.lineStyles.size(), 1u);
    EXPECT_EQ(shape.styles.lineStyles[0], (swf::LineStyle{20, {0, 0, 0, 255}}));
    EXPECT_EQ(shape.styles.numFillBits, 1);
    EXPECT_EQ(shape.styles.numLineBits, 1);

    const swf::StyleChange& first = FirstChange(shape);
    EXPECT_EQ(first.fillStyle1, 1u);
    EXPECT_EQ(first.lineStyle, 1u);
    EXPECT_FALSE(first.fillStyle0.has_value());
    ASSERT_TRUE(first.moveTo.has_value());
    EXPECT_EQ(first.moveTo->x, 0);
    EXPECT_EQ(first.moveTo->y, 0);

    std::vector<std::pair<int, int>> deltas;
    for (const auto& edge : StraightEdges(shape)) {
        deltas.emplace_back(edge.deltaX, edge.deltaY);
    }
    EXPECT_EQ(deltas, (std::vector<std::pair<int, int>>{{101, 0}, {0, 51}, {-101, 0}, {0, -51}}));
}

TEST(Shapes, NoFillAndNoLineLeaveBothStyleArraysEmpty) {
    const auto shape = DefineOnce([](swfObject& o) {
        o.MakeRectangle(0, 0, 100, 50);
        o.SetNoFill();
        o.SetLineWidth(0);
        o.SetSolidFill(255, 0, 0, 255); // stores the colour only
    });
    EXPECT_TRUE(shape.styles.fillStyles.empty());
    EXPECT_TRUE(shape.styles.lineStyles.empty());
    EXPECT_EQ(shape.styles.numFillBits, 0);
    EXPECT_EQ(shape.styles.numLineBits, 0);
}

TEST(Shapes, GradientsAccumulateEntriesAndScaleToTheBounds) {
    const auto linear = DefineOnce([](swfObject& o) {
        o.MakeRectangle(0, 0, 100, 50);
        o.SetLinearFill(255, 0, 0, 255, 0, 0, 255, 255);
        o.SetLinearFill(0, 255, 0, 255, 0, 0, 0, 255);
    });
    const auto& gradient = std::get<swf::GradientFill>(linear.styles.fillStyles.at(0));
    EXPECT_EQ(gradient.type, swf::FillType::LinearGradient);
    std::vector<int> ratios;
    for (const auto& entry : gradient.gradient) {
        ratios.push_back(entry.ratio);
    }
    EXPECT_EQ(ratios, (std::vector<int>{0, 255, 0, 255}));
    EXPECT_EQ(gradient.matrix, (swf::Matrix{std::pair{101, 51}, std::nullopt, 50, 25}));

    const auto radial = DefineOnce([](swfObject& o) {
        o.MakeRectangle(0, 0, 100, 50);
        o.SetRadialFill(255, 0, 0, 255, 0, 0, 255, 255);
    });
    const auto& circle = std::get<swf::GradientFill>(radial.styles.fillStyles.at(0));
    EXPECT_EQ(circle.type, swf::FillType::RadialGradient);
    EXPECT_EQ(circle.matrix, (swf::Matrix{std::pair{226, 226}, std::nullopt, 50, 25}));
}

// A gradient is handed to the definition that uses it; a later change of the
// line alone must not leave the shape without its fill.
TEST(Shapes, RedefinedGradientShapeKeepsItsGradient) {
    swfObject object;
    object.MakeRectangle(0, 0, 100, 50);
    object.SetLinearFill(255, 0, 0, 255, 0, 0, 255, 255);
    swfMovie movie;
    movie.AddObject(&object);
    object.SetLineColor(0, 255, 0, 255);
    movie.GotoFrame(1);
    movie.AddObject(&object);
    const auto shapes = test::WrittenRecords<swf::DefineShape3>(movie);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[1].styles.fillStyles, shapes[0].styles.fillStyles);
}

TEST(Shapes, CircleStartsLowerRightWithTruncatedDeltas) {
    const auto shape = DefineOnce([](swfObject& o) { o.MakeCircle(0, 0, 100); });
    EXPECT_EQ(shape.bounds, (swf::Rect{-100, 100, -100, 100}));
    const swf::StyleChange& first = FirstChange(shape);
    EXPECT_EQ(first.moveTo->x, 70);
    EXPECT_EQ(first.moveTo->y, 70);
    ASSERT_EQ(shape.records.size(), 9u);
    const auto& curve = std::get<swf::CurvedEdge>(shape.records[1]);
    EXPECT_EQ(curve.controlDeltaX, -29);
    EXPECT_EQ(curve.controlDeltaY, 29);
    EXPECT_EQ(curve.anchorDeltaX, -41);
    EXPECT_EQ(curve.anchorDeltaY, 0);
}

TEST(Shapes, StraightEdgesUseTheShortestForm) {
    struct Case {
        int dx, dy;
        swf::EdgeForm form;
        int bits;
    };
    const Case cases[] = {
        {0, 5, swf::EdgeForm::Vertical, 4},
        {5, 0, swf::EdgeForm::Horizontal, 4},
        {5, 5, swf::EdgeForm::General, 4},
        {-8, 3, swf::EdgeForm::General, 5},
        {0, 0, swf::EdgeForm::Vertical, 2}, // zero length still fits the field
    };
    for (const Case& c : cases) {
        const auto shape = DefineOnce([&](swfObject& o) {
            o.MakePolygon(0, 0);
            o.AddStraightLine(c.dx, c.dy);
        });
        const auto edges = StraightEdges(shape);
        ASSERT_EQ(edges.size(), 1u);
        EXPECT_EQ(edges[0], (swf::StraightEdge{c.dx, c.dy, static_cast<std::uint8_t>(c.bits), c.form}))
            << c.dx << "," << c.dy;
    }
}

// Deltas wider than an edge record can announce are split into edges that
// end at the same point, never truncated.
TEST(Shapes, OversizedEdgesAreSplitAndEndInPlace) {
    const auto shape = DefineOnce([](swfObject& o) {
        o.MakePolygon(0, 0);
        o.AddStraightLine(300000, -70000);
        o.AddCurvedLine(90000, 10, -200000, 65536);
    });
    std::int64_t x = 0, y = 0;
    int edges = 0;
    for (const auto& record : shape.records) {
        if (const auto* straight = std::get_if<swf::StraightEdge>(&record)) {
            x += straight->deltaX;
            y += straight->deltaY;
            ++edges;
        } else if (const auto* curve = std::get_if<swf::CurvedEdge>(&record)) {
            x += curve->controlDeltaX + curve->anchorDeltaX;
            y += curve->controlDeltaY + curve->anchorDeltaY;
            ++edges;
        }
    }
    EXPECT_GT(edges, 2);
    EXPECT_EQ(x, 300000 + 90000 - 200000);
    EXPECT_EQ(y, -70000 + 10 + 65536);
}

// The pieces of a split curve follow the curve: every point where one piece
// hands over to the next lies on the original.
TEST(Shapes, SplitCurvesStayOnTheCurve) {
    const std::int64_t cx = 200000, cy = 0, ax = 0, ay = 200000;
    const auto shape = DefineOnce([&](swfObject& o) {
        o.MakePolygon(0, 0);
        o.AddCurvedLine(cx, cy, ax, ay);
    });
    const auto distanceToCurve = [&](double x, double y) {
        double nearest = 1e18;
        for (int step = 0; step <= 20000; ++step) {
            const double t = step / 20000.0;
            const double curveX = 2 * t * (1 - t) * cx + t * t * (cx + ax);
            const double curveY = 2 * t * (1 - t) * cy + t * t * (cy + ay);
            nearest = std::min(nearest, std::hypot(curveX - x, curveY - y));
        }
        return nearest;
    };
    std::int64_t x = 0, y = 0;
    int pieces = 0;
    for (const auto& record : shape.records) {
        if (const auto* curve = std::get_if<swf::CurvedEdge>(&record)) {
            x += curve->controlDeltaX + curve->anchorDeltaX;
            y += curve->controlDeltaY + curve->anchorDeltaY;
            EXPECT_LT(distanceToCurve(static_cast<double>(x), static_cast<double>(y)), 20.0)
                << "piece " << pieces << " ends at " << x << "," << y;
            ++pieces;
        }
    }
    EXPECT_GT(pieces, 1);
}

// Coordinates are not validated; the widest ones still give a readable movie.
TEST(Shapes, ExtremeCoordinatesGiveReadableShapes) {
    const std::function<void(swfObject&)> makers[] = {
        [](swfObject& o) { o.MakeRectangle(INT32_MIN, 0, INT32_MAX, 10); },
        [](swfObject& o) { o.MakeCircle(INT32_MAX - 5, 0, 100); },
        [](swfObject& o) {
            o.MakeOval(-2000000000, 0, 2000000000, 10);
            o.SetLinearFill(255, 0, 0, 255, 0, 0, 255, 255);
        },
        [](swfObject& o) {
            o.MakeRectangle(0, 0, 10, 10);
            for (int i = 0; i < 200; ++i) { // 400 entries, more than the count can say
                o.SetRadialFill(255, 0, 0, 255, 0, 0, 255, 255);
            }
        },
    };
    for (const auto& make : makers) {
        const auto shape = DefineOnce(make);
        EXPECT_FALSE(shape.records.empty());
    }
}

TEST(Shapes, PolygonPathsAndBounds) {
    const auto shape = DefineOnce([](swfObject& o) {
        o.MakePolygon(10, 10);
        o.AddStraightLine(100, 0);
        o.AddCurvedLine(0, 500, 50, 50); // the control point does not widen the bounds
        o.AddNewPath(300, 400);
        o.AddStraightLine(-400, 0);
        o.AddStraightLine(0, 5); // ignored on other kinds, so only polygons get here
    });
    EXPECT_EQ(shape.bounds, (swf::Rect{-100, 300, 10, 560}));
    ASSERT_EQ(shape.records.size(), 6u);
    const auto& move = std::get<swf::StyleChange>(shape.records[3]);
    ASSERT_TRUE(move.moveTo.has_value());
    EXPECT_EQ(move.moveTo->x, 300);
    EXPECT_EQ(move.moveTo->y, 400);
    EXPECT_FALSE(move.fillStyle1.has_value());
    EXPECT_FALSE(move.lineStyle.has_value());
}

TEST(Shapes, PathOperationsIgnoreOtherKinds) {
    const auto shape = DefineOnce([](swfObject& o) {
        o.MakeRectangle(0, 0, 10, 10);
        o.AddStraightLine(500, 500);
        o.AddNewPath(1, 1);
    });
    EXPECT_EQ(shape.records.size(), 5u);
}

} // namespace
} // namespace quillot
