// joyvane-cli compile: a saved card into a movie, without touching an open
// editor's working files.
#include "CliRunner.h"

#include "viewer/swf/Movie.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace clitest {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string Card(const std::string& stage) {
    return "<?xml version=\"1.0\"?>\n<Movie>" + stage + "<Loop>True</Loop></Movie>\n";
}

const std::string GoodStage =
    "<BgColor>16777215</BgColor><Width>390</Width><Height>320</Height><Rate>15</Rate>";

std::string ReadWhole(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

TEST(CliCompile, WritesTheMovieBesideTheCardOrWhereAsked) {
    ScratchFolder scratch;
    const auto card = scratch.Write("blank.jvd", Bytes(Card(GoodStage)));
    CliResult beside = RunCli({"compile", card.string()});
    ASSERT_EQ(beside.exitStatus, 0) << beside.error;
    const auto movieFile = scratch.Path() / "blank.swf";
    EXPECT_EQ(beside.out, "wrote " + movieFile.string() + " (1 frames, 31 bytes)\n");
    const swf::Movie movie = swf::ReadMovieFile(movieFile);
    EXPECT_EQ(movie.header.frameRect.xmax, 7800);
    EXPECT_EQ(movie.header.frameRect.ymax, 6400);
    EXPECT_EQ(movie.header.frameRate, 15 << 8);

    const auto chosen = scratch.Path() / "chosen.swf";
    CliResult asked = RunCli({"compile", card.string(), "-o", chosen.string()});
    ASSERT_EQ(asked.exitStatus, 0) << asked.error;
    EXPECT_TRUE(std::filesystem::is_regular_file(chosen));
}

TEST(CliCompile, BrokenCardsFailWithOneLineNamingTheFault) {
    const struct {
        const char* name;
        std::string card;
        std::string fault;
    } cases[] = {
        {"not XML", "Happy Birthday", "is not a card"},
        {"no width", Card("<BgColor>0</BgColor><Height>3</Height><Rate>1</Rate>"), "Movie/Width"},
        {"no colour", Card("<BgColor>pink</BgColor><Width>3</Width><Height>3</Height><Rate>1</Rate>"),
         "Movie/BgColor"},
        {"bad font size",
         Card(GoodStage + "<Obj><ObjName>T</ObjName><StartTime>0</StartTime><EndTime>1</EndTime>"
                          "<Layer>2</Layer><ObjTypeName>Text</ObjTypeName><ObjType><ObjText>"
                          "<FontSize>big</FontSize></ObjText></ObjType></Obj>"),
         "Movie/Obj/ObjType/ObjText/"},
    };
    for (const auto& c : cases) {
        ScratchFolder scratch;
        const auto card = scratch.Write("card.jvd", Bytes(c.card));
        CliResult result = RunCli({"compile", card.string()});
        EXPECT_EQ(result.exitStatus, 1) << c.name;
        ASSERT_EQ(result.errorLines().size(), 1u) << c.name << result.error;
        EXPECT_NE(result.error.find(c.fault), std::string::npos) << c.name << result.error;
        EXPECT_FALSE(std::filesystem::exists(scratch.Path() / "card.swf")) << c.name;
    }
}

TEST(CliCompile, RefusesAWrongCommandLine) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"compile"}, {"compile", "a.jvd", "b.jvd"}, {"compile", "-o"},
          {"compile", "a.jvd", "-o", "x.swf", "-o", "y.swf"}})
        EXPECT_EQ(RunCli(arguments).exitStatus, 2);
}

TEST(CliCompile, LeavesTheEditorsWorkingFilesAlone) {
    ScratchFolder scratch;
    ScratchFolder temp;
    temp.Write("Untitled.jvd", Bytes("the open card"));
    temp.Write("Untitled.swf", Bytes("the open movie"));
    const auto card = scratch.Write("card.jvd", Bytes(Card(GoodStage)));
    ::setenv("temp", temp.Path().c_str(), 1);
    CliResult result = RunCli({"compile", card.string()});
    ::unsetenv("temp");
    ASSERT_EQ(result.exitStatus, 0) << result.error;
    EXPECT_EQ(ReadWhole(temp.Path() / "Untitled.jvd"), "the open card");
    EXPECT_EQ(ReadWhole(temp.Path() / "Untitled.swf"), "the open movie");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()), {}), 2);
}

} // namespace
} // namespace clitest
