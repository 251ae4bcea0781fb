#include "editor/document/TempFolder.h"

#include <cstdlib>

namespace joyvane {

std::filesystem::path TempFolder() {
    for (const char* name : {"temp", "TEMP", "TMP", "TMPDIR"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return std::filesystem::temp_directory_path();
}

} // namespace joyvane
