#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace joyvane {

// The file that holds the media of the object named `objectName`: the name
// followed by `extension` (".jpg" or ".wav") in the document folder.
//
// Object names come from card files, which may come from anyone, so the name
// is made safe here, where the path is formed, and only here. A name that is
// an ordinary file name is used unchanged, so existing cards keep finding
// their files. Any other name (empty, "." or "..", a path separator, a control
// character, too long for a file name, or one that looks like a name made
// here) becomes a readable stand-in with the unsafe characters replaced by
// "_" and a hash of the whole name appended, so the path always lies inside
// the document folder and two different names do not share one file.
std::filesystem::path MediaFilePath(const std::filesystem::path& documentFolder,
                                    std::string_view objectName, std::string_view extension);

// The file name alone, as MediaFilePath forms it.
std::string MediaFileName(std::string_view objectName, std::string_view extension);

} // namespace joyvane
