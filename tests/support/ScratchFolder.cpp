#include "support/ScratchFolder.h"

#include <fstream>
#include <stdexcept>
#include <stdlib.h>

namespace testsupport {

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "joyvane-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a scratch folder");
    }
    m_path = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path ScratchFolder::Write(const std::string& name,
                                           const std::vector<std::uint8_t>& bytes) const {
    const std::filesystem::path file = m_path / name;
    std::ofstream output(file, std::ios::binary);
    output.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!output) {
        throw std::runtime_error("cannot write " + file.string());
    }
    return file;
}

} // namespace testsupport
