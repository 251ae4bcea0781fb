// Late binding must give exactly the movie the C++ interface gives: the
// argument conversion is the only place where the two paths differ.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "SampleScene.h"
#include "ServerLibrary.h"
#include "writer/com/automation/Identifiers.h"

using namespace quillot;
using namespace quillot::com;

namespace {

const ServerLibrary* g_library = nullptr;

DispatchObject CreateFromLibrary(const char* className) {
    const std::string name = className;
    return g_library->Create(name == "swfMovie"    ? CLSID_swfMovie
                             : name == "swfObject" ? CLSID_swfObject
                                                   : CLSID_swfAction);
}

class LateBindingTest : public ::testing::Test {
protected:
    void SetUp() override { g_library = &m_library; }
    void TearDown() override { g_library = nullptr; }
    std::filesystem::path Output(const char* name) const { return m_library.ConfigFolder() / name; }

    ServerLibrary m_library;
};

TEST_F(LateBindingTest, SceneByNameFromCppIsByteIdenticalToDirectCalls) {
    WriteSceneDirect(Output("direct.swf"));
    WriteSceneLateBound(&CreateFromLibrary, Output("late.swf"));
    const std::string direct = ReadBytes(Output("direct.swf"));
    ASSERT_GT(direct.size(), 100u);
    EXPECT_EQ(direct, ReadBytes(Output("late.swf")));
}

TEST_F(LateBindingTest, SceneByNameFromPythonIsByteIdenticalToDirectCalls) {
    ASSERT_EQ(m_library.Library().RegisterServer(), S_OK);
    WriteSceneDirect(Output("direct.swf"));
    const auto script = std::filesystem::path(__FILE__).parent_path() / "python" / "sample_scene.py";
    const std::string command =
        PythonCommand() + " '" + script.string() + "' '" + Output("python.swf").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(ReadBytes(Output("direct.swf")), ReadBytes(Output("python.swf")));
}

// Each row: what the caller passes to Translate, and what the writer must
// see. Halves go to the even neighbour.
struct RoundingCase {
    double x, y;
    int expectedX, expectedY;
};

void PrintTo(const RoundingCase& rounding, std::ostream* out) {
    *out << rounding.x << "," << rounding.y;
}

class RoundingTest : public LateBindingTest, public ::testing::WithParamInterface<RoundingCase> {};

TEST_P(RoundingTest, RealArgumentsRoundHalfToEven) {
    const RoundingCase& rounding = GetParam();
    for (const bool lateBound : {false, true}) {
        DispatchObject movie = m_library.Create(CLSID_swfMovie);
        DispatchObject shape = m_library.Create(CLSID_swfObject);
        shape.Call("MakeRectangle", {0, 0, 100, 100});
        if (lateBound) {
            ASSERT_EQ(shape.Call("Translate", {rounding.x, rounding.y}), S_OK);
        } else {
            shape.Call("Translate", {rounding.expectedX, rounding.expectedY});
        }
        movie.Call("AddObject", {shape.Object()});
        movie.Call("WriteMovie", {Output(lateBound ? "late.swf" : "exact.swf").c_str()});
    }
    EXPECT_EQ(ReadBytes(Output("exact.swf")), ReadBytes(Output("late.swf")));
}

INSTANTIATE_TEST_SUITE_P(Halves, RoundingTest,
                         ::testing::Values(RoundingCase{2.5, 3.5, 2, 4},
                                           RoundingCase{-2.5, -3.5, -2, -4},
                                           RoundingCase{0.5, 1.5, 0, 2},
                                           RoundingCase{2.4999, -2.5001, 2, -3}));

} // namespace
