"""Tests of the Python client against the built library, registered with
joyvane-cli in a private configuration folder.

Usage: test_quillot.py BIN_FOLDER
"""

import os
import subprocess
import sys
import tempfile
import unittest

BIN = sys.argv.pop(1)
CONFIG = tempfile.TemporaryDirectory(prefix="quillot-python-test-")
os.environ["XDG_CONFIG_HOME"] = CONFIG.name
sys.path.insert(0, os.path.join(BIN, "python"))

import quillot  # noqa: E402

DISP_E_OVERFLOW = 0x8002000A
CO_E_CLASSSTRING = 0x800401F3


def setUpModule():
    subprocess.run([os.path.join(BIN, "joyvane-cli"), "register"], check=True, stdout=subprocess.DEVNULL)


class ClientTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.folder.cleanup()

    def path(self, name):
        return os.path.join(self.folder.name, name)

    def write(self, build, name):
        movie = quillot.create("Quillot.swfMovie")
        shape = quillot.create("Quillot.swfObject")
        build(movie, shape)
        movie.WriteMovie(self.path(name))
        with open(self.path(name), "rb") as written:
            return written.read()

    def test_set_size_by_name_after_registration(self):
        def build(movie, shape):
            movie.SetSize(7800, 6400)
        stage = self.write(build, "stage.swf")[8:18]
        self.assertEqual(stage, self.write(lambda m, s: m.setsize(7800.0, 6400.0), "again.swf")[8:18])
        self.assertNotEqual(stage, self.write(lambda m, s: None, "default.swf")[8:18])

    def test_reals_round_half_to_even(self):
        for real, exact in [((2.5, 3.5), (2, 4)), ((-2.5, -3.5), (-2, -4))]:
            def build(values):
                def place(movie, shape):
                    shape.MakeRectangle(0, 0, 100, 100)
                    shape.Translate(*values)
                    movie.AddObject(shape)
                return place
            self.assertEqual(self.write(build(real), "real.swf"), self.write(build(exact), "exact.swf"), real)

    def test_byte_out_of_range_fails_and_leaves_the_movie_alone(self):
        movie = quillot.create("Quillot.swfMovie")
        with self.assertRaises(quillot.QuillotError) as failure:
            movie.SetFrameBkColor(0, 256, 0)
        self.assertEqual(failure.exception.hresult, DISP_E_OVERFLOW)
        self.assertEqual(failure.exception.argument, 1)
        movie.WriteMovie(self.path("empty.swf"))
        self.assertEqual(os.path.getsize(self.path("empty.swf")), 24)

    def test_properties_and_file_contents(self):
        movie = quillot.create("Quillot.swfMovie")
        shape = quillot.create("Quillot.swfObject")
        self.assertEqual(movie.filename, "test.swf")
        movie.filename = "ignored.swf"
        self.assertEqual(movie.FileName, "test.swf")
        self.assertEqual(shape.ObjectType, 0)
        shape.MakeOval(0, 0, 10, 10)
        self.assertEqual(shape.objecttype, 3340)
        movie.WriteMovie(self.path("movie.swf"))
        with open(self.path("movie.swf"), "rb") as written:
            self.assertEqual(movie.ReadFileContent(self.path("movie.swf")), written.read() + b"\0")
        self.assertIsNone(movie.ReadFileContent(self.path("missing.swf")))

    def test_errors(self):
        movie = quillot.create("Quillot.swfMovie")
        with self.assertRaises(AttributeError):
            movie.NoSuchOperation()
        with self.assertRaises(quillot.QuillotError) as failure:
            quillot.create("Quillot.NoSuchClass")
        self.assertEqual(failure.exception.hresult, CO_E_CLASSSTRING)
        with self.assertRaises(quillot.QuillotError):
            movie.AddObject(quillot.create("Quillot.swfAction"))
        with self.assertRaises(TypeError):
            movie.SetSize([1], 2)


if __name__ == "__main__":
    unittest.main()
