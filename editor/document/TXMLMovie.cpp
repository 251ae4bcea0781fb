#include "editor/document/TXMLMovie.h"

#include <algorithm>
#include <cctype>

namespace joyvane {

bool TXMLMovie::IsLooping() {
    const std::string loop = Loop();
    constexpr std::string_view on = "TRUE";
    return loop.size() == on.size() &&
           std::equal(loop.begin(), loop.end(), on.begin(), [](char stored, char expected) {
               return std::toupper(static_cast<unsigned char>(stored)) == expected;
           });
}

} // namespace joyvane
