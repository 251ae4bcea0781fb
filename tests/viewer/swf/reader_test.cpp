// The bounded bit and byte reader.
#include "viewer/swf/ReadError.h"
#include "viewer/swf/Reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using swf::Reader;
using Bytes = std::vector<uint8_t>;

TEST(Reader, ReadsLittleEndianIntegers) {
    Bytes bytes{0x01, 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF};
    Reader reader(bytes, 0);
    EXPECT_EQ(reader.U8(), 0x01);
    EXPECT_EQ(reader.U16(), 0x1234);
    EXPECT_EQ(reader.U32(), 0x12345678u);
    EXPECT_EQ(reader.S16(), -2);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(Reader, ReadsFixedPointRaw) {
    Bytes bytes{0x80, 0x0C, 0x00, 0x80, 0x01, 0x00};
    Reader reader(bytes, 0);
    EXPECT_EQ(reader.Fixed8(), 0x0C80);   // 12.5
    EXPECT_EQ(reader.Fixed16(), 0x18000); // 1.5
}

TEST(Reader, ReadsBitsMostSignificantFirst) {
    Bytes bytes{0b10110010, 0b01111111};
    Reader reader(bytes, 0);
    EXPECT_EQ(reader.Bits(1), 1u);
    EXPECT_EQ(reader.Bits(3), 0b011u);
    EXPECT_EQ(reader.Bits(6), 0b001001u); // crosses the byte boundary
    EXPECT_EQ(reader.Bits(0), 0u);
    EXPECT_EQ(reader.Bits(6), 0b111111u);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(Reader, ReadsSignedBitFields) {
    Bytes bytes{0b11101000, 0b10000000, 0xFF, 0xFF, 0xFF, 0xFF};
    Reader reader(bytes, 0);
    EXPECT_EQ(reader.SignedBits(1), -1);
    EXPECT_EQ(reader.SignedBits(3), -2); // 110
    EXPECT_EQ(reader.SignedBits(4), -8); // 1000
    EXPECT_EQ(reader.SignedBits(2), -2); // 10
    EXPECT_EQ(reader.SignedBits(0), 0);
    reader.Align();
    EXPECT_EQ(reader.SignedBits(32), -1);
}

TEST(Reader, AlignsBeforeByteReadsAndOnRequest) {
    Bytes bytes{0b10000000, 0x42, 0b01000000, 0x43};
    Reader reader(bytes, 0);
    EXPECT_EQ(reader.Bits(1), 1u);
    EXPECT_EQ(reader.U8(), 0x42);
    EXPECT_EQ(reader.Bits(2), 0b01u);
    reader.Align();
    reader.Align(); // aligning twice skips nothing more
    EXPECT_EQ(reader.U8(), 0x43);
}

TEST(Reader, ReadsNullTerminatedStrings) {
    Bytes bytes{'a', 'b', 0, 0, 'c', 0};
    Reader reader(bytes, 0);
    EXPECT_EQ(reader.String(), "ab");
    EXPECT_EQ(reader.String(), "");
    EXPECT_EQ(reader.String(), "c");
    EXPECT_TRUE(reader.AtEnd());
}

TEST(Reader, SubReaderIsBoundedToItsLength) {
    Bytes bytes{1, 2, 3, 4, 5};
    Reader outer(bytes, 10);
    outer.U8();
    Reader inner = outer.Sub(2, 26);
    EXPECT_EQ(outer.U8(), 4); // the outer reader skipped the sub-reader's bytes
    EXPECT_EQ(inner.U8(), 2);
    EXPECT_EQ(inner.U8(), 3);
    try {
        inner.U8();
        FAIL() << "read past the window";
    } catch (const swf::ReadError& error) {
        EXPECT_EQ(error.tagCode(), 26);
        EXPECT_EQ(error.offset(), 13u);
    }
}

TEST(Reader, EveryReadPastTheEndIsAnError) {
    Bytes bytes{0xAB};
    std::vector<std::function<void(Reader&)>> reads{
        [](Reader& reader) { reader.U16(); },
        [](Reader& reader) { reader.U32(); },
        [](Reader& reader) { reader.Bits(9); },
        [](Reader& reader) { reader.SignedBits(16); },
        [](Reader& reader) { reader.String(); },
        [](Reader& reader) { reader.Bytes(2); },
        [](Reader& reader) { reader.Sub(2, 1); },
        [](Reader& reader) {
            reader.U8();
            reader.Bits(1);
        },
    };
    for (const auto& read : reads) {
        Reader reader(bytes, 0);
        EXPECT_THROW(read(reader), swf::ReadError);
    }
}

TEST(Reader, RefusesBitFieldsWiderThan32) {
    Bytes bytes(8, 0);
    Reader reader(bytes, 0);
    EXPECT_THROW(reader.Bits(33), swf::ReadError);
}

TEST(Reader, ErrorWithoutTagHasNoTagCode) {
    Bytes bytes{};
    Reader reader(bytes, 7);
    try {
        reader.U8();
        FAIL();
    } catch (const swf::ReadError& error) {
        EXPECT_FALSE(error.tagCode().has_value());
        EXPECT_EQ(error.offset(), 7u);
    }
}

} // namespace
