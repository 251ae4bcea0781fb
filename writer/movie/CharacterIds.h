#pragma once

#include <cstdint>

// The process-wide character identifier counter. Every definition tag draws
// the next identifier when it is constructed; writing a movie file starts the
// count again. Movies are built one at a time, so the counter is unguarded.
namespace quillot {

std::uint16_t NextCharacterId();
void ResetCharacterIds();

} // namespace quillot
