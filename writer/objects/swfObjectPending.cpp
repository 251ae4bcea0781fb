// Operations of kinds that are not built yet. Each area replaces its entries
// here with a file of its own.
#include "writer/objects/swfObject.h"

namespace quillot {

HRESULT swfObject::MakeEditText(std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                const std::string&) { return E_NOTIMPL; }
HRESULT swfObject::SetEditTextHeight(std::int32_t) { return E_NOTIMPL; }
HRESULT swfObject::SetEditTextEditable(std::int32_t) { return E_NOTIMPL; }
HRESULT swfObject::SetEditTextColor(std::uint8_t, std::uint8_t, std::uint8_t) { return E_NOTIMPL; }
HRESULT swfObject::MakePicture(std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                               std::int32_t, std::int32_t, const std::string&) { return E_NOTIMPL; }
HRESULT swfObject::MakeSound(const std::string&) { return E_NOTIMPL; }
HRESULT swfObject::MakeButton(swfObject*, swfObject*, swfObject*, swfObject*) { return E_NOTIMPL; }
HRESULT swfObject::QueueEvent(swfAction*, std::int32_t) { return E_NOTIMPL; }
HRESULT swfObject::SetBitmapFillJpeg(std::int32_t, std::int32_t, const std::string&) { return E_NOTIMPL; }
HRESULT swfObject::MakeFont(const std::string&) { return E_NOTIMPL; }
HRESULT swfObject::MakeText(const std::string&, swfObject*) { return E_NOTIMPL; }
HRESULT swfObject::AddGlyph(const std::string&, const std::string&, std::int32_t) { return E_NOTIMPL; }
HRESULT swfObject::MakeButtonSimple(swfObject*, std::int16_t, std::int16_t, std::int16_t,
                                    std::int16_t, std::int16_t, std::int16_t, std::int16_t,
                                    std::int16_t) { return E_NOTIMPL; }
HRESULT swfObject::AddGlyphEx(const std::string&, const std::string&, std::int32_t,
                              std::int32_t) { return E_NOTIMPL; }
HRESULT swfObject::MakeTextEx(const std::string&, swfObject*, std::int32_t, std::int32_t,
                              std::int32_t) { return E_NOTIMPL; }
HRESULT swfObject::MakeTextSimple(const std::string&, const std::string&, std::int32_t,
                                  std::int32_t, std::int32_t) { return E_NOTIMPL; }
HRESULT swfObject::GetTextWidth(const std::string&, const std::string&, std::int32_t& width) {
    width = 0;
    return E_NOTIMPL;
}

} // namespace quillot
