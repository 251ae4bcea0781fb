#include "writer/movie/CharacterIds.h"

namespace quillot {

namespace {
std::uint16_t g_lastCharacterId = 0;
std::uint32_t g_movieSerial = 0;
} // namespace

std::uint16_t NextCharacterId() { return ++g_lastCharacterId; }

void ResetCharacterIds() { g_lastCharacterId = 0; }

std::uint32_t CurrentMovieSerial() { return g_movieSerial; }

void FinishMovie() { ++g_movieSerial; }

} // namespace quillot
