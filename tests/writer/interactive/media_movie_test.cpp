// A movie holding every kind of media and interactive tag, read back by the
// reading library: whole, printed as the dump shows it, and damaged.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "viewer/swf/Button.h"
#include "viewer/swf/ReadError.h"
#include "writer/WriterTest_support.h"
#include "writer/interactive/swfAction.h"
#include "writer/objects/swfObject.h"
#include "writer/sound/WavBuilder.h"

namespace quillot {
namespace {

std::vector<std::uint8_t> MediaMovie() {
    test::ScratchFolder folder;
    const auto picturePath = (folder / "p.jpg");
    std::ofstream(picturePath, std::ios::binary) << "\xFF\xD8 not really a picture \xFF\xD9";
    test::WavBuilder wav;
    wav.Samples16({0, 500, 1000, 500, 0, -500});

    swfObject picture, sound, field, shape, button;
    picture.MakePicture(0, 0, 399, 199, 20, 10, picturePath.string());
    sound.MakeSound(wav.WriteTo(folder / "s.wav"));
    field.MakeEditText(0, 0, 2000, 400, "Type here");
    shape.MakeCircle(100, 100, 50);
    button.MakeButtonSimple(&shape, 40, 40, 40, 0, -40, -40, -40, 0);
    swfAction go, stop;
    go.MakeActionGotoURLTarget("http://example.org", "_blank");
    stop.MakeActionStop();
    button.QueueEvent(&go, 2);
    button.QueueEvent(&stop, 9);

    swfMovie movie;
    for (swfObject* object : {&picture, &sound, &field, &button}) {
        movie.AddObject(object);
    }
    movie.GotoFrame(1);
    movie.AddAction(&stop);
    return test::WriteMovieBytes(movie);
}

TEST(MediaMovie, ReadsBackAndPrintsEveryTag) {
    const swf::Movie movie = swf::ReadMovie(MediaMovie());
    std::ostringstream dump;
    for (const swf::Tag& tag : movie.tags) {
        dump << tag.record << "\n";
    }
    for (const char* line : {"DefineBitsJPEG2 id 1, 32 byte(s) of image data: FF D9 FF D8",
                             "SoundStreamHead playback 22050 Hz 16-bit mono, stream ADPCM 5512 Hz 16-bit mono",
                             "DefineSound id 2 ADPCM 22050 Hz 16-bit mono, 6 sample(s)",
                             "StartSound id 2 no-multiple",
                             "DefineEditText id 4 bounds", "flags 84 28 color #000000FF",
                             "variable \"TextField_0_0_2000_400_1\" text \"Type here\"",
                             "DefineButton2 id 6; up character 5 depth 1",
                             "on 0x0081: GetURL \"http://example.org\" target \"_blank\" Stop"}) {
        EXPECT_NE(dump.str().find(line), std::string::npos) << line << "\nin\n" << dump.str();
    }
}

TEST(MediaMovie, DamagedOrCutShortGivesAReadError) {
    const auto bytes = MediaMovie();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        const std::vector<std::uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(swf::ReadMovie(prefix), swf::ReadError) << "prefix " << size;
    }
    const swf::Movie movie = swf::ReadMovie(bytes);
    for (const swf::Tag& tag : movie.tags) {
        if (swf::As<swf::DefineButton2>(tag)) {
            auto damaged = bytes;
            ++damaged[tag.offset + (tag.longHeader ? 6 : 2) + 3]; // the action offset
            EXPECT_THROW(swf::ReadMovie(damaged), swf::ReadError);
        }
    }
}

} // namespace
} // namespace quillot
