#pragma once

#include <cstdint>
#include <string>

#include "writer/movie/Records.h"
#include "writer/movie/TagRecord.h"

namespace quillot {

// A text field the viewer of the movie can edit (or only read), bound to a
// variable. It names no font, so the player shows it in its own.
class DefineEditTextTag : public TagRecord {
public:
    struct Content {
        SwfRect bounds;
        bool editable = true;
        PackedRgba color = 0;
        std::string variableName;
        std::string text;
    };

    explicit DefineEditTextTag(Content content);
    void Write(TagBuffer& out) const override;
    std::uint16_t CharacterId() const override { return m_characterId; }

private:
    std::uint16_t m_characterId;
    Content m_content;
};

} // namespace quillot
