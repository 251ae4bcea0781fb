#pragma once

#include <cstdint>
#include <string>

#include "writer/objects/ShapeObject.h"

namespace quillot {

// A text field placed like a shape. Every addition writes a new definition
// with the field's current colour and text, so a field added twice shows the
// same text both times.
class EditTextObject : public ShapeObject {
public:
    EditTextObject(const SwfRect& bounds, std::string text);

    void AddToFrame(Frame& frame) override;

    // Kept for a field that names a font; this one names none.
    void SetFontHeight(std::int32_t height) { m_fontHeight = height; }
    std::int32_t FontHeight() const { return m_fontHeight; }
    void SetEditable(bool editable) { m_editable = editable; }
    void SetTextColor(PackedRgba color) { m_textColor = color; }

protected:
    void Define(Frame& frame) override;
    // A field is drawn by the player, not from shape records.
    void AppendRecords(DefineShape3Tag&) const override {}

private:
    // Fields of the same bounds and depth share their variable.
    std::string VariableName() const;

    std::string m_text;
    PackedRgba m_textColor = PackRgba(0, 0, 0, 255);
    bool m_editable = true;
    std::int32_t m_fontHeight = 240;
};

} // namespace quillot
