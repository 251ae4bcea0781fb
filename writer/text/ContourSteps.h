#pragma once

#include "writer/text/CharacterOutline.h"

namespace quillot {

// Walks a contour as the shape records draw it: the start point, one straight
// step per line point, and for a spline of points p0 ... pn-1 one curve per
// control point, anchored at the middle of pj and pj+1 (integer division)
// and, for the last one, at pn-1. The visitor learns of the closing by
// Close(start).
template <class Visitor>
void VisitContour(const OutlineContour& contour, Visitor& visitor) {
    visitor.MoveTo(contour.start);
    for (const OutlinePrimitive& run : contour.primitives) {
        const auto& points = run.points;
        if (run.step == OutlineStep::Line || points.size() < 2) {
            for (const OutlinePoint& point : points) {
                visitor.LineTo(point);
            }
            continue;
        }
        for (std::size_t index = 0; index + 2 < points.size(); ++index) {
            const OutlinePoint& control = points[index];
            const OutlinePoint& next = points[index + 1];
            visitor.CurveTo(control, OutlinePoint{(control.x + next.x) / 2, (control.y + next.y) / 2});
        }
        visitor.CurveTo(points[points.size() - 2], points.back());
    }
    visitor.Close(contour.start);
}

} // namespace quillot
