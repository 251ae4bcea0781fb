// Splitting UTF-8 texts into characters; stray bytes keep their Latin-1 value.
#include <gtest/gtest.h>

#include "writer/text/TextCharacters.h"

namespace quillot {
namespace {

struct CharactersCase {
    const char* text;
    std::vector<char32_t> characters;
};

const CharactersCase kCases[] = {
    {"Ab", {U'A', U'b'}},
    {"\xC3\xA9", {0xE9}},                           // é
    {"\xE4\xBD\xA0\xE5\xA5\xBD", {0x4F60, 0x597D}}, // two ideographs
    {"\xF0\x9F\x98\x80", {0x1F600}},                // beyond the 16-bit range
    {"\xE9t\xE9", {0xE9, U't', 0xE9}},              // Latin-1 bytes
    {"\xC0\x80", {0xC0, 0x80}},                     // overlong
    {"\xED\xA0\x80", {0xED, 0xA0, 0x80}},           // a surrogate
    {"\xE4\xBD", {0xE4, 0xBD}},                     // cut short
    {"\xE4" "A\xA0", {0xE4, U'A', 0xA0}},           // broken by an ASCII byte
};

TEST(TextCharacters, DecodesEveryByteOnce) {
    for (const CharactersCase& test : kCases) {
        EXPECT_EQ(TextCharacters(test.text), test.characters) << test.text;
    }
}

} // namespace
} // namespace quillot
