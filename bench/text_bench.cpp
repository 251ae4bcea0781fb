// Building glyph outlines the way the card generator does on every edit:
// AddGlyph and GetTextWidth of the same string, for one character and for a
// 127-character string, in a Latin and a Chinese face. Cold runs start with
// no open face and no cached outline; warm runs find both cached.
#include <benchmark/benchmark.h>

#include <string>

#include "writer/movie/CharacterIds.h"
#include "writer/objects/swfObject.h"
#include "writer/text/FontRasterizer.h"
#include "writer/text/TextCharacters.h"

namespace {

enum class Cache { Cold, Warm };

std::string Repeat(const std::string& pattern, std::size_t characters) {
    std::string text;
    while (quillot::TextCharacters(text).size() < characters) {
        text += pattern;
    }
    while (quillot::TextCharacters(text).size() > characters) {
        text.pop_back();
    }
    return text;
}

void BuildGlyph(benchmark::State& state, const char* face, const std::string& text, Cache cache) {
    const auto characters = static_cast<double>(quillot::TextCharacters(text).size());
    quillot::swfObject font;
    for (auto _ : state) {
        if (cache == Cache::Cold) {
            state.PauseTiming();
            quillot::FontRasterizer::Instance().ClearCache();
            state.ResumeTiming();
        }
        font.MakeFont(face);
        font.AddGlyph(face, text, 65);
        std::int32_t width = 0;
        font.GetTextWidth(face, text, width);
        benchmark::DoNotOptimize(width);
        quillot::ResetCharacterIds();
    }
    // Seconds per character; the console shows it in the unit of the run.
    state.counters["per_character"] =
        benchmark::Counter(characters, benchmark::Counter::kIsIterationInvariantRate |
                                           benchmark::Counter::kInvert);
}

const std::string kLatin = "Happy birthday, dear friend! ";
const std::string kChinese = "祝你生日快乐，新年快乐，万事如意。";

void BM_LatinOne(benchmark::State& state, Cache cache) { BuildGlyph(state, "Arial", "H", cache); }
void BM_Latin127(benchmark::State& state, Cache cache) {
    BuildGlyph(state, "Arial", Repeat(kLatin, 127), cache);
}
void BM_ChineseOne(benchmark::State& state, Cache cache) { BuildGlyph(state, "宋体", "祝", cache); }
void BM_Chinese127(benchmark::State& state, Cache cache) {
    BuildGlyph(state, "宋体", Repeat(kChinese, 127), cache);
}

} // namespace

BENCHMARK_CAPTURE(BM_LatinOne, cold, Cache::Cold)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LatinOne, warm, Cache::Warm)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Latin127, cold, Cache::Cold)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Latin127, warm, Cache::Warm)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChineseOne, cold, Cache::Cold)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChineseOne, warm, Cache::Warm)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Chinese127, cold, Cache::Cold)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Chinese127, warm, Cache::Warm)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
