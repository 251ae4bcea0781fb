#include "writer/text/FontObject.h"

namespace quillot {

void FontObject::AddToFrame(Frame& frame) {
    m_font->AddToFrame(frame);
    MarkDefined(m_font->CharacterId());
}

} // namespace quillot
