#include "viewer/swf/Color.h"

#include "viewer/swf/HexText.h"
#include "viewer/swf/Reader.h"

#include <ostream>

namespace swf {

namespace {

std::array<int32_t, 4> ReadTerms(Reader& reader, unsigned bits) {
    std::array<int32_t, 4> terms{};
    for (int32_t& term : terms) {
        term = reader.SignedBits(bits);
    }
    return terms;
}

void PrintTerms(std::ostream& out, const char* label, const std::array<int32_t, 4>& terms) {
    out << label;
    for (int32_t term : terms) {
        out << " " << term;
    }
}

std::string Hex(std::initializer_list<uint8_t> bytes) {
    std::string text = "#";
    for (uint8_t byte : bytes) {
        text += HexDigits(byte);
    }
    return text;
}

} // namespace

Rgb ReadRgb(Reader& reader) {
    Rgb color;
    color.red = reader.U8();
    color.green = reader.U8();
    color.blue = reader.U8();
    return color;
}

Rgba ReadRgba(Reader& reader) {
    Rgba color;
    color.red = reader.U8();
    color.green = reader.U8();
    color.blue = reader.U8();
    color.alpha = reader.U8();
    return color;
}

ColorTransformWithAlpha ReadColorTransformWithAlpha(Reader& reader) {
    reader.Align();
    bool hasAdd = reader.Flag();
    bool hasMultiply = reader.Flag();
    unsigned bits = reader.Bits(4);
    ColorTransformWithAlpha transform;
    if (hasMultiply) {
        transform.multiply = ReadTerms(reader, bits);
    }
    if (hasAdd) {
        transform.add = ReadTerms(reader, bits);
    }
    reader.Align();
    return transform;
}

std::ostream& operator<<(std::ostream& out, const Rgb& color) {
    return out << Hex({color.red, color.green, color.blue});
}

std::ostream& operator<<(std::ostream& out, const Rgba& color) {
    return out << Hex({color.red, color.green, color.blue, color.alpha});
}

std::ostream& operator<<(std::ostream& out, const ColorTransformWithAlpha& transform) {
    out << "[";
    if (transform.multiply) {
        PrintTerms(out, "multiply", *transform.multiply);
        out << (transform.add ? "; " : "");
    }
    if (transform.add) {
        PrintTerms(out, "add", *transform.add);
    }
    return out << "]";
}

} // namespace swf
