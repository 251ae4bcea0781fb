#pragma once

#include <cstddef>
#include <filesystem>

#include "writer/bitmap/DefineBitsJpeg2Tag.h"

namespace quillot {

// The largest picture file embedded. Our own player refuses movies beyond
// 256 MiB, so a larger picture could only make a movie nobody can show; it is
// refused before a byte of it is read.
inline constexpr std::size_t kMaxJpegFileBytes = 256u << 20;

// A picture file read whole. The bytes are not checked: whatever the file
// holds is embedded as JPEG data.
struct JpegFile {
    enum class Status { Read, CannotOpen, TooLarge, ReadFailed };

    static JpegFile Read(const std::filesystem::path& path);

    Status status = Status::CannotOpen;
    JpegData data;
};

} // namespace quillot
