// The font and text operations of swfObject.
#include "writer/movie/WriterTrace.h"
#include "writer/objects/swfObject.h"
#include "writer/text/FontObject.h"
#include "writer/text/FontRasterizer.h"
#include "writer/text/GlyphOutline.h"
#include "writer/text/TextFitting.h"
#include "writer/text/TextObject.h"

namespace quillot {

namespace {

// The glyph code a whole-string text is looked up by: the text "A".
constexpr std::int32_t kSimpleTextCode = 65;

GlyphOutline BuildOutline(const std::string& faceName, const std::string& text,
                          OutlineDetail detail = OutlineDetail::Shape) {
    GlyphOutline outline(FontRasterizer::Instance(), faceName, text, detail);
    if (!outline.Complete()) {
        TraceWriter("Outline incomplete: face \"%s\", text \"%s\"\n", faceName.c_str(), text.c_str());
    }
    return outline;
}

// A character whose outline could not be had was skipped: the call goes on,
// and the caller learns of it through S_FALSE.
HRESULT OutlineResult(const GlyphOutline& outline) { return outline.Complete() ? S_OK : S_FALSE; }

// The font offset table holds 16-bit offsets; a glyph beyond them is refused.
HRESULT AddOutlineGlyph(EmbeddedFont& font, const GlyphOutline& outline, std::int32_t code,
                        std::int32_t advance) {
    if (!font.AddGlyph(outline.Records(), code, advance)) {
        TraceWriter("Font full: glyph %d not added\n", code);
        return E_FAIL;
    }
    return OutlineResult(outline);
}

} // namespace

HRESULT swfObject::MakeFont(const std::string& name) {
    Delete();
    if (name.size() > EmbeddedFont::kMaxFaceNameBytes) {
        return E_INVALIDARG;
    }
    Replace(std::make_unique<FontObject>(std::make_shared<EmbeddedFont>(name)), ObjectKind::Font);
    return S_OK;
}

// Glyphs need a font made by MakeFont; on any other object the call does
// nothing, as operations of another kind do.
HRESULT swfObject::AddGlyph(const std::string& font, const std::string& Text, std::int32_t unicode) {
    auto* fontObject = InternalAs<FontObject>(ObjectKind::Font);
    if (fontObject == nullptr) {
        return S_OK;
    }
    const GlyphOutline outline = BuildOutline(font, Text);
    return AddOutlineGlyph(fontObject->Font(), outline, unicode, outline.Advance());
}

HRESULT swfObject::AddGlyphEx(const std::string& font, const std::string& Text, std::int32_t unicode,
                              std::int32_t advance) {
    auto* fontObject = InternalAs<FontObject>(ObjectKind::Font);
    if (fontObject == nullptr) {
        return S_OK;
    }
    return AddOutlineGlyph(fontObject->Font(), BuildOutline(font, Text), unicode, advance);
}

// Measuring is a query: it leaves the object, its kind included, as it was.
HRESULT swfObject::GetTextWidth(const std::string& font, const std::string& Text, std::int32_t& width) {
    const GlyphOutline outline = BuildOutline(font, Text, OutlineDetail::BoundsOnly);
    width = outline.Advance();
    return OutlineResult(outline);
}

// The font is taken before this object is emptied, so an object may be made
// into a text of its own font; the text shares the font from then on.
HRESULT swfObject::MakeText(const std::string& Text, swfObject* pUnkz) {
    if (pUnkz == nullptr) {
        return E_POINTER;
    }
    const auto* fontObject = pUnkz->InternalAs<FontObject>(ObjectKind::Font);
    if (fontObject == nullptr) {
        return E_INVALIDARG;
    }
    std::shared_ptr<EmbeddedFont> font = fontObject->SharedFont();
    Delete();
    Replace(std::make_unique<TextObject>(Text, std::move(font)), ObjectKind::StaticText);
    return S_OK;
}

HRESULT swfObject::MakeTextEx(const std::string& Text, swfObject* pUnk, std::int32_t x, std::int32_t y,
                              std::int32_t size) {
    const HRESULT made = MakeText(Text, pUnk);
    if (Succeeded(made)) {
        FitText(*Shape(), x, y, size);
    }
    return made;
}

// The private font belongs to the text alone and goes with it.
HRESULT swfObject::MakeTextSimple(const std::string& fontname, const std::string& Text, std::int32_t x,
                                  std::int32_t y, std::int32_t size) {
    Delete();
    if (fontname.size() > EmbeddedFont::kMaxFaceNameBytes) {
        return E_INVALIDARG;
    }
    auto font = std::make_shared<EmbeddedFont>(fontname);
    const GlyphOutline outline = BuildOutline(fontname, Text);
    const HRESULT added = AddOutlineGlyph(*font, outline, kSimpleTextCode, outline.Advance());
    if (Failed(added)) {
        return added;
    }
    Replace(std::make_unique<TextObject>("A", std::move(font)), ObjectKind::SimpleText);
    FitText(*Shape(), x, y, size);
    return added;
}

} // namespace quillot
