#include <gtest/gtest.h>

#include <ostream>

#include <fstream>
#include <functional>

#include "writer/WriterTest_support.h"
#include "writer/sound/WavBuilder.h"
#include "writer/sound/WavFile.h"

namespace quillot {
namespace {

struct WavCase {
    const char* name;
    std::function<void(test::WavBuilder&)> change;
    // Expectations for an accepted file.
    bool accepted;
    std::uint8_t rateCode = 0;
    std::uint32_t frames = 0;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const WavCase& testCase, std::ostream* out) { *out << testCase.name; }

class WavFiles : public testing::TestWithParam<WavCase> {};

// Four frames of 16-bit mono unless a case changes it.
TEST_P(WavFiles, AreReadStrictly) {
    const WavCase& wavCase = GetParam();
    test::WavBuilder builder;
    builder.Samples16({0, 100, -100, 200});
    wavCase.change(builder);
    test::ScratchFolder folder;
    WavFile file(builder.WriteTo(folder / "sound.wav"));
    if (!wavCase.accepted) {
        EXPECT_EQ(file.GetStatus(), WavFile::Status::Unsupported);
        return;
    }
    ASSERT_EQ(file.GetStatus(), WavFile::Status::Ready);
    EXPECT_EQ(file.Format().rateCode, wavCase.rateCode);
    EXPECT_EQ(file.FrameCount(), wavCase.frames);
    std::vector<std::int16_t> samples;
    EXPECT_TRUE(file.ReadFrames(1000, samples));
    EXPECT_EQ(samples.size(), wavCase.frames * static_cast<std::size_t>(file.Format().Channels()));
}

void Rate(test::WavBuilder& b, std::uint32_t rate) { b.sampleRate = rate; }

INSTANTIATE_TEST_SUITE_P(
    WavFile, WavFiles,
    testing::Values(
        WavCase{"Rate5000", [](auto& b) { Rate(b, 5000); }, true, 0, 4},
        WavCase{"Rate8000PlaysAs5k", [](auto& b) { Rate(b, 8000); }, true, 0, 4},
        WavCase{"Rate11025", [](auto& b) { Rate(b, 11025); }, true, 1, 4},
        WavCase{"Rate22050", [](auto& b) { Rate(b, 22050); }, true, 2, 4},
        WavCase{"Rate44999", [](auto& b) { Rate(b, 44999); }, true, 3, 4},
        WavCase{"Rate32000", [](auto& b) { Rate(b, 32000); }, false},
        WavCase{"Rate48000", [](auto& b) { Rate(b, 48000); }, false},
        WavCase{"Rate4999", [](auto& b) { Rate(b, 4999); }, false},
        WavCase{"StereoHalvesTheFrames", [](auto& b) { b.channels = 2; }, true, 2, 2},
        WavCase{"EightBit", [](auto& b) { b.Samples8({128, 0, 255}); }, true, 2, 3},
        WavCase{"PartialFrameLeftOut", [](auto& b) { b.data.push_back(7); }, true, 2, 4},
        WavCase{"RiffSizeOf4GB", [](auto& b) { b.riffSize = 0xFFFFFFFF; }, true, 2, 4},
        // The later of two format chunks holds.
        WavCase{"TwoFormatChunks", [](auto& b) { b.chunksBeforeFormat = test::Chunk("fmt ", {1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, 1, 0, 8, 0}); }, true, 2, 4},
        WavCase{"FloatFormat", [](auto& b) { b.formatTag = 3; }, false},
        WavCase{"TwentyFourBit", [](auto& b) { b.bitsPerSample = 24; }, false},
        WavCase{"ThreeChannels", [](auto& b) { b.channels = 3; }, false},
        WavCase{"NoChannels", [](auto& b) { b.channels = 0; }, false},
        WavCase{"ListChunkBeforeData", [](auto& b) { b.chunksAfterFormat = test::Chunk("LIST", {1, 2, 3, 4}); }, false},
        WavCase{"FactChunkBeforeData", [](auto& b) { b.chunksAfterFormat = test::Chunk("fact", {4, 0, 0, 0}); }, false},
        WavCase{"DataBeforeFormat", [](auto& b) { b.dataBeforeFormat = true; }, false},
        WavCase{"DataLargerThanTheFile", [](auto& b) { b.dataSize = 9; }, false},
        WavCase{"DataOf4GB", [](auto& b) { b.dataSize = 0xFFFFFFF0; }, false},
        WavCase{"RiffEndingAtTheFormat", [](auto& b) { b.riffSize = 4 + 8 + 16; }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WavFile, RefusesWhatIsNoWaveFile) {
    test::ScratchFolder folder;
    auto bytes = test::WavBuilder{}.Samples16({1, 2}).Bytes();
    const std::vector<std::pair<std::size_t, char>> damages = {{0, 'X'}, {8, 'X'}};
    for (const auto& [offset, value] : damages) {
        auto damaged = bytes;
        damaged[offset] = static_cast<std::uint8_t>(value);
        const auto path = (folder / "damaged.wav");
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(damaged.data()),
                                                    static_cast<std::streamsize>(damaged.size()));
        EXPECT_EQ(WavFile(path).GetStatus(), WavFile::Status::Unsupported) << offset;
    }
    // Every prefix of a valid file is refused before a sample is read.
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const auto path = (folder / "short.wav");
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(length));
        EXPECT_EQ(WavFile(path).GetStatus(), WavFile::Status::Unsupported) << length;
    }
    EXPECT_EQ(WavFile(folder / "missing.wav").GetStatus(), WavFile::Status::CannotOpen);
    EXPECT_EQ(WavFile(folder.Path()).GetStatus(), WavFile::Status::CannotOpen);
}

} // namespace
} // namespace quillot
