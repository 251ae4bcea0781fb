#include "writer/bitmap/JpegFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace quillot {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : m_descriptor(descriptor) {}
    ~Descriptor() {
        if (m_descriptor >= 0) {
            close(m_descriptor);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_descriptor; }

private:
    int m_descriptor;
};

bool ReadExactly(int descriptor, std::uint8_t* into, std::size_t size) {
    while (size > 0) {
        const ssize_t got = read(descriptor, into, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        into += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace

JpegFile JpegFile::Read(const std::filesystem::path& path) {
    const Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    // A folder or a device opens, but is no picture file.
    if (file.Get() < 0 || fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return {Status::CannotOpen, nullptr};
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    if (size > kMaxJpegFileBytes) {
        return {Status::TooLarge, nullptr};
    }
    auto bytes = std::make_shared<std::vector<std::uint8_t>>(size);
    // A file that shrinks while it is read is refused rather than embedded
    // half; one that grows is embedded as it was when opened.
    if (!ReadExactly(file.Get(), bytes->data(), size)) {
        return {Status::ReadFailed, nullptr};
    }
    return {Status::Read, std::move(bytes)};
}

} // namespace quillot
