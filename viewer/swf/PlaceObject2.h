#pragma once

#include "viewer/swf/Color.h"
#include "viewer/swf/Geometry.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace swf {

class Reader;

// PlaceObject2 (26). Each optional field is present exactly when its flag bit
// was set; the flags byte itself is not kept, since it follows from them.
// Clip actions are never written by this program and are rejected.
struct PlaceObject2 {
    bool move = false;
    uint16_t depth = 0;
    std::optional<uint16_t> characterId{};
    std::optional<Matrix> matrix{};
    std::optional<ColorTransformWithAlpha> colorTransform{};
    std::optional<uint16_t> ratio{};
    std::optional<std::string> name{};
    std::optional<uint16_t> clipDepth{};
    bool operator==(const PlaceObject2&) const = default;
};

PlaceObject2 ReadPlaceObject2(Reader& body);

std::ostream& operator<<(std::ostream& out, const PlaceObject2& tag);

} // namespace swf
