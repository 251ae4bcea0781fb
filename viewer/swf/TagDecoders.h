#pragma once

#include "viewer/swf/Record.h"

#include <cstdint>

namespace swf {

class Reader;

using TagDecoder = Record (*)(Reader& body);

// The decoder for a tag code, or null when the code is not decoded (the tag is
// then kept as an UnknownTag).
TagDecoder FindTagDecoder(uint16_t code);

} // namespace swf
