#include "editor/generation/QuillotPool.h"

#include "editor/generation/WriterError.h"

#include <cstdio>

namespace joyvane {

namespace {

void Check(quillot::HRESULT result, const char* operation) {
    if (quillot::Succeeded(result))
        return;
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(result));
    throw WriterError(std::string("The writer refused ") + operation + " (error " + code + ").");
}

} // namespace

QuillotPool::QuillotPool() : m_movie(std::make_unique<quillot::swfMovie>()) {}

// A fresh movie rather than an emptied one: a generation aborted half-way
// leaves frames behind that the writer only drops when it writes them.
void QuillotPool::CallNewMovie() { m_movie = std::make_unique<quillot::swfMovie>(); }

quillot::swfObject& QuillotPool::Object(PoolObject object) {
    return m_objects.at(static_cast<std::size_t>(object) - 1);
}

void QuillotPool::CallSetSize(std::int32_t cx, std::int32_t cy) {
    Check(m_movie->SetSize(cx, cy), "SetSize");
}

void QuillotPool::CallSetFrameRate(std::int32_t rate) {
    Check(m_movie->SetFrameRate(rate), "SetFrameRate");
}

void QuillotPool::CallGotoFrame(std::int32_t frame) {
    Check(m_movie->GotoFrame(frame), "GotoFrame");
}

void QuillotPool::CallSetFrameBkColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    Check(m_movie->SetFrameBkColor(red, green, blue), "SetFrameBkColor");
}

void QuillotPool::CallAddObject(PoolObject object) {
    Check(m_movie->AddObject(&Object(object)), "AddObject");
}

void QuillotPool::CallRemoveObject(PoolObject object) {
    Check(m_movie->RemoveObject(&Object(object)), "RemoveObject");
}

void QuillotPool::CallWriteMovie(const std::filesystem::path& movieFile) {
    if (quillot::Failed(m_movie->WriteMovie(movieFile.string())))
        throw WriterError("The movie " + movieFile.string() +
                          " could not be written: " + m_movie->LastError());
}

void QuillotPool::CallMakeRectangle(PoolObject object, std::int32_t xmin, std::int32_t ymin,
                                    std::int32_t xmax, std::int32_t ymax) {
    Check(Object(object).MakeRectangle(xmin, ymin, xmax, ymax), "MakeRectangle");
}

void QuillotPool::CallSetSolidFill(PoolObject object, std::uint8_t red, std::uint8_t green,
                                   std::uint8_t blue, std::uint8_t alpha) {
    Check(Object(object).SetSolidFill(red, green, blue, alpha), "SetSolidFill");
}

void QuillotPool::CallTranslate(PoolObject object, std::int32_t x, std::int32_t y) {
    Check(Object(object).Translate(x, y), "Translate");
}

void QuillotPool::CallRotate(PoolObject object, std::int32_t angle) {
    Check(Object(object).Rotate(angle), "Rotate");
}

void QuillotPool::CallScale(PoolObject object, std::int32_t scaleX, std::int32_t scaleY) {
    Check(Object(object).Scale(scaleX, scaleY), "Scale");
}

void QuillotPool::CallSetDepth(PoolObject object, std::int32_t depth) {
    Check(Object(object).SetDepth(depth), "SetDepth");
}

void QuillotPool::CallMakePicture(PoolObject object, std::int32_t xmin, std::int32_t ymin,
                                  std::int32_t xmax, std::int32_t ymax, std::int32_t bitmapWidth,
                                  std::int32_t bitmapHeight, const std::string& file) {
    Check(Object(object).MakePicture(xmin, ymin, xmax, ymax, bitmapWidth, bitmapHeight, file),
          "MakePicture");
}

void QuillotPool::CallMakeSound(PoolObject object, const std::string& file) {
    Check(Object(object).MakeSound(file), "MakeSound");
}

void QuillotPool::CallMakeFont(PoolObject object, const std::string& name) {
    Check(Object(object).MakeFont(name), "MakeFont");
}

void QuillotPool::CallAddGlyph(PoolObject font, const std::string& fontName,
                               const std::string& text, std::int32_t code) {
    Check(Object(font).AddGlyph(fontName, text, code), "AddGlyph");
}

void QuillotPool::CallMakeText(PoolObject text, const std::string& characters, PoolObject font) {
    Check(Object(text).MakeText(characters, &Object(font)), "MakeText");
}

std::int32_t QuillotPool::CallGetTextWidth(PoolObject font, const std::string& fontName,
                                           const std::string& text) {
    std::int32_t width = 0;
    Check(Object(font).GetTextWidth(fontName, text, width), "GetTextWidth");
    return width;
}

} // namespace joyvane
