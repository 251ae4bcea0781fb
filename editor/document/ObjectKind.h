#pragma once

#include <optional>
#include <string_view>

namespace joyvane {

// The kinds of card object the program compiles.
enum class ObjectKind { Text, Pic, Sound };

// The word stored in `ObjTypeName`: "Text", "Pic" or "Sound".
std::string_view KindWord(ObjectKind kind);
// The kind a stored word names, compared exactly ("text" names none).
std::optional<ObjectKind> KindOfWord(std::string_view word);
// The extension of the kind's media file: ".jpg", ".wav", or empty for texts,
// which have none.
std::string_view MediaExtension(ObjectKind kind);

} // namespace joyvane
