#include "writer/movie/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace quillot {

std::filesystem::path TempFolderPath() {
    for (const char* name : {"temp", "TEMP", "TMP", "TMPDIR"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return std::filesystem::temp_directory_path();
}

std::string SystemTempFolder() {
    std::string folder;
    try {
        folder = TempFolderPath().string();
    } catch (const std::filesystem::filesystem_error&) {
        folder = "/tmp";
    }
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string UniqueTempName(const std::string& folder) {
    std::string path = folder + "XXXXXX";
    const int descriptor = mkstemp(path.data());
    if (descriptor < 0) {
        return {};
    }
    close(descriptor);
    unlink(path.c_str());
    return path.substr(folder.size());
}

} // namespace quillot
