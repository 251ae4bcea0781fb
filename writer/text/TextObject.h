#pragma once

#include <memory>
#include <string>

#include "writer/objects/ShapeObject.h"
#include "writer/text/EmbeddedFont.h"

namespace quillot {

// A static text: the glyphs of a font picked by the bytes of a string, drawn
// in the fill colour (opaque white unless set). Its bounds span the advances
// of the glyphs found and the height of the em square, from 100 units above
// the top of the glyphs' cell.
class TextObject : public ShapeObject {
public:
    TextObject(std::string text, std::shared_ptr<EmbeddedFont> font);

protected:
    // Defines the font first, then the text as a DefineText2.
    void Define(Frame& frame) override;
    // Texts are never drawn as DefineShape3; Define is replaced as a whole.
    void AppendRecords(DefineShape3Tag&) const override {}

private:
    std::string m_text;
    std::shared_ptr<EmbeddedFont> m_font;
};

} // namespace quillot
