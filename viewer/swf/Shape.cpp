#include "viewer/swf/Shape.h"

#include "viewer/swf/HexText.h"
#include "viewer/swf/Reader.h"

namespace swf {

namespace {

// Style arrays give their count in one byte; from DefineShape2 on, 0xFF
// announces a 16-bit count instead.
size_t ReadStyleCount(Reader& reader, ShapeVersion version) {
    size_t count = reader.U8();
    if (count == 0xFF && version >= ShapeVersion::Shape2) {
        count = reader.U16();
    }
    return count;
}

// DefineShape3 colours carry alpha; the older forms are opaque RGB.
Rgba ReadStyleColor(Reader& reader, ShapeVersion version) {
    if (version == ShapeVersion::Shape3) {
        return ReadRgba(reader);
    }
    Rgb color = ReadRgb(reader);
    return {color.red, color.green, color.blue, 0xFF};
}

std::vector<GradientRecord> ReadGradient(Reader& reader, ShapeVersion version) {
    size_t count = reader.U8();
    std::vector<GradientRecord> records;
    for (size_t index = 0; index < count; ++index) {
        GradientRecord record;
        record.ratio = reader.U8();
        record.color = ReadStyleColor(reader, version);
        records.push_back(record);
    }
    return records;
}

FillStyle ReadFillStyle(Reader& reader, ShapeVersion version) {
    uint8_t type = reader.U8();
    switch (type) {
    case FillType::Solid:
        return SolidFill{ReadStyleColor(reader, version)};
    case FillType::LinearGradient:
    case FillType::RadialGradient: {
        GradientFill fill{type, ReadMatrix(reader), {}};
        fill.gradient = ReadGradient(reader, version);
        return fill;
    }
    case FillType::RepeatingBitmap:
    case FillType::ClippedBitmap:
    case FillType::NonSmoothedRepeatingBitmap:
    case FillType::NonSmoothedClippedBitmap: {
        BitmapFill fill{type, reader.U16(), {}};
        fill.matrix = ReadMatrix(reader);
        return fill;
    }
    default:
        reader.Fail("unknown fill style type 0x" + HexDigits(type));
    }
}

LineStyle ReadLineStyle(Reader& reader, ShapeVersion version) {
    LineStyle style;
    style.width = reader.U16();
    style.color = ReadStyleColor(reader, version);
    return style;
}

// The counts come from the data, so the vectors grow as styles are actually
// read instead of being sized up front from a count that may lie.
template <class Style, class ReadOne>
std::vector<Style> ReadStyleArray(Reader& reader, ShapeVersion version, ReadOne readOne) {
    size_t count = ReadStyleCount(reader, version);
    std::vector<Style> styles;
    for (size_t index = 0; index < count; ++index) {
        styles.push_back(readOne(reader, version));
    }
    return styles;
}

StyleChange ReadStyleChange(Reader& reader, unsigned flags, ShapeVersion version,
                            uint8_t& numFillBits, uint8_t& numLineBits) {
    StyleChange record;
    if (flags & 0x01) {
        MoveTo moveTo;
        moveTo.moveBits = static_cast<uint8_t>(reader.Bits(5));
        moveTo.x = reader.SignedBits(moveTo.moveBits);
        moveTo.y = reader.SignedBits(moveTo.moveBits);
        record.moveTo = moveTo;
    }
    if (flags & 0x02) {
        record.fillStyle0 = reader.Bits(numFillBits);
    }
    if (flags & 0x04) {
        record.fillStyle1 = reader.Bits(numFillBits);
    }
    if (flags & 0x08) {
        record.lineStyle = reader.Bits(numLineBits);
    }
    if (flags & 0x10) {
        record.newStyles = ReadShapeStyles(reader, version);
        numFillBits = record.newStyles->numFillBits;
        numLineBits = record.newStyles->numLineBits;
    }
    return record;
}

StraightEdge ReadStraightEdge(Reader& reader, uint8_t numBits) {
    StraightEdge edge;
    edge.numBits = numBits;
    if (reader.Flag()) {
        edge.form = EdgeForm::General;
        edge.deltaX = reader.SignedBits(numBits);
        edge.deltaY = reader.SignedBits(numBits);
    } else if (reader.Flag()) {
        edge.form = EdgeForm::Vertical;
        edge.deltaY = reader.SignedBits(numBits);
    } else {
        edge.form = EdgeForm::Horizontal;
        edge.deltaX = reader.SignedBits(numBits);
    }
    return edge;
}

CurvedEdge ReadCurvedEdge(Reader& reader, uint8_t numBits) {
    CurvedEdge edge;
    edge.numBits = numBits;
    edge.controlDeltaX = reader.SignedBits(numBits);
    edge.controlDeltaY = reader.SignedBits(numBits);
    edge.anchorDeltaX = reader.SignedBits(numBits);
    edge.anchorDeltaY = reader.SignedBits(numBits);
    return edge;
}

} // namespace

ShapeStyles ReadShapeStyles(Reader& reader, ShapeVersion version) {
    ShapeStyles styles;
    styles.fillStyles = ReadStyleArray<FillStyle>(reader, version, ReadFillStyle);
    styles.lineStyles = ReadStyleArray<LineStyle>(reader, version, ReadLineStyle);
    styles.numFillBits = static_cast<uint8_t>(reader.Bits(4));
    styles.numLineBits = static_cast<uint8_t>(reader.Bits(4));
    return styles;
}

std::vector<ShapeRecord> ReadShapeRecords(Reader& reader, ShapeVersion version, uint8_t numFillBits,
                                          uint8_t numLineBits) {
    std::vector<ShapeRecord> records;
    for (;;) {
        bool isEdge = reader.Flag();
        if (!isEdge) {
            unsigned flags = reader.Bits(5);
            if (flags == 0) {
                break;
            }
            records.push_back(ReadStyleChange(reader, flags, version, numFillBits, numLineBits));
            continue;
        }
        bool isStraight = reader.Flag();
        auto numBits = static_cast<uint8_t>(reader.Bits(4) + 2);
        if (isStraight) {
            records.push_back(ReadStraightEdge(reader, numBits));
        } else {
            records.push_back(ReadCurvedEdge(reader, numBits));
        }
    }
    reader.Align();
    return records;
}

DefineShape3 ReadDefineShape3(Reader& body) {
    DefineShape3 tag;
    tag.shapeId = body.U16();
    tag.bounds = ReadRect(body);
    tag.styles = ReadShapeStyles(body, ShapeVersion::Shape3);
    tag.records = ReadShapeRecords(body, ShapeVersion::Shape3, tag.styles.numFillBits,
                                   tag.styles.numLineBits);
    return tag;
}

} // namespace swf
