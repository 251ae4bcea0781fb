#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "writer/movie/HResult.h"
#include "writer/objects/ObjectKind.h"
#include "writer/objects/WriterObject.h"

namespace quillot {

class swfAction;
class ShapeObject;

// The client's handle on one character in the making: a shape, picture,
// text, edit field, font, sound or button. It holds one kind at a time; every
// Make operation but the button ones first empties it. Operations that do not
// apply to the object's kind do nothing and return S_OK. Strings are UTF-8.
class swfObject {
public:
    swfObject();
    ~swfObject();
    swfObject(const swfObject&) = delete;
    swfObject& operator=(const swfObject&) = delete;

    HRESULT get_ObjectType(std::int16_t& kind) const;
    HRESULT put_ObjectType(std::int16_t kind);

    // Shapes.
    HRESULT MakeRectangle(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax);
    HRESULT MakeCircle(std::int32_t center_x, std::int32_t center_y, std::int32_t radius);
    HRESULT MakePolygon(std::int32_t originX, std::int32_t originY);
    HRESULT MakeOval(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax);
    HRESULT SetLineWidth(std::int32_t lineWidth);
    HRESULT SetLineColorA(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha);
    HRESULT SetSolidFill(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha);
    HRESULT SetLinearFill(std::uint8_t r1, std::uint8_t g1, std::uint8_t b1, std::uint8_t a1,
                          std::uint8_t r2, std::uint8_t g2, std::uint8_t b2, std::uint8_t a2);
    HRESULT SetLinearFillCenter(std::int32_t centerX, std::int32_t centerY);
    HRESULT SetRadialFill(std::uint8_t r1, std::uint8_t g1, std::uint8_t b1, std::uint8_t a1,
                          std::uint8_t r2, std::uint8_t g2, std::uint8_t b2, std::uint8_t a2);
    HRESULT SetRadialFillCenter(std::int32_t centerX, std::int32_t centerY);
    HRESULT Translate(std::int32_t x, std::int32_t y);
    HRESULT Rotate(std::int32_t degree);
    HRESULT Scale(std::int32_t scaleX, std::int32_t scaleY);
    HRESULT SetNoFill();
    HRESULT AddCurvedLine(std::int32_t controlDX, std::int32_t controlDY, std::int32_t anchorDX,
                          std::int32_t anchorDY);
    HRESULT AddStraightLine(std::int32_t dx, std::int32_t dy);
    HRESULT Delete();

    // Edit text.
    HRESULT MakeEditText(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax,
                         const std::string& Text);
    HRESULT SetEditTextHeight(std::int32_t height);
    HRESULT SetEditTextEditable(std::int32_t editable);
    HRESULT SetEditTextColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

    // Pictures, depth, sounds, buttons.
    HRESULT MakePicture(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax,
                        std::int32_t bitmap_x, std::int32_t bitmap_y, const std::string& filename);
    HRESULT SetDepth(std::int32_t depth);
    HRESULT MakeSound(const std::string& filename);
    HRESULT MakeButton(swfObject* p1, swfObject* p2, swfObject* p3, swfObject* p4);
    HRESULT QueueEvent(swfAction* Action, std::int32_t iEvent);
    HRESULT SetBitmapFillJpeg(std::int32_t bitmap_x, std::int32_t bitmap_y, const std::string& filename);

    // Fonts and text.
    HRESULT MakeFont(const std::string& name);
    HRESULT MakeText(const std::string& Text, swfObject* pUnkz);
    HRESULT AddGlyph(const std::string& font, const std::string& Text, std::int32_t unicode);
    HRESULT MakeButtonSimple(swfObject* p1, std::int16_t r1, std::int16_t g1, std::int16_t b1,
                             std::int16_t a1, std::int16_t r2, std::int16_t g2, std::int16_t b2,
                             std::int16_t a2);
    HRESULT SetLineColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha);
    HRESULT AddGlyphEx(const std::string& font, const std::string& Text, std::int32_t unicode,
                       std::int32_t advance);
    HRESULT MakeTextEx(const std::string& Text, swfObject* pUnk, std::int32_t x, std::int32_t y,
                       std::int32_t size);
    HRESULT ScaleEx(std::int32_t scaleX, std::int32_t scaleY);
    HRESULT MakeTextSimple(const std::string& fontname, const std::string& Text, std::int32_t x,
                           std::int32_t y, std::int32_t size);
    HRESULT AddNewPath(std::int32_t dx, std::int32_t dy);
    HRESULT GetTextWidth(const std::string& font, const std::string& Text, std::int32_t& width);
    HRESULT FadeIn(std::int32_t CharID, std::int32_t depth, std::int32_t nf);

    // What the movie and other objects of the library reach.
    std::int16_t Kind() const { return m_kind; }
    WriterObject* Internal() const { return m_object.get(); }

private:
    // Replaces the internal object (after Delete) and sets the kind.
    void Replace(std::unique_ptr<WriterObject> object, std::int16_t kind);
    // The shape state when the kind is a shape kind, else none.
    ShapeObject* Shape() const;
    template <class Kind> Kind* InternalAs(std::int16_t kind) const {
        return m_kind == kind ? dynamic_cast<Kind*>(m_object.get()) : nullptr;
    }

    // Shared, so that a button keeps its parts alive when their objects are
    // made again or destroyed before the movie is written.
    std::shared_ptr<WriterObject> m_object;
    std::int16_t m_kind = ObjectKind::Empty;
};

} // namespace quillot
