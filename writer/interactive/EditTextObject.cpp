#include "writer/interactive/EditTextObject.h"

#include <cstdio>

#include "writer/interactive/DefineEditTextTag.h"

namespace quillot {

EditTextObject::EditTextObject(const SwfRect& bounds, std::string text) : m_text(std::move(text)) {
    SetBounds(bounds);
}

void EditTextObject::AddToFrame(Frame& frame) {
    Define(frame);
    PlaceOnFrame(frame);
}

void EditTextObject::Define(Frame& frame) {
    auto tag = std::make_unique<DefineEditTextTag>(
        DefineEditTextTag::Content{Bounds(), m_editable, m_textColor, VariableName(), m_text});
    MarkDefined(tag->CharacterId());
    frame.Append(std::move(tag));
}

std::string EditTextObject::VariableName() const {
    const SwfRect& bounds = Bounds();
    char name[96];
    std::snprintf(name, sizeof name, "TextField_%ld_%ld_%ld_%ld_%d", static_cast<long>(bounds.xmin),
                  static_cast<long>(bounds.ymin), static_cast<long>(bounds.xmax),
                  static_cast<long>(bounds.ymax), static_cast<int>(Depth()));
    return name;
}

} // namespace quillot
