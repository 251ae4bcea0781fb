#pragma once

#include <filesystem>
#include <memory>

#include "writer/sound/EncodedSound.h"

namespace quillot {

// The sounds encoded lately, by file. A card is generated again on every edit
// and its sounds rarely change, so a file whose size and modification time
// are as before is not read and encoded again. Movies are built one at a time,
// so the cache is unguarded, like the rest of the writer's process state.
class EncodedSoundCache {
public:
    static constexpr std::size_t kCapacity = 8;

    // The sound of the file, or none when the file cannot be opened.
    static std::shared_ptr<const EncodedSound> Encode(const std::filesystem::path& path);
};

} // namespace quillot
