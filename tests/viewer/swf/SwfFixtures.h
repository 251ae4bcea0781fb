#pragma once

// Byte fixtures for the SWF reader tests: hand-assembled tag bodies wrapped in
// record headers and movie headers.

#include "viewer/swf/Tag.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace swftest {

using Bytes = std::vector<uint8_t>;

enum class HeaderForm { Shortest, Long };

// The largest tag code, which no SWF version assigns: it stays undecoded.
inline constexpr uint16_t UnassignedCode = 1023;

// A record header (short when the length allows, or forced long) and the body.
Bytes TagBytes(uint16_t code, const Bytes& body, HeaderForm form = HeaderForm::Shortest);

// An FWS version 5 movie of the default stage (11000 x 8000 twips, the 17-bit
// RECT the writer always uses) at 12 fps holding `tags` (complete tags,
// End included by the caller), with the length field filled in.
Bytes MovieBytes(const Bytes& tags, uint16_t frameCount);

// Decodes one complete tag (header and body) through swf::ReadTag.
swf::Tag DecodeTag(const Bytes& tagBytes);

// A small valid movie holding every record kind the reader decodes, two
// frames, a long header and an unknown tag.
Bytes SmallMovie();

// The writer's 31-byte movie: SetBackgroundColor(255, 255, 255) in frame 0.
Bytes WhiteBackgroundMovie();

Bytes Concat(std::initializer_list<Bytes> parts);

// The message of the ReadError that reading `file` as a movie gives, or
// "no error".
std::string ReadErrorMessage(const Bytes& file);

// A case description turned into a valid GoogleTest name.
std::string TestNameOf(std::string_view description);

} // namespace swftest
