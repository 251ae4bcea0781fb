#include "writer/movie/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace quillot {

std::string SystemTempFolder() {
    std::string folder;
    for (const char* name : {"temp", "TEMP", "TMP", "TMPDIR"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            folder = value;
            break;
        }
    }
    if (folder.empty()) {
        std::error_code error;
        folder = std::filesystem::temp_directory_path(error).string();
        if (error) {
            folder = "/tmp";
        }
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
