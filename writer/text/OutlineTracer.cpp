#include "writer/text/OutlineTracer.h"

#include "writer/movie/Records.h"
#include "writer/text/ContourSteps.h"

namespace quillot {

namespace {
constexpr std::uint32_t kGlyphFillStyle = 1;
}

OutlineTracer::OutlineTracer(std::vector<ShapeRecord>& records, std::int64_t penX,
                             std::int32_t referenceOffset)
    : m_records(records), m_penX(penX), m_referenceOffset(referenceOffset) {}

void OutlineTracer::Trace(const OutlineContour& contour, bool selectFill) {
    m_selectFill = selectFill;
    VisitContour(contour, *this);
}

OutlineTracer::Position OutlineTracer::Placed(const OutlinePoint& point) const {
    return {m_penX + point.x, -(static_cast<std::int64_t>(point.y) + m_referenceOffset)};
}

OutlineTracer::Position OutlineTracer::Step(const Position& from, const Position& to,
                                            std::int64_t substitute) {
    Position step{to.x - from.x, to.y - from.y};
    if (step == Position{}) {
        step.x = substitute;
    }
    return step;
}

void OutlineTracer::MoveTo(const OutlinePoint& point) {
    m_drawn = m_contourStart = Placed(point);
    StyleChangeRecord change;
    change.moveTo = quillot::MoveTo{ClampToField(m_drawn.x), ClampToField(m_drawn.y)};
    if (m_selectFill) {
        change.fillStyle1 = kGlyphFillStyle;
    }
    m_records.push_back(change);
}

void OutlineTracer::LineTo(const OutlinePoint& point) {
    const Position step = Step(m_drawn, Placed(point), 1);
    m_records.push_back(StraightEdgeRecord{ClampToField(step.x), ClampToField(step.y)});
    m_drawn = {m_drawn.x + step.x, m_drawn.y + step.y};
}

void OutlineTracer::CurveTo(const OutlinePoint& control, const OutlinePoint& anchor) {
    const Position controlStep = Step(m_drawn, Placed(control), -1);
    const Position drawnControl{m_drawn.x + controlStep.x, m_drawn.y + controlStep.y};
    const Position anchorStep = Step(drawnControl, Placed(anchor), -1);
    m_records.push_back(CurvedEdgeRecord{ClampToField(controlStep.x), ClampToField(controlStep.y),
                                         ClampToField(anchorStep.x), ClampToField(anchorStep.y)});
    m_drawn = {drawnControl.x + anchorStep.x, drawnControl.y + anchorStep.y};
}

void OutlineTracer::Close(const OutlinePoint&) {
    if (m_drawn != m_contourStart) {
        m_records.push_back(StraightEdgeRecord{ClampToField(m_contourStart.x - m_drawn.x),
                                               ClampToField(m_contourStart.y - m_drawn.y)});
        m_drawn = m_contourStart;
    }
}

} // namespace quillot
