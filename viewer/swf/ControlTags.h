#pragma once

#include "viewer/swf/Color.h"

#include <cstdint>
#include <iosfwd>
#include <vector>

namespace swf {

class Reader;

// End (0): marks the end of the tag stream.
struct End {
    bool operator==(const End&) const = default;
};

// ShowFrame (1): closes the current frame.
struct ShowFrame {
    bool operator==(const ShowFrame&) const = default;
};

// SetBackgroundColor (9).
struct SetBackgroundColor {
    Rgb color{};
    bool operator==(const SetBackgroundColor&) const = default;
};

// RemoveObject (5).
struct RemoveObject {
    uint16_t characterId = 0;
    uint16_t depth = 0;
    bool operator==(const RemoveObject&) const = default;
};

// A tag this library does not decode, kept as its code and body bytes.
struct UnknownTag {
    uint16_t code = 0;
    std::vector<uint8_t> body{};
    bool operator==(const UnknownTag&) const = default;
};

End ReadEnd(Reader& body);
ShowFrame ReadShowFrame(Reader& body);
SetBackgroundColor ReadSetBackgroundColor(Reader& body);
RemoveObject ReadRemoveObject(Reader& body);

std::ostream& operator<<(std::ostream& out, const End& tag);
std::ostream& operator<<(std::ostream& out, const ShowFrame& tag);
std::ostream& operator<<(std::ostream& out, const SetBackgroundColor& tag);
std::ostream& operator<<(std::ostream& out, const RemoveObject& tag);
std::ostream& operator<<(std::ostream& out, const UnknownTag& tag);

} // namespace swf
