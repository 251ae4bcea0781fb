#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "viewer/swf/ControlTags.h"
#include "viewer/swf/DoAction.h"
#include "viewer/swf/PlaceObject2.h"
#include "viewer/swf/Shape.h"
#include "writer/WriterTest_support.h"
#include "writer/interactive/swfAction.h"
#include "writer/objects/swfObject.h"

namespace quillot {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::WriteAndDecode;
using test::WriteMovieBytes;

const Bytes kWhiteMovie{0x46, 0x57, 0x53, 0x05, 0x1F, 0x00, 0x00, 0x00, 0x88, 0x00, 0x00,
                        0x55, 0xF0, 0x00, 0x00, 0x0F, 0xA0, 0x00, 0x00, 0x0C, 0x01, 0x00,
                        0x43, 0x02, 0xFF, 0xFF, 0xFF, 0x40, 0x00, 0x00, 0x00};

TEST(swfMovie, WritesTheWhiteBackgroundMovieByteForByte) {
    swfMovie movie;
    movie.SetFrameBkColor(255, 255, 255);
    EXPECT_EQ(WriteMovieBytes(movie), kWhiteMovie);
}

TEST(swfMovie, EmptyMovieIsHeaderAndEndOnly) {
    swfMovie movie;
    movie.GotoFrame(10); // selecting a frame adds nothing
    const Bytes bytes = WriteMovieBytes(movie);
    ASSERT_EQ(bytes.size(), 24u);
    EXPECT_EQ(bytes[4], 24);
    EXPECT_EQ(bytes[20], 0); // frame count
    EXPECT_EQ(bytes[22], 0);
    EXPECT_EQ(bytes[23], 0);
}

TEST(swfMovie, StopActionOnTheLastOfNFrames) {
    for (int frames : {2, 5}) {
        swfMovie movie;
        swfAction stop;
        stop.MakeActionStop();
        movie.SetFrameBkColor(255, 255, 255);
        movie.GotoFrame(frames - 1);
        movie.AddAction(&stop);
        const Bytes bytes = WriteMovieBytes(movie);

        // Up to the background colour; then one ShowFrame per frame before the last.
        Bytes expected(kWhiteMovie.begin(), kWhiteMovie.end() - 4);
        for (int i = 0; i < frames - 1; ++i) {
            expected.insert(expected.end(), {0x40, 0x00});
        }
        expected.insert(expected.end(), {0x02, 0x03, 0x07, 0x00, 0x40, 0x00, 0x00, 0x00});
        const auto length = static_cast<std::uint8_t>(31 + 2 * (frames - 1) + 4);
        expected[4] = length;
        expected[20] = static_cast<std::uint8_t>(frames);
        EXPECT_EQ(bytes, expected) << frames << " frames";
    }
}

TEST(swfMovie, FrameRateKeepsItsLowEightBits) {
    swfMovie movie;
    movie.SetFrameRate(300);
    const Bytes bytes = WriteMovieBytes(movie);
    EXPECT_EQ(bytes[18], 0);
    EXPECT_EQ(bytes[19], 44);
}

TEST(swfMovie, StageBeyondSeventeenBitsWidensTheHeaderRectangle) {
    swfMovie movie;
    movie.SetSize(100000, 6400);
    movie.SetFrameBkColor(0, 0, 0);
    const swf::Movie decoded = WriteAndDecode(movie);
    EXPECT_EQ(decoded.header.frameRect, (swf::Rect{0, 100000, 0, 6400}));
    EXPECT_EQ(decoded.header.frameCount, 1);
}

TEST(swfMovie, FramesThatCannotExistAcceptNothing) {
    for (int index : {-1, -1000, 65535}) {
        swfMovie movie;
        swfObject rectangle;
        rectangle.MakeRectangle(0, 0, 100, 100);
        movie.GotoFrame(index);
        EXPECT_EQ(movie.AddObject(&rectangle), S_FALSE);
        EXPECT_EQ(movie.SetFrameBkColor(1, 2, 3), S_FALSE);
        EXPECT_EQ(movie.RemoveObject(&rectangle), S_FALSE);
        EXPECT_EQ(WriteMovieBytes(movie).size(), 24u) << "frame " << index;
    }
}

TEST(swfMovie, FinalDepthsFollowRequestedDepths) {
    swfMovie movie;
    swfObject objects[3];
    const int requested[3] = {5, 1, 5};
    for (int i = 0; i < 3; ++i) {
        objects[i].MakeRectangle(0, 0, 10 * (i + 1), 10);
        objects[i].SetDepth(requested[i]);
        movie.AddObject(&objects[i]);
    }
    const swf::Movie decoded = WriteAndDecode(movie);
    std::vector<std::uint16_t> depths;
    for (const auto* place : swf::RecordsOf<swf::PlaceObject2>(decoded)) {
        depths.push_back(place->depth);
    }
    EXPECT_EQ(depths, (std::vector<std::uint16_t>{1, 0, 2}));
}

TEST(swfMovie, RemovalTakesTheDepthOfItsPlacement) {
    swfMovie movie;
    swfObject back, front;
    back.MakeRectangle(0, 0, 10, 10);
    back.SetDepth(0x10005); // only the low 16 bits count: 5
    front.MakeRectangle(0, 0, 20, 20);
    front.SetDepth(6);
    movie.AddObject(&front);
    movie.AddObject(&back);
    movie.GotoFrame(3);
    movie.RemoveObject(&front);
    const swf::Movie decoded = WriteAndDecode(movie);
    const auto places = swf::RecordsOf<swf::PlaceObject2>(decoded);
    const auto removals = swf::RecordsOf<swf::RemoveObject>(decoded);
    ASSERT_EQ(places.size(), 2u);
    ASSERT_EQ(removals.size(), 1u);
    EXPECT_EQ(places[0]->depth, 1); // front
    EXPECT_EQ(places[1]->depth, 0); // back
    EXPECT_EQ(removals[0]->depth, 1);
    EXPECT_EQ(removals[0]->characterId, *places[0]->characterId);
    EXPECT_EQ(decoded.header.frameCount, 4);
}

// At the depth a never-placed character asks for there may be another
// object, which a removal would take off the stage.
TEST(swfMovie, RemovingWhatWasNeverPlacedWritesNothing) {
    swfMovie movie;
    swfObject placed, neverPlaced;
    placed.MakeRectangle(0, 0, 10, 10);
    neverPlaced.MakeRectangle(0, 0, 10, 10);
    movie.AddObject(&placed);
    movie.GotoFrame(1);
    movie.RemoveObject(&neverPlaced);
    EXPECT_TRUE(test::WrittenRecords<swf::RemoveObject>(movie).empty());
}

// Identifiers start again with every movie, so a removal naming a character of
// an earlier movie, or coming before the placement, would take another object
// off the stage.
TEST(swfMovie, RemovalsOfWhatIsNotOnTheStageAreNotWritten) {
    swfMovie movie;
    swfObject earlier, current;
    earlier.MakeRectangle(0, 0, 10, 10);
    movie.AddObject(&earlier);
    WriteMovieBytes(movie);

    current.MakeRectangle(0, 0, 20, 20);
    movie.GotoFrame(5);
    movie.AddObject(&current);
    movie.GotoFrame(2);
    movie.RemoveObject(&current); // before its placement
    movie.GotoFrame(6);
    movie.RemoveObject(&earlier); // placed only in the earlier movie
    EXPECT_TRUE(test::WrittenRecords<swf::RemoveObject>(movie).empty());
}

TEST(swfMovie, IdentifiersStartAgainAfterEachWrittenMovie) {
    swfMovie movie;
    swfObject rectangle;
    rectangle.MakeRectangle(0, 0, 10, 10);
    movie.AddObject(&rectangle);
    WriteMovieBytes(movie);

    swfObject other;
    other.MakeRectangle(0, 0, 5, 5);
    movie.AddObject(&other);
    const auto shapes = test::WrittenRecords<swf::DefineShape3>(movie);
    ASSERT_EQ(shapes.size(), 1u); // the first rectangle stays defined
    EXPECT_EQ(shapes[0].shapeId, 1);
}

TEST(swfMovie, UnwritableFileIsReportedAndKeepsTheOldMovie) {
    test::ScratchFolder folder;
    const auto path = (folder / "card.swf");
    std::ofstream(path) << "old movie";

    swfMovie movie;
    swfObject rectangle;
    rectangle.MakeRectangle(0, 0, 10, 10);
    movie.AddObject(&rectangle);
    // A folder in place of the file's parent cannot take the file.
    const auto blocked = (folder / "card.swf") / "inner.swf";
    EXPECT_EQ(movie.WriteMovie(blocked.string()), STG_E_CANTSAVE);
    EXPECT_NE(movie.LastError().find("inner.swf"), std::string::npos);
    EXPECT_EQ(test::ReadBytes(path), (Bytes{'o', 'l', 'd', ' ', 'm', 'o', 'v', 'i', 'e'}));
    EXPECT_EQ(movie.Model().FrameCount(), 0); // discarded all the same

    // The counter was not reset: the next definition continues from 1.
    swfObject next;
    next.MakeRectangle(0, 0, 5, 5);
    movie.AddObject(&next);
    const auto shapes = test::WrittenRecords<swf::DefineShape3>(movie);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].shapeId, 2);
}

