#include "writer/com/server/ObjectComponent.h"

#include "writer/com/server/ActionComponent.h"
#include "writer/com/server/ComponentArguments.h"

namespace quillot::com {

namespace {

// The writer object behind an argument, or none when the argument is not
// one of the library's own objects.
swfObject* ObjectOf(IUnknown* unknown) {
    ObjectComponent* component = ObjectComponent::Recognise(unknown);
    return component ? &component->Object() : nullptr;
}

} // namespace

HRESULT ObjectComponent::get_ObjectType(int16* pVal) {
    return pVal ? m_object.get_ObjectType(*pVal) : E_POINTER;
}

HRESULT ObjectComponent::put_ObjectType(int16 newVal) { return m_object.put_ObjectType(newVal); }

HRESULT ObjectComponent::MakeRectangle(int32 xmin, int32 ymin, int32 xmax, int32 ymax) {
    return m_object.MakeRectangle(xmin, ymin, xmax, ymax);
}

HRESULT ObjectComponent::MakeCircle(int32 center_x, int32 center_y, int32 radius) {
    return m_object.MakeCircle(center_x, center_y, radius);
}

HRESULT ObjectComponent::MakePolygon(int32 originX, int32 originY) {
    return m_object.MakePolygon(originX, originY);
}

HRESULT ObjectComponent::MakeOval(int32 xmin, int32 ymin, int32 xmax, int32 ymax) {
    return m_object.MakeOval(xmin, ymin, xmax, ymax);
}

HRESULT ObjectComponent::SetLineWidth(int32 lineWidth) { return m_object.SetLineWidth(lineWidth); }

HRESULT ObjectComponent::SetLineColorA(byte red, byte green, byte blue, byte alpha) {
    return m_object.SetLineColorA(red, green, blue, alpha);
}

HRESULT ObjectComponent::SetSolidFill(byte red, byte green, byte blue, byte alpha) {
    return m_object.SetSolidFill(red, green, blue, alpha);
}

HRESULT ObjectComponent::SetLinearFill(byte r1, byte g1, byte b1, byte a1, byte r2, byte g2,
                                       byte b2, byte a2) {
    return m_object.SetLinearFill(r1, g1, b1, a1, r2, g2, b2, a2);
}

HRESULT ObjectComponent::SetLinearFillCenter(int32 centerX, int32 centerY) {
    return m_object.SetLinearFillCenter(centerX, centerY);
}

HRESULT ObjectComponent::SetRadialFill(byte r1, byte g1, byte b1, byte a1, byte r2, byte g2,
                                       byte b2, byte a2) {
    return m_object.SetRadialFill(r1, g1, b1, a1, r2, g2, b2, a2);
}

HRESULT ObjectComponent::SetRadialFillCenter(int32 centerX, int32 centerY) {
    return m_object.SetRadialFillCenter(centerX, centerY);
}

HRESULT ObjectComponent::Translate(int32 x, int32 y) { return m_object.Translate(x, y); }

HRESULT ObjectComponent::Rotate(int32 degree) { return m_object.Rotate(degree); }

HRESULT ObjectComponent::Scale(int32 scaleX, int32 scaleY) { return m_object.Scale(scaleX, scaleY); }

HRESULT ObjectComponent::SetNoFill() { return m_object.SetNoFill(); }

HRESULT ObjectComponent::AddCurvedLine(int32 controlDX, int32 controlDY, int32 anchorDX,
                                       int32 anchorDY) {
    return m_object.AddCurvedLine(controlDX, controlDY, anchorDX, anchorDY);
}

HRESULT ObjectComponent::AddStraightLine(int32 dx, int32 dy) {
    return m_object.AddStraightLine(dx, dy);
}

HRESULT ObjectComponent::Delete() { return m_object.Delete(); }

HRESULT ObjectComponent::MakeEditText(int32 xmin, int32 ymin, int32 xmax, int32 ymax, BSTR Text) {
    std::string text;
    const HRESULT status = ToText(Text, text);
    return Failed(status) ? status : m_object.MakeEditText(xmin, ymin, xmax, ymax, text);
}

HRESULT ObjectComponent::SetEditTextHeight(int32 height) {
    return m_object.SetEditTextHeight(height);
}

HRESULT ObjectComponent::SetEditTextEditable(int32 editable) {
    return m_object.SetEditTextEditable(editable);
}

HRESULT ObjectComponent::SetEditTextColor(byte red, byte green, byte blue) {
    return m_object.SetEditTextColor(red, green, blue);
}

HRESULT ObjectComponent::MakePicture(int32 xmin, int32 ymin, int32 xmax, int32 ymax,
                                     int32 bitmap_x, int32 bitmap_y, BSTR filename) {
    std::string path;
    const HRESULT status = ToText(filename, path);
    return Failed(status) ? status
                          : m_object.MakePicture(xmin, ymin, xmax, ymax, bitmap_x, bitmap_y, path);
}

HRESULT ObjectComponent::SetDepth(int32 depth) { return m_object.SetDepth(depth); }

HRESULT ObjectComponent::MakeSound(BSTR filename) {
    std::string path;
    const HRESULT status = ToText(filename, path);
    return Failed(status) ? status : m_object.MakeSound(path);
}

HRESULT ObjectComponent::MakeButton(IUnknown* p1, IUnknown* p2, IUnknown* p3, IUnknown* p4) {
    swfObject* up = ObjectOf(p1);
    swfObject* over = ObjectOf(p2);
    swfObject* down = ObjectOf(p3);
    swfObject* hit = ObjectOf(p4);
    if (!up || !over || !down || !hit) {
        return E_POINTER;
    }
    return m_object.MakeButton(up, over, down, hit);
}

// An action that is not one of the library's own is passed on as none, which
// the writer ignores.
HRESULT ObjectComponent::QueueEvent(IUnknown* Action, int32 iEvent) {
    ActionComponent* action = ActionComponent::Recognise(Action);
    return m_object.QueueEvent(action ? &action->Action() : nullptr, iEvent);
}

HRESULT ObjectComponent::SetBitmapFillJpeg(int32 bitmap_x, int32 bitmap_y, BSTR filename) {
    std::string path;
    const HRESULT status = ToText(filename, path);
    return Failed(status) ? status : m_object.SetBitmapFillJpeg(bitmap_x, bitmap_y, path);
}

HRESULT ObjectComponent::MakeFont(BSTR name) {
    std::string face;
    const HRESULT status = ToText(name, face);
    return Failed(status) ? status : m_object.MakeFont(face);
}

HRESULT ObjectComponent::MakeText(BSTR Text, IUnknown* pUnkz) {
    std::string text;
    const HRESULT status = ToText(Text, text);
    swfObject* font = ObjectOf(pUnkz);
    if (Failed(status) || font == nullptr) {
        return Failed(status) ? status : E_POINTER;
    }
    return m_object.MakeText(text, font);
}

HRESULT ObjectComponent::AddGlyph(BSTR font, BSTR Text, int32 unicode) {
    std::string face;
    std::string text;
    const HRESULT status = ToTexts(font, face, Text, text);
    return Failed(status) ? status : m_object.AddGlyph(face, text, unicode);
}

HRESULT ObjectComponent::MakeButtonSimple(IUnknown* p1, int16 r1, int16 g1, int16 b1, int16 a1,
                                          int16 r2, int16 g2, int16 b2, int16 a2) {
    swfObject* shape = ObjectOf(p1);
    return shape ? m_object.MakeButtonSimple(shape, r1, g1, b1, a1, r2, g2, b2, a2) : E_POINTER;
}

HRESULT ObjectComponent::SetLineColor(byte red, byte green, byte blue, byte alpha) {
    return m_object.SetLineColor(red, green, blue, alpha);
}

HRESULT ObjectComponent::AddGlyphEx(BSTR font, BSTR Text, int32 unicode, int32 advance) {
    std::string face;
    std::string text;
    const HRESULT status = ToTexts(font, face, Text, text);
    return Failed(status) ? status : m_object.AddGlyphEx(face, text, unicode, advance);
}

HRESULT ObjectComponent::MakeTextEx(BSTR Text, IUnknown* pUnk, int32 x, int32 y, int32 size) {
    std::string text;
    const HRESULT status = ToText(Text, text);
    swfObject* font = ObjectOf(pUnk);
    if (Failed(status) || font == nullptr) {
        return Failed(status) ? status : E_POINTER;
    }
    return m_object.MakeTextEx(text, font, x, y, size);
}

HRESULT ObjectComponent::ScaleEx(int32 scaleX, int32 scaleY) {
    return m_object.ScaleEx(scaleX, scaleY);
}

HRESULT ObjectComponent::MakeTextSimple(BSTR fontname, BSTR Text, int32 x, int32 y, int32 size) {
    std::string face;
    std::string text;
    const HRESULT status = ToTexts(fontname, face, Text, text);
    return Failed(status) ? status : m_object.MakeTextSimple(face, text, x, y, size);
}

HRESULT ObjectComponent::AddNewPath(int32 dx, int32 dy) { return m_object.AddNewPath(dx, dy); }

HRESULT ObjectComponent::GetTextWidth(BSTR font, BSTR Text, int32* width) {
    if (width == nullptr) {
        return E_POINTER;
    }
    std::string face;
    std::string text;
    const HRESULT status = ToTexts(font, face, Text, text);
    return Failed(status) ? status : m_object.GetTextWidth(face, text, *width);
}

HRESULT ObjectComponent::FadeIn(int32 CharID, int32 depth, int32 nf) {
    return m_object.FadeIn(CharID, depth, nf);
}

} // namespace quillot::com
