#include "writer/movie/CharacterIds.h"

namespace quillot {

namespace {
std::uint16_t g_lastCharacterId = 0;
bool g_exhausted = false;
std::uint32_t g_movieSerial = 0;
} // namespace

std::uint16_t NextCharacterId() {
    if (g_lastCharacterId == 0xFFFF) {
        g_exhausted = true;
    }
    return ++g_lastCharacterId;
}

bool CharacterIdsExhausted() { return g_exhausted; }

void ResetCharacterIds() {
    g_lastCharacterId = 0;
    g_exhausted = false;
}

std::uint32_t CurrentMovieSerial() { return g_movieSerial; }

void FinishMovie() { ++g_movieSerial; }

} // namespace quillot
