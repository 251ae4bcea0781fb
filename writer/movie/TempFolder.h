#pragma once

#include <string>

namespace quillot {

// The user's temporary folder, ending with a separator: the environment's
// `temp`, else `TEMP`, `TMP`, `TMPDIR`, else the system's.
std::string SystemTempFolder();

// Asks the system for a fresh unique name in `folder` (which ends with a
// separator), deletes the file that reserved it and returns the bare name.
// Returns an empty string when no name can be had.
std::string UniqueTempName(const std::string& folder);

} // namespace quillot
