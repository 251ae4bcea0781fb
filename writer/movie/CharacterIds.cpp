#include "writer/movie/CharacterIds.h"

namespace quillot {

namespace {
std::uint16_t g_lastCharacterId = 0;
}

std::uint16_t NextCharacterId() { return ++g_lastCharacterId; }

void ResetCharacterIds() { g_lastCharacterId = 0; }

} // namespace quillot
