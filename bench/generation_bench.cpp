// Generation runs on every edit, so the time of one MakeSwf (compiling the
// open card and writing its movie) is the editor's responsiveness.
#include "editor/generation/ClockRandomSource.h"
#include "editor/generation/HeadlessHost.h"
#include "editor/generation/QuillotPool.h"
#include "editor/generation/TFlashCard.h"

#include "editor/document/CardDocument.h"
#include "editor/document/MediaFilePath.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace joyvane;

const std::filesystem::path TemplateFolder = std::filesystem::path(JOYVANE_DATA_DIR) / "template";

// A working folder of its own for one benchmark, removed afterwards.
class BenchFolder {
public:
    BenchFolder()
        : m_path(std::filesystem::temp_directory_path() /
                 ("joyvane-generation-bench-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~BenchFolder() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void AddPicture(CardDocument& document, std::int32_t width, std::int32_t height,
                const std::filesystem::path& jpeg, const char* effect) {
    TXMLObj object = document.CreateObject(ObjectKind::Pic, 0);
    TXMLObjPic picture = object.ObjType().ObjPic();
    picture.SetContent(jpeg.string());
    picture.SetWidth(width);
    picture.SetHeight(height);
    picture.SetEffectName(effect);
    std::filesystem::copy_file(jpeg, MediaFilePath(document.DocumentFolder(), object.ObjName(), ".jpg"),
                               std::filesystem::copy_options::overwrite_existing);
}

void AddText(CardDocument& document, const std::string& content, const char* effect) {
    TXMLObjText text = document.CreateObject(ObjectKind::Text, 0).ObjType().ObjText();
    text.SetContent(content);
    text.SetFontName("DejaVu Sans");
    text.SetEffectName(effect);
}

void RunMakeSwf(benchmark::State& state, CardDocument& document, const BenchFolder& folder) {
    ClockRandomSource random;
    HeadlessHost host;
    TFlashCard driver(document, std::make_unique<QuillotPool>(), random, host);
    const std::filesystem::path movie = folder.Path() / "movie.swf";
    for (auto _ : state)
        driver.MakeSwf(movie);
    state.counters["movie_bytes"] = static_cast<double>(std::filesystem::file_size(movie));
}

void BirthdayTemplate(benchmark::State& state) {
    BenchFolder folder;
    CardDocument document(folder.Path());
    document.Open(TemplateFolder / "normal.jvd");
    RunMakeSwf(state, document, folder);
}
BENCHMARK(BirthdayTemplate)->Unit(benchmark::kMillisecond);

// Ten 127-character texts animated character by character, half swinging for
// 241 frames and half coming in, and ten zooming pictures.
void BusyCard(benchmark::State& state) {
    BenchFolder folder;
    CardDocument document(folder.Path());
    document.NewFromTemplate(TemplateFolder / "blank.jvd");
    const std::string line(127, 'W');
    for (int index = 0; index < 10; ++index) {
        AddText(document, line, index % 2 == 0 ? "Sin" : "Come In");
        AddPicture(document, 160, 120, TemplateFolder / "Pic_1.jpg", "Zoom In");
    }
    RunMakeSwf(state, document, folder);
}
BENCHMARK(BusyCard)->Unit(benchmark::kMillisecond);

// The largest picture the picture import makes.
void LargePicture(benchmark::State& state) {
    BenchFolder folder;
    const std::filesystem::path jpeg = folder.Path() / "large.jpg";
    const std::string command = "convert -size 800x600 plasma:fractal -quality 75 '" + jpeg.string() + "'";
    if (std::system(command.c_str()) != 0) {
        state.SkipWithError("ImageMagick's convert could not draw the 800 x 600 picture");
        return;
    }
    CardDocument document(folder.Path());
    document.NewFromTemplate(TemplateFolder / "blank.jvd");
    AddPicture(document, 800, 600, jpeg, "-- None --");
    RunMakeSwf(state, document, folder);
}
BENCHMARK(LargePicture)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
