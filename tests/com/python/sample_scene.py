"""Writes the sample scene of the component tests by name through the Python
client, with real numbers where a script computes them; the C++ tests compare
the result with the same scene built through the writer's C++ interface.

Usage: sample_scene.py OUTPUT.swf
"""

import sys

import quillot

FRAMES = 5
DEGREE = 65536


def main(output):
    movie = quillot.create("Quillot.swfMovie")
    oval = quillot.create("Quillot.swfObject")
    outline = quillot.create("Quillot.swfObject")
    rectangle = quillot.create("Quillot.swfObject.1")
    stop = quillot.create("Quillot.swfAction")
    replay = quillot.create("Quillot.swfAction")
    movie.SetSize(7800, 6400)
    movie.setframerate(24.0)
    movie.GotoFrame(0)
    movie.SetFrameBkColor(255, 240, 200)
    rectangle.MakeRectangle(0, 0, 2000, 1000)
    rectangle.SetLineWidth(40)
    rectangle.SetLineColor(10, 20, 30, 255)
    rectangle.SetSolidFill(200.0, 50, 50, 255)
    rectangle.SetDepth(3)
    oval.MakeOval(100, 100, 900, 700)
    oval.SetLinearFill(255, 0, 0, 255, 0, 0, 255, 128)
    oval.SetLinearFillCenter(500, 400)
    outline.MakePolygon(0, 0)
    outline.AddStraightLine(500, 0)
    outline.AddCurvedLine(100, 100, 0, 500)
    outline.AddNewPath(-200, -200)
    outline.AddStraightLine(0, 300)
    outline.SetNoFill()
    movie.AddObject(oval)
    for frame in range(FRAMES):
        movie.GotoFrame(frame)
        if frame > 0:
            movie.RemoveObject(rectangle)
        # Halves, which the library rounds to the even neighbour.
        rectangle.Translate(frame * 100 + 0.5, frame * 50 + 1.5)
        rectangle.Rotate(frame * 15.0 * DEGREE)
        rectangle.Scale((1 + frame * 0.25) * 0x10000, (1 - frame * 0.125) * 0x10000)
        movie.AddObject(rectangle)
    movie.GotoFrame(2)
    movie.AddObject(outline)
    replay.MakeActionGotoFrame(1)
    movie.GotoFrame(3)
    movie.AddAction(replay)
    stop.MakeActionStop()
    movie.GotoFrame(FRAMES - 1)
    movie.AddAction(stop)
    movie.WriteMovie(output)


if __name__ == "__main__":
    main(sys.argv[1])
