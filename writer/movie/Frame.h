#pragma once

#include <memory>
#include <vector>

#include "writer/movie/DepthLayers.h"
#include "writer/movie/TagRecord.h"

namespace quillot {

class MovieModel;

// The tags of one frame, in the order they were added. The frame owns them
// until the movie is written.
class Frame {
public:
    Frame(MovieModel& movie, int index) : m_movie(movie), m_index(index) {}

    // Returns the appended tag, so callers can keep a handle on it.
    template <class Tag> Tag& Append(std::unique_ptr<Tag> tag) {
        Tag& added = *tag;
        m_tags.push_back(std::move(tag));
        return added;
    }
    MovieModel& Movie() const { return m_movie; }
    // Where the next appended tag will stand.
    TagPosition NextPosition() const { return {m_index, static_cast<std::uint32_t>(m_tags.size())}; }
    std::vector<std::unique_ptr<TagRecord>>& Tags() { return m_tags; }

private:
    MovieModel& m_movie;
    int m_index;
    std::vector<std::unique_ptr<TagRecord>> m_tags;
};

} // namespace quillot
