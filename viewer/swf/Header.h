#pragma once

#include "viewer/swf/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace swf {

// The SWF file header.
struct Header {
    std::string signature{}; // "FWS", or "CWS" for a zlib-compressed movie
    uint8_t version = 0;
    uint32_t fileLength = 0; // of the uncompressed movie, header included
    Rect frameRect{};        // twips
    uint16_t frameRate = 0;  // raw 8.8 fixed point
    uint16_t frameCount = 0;
    size_t headerLength = 0; // bytes up to the first tag; varies with the RECT
    bool operator==(const Header&) const = default;
};

// The largest uncompressed movie we accept from a CWS file.
inline constexpr size_t MaxInflatedLength = 256u << 20;

// The movie's bytes in uncompressed (FWS-layout) form: the input itself for
// "FWS", the first 8 bytes plus the inflated rest for "CWS". Inflating stops
// at the header's file length (at most MaxInflatedLength). Throws ReadError on
// an unknown signature or a damaged or short compressed stream.
std::vector<uint8_t> UncompressedMovie(std::span<const uint8_t> file);

// Reads the header from an uncompressed movie.
Header ReadHeader(std::span<const uint8_t> movie);

std::ostream& operator<<(std::ostream& out, const Header& header);

} // namespace swf
