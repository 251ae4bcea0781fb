#pragma once

#include <filesystem>

namespace joyvane {

// The folder for the editor's working files: the first non-empty of the
// environment variables "temp", "TEMP", "TMP" and "TMPDIR", else the system's
// temporary folder. Everything that places files in the temporary folder asks
// here, so the lookup order is decided once.
std::filesystem::path TempFolder();

} // namespace joyvane
