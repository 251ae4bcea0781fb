#pragma once

#include <filesystem>
#include <functional>

namespace joyvane {

// Whether a replaced file must survive a crash of the machine. Flushing costs
// milliseconds, which scratch files such as the working copy need not pay.
enum class Durability { Flushed, Unflushed };

// The new content of a file the user owns, staged in a temporary file beside
// it (a rename works only within one file system) and flushed to the disk,
// ready to take the target's place in one rename. Until Commit the target is
// untouched; a replacement that is never committed removes its temporary
// file. Staging several files before committing any keeps a save that fails
// half-way from changing some of them.
//
// Failures throw std::runtime_error naming the target and the cause.
class FileReplacement {
public:
    // Writes the temporary file with `produce`, which is given its path and
    // reports its own failures by throwing; a producer that writes no regular
    // file there fails the replacement.
    FileReplacement(std::filesystem::path target,
                    const std::function<void(const std::filesystem::path& temporaryFile)>& produce,
                    Durability durability = Durability::Flushed);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    void Commit();

    // The temporary file of a replacement of `target`: hidden, and always
    // the same, so an interrupted save leaves at most one stale file, which
    // the next save of the target removes.
    static std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target);

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temporaryFile;
    Durability m_durability;
    bool m_committed = false;
};

} // namespace joyvane