// Identifiers and depths have 16 bits; a movie needing more would show the
// wrong objects, so it is refused with a reason and the next one starts clean.
TEST(swfMovie, MoviesBeyondSixteenBitLimitsAreRefused) {
    struct Case {
        const char* what;
        int objects;
        int placementsEach;
    };
    // Never removed, so all of them are on the stage at once.
    for (const Case& c : {Case{"too many placements", 2, 32769}, Case{"too many definitions", 65536, 1}}) {
        swfMovie movie;
        std::vector<swfObject> objects(static_cast<std::size_t>(c.objects));
        for (auto& object : objects) {
            object.MakePolygon(0, 0);
            for (int frame = 0; frame < c.placementsEach; ++frame) {
                movie.GotoFrame(frame);
                movie.AddObject(&object);
            }
        }
        test::ScratchFolder folder;
        EXPECT_EQ(movie.WriteMovie((folder / "big.swf").string()), STG_E_CANTSAVE) << c.what;
        EXPECT_FALSE(std::filesystem::exists(folder / "big.swf")) << c.what;
        EXPECT_NE(movie.LastError().find("65"), std::string::npos) << movie.LastError();

        swfObject next;
        next.MakeRectangle(0, 0, 5, 5);
        movie.AddObject(&next);
        const auto shapes = test::WrittenRecords<swf::DefineShape3>(movie);
        ASSERT_EQ(shapes.size(), 1u) << c.what;
        EXPECT_EQ(shapes[0].shapeId, 1) << c.what;
    }
}

