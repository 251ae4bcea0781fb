#include "editor/document/TempFolder.h"

#include "writer/movie/TempFolder.h"

namespace joyvane {

std::filesystem::path TempFolder() { return quillot::TempFolderPath(); }

} // namespace joyvane
