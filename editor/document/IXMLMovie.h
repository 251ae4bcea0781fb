#pragma once

#include "editor/document/IXMLObjList.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace joyvane {

// The root of a card document: the stage settings and the card objects.
// Reading or writing a missing element creates it, empty, as the last child;
// integer reads throw ConversionError when the element's text is no number.
class IXMLMovie {
public:
    virtual ~IXMLMovie() = default;

    // The background colour 0x00BBGGRR as stored: decimal or "$"-hexadecimal.
    virtual std::string BgColor() = 0;
    virtual void SetBgColor(std::string_view value) = 0;
    // The background colour converted; a negative value is refused.
    virtual std::int32_t BgColorValue() = 0;
    virtual void SetBgColorValue(std::int32_t colour) = 0;
    virtual std::string BgPic() = 0;
    virtual void SetBgPic(std::string_view value) = 0;
    virtual std::int32_t Width() = 0;
    virtual void SetWidth(std::int32_t pixels) = 0;
    virtual std::int32_t Height() = 0;
    virtual void SetHeight(std::int32_t pixels) = 0;
    virtual std::int32_t Rate() = 0;
    virtual void SetRate(std::int32_t framesPerSecond) = 0;
    virtual std::int32_t TotalFrames() = 0;
    virtual void SetTotalFrames(std::int32_t frames) = 0;
    virtual std::int32_t Times() = 0;
    virtual void SetTimes(std::int32_t value) = 0;
    virtual std::int32_t FileSize() = 0;
    virtual void SetFileSize(std::int32_t value) = 0;
    virtual std::string MovieName() = 0;
    virtual void SetMovieName(std::string_view value) = 0;
    virtual std::string Author() = 0;
    virtual void SetAuthor(std::string_view value) = 0;
    // "True" or "False" as stored.
    virtual std::string Loop() = 0;
    virtual void SetLoop(std::string_view value) = 0;
    // Looping is on when the stored text is "true" in any letter case.
    virtual bool IsLooping() = 0;

    virtual IXMLObjList& Obj() = 0;
};

} // namespace joyvane
