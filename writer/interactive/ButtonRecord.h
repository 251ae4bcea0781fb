#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "writer/movie/Records.h"
#include "writer/movie/TagBuffer.h"

namespace quillot {

// Red, green, blue and alpha terms added to a part's colours.
using ColorAddTerms = std::array<std::int32_t, 4>;

// What a button shows in one of its states: a part, where, and how tinted.
struct ButtonRecord {
    enum State : std::uint8_t { Up = 0x01, Over = 0x02, Down = 0x04, HitTest = 0x08 };

    State state = Up;
    std::uint16_t characterId = 0;
    SwfMatrix matrix;
    std::optional<ColorAddTerms> addTerms;
};

void WriteButtonRecord(TagBuffer& out, const ButtonRecord& record);

} // namespace quillot
