#include "TextMovie.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace quillot {

swf::Movie WriteAndRead(swfMovie& movie, const std::filesystem::path& keep) {
    const auto path = keep.empty() ? std::filesystem::temp_directory_path() /
                                         ("joyvane-text-" + std::to_string(getpid()) + ".swf")
                                   : keep;
    EXPECT_EQ(movie.WriteMovie(path.string()), S_OK);
    swf::Movie read = swf::ReadMovieFile(path);
    if (keep.empty()) {
        std::filesystem::remove(path);
    }
    return read;
}

} // namespace quillot
