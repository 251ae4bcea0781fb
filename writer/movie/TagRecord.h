#pragma once

#include <cstdint>

#include "writer/movie/TagBuffer.h"

namespace quillot {

// Everything that becomes one tag of the movie.
class TagRecord {
public:
    virtual ~TagRecord() = default;
    // Appends the complete tag, header included.
    virtual void Write(TagBuffer& out) const = 0;
    virtual bool IsShowFrame() const { return false; }
    // The identifier a definition tag was given when it was constructed.
    virtual std::uint16_t CharacterId() const { return 0; }

protected:
    // Writes the header with the body's measured length, then the body.
    static void WriteTag(TagBuffer& out, int code, const TagBuffer& body);
};

} // namespace quillot
