#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "writer/movie/Records.h"
#include "writer/shapes/ShapeRecords.h"

namespace quillot {

class FontRasterizer;

// Whether an outline is wanted for drawing or only for its measure.
enum class OutlineDetail { Shape, BoundsOnly };

// The outline of a whole string in one face, as glyph shape records in glyph
// units (y pointing down). The top of a capital "X" of the face lies at
// y = 0 and the baseline below it, at y = -ReferenceOffset(); characters
// follow each other by their advances.
class GlyphOutline {
public:
    GlyphOutline(FontRasterizer& rasterizer, const std::string& faceName, std::string_view text,
                 OutlineDetail detail = OutlineDetail::Shape);

    // Each character's first contour selects fill style 1; the end record is
    // not included. A string that draws nothing is one move to the pen.
    // Empty when only the bounds were asked for.
    const std::vector<ShapeRecord>& Records() const { return m_records; }
    // Every point the outline visits and every pen position, widened by 10
    // units on each side.
    const SwfRect& Bounds() const { return m_bounds; }
    std::int32_t Width() const { return m_bounds.xmax - m_bounds.xmin; }
    // What a glyph made from the string advances, and what measuring it gives.
    std::int32_t Advance() const { return Width() + 1; }
    // The negated height of the capital "X" above the baseline.
    std::int32_t ReferenceOffset() const { return m_referenceOffset; }
    // False when some character's outline could not be had; it was skipped.
    bool Complete() const { return m_complete; }

private:
    std::vector<ShapeRecord> m_records;
    SwfRect m_bounds;
    std::int32_t m_referenceOffset = 0;
    bool m_complete = true;
};

} // namespace quillot
