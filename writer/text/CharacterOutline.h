#pragma once

#include <cstdint>
#include <vector>

namespace quillot {

// A point of a character outline in whole glyph units, y pointing up from the
// baseline, as the font rasteriser hands it out.
struct OutlinePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const OutlinePoint&) const = default;
};

enum class OutlineStep { Line, QuadraticSpline };

// A run of points after the contour's current point. A line run draws a
// straight segment to each point in turn. A quadratic spline run holds the
// control points followed by the final on-curve point; between two
// consecutive control points lies an implied on-curve point at their middle.
struct OutlinePrimitive {
    OutlineStep step = OutlineStep::Line;
    std::vector<OutlinePoint> points;
    bool operator==(const OutlinePrimitive&) const = default;
};

// One closed contour: its start point and the runs that follow it. The
// closing segment back to the start is implied when the last run ends
// elsewhere.
struct OutlineContour {
    OutlinePoint start;
    std::vector<OutlinePrimitive> primitives;
    bool operator==(const OutlineContour&) const = default;
};

// One character at a cell height of 1024 units.
struct CharacterOutline {
    // False when the rasteriser could not supply the outline (no usable face,
    // a damaged glyph); the character then draws nothing.
    bool available = false;
    std::int32_t advance = 0;
    std::vector<OutlineContour> contours;
};

} // namespace quillot
