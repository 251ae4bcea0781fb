#include "editor/generation/PictureEffect.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace joyvane {
namespace {

TEST(PictureEffect, NamesNinetyThreeEffectsInFiveFamilies) {
    std::set<std::string> names;
    std::map<std::string, int> families;
    for (const PictureEffect& effect : PictureEffects()) {
        names.insert(effect.name);
        for (const char* family : {"Move", "Zoom In", "Zoom Out", "Come"})
            if (effect.name.rfind(family, 0) == 0)
                ++families[family];
    }
    EXPECT_EQ(names.size(), 93u);
    EXPECT_EQ(families["Move"], 24);
    EXPECT_EQ(families["Zoom In"], 27);
    EXPECT_EQ(families["Zoom Out"], 27);
    EXPECT_EQ(families["Come"], 12);
    for (const char* name : {"-- None --", "Fade In", "Fade Out", "Move Down l -r",
                             "Move Down r -s", "Zoom In -s", "Zoom Out Up r -r", "Come Out yb"})
        EXPECT_TRUE(names.count(name)) << name;
}

TEST(PictureEffect, MatchesNamesExactly) {
    EXPECT_NE(FindPictureEffect("Move Up"), nullptr);
    for (const char* name : {"move up", "Move Up ", "Move Up-r", "Come In", "Come Out x -r", ""})
        EXPECT_EQ(FindPictureEffect(name), nullptr) << name;
}

} // namespace
} // namespace joyvane