// More placements than depths: objects that are never on the stage together
// share depths, and those that are keep the order they asked for.
TEST(swfMovie, PlacementsBeyondTheDepthRangeShareDepthsInOrder) {
    constexpr int kObjects = 3, kFrames = 25000;
    swfMovie movie;
    swfObject objects[kObjects];
    for (int i = 0; i < kObjects; ++i) {
        objects[i].MakeRectangle(0, 0, 10 * (i + 1), 10);
        objects[i].SetDepth(kObjects - i); // drawn back to front: 2, 1, 0
    }
    for (int frame = 0; frame < kFrames; ++frame) {
        movie.GotoFrame(frame);
        for (auto& object : objects) {
            if (frame > 0) {
                movie.RemoveObject(&object);
            }
            movie.AddObject(&object);
        }
    }
    const swf::Movie decoded = test::WriteAndDecode(movie);

    // Play the display list: every placement finds its depth free, every
    // removal takes off what it names, and the stage keeps the asked order.
    std::map<std::uint16_t, std::uint16_t> stage; // depth -> character
    std::map<std::uint16_t, int> requested;       // character -> asked depth
    for (int i = 0; i < kObjects; ++i) {
        requested[static_cast<std::uint16_t>(i + 1)] = kObjects - i;
    }
    for (const swf::Tag& tag : decoded.tags) {
        if (const auto* place = swf::As<swf::PlaceObject2>(tag)) {
            ASSERT_FALSE(stage.count(place->depth)) << "depth " << place->depth << " is taken";
            stage[place->depth] = *place->characterId;
        } else if (const auto* remove = swf::As<swf::RemoveObject>(tag)) {
            ASSERT_EQ(stage[remove->depth], remove->characterId);
            stage.erase(remove->depth);
        } else if (swf::As<swf::ShowFrame>(tag)) {
            int previous = 0;
            for (const auto& [depth, character] : stage) {
                ASSERT_LE(previous, requested[character]);
                previous = requested[character];
            }
        }
    }
    EXPECT_EQ(stage.size(), static_cast<std::size_t>(kObjects));
}

TEST(swfMovie, MakeMovieWritesAFreshFileInTheTemporaryFolder) {
    test::ScratchFolder folder;
    swfMovie movie;
    movie.SetTempDir(folder.Path().string() + "/");
    movie.SetFrameBkColor(255, 255, 255);
    ASSERT_EQ(movie.MakeMovie(), S_OK);

    std::string name;
    movie.get_filename(name);
    EXPECT_NE(name, "test.swf");
    EXPECT_EQ(std::filesystem::path(name).extension(), ".swf");
    std::vector<std::uint8_t> content;
    EXPECT_EQ(movie.get_Content(content), S_OK);
    Bytes expected = kWhiteMovie;
    expected.push_back(0);
    EXPECT_EQ(content, expected);

    movie.DeleteTempFile();
    EXPECT_EQ(movie.get_Content(content), S_FALSE);
    EXPECT_TRUE(content.empty());
}

TEST(swfMovie, MakeMovieWithoutATemporaryFolderFails) {
    swfMovie movie;
    movie.SetTempDir("/nonexistent-folder-of-joyvane/");
    EXPECT_EQ(movie.MakeMovie(), E_POINTER);
}

TEST(swfMovie, ObjectsOfOtherLibrariesAreRefused) {
    swfMovie movie;
    swfObject empty;
    EXPECT_EQ(movie.AddObject(nullptr), E_POINTER);
    EXPECT_EQ(movie.AddAction(nullptr), E_POINTER);
    EXPECT_EQ(movie.AddObject(&empty), S_OK); // not made: ignored
    EXPECT_EQ(WriteMovieBytes(movie).size(), 24u);
}

} // namespace
} // namespace quillot
