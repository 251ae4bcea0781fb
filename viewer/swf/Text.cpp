#include "viewer/swf/Text.h"

#include "viewer/swf/Reader.h"

#include <ostream>

namespace swf {

namespace {

// Flags of a style record, after its type bit and three reserved bits.
constexpr uint8_t HasFont = 0x08;
constexpr uint8_t HasColor = 0x04;
constexpr uint8_t HasYOffset = 0x02;
constexpr uint8_t HasXOffset = 0x01;
constexpr unsigned MaxFieldBits = 32;

TextStyle ReadTextStyle(Reader& body, uint8_t flags) {
    TextStyle style;
    if (flags & HasFont) {
        style.fontId = body.U16();
    }
    if (flags & HasColor) {
        style.color = ReadRgba(body);
    }
    if (flags & HasXOffset) {
        style.xOffset = body.S16();
    }
    if (flags & HasYOffset) {
        style.yOffset = body.S16();
    }
    if (flags & HasFont) {
        style.height = body.U16();
    }
    return style;
}

GlyphRun ReadGlyphRun(Reader& body, unsigned count, const DefineText2& tag) {
    GlyphRun run;
    for (unsigned index = 0; index < count; ++index) {
        GlyphEntry entry;
        entry.index = body.Bits(tag.glyphBits);
        entry.advance = body.SignedBits(tag.advanceBits);
        run.glyphs.push_back(entry);
    }
    body.Align();
    return run;
}

} // namespace

DefineText2 ReadDefineText2(Reader& body) {
    DefineText2 tag;
    tag.textId = body.U16();
    tag.bounds = ReadRect(body);
    tag.matrix = ReadMatrix(body);
    tag.glyphBits = body.U8();
    tag.advanceBits = body.U8();
    if (tag.glyphBits > MaxFieldBits || tag.advanceBits > MaxFieldBits) {
        body.Fail("text glyph fields wider than 32 bits");
    }
    for (;;) {
        const uint8_t first = body.U8();
        if (first == 0) {
            break;
        }
        if (first & 0x80) {
            tag.records.push_back(ReadTextStyle(body, first));
        } else {
            tag.records.push_back(ReadGlyphRun(body, first, tag));
        }
    }
    return tag;
}

std::ostream& operator<<(std::ostream& out, const TextRecord& record) {
    if (const auto* style = std::get_if<TextStyle>(&record)) {
        out << "style";
        if (style->fontId) out << " font " << *style->fontId;
        if (style->color) out << " color " << *style->color;
        if (style->xOffset) out << " x " << *style->xOffset;
        if (style->yOffset) out << " y " << *style->yOffset;
        if (style->height) out << " height " << *style->height;
        return out;
    }
    out << "glyphs";
    for (const GlyphEntry& glyph : std::get<GlyphRun>(record).glyphs) {
        out << " " << glyph.index << "+" << glyph.advance;
    }
    return out;
}

std::ostream& operator<<(std::ostream& out, const DefineText2& tag) {
    out << "DefineText2 id " << tag.textId << " bounds " << tag.bounds << " " << tag.matrix
        << " glyph bits " << int{tag.glyphBits} << " advance bits " << int{tag.advanceBits};
    for (const TextRecord& record : tag.records) {
        out << "; " << record;
    }
    return out << "; end";
}

} // namespace swf
