#pragma once

#include <filesystem>

namespace joyvane {

// The folder for the editor's working files: the user's temporary folder, as
// the writer library looks it up.
std::filesystem::path TempFolder();

} // namespace joyvane
