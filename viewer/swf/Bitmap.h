#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

namespace swf {

class Reader;

// DefineBitsJPEG2 (21): a bitmap and its JPEG data, which may begin with an
// empty stream (FF D9 FF D8) ahead of the image's own.
struct DefineBitsJpeg2 {
    uint16_t characterId = 0;
    std::vector<uint8_t> imageData;
    bool operator==(const DefineBitsJpeg2&) const = default;
};

DefineBitsJpeg2 ReadDefineBitsJpeg2(Reader& body);

std::ostream& operator<<(std::ostream& out, const DefineBitsJpeg2& tag);

} // namespace swf
