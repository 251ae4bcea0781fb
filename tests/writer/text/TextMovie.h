#pragma once

#include <filesystem>

#include "viewer/swf/Movie.h"
#include "writer/movie/swfMovie.h"

namespace quillot {

// Writes the movie to a temporary file (or to `keep`, which stays) and
// reads it back.
swf::Movie WriteAndRead(swfMovie& movie, const std::filesystem::path& keep = {});

} // namespace quillot
