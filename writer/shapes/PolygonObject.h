#pragma once

#include <vector>

#include "writer/objects/ShapeObject.h"

namespace quillot {

// A path of straight and curved edges from an origin, possibly in several
// pieces. Its bounds follow the path's points (not the curves' control
// points).
class PolygonObject : public ShapeObject {
public:
    PolygonObject(std::int32_t originX, std::int32_t originY);

    void AddStraightLine(std::int32_t dx, std::int32_t dy);
    void AddCurvedLine(std::int32_t controlDX, std::int32_t controlDY, std::int32_t anchorDX,
                       std::int32_t anchorDY);
    // Moves the pen to an absolute point without drawing.
    void AddNewPath(std::int32_t x, std::int32_t y);

protected:
    void AppendRecords(DefineShape3Tag& tag) const override;

private:
    enum class Step { Straight, Curve, NewPath };
    struct PathEntry {
        Step step;
        std::int32_t x, y;
        std::int32_t controlX = 0, controlY = 0;
    };

    struct Extent {
        std::int64_t xmin, xmax, ymin, ymax;
    };

    // Appends an entry and follows the pen, widening the bounds to its new
    // point.
    void Append(const PathEntry& entry);
    SwfRect ClampedExtent() const;

    std::int32_t m_originX;
    std::int32_t m_originY;
    std::vector<PathEntry> m_path;
    std::int64_t m_penX;
    std::int64_t m_penY;
    Extent m_extent;
};

} // namespace quillot
