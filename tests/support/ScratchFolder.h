#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// A fresh folder for one test's files, removed with everything in it when the
// object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return m_path / name; }
    // Writes a file in the folder and returns its path.
    std::filesystem::path Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path m_path;
};

} // namespace testsupport
