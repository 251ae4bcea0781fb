#pragma once

#include <filesystem>
#include <string_view>

namespace joyvane {

// What generation tells the program around it: the editor's windows (message
// boxes, the object list, the preview) or a headless front end.
class GenerationHost {
public:
    virtual ~GenerationHost() = default;

    // A picture or sound could not be compiled; generation goes on without
    // it. `message` is the fixed text shown to the user.
    virtual void ReportObjectError(std::string_view objectName, std::string_view message) = 0;
    // A new object was appended at `index`; the object list shows and selects it.
    virtual void ObjectInserted(int index) = 0;
    // The movie file was written; a preview reloads it.
    virtual void MovieWritten(const std::filesystem::path& movieFile) = 0;
    // Diagnostic trace texts; nothing depends on them.
    virtual void Trace(std::string_view text) = 0;
};

} // namespace joyvane
