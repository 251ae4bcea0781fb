#pragma once

#include <compare>
#include <optional>
#include <string>

namespace quillot {

// Where a face lives: its file and its index inside a font collection.
struct FaceLocation {
    std::string file;
    int index = 0;
    auto operator<=>(const FaceLocation&) const = default;
};

// Finds installed fonts through fontconfig, with its substitution rules, so
// that a face name a card was made with on another system ("Arial", "Times
// New Roman", a Chinese face name) finds the installed stand-in.
class FaceResolver {
public:
    FaceResolver();

    // The best installed match for the face name, or none when fontconfig
    // knows no font at all.
    std::optional<FaceLocation> Resolve(const std::string& faceName) const;
    // The best match for the face name among the fonts that have the
    // character, for characters the face itself lacks (ideographs in a
    // Latin face, say).
    std::optional<FaceLocation> ResolveCovering(const std::string& faceName,
                                                char32_t character) const;
};

} // namespace quillot
