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

// A style change of a static text: each field is present exactly when its
// flag was set. The height comes with the font.
struct TextStyle {
    std::optional<uint16_t> fontId;
    std::optional<Rgba> color;
    std::optional<int16_t> xOffset;
    std::optional<int16_t> yOffset;
    std::optional<uint16_t> height;
    bool operator==(const TextStyle&) const = default;
};

struct GlyphEntry {
    uint32_t index = 0;
    int32_t advance = 0;
    bool operator==(const GlyphEntry&) const = default;
};

// A run of glyphs (at most 127, as the count has 7 bits).
struct GlyphRun {
    std::vector<GlyphEntry> glyphs;
    bool operator==(const GlyphRun&) const = default;
};

using TextRecord = std::variant<TextStyle, GlyphRun>;

// DefineText2 (33): static text with RGBA colours.
struct DefineText2 {
    uint16_t textId = 0;
    Rect bounds;
    Matrix matrix;
    uint8_t glyphBits = 0;
    uint8_t advanceBits = 0;
    std::vector<TextRecord> records;
    bool operator==(const DefineText2&) const = default;
};

DefineText2 ReadDefineText2(Reader& body);

std::ostream& operator<<(std::ostream& out, const TextRecord& record);
std::ostream& operator<<(std::ostream& out, const DefineText2& tag);

} // namespace swf
