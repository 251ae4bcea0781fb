#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "support/ScratchFolder.h"

namespace joyvane::test {

using testsupport::ScratchFolder;

std::string ReadFile(const std::filesystem::path& file);
void WriteFile(const std::filesystem::path& file, std::string_view bytes);

// The card of the file format's complete example, in the form the program
// writes: 390 x 320 pixels at 15 frames per second, white, looping, with one
// red text "Happy Birthday" coming in at frame 0.
extern const std::string_view birthdayCard;
// The same stage without objects.
extern const std::string_view emptyCard;

} // namespace joyvane::test
