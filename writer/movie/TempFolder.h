#pragma once

#include <filesystem>
#include <string>

namespace quillot {

// The user's temporary folder: the first non-empty of the environment's
// `temp`, `TEMP`, `TMP` and `TMPDIR`, else the system's (which throws
// std::filesystem::filesystem_error when there is none). Everything that
// places files in the temporary folder asks here.
std::filesystem::path TempFolderPath();

// The same, ending with a separator, "/tmp/" when the system has none.
std::string SystemTempFolder();

// Asks the system for a fresh unique name in `folder` (which ends with a
// separator), deletes the file that reserved it and returns the bare name.
// Returns an empty string when no name can be had.
std::string UniqueTempName(const std::string& folder);

} // namespace quillot
