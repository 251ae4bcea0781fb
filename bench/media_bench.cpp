// Media in movies: ADPCM encoding of a minute of CD-rate stereo sound, and
// embedding a large JPEG picture, which must be spliced into the output
// rather than copied into the file buffer.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <vector>

#include "writer/bitmap/DefineBitsJpeg2Tag.h"
#include "writer/movie/swfMovie.h"
#include "writer/objects/swfObject.h"
#include "writer/sound/AdpcmEncoder.h"

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr std::size_t kFrames = 60 * kRate;
constexpr std::size_t kJpegBytes = 5u << 20;

std::vector<std::int16_t> MinuteOfStereo() {
    std::vector<std::int16_t> samples;
    samples.reserve(kFrames * kChannels);
    for (std::size_t i = 0; i < kFrames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        samples.push_back(static_cast<std::int16_t>(12000 * std::sin(2 * std::numbers::pi * 220 * t) *
                                                    std::sin(2 * std::numbers::pi * 0.5 * t)));
        samples.push_back(static_cast<std::int16_t>(9000 * std::sin(2 * std::numbers::pi * 331 * t)));
    }
    return samples;
}

void BM_AdpcmEncodeMinuteOfStereo(benchmark::State& state) {
    const std::vector<std::int16_t> samples = MinuteOfStereo();
    std::size_t encodedBytes = 0;
    for (auto _ : state) {
        quillot::AdpcmEncoder encoder(kChannels);
        // In pieces of one block, as sound files are read.
        for (std::size_t at = 0; at < samples.size(); at += quillot::AdpcmEncoder::kBlockFrames * kChannels) {
            const std::size_t count = std::min(samples.size() - at, quillot::AdpcmEncoder::kBlockFrames * kChannels);
            encoder.Encode({samples.data() + at, count});
        }
        encodedBytes = encoder.Finish().Bytes().size();
        benchmark::DoNotOptimize(encodedBytes);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(samples.size()) * state.iterations());
    state.counters["encoded_MB"] = static_cast<double>(encodedBytes) / 1e6;
}
BENCHMARK(BM_AdpcmEncodeMinuteOfStereo)->Unit(benchmark::kMillisecond);

std::filesystem::path ScratchPath(const char* name) {
    return std::filesystem::temp_directory_path() / name;
}

// A picture file, a rectangle filled with it, and the movie written to disk.
void BM_EmbedFiveMegabyteJpeg(benchmark::State& state) {
    const auto picture = ScratchPath("joyvane-media-bench.jpg");
    const auto output = ScratchPath("joyvane-media-bench.swf");
    std::vector<char> bytes(kJpegBytes, '\x5A');
    std::ofstream(picture, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    for (auto _ : state) {
        quillot::swfObject object;
        object.MakePicture(0, 0, 19999, 14999, 1000, 750, picture.string());
        quillot::swfMovie movie;
        movie.AddObject(&object);
        movie.WriteMovie(output.string());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(kJpegBytes) * state.iterations());

    // What the picture's tag puts into the file buffer itself.
    quillot::TagBuffer buffer;
    quillot::DefineBitsJpeg2Tag(std::make_shared<const std::vector<std::uint8_t>>(kJpegBytes)).Write(buffer);
    state.counters["buffer_bytes"] = static_cast<double>(buffer.Bytes().size());
    std::filesystem::remove(picture);
    std::filesystem::remove(output);
}
BENCHMARK(BM_EmbedFiveMegabyteJpeg)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
