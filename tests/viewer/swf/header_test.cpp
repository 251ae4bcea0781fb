// The file header: signature, length, frame RECT of any bit count, rate,
// count; compressed (CWS) movies.
#include "SwfFixtures.h"

#include "viewer/swf/Movie.h"
#include "viewer/swf/ReadError.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace swftest {
namespace {

Bytes Compressed(const Bytes& movie, std::optional<uint32_t> lengthField = std::nullopt) {
    uLongf size = compressBound(movie.size() - 8);
    Bytes packed(8 + size);
    std::copy(movie.begin(), movie.begin() + 8, packed.begin());
    packed[0] = 'C';
    EXPECT_EQ(compress(packed.data() + 8, &size, movie.data() + 8, movie.size() - 8), Z_OK);
    packed.resize(8 + size);
    if (lengthField) {
        for (int index = 0; index < 4; ++index) {
            packed[4 + index] = static_cast<uint8_t>(*lengthField >> (8 * index));
        }
    }
    return packed;
}

TEST(Header, ReadsTheWritersHeaderWithA17BitRect) {
    swf::Header header = swf::ReadHeader(WhiteBackgroundMovie());
    EXPECT_EQ(header, (swf::Header{.signature = "FWS",
                                   .version = 5,
                                   .fileLength = 31,
                                   .frameRect = {0, 11000, 0, 8000},
                                   .frameRate = 12 << 8,
                                   .frameCount = 1,
                                   .headerLength = 22}));
}

TEST(Header, ReadsAHeaderWithA20BitRectAndAFractionalRate) {
    // RECT of 20 bits: -1, 400000, -2, 300000 (85 bits, 11 bytes).
    Bytes movie{0x46, 0x57, 0x53, 0x06, 0x19, 0x00, 0x00, 0x00, 0xA7, 0xFF, 0xFF, 0xB0, 0xD4,
                0x07, 0xFF, 0xFF, 0x24, 0x9F, 0x00, 0x80, 0x0C, 0x03, 0x00, 0x00, 0x00};
    swf::Movie decoded = swf::ReadMovie(movie);
    EXPECT_EQ(decoded.header, (swf::Header{.signature = "FWS",
                                           .version = 6,
                                           .fileLength = 25,
                                           .frameRect = {-1, 400000, -2, 300000},
                                           .frameRate = 0x0C80,
                                           .frameCount = 3,
                                           .headerLength = 23}));
    ASSERT_EQ(decoded.tags.size(), 1u);
    EXPECT_EQ(decoded.tags[0].offset, 23u);
}

TEST(Header, ReadsASmallRect) {
    // RECT of 2 bits: 0, 1, 0, 1 (13 bits, 2 bytes): header of 14 bytes.
    Bytes movie{'F', 'W', 'S', 5, 16, 0, 0, 0, 0x10, 0x88, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00};
    swf::Movie decoded = swf::ReadMovie(movie);
    EXPECT_EQ(decoded.header.frameRect, (swf::Rect{0, 1, 0, 1}));
    EXPECT_EQ(decoded.header.headerLength, 14u);
    EXPECT_EQ(decoded.header.frameRate, 0x0100); // 1 fps
}

TEST(Header, RejectsOtherSignatures) {
    EXPECT_NE(ReadErrorMessage({'F', 'W', 'X', 5}).find("signature"), std::string::npos);
    EXPECT_NE(ReadErrorMessage({'Z', 'W', 'S', 13, 0, 0, 0, 0}).find("signature"),
              std::string::npos);
    EXPECT_NE(ReadErrorMessage({}).find("signature"), std::string::npos);
}

TEST(Header, DecompressesACwsMovie) {
    Bytes plain = SmallMovie();
    swf::Movie fromCompressed = swf::ReadMovie(Compressed(plain));
    swf::Movie fromPlain = swf::ReadMovie(plain);
    EXPECT_EQ(fromCompressed.header.signature, "CWS");
    fromCompressed.header.signature = "FWS";
    EXPECT_EQ(fromCompressed, fromPlain);
}

TEST(Header, CwsWhoseStreamIsShorterThanItsLengthIsAnError) {
    Bytes plain = SmallMovie();
    EXPECT_NE(ReadErrorMessage(Compressed(plain, plain.size() + 1000)).find("inflates to"),
              std::string::npos);
}

TEST(Header, CwsClaimingAHugeLengthIsRefusedBeforeInflating) {
    Bytes plain = SmallMovie();
    EXPECT_NE(ReadErrorMessage(Compressed(plain, 0xFFFFFFF0)).find("limit"), std::string::npos);
    EXPECT_NE(ReadErrorMessage(Compressed(plain, swf::MaxInflatedLength + 1)).find("limit"),
              std::string::npos);
}

TEST(Header, CwsStopsInflatingAtItsLength) {
    // A length field shorter than the data: only that much is inflated, so the
    // End tag is cut off.
    Bytes plain = SmallMovie();
    EXPECT_THROW(swf::ReadMovie(Compressed(plain, plain.size() - 2)), swf::ReadError);
}

TEST(Header, TruncatedOrDamagedCwsStreamIsAnError) {
    Bytes packed = Compressed(SmallMovie());
    Bytes truncated(packed.begin(), packed.end() - 10);
    EXPECT_NE(ReadErrorMessage(truncated).find("truncated"), std::string::npos);
    Bytes damaged = packed;
    damaged[8] ^= 0xFF; // the zlib header
    EXPECT_NE(ReadErrorMessage(damaged).find("damaged"), std::string::npos);
    EXPECT_THROW(swf::ReadMovie(Bytes{'C', 'W', 'S', 6}), swf::ReadError);
}

TEST(Header, FileShorterThanItsLengthFieldIsTruncated) {
    Bytes movie = WhiteBackgroundMovie();
    movie[4] = 40;
    EXPECT_NE(ReadErrorMessage(movie).find("truncated"), std::string::npos);
}

TEST(Header, LengthFieldShorterThanTheHeaderIsAnError) {
    Bytes movie = WhiteBackgroundMovie();
    movie[4] = 10;
    EXPECT_NE(ReadErrorMessage(movie).find("shorter than the header"), std::string::npos);
}

} // namespace
} // namespace swftest
