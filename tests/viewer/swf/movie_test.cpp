// Whole movies: frames, record look-up, files.
#include "SwfFixtures.h"

#include "viewer/swf/Movie.h"
#include "viewer/swf/ReadError.h"

#include <gtest/gtest.h>

#include <fstream>

namespace swftest {
namespace {

TEST(Movie, GroupsTagsByFrame) {
    swf::Movie movie = swf::ReadMovie(SmallMovie());
    auto frames = swf::TagsByFrame(movie);
    ASSERT_EQ(frames.size(), 2u);
    ASSERT_EQ(frames[0].size(), 4u);
    EXPECT_NE(swf::As<swf::SetBackgroundColor>(*frames[0][0]), nullptr);
    EXPECT_NE(swf::As<swf::DefineShape3>(*frames[0][1]), nullptr);
    EXPECT_NE(swf::As<swf::PlaceObject2>(*frames[0][2]), nullptr);
    EXPECT_TRUE(frames[0][3]->longHeader);
    ASSERT_EQ(frames[1].size(), 3u);
    EXPECT_EQ(frames[1][2]->code, UnassignedCode);
}

TEST(Movie, StopActionInTheLastFrameOfAnNFrameMovie) {
    // Background, N-1 ShowFrames, 02 03 07 00, ShowFrame, End.
    constexpr int N = 4;
    Bytes tags = TagBytes(9, {255, 255, 255});
    for (int frame = 0; frame < N - 1; ++frame) {
        tags = Concat({tags, TagBytes(1, {})});
    }
    tags = Concat({tags, {0x02, 0x03, 0x07, 0x00}, TagBytes(1, {}), TagBytes(0, {})});
    Bytes bytes = MovieBytes(tags, N);
    EXPECT_EQ(bytes.size(), 31u + 2 * (N - 1) + 4);
    swf::Movie movie = swf::ReadMovie(bytes);
    auto frames = swf::TagsByFrame(movie);
    ASSERT_EQ(frames.size(), size_t{N});
    EXPECT_TRUE(frames[1].empty());
    ASSERT_EQ(frames[N - 1].size(), 1u);
    EXPECT_EQ(frames[N - 1][0]->record,
              (swf::Record{swf::DoAction{{swf::ActionRecord{swf::ActionCode::Stop}}}}));
}

TEST(Movie, TagsAfterTheLastShowFrameFormALastGroup) {
    swf::Movie movie = swf::ReadMovie(
        MovieBytes(Concat({TagBytes(1, {}), TagBytes(9, {1, 2, 3}), TagBytes(0, {})}), 1));
    auto frames = swf::TagsByFrame(movie);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_TRUE(frames[0].empty());
    EXPECT_EQ(frames[1].size(), 1u);
}

TEST(Movie, RecordsOfCollectsOneType) {
    swf::Movie movie = swf::ReadMovie(SmallMovie());
    EXPECT_EQ(swf::RecordsOf<swf::DefineShape3>(movie).size(), 2u);
    EXPECT_EQ(swf::RecordsOf<swf::RemoveObject>(movie).size(), 1u);
    EXPECT_EQ(swf::RecordsOf<swf::ShowFrame>(movie).size(), 2u);
}

TEST(Movie, ReadsAFile) {
    auto path = std::filesystem::temp_directory_path() / "joyvane_reader_movie_test.swf";
    Bytes bytes = SmallMovie();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    EXPECT_EQ(swf::ReadMovieFile(path), swf::ReadMovie(bytes));
    std::filesystem::remove(path);
}

TEST(Movie, MissingFileOrFolderIsAnError) {
    EXPECT_THROW(swf::ReadMovieFile("/nonexistent/joyvane/movie.swf"), std::runtime_error);
    EXPECT_THROW(swf::ReadMovieFile(std::filesystem::temp_directory_path()), std::runtime_error);
}

} // namespace
} // namespace swftest
