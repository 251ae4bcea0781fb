#pragma once

#include <cstdint>

// The process-wide character identifier counter. Every definition tag draws
// the next identifier when it is constructed; writing a movie file starts the
// count again. Movies are built one at a time, so the counter is unguarded.
namespace quillot {

std::uint16_t NextCharacterId();
void ResetCharacterIds();
// True once more identifiers were drawn than a movie can number (65535):
// identifiers then repeat, and the movie cannot be written.
bool CharacterIdsExhausted();

// Counts the movies written (or discarded) so far. A definition belongs to the
// movie it was appended to: once that movie is written, an object added to a
// later movie must be defined there again, under an identifier of that movie.
std::uint32_t CurrentMovieSerial();
void FinishMovie();

// An identifier drawn for a definition, and the movie it was drawn in.
class MovieCharacterId {
public:
    MovieCharacterId() : m_id(NextCharacterId()), m_movie(CurrentMovieSerial()) {}
    std::uint16_t Value() const { return m_id; }
    // True while the movie the identifier was drawn in is still being built.
    bool IsCurrent() const { return m_movie == CurrentMovieSerial(); }

private:
    std::uint16_t m_id;
    std::uint32_t m_movie;
};

} // namespace quillot
