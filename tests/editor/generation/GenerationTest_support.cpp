#include "GenerationTest_support.h"

#include "editor/generation/TextGlyphs.h"

#include <atomic>
#include <fstream>
#include <unistd.h>

namespace generation_test {

void RecordingPool::Record(std::string operation, int object, std::vector<std::int64_t> numbers,
                           std::string text) {
    calls.push_back({std::move(operation), object, m_frame, std::move(numbers), std::move(text)});
}

void RecordingPool::CallGotoFrame(std::int32_t frame) {
    m_frame = frame;
    Record("GotoFrame", 0, {frame});
}

std::int32_t RecordingPool::CallGetTextWidth(PoolObject font, const std::string&,
                                             const std::string& text) {
    Record("GetTextWidth", Id(font), {}, text);
    return kCharacterWidth * static_cast<std::int32_t>(SplitCharacters(text).size());
}

std::vector<RecordedCall> RecordingPool::Of(const std::string& operation) const {
    std::vector<RecordedCall> found;
    for (const RecordedCall& call : calls)
        if (call.operation == operation)
            found.push_back(call);
    return found;
}

std::vector<std::vector<std::int64_t>> RecordingPool::NumbersOf(const std::string& operation) const {
    std::vector<std::vector<std::int64_t>> numbers;
    for (const RecordedCall& call : Of(operation))
        numbers.push_back(call.numbers);
    return numbers;
}

std::vector<std::int32_t> RecordingPool::AddedFrames(int object) const {
    std::vector<std::int32_t> frames;
    for (const RecordedCall& call : Of("AddObject"))
        if (call.object == object)
            frames.push_back(call.frame);
    return frames;
}

std::vector<std::int32_t> RecordingPool::RemovedFrames(int object) const {
    std::vector<std::int32_t> frames;
    for (const RecordedCall& call : Of("RemoveObject"))
        if (call.object == object)
            frames.push_back(call.frame);
    return frames;
}

int ScriptedRandom::Next(int) {
    if (draws.empty())
        return 0;
    const int draw = draws.front();
    draws.pop_front();
    return draw;
}

namespace {

std::string Element(const std::string& name, const std::string& text) {
    return "<" + name + ">" + text + "</" + name + ">";
}

std::string Element(const std::string& name, std::int32_t value) {
    return Element(name, std::to_string(value));
}

std::string ObjectXml(const std::string& name, std::int32_t start, std::int32_t end,
                      const std::string& kind, const std::string& kindNode) {
    return "<Obj>" + Element("ObjName", name) + Element("StartTime", start) +
           Element("EndTime", end) + Element("Layer", 2) + Element("ObjTypeName", kind) +
           "<ObjType>" + kindNode + "</ObjType></Obj>";
}

} // namespace

std::string TextXml(const TextFields& f) {
    const std::string node =
        "<ObjText>" + Element("Content", f.content) + Element("TextUnit", 1) +
        Element("FontName", f.fontName) + Element("FontSize", f.fontSize) +
        Element("FontColor", f.fontColor) + Element("PositionX", f.x) +
        Element("PositionY", f.y) + Element("EffectName", f.effect) + "<EffectValue/>" +
        Element("ExScale", f.scale) + Element("ExRotate", f.rotate) +
        Element("ExShock", f.shock) + Element("ExColor", f.color) + Element("ExAlpha", f.alpha) +
        Element("ExSpeed", f.speed) + "</ObjText>";
    return ObjectXml(f.name, f.start, f.end, "Text", node);
}

std::string PictureXml(const PictureFields& f) {
    const std::string node = "<ObjPic>" + Element("Content", f.content) +
                             Element("PositionX", f.x) + Element("PositionY", f.y) +
                             Element("Width", f.width) + Element("Height", f.height) +
                             Element("EffectName", f.effect) + "</ObjPic>";
    return ObjectXml(f.name, f.start, f.end, "Pic", node);
}

std::string SoundXml(const SoundFields& f) {
    return ObjectXml(f.name, f.start, f.end, "Sound",
                     "<ObjSound>" + Element("Content", f.content) + "</ObjSound>");
}

std::string CardXml(const std::string& objects, std::int32_t width, std::int32_t height,
                    const std::string& bgColor, std::int32_t rate) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Movie>" + Element("BgColor", bgColor) +
           "<BgPic/>" + Element("Width", width) + Element("Height", height) +
           Element("Rate", rate) + Element("TotalFrames", 0) + Element("Loop", "True") + objects +
           "</Movie>\n";
}

TestFolder::TestFolder() {
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("joyvane-generation-test-" + std::to_string(::getpid()) + "-" +
              std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path / "work");
}

TestFolder::~TestFolder() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

namespace {

std::filesystem::path WriteCard(const TestFolder& folder, const std::string& xml) {
    const std::filesystem::path file = folder.Path() / "card.jvd";
    std::ofstream(file, std::ios::binary) << xml;
    return file;
}

} // namespace

CompiledCard::CompiledCard(const std::string& cardXml, std::int64_t maxPlacements)
    : cardFile(WriteCard(folder, cardXml)), document(folder.Path() / "work"),
      pool(new RecordingPool(maxPlacements)), driver(document, std::unique_ptr<WriterPool>(pool), random, host) {
    document.Open(cardFile);
}

void CompiledCard::AddMediaFile(const std::string& fileName, const std::string& bytes) {
    std::ofstream(folder.Path() / fileName, std::ios::binary) << bytes;
}

} // namespace generation_test
