#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "writer/movie/Records.h"
#include "writer/objects/WriterObject.h"
#include "writer/shapes/FillStyle.h"

namespace quillot {

class BitmapFill;
class DefineShape3Tag;

enum class FillKind { None, Solid, LinearGradient, RadialGradient, Bitmap };

// State shared by every kind that is drawn as a shape: bounds, line, fill and
// the transform of its placements. Rotation and scaling act about the centre
// of the bounds.
class ShapeObject : public WriterObject {
public:
    ShapeObject();
    ~ShapeObject() override;

    // Defines the shape when needed (bitmap first, then DefineShape3 with
    // the kind's records), then places it.
    void AddToFrame(Frame& frame) override;
    bool HasTransform() const override;
    std::optional<SwfMatrix> MakePlacementMatrix() const override;

    void SetBounds(const SwfRect& bounds) { m_bounds = bounds; }
    const SwfRect& Bounds() const { return m_bounds; }

    void SetLineWidth(std::int32_t width);
    void SetLineColor(PackedRgba color);
    void SetSolidFill(PackedRgba color);
    void SetNoFill();
    void SetLinearFillCenter(std::int32_t centerX, std::int32_t centerY);
    void SetLinearFill(PackedRgba from, PackedRgba to);
    void SetRadialFillCenter(std::int32_t centerX, std::int32_t centerY);
    void SetRadialFill(PackedRgba from, PackedRgba to);
    void SetBitmapFill(std::unique_ptr<BitmapFill> fill);

    void Translate(std::int32_t x, std::int32_t y);
    void Rotate(std::int32_t degrees16_16);
    void Scale(std::int32_t scaleX16_16, std::int32_t scaleY16_16);

protected:
    // Appends the kind's shape records: the first style-change record, the
    // edges and no end record (the writer adds it).
    virtual void AppendRecords(DefineShape3Tag& tag) const = 0;
    // The first style-change record of every kind: select the shape's line
    // and fill styles and move the pen.
    void AppendFirstStyleChange(DefineShape3Tag& tag, std::int32_t x, std::int32_t y) const;
    // Appends the definition tags (and sets the defined flag).
    virtual void Define(Frame& frame);
    PackedRgba FillColor() const { return m_fillColor; }

private:
    void AddStyles(DefineShape3Tag& tag, Frame& frame);
    Gradient TakeGradient();
    // The centre of the bounds, halves truncated toward zero.
    std::int32_t BoundsCenterX() const;
    std::int32_t BoundsCenterY() const;
    SwfMatrix GradientMatrix(std::int32_t scale16_16X, std::int32_t scale16_16Y,
                             std::int32_t centerX, std::int32_t centerY) const;

    SwfRect m_bounds;
    std::int32_t m_lineWidth = 20;
    PackedRgba m_lineColor = 0xFF000000;
    std::uint32_t m_lineStyleIndex = 1;
    std::uint32_t m_fillStyleIndex = 1;
    std::int32_t m_translateX = 0;
    std::int32_t m_translateY = 0;
    std::int32_t m_rotation = 0;
    std::int32_t m_scaleX = 0x10000;
    std::int32_t m_scaleY = 0x10000;
    FillKind m_fillKind = FillKind::Solid;
    PackedRgba m_fillColor = 0xFFFFFFFF;
    std::unique_ptr<BitmapFill> m_bitmapFill;
    // A gradient is handed over to the definition that uses it. The last one
    // handed over is kept, so that a shape redefined after another change
    // (its line colour, say) keeps its gradient instead of losing its fill.
    std::optional<SwfMatrix> m_gradientMatrix;
    std::vector<GradientEntry> m_gradientEntries;
    Gradient m_lastGradient;
};

} // namespace quillot
