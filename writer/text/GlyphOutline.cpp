#include "writer/text/GlyphOutline.h"

#include <algorithm>
#include <optional>

#include "writer/text/ContourSteps.h"
#include "writer/text/FontRasterizer.h"
#include "writer/text/OutlineTracer.h"
#include "writer/text/TextCharacters.h"

namespace quillot {

namespace {

constexpr char32_t kSpace = U' ';
constexpr std::int32_t kBoundsMargin = 10;

// The box around every point recorded while measuring, y pointing down.
class MeasuredBox {
public:
    void Add(std::int64_t x, std::int64_t y) {
        if (!m_box) {
            m_box = Box{x, y, x, y};
            return;
        }
        m_box->xmin = std::min(m_box->xmin, x);
        m_box->ymin = std::min(m_box->ymin, y);
        m_box->xmax = std::max(m_box->xmax, x);
        m_box->ymax = std::max(m_box->ymax, y);
    }

    // An empty string records no point; it measures as a box of no size at
    // the pen's origin, as the zero-width string it is.
    SwfRect Widened(std::int32_t referenceOffset) const {
        const Box box = m_box.value_or(Box{});
        return {ClampToField(box.xmin - kBoundsMargin), ClampToField(box.xmax + kBoundsMargin),
                ClampToField(box.ymin - referenceOffset - kBoundsMargin),
                ClampToField(box.ymax - referenceOffset + kBoundsMargin)};
    }

    std::int64_t Top() const { return m_box ? m_box->ymin : 0; }

private:
    struct Box {
        std::int64_t xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    };
    std::optional<Box> m_box;
};

// Records every point a contour visits, at the pen, y flipped.
class PointRecorder {
public:
    PointRecorder(MeasuredBox& box, std::int64_t penX) : m_box(box), m_penX(penX) {}
    void MoveTo(const OutlinePoint& point) { Record(point); }
    void LineTo(const OutlinePoint& point) { Record(point); }
    void CurveTo(const OutlinePoint& control, const OutlinePoint& anchor) {
        Record(control);
        Record(anchor);
    }
    void Close(const OutlinePoint&) {}

private:
    void Record(const OutlinePoint& point) { m_box.Add(m_penX + point.x, -std::int64_t{point.y}); }

    MeasuredBox& m_box;
    std::int64_t m_penX;
};

struct Walk {
    MeasuredBox box;
    std::int64_t penX = 0;
    bool drewContour = false;
    bool complete = true;
};

// Walks the string with a pen on the baseline: each character records the
// pen advanced by its width and the pen itself, then (unless it is a space)
// the points of its outline. When `records` is given, the contours are also
// traced into it with the reference offset.
Walk WalkString(FontRasterizer& rasterizer, const std::string& faceName, std::string_view text,
                std::vector<ShapeRecord>* records, std::int32_t referenceOffset) {
    Walk walk;
    std::int32_t previousAdvance = 0;
    bool first = true;
    for (char32_t character : TextCharacters(text)) {
        const CharacterOutline& outline = rasterizer.Outline(faceName, character);
        if (!first) {
            walk.penX += previousAdvance;
            walk.box.Add(walk.penX, 0);
        }
        first = false;
        walk.box.Add(walk.penX + outline.advance, 0);
        walk.box.Add(walk.penX, 0);
        previousAdvance = outline.advance;
        walk.complete = walk.complete && outline.available;
        if (character == kSpace) {
            continue;
        }
        PointRecorder recorder(walk.box, walk.penX);
        std::optional<OutlineTracer> tracer;
        if (records) {
            tracer.emplace(*records, walk.penX, referenceOffset);
        }
        bool firstContour = true;
        for (const OutlineContour& contour : outline.contours) {
            VisitContour(contour, recorder);
            if (tracer) {
                tracer->Trace(contour, firstContour);
            }
            firstContour = false;
            walk.drewContour = true;
        }
    }
    return walk;
}

} // namespace

GlyphOutline::GlyphOutline(FontRasterizer& rasterizer, const std::string& faceName,
                           std::string_view text, OutlineDetail detail) {
    const Walk reference = WalkString(rasterizer, faceName, "X", nullptr, 0);
    m_referenceOffset = ClampToField(reference.box.Top());
    const bool drawing = detail == OutlineDetail::Shape;
    const Walk walk = WalkString(rasterizer, faceName, text, drawing ? &m_records : nullptr, m_referenceOffset);
    if (drawing && !walk.drewContour) {
        m_records.push_back(StyleChangeRecord{MoveTo{ClampToField(walk.penX), -m_referenceOffset}, {}, {}, {}});
    }
    m_bounds = walk.box.Widened(m_referenceOffset);
    m_complete = reference.complete && walk.complete;
}

} // namespace quillot
