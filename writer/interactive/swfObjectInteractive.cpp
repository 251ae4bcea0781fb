// The edit text and button operations of swfObject.
#include "writer/interactive/ButtonObject.h"
#include "writer/interactive/EditTextObject.h"
#include "writer/interactive/swfAction.h"
#include "writer/objects/ShapeObject.h"
#include "writer/objects/swfObject.h"

namespace quillot {

HRESULT swfObject::MakeEditText(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax,
                                std::int32_t ymax, const std::string& Text) {
    Delete();
    Replace(std::make_unique<EditTextObject>(SwfRect{xmin, xmax, ymin, ymax}, Text), ObjectKind::EditText);
    return S_OK;
}

HRESULT swfObject::SetEditTextHeight(std::int32_t height) {
    if (auto* field = InternalAs<EditTextObject>(ObjectKind::EditText)) {
        field->SetFontHeight(height);
    }
    return S_OK;
}

HRESULT swfObject::SetEditTextEditable(std::int32_t editable) {
    if (auto* field = InternalAs<EditTextObject>(ObjectKind::EditText)) {
        field->SetEditable(editable != 0);
    }
    return S_OK;
}

HRESULT swfObject::SetEditTextColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (auto* field = InternalAs<EditTextObject>(ObjectKind::EditText)) {
        field->SetTextColor(PackRgba(red, green, blue, 255));
    }
    return S_OK;
}

// When a part is not a shape no button is made and the object keeps what it
// held, kind included: S_FALSE says nothing was done.
HRESULT swfObject::MakeButton(swfObject* p1, swfObject* p2, swfObject* p3, swfObject* p4) {
    const std::array<swfObject*, 4> parts = {p1, p2, p3, p4};
    ButtonObject::Parts shapes;
    for (std::size_t state = 0; state < parts.size(); ++state) {
        if (parts[state] == nullptr) {
            return E_POINTER;
        }
        if (parts[state]->Shape() == nullptr) {
            return S_FALSE;
        }
        shapes[state] = parts[state]->m_object;
    }
    Delete();
    Replace(ButtonObject::WithFourShapes(std::move(shapes)), ObjectKind::Button);
    return S_OK;
}

HRESULT swfObject::MakeButtonSimple(swfObject* p1, std::int16_t r1, std::int16_t g1,
                                    std::int16_t b1, std::int16_t a1, std::int16_t r2,
                                    std::int16_t g2, std::int16_t b2, std::int16_t a2) {
    if (p1 == nullptr) {
        return E_POINTER;
    }
    if (p1->Shape() == nullptr) {
        return S_FALSE;
    }
    std::shared_ptr<WriterObject> part = p1->m_object;
    Delete();
    Replace(ButtonObject::WithColorChanges(std::move(part), {r1, g1, b1, a1}, {r2, g2, b2, a2}),
            ObjectKind::SimpleButton);
    return S_OK;
}

// Only buttons have events; on other objects, and for an action that was
// never made, nothing is queued and S_FALSE says so.
HRESULT swfObject::QueueEvent(swfAction* Action, std::int32_t iEvent) {
    auto* button = dynamic_cast<ButtonObject*>(m_object.get());
    if (button == nullptr || Action == nullptr || Action->Kind() <= 0) {
        return S_FALSE;
    }
    button->QueueEvent(Action->Template(), iEvent);
    return S_OK;
}

} // namespace quillot
