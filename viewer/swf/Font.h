#pragma once

#include "viewer/swf/Shape.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace swf {

class Reader;

// One glyph of a DefineFont: its shape's bit widths and records.
struct GlyphShape {
    uint8_t numFillBits = 0;
    uint8_t numLineBits = 0;
    std::vector<ShapeRecord> records;
    bool operator==(const GlyphShape&) const = default;
};

// DefineFont (10). The offsets are kept as written (from the start of the
// offset table) so that they can be checked; a font may have no glyphs at
// all, its body then holding only the identifier.
struct DefineFont {
    uint16_t fontId = 0;
    std::vector<uint16_t> offsets;
    std::vector<GlyphShape> glyphs;
    bool operator==(const DefineFont&) const = default;
};

// DefineFontInfo (13): the face name, the flags byte, and one code per glyph
// (16-bit when the wide-codes flag, bit 0, is set).
struct DefineFontInfo {
    uint16_t fontId = 0;
    std::string name;
    uint8_t flags = 0;
    std::vector<uint16_t> codes;
    bool operator==(const DefineFontInfo&) const = default;
};

DefineFont ReadDefineFont(Reader& body);
DefineFontInfo ReadDefineFontInfo(Reader& body);

std::ostream& operator<<(std::ostream& out, const DefineFont& tag);
std::ostream& operator<<(std::ostream& out, const DefineFontInfo& tag);

} // namespace swf
