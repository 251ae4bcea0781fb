#include "writer/shapes/PolygonObject.h"

#include <algorithm>

#include "writer/shapes/DefineShape3Tag.h"

namespace quillot {

PolygonObject::PolygonObject(std::int32_t originX, std::int32_t originY)
    : m_originX(originX), m_originY(originY), m_penX(originX), m_penY(originY),
      m_extent{originX, originX, originY, originY} {
    SetBounds(ClampedExtent());
}

void PolygonObject::AddStraightLine(std::int32_t dx, std::int32_t dy) {
    Append({Step::Straight, dx, dy});
}

void PolygonObject::AddCurvedLine(std::int32_t controlDX, std::int32_t controlDY,
                                  std::int32_t anchorDX, std::int32_t anchorDY) {
    Append({Step::Curve, anchorDX, anchorDY, controlDX, controlDY});
}

void PolygonObject::AddNewPath(std::int32_t x, std::int32_t y) { Append({Step::NewPath, x, y}); }

void PolygonObject::Append(const PathEntry& entry) {
    m_path.push_back(entry);
    if (entry.step == Step::NewPath) {
        m_penX = entry.x;
        m_penY = entry.y;
    } else {
        m_penX += static_cast<std::int64_t>(entry.x) + entry.controlX;
        m_penY += static_cast<std::int64_t>(entry.y) + entry.controlY;
    }
    m_extent.xmin = std::min(m_extent.xmin, m_penX);
    m_extent.xmax = std::max(m_extent.xmax, m_penX);
    m_extent.ymin = std::min(m_extent.ymin, m_penY);
    m_extent.ymax = std::max(m_extent.ymax, m_penY);
    SetBounds(ClampedExtent());
}

SwfRect PolygonObject::ClampedExtent() const {
    return {ClampToField(m_extent.xmin), ClampToField(m_extent.xmax), ClampToField(m_extent.ymin),
            ClampToField(m_extent.ymax)};
}

void PolygonObject::AppendRecords(DefineShape3Tag& tag) const {
    AppendFirstStyleChange(tag, m_originX, m_originY);
    for (const PathEntry& entry : m_path) {
        switch (entry.step) {
        case Step::Straight:
            tag.AddRecord(StraightEdgeRecord{entry.x, entry.y});
            break;
        case Step::Curve:
            tag.AddRecord(CurvedEdgeRecord{entry.controlX, entry.controlY, entry.x, entry.y});
            break;
        case Step::NewPath: {
            StyleChangeRecord move;
            move.moveTo = MoveTo{entry.x, entry.y};
            tag.AddRecord(move);
            break;
        }
        }
    }
}

} // namespace quillot
