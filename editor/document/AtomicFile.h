#pragma once

#include "editor/document/FileReplacement.h"

#include <filesystem>
#include <string_view>

namespace joyvane {

// Files the user owns are written whole or not at all (see FileReplacement).
// Failures throw std::runtime_error naming the file and the cause, and leave
// the target as it was.

void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         Durability durability);

void CopyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& target);

// Writes `bytes` to a new file at `file`, refusing to open an existing one.
// The producer for a FileReplacement of bytes.
void WriteNewFile(const std::filesystem::path& file, std::string_view bytes);

} // namespace joyvane
