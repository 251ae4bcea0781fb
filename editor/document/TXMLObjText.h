#pragma once

#include "editor/document/TXMLNode.h"

namespace joyvane {

// The kind node of a text object: one line of text, its font and position in
// pixels, and the effect with its parameters.
class TXMLObjText : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    std::string Content() { return Text("Content"); }
    void SetContent(std::string_view value) { SetText("Content", value); }
    std::int32_t TextUnit() { return Integer("TextUnit"); }
    void SetTextUnit(std::int32_t value) { SetInteger("TextUnit", value); }
    std::string FontName() { return Text("FontName"); }
    void SetFontName(std::string_view value) { SetText("FontName", value); }
    std::int32_t FontSize() { return Integer("FontSize"); }
    void SetFontSize(std::int32_t points) { SetInteger("FontSize", points); }

    // The colour 0x00BBGGRR as stored: decimal or "$"-hexadecimal text.
    std::string FontColor() { return Text("FontColor"); }
    void SetFontColor(std::string_view value) { SetText("FontColor", value); }
    std::int32_t FontColorValue() { return Colour("FontColor"); }
    void SetFontColorValue(std::int32_t colour) { SetInteger("FontColor", colour); }

    std::int32_t PositionX() { return Integer("PositionX"); }
    void SetPositionX(std::int32_t pixels) { SetInteger("PositionX", pixels); }
    std::int32_t PositionY() { return Integer("PositionY"); }
    void SetPositionY(std::int32_t pixels) { SetInteger("PositionY", pixels); }
    std::string EffectName() { return Text("EffectName"); }
    void SetEffectName(std::string_view value) { SetText("EffectName", value); }
    std::string EffectValue() { return Text("EffectValue"); }
    void SetEffectValue(std::string_view value) { SetText("EffectValue", value); }
    std::int32_t ExScale() { return Integer("ExScale"); }
    void SetExScale(std::int32_t value) { SetInteger("ExScale", value); }
    std::int32_t ExRotate() { return Integer("ExRotate"); }
    void SetExRotate(std::int32_t value) { SetInteger("ExRotate", value); }
    std::int32_t ExShock() { return Integer("ExShock"); }
    void SetExShock(std::int32_t value) { SetInteger("ExShock", value); }
    std::int32_t ExColor() { return Integer("ExColor"); }
    void SetExColor(std::int32_t value) { SetInteger("ExColor", value); }
    std::int32_t ExAlpha() { return Integer("ExAlpha"); }
    void SetExAlpha(std::int32_t value) { SetInteger("ExAlpha", value); }
    // The length of the effect in frames.
    std::int32_t ExSpeed() { return Integer("ExSpeed"); }
    void SetExSpeed(std::int32_t frames) { SetInteger("ExSpeed", frames); }
};

} // namespace joyvane
