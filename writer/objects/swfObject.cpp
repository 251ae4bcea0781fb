#include "writer/objects/swfObject.h"

#include "writer/objects/ShapeObject.h"

namespace quillot {

swfObject::swfObject() = default;
swfObject::~swfObject() = default;

void swfObject::Replace(std::unique_ptr<WriterObject> object, std::int16_t kind) {
    m_object = std::move(object);
    m_kind = m_object ? kind : ObjectKind::Empty;
}

ShapeObject* swfObject::Shape() const {
    return m_kind >= ObjectKind::kFirstShapeKind ? dynamic_cast<ShapeObject*>(m_object.get())
                                                 : nullptr;
}

HRESULT swfObject::get_ObjectType(std::int16_t& kind) const {
    kind = m_kind;
    return S_OK;
}

HRESULT swfObject::put_ObjectType(std::int16_t) { return S_OK; }

HRESULT swfObject::Delete() {
    m_object.reset();
    m_kind = ObjectKind::Empty;
    return S_OK;
}

// An empty object has nowhere to keep a depth; the call is ignored, and the
// depth must be set after the object is made.
HRESULT swfObject::SetDepth(std::int32_t depth) {
    if (m_object) {
        m_object->SetDepth(static_cast<std::uint16_t>(depth));
    }
    return S_OK;
}

HRESULT swfObject::FadeIn(std::int32_t, std::int32_t, std::int32_t) { return S_OK; }

HRESULT swfObject::SetLineWidth(std::int32_t lineWidth) {
    if (ShapeObject* shape = Shape()) {
        shape->SetLineWidth(lineWidth);
    }
    return S_OK;
}

HRESULT swfObject::SetLineColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                std::uint8_t alpha) {
    if (ShapeObject* shape = Shape()) {
        shape->SetLineColor(PackRgba(red, green, blue, alpha));
    }
    return S_OK;
}

HRESULT swfObject::SetLineColorA(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                 std::uint8_t alpha) {
    return SetLineColor(red, green, blue, alpha);
}

HRESULT swfObject::SetSolidFill(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                std::uint8_t alpha) {
    if (ShapeObject* shape = Shape()) {
        shape->SetSolidFill(PackRgba(red, green, blue, alpha));
    }
    return S_OK;
}

HRESULT swfObject::SetNoFill() {
    if (ShapeObject* shape = Shape()) {
        shape->SetNoFill();
    }
    return S_OK;
}

HRESULT swfObject::SetLinearFill(std::uint8_t r1, std::uint8_t g1, std::uint8_t b1,
                                 std::uint8_t a1, std::uint8_t r2, std::uint8_t g2,
                                 std::uint8_t b2, std::uint8_t a2) {
    if (ShapeObject* shape = Shape()) {
        shape->SetLinearFill(PackRgba(r1, g1, b1, a1), PackRgba(r2, g2, b2, a2));
    }
    return S_OK;
}

HRESULT swfObject::SetLinearFillCenter(std::int32_t centerX, std::int32_t centerY) {
    if (ShapeObject* shape = Shape()) {
        shape->SetLinearFillCenter(centerX, centerY);
    }
    return S_OK;
}

HRESULT swfObject::SetRadialFill(std::uint8_t r1, std::uint8_t g1, std::uint8_t b1,
                                 std::uint8_t a1, std::uint8_t r2, std::uint8_t g2,
                                 std::uint8_t b2, std::uint8_t a2) {
    if (ShapeObject* shape = Shape()) {
        shape->SetRadialFill(PackRgba(r1, g1, b1, a1), PackRgba(r2, g2, b2, a2));
    }
    return S_OK;
}

HRESULT swfObject::SetRadialFillCenter(std::int32_t centerX, std::int32_t centerY) {
    if (ShapeObject* shape = Shape()) {
        shape->SetRadialFillCenter(centerX, centerY);
    }
    return S_OK;
}

HRESULT swfObject::Translate(std::int32_t x, std::int32_t y) {
    if (ShapeObject* shape = Shape()) {
        shape->Translate(x, y);
    }
    return S_OK;
}

HRESULT swfObject::Rotate(std::int32_t degree) {
    if (ShapeObject* shape = Shape()) {
        shape->Rotate(degree);
    }
    return S_OK;
}

HRESULT swfObject::Scale(std::int32_t scaleX, std::int32_t scaleY) {
    if (ShapeObject* shape = Shape()) {
        shape->Scale(scaleX, scaleY);
    }
    return S_OK;
}

HRESULT swfObject::ScaleEx(std::int32_t scaleX, std::int32_t scaleY) { return Scale(scaleX, scaleY); }

} // namespace quillot
