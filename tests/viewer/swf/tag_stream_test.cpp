// The tag stream: record headers, unknown tags, End, lying lengths.
#include "SwfFixtures.h"

#include "viewer/swf/Movie.h"
#include "viewer/swf/ReadError.h"

#include <gtest/gtest.h>

namespace swftest {
namespace {

TEST(TagStream, ShortAndLongHeadersAtThe62And63Boundary) {
    struct Case {
        size_t length;
        bool longHeader;
        size_t headerBytes;
    };
    for (Case boundary : {Case{0, false, 2}, Case{62, false, 2}, Case{63, true, 6},
                          Case{64, true, 6}, Case{70000, true, 6}}) {
        Bytes body(boundary.length, 0xAB);
        Bytes tag = TagBytes(UnassignedCode, body);
        ASSERT_EQ(tag.size(), boundary.headerBytes + boundary.length);
        swf::Movie movie = swf::ReadMovie(MovieBytes(Concat({tag, TagBytes(0, {})}), 0));
        ASSERT_EQ(movie.tags.size(), 2u);
        EXPECT_EQ(movie.tags[0].longHeader, boundary.longHeader) << boundary.length;
        EXPECT_EQ(movie.tags[0].length, boundary.length);
        EXPECT_EQ(movie.tags[0].record, (swf::Record{swf::UnknownTag{UnassignedCode, body}}));
        EXPECT_EQ(movie.tags[1].offset, 22 + boundary.headerBytes + boundary.length);
    }
}

TEST(TagStream, TheWhiteBackgroundMovieDecodes) {
    swf::Movie movie = swf::ReadMovie(WhiteBackgroundMovie());
    ASSERT_EQ(movie.tags.size(), 3u);
    EXPECT_EQ(movie.tags[0].record, (swf::Record{swf::SetBackgroundColor{{255, 255, 255}}}));
    EXPECT_EQ(movie.tags[0].offset, 22u);
    EXPECT_EQ(movie.tags[1].code, swf::TagCode::ShowFrame);
    EXPECT_EQ(movie.tags[2].code, swf::TagCode::End);
    EXPECT_EQ(movie.trailingBytes, 0u);
}

TEST(TagStream, AnEmptyMovieIsHeaderAndEnd) {
    // What the writer produces when nothing was added: 24 bytes, no frames.
    Bytes movie = MovieBytes(TagBytes(0, {}), 0);
    ASSERT_EQ(movie.size(), 24u);
    swf::Movie decoded = swf::ReadMovie(movie);
    EXPECT_EQ(decoded.header.frameCount, 0);
    ASSERT_EQ(decoded.tags.size(), 1u);
    EXPECT_TRUE(swf::TagsByFrame(decoded).empty());
}

TEST(TagStream, EndStopsReadingAndLaterBytesAreCounted) {
    Bytes movie = Concat({WhiteBackgroundMovie(), {0xDE, 0xAD}});
    swf::Movie decoded = swf::ReadMovie(movie);
    EXPECT_EQ(decoded.tags.size(), 3u);
    EXPECT_EQ(decoded.trailingBytes, 2u);
}

TEST(TagStream, BytesAfterEndInsideTheFileLengthAreTrailing) {
    Bytes movie = MovieBytes(Concat({TagBytes(0, {}), TagBytes(1, {})}), 0);
    swf::Movie decoded = swf::ReadMovie(movie);
    EXPECT_EQ(decoded.tags.size(), 1u);
    EXPECT_EQ(decoded.trailingBytes, 2u);
}

TEST(TagStream, MissingEndIsAnError) {
    EXPECT_NE(ReadErrorMessage(MovieBytes(TagBytes(1, {}), 1)).find("without an End"),
              std::string::npos);
}

TEST(TagStream, ShortLengthBeyondTheEndIsAnError) {
    // SetBackgroundColor declaring 7 bytes where 3 and the End tag follow.
    Bytes movie = MovieBytes(Concat({{0x47, 0x02, 1, 2, 3}, TagBytes(0, {})}), 0);
    EXPECT_NE(ReadErrorMessage(movie).find("runs past the end"), std::string::npos);
}

TEST(TagStream, HugeLongLengthIsAnErrorNotAnAllocation) {
    for (uint32_t length : {0xFFFFFFFFu, 0x7FFFFFFFu, 1000u}) {
        Bytes tag{0xFF, 0xFF}; // UnassignedCode, long form
        for (int shift = 0; shift < 32; shift += 8) {
            tag.push_back(static_cast<uint8_t>(length >> shift));
        }
        Bytes movie = MovieBytes(Concat({tag, {1, 2, 3}, TagBytes(0, {})}), 0);
        try {
            swf::ReadMovie(movie);
            FAIL() << "no error for length " << length;
        } catch (const swf::ReadError& error) {
            EXPECT_EQ(error.tagCode(), UnassignedCode);
            EXPECT_EQ(error.offset(), 22u);
        }
    }
}

TEST(TagStream, LongHeaderCutOffIsAnError) {
    Bytes movie = MovieBytes({0xFF, 0xFF, 0x01}, 0);
    EXPECT_NE(ReadErrorMessage(movie).find("truncated long tag header"), std::string::npos);
}

TEST(TagStream, ATagCannotReachPastTheFileLength) {
    // The bytes after the declared file length do not belong to the movie.
    Bytes movie = MovieBytes(TagBytes(9, {1, 2, 3}), 0);
    movie.insert(movie.end(), {0, 0});
    EXPECT_NE(ReadErrorMessage(movie).find("without an End"), std::string::npos);
}

} // namespace
} // namespace swftest
