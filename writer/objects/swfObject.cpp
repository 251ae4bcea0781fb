#include "writer/objects/swfObject.h"

#include "writer/objects/ShapeObject.h"

namespace quillot {

namespace {

// Shape operations change the shape state when there is one and are ignored
// on other kinds.
template <class Change> HRESULT ChangeShape(ShapeObject* shape, Change change) {
    if (shape != nullptr) {
        change(*shape);
    }
    return S_OK;
}

} // namespace

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

HRESULT swfObject::put_ObjectType(std::int16_t) {
    return S_OK;
}

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

HRESULT swfObject::FadeIn(std::int32_t, std::int32_t, std::int32_t) {
    return S_OK;
}

HRESULT swfObject::SetLineWidth(std::int32_t lineWidth) {
    return ChangeShape(Shape(), [&](ShapeObject& shape) { shape.SetLineWidth(lineWidth); });
}

HRESULT swfObject::SetLineColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                std::uint8_t alpha) {
    return ChangeShape(Shape(), [&](ShapeObject& shape) {
        shape.SetLineColor(PackRgba(red, green, blue, alpha));
    });
}

HRESULT swfObject::SetLineColorA(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                 std::uint8_t alpha) {
    return SetLineColor(red, green, blue, alpha);
}

HRESULT swfObject::SetSolidFill(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                std::uint8_t alpha) {
    return ChangeShape(Shape(), [&](ShapeObject& shape) {
        shape.SetSolidFill(PackRgba(red, green, blue, alpha));
    });
}

HRESULT swfObject::SetNoFill() {
    return ChangeShape(Shape(), [&](ShapeObject& shape) { shape.SetNoFill(); });
}

HRESULT swfObject::SetLinearFill(std::uint8_t r1, std::uint8_t g1, std::uint8_t b1, std::uint8_t a1,
                                 std::uint8_t r2, std::uint8_t g2, std::uint8_t b2,
                                 std::uint8_t a2) {
    return ChangeShape(Shape(), [&](ShapeObject& shape) {
        shape.SetLinearFill(PackRgba(r1, g1, b1, a1), PackRgba(r2, g2, b2, a2));
    });
}

HRESULT swfObject::SetLinearFillCenter(std::int32_t centerX, std::int32_t centerY) {
    return ChangeShape(Shape(),
                       [&](ShapeObject& shape) { shape.SetLinearFillCenter(centerX, centerY); });
}

HRESULT swfObject::SetRadialFill(std::uint8_t r1, std::uint8_t g1, std::uint8_t b1, std::uint8_t a1,
                                 std::uint8_t r2, std::uint8_t g2, std::uint8_t b2,
                                 std::uint8_t a2) {
    return ChangeShape(Shape(), [&](ShapeObject& shape) {
        shape.SetRadialFill(PackRgba(r1, g1, b1, a1), PackRgba(r2, g2, b2, a2));
    });
}

HRESULT swfObject::SetRadialFillCenter(std::int32_t centerX, std::int32_t centerY) {
    return ChangeShape(Shape(),
                       [&](ShapeObject& shape) { shape.SetRadialFillCenter(centerX, centerY); });
}

HRESULT swfObject::Translate(std::int32_t x, std::int32_t y) {
    return ChangeShape(Shape(), [&](ShapeObject& shape) { shape.Translate(x, y); });
}

HRESULT swfObject::Rotate(std::int32_t degree) {
    return ChangeShape(Shape(), [&](ShapeObject& shape) { shape.Rotate(degree); });
}

HRESULT swfObject::Scale(std::int32_t scaleX, std::int32_t scaleY) {
    return ChangeShape(Shape(), [&](ShapeObject& shape) { shape.Scale(scaleX, scaleY); });
}

HRESULT swfObject::ScaleEx(std::int32_t scaleX, std::int32_t scaleY) {
    return Scale(scaleX, scaleY);
}

} // namespace quillot
