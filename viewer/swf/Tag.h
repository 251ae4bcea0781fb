#pragma once

#include "viewer/swf/Record.h"
#include "viewer/swf/TagNames.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <variant>

namespace swf {

class Reader;

// One tag of the stream: where it was, how its header was written, and its
// decoded record (UnknownTag for codes without a decoder).
struct Tag {
    uint16_t code = 0;
    size_t offset = 0;       // of the record header, from the start of the movie
    bool longHeader = false; // the 32-bit length form was used
    size_t length = 0;       // of the body, as declared
    Record record{};
    bool operator==(const Tag&) const = default;
};

// Reads one tag (header and body) at the reader's position. The body is
// decoded through a reader bounded to its declared length and must be
// consumed completely.
Tag ReadTag(Reader& stream);

// The record as type T, or null when the tag holds another record.
template <class T> const T* As(const Tag& tag) {
    return std::get_if<T>(&tag.record);
}

// "DefineShape3 @22: ..." on one line.
std::ostream& operator<<(std::ostream& out, const Tag& tag);

} // namespace swf
