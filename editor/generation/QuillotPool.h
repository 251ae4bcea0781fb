#pragma once

#include "editor/generation/WriterPool.h"

#include "writer/movie/swfMovie.h"
#include "writer/objects/swfObject.h"

#include <array>
#include <memory>

namespace joyvane {

// The pool on the writer library, called directly through its C++ API.
class QuillotPool final : public WriterPool {
public:
    QuillotPool();

protected:
    void CallNewMovie() override;
    void CallSetSize(std::int32_t cx, std::int32_t cy) override;
    void CallSetFrameRate(std::int32_t rate) override;
    void CallGotoFrame(std::int32_t frame) override;
    void CallSetFrameBkColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
    void CallAddObject(PoolObject object) override;
    void CallRemoveObject(PoolObject object) override;
    void CallWriteMovie(const std::filesystem::path& movieFile) override;
    void CallMakeRectangle(PoolObject object, std::int32_t xmin, std::int32_t ymin,
                           std::int32_t xmax, std::int32_t ymax) override;
    void CallSetSolidFill(PoolObject object, std::uint8_t red, std::uint8_t green,
                          std::uint8_t blue, std::uint8_t alpha) override;
    void CallTranslate(PoolObject object, std::int32_t x, std::int32_t y) override;
    void CallRotate(PoolObject object, std::int32_t angle) override;
    void CallScale(PoolObject object, std::int32_t scaleX, std::int32_t scaleY) override;
    void CallSetDepth(PoolObject object, std::int32_t depth) override;
    void CallMakePicture(PoolObject object, std::int32_t xmin, std::int32_t ymin,
                         std::int32_t xmax, std::int32_t ymax, std::int32_t bitmapWidth,
                         std::int32_t bitmapHeight, const std::string& file) override;
    void CallMakeSound(PoolObject object, const std::string& file) override;
    void CallMakeFont(PoolObject object, const std::string& name) override;
    void CallAddGlyph(PoolObject font, const std::string& fontName, const std::string& text,
                      std::int32_t code) override;
    void CallMakeText(PoolObject text, const std::string& characters, PoolObject font) override;
    std::int32_t CallGetTextWidth(PoolObject font, const std::string& fontName,
                                  const std::string& text) override;

private:
    quillot::swfObject& Object(PoolObject object);

    std::unique_ptr<quillot::swfMovie> m_movie;
    std::array<quillot::swfObject, 5> m_objects;
};

} // namespace joyvane
