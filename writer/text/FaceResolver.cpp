#include "writer/text/FaceResolver.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace quillot {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

struct CharSetDeleter {
    void operator()(FcCharSet* set) const { FcCharSetDestroy(set); }
};
using CharSet = std::unique_ptr<FcCharSet, CharSetDeleter>;

// The family is added as a plain string rather than parsed as a fontconfig
// name, since face names may hold characters that name syntax gives a
// meaning to (":", "-", ",").
Pattern FamilyPattern(const std::string& faceName) {
    Pattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(faceName.c_str()));
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    return pattern;
}

std::optional<FaceLocation> BestMatch(FcPattern* pattern) {
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(nullptr, pattern, &result));
    FcChar8* file = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) {
        return std::nullopt;
    }
    int index = 0;
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
    return FaceLocation{reinterpret_cast<const char*>(file), index};
}

} // namespace

FaceResolver::FaceResolver() { FcInit(); }

std::optional<FaceLocation> FaceResolver::Resolve(const std::string& faceName) const {
    return BestMatch(FamilyPattern(faceName).get());
}

std::optional<FaceLocation> FaceResolver::ResolveCovering(const std::string& faceName,
                                                          char32_t character) const {
    // Coverage ranks above the family in fontconfig's matching, so the match
    // has the character whenever any installed font does.
    Pattern pattern = FamilyPattern(faceName);
    CharSet characters(FcCharSetCreate());
    FcCharSetAddChar(characters.get(), character);
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, characters.get());
    return BestMatch(pattern.get());
}

} // namespace quillot
