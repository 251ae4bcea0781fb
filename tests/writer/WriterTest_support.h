#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/ScratchFolder.h"
#include "viewer/swf/Movie.h"
#include "writer/movie/swfMovie.h"

namespace quillot::test {

using testsupport::ScratchFolder;

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);

// Writes the movie to a scratch file and returns the file's bytes.
std::vector<std::uint8_t> WriteMovieBytes(swfMovie& movie);
// Writes the movie and decodes it again.
swf::Movie WriteAndDecode(swfMovie& movie);

// Writes the movie and returns copies of its records of one type.
template <class Record> std::vector<Record> WrittenRecords(swfMovie& movie) {
    const swf::Movie decoded = WriteAndDecode(movie);
    std::vector<Record> records;
    for (const Record* record : swf::RecordsOf<Record>(decoded)) {
        records.push_back(*record);
    }
    return records;
}

} // namespace quillot::test
