#pragma once

#include <cstdint>
#include <vector>

#include "writer/shapes/ShapeRecords.h"
#include "writer/text/CharacterOutline.h"

namespace quillot {

// Turns the contours of one character into glyph shape records: the outline's
// y axis is flipped to point down and shifted by the reference offset, and
// the character is moved along by the pen.
//
// Edges never have zero length, which the edge records cannot express: a
// step to the point the pen is already at is drawn one unit to the right
// (a curve's control or anchor one unit to the left). The pen follows what
// is drawn, so the next step lands exactly on its point again and every
// contour closes exactly at its start.
class OutlineTracer {
public:
    OutlineTracer(std::vector<ShapeRecord>& records, std::int64_t penX, std::int32_t referenceOffset);

    // The first contour of a character selects fill style 1.
    void Trace(const OutlineContour& contour, bool selectFill);

    void MoveTo(const OutlinePoint& point);
    void LineTo(const OutlinePoint& point);
    void CurveTo(const OutlinePoint& control, const OutlinePoint& anchor);
    void Close(const OutlinePoint& start);

private:
    struct Position {
        std::int64_t x = 0;
        std::int64_t y = 0;
        bool operator==(const Position&) const = default;
    };

    Position Placed(const OutlinePoint& point) const;
    // The step from `from` to `to`, with an x of `substitute` when it is empty.
    static Position Step(const Position& from, const Position& to, std::int64_t substitute);

    std::vector<ShapeRecord>& m_records;
    std::int64_t m_penX;
    std::int32_t m_referenceOffset;
    bool m_selectFill = false;
    Position m_contourStart;
    Position m_drawn;
};

} // namespace quillot
