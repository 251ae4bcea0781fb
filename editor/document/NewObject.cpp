#include "editor/document/NewObject.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace joyvane {

namespace {

constexpr std::int32_t textFrames = 10;
constexpr std::int32_t pictureFrames = 25;
constexpr std::int32_t newObjectLayer = 2;

void WriteTextDefaults(TXMLObjText text) {
    text.SetContent("");
    text.SetTextUnit(1);
    text.SetFontName("Microsoft Sans Serif");
    text.SetFontSize(18);
    text.SetFontColor("$FF0000");
    text.SetPositionX(50);
    text.SetPositionY(50);
    text.SetEffectName("-- None --");
    text.SetEffectValue("");
    text.SetExScale(0);
    text.SetExRotate(0);
    text.SetExShock(0);
    text.SetExColor(0);
    text.SetExAlpha(0);
    text.SetExSpeed(9);
}

void WritePictureDefaults(TXMLObjPic picture) {
    picture.SetContent("");
    picture.SetPositionX(0);
    picture.SetPositionY(0);
    picture.SetWidth(0);
    picture.SetHeight(0);
    picture.SetEffectName("-- None --");
}

struct Timing {
    std::int32_t startFrame;
    std::int32_t endFrame;
};

// Sounds always start at the beginning of the card.
Timing NewObjectTiming(ObjectKind kind, std::int32_t insertionFrame) {
    if (kind == ObjectKind::Sound)
        return {0, 1};
    const std::int32_t shownFrames = kind == ObjectKind::Text ? textFrames : pictureFrames;
    if (insertionFrame < 0 ||
        insertionFrame > std::numeric_limits<std::int32_t>::max() - shownFrames)
        throw std::out_of_range("Frame " + std::to_string(insertionFrame) +
                                " is no place to insert an object.");
    return {insertionFrame, insertionFrame + shownFrames - 1};
}

} // namespace

TXMLObj AppendNewObject(IXMLObjList& objects, ObjectKind kind, std::string_view name,
                        std::int32_t insertionFrame) {
    const Timing timing = NewObjectTiming(kind, insertionFrame);
    TXMLObj object = objects.Add();
    object.SetObjName(name);
    object.SetStartTime(timing.startFrame);
    object.SetEndTime(timing.endFrame);
    object.SetLayer(newObjectLayer);
    object.SetObjTypeName(KindWord(kind));
    switch (kind) {
    case ObjectKind::Text:
        WriteTextDefaults(object.ObjType().ObjText());
        break;
    case ObjectKind::Pic:
        WritePictureDefaults(object.ObjType().ObjPic());
        break;
    case ObjectKind::Sound:
        object.ObjType().ObjSound().SetContent("");
        break;
    }
    return object;
}

} // namespace joyvane
