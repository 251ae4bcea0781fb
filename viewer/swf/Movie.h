#pragma once

#include "viewer/swf/Header.h"
#include "viewer/swf/Tag.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace swf {

// A decoded movie: the header and every tag through End, in file order.
struct Movie {
    Header header{};
    std::vector<Tag> tags{};  // the last one is End
    size_t trailingBytes = 0; // bytes after the End tag (for CWS: after inflating)
    bool operator==(const Movie&) const = default;
};

// Decodes a whole movie (FWS or CWS). Strict: a file shorter than its header's
// length, a tag reaching past the end, a body not consumed exactly by its
// decoder, or a stream without End gives a ReadError.
Movie ReadMovie(std::span<const uint8_t> file);
// Reads the file and decodes it. A file that cannot be read (missing, a
// folder, larger than MaxInflatedLength) is a std::runtime_error; a bad movie
// is a ReadError.
Movie ReadMovieFile(const std::filesystem::path& path);

// The tags of each frame, ShowFrame and End left out: element i holds the
// tags before the (i+1)-th ShowFrame. Tags after the last ShowFrame (before
// End) form one more, final group when there are any.
std::vector<std::vector<const Tag*>> TagsByFrame(const Movie& movie);

// All tags holding record type T, in file order.
template <class T> std::vector<const T*> RecordsOf(const Movie& movie) {
    std::vector<const T*> records;
    for (const Tag& tag : movie.tags) {
        if (const T* record = As<T>(tag)) {
            records.push_back(record);
        }
    }
    return records;
}

} // namespace swf
