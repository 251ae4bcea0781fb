#pragma once

#include "editor/generation/GenerationHost.h"
#include "editor/generation/HeadlessHost.h"
#include "editor/generation/RandomSource.h"
#include "editor/generation/TFlashCard.h"
#include "editor/generation/WriterPool.h"

#include "editor/document/CardDocument.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace generation_test {

using namespace joyvane;

// One writer call as the writer would have received it, with the movie frame
// that was current when it was made.
struct RecordedCall {
    std::string operation;
    int object = 0; // 1 to 5 for object operations, 0 for the movie
    std::int32_t frame = 0;
    std::vector<std::int64_t> numbers;
    std::string text;
};

// A pool that records the converted calls instead of building a movie. A
// text is as wide as 500 glyph units per character.
class RecordingPool final : public WriterPool {
public:
    static constexpr std::int32_t kCharacterWidth = 500;

    using WriterPool::WriterPool;

    std::vector<RecordedCall> calls;

    // The calls of one operation, in order.
    std::vector<RecordedCall> Of(const std::string& operation) const;
    // The numbers of every call of one operation.
    std::vector<std::vector<std::int64_t>> NumbersOf(const std::string& operation) const;
    // The frames at which `object` was added, in order.
    std::vector<std::int32_t> AddedFrames(int object) const;
    std::vector<std::int32_t> RemovedFrames(int object) const;

protected:
    void CallNewMovie() override { Record("NewMovie", 0, {}); }
    void CallSetSize(std::int32_t cx, std::int32_t cy) override { Record("SetSize", 0, {cx, cy}); }
    void CallSetFrameRate(std::int32_t rate) override { Record("SetFrameRate", 0, {rate}); }
    void CallGotoFrame(std::int32_t frame) override;
    void CallSetFrameBkColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        Record("SetFrameBkColor", 0, {r, g, b});
    }
    void CallAddObject(PoolObject object) override { Record("AddObject", Id(object), {}); }
    void CallRemoveObject(PoolObject object) override { Record("RemoveObject", Id(object), {}); }
    void CallWriteMovie(const std::filesystem::path& file) override {
        Record("WriteMovie", 0, {}, file.string());
    }
    void CallMakeRectangle(PoolObject object, std::int32_t xmin, std::int32_t ymin,
                           std::int32_t xmax, std::int32_t ymax) override {
        Record("MakeRectangle", Id(object), {xmin, ymin, xmax, ymax});
    }
    void CallSetSolidFill(PoolObject object, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                          std::uint8_t a) override {
        Record("SetSolidFill", Id(object), {r, g, b, a});
    }
    void CallTranslate(PoolObject object, std::int32_t x, std::int32_t y) override {
        Record("Translate", Id(object), {x, y});
    }
    void CallRotate(PoolObject object, std::int32_t angle) override {
        Record("Rotate", Id(object), {angle});
    }
    void CallScale(PoolObject object, std::int32_t x, std::int32_t y) override {
        Record("Scale", Id(object), {x, y});
    }
    void CallSetDepth(PoolObject object, std::int32_t depth) override {
        Record("SetDepth", Id(object), {depth});
    }
    void CallMakePicture(PoolObject object, std::int32_t xmin, std::int32_t ymin,
                         std::int32_t xmax, std::int32_t ymax, std::int32_t bitmapWidth,
                         std::int32_t bitmapHeight, const std::string& file) override {
        Record("MakePicture", Id(object), {xmin, ymin, xmax, ymax, bitmapWidth, bitmapHeight},
               file);
    }
    void CallMakeSound(PoolObject object, const std::string& file) override {
        Record("MakeSound", Id(object), {}, file);
    }
    void CallMakeFont(PoolObject object, const std::string& name) override {
        Record("MakeFont", Id(object), {}, name);
    }
    void CallAddGlyph(PoolObject font, const std::string&, const std::string& text,
                      std::int32_t code) override {
        Record("AddGlyph", Id(font), {code}, text);
    }
    void CallMakeText(PoolObject text, const std::string& characters, PoolObject font) override {
        Record("MakeText", Id(text), {Id(font)}, characters);
    }
    std::int32_t CallGetTextWidth(PoolObject font, const std::string&,
                                  const std::string& text) override;

private:
    static int Id(PoolObject object) { return static_cast<int>(object); }
    void Record(std::string operation, int object, std::vector<std::int64_t> numbers,
                std::string text = {});

    std::int32_t m_frame = 0;
};

// Random draws read from a script (0 once it runs out); reseeds are counted.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<int> draws;
    int reseeds = 0;

    void Reseed() override { ++reseeds; }
    int Next(int bound) override;
};

// The fields of a text object in a test card; the defaults are a new text's.
struct TextFields {
    std::string name = "Text_1";
    std::int32_t start = 0;
    std::int32_t end = 9;
    std::string content = "Hi";
    std::string fontName = "DejaVu Sans";
    std::string fontSize = "18";
    std::string fontColor = "16711680";
    std::int32_t x = 50;
    std::int32_t y = 50;
    std::string effect = "-- None --";
    std::int32_t scale = 0, rotate = 0, shock = 0, color = 0, alpha = 0;
    std::int32_t speed = 9;
};

struct PictureFields {
    std::string name = "Pic_1";
    std::int32_t start = 10;
    std::int32_t end = 34;
    std::string content = "chosen.jpg";
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 100;
    std::int32_t height = 50;
    std::string effect = "-- None --";
};

struct SoundFields {
    std::string name = "Sound_1";
    std::int32_t start = 0;
    std::int32_t end = 1;
    std::string content = "chosen.wav";
};

std::string TextXml(const TextFields& fields);
std::string PictureXml(const PictureFields& fields);
std::string SoundXml(const SoundFields& fields);
std::string CardXml(const std::string& objects, std::int32_t width = 390,
                    std::int32_t height = 320, const std::string& bgColor = "16777215",
                    std::int32_t rate = 15);

// A folder of its own for each test, removed afterwards.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// A card saved in a folder of its own (media files go beside it), opened and
// compiled with a recording pool and scripted random draws.
class CompiledCard {
public:
    explicit CompiledCard(const std::string& cardXml,
                          std::int64_t maxPlacements = WriterPool::kMaxPlacements);

    // Writes a stand-in media file beside the card.
    void AddMediaFile(const std::string& fileName, const std::string& bytes = "media");
    void MakeSwf() { driver.MakeSwf(); }

    TestFolder folder;
    std::filesystem::path cardFile;
    CardDocument document;
    RecordingPool* pool; // owned by the driver
    ScriptedRandom random;
    HeadlessHost host;
    TFlashCard driver;
};

} // namespace generation_test
