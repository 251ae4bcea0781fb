#include <gtest/gtest.h>

#include "writer/movie/TagBuffer.h"

namespace quillot {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(TagBuffer, PacksBitsMostSignificantFirstAcrossBytes) {
    TagBuffer buffer;
    buffer.WriteBits(0b101, 3);
    buffer.WriteBits(0x1FF, 9);  // spans the byte boundary
    buffer.WriteSignedBits(-1, 2);
    buffer.Align();
    buffer.WriteU16(0x1234);
    EXPECT_EQ(buffer.Bytes(), (Bytes{0b10111111, 0b11111100, 0x34, 0x12}));
}

TEST(TagBuffer, ChoosesShortOrLongHeaderAtSixtyThree) {
    struct Case {
        std::size_t length;
        Bytes expected;
    };
    for (const Case& c : {Case{0, {0x00, 0x01}}, Case{62, {0x3E, 0x01}},
                          Case{63, {0x3F, 0x01, 63, 0, 0, 0}},
                          Case{70000, {0x3F, 0x01, 0x70, 0x11, 0x01, 0x00}}}) {
        TagBuffer buffer;
        buffer.WriteTagHeader(4, c.length);
        EXPECT_EQ(buffer.Bytes(), c.expected) << "length " << c.length;
    }
}

TEST(TagBuffer, SplicesExternalBlocksWithoutCopyingThemIn) {
    const Bytes payload{9, 9, 9};
    TagBuffer body;
    body.WriteU8(1);
    body.AddExternalBlock(payload.data(), payload.size());
    body.WriteU8(2);

    TagBuffer file;
    file.WriteU8(0);
    file.AppendBuffer(body);
    EXPECT_EQ(file.Bytes().size(), 3u);
    EXPECT_EQ(file.TotalLength(), 6u);
    EXPECT_EQ(file.Flatten(), (Bytes{0, 1, 9, 9, 9, 2}));
}

} // namespace
} // namespace quillot
