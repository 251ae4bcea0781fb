#include "writer/objects/ShapeObject.h"

#include <cmath>
#include <numbers>

#include "writer/bitmap/BitmapFill.h"
#include "writer/shapes/DefineShape3Tag.h"

namespace quillot {

namespace {
constexpr std::int32_t kUnitScale = 0x10000;
}

ShapeObject::ShapeObject() : m_gradientMatrix(SwfMatrix{}) {}

ShapeObject::~ShapeObject() = default;

void ShapeObject::AddToFrame(Frame& frame) {
    if (!IsDefined()) {
        Define(frame);
    }
    PlaceOnFrame(frame);
}

void ShapeObject::Define(Frame& frame) {
    auto tag = std::make_unique<DefineShape3Tag>(m_bounds);
    AddStyles(*tag, frame);
    AppendRecords(*tag);
    MarkDefined(tag->CharacterId());
    frame.Append(std::move(tag));
}

void ShapeObject::AddStyles(DefineShape3Tag& tag, Frame& frame) {
    switch (m_fillKind) {
    case FillKind::None:
        break;
    case FillKind::Solid:
        m_fillStyleIndex = tag.AddFillStyle(FillStyle::SolidColor(m_fillColor));
        break;
    case FillKind::LinearGradient:
        m_fillStyleIndex = tag.AddFillStyle(FillStyle::FromGradient(FillStyle::LinearGradient, TakeGradient()));
        break;
    case FillKind::RadialGradient:
        m_fillStyleIndex = tag.AddFillStyle(FillStyle::FromGradient(FillStyle::RadialGradient, TakeGradient()));
        break;
    case FillKind::Bitmap:
        m_fillStyleIndex = m_bitmapFill->AddFillStyles(tag, frame, m_bounds);
        break;
    }
    if (m_lineWidth > 0) {
        m_lineStyleIndex = tag.AddLineStyle(m_lineWidth, m_lineColor);
    }
    tag.FinishStyles();
}

Gradient ShapeObject::TakeGradient() {
    if (m_gradientMatrix) {
        m_lastGradient.matrix = *m_gradientMatrix;
    }
    if (!m_gradientEntries.empty()) {
        m_lastGradient.entries = std::move(m_gradientEntries);
    }
    m_gradientMatrix.reset();
    m_gradientEntries.clear();
    return m_lastGradient;
}

void ShapeObject::AppendFirstStyleChange(DefineShape3Tag& tag, std::int32_t x,
                                         std::int32_t y) const {
    StyleChangeRecord change;
    change.moveTo = MoveTo{x, y};
    change.fillStyle1 = m_fillStyleIndex;
    change.lineStyle = m_lineStyleIndex;
    tag.AddRecord(change);
}

void ShapeObject::SetLineWidth(std::int32_t width) {
    m_lineWidth = width;
    Invalidate();
}

void ShapeObject::SetLineColor(PackedRgba color) {
    m_lineColor = color;
    Invalidate();
}

void ShapeObject::SetSolidFill(PackedRgba color) {
    m_fillColor = color;
    Invalidate();
}

void ShapeObject::SetNoFill() {
    m_fillKind = FillKind::None;
    Invalidate();
}

SwfMatrix ShapeObject::GradientMatrix(std::int32_t scaleX, std::int32_t scaleY,
                                      std::int32_t centerX, std::int32_t centerY) const {
    return SwfMatrix{FixedPair{scaleX, scaleY}, std::nullopt, centerX, centerY};
}

std::int32_t ShapeObject::BoundsCenterX() const {
    return static_cast<std::int32_t>((static_cast<std::int64_t>(m_bounds.xmin) + m_bounds.xmax) / 2);
}

std::int32_t ShapeObject::BoundsCenterY() const {
    return static_cast<std::int32_t>((static_cast<std::int64_t>(m_bounds.ymin) + m_bounds.ymax) / 2);
}

void ShapeObject::SetLinearFillCenter(std::int32_t centerX, std::int32_t centerY) {
    m_fillKind = FillKind::LinearGradient;
    const std::int64_t width = static_cast<std::int64_t>(m_bounds.xmax) - m_bounds.xmin;
    const std::int64_t height = static_cast<std::int64_t>(m_bounds.ymax) - m_bounds.ymin;
    m_gradientMatrix = GradientMatrix(ClampToField(width + 1), ClampToField(height + 1), centerX, centerY);
    Invalidate();
}

void ShapeObject::SetLinearFill(PackedRgba from, PackedRgba to) {
    SetLinearFillCenter(BoundsCenterX(), BoundsCenterY());
    m_gradientEntries.push_back({0, from});
    m_gradientEntries.push_back({255, to});
}

void ShapeObject::SetRadialFillCenter(std::int32_t centerX, std::int32_t centerY) {
    m_fillKind = FillKind::RadialGradient;
    const double width = m_bounds.xmax - m_bounds.xmin + 1.0;
    const double height = m_bounds.ymax - m_bounds.ymin + 1.0;
    const auto diameter = ClampToField(static_cast<std::int64_t>(2.0 * std::sqrt(width * width + height * height)));
    m_gradientMatrix = GradientMatrix(diameter, diameter, centerX, centerY);
    Invalidate();
}

void ShapeObject::SetRadialFill(PackedRgba from, PackedRgba to) {
    SetRadialFillCenter(BoundsCenterX(), BoundsCenterY());
    m_gradientEntries.push_back({0, from});
    m_gradientEntries.push_back({255, to});
}

void ShapeObject::SetBitmapFill(std::unique_ptr<BitmapFill> fill) {
    m_bitmapFill = std::move(fill);
    m_fillKind = FillKind::Bitmap;
    Invalidate();
}

void ShapeObject::Translate(std::int32_t x, std::int32_t y) {
    m_translateX = x;
    m_translateY = y;
}

void ShapeObject::Rotate(std::int32_t degrees16_16) { m_rotation = degrees16_16; }

void ShapeObject::Scale(std::int32_t scaleX16_16, std::int32_t scaleY16_16) {
    m_scaleX = scaleX16_16;
    m_scaleY = scaleY16_16;
}

bool ShapeObject::HasTransform() const {
    return m_translateX != 0 || m_translateY != 0 || m_rotation != 0 || m_scaleX != kUnitScale ||
           m_scaleY != kUnitScale;
}

std::optional<SwfMatrix> ShapeObject::MakePlacementMatrix() const {
    // The arithmetic keeps the precision of earlier movies: scales and the
    // rotated centre in single precision, the rest in double.
    const auto centerX = static_cast<std::int32_t>((static_cast<double>(m_bounds.xmin) + m_bounds.xmax) * 0.5);
    const auto centerY = static_cast<std::int32_t>((static_cast<double>(m_bounds.ymin) + m_bounds.ymax) * 0.5);
    const float scaleX = static_cast<float>(m_scaleX / 65536.0);
    const float scaleY = static_cast<float>(m_scaleY / 65536.0);
    const double theta = m_rotation / 65536.0 * (std::numbers::pi / 180.0);
    const double cosine = std::cos(theta);
    const double sine = std::sin(theta);
    const auto rotatedX = static_cast<float>(cosine * centerX - sine * centerY);
    const auto rotatedY = static_cast<float>(sine * centerX + cosine * centerY);

    SwfMatrix matrix;
    matrix.scale = FixedPair{ClampToField(static_cast<std::int64_t>(scaleX * cosine * 65536.0)),
                             ClampToField(static_cast<std::int64_t>(scaleY * cosine * 65536.0))};
    matrix.rotateSkew = FixedPair{ClampToField(static_cast<std::int64_t>(scaleX * sine * 65536.0)),
                                  ClampToField(static_cast<std::int64_t>(-scaleY * sine * 65536.0))};
    matrix.translateX = ClampToField(static_cast<std::int64_t>(m_translateX) + centerX -
                                     static_cast<std::int64_t>(scaleX * rotatedX));
    matrix.translateY = ClampToField(static_cast<std::int64_t>(m_translateY) + centerY -
                                     static_cast<std::int64_t>(scaleY * rotatedY));
    return matrix;
}

} // namespace quillot
