#include "editor/document/FileReplacement.h"

#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace joyvane {

namespace {

[[noreturn]] void Fail(const std::filesystem::path& target, const std::string& reason) {
    throw std::runtime_error("Could not write \"" + target.string() + "\": " + reason + ".");
}

std::string LastError() {
    return std::generic_category().message(errno);
}

// Opening without following links means a link planted at the temporary
// name is never taken for our file.
void CheckAndFlush(const std::filesystem::path& temporaryFile, const std::filesystem::path& target,
                   Durability durability) {
    const int file = ::open(temporaryFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (file < 0)
        Fail(target, "the new content was not written (" + LastError() + ")");
    struct stat status {};
    const bool regular = ::fstat(file, &status) == 0 && S_ISREG(status.st_mode);
    const bool flushed = regular && (durability == Durability::Unflushed || ::fsync(file) == 0);
    const std::string error = LastError();
    ::close(file);
    if (!regular)
        Fail(target, "the temporary file \"" + temporaryFile.string() + "\" is no regular file");
    if (!flushed)
        Fail(target, error);
}

// A replaced file keeps the permissions the user gave it.
void KeepPermissions(const std::filesystem::path& temporaryFile,
                     const std::filesystem::path& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode))
        ::chmod(temporaryFile.c_str(), status.st_mode & 07777);
}

// Makes the rename itself survive a crash. Not every file system can flush a
// folder, and the file is in place either way, so failures are ignored.
void FlushFolder(const std::filesystem::path& folder) {
    const int handle =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

} // namespace

// A target name near the file system's limit of 255 bytes gets a shortened
// temporary name, made unique by a hash of the whole name.
std::filesystem::path FileReplacement::TemporaryPathBeside(const std::filesystem::path& target) {
    constexpr std::size_t maxNameBytes = 200;
    std::string name = target.filename().string();
    if (name.size() > maxNameBytes)
        name =
            name.substr(0, maxNameBytes / 2) + "~" + std::to_string(std::hash<std::string>()(name));
    return target.parent_path() / ("." + name + ".saving");
}

// unlink removes a stale file or link of an interrupted save and leaves a
// directory alone, which then makes the producer fail.
FileReplacement::FileReplacement(
    std::filesystem::path target,
    const std::function<void(const std::filesystem::path& temporaryFile)>& produce,
    Durability durability)
    : m_target(std::move(target)), m_temporaryFile(TemporaryPathBeside(m_target)),
      m_durability(durability) {
    ::unlink(m_temporaryFile.c_str());
    try {
        produce(m_temporaryFile);
        CheckAndFlush(m_temporaryFile, m_target, m_durability);
        KeepPermissions(m_temporaryFile, m_target);
    } catch (...) {
        ::unlink(m_temporaryFile.c_str());
        throw;
    }
}

FileReplacement::~FileReplacement() {
    if (!m_committed)
        ::unlink(m_temporaryFile.c_str());
}

void FileReplacement::Commit() {
    if (::rename(m_temporaryFile.c_str(), m_target.c_str()) != 0)
        Fail(m_target, LastError());
    m_committed = true;
    if (m_durability == Durability::Flushed)
        FlushFolder(m_target.parent_path());
}

} // namespace joyvane
