// One table of (tag code, body bytes, decoded record) drives the decoding
// tests of every record kind the writer emits.
#include "ShapeFixtures.h"
#include "SwfFixtures.h"

#include <gtest/gtest.h>

namespace swftest {
namespace {

using namespace swf;

struct RecordCase {
    const char* name;
    uint16_t code;
    Bytes body;
    Record expected;
};

void PrintTo(const RecordCase& recordCase, std::ostream* out) {
    *out << recordCase.name;
}

std::vector<uint8_t> Text(std::string_view text) {
    return {text.begin(), text.end()};
}

const RecordCase RecordCases[] = {
    {"End", 0, {}, End{}},
    {"ShowFrame", 1, {}, ShowFrame{}},
    {"SetBackgroundColor", 9, {0xFF, 0x80, 0x01}, SetBackgroundColor{{0xFF, 0x80, 0x01}}},
    {"RemoveObject", 5, {0x03, 0x00, 0x02, 0x01}, RemoveObject{3, 0x0102}},
    {"PlaceObject2 without matrix",
     26,
     {0x02, 0x05, 0x00, 0x01, 0x00},
     PlaceObject2{.depth = 5, .characterId = 1}},
    {"PlaceObject2 identity matrix",
     26,
     {0x06, 0x00, 0x00, 0x02, 0x00, 0x00},
     PlaceObject2{.depth = 0, .characterId = 2, .matrix = Matrix{}}},
    // A rectangle (0, 0)-(100, 100) rotated by 90 degrees about its centre.
    {"PlaceObject2 rotation matrix",
     26,
     {0x06, 0x01, 0x00, 0x01, 0x00, 0x84, 0xC9, 0x00, 0x00, 0xC0, 0x00, 0x10, 0xC8, 0x00},
     PlaceObject2{.depth = 1,
                  .characterId = 1,
                  .matrix = Matrix{.scale = std::pair{0, 0},
                                   .rotateSkew = std::pair{65536, -65536},
                                   .translateX = 100,
                                   .translateY = 0}}},
    {"PlaceObject2 every flag but clip actions",
     26,
     {0x7F, 0x02, 0x00, 0x03, 0x00, 0xC8, 0x80, 0x00, 0xC0, 0x00, 0x07,
      0xD8, 0xA0, 0xE9, 0x00, 0x20, 0x30, 0x03, 0xFF, 0xFF, 0x00, 0x06,
      0x4E, 0x70, 0x07, 0x00, 0x61, 0x62, 0x00, 0x09, 0x00},
     PlaceObject2{
         .move = true,
         .depth = 2,
         .characterId = 3,
         .matrix =
             Matrix{.scale = std::pair{0x8000, -0x10000}, .translateX = -20, .translateY = 40},
         .colorTransform =
             ColorTransformWithAlpha{std::array{256, 128, -256, 255}, std::array{-1, 0, 100, -100}},
         .ratio = 7,
         .name = "ab",
         .clipDepth = 9}},
    {"PlaceObject2 move only", 26, {0x01, 0x04, 0x00}, PlaceObject2{.move = true, .depth = 4}},
    {"DoAction empty", 12, {0x00}, DoAction{}},
    {"DoAction stop and play",
     12,
     {0x07, 0x06, 0x00},
     DoAction{{ActionRecord{0x07}, ActionRecord{0x06}}}},
    {"DoAction GotoFrame",
     12,
     {0x81, 0x02, 0x00, 0x05, 0x00, 0x00},
     DoAction{{ActionRecord{0x81, {0x05, 0x00}, ActionGotoFrame{5}}}}},
    // An 8-byte URL and the empty target.
    {"DoAction GetURL", 12, Concat({{0x83, 0x0A, 0x00}, Text("http://x"), {0x00, 0x00, 0x00}}),
     DoAction{{ActionRecord{0x83, Concat({Text("http://x"), {0x00, 0x00}}),
                            ActionGetUrl{"http://x", ""}}}}},
    {"DoAction GetURL with target", 12,
     Concat({{0x83, 0x07, 0x00}, Text("a.b"), {0x00}, Text("_t"), {0x00, 0x00}}),
     DoAction{{ActionRecord{0x83, Concat({Text("a.b"), {0x00}, Text("_t"), {0x00}}),
                            ActionGetUrl{"a.b", "_t"}}}}},
    {"DoAction unknown long action kept raw",
     12,
     {0x8C, 0x01, 0x00, 0x2A, 0x04, 0x00},
     DoAction{{ActionRecord{0x8C, {0x2A}}, ActionRecord{0x04}}}},
    {"DefineShape3 rectangle", 32, RectangleShapeBody(), RectangleShape()},
    {"DefineShape3 gradients, bitmap, every record", 32, GradientShapeBody(), GradientShape()},
    {"DefineShape3 without styles", 32, UnstyledShapeBody(), UnstyledShape()},
    {"unknown tag kept raw", UnassignedCode, {'l', 0}, UnknownTag{UnassignedCode, {'l', 0}}},
};

class RecordDecoding : public testing::TestWithParam<RecordCase> {};

TEST_P(RecordDecoding, DecodesTheBody) {
    const RecordCase& recordCase = GetParam();
    Tag tag = DecodeTag(TagBytes(recordCase.code, recordCase.body));
    EXPECT_EQ(tag.code, recordCase.code);
    EXPECT_EQ(tag.length, recordCase.body.size());
    EXPECT_EQ(tag.record, recordCase.expected);
}

TEST_P(RecordDecoding, DecodesTheSameBodyUnderALongHeader) {
    const RecordCase& recordCase = GetParam();
    Tag tag = DecodeTag(TagBytes(recordCase.code, recordCase.body, HeaderForm::Long));
    EXPECT_TRUE(tag.longHeader);
    EXPECT_EQ(tag.record, recordCase.expected);
}

INSTANTIATE_TEST_SUITE_P(Swf, RecordDecoding, testing::ValuesIn(RecordCases),
                         [](const testing::TestParamInfo<RecordCase>& info) {
                             return TestNameOf(info.param.name);
                         });

TEST(RecordAccess, AsGivesTheRecordOfItsTypeOnly) {
    Tag tag = DecodeTag(TagBytes(5, {0x03, 0x00, 0x02, 0x00}));
    ASSERT_NE(As<RemoveObject>(tag), nullptr);
    EXPECT_EQ(As<RemoveObject>(tag)->depth, 2);
    EXPECT_EQ(As<PlaceObject2>(tag), nullptr);
}

} // namespace
} // namespace swftest
