#include "viewer/swf/Movie.h"

#include "viewer/swf/ReadError.h"
#include "viewer/swf/Reader.h"
#include "viewer/swf/TagNames.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace swf {

namespace {

std::vector<Tag> ReadTags(std::span<const uint8_t> movie, size_t headerLength) {
    Reader stream(movie.subspan(headerLength), headerLength);
    std::vector<Tag> tags;
    do {
        if (stream.AtEnd()) {
            stream.Fail("the movie ends without an End tag");
        }
        tags.push_back(ReadTag(stream));
    } while (tags.back().code != TagCode::End);
    return tags;
}

} // namespace

Movie ReadMovie(std::span<const uint8_t> file) {
    std::vector<uint8_t> inflated;
    std::span<const uint8_t> data = file;
    if (file.size() >= 3 && file[0] == 'C') {
        inflated = UncompressedMovie(file);
        data = inflated;
    }
    Movie movie;
    movie.header = ReadHeader(data);
    const Header& header = movie.header;
    if (header.fileLength > data.size()) {
        throw ReadError("truncated: the header gives " + std::to_string(header.fileLength) +
                            " bytes, the movie has " + std::to_string(data.size()),
                        std::nullopt, data.size());
    }
    if (header.fileLength < header.headerLength) {
        throw ReadError("the file length " + std::to_string(header.fileLength) +
                            " is shorter than the header",
                        std::nullopt, 4);
    }
    movie.tags = ReadTags(data.first(header.fileLength), header.headerLength);
    const Tag& end = movie.tags.back();
    movie.trailingBytes = data.size() - (end.offset + (end.longHeader ? 6 : 2) + end.length);
    return movie;
}

Movie ReadMovieFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw std::runtime_error("cannot read " + path.string() + ": it is a folder");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        throw std::runtime_error("cannot open " + path.string() + ": " + std::strerror(errno));
    }
    std::vector<uint8_t> bytes;
    char buffer[64 * 1024];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + file.gcount());
        if (bytes.size() > MaxInflatedLength) {
            throw std::runtime_error(path.string() + " is larger than the limit of " +
                                     std::to_string(MaxInflatedLength) + " bytes");
        }
    }
    if (file.bad()) {
        throw std::runtime_error("cannot read " + path.string() + ": " + std::strerror(errno));
    }
    return ReadMovie(bytes);
}

std::vector<std::vector<const Tag*>> TagsByFrame(const Movie& movie) {
    std::vector<std::vector<const Tag*>> frames;
    std::vector<const Tag*> current;
    for (const Tag& tag : movie.tags) {
        if (tag.code == TagCode::ShowFrame) {
            frames.push_back(std::move(current));
            current.clear();
        } else if (tag.code != TagCode::End) {
            current.push_back(&tag);
        }
    }
    if (!current.empty()) {
        frames.push_back(std::move(current));
    }
    return frames;
}

} // namespace swf
