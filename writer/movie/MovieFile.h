#pragma once

#include <filesystem>
#include <string>

#include "writer/movie/MovieModel.h"

namespace quillot {

// Assigns depths and serialises the movie's frames as an uncompressed SWF
// file of version 5. The frames are emptied whatever happens; the character
// identifier counter starts again only when the file could be written. The
// file is written beside its target and renamed over it, so a failed write
// leaves an older movie of that name intact. Returns false with a message
// when the file cannot be written.
bool WriteMovieFile(MovieModel& movie, const std::filesystem::path& path, std::string& error);

} // namespace quillot
