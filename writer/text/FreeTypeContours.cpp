#include "writer/text/FreeTypeContours.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

namespace quillot {

namespace {

// A point in 26.6 fixed point.
struct FinePoint {
    FT_Pos x = 0;
    FT_Pos y = 0;
};

FinePoint Middle(FinePoint a, FinePoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

OutlinePoint WholeUnits(FinePoint point) {
    return {static_cast<std::int32_t>(point.x >> 6), static_cast<std::int32_t>(point.y >> 6)};
}

enum class PointKind { OnCurve, Conic, Cubic };

PointKind KindOf(char tag) {
    switch (FT_CURVE_TAG(tag)) {
    case FT_CURVE_TAG_ON:
        return PointKind::OnCurve;
    case FT_CURVE_TAG_CUBIC:
        return PointKind::Cubic;
    default:
        return PointKind::Conic;
    }
}

class ContourBuilder {
public:
    explicit ContourBuilder(FinePoint start) : m_current(start) {
        m_contour.start = WholeUnits(start);
    }

    void OnCurve(FinePoint point) {
        if (m_pending.empty()) {
            LineTo(point);
        } else if (m_pendingKind == PointKind::Conic) {
            SplineTo(point);
        } else {
            CubicTo(point);
        }
        m_current = point;
    }

    void OffCurve(FinePoint point, PointKind kind) {
        m_pendingKind = kind;
        m_pending.push_back(point);
    }

    // Closes the contour at its start point. A closing line is left implied.
    OutlineContour Close(FinePoint start) {
        if (!m_pending.empty()) {
            OnCurve(start);
        }
        return std::move(m_contour);
    }

private:
    void LineTo(FinePoint point) {
        if (m_contour.primitives.empty() || m_contour.primitives.back().step != OutlineStep::Line) {
            m_contour.primitives.push_back({OutlineStep::Line, {}});
        }
        m_contour.primitives.back().points.push_back(WholeUnits(point));
    }

    void SplineTo(FinePoint point) {
        OutlinePrimitive spline{OutlineStep::QuadraticSpline, {}};
        for (FinePoint control : m_pending) {
            spline.points.push_back(WholeUnits(control));
        }
        spline.points.push_back(WholeUnits(point));
        m_contour.primitives.push_back(std::move(spline));
        m_pending.clear();
    }

    // Splits the cubic at its middle and gives each half the quadratic
    // control point that best matches it, (3 (c1 + c2) - p0 - p3) / 4.
    void CubicTo(FinePoint end) {
        const FinePoint first = m_pending.front();
        const FinePoint second = m_pending.back();
        m_pending.clear();
        const FinePoint a = Middle(m_current, first), b = Middle(first, second), c = Middle(second, end);
        const FinePoint ab = Middle(a, b), bc = Middle(b, c);
        const FinePoint middle = Middle(ab, bc);
        AppendQuadratic(QuadraticControl(m_current, a, ab, middle), middle);
        AppendQuadratic(QuadraticControl(middle, bc, c, end), end);
    }

    static FinePoint QuadraticControl(FinePoint p0, FinePoint c1, FinePoint c2, FinePoint p3) {
        return {(3 * (c1.x + c2.x) - p0.x - p3.x) / 4, (3 * (c1.y + c2.y) - p0.y - p3.y) / 4};
    }

    void AppendQuadratic(FinePoint control, FinePoint end) {
        m_contour.primitives.push_back(
            {OutlineStep::QuadraticSpline, {WholeUnits(control), WholeUnits(end)}});
    }

    OutlineContour m_contour;
    FinePoint m_current;
    std::vector<FinePoint> m_pending;
    PointKind m_pendingKind = PointKind::Conic;
};

OutlineContour BuildContour(const FT_Outline& outline, int first, int last) {
    const int count = last - first + 1;
    auto pointAt = [&](int offset) {
        const FT_Vector& point = outline.points[first + offset % count];
        return FinePoint{point.x, point.y};
    };
    auto kindAt = [&](int offset) { return KindOf(outline.tags[first + offset % count]); };

    int startOffset = 0;
    while (startOffset < count && kindAt(startOffset) != PointKind::OnCurve) {
        ++startOffset;
    }
    // A contour of control points only starts between its last and first.
    const bool allOffCurve = startOffset == count;
    const FinePoint start = allOffCurve ? Middle(pointAt(count - 1), pointAt(0)) : pointAt(startOffset);
    const int firstFollower = allOffCurve ? 0 : startOffset + 1;
    const int followers = allOffCurve ? count : count - 1;

    ContourBuilder builder(start);
    for (int step = 0; step < followers; ++step) {
        const int offset = firstFollower + step;
        const PointKind kind = kindAt(offset);
        if (kind == PointKind::OnCurve) {
            builder.OnCurve(pointAt(offset));
        } else {
            builder.OffCurve(pointAt(offset), kind);
        }
    }
    return builder.Close(start);
}

} // namespace

std::vector<OutlineContour> ContoursOf(const FT_Outline_& outline) {
    std::vector<OutlineContour> contours;
    int first = 0;
    for (int index = 0; index < outline.n_contours; ++index) {
        const int last = outline.contours[index];
        if (last >= first && last < outline.n_points) {
            contours.push_back(BuildContour(outline, first, last));
        }
        first = last + 1;
    }
    return contours;
}

} // namespace quillot
