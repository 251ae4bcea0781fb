#include "editor/document/CardTree.h"
#include "editor/document/TXMLMovie.h"
#include "editor/document/UniqueName.h"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

namespace joyvane {
namespace {

struct ExistingObject {
    const char* name;
    const char* kindWord;
};

struct NamingCase {
    std::vector<ExistingObject> objects;
    ObjectKind kind;
    const char* expected;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const NamingCase& testCase, std::ostream* out) { *out << testCase.expected; }

class UniqueNameWalk : public testing::TestWithParam<NamingCase> {};

TEST_P(UniqueNameWalk, FindsAFreeName) {
    CardTree tree;
    TXMLMovie movie(tree.Movie());
    for (const ExistingObject& existing : GetParam().objects) {
        TXMLObj object = movie.Obj().Add();
        object.SetObjName(existing.name);
        object.SetObjTypeName(existing.kindWord);
    }
    EXPECT_EQ(MakeUniqueName(movie.Obj(), GetParam().kind), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, UniqueNameWalk,
    testing::Values(
        NamingCase{{}, ObjectKind::Text, "Text_1"},
        NamingCase{{{"Text_1", "Text"}, {"Text_2", "Text"}}, ObjectKind::Text, "Text_3"},
        NamingCase{{{"Text_2", "Text"}}, ObjectKind::Text, "Text_1"},
        NamingCase{{{"Text_1", "Text"}, {"Pic_1", "Pic"}}, ObjectKind::Pic, "Pic_2"},
        NamingCase{{{"Text_1", "Text"}}, ObjectKind::Sound, "Sound_1"},
        // Text_1 is borne by the second text, so the next candidate is
        // Text_3, borne by the third.
        NamingCase{{{"Text_2", "Text"}, {"Text_1", "Text"}, {"Text_3", "Text"}},
                   ObjectKind::Text,
                   "Text_4"},
        // Objects of other kinds bearing the kind's names would make the
        // walk propose the same candidate for ever.
        NamingCase{{{"Text_1", "Pic"}}, ObjectKind::Text, "Text_2"},
        NamingCase{{{"Text_1", "Pic"}, {"Text_2", "Sound"}, {"Text_3", "Picture"}},
                   ObjectKind::Text,
                   "Text_4"},
        // Kind words are compared exactly.
        NamingCase{{{"Text_1", "text"}, {"Text_2", "text"}}, ObjectKind::Text, "Text_3"}));

} // namespace
} // namespace joyvane
