#include "viewer/swf/Font.h"

#include "viewer/swf/Reader.h"

#include <cstdio>
#include <ostream>

namespace swf {

namespace {

constexpr uint8_t WideCodesFlag = 0x01;

// The offsets must start right after the table and never go backwards or
// past the body, so each glyph has a window of its own.
std::vector<uint16_t> ReadOffsets(Reader& body) {
    const size_t tableEnd = body.Remaining();
    const uint16_t first = body.U16();
    if (first == 0 || first % 2 != 0 || first > tableEnd) {
        body.Fail("font offset table starts at " + std::to_string(first) + ", not after a whole table");
    }
    std::vector<uint16_t> offsets{first};
    for (size_t index = 1; index < first / 2u; ++index) {
        offsets.push_back(body.U16());
        if (offsets[index] < offsets[index - 1] || offsets[index] > tableEnd) {
            body.Fail("font glyph offset " + std::to_string(offsets[index]) + " out of order");
        }
    }
    return offsets;
}

GlyphShape ReadGlyph(Reader& window) {
    GlyphShape glyph;
    glyph.numFillBits = static_cast<uint8_t>(window.Bits(4));
    glyph.numLineBits = static_cast<uint8_t>(window.Bits(4));
    glyph.records = ReadShapeRecords(window, ShapeVersion::Shape1, glyph.numFillBits, glyph.numLineBits);
    if (!window.AtEnd()) {
        window.Fail(std::to_string(window.Remaining()) + " byte(s) left over after a glyph");
    }
    return glyph;
}

} // namespace

DefineFont ReadDefineFont(Reader& body) {
    DefineFont tag;
    tag.fontId = body.U16();
    if (body.AtEnd()) {
        return tag;
    }
    const size_t tableStart = body.Position();
    tag.offsets = ReadOffsets(body);
    for (size_t index = 0; index < tag.offsets.size(); ++index) {
        const size_t start = tableStart + tag.offsets[index];
        if (body.Position() != start) {
            body.Fail("font glyph " + std::to_string(index) + " does not start at its offset");
        }
        const size_t end = index + 1 < tag.offsets.size() ? tableStart + tag.offsets[index + 1]
                                                          : body.Position() + body.Remaining();
        Reader window = body.Sub(end - start, body.TagCode());
        tag.glyphs.push_back(ReadGlyph(window));
    }
    return tag;
}

DefineFontInfo ReadDefineFontInfo(Reader& body) {
    DefineFontInfo tag;
    tag.fontId = body.U16();
    const uint8_t nameLength = body.U8();
    const auto name = body.Bytes(nameLength);
    tag.name.assign(name.begin(), name.end());
    tag.flags = body.U8();
    const bool wide = (tag.flags & WideCodesFlag) != 0;
    if (wide && body.Remaining() % 2 != 0) {
        body.Fail("wide font code table of odd length");
    }
    while (!body.AtEnd()) {
        tag.codes.push_back(wide ? body.U16() : body.U8());
    }
    return tag;
}

std::ostream& operator<<(std::ostream& out, const DefineFont& tag) {
    out << "DefineFont id " << tag.fontId << ", " << tag.glyphs.size() << " glyph(s)";
    for (size_t index = 0; index < tag.glyphs.size(); ++index) {
        out << "; glyph " << index << " @" << tag.offsets[index] << ":";
        for (const ShapeRecord& record : tag.glyphs[index].records) {
            out << " " << record << ";";
        }
        out << " end";
    }
    return out;
}

std::ostream& operator<<(std::ostream& out, const DefineFontInfo& tag) {
    char flags[8];
    std::snprintf(flags, sizeof flags, "0x%02X", tag.flags);
    out << "DefineFontInfo font " << tag.fontId << " name \"" << tag.name << "\" flags " << flags
        << " codes [";
    const char* separator = "";
    for (uint16_t code : tag.codes) {
        out << separator << code;
        separator = ", ";
    }
    return out << "]";
}

} // namespace swf
