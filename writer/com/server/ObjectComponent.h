#pragma once

#include "writer/com/automation/IswfObject.h"
#include "writer/com/server/DispatchComponent.h"
#include "writer/objects/swfObject.h"

namespace quillot::com {

// The swfObject class: IswfObject over the writer's object.
class ObjectComponent final
    : public DispatchComponent<ObjectComponent, IswfObject, IID_IswfObject, CLSID_swfObject> {
public:
    explicit ObjectComponent(IUnknown* outer) : DispatchComponent(outer) {}

    HRESULT get_ObjectType(int16* pVal) override;
    HRESULT put_ObjectType(int16 newVal) override;
    HRESULT MakeRectangle(int32 xmin, int32 ymin, int32 xmax, int32 ymax) override;
    HRESULT MakeCircle(int32 center_x, int32 center_y, int32 radius) override;
    HRESULT MakePolygon(int32 originX, int32 originY) override;
    HRESULT MakeOval(int32 xmin, int32 ymin, int32 xmax, int32 ymax) override;
    HRESULT SetLineWidth(int32 lineWidth) override;
    HRESULT SetLineColorA(byte red, byte green, byte blue, byte alpha) override;
    HRESULT SetSolidFill(byte red, byte green, byte blue, byte alpha) override;
    HRESULT SetLinearFill(byte r1, byte g1, byte b1, byte a1, byte r2, byte g2, byte b2,
                          byte a2) override;
    HRESULT SetLinearFillCenter(int32 centerX, int32 centerY) override;
    HRESULT SetRadialFill(byte r1, byte g1, byte b1, byte a1, byte r2, byte g2, byte b2,
                          byte a2) override;
    HRESULT SetRadialFillCenter(int32 centerX, int32 centerY) override;
    HRESULT Translate(int32 x, int32 y) override;
    HRESULT Rotate(int32 degree) override;
    HRESULT Scale(int32 scaleX, int32 scaleY) override;
    HRESULT SetNoFill() override;
    HRESULT AddCurvedLine(int32 controlDX, int32 controlDY, int32 anchorDX,
                          int32 anchorDY) override;
    HRESULT AddStraightLine(int32 dx, int32 dy) override;
    HRESULT Delete() override;
    HRESULT MakeEditText(int32 xmin, int32 ymin, int32 xmax, int32 ymax, BSTR Text) override;
    HRESULT SetEditTextHeight(int32 height) override;
    HRESULT SetEditTextEditable(int32 editable) override;
    HRESULT SetEditTextColor(byte red, byte green, byte blue) override;
    HRESULT MakePicture(int32 xmin, int32 ymin, int32 xmax, int32 ymax, int32 bitmap_x,
                        int32 bitmap_y, BSTR filename) override;
    HRESULT SetDepth(int32 depth) override;
    HRESULT MakeSound(BSTR filename) override;
    HRESULT MakeButton(IUnknown* p1, IUnknown* p2, IUnknown* p3, IUnknown* p4) override;
    HRESULT QueueEvent(IUnknown* Action, int32 iEvent) override;
    HRESULT SetBitmapFillJpeg(int32 bitmap_x, int32 bitmap_y, BSTR filename) override;
    HRESULT MakeFont(BSTR name) override;
    HRESULT MakeText(BSTR Text, IUnknown* pUnkz) override;
    HRESULT AddGlyph(BSTR font, BSTR Text, int32 unicode) override;
    HRESULT MakeButtonSimple(IUnknown* p1, int16 r1, int16 g1, int16 b1, int16 a1, int16 r2,
                             int16 g2, int16 b2, int16 a2) override;
    HRESULT SetLineColor(byte red, byte green, byte blue, byte alpha) override;
    HRESULT AddGlyphEx(BSTR font, BSTR Text, int32 unicode, int32 advance) override;
    HRESULT MakeTextEx(BSTR Text, IUnknown* pUnk, int32 x, int32 y, int32 size) override;
    HRESULT ScaleEx(int32 scaleX, int32 scaleY) override;
    HRESULT MakeTextSimple(BSTR fontname, BSTR Text, int32 x, int32 y, int32 size) override;
    HRESULT AddNewPath(int32 dx, int32 dy) override;
    HRESULT GetTextWidth(BSTR font, BSTR Text, int32* width) override;
    HRESULT FadeIn(int32 CharID, int32 depth, int32 nf) override;

    swfObject& Object() { return m_object; }

private:
    swfObject m_object;
};

} // namespace quillot::com
