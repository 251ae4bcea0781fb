#include "editor/generation/WriterPool.h"

#include "editor/generation/ArgumentConversion.h"
#include "editor/generation/WriterError.h"

#include <string>

namespace joyvane {

void WriterPool::NewMovie() {
    m_placements = 0;
    CallNewMovie();
}

void WriterPool::AddObject(PoolObject object) {
    if (++m_placements > m_maxPlacements)
        throw WriterError("The card places its objects more than " +
                          std::to_string(m_maxPlacements) + " times; no movie can hold that.");
    CallAddObject(object);
}

void WriterPool::SetSize(double widthTwips, double heightTwips) {
    CallSetSize(WriterInteger(widthTwips), WriterInteger(heightTwips));
}

void WriterPool::SetFrameRate(double framesPerSecond) {
    CallSetFrameRate(WriterInteger(framesPerSecond));
}

void WriterPool::GotoFrame(double frame) { CallGotoFrame(WriterInteger(frame)); }

void WriterPool::SetFrameBkColor(std::int64_t red, std::int64_t green, std::int64_t blue) {
    CallSetFrameBkColor(WriterByte(red), WriterByte(green), WriterByte(blue));
}

void WriterPool::MakeRectangle(PoolObject object, double xmin, double ymin, double xmax,
                               double ymax) {
    CallMakeRectangle(object, WriterInteger(xmin), WriterInteger(ymin), WriterInteger(xmax),
                      WriterInteger(ymax));
}

void WriterPool::SetSolidFill(PoolObject object, std::int64_t red, std::int64_t green,
                              std::int64_t blue, std::int64_t alpha) {
    CallSetSolidFill(object, WriterByte(red), WriterByte(green), WriterByte(blue),
                     WriterByte(alpha));
}

void WriterPool::Translate(PoolObject object, double xTwips, double yTwips) {
    CallTranslate(object, WriterInteger(xTwips), WriterInteger(yTwips));
}

void WriterPool::Rotate(PoolObject object, double angle) {
    CallRotate(object, WriterInteger(angle));
}

void WriterPool::Scale(PoolObject object, double scaleX, double scaleY) {
    CallScale(object, WriterInteger(scaleX), WriterInteger(scaleY));
}

void WriterPool::SetDepth(PoolObject object, double depth) {
    CallSetDepth(object, WriterInteger(depth));
}

void WriterPool::MakePicture(PoolObject object, double xmin, double ymin, double xmax,
                             double ymax, double bitmapWidth, double bitmapHeight,
                             const std::string& file) {
    CallMakePicture(object, WriterInteger(xmin), WriterInteger(ymin), WriterInteger(xmax),
                    WriterInteger(ymax), WriterInteger(bitmapWidth), WriterInteger(bitmapHeight),
                    file);
}

void WriterPool::AddGlyph(PoolObject font, const std::string& fontName, const std::string& text,
                          double code) {
    CallAddGlyph(font, fontName, text, WriterInteger(code));
}

} // namespace joyvane
