#include <gtest/gtest.h>

#include <ostream>

#include <fstream>

#include "viewer/swf/Bitmap.h"
#include "viewer/swf/Shape.h"
#include "viewer/swf/Sound.h"
#include "writer/WriterTest_support.h"
#include "writer/bitmap/DefineBitsJpeg2Tag.h"
#include "writer/bitmap/JpegFile.h"
#include "writer/objects/swfObject.h"

namespace quillot {
namespace {

// The writer embeds pictures without decoding them, so any bytes will do;
// these begin and end like a JPEG stream.
std::vector<std::uint8_t> PictureBytes(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    bytes[0] = 0xFF;
    bytes[1] = 0xD8;
    return bytes;
}

std::string WritePicture(const test::ScratchFolder& folder, std::size_t size) {
    const auto path = (folder / "picture.jpg");
    const auto bytes = PictureBytes(size);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

const swf::BitmapFill& BitmapStyle(const swf::DefineShape3& shape, std::size_t index) {
    return std::get<swf::BitmapFill>(shape.styles.fillStyles.at(index));
}

TEST(Bitmap, PictureStretchesTheImageOverItsRectangle) {
    test::ScratchFolder folder;
    swfObject picture;
    ASSERT_EQ(picture.MakePicture(0, 0, 1999, 999, 100, 50, WritePicture(folder, 300)), S_OK);
    std::int16_t kind = 0;
    picture.get_ObjectType(kind);
    EXPECT_EQ(kind, 3390);

    swfMovie movie;
    movie.AddObject(&picture);
    const swf::Movie decoded = test::WriteAndDecode(movie);
    const auto jpegs = swf::RecordsOf<swf::DefineBitsJpeg2>(decoded);
    const auto shapes = swf::RecordsOf<swf::DefineShape3>(decoded);
    ASSERT_EQ(jpegs.size(), 1u);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(decoded.tags[0].code, 21) << "the image precedes the shape that shows it";

    const swf::DefineShape3& shape = *shapes[0];
    ASSERT_EQ(shape.styles.fillStyles.size(), 2u);
    EXPECT_TRUE(shape.styles.lineStyles.empty());
    EXPECT_EQ(shape.styles.numFillBits, 2);
    EXPECT_EQ(BitmapStyle(shape, 0).type, swf::FillType::ClippedBitmap);
    EXPECT_EQ(BitmapStyle(shape, 0).bitmapId, 0xFFFF);
    EXPECT_EQ(BitmapStyle(shape, 0).matrix.scale, (std::pair{0xA0000, 0xA0000}));
    const swf::BitmapFill& image = BitmapStyle(shape, 1);
    EXPECT_EQ(image.type, swf::FillType::ClippedBitmap);
    EXPECT_EQ(image.bitmapId, jpegs[0]->characterId);
    EXPECT_EQ(image.matrix, (swf::Matrix{std::pair{0x140000, 0x140000}, std::nullopt, 0, 0}));
    EXPECT_EQ(std::get<swf::StyleChange>(shape.records.at(0)).fillStyle1, 2u);
}

TEST(Bitmap, JpegTagWrapsTheFileAndSplicesItInUncopied) {
    test::ScratchFolder folder;
    const std::string path = WritePicture(folder, 10000);
    swfObject picture;
    picture.MakePicture(0, 0, 99, 99, 10, 10, path);
    swfMovie movie;
    movie.AddObject(&picture);
    const swf::Movie decoded = test::WriteAndDecode(movie);
    const swf::Tag& written = decoded.tags.at(0);
    EXPECT_TRUE(written.longHeader);
    EXPECT_EQ(written.length, 10008u);
    std::vector<std::uint8_t> expected = {0xFF, 0xD9, 0xFF, 0xD8};
    const auto file = PictureBytes(10000);
    expected.insert(expected.end(), file.begin(), file.end());
    expected.insert(expected.end(), {0xFF, 0xD9});
    EXPECT_EQ(swf::As<swf::DefineBitsJpeg2>(written)->imageData, expected);

    auto data = std::make_shared<const std::vector<std::uint8_t>>(file);
    TagBuffer out;
    DefineBitsJpeg2Tag(data).Write(out);
    ASSERT_EQ(out.ExternalBlocks().size(), 1u);
    EXPECT_EQ(out.ExternalBlocks()[0].data, data->data()) << "the file's bytes must not be copied";
    EXPECT_LT(out.Bytes().size(), 16u);
}

struct PictureFailure {
    const char* name;
    std::int32_t bitmapX, bitmapY;
    enum class File { Valid, Missing, Folder, Oversized } file;
    HRESULT result;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const PictureFailure& testCase, std::ostream* out) { *out << testCase.name; }

class PictureFailures : public testing::TestWithParam<PictureFailure> {};

TEST_P(PictureFailures, LeaveTheObjectEmpty) {
    const PictureFailure& failure = GetParam();
    test::ScratchFolder folder;
    std::string path = WritePicture(folder, 64);
    if (failure.file == PictureFailure::File::Missing) {
        path = (folder / "missing.jpg").string();
    } else if (failure.file == PictureFailure::File::Folder) {
        path = folder.Path().string();
    } else if (failure.file == PictureFailure::File::Oversized) {
        // Sparse: the size lies far beyond the limit without using the disk.
        std::filesystem::resize_file(path, kMaxJpegFileBytes + 1);
    }
    swfObject picture;
    picture.MakeRectangle(0, 0, 10, 10);
    EXPECT_EQ(picture.MakePicture(0, 0, 100, 100, failure.bitmapX, failure.bitmapY, path), failure.result);
    std::int16_t kind = -1;
    picture.get_ObjectType(kind);
    EXPECT_EQ(kind, 0);

    swfMovie movie;
    EXPECT_EQ(movie.AddObject(&picture), S_OK);
    EXPECT_TRUE(test::WriteAndDecode(movie).tags.size() == 1) << "nothing but End";
}

INSTANTIATE_TEST_SUITE_P(
    Bitmap, PictureFailures,
    testing::Values(PictureFailure{"MissingFile", 10, 10, PictureFailure::File::Missing, S_FALSE},
                    PictureFailure{"Folder", 10, 10, PictureFailure::File::Folder, S_FALSE},
                    PictureFailure{"OversizedFile", 10, 10, PictureFailure::File::Oversized, E_INVALIDARG},
                    PictureFailure{"ZeroWidth", 0, 10, PictureFailure::File::Valid, E_INVALIDARG},
                    PictureFailure{"NegativeHeight", 10, -5, PictureFailure::File::Valid, E_INVALIDARG}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Bitmap, BitmapFillAppliesToShapesOnly) {
    test::ScratchFolder folder;
    const std::string picture = WritePicture(folder, 40);
    swfObject rectangle, sound, empty;
    rectangle.MakeRectangle(0, 0, 99, 99);
    sound.MakeSound(picture); // opens, but is no wave file: a sound without samples
    for (swfObject* object : {&sound, &empty}) {
        std::int16_t before = 0, after = 0;
        object->get_ObjectType(before);
        EXPECT_EQ(object->SetBitmapFillJpeg(10, 10, picture), S_OK);
        object->get_ObjectType(after);
        EXPECT_EQ(before, after);
    }
    EXPECT_EQ(rectangle.SetBitmapFillJpeg(10, 10, (folder / "missing.jpg").string()), S_FALSE);
    EXPECT_EQ(rectangle.SetBitmapFillJpeg(10, 10, picture), S_OK);

    swfMovie movie;
    movie.AddObject(&sound);
    movie.AddObject(&rectangle);
    const swf::Movie decoded = test::WriteAndDecode(movie);
    EXPECT_EQ(swf::RecordsOf<swf::DefineBitsJpeg2>(decoded).size(), 1u);
    EXPECT_EQ(swf::RecordsOf<swf::DefineSound>(decoded).size(), 1u);
    const auto shapes = swf::RecordsOf<swf::DefineShape3>(decoded);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(BitmapStyle(*shapes[0], 1).matrix.scale, (std::pair{10 * 65536, 10 * 65536}));
}

// A shape redefined after a change, even in a later movie, embeds its image
// again: the earlier image may belong to a movie already written.
TEST(Bitmap, RedefinitionEmbedsTheImageAgain) {
    test::ScratchFolder folder;
    swfObject picture;
    picture.MakePicture(0, 0, 199, 199, 10, 10, WritePicture(folder, 50));
    swfMovie movie;
    movie.AddObject(&picture);
    test::WriteMovieBytes(movie);

    picture.SetLineColor(255, 0, 0, 255);
    movie.AddObject(&picture);
    const swf::Movie second = test::WriteAndDecode(movie);
    const auto jpegs = swf::RecordsOf<swf::DefineBitsJpeg2>(second);
    const auto shapes = swf::RecordsOf<swf::DefineShape3>(second);
    ASSERT_EQ(jpegs.size(), 1u);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(jpegs[0]->imageData.size(), 56u);
    EXPECT_EQ(BitmapStyle(*shapes[0], 1).bitmapId, jpegs[0]->characterId);
}

} // namespace
} // namespace quillot
