// joyvane-cli dump, and the program's command dispatch.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace clitest {
namespace {

using Bytes = std::vector<uint8_t>;

// Two frames: background, the default rectangle (0, 0, 100, 50) placed with a
// 90-degree rotation matrix, a stop action; then its removal.
const Bytes FixtureMovie{
    0x46, 0x57, 0x53, 0x05, 0x5D, 0x00, 0x00, 0x00,             // FWS 5, 93 bytes
    0x88, 0x00, 0x00, 0x55, 0xF0, 0x00, 0x00, 0x0F, 0xA0, 0x00, // stage 11000 x 8000
    0x00, 0x0C, 0x02, 0x00,                                     // 12 fps, 2 frames
    0x43, 0x02, 0x10, 0x20, 0x30,                               // SetBackgroundColor
    0x20, 0x08,                                                 // DefineShape3, 32 bytes
    0x01, 0x00, 0x40, 0x03, 0x20, 0x01, 0x90, 0x01, 0x00, 0xFF, 0xFF, 0xFF,
    0xFF, 0x01, 0x14, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x11, 0x34, 0x27, 0xB0,
    0xCB, 0xAA, 0xCF, 0x62, 0x6F, 0x56, 0x68, 0x00, 0x8E, 0x06, // PlaceObject2, 14 bytes
    0x06, 0x01, 0x00, 0x01, 0x00, 0x84, 0xC9, 0x00, 0x00, 0xC0, 0x00, 0x10,
    0xC8, 0x00, 0x02, 0x03, 0x07, 0x00, // DoAction: stop
    0x40, 0x00,                         // ShowFrame
    0x44, 0x01, 0x01, 0x00, 0x01, 0x00, // RemoveObject 1, depth 1
    0x40, 0x00,                         // ShowFrame
    0x00, 0x00};                        // End

bool HasLine(const std::vector<std::string>& lines, const std::string& wanted) {
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

TEST(CliDump, PrintsTheHeaderAndTheTagsByFrame) {
    ASSERT_EQ(FixtureMovie.size(), 93u);
    ScratchFolder scratch;
    CliResult result = RunCli({"dump", scratch.Write("card.swf", FixtureMovie).string()});
    ASSERT_EQ(result.exitStatus, 0) << result.error;
    EXPECT_EQ(result.error, "");
    auto lines = result.outLines();
    std::vector<std::string> header(lines.begin(),
                                    lines.begin() + std::min<size_t>(6, lines.size()));
    EXPECT_EQ(header, (std::vector<std::string>{"signature FWS", "version 5", "length 93 bytes",
                                                "stage 0..11000 x 0..8000 twips", "frame rate 12",
                                                "frame count 2"}));
    EXPECT_TRUE(HasLine(lines, "frame 0:"));
    EXPECT_TRUE(HasLine(lines, "  SetBackgroundColor #102030"));
    EXPECT_TRUE(HasLine(
        lines, "  DefineShape3 id 1 bounds (0..100, 0..50) fills [solid #FFFFFFFF] lines "
               "[20 #000000FF] bits 1/1 records: style move (0,0)/1 fill1 1 line 1; "
               "line (101,0)/8 horizontal; line (0,51)/7 vertical; line (-101,0)/8 horizontal; "
               "line (0,-51)/7 vertical; end"))
        << result.out;
    EXPECT_TRUE(HasLine(lines, "  PlaceObject2 depth 1 character 1 matrix "
                               "[scale 0 0; rotate 65536 -65536; translate 100 0]"))
        << result.out;
    EXPECT_TRUE(HasLine(lines, "  DoAction Stop"));
    EXPECT_TRUE(HasLine(lines, "frame 1:"));
    EXPECT_TRUE(HasLine(lines, "  RemoveObject character 1 depth 1"));
    EXPECT_EQ(lines.back(), "end");
}

TEST(CliDump, TruncatedMovieFailsWithOneLine) {
    ScratchFolder scratch;
    Bytes truncated(FixtureMovie.begin(), FixtureMovie.begin() + 50);
    CliResult result = RunCli({"dump", scratch.Write("cut.swf", truncated).string()});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "");
    ASSERT_EQ(result.errorLines().size(), 1u) << result.error;
    EXPECT_NE(result.error.find("truncated"), std::string::npos) << result.error;
}

TEST(CliDump, DamagedTagFailsWithOneLineNamingTheTag) {
    ScratchFolder scratch;
    Bytes damaged = FixtureMovie;
    damaged[27] = 0x3E; // DefineShape3 declares 62 bytes: more than the movie holds
    damaged[28] = 0x08;
    CliResult result = RunCli({"dump", scratch.Write("bad.swf", damaged).string()});
    EXPECT_EQ(result.exitStatus, 1);
    ASSERT_EQ(result.errorLines().size(), 1u) << result.error;
    EXPECT_NE(result.error.find("DefineShape3"), std::string::npos) << result.error;
}

TEST(CliDump, MissingFileFailsWithOneLine) {
    CliResult result = RunCli({"dump", "/nonexistent/joyvane/card.swf"});
    EXPECT_EQ(result.exitStatus, 1);
    ASSERT_EQ(result.errorLines().size(), 1u) << result.error;
    EXPECT_NE(result.error.find("cannot open"), std::string::npos) << result.error;
}

TEST(CliDump, WrongArgumentCountIsAUsageError) {
    EXPECT_EQ(RunCli({"dump"}).exitStatus, 2);
    EXPECT_EQ(RunCli({"dump", "a.swf", "b.swf"}).exitStatus, 2);
}

TEST(CliProgram, HelpListsTheSubcommands) {
    CliResult result = RunCli({"--help"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(result.out.find("dump MOVIE.swf"), std::string::npos) << result.out;
}

TEST(CliProgram, UnknownCommandOrNoneIsAUsageError) {
    CliResult unknown = RunCli({"frobnicate"});
    EXPECT_EQ(unknown.exitStatus, 2);
    EXPECT_EQ(unknown.errorLines().size(), 1u);
    EXPECT_EQ(RunCli({}).exitStatus, 2);
}

} // namespace
} // namespace clitest
