#include "editor/document/AtomicFile.h"

#include "editor/document/FileReplacement.h"

#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace joyvane {

namespace {

[[noreturn]] void Fail(const std::filesystem::path& file, const std::string& reason) {
    throw std::runtime_error("Could not write \"" + file.string() + "\": " + reason + ".");
}

void WriteAll(int file, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(file, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw std::system_error(written < 0 ? errno : EIO, std::generic_category());
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace

void WriteNewFile(const std::filesystem::path& file, std::string_view bytes) {
    const int handle = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (handle < 0)
        Fail(file, std::generic_category().message(errno));
    try {
        WriteAll(handle, bytes);
    } catch (const std::system_error& error) {
        ::close(handle);
        Fail(file, error.code().message());
    }
    if (::close(handle) != 0)
        Fail(file, std::generic_category().message(errno));
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         Durability durability) {
    FileReplacement(
        target,
        [&](const std::filesystem::path& temporaryFile) { WriteNewFile(temporaryFile, bytes); },
        durability)
        .Commit();
}

void CopyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& target) {
    FileReplacement(target, [&](const std::filesystem::path& temporaryFile) {
        std::error_code error;
        std::filesystem::copy_file(source, temporaryFile, error);
        if (error)
            Fail(target, "cannot copy \"" + source.string() + "\": " + error.message());
    }).Commit();
}

} // namespace joyvane
