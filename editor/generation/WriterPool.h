#pragma once

#include "editor/generation/PoolObject.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace joyvane {

// The writer as the compilers see it: one movie and the five pool objects.
// The public operations take the numbers as the compilers compute them
// (reals for integer arguments, wide integers for bytes) and convert them,
// here and only here, before the writer is called; a value that does not fit
// throws ArgumentError and the writer is not called. A refused operation
// throws WriterError.
//
// Implementations supply the converted calls: the writer library itself, or
// a recorder in tests.
class WriterPool {
public:
    // Far more placements than any card a person makes; a card file that asks
    // for more is refused before the movie outgrows the memory.
    static constexpr std::int64_t kMaxPlacements = 1'000'000;

    explicit WriterPool(std::int64_t maxPlacements = kMaxPlacements)
        : m_maxPlacements(maxPlacements) {}
    virtual ~WriterPool() = default;

    // Starts an empty movie, whatever an earlier generation left behind.
    void NewMovie();

    void SetSize(double widthTwips, double heightTwips);
    void SetFrameRate(double framesPerSecond);
    void GotoFrame(double frame);
    void SetFrameBkColor(std::int64_t red, std::int64_t green, std::int64_t blue);
    // Throws WriterError once the movie would hold more than the maximum of
    // placements.
    void AddObject(PoolObject object);
    void RemoveObject(PoolObject object) { CallRemoveObject(object); }
    void WriteMovie(const std::filesystem::path& movieFile) { CallWriteMovie(movieFile); }

    void MakeRectangle(PoolObject object, double xmin, double ymin, double xmax, double ymax);
    void SetSolidFill(PoolObject object, std::int64_t red, std::int64_t green, std::int64_t blue,
                      std::int64_t alpha);
    void Translate(PoolObject object, double xTwips, double yTwips);
    // Degrees × 65536.
    void Rotate(PoolObject object, double angle);
    // 16.16 fixed point factors.
    void Scale(PoolObject object, double scaleX, double scaleY);
    void SetDepth(PoolObject object, double depth);
    void MakePicture(PoolObject object, double xmin, double ymin, double xmax, double ymax,
                     double bitmapWidth, double bitmapHeight, const std::string& file);
    void MakeSound(PoolObject object, const std::string& file) { CallMakeSound(object, file); }
    void MakeFont(PoolObject object, const std::string& name) { CallMakeFont(object, name); }
    void AddGlyph(PoolObject font, const std::string& fontName, const std::string& text,
                  double code);
    void MakeText(PoolObject text, const std::string& characters, PoolObject font) {
        CallMakeText(text, characters, font);
    }
    // The width of the text's outline in glyph units (1024 to the em).
    std::int32_t GetTextWidth(PoolObject font, const std::string& fontName,
                              const std::string& text) {
        return CallGetTextWidth(font, fontName, text);
    }

protected:
    virtual void CallNewMovie() = 0;
    virtual void CallSetSize(std::int32_t cx, std::int32_t cy) = 0;
    virtual void CallSetFrameRate(std::int32_t rate) = 0;
    virtual void CallGotoFrame(std::int32_t frame) = 0;
    virtual void CallSetFrameBkColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
    virtual void CallAddObject(PoolObject object) = 0;
    virtual void CallRemoveObject(PoolObject object) = 0;
    virtual void CallWriteMovie(const std::filesystem::path& movieFile) = 0;
    virtual void CallMakeRectangle(PoolObject object, std::int32_t xmin, std::int32_t ymin,
                                   std::int32_t xmax, std::int32_t ymax) = 0;
    virtual void CallSetSolidFill(PoolObject object, std::uint8_t red, std::uint8_t green,
                                  std::uint8_t blue, std::uint8_t alpha) = 0;
    virtual void CallTranslate(PoolObject object, std::int32_t x, std::int32_t y) = 0;
    virtual void CallRotate(PoolObject object, std::int32_t angle) = 0;
    virtual void CallScale(PoolObject object, std::int32_t scaleX, std::int32_t scaleY) = 0;
    virtual void CallSetDepth(PoolObject object, std::int32_t depth) = 0;
    virtual void CallMakePicture(PoolObject object, std::int32_t xmin, std::int32_t ymin,
                                 std::int32_t xmax, std::int32_t ymax, std::int32_t bitmapWidth,
                                 std::int32_t bitmapHeight, const std::string& file) = 0;
    virtual void CallMakeSound(PoolObject object, const std::string& file) = 0;
    virtual void CallMakeFont(PoolObject object, const std::string& name) = 0;
    virtual void CallAddGlyph(PoolObject font, const std::string& fontName,
                              const std::string& text, std::int32_t code) = 0;
    virtual void CallMakeText(PoolObject text, const std::string& characters,
                              PoolObject font) = 0;
    virtual std::int32_t CallGetTextWidth(PoolObject font, const std::string& fontName,
                                          const std::string& text) = 0;

private:
    std::int64_t m_maxPlacements;
    std::int64_t m_placements = 0;
};

} // namespace joyvane
