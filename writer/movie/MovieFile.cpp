#include "writer/movie/MovieFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "writer/movie/CharacterIds.h"
#include "writer/movie/ControlTags.h"
#include "writer/movie/Records.h"

namespace quillot {

namespace {

constexpr std::uint8_t kSwfVersion = 5;
// The stage rectangle is written with 17-bit fields, so that ordinary
// headers are 22 bytes; larger stages widen the fields.
constexpr int kStageFieldBits = 17;

TagBuffer BuildHeader(const MovieModel& movie, std::size_t bodyLength, int frameCount) {
    const std::int32_t width = ClampToField(movie.width);
    const std::int32_t height = ClampToField(movie.height);
    const int bits = std::max(kStageFieldBits, SignedBitsFor({width, height}));
    const std::size_t rectBytes = (5 + 4 * static_cast<std::size_t>(bits) + 7) / 8;
    const std::size_t headerLength = 8 + rectBytes + 4;

    TagBuffer header;
    header.WriteBytes("FWS", 3);
    header.WriteU8(kSwfVersion);
    header.WriteU32(static_cast<std::uint32_t>(headerLength + bodyLength));
    header.WriteBits(static_cast<std::uint32_t>(bits), 5);
    for (std::int32_t value : {0, width, 0, height}) {
        header.WriteSignedBits(value, bits);
    }
    header.Align();
    header.WriteU8(0); // no fraction of a frame per second
    header.WriteU8(static_cast<std::uint8_t>(movie.frameRate));
    header.WriteU16(static_cast<std::uint16_t>(frameCount));
    return header;
}

bool WriteAll(std::FILE* file, const std::uint8_t* data, std::size_t size) {
    return size == 0 || std::fwrite(data, 1, size, file) == size;
}

bool WriteSpliced(std::FILE* file, const TagBuffer& buffer) {
    const auto& bytes = buffer.Bytes();
    std::size_t written = 0;
    for (const TagBuffer::ExternalBlock& block : buffer.ExternalBlocks()) {
        if (!WriteAll(file, bytes.data() + written, block.position - written) ||
            !WriteAll(file, block.data, block.size)) {
            return false;
        }
        written = block.position;
    }
    return WriteAll(file, bytes.data() + written, bytes.size() - written);
}

std::string Describe(const std::filesystem::path& path, const char* what) {
    return "Cannot write the movie " + path.string() + ": " + what + " (" + std::strerror(errno) +
           ")";
}

// Writes header and body to a fresh file beside `path`, then renames it over
// `path`.
bool WriteFileAtomically(const std::filesystem::path& path, const TagBuffer& header,
                         const TagBuffer& body, std::string& error) {
    std::string temporary = path.string() + ".partial-XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        error = Describe(path, "the file cannot be created");
        return false;
    }
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    std::FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr) {
        close(descriptor);
        std::remove(temporary.c_str());
        error = Describe(path, "the file cannot be opened");
        return false;
    }
    const bool written = WriteSpliced(file, header) && WriteSpliced(file, body);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        error = Describe(path, "writing failed");
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = Describe(path, "the file cannot be replaced");
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

// A movie beyond these limits would repeat identifiers or depths, and show
// the wrong things; it is refused instead.
std::string DescribeExceededLimits(bool depthsFit) {
    if (CharacterIdsExhausted()) {
        return "it defines more than 65535 characters";
    }
    if (!depthsFit) {
        return "it shows more than 65536 objects on the stage at once";
    }
    return {};
}

} // namespace

bool WriteMovieFile(MovieModel& movie, const std::filesystem::path& path, std::string& error) {
    const bool depthsFit = movie.AssignDepths();
    std::vector<std::unique_ptr<TagRecord>> tags = movie.TakeOutputTags();
    FinishMovie();
    const std::string tooLarge = DescribeExceededLimits(depthsFit);
    if (!tooLarge.empty()) {
        // The identifiers of a movie that is not written are free again.
        ResetCharacterIds();
        error = "Cannot write the movie " + path.string() + ": " + tooLarge;
        return false;
    }
    const auto frameCount = static_cast<int>(
        std::count_if(tags.begin(), tags.end(), [](const auto& tag) { return tag->IsShowFrame(); }));

    TagBuffer body;
    for (const auto& tag : tags) {
        tag->Write(body);
    }
    EndTag().Write(body);
    const TagBuffer header = BuildHeader(movie, body.TotalLength(), frameCount);
    if (!WriteFileAtomically(path, header, body, error)) {
        return false;
    }
    ResetCharacterIds();
    return true;
}

} // namespace quillot
