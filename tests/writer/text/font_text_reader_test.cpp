// Reading fonts and texts back: damaged bodies give a ReadError naming the
// tag and never a read beyond it.
#include <gtest/gtest.h>

#include <ostream>

#include <sstream>
#include <vector>

#include "viewer/swf/ReadError.h"
#include "viewer/swf/Reader.h"
#include "viewer/swf/Tag.h"

namespace quillot {
namespace {

using Bytes = std::vector<std::uint8_t>;

swf::Tag Decode(std::uint16_t code, const Bytes& body) {
    Bytes bytes = {0x3F, 0x00, 0, 0, 0, 0}; // always the long header form
    bytes[0] = static_cast<std::uint8_t>(code << 6 | 0x3F);
    bytes[1] = static_cast<std::uint8_t>(code >> 2);
    bytes[2] = static_cast<std::uint8_t>(body.size());
    bytes[3] = static_cast<std::uint8_t>(body.size() >> 8);
    bytes.insert(bytes.end(), body.begin(), body.end());
    swf::Reader reader(bytes, 0);
    return swf::ReadTag(reader);
}

// One glyph: fill bits 1, a move to (0, 0) selecting fill 1, end.
const Bytes kFont = {0x01, 0x00, 0x02, 0x00, 0x10, 0x14, 0x24, 0x00};
const Bytes kFontInfo = {0x01, 0x00, 0x01, 'A', 0x10, 0x41};
// Text 3 over font 1: style, one glyph (index 0, advance 500), end.
const Bytes kText = {0x03, 0x00, 0x58, 0x00, 0x3E, 0xFE, 0x71, 0xCE, 0x00, 0x00, 0x01, 0x0A,
                     0x8C, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x04, 0x01, 0x3E, 0x80, 0x00};

TEST(FontTextReader, ReadsWellFormedTags) {
    const swf::Tag font = Decode(10, kFont);
    ASSERT_NE(swf::As<swf::DefineFont>(font), nullptr);
    EXPECT_EQ(swf::As<swf::DefineFont>(font)->glyphs.size(), 1u);
    const swf::Tag info = Decode(13, kFontInfo);
    ASSERT_NE(swf::As<swf::DefineFontInfo>(info), nullptr);
    EXPECT_EQ(swf::As<swf::DefineFontInfo>(info)->name, "A");
    const swf::Tag text = Decode(33, kText);
    const auto* defined = swf::As<swf::DefineText2>(text);
    ASSERT_NE(defined, nullptr);
    ASSERT_EQ(defined->records.size(), 2u);
    EXPECT_EQ(std::get<swf::GlyphRun>(defined->records[1]).glyphs,
              (std::vector<swf::GlyphEntry>{{0, 500}}));
}

// The one-line forms joyvane-cli dump prints.
TEST(FontTextReader, PrintsEachTagOnOneLine) {
    const auto printed = [](std::uint16_t code, const Bytes& body) {
        std::ostringstream out;
        out << Decode(code, body).record;
        return out.str();
    };
    EXPECT_EQ(printed(10, kFont), "DefineFont id 1, 1 glyph(s); glyph 0 @2: style move (0,0)/1 fill1 1; end");
    EXPECT_EQ(printed(13, kFontInfo), "DefineFontInfo font 1 name \"A\" flags 0x10 codes [65]");
    EXPECT_EQ(printed(33, kText), "DefineText2 id 3 bounds (0..503, -100..924) [translate 0 0] glyph bits 1 "
                                  "advance bits 10; style font 1 color #FFFFFFFF height 1024; glyphs 0+500; end");
}

struct DamagedCase {
    const char* name;
    std::uint16_t code;
    Bytes body;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const DamagedCase& testCase, std::ostream* out) { *out << testCase.name; }

const DamagedCase kDamaged[] = {
    {"OddFirstOffset", 10, {0x01, 0x00, 0x03, 0x00, 0x10, 0x14, 0x24, 0x00}},
    {"ZeroFirstOffset", 10, {0x01, 0x00, 0x00, 0x00, 0x10, 0x14, 0x24, 0x00}},
    {"OffsetTableBeyondTheBody", 10, {0x01, 0x00, 0xFE, 0xFF, 0x10, 0x14}},
    {"OffsetsGoingBackwards", 10, {0x01, 0x00, 0x04, 0x00, 0x02, 0x00, 0x10, 0x14, 0x24, 0x00}},
    {"OffsetPastTheBody", 10, {0x01, 0x00, 0x04, 0x00, 0x40, 0x00, 0x10, 0x14, 0x24, 0x00}},
    {"GlyphWithoutEndRecord", 10, {0x01, 0x00, 0x02, 0x00, 0x10, 0x14}},
    {"GlyphWithBytesLeftOver", 10, {0x01, 0x00, 0x02, 0x00, 0x10, 0x14, 0x24, 0x00, 0x00}},
    {"NameBeyondTheBody", 13, {0x01, 0x00, 0x09, 'A', 0x10}},
    {"WideCodesOfOddLength", 13, {0x01, 0x00, 0x01, 'A', 0x11, 0x41, 0x00, 0x42}},
    {"GlyphFieldsWiderThan32Bits", 33, {0x03, 0x00, 0x00, 0x00, 0x40, 0x0A, 0x00}},
    {"TextWithoutEndByte", 33, Bytes(kText.begin(), kText.end() - 1)},
};

class DamagedFontText : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFontText, GivesAReadErrorForItsTag) {
    try {
        Decode(GetParam().code, GetParam().body);
        FAIL() << "decoded a damaged tag";
    } catch (const swf::ReadError& error) {
        EXPECT_EQ(error.tagCode(), GetParam().code);
    }
}

INSTANTIATE_TEST_SUITE_P(Bodies, DamagedFontText, ::testing::ValuesIn(kDamaged),
                         [](const auto& info) { return std::string(info.param.name); });

// Every shortened body either decodes or fails cleanly, never reading past it.
TEST(FontTextReader, EveryPrefixOfABodyIsReadSafely) {
    for (const auto& [code, body] : {std::pair{10, kFont}, std::pair{13, kFontInfo}, std::pair{33, kText}}) {
        for (std::size_t length = 0; length < body.size(); ++length) {
            try {
                Decode(static_cast<std::uint16_t>(code), Bytes(body.begin(), body.begin() + length));
            } catch (const swf::ReadError&) {
            }
        }
    }
}

} // namespace
} // namespace quillot
