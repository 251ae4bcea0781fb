#include "writer/WriterTest_support.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace quillot::test {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> WriteMovieBytes(swfMovie& movie) {
    ScratchFolder folder;
    const auto path = (folder / "movie.swf");
    if (movie.WriteMovie(path.string()) != S_OK) {
        throw std::runtime_error(movie.LastError());
    }
    return ReadBytes(path);
}

swf::Movie WriteAndDecode(swfMovie& movie) { return swf::ReadMovie(WriteMovieBytes(movie)); }

} // namespace quillot::test
