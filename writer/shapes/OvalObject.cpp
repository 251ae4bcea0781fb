#include "writer/shapes/OvalObject.h"

#include <array>

#include "writer/shapes/DefineShape3Tag.h"

namespace quillot {

namespace {

// Fractions of the width and height for each curve's control and anchor
// deltas, starting at the lower right and going through the bottom, left, top
// and right points back to the start.
struct CurveFractions {
    double controlX, controlY, anchorX, anchorY;
};

constexpr double kDiagonal = 0.1465;
constexpr double kSide = 0.207;

constexpr std::array<CurveFractions, 8> kCurves{{
    {-kDiagonal, kDiagonal, -kSide, 0},
    {-kSide, 0, -kDiagonal, -kDiagonal},
    {-kDiagonal, -kDiagonal, 0, -kSide},
    {0, -kSide, kDiagonal, -kDiagonal},
    {kDiagonal, -kDiagonal, kSide, 0},
    {kSide, 0, kDiagonal, kDiagonal},
    {kDiagonal, kDiagonal, 0, kSide},
    {0, kSide, -kDiagonal, kDiagonal},
}};

constexpr double kStartFraction = 0.8535;

// Each product is truncated on its own, so the path may end a few twips from
// its start.
std::int64_t Part(double fraction, std::int64_t extent) {
    return static_cast<std::int64_t>(fraction * static_cast<double>(extent));
}

} // namespace

void OvalObject::AppendRecords(DefineShape3Tag& tag) const {
    const SwfRect& bounds = Bounds();
    const std::int64_t width = static_cast<std::int64_t>(bounds.xmax) - bounds.xmin;
    const std::int64_t height = static_cast<std::int64_t>(bounds.ymax) - bounds.ymin;
    AppendFirstStyleChange(tag, ClampToField(bounds.xmin + Part(kStartFraction, width)),
                           ClampToField(bounds.ymin + Part(kStartFraction, height)));
    for (const CurveFractions& curve : kCurves) {
        tag.AddRecord(CurvedEdgeRecord{Part(curve.controlX, width), Part(curve.controlY, height),
                                       Part(curve.anchorX, width), Part(curve.anchorY, height)});
    }
}

} // namespace quillot
