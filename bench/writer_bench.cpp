// Building and writing a large movie: frames of 100 moving rectangles, each
// placed and removed again on the next frame. 600 frames (60 000 placements)
// fit the depth range with a depth per placement; 1 000 frames make the
// writer share depths between placements that never meet.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "writer/movie/swfMovie.h"
#include "writer/objects/swfObject.h"

namespace {

constexpr int kRectanglesPerFrame = 100;

std::filesystem::path OutputPath() {
    return std::filesystem::temp_directory_path() / "joyvane-writer-bench.swf";
}

void BuildMovie(quillot::swfMovie& movie, std::vector<quillot::swfObject>& rectangles, int frames) {
    for (int frame = 0; frame < frames; ++frame) {
        movie.GotoFrame(frame);
        for (int i = 0; i < kRectanglesPerFrame; ++i) {
            quillot::swfObject& rectangle = rectangles[static_cast<std::size_t>(i)];
            if (frame > 0) {
                movie.RemoveObject(&rectangle);
            }
            rectangle.Translate(frame * 7 + i, frame * 3);
            rectangle.Rotate(frame * 65536);
            rectangle.Scale(0x10000 + frame * 64, 0x10000 - frame * 32);
            movie.AddObject(&rectangle);
        }
    }
}

void BM_BuildAndWriteMovie(benchmark::State& state) {
    const auto frames = static_cast<int>(state.range(0));
    std::vector<quillot::swfObject> rectangles(kRectanglesPerFrame);
    for (int i = 0; i < kRectanglesPerFrame; ++i) {
        auto& rectangle = rectangles[static_cast<std::size_t>(i)];
        rectangle.MakeRectangle(0, 0, 200 + i, 100 + i);
        rectangle.SetDepth(i);
    }
    const std::string path = OutputPath().string();
    std::size_t bytes = 0;
    for (auto _ : state) {
        quillot::swfMovie movie;
        BuildMovie(movie, rectangles, frames);
        movie.WriteMovie(path);
        bytes = std::filesystem::file_size(path);
    }
    const double placements = static_cast<double>(frames) * kRectanglesPerFrame;
    // Shown in seconds per placement (with an SI prefix).
    state.counters["per_placement"] = benchmark::Counter(
        placements, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["output_MB"] = static_cast<double>(bytes) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
    std::filesystem::remove(path);
}
BENCHMARK(BM_BuildAndWriteMovie)->Arg(600)->Arg(1000)->Unit(benchmark::kMillisecond);

// The physical floor: copying the same number of bytes once.
void BM_MemcpyOfMovieSize(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    std::vector<char> from(size, 1), to(size);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), size);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(size) * state.iterations());
}
// Roughly the output size of the movie above; the benchmark prints the exact
// figure as output_MB.
BENCHMARK(BM_MemcpyOfMovieSize)->Arg(1'650'000)->Arg(2'750'000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
