#include "SampleScene.h"

#include "writer/interactive/swfAction.h"
#include "writer/movie/swfMovie.h"
#include "writer/objects/swfObject.h"

using quillot::com::AutomationValue;
using quillot::com::DispatchObject;

namespace {

constexpr int kFrames = 5;
constexpr int kDegree = 65536;

} // namespace

void WriteSceneDirect(const std::filesystem::path& path) {
    quillot::swfMovie movie;
    quillot::swfObject oval, outline, rectangle;
    quillot::swfAction stop, replay;
    movie.SetSize(7800, 6400);
    movie.SetFrameRate(24);
    movie.GotoFrame(0);
    movie.SetFrameBkColor(255, 240, 200);
    rectangle.MakeRectangle(0, 0, 2000, 1000);
    rectangle.SetLineWidth(40);
    rectangle.SetLineColor(10, 20, 30, 255);
    rectangle.SetSolidFill(200, 50, 50, 255);
    rectangle.SetDepth(3);
    oval.MakeOval(100, 100, 900, 700);
    oval.SetLinearFill(255, 0, 0, 255, 0, 0, 255, 128);
    oval.SetLinearFillCenter(500, 400);
    outline.MakePolygon(0, 0);
    outline.AddStraightLine(500, 0);
    outline.AddCurvedLine(100, 100, 0, 500);
    outline.AddNewPath(-200, -200);
    outline.AddStraightLine(0, 300);
    outline.SetNoFill();
    movie.AddObject(&oval);
    for (int frame = 0; frame < kFrames; ++frame) {
        movie.GotoFrame(frame);
        if (frame > 0) {
            movie.RemoveObject(&rectangle);
        }
        rectangle.Translate(frame * 100, frame * 50 + 2);
        rectangle.Rotate(frame * 15 * kDegree);
        rectangle.Scale(0x10000 + frame * 0x4000, 0x10000 - frame * 0x2000);
        movie.AddObject(&rectangle);
    }
    movie.GotoFrame(2);
    movie.AddObject(&outline);
    replay.MakeActionGotoFrame(1);
    movie.GotoFrame(3);
    movie.AddAction(&replay);
    stop.MakeActionStop();
    movie.GotoFrame(kFrames - 1);
    movie.AddAction(&stop);
    movie.WriteMovie(path.string());
}

void WriteSceneLateBound(ObjectMaker create, const std::filesystem::path& path) {
    DispatchObject movie = create("swfMovie");
    DispatchObject oval = create("swfObject");
    DispatchObject outline = create("swfObject");
    DispatchObject rectangle = create("swfObject");
    DispatchObject stop = create("swfAction");
    DispatchObject replay = create("swfAction");
    movie.Call("SetSize", {7800, 6400});
    movie.Call("setframerate", {24.0});
    movie.Call("GotoFrame", {0});
    movie.Call("SetFrameBkColor", {255, 240, 200});
    rectangle.Call("MakeRectangle", {0, 0, 2000, 1000});
    rectangle.Call("SetLineWidth", {40});
    rectangle.Call("SetLineColor", {10, 20, 30, 255});
    rectangle.Call("SetSolidFill", {200.0, 50, 50, 255});
    rectangle.Call("SetDepth", {3});
    oval.Call("MakeOval", {100, 100, 900, 700});
    oval.Call("SetLinearFill", {255, 0, 0, 255, 0, 0, 255, 128});
    oval.Call("SetLinearFillCenter", {500, 400});
    outline.Call("MakePolygon", {0, 0});
    outline.Call("AddStraightLine", {500, 0});
    outline.Call("AddCurvedLine", {100, 100, 0, 500});
    outline.Call("AddNewPath", {-200, -200});
    outline.Call("AddStraightLine", {0, 300});
    outline.Call("SetNoFill");
    movie.Call("AddObject", {oval.Object()});
    for (int frame = 0; frame < kFrames; ++frame) {
        movie.Call("GotoFrame", {frame});
        if (frame > 0) {
            movie.Call("RemoveObject", {rectangle.Object()});
        }
        // Halves: frame * 100 + 0.5 lies above an even number and rounds
        // down, frame * 50 + 1.5 above an odd one and rounds up.
        rectangle.Call("Translate", {frame * 100 + 0.5, frame * 50 + 1.5});
        rectangle.Call("Rotate", {frame * 15.0 * kDegree});
        rectangle.Call("Scale", {(1 + frame * 0.25) * 0x10000, (1 - frame * 0.125) * 0x10000});
        movie.Call("AddObject", {rectangle.Object()});
    }
    movie.Call("GotoFrame", {2});
    movie.Call("AddObject", {outline.Object()});
    replay.Call("MakeActionGotoFrame", {1});
    movie.Call("GotoFrame", {3});
    movie.Call("AddAction", {replay.Object()});
    stop.Call("MakeActionStop");
    movie.Call("GotoFrame", {kFrames - 1});
    movie.Call("AddAction", {stop.Object()});
    movie.Call("WriteMovie", {path.c_str()});
}
