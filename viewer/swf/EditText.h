#pragma once

#include "viewer/swf/Color.h"
#include "viewer/swf/Geometry.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace swf {

class Reader;

// The paragraph layout of a DefineEditText.
struct EditTextLayout {
    uint8_t align = 0;
    uint16_t leftMargin = 0, rightMargin = 0, indent = 0;
    int16_t leading = 0;
    bool operator==(const EditTextLayout&) const = default;
};

// DefineEditText (37). The two flag bytes are kept as written; each optional
// field is present exactly when its flag was set.
struct DefineEditText {
    uint16_t characterId = 0;
    Rect bounds;
    uint8_t flags1 = 0; // HasText WordWrap Multiline Password ReadOnly HasTextColor HasMaxLength HasFont
    uint8_t flags2 = 0; // HasFontClass AutoSize HasLayout NoSelect Border WasStatic HTML UseOutlines
    std::optional<uint16_t> fontId;
    std::optional<uint16_t> fontHeight;
    std::optional<Rgba> textColor;
    std::optional<uint16_t> maxLength;
    std::optional<EditTextLayout> layout;
    std::string variableName;
    std::optional<std::string> initialText;
    bool operator==(const DefineEditText&) const = default;

    bool ReadOnly() const { return flags1 & 0x08; }
};

DefineEditText ReadDefineEditText(Reader& body);

std::ostream& operator<<(std::ostream& out, const DefineEditText& tag);

} // namespace swf
