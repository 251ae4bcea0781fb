#include "writer/sound/EncodedSoundCache.h"

#include <algorithm>
#include <deque>
#include <system_error>

namespace quillot {

namespace {

struct FileStamp {
    std::filesystem::path path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    bool operator==(const FileStamp&) const = default;
};

struct Entry {
    FileStamp stamp;
    std::shared_ptr<const EncodedSound> sound;
};

// Most recently used first.
std::deque<Entry>& Entries() {
    static std::deque<Entry> entries;
    return entries;
}

bool StampOf(const std::filesystem::path& path, FileStamp& stamp) {
    std::error_code error;
    stamp.path = std::filesystem::absolute(path, error);
    stamp.size = std::filesystem::file_size(path, error);
    if (error) {
        return false;
    }
    stamp.modified = std::filesystem::last_write_time(path, error);
    return !error;
}

} // namespace

std::shared_ptr<const EncodedSound> EncodedSoundCache::Encode(const std::filesystem::path& path) {
    FileStamp stamp;
    const bool stamped = StampOf(path, stamp);
    auto& entries = Entries();
    if (stamped) {
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&](const Entry& entry) { return entry.stamp == stamp; });
        if (found != entries.end()) {
            Entry entry = *found;
            entries.erase(found);
            entries.push_front(entry);
            return entry.sound;
        }
    }
    WavFile file(path);
    if (file.GetStatus() == WavFile::Status::CannotOpen) {
        return nullptr;
    }
    auto sound = std::make_shared<const EncodedSound>(EncodedSound::FromWav(file));
    if (stamped) {
        entries.push_front({stamp, sound});
        if (entries.size() > kCapacity) {
            entries.pop_back();
        }
    }
    return sound;
}

} // namespace quillot
