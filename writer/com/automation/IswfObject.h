#pragma once

#include "writer/com/automation/IDispatch.h"

namespace quillot::com {

// The dual interface of swfObject: operations in the order of their DISPIDs
// (there is no DISPID 19), a property's get before its put.
struct IswfObject : IDispatch {
    using int32 = std::int32_t;
    using int16 = std::int16_t;
    using byte = std::uint8_t;

    virtual HRESULT get_ObjectType(int16* pVal) = 0;
    virtual HRESULT put_ObjectType(int16 newVal) = 0;
    virtual HRESULT MakeRectangle(int32 xmin, int32 ymin, int32 xmax, int32 ymax) = 0;
    virtual HRESULT MakeCircle(int32 center_x, int32 center_y, int32 radius) = 0;
    virtual HRESULT MakePolygon(int32 originX, int32 originY) = 0;
    virtual HRESULT MakeOval(int32 xmin, int32 ymin, int32 xmax, int32 ymax) = 0;
    virtual HRESULT SetLineWidth(int32 lineWidth) = 0;
    virtual HRESULT SetLineColorA(byte red, byte green, byte blue, byte alpha) = 0;
    virtual HRESULT SetSolidFill(byte red, byte green, byte blue, byte alpha) = 0;
    virtual HRESULT SetLinearFill(byte r1, byte g1, byte b1, byte a1, byte r2, byte g2, byte b2,
                                  byte a2) = 0;
    virtual HRESULT SetLinearFillCenter(int32 centerX, int32 centerY) = 0;
    virtual HRESULT SetRadialFill(byte r1, byte g1, byte b1, byte a1, byte r2, byte g2, byte b2,
                                  byte a2) = 0;
    virtual HRESULT SetRadialFillCenter(int32 centerX, int32 centerY) = 0;
    virtual HRESULT Translate(int32 x, int32 y) = 0;
    virtual HRESULT Rotate(int32 degree) = 0;
    virtual HRESULT Scale(int32 scaleX, int32 scaleY) = 0;
    virtual HRESULT SetNoFill() = 0;
    virtual HRESULT AddCurvedLine(int32 controlDX, int32 controlDY, int32 anchorDX,
                                  int32 anchorDY) = 0;
    virtual HRESULT AddStraightLine(int32 dx, int32 dy) = 0;
    virtual HRESULT Delete() = 0;
    virtual HRESULT MakeEditText(int32 xmin, int32 ymin, int32 xmax, int32 ymax, BSTR Text) = 0;
    virtual HRESULT SetEditTextHeight(int32 height) = 0;
    virtual HRESULT SetEditTextEditable(int32 editable) = 0;
    virtual HRESULT SetEditTextColor(byte red, byte green, byte blue) = 0;
    virtual HRESULT MakePicture(int32 xmin, int32 ymin, int32 xmax, int32 ymax, int32 bitmap_x,
                                int32 bitmap_y, BSTR filename) = 0;
    virtual HRESULT SetDepth(int32 depth) = 0;
    virtual HRESULT MakeSound(BSTR filename) = 0;
    virtual HRESULT MakeButton(IUnknown* p1, IUnknown* p2, IUnknown* p3, IUnknown* p4) = 0;
    virtual HRESULT QueueEvent(IUnknown* Action, int32 iEvent) = 0;
    virtual HRESULT SetBitmapFillJpeg(int32 bitmap_x, int32 bitmap_y, BSTR filename) = 0;
    virtual HRESULT MakeFont(BSTR name) = 0;
    virtual HRESULT MakeText(BSTR Text, IUnknown* pUnkz) = 0;
    virtual HRESULT AddGlyph(BSTR font, BSTR Text, int32 unicode) = 0;
    virtual HRESULT MakeButtonSimple(IUnknown* p1, int16 r1, int16 g1, int16 b1, int16 a1,
                                     int16 r2, int16 g2, int16 b2, int16 a2) = 0;
    virtual HRESULT SetLineColor(byte red, byte green, byte blue, byte alpha) = 0;
    virtual HRESULT AddGlyphEx(BSTR font, BSTR Text, int32 unicode, int32 advance) = 0;
    virtual HRESULT MakeTextEx(BSTR Text, IUnknown* pUnk, int32 x, int32 y, int32 size) = 0;
    virtual HRESULT ScaleEx(int32 scaleX, int32 scaleY) = 0;
    virtual HRESULT MakeTextSimple(BSTR fontname, BSTR Text, int32 x, int32 y, int32 size) = 0;
    virtual HRESULT AddNewPath(int32 dx, int32 dy) = 0;
    virtual HRESULT GetTextWidth(BSTR font, BSTR Text, int32* width) = 0;
    virtual HRESULT FadeIn(int32 CharID, int32 depth, int32 nf) = 0;
};

} // namespace quillot::com
