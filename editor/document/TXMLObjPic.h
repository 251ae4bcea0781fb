#pragma once

#include "editor/document/TXMLNode.h"

namespace joyvane {

// The kind node of a picture object. Positions and sizes are pixels; the
// image itself is the media file named after the object.
class TXMLObjPic : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    // The path of the picture file the user chose; empty while none was chosen.
    std::string Content() { return Text("Content"); }
    void SetContent(std::string_view value) { SetText("Content", value); }
    std::int32_t PositionX() { return Integer("PositionX"); }
    void SetPositionX(std::int32_t pixels) { SetInteger("PositionX", pixels); }
    std::int32_t PositionY() { return Integer("PositionY"); }
    void SetPositionY(std::int32_t pixels) { SetInteger("PositionY", pixels); }
    std::int32_t Width() { return Integer("Width"); }
    void SetWidth(std::int32_t pixels) { SetInteger("Width", pixels); }
    std::int32_t Height() { return Integer("Height"); }
    void SetHeight(std::int32_t pixels) { SetInteger("Height", pixels); }
    std::string EffectName() { return Text("EffectName"); }
    void SetEffectName(std::string_view value) { SetText("EffectName", value); }

    // Kept in the binding so that files carrying them stay readable by name;
    // new pictures do not get them.
    std::int32_t ExScale() { return Integer("ExScale"); }
    void SetExScale(std::int32_t value) { SetInteger("ExScale", value); }
    std::int32_t ExRotate() { return Integer("ExRotate"); }
    void SetExRotate(std::int32_t value) { SetInteger("ExRotate", value); }
    std::int32_t ExShock() { return Integer("ExShock"); }
    void SetExShock(std::int32_t value) { SetInteger("ExShock", value); }
    std::int32_t ExAlpha() { return Integer("ExAlpha"); }
    void SetExAlpha(std::int32_t value) { SetInteger("ExAlpha", value); }
    std::int32_t ExSpeed() { return Integer("ExSpeed"); }
    void SetExSpeed(std::int32_t frames) { SetInteger("ExSpeed", frames); }
    std::string EffectValue() { return Text("EffectValue"); }
    void SetEffectValue(std::string_view value) { SetText("EffectValue", value); }
};

} // namespace joyvane
