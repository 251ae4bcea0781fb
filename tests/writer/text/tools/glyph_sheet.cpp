// glyph-sheet MOVIE.swf OUT.png: paints every static text the movie places
// onto an image of the stage's size and saves it as PNG.
#include <png.h>

#include <cstdio>
#include <exception>
#include <iostream>

#include "GlyphCanvas.h"
#include "TextPainter.h"
#include "viewer/swf/Movie.h"

namespace {

bool SavePng(const quillot::GlyphCanvas& canvas, const char* path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.Width());
    image.height = static_cast<png_uint_32>(canvas.Height());
    image.format = PNG_FORMAT_RGB;
    const int written = png_image_write_to_file(&image, path, 0, canvas.Rgb().data(), 0, nullptr);
    png_image_free(&image);
    return written != 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: glyph-sheet MOVIE.swf OUT.png\n";
        return 2;
    }
    try {
        const swf::Movie movie = swf::ReadMovieFile(argv[1]);
        const swf::Rect& stage = movie.header.frameRect;
        quillot::GlyphCanvas canvas((stage.xmax - stage.xmin) / 20, (stage.ymax - stage.ymin) / 20);
        const int painted = quillot::PaintTexts(movie, canvas);
        if (!SavePng(canvas, argv[2])) {
            std::cerr << "glyph-sheet: cannot write " << argv[2] << "\n";
            return 1;
        }
        std::cout << painted << " text(s) painted\n";
    } catch (const std::exception& error) {
        std::cerr << "glyph-sheet: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
