#pragma once

#include "viewer/swf/Color.h"
#include "viewer/swf/Geometry.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <variant>
#include <vector>

namespace swf {

class Reader;

namespace FillType {
inline constexpr uint8_t Solid = 0x00;
inline constexpr uint8_t LinearGradient = 0x10;
inline constexpr uint8_t RadialGradient = 0x12;
inline constexpr uint8_t RepeatingBitmap = 0x40;
inline constexpr uint8_t ClippedBitmap = 0x41;
inline constexpr uint8_t NonSmoothedRepeatingBitmap = 0x42;
inline constexpr uint8_t NonSmoothedClippedBitmap = 0x43;
} // namespace FillType

struct GradientRecord {
    uint8_t ratio = 0;
    Rgba color{};
    bool operator==(const GradientRecord&) const = default;
};

// Fill style 0x00.
struct SolidFill {
    Rgba color{};
    bool operator==(const SolidFill&) const = default;
};

// Fill styles 0x10 (linear) and 0x12 (radial). The gradient's count byte is
// read whole, as the version 5 format has it.
struct GradientFill {
    uint8_t type = FillType::LinearGradient;
    Matrix matrix{};
    std::vector<GradientRecord> gradient{};
    bool operator==(const GradientFill&) const = default;
};

// Fill styles 0x40 to 0x43.
struct BitmapFill {
    uint8_t type = FillType::ClippedBitmap;
    uint16_t bitmapId = 0;
    Matrix matrix{};
    bool operator==(const BitmapFill&) const = default;
};

using FillStyle = std::variant<SolidFill, GradientFill, BitmapFill>;

// LINESTYLE of DefineShape3: width in twips and an RGBA colour.
struct LineStyle {
    uint16_t width = 0;
    Rgba color{};
    bool operator==(const LineStyle&) const = default;
};

// The style arrays and bit widths that open a shape (and StateNewStyles).
struct ShapeStyles {
    std::vector<FillStyle> fillStyles{};
    std::vector<LineStyle> lineStyles{};
    uint8_t numFillBits = 0;
    uint8_t numLineBits = 0;
    bool operator==(const ShapeStyles&) const = default;
};

// The MoveTo part of a style change: absolute position and its bit count.
struct MoveTo {
    int32_t x = 0, y = 0;
    uint8_t moveBits = 0;
    bool operator==(const MoveTo&) const = default;
};

// STYLECHANGERECORD. Each optional is present exactly when its state flag was
// set. Style indices are 1-based, 0 meaning "no style".
struct StyleChange {
    std::optional<MoveTo> moveTo{};
    std::optional<uint32_t> fillStyle0{};
    std::optional<uint32_t> fillStyle1{};
    std::optional<uint32_t> lineStyle{};
    std::optional<ShapeStyles> newStyles{};
    bool operator==(const StyleChange&) const = default;
};

// How a straight edge was encoded: both deltas, or only one of them.
enum class EdgeForm : uint8_t { General, Vertical, Horizontal };

// STRAIGHTEDGERECORD. numBits is the encoded bit count (NumBits + 2).
struct StraightEdge {
    int32_t deltaX = 0, deltaY = 0;
    uint8_t numBits = 0;
    EdgeForm form = EdgeForm::General;
    bool operator==(const StraightEdge&) const = default;
};

// CURVEDEDGERECORD. numBits is the encoded bit count (NumBits + 2).
struct CurvedEdge {
    int32_t controlDeltaX = 0, controlDeltaY = 0;
    int32_t anchorDeltaX = 0, anchorDeltaY = 0;
    uint8_t numBits = 0;
    bool operator==(const CurvedEdge&) const = default;
};

// The end record is not kept: it is what ends the record list.
using ShapeRecord = std::variant<StyleChange, StraightEdge, CurvedEdge>;

// DefineShape3 (32).
struct DefineShape3 {
    uint16_t shapeId = 0;
    Rect bounds{};
    ShapeStyles styles{};
    std::vector<ShapeRecord> records{};
    bool operator==(const DefineShape3&) const = default;
};

// Which DefineShape variant a shape body belongs to: it decides whether
// colours carry alpha and whether style arrays may use the extended count.
enum class ShapeVersion : uint8_t { Shape1 = 1, Shape2 = 2, Shape3 = 3 };

DefineShape3 ReadDefineShape3(Reader& body);
// FILLSTYLEARRAY, LINESTYLEARRAY, NumFillBits, NumLineBits.
ShapeStyles ReadShapeStyles(Reader& reader, ShapeVersion version);
// Shape records through the end record, which is consumed; then alignment.
// Fonts (a later issue) reuse this with zero-width style indices.
std::vector<ShapeRecord> ReadShapeRecords(Reader& reader, ShapeVersion version, uint8_t numFillBits,
                                          uint8_t numLineBits);

std::ostream& operator<<(std::ostream& out, const FillStyle& style);
std::ostream& operator<<(std::ostream& out, const LineStyle& style);
std::ostream& operator<<(std::ostream& out, const ShapeStyles& styles);
std::ostream& operator<<(std::ostream& out, const StyleChange& record);
std::ostream& operator<<(std::ostream& out, const StraightEdge& record);
std::ostream& operator<<(std::ostream& out, const CurvedEdge& record);
std::ostream& operator<<(std::ostream& out, const ShapeRecord& record);
std::ostream& operator<<(std::ostream& out, const DefineShape3& tag);

} // namespace swf
