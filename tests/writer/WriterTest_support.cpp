#include "writer/WriterTest_support.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace quillot::test {

ScratchFolder::ScratchFolder() {
    std::random_device random;
    m_path = std::filesystem::temp_directory_path() /
             ("joyvane-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(m_path);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> WriteMovieBytes(swfMovie& movie) {
    ScratchFolder folder;
    const auto path = folder.File("movie.swf");
    if (movie.WriteMovie(path.string()) != S_OK) {
        throw std::runtime_error(movie.LastError());
    }
    return ReadBytes(path);
}

swf::Movie WriteAndDecode(swfMovie& movie) { return swf::ReadMovie(WriteMovieBytes(movie)); }

} // namespace quillot::test
