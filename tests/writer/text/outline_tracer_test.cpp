// How contours become glyph shape records: flipping, the reference offset,
// the pen, the rules for steps that would have no length, and closing.
#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "writer/text/OutlineTracer.h"

namespace quillot {
namespace {

// An edge as comparable values: a straight edge has only its two deltas.
struct Edge {
    bool curved;
    std::int32_t x, y, anchorX, anchorY;
    Edge(StraightEdgeRecord edge) : curved(false), x(edge.deltaX), y(edge.deltaY), anchorX(0), anchorY(0) {}
    Edge(CurvedEdgeRecord edge)
        : curved(true), x(edge.controlDeltaX), y(edge.controlDeltaY), anchorX(edge.anchorDeltaX),
          anchorY(edge.anchorDeltaY) {}
    bool operator==(const Edge&) const = default;
};

void PrintTo(const Edge& edge, std::ostream* out) {
    *out << (edge.curved ? "curve(" : "line(") << edge.x << ", " << edge.y;
    if (edge.curved) {
        *out << ", " << edge.anchorX << ", " << edge.anchorY;
    }
    *out << ")";
}

struct TraceCase {
    const char* name;
    OutlineContour contour;
    std::vector<Edge> edges;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const TraceCase& testCase, std::ostream* out) { *out << testCase.name; }

// Pen at x = 100, reference offset -700: a point (x, y) lands at
// (100 + x, 700 - y).
const TraceCase kCases[] = {
    {"LinesAndClosingEdge",
     {{0, 0}, {{OutlineStep::Line, {{10, 0}, {10, 20}}}}},
     {StraightEdgeRecord{10, 0}, StraightEdgeRecord{0, -20}, StraightEdgeRecord{-10, 20}}},
    {"NoClosingEdgeWhenBackAtTheStart",
     {{0, 0}, {{OutlineStep::Line, {{10, 0}, {0, 0}}}}},
     {StraightEdgeRecord{10, 0}, StraightEdgeRecord{-10, 0}}},
    {"LineToTheCurrentPointStepsRightAndTheNextStepMakesUpForIt",
     {{0, 0}, {{OutlineStep::Line, {{0, 0}, {10, 0}}}}},
     {StraightEdgeRecord{1, 0}, StraightEdgeRecord{9, 0}, StraightEdgeRecord{-10, 0}}},
    {"SplineAnchorsBetweenControlsByIntegerDivision",
     {{0, 0}, {{OutlineStep::QuadraticSpline, {{-3, 4}, {0, 8}, {5, 8}}}}},
     // Anchors (-1, 6) (the middle, truncated toward zero), then (5, 8).
     {CurvedEdgeRecord{-3, -4, 2, -2}, CurvedEdgeRecord{1, -2, 5, 0},
      StraightEdgeRecord{-5, 8}}},
    {"ControlOnTheCurrentPointStepsLeft",
     {{0, 0}, {{OutlineStep::QuadraticSpline, {{0, 0}, {6, 6}}}}},
     {CurvedEdgeRecord{-1, 0, 7, -6}, StraightEdgeRecord{-6, 6}}},
    {"AnchorOnItsControlStepsLeft",
     {{0, 0}, {{OutlineStep::QuadraticSpline, {{4, 0}, {4, 0}}}}},
     {CurvedEdgeRecord{4, 0, -1, 0}, StraightEdgeRecord{-3, 0}}},
};

class OutlineTracerTest : public ::testing::TestWithParam<TraceCase> {};

TEST_P(OutlineTracerTest, TracesTheContour) {
    const TraceCase& test = GetParam();
    std::vector<ShapeRecord> records;
    OutlineTracer tracer(records, 100, -700);
    tracer.Trace(test.contour, true);

    ASSERT_FALSE(records.empty());
    const auto* start = std::get_if<StyleChangeRecord>(&records[0]);
    ASSERT_NE(start, nullptr);
    ASSERT_TRUE(start->moveTo.has_value());
    EXPECT_EQ(start->moveTo->x, 100 + test.contour.start.x);
    EXPECT_EQ(start->moveTo->y, 700 - test.contour.start.y);
    EXPECT_EQ(start->fillStyle1, 1u);

    std::vector<Edge> edges;
    for (std::size_t index = 1; index < records.size(); ++index) {
        if (const auto* straight = std::get_if<StraightEdgeRecord>(&records[index])) {
            edges.emplace_back(*straight);
        } else {
            edges.emplace_back(std::get<CurvedEdgeRecord>(records[index]));
        }
    }
    EXPECT_EQ(edges, test.edges);
}

INSTANTIATE_TEST_SUITE_P(Contours, OutlineTracerTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OutlineTracer, FurtherContoursOnlyMove) {
    std::vector<ShapeRecord> records;
    OutlineTracer tracer(records, 0, 0);
    tracer.Trace({{0, 0}, {{OutlineStep::Line, {{5, 0}}}}}, false);
    const auto& move = std::get<StyleChangeRecord>(records[0]);
    EXPECT_TRUE(move.moveTo.has_value());
    EXPECT_FALSE(move.fillStyle1.has_value());
}

} // namespace
} // namespace quillot
