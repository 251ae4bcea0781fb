// Damaged tag bodies: each gives a ReadError naming the tag, never a read
// outside the body.
#include "ShapeFixtures.h"
#include "SwfFixtures.h"

#include "viewer/swf/ReadError.h"
#include "viewer/swf/Reader.h"

#include <gtest/gtest.h>

namespace swftest {
namespace {

struct DamagedCase {
    const char* name;
    uint16_t code;
    Bytes body;
    const char* messagePart;
};

void PrintTo(const DamagedCase& damagedCase, std::ostream* out) {
    *out << damagedCase.name;
}

Bytes WithoutLastByte(Bytes bytes) {
    bytes.pop_back();
    return bytes;
}

Bytes WithFillType(Bytes body, uint8_t type) {
    body[8] = type; // after id (2), RECT (5) and the fill count (1)
    return body;
}

const DamagedCase DamagedCases[] = {
    {"background colour too short", 9, {0x01, 0x02}, "truncated"},
    {"background colour too long", 9, {0x01, 0x02, 0x03, 0x04}, "left over"},
    {"ShowFrame with a body", 1, {0x00}, "left over"},
    {"RemoveObject too short", 5, {0x01, 0x00, 0x02}, "truncated"},
    {"PlaceObject2 with clip actions",
     26,
     {0x82, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00},
     "clip actions"},
    {"PlaceObject2 matrix past the end", 26, {0x06, 0x01, 0x00, 0x01, 0x00, 0xFF}, "truncated"},
    {"PlaceObject2 name without terminator", 26, {0x20, 0x01, 0x00, 'a', 'b'}, "terminating"},
    {"DoAction without end byte", 12, {0x07}, "truncated"},
    {"GotoFrame payload too long", 12, {0x81, 0x03, 0x00, 0x05, 0x00, 0x00, 0x00}, "too many"},
    {"GotoFrame payload too short", 12, {0x81, 0x01, 0x00, 0x05, 0x00}, "truncated"},
    {"action length past the tag", 12, {0x81, 0x10, 0x00, 0x05, 0x00, 0x00}, "truncated"},
    {"GetURL without terminator", 12, {0x83, 0x02, 0x00, 'a', 'b', 0x00}, "terminating"},
    {"unknown fill style type", 32, WithFillType(RectangleShapeBody(), 0x13), "fill style"},
    {"shape without end record", 32, WithoutLastByte(RectangleShapeBody()), "truncated"},
    {"fill count beyond the body", 32, {0x01, 0x00, 0x00, 0x05, 0x00, 0x00}, "truncated"},
    {"extended fill count beyond the body",
     32,
     {0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00},
     "truncated"},
};

class DamagedRecord : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedRecord, GivesAReadErrorInsideTheTag) {
    const DamagedCase& damaged = GetParam();
    Bytes bytes = Concat({TagBytes(damaged.code, damaged.body), TagBytes(1, {})});
    try {
        swf::Reader stream(bytes, 100);
        swf::ReadTag(stream);
        FAIL() << "no error";
    } catch (const swf::ReadError& error) {
        EXPECT_EQ(error.tagCode(), damaged.code);
        // The offset lies inside this tag (the stream starts at 100), never in
        // the ShowFrame after it.
        EXPECT_GE(error.offset(), 100u);
        EXPECT_LE(error.offset(), 100u + 2 + damaged.body.size());
        EXPECT_NE(error.message().find(damaged.messagePart), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Swf, DamagedRecord, testing::ValuesIn(DamagedCases),
                         [](const testing::TestParamInfo<DamagedCase>& info) {
                             return TestNameOf(info.param.name);
                         });

TEST(ReadErrorText, NamesTheTagAndTheOffset) {
    Bytes bytes = TagBytes(5, {0x01});
    swf::Reader stream(bytes, 40);
    try {
        swf::ReadTag(stream);
        FAIL() << "no error";
    } catch (const swf::ReadError& error) {
        std::string text = error.what();
        EXPECT_NE(text.find("tag 5 (RemoveObject)"), std::string::npos) << text;
        EXPECT_NE(text.find("at byte 42"), std::string::npos) << text;
    }
}

} // namespace
} // namespace swftest
