// Operations of kinds that are not built yet. Each area replaces its entries
// here with a file of its own.
#include "writer/objects/swfObject.h"

namespace quillot {

HRESULT swfObject::MakeEditText(std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                const std::string&) { return E_NOTIMPL; }
HRESULT swfObject::SetEditTextHeight(std::int32_t) { return E_NOTIMPL; }
HRESULT swfObject::SetEditTextEditable(std::int32_t) { return E_NOTIMPL; }
HRESULT swfObject::SetEditTextColor(std::uint8_t, std::uint8_t, std::uint8_t) { return E_NOTIMPL; }
HRESULT swfObject::MakeButton(swfObject*, swfObject*, swfObject*, swfObject*) { return E_NOTIMPL; }
HRESULT swfObject::QueueEvent(swfAction*, std::int32_t) { return E_NOTIMPL; }
HRESULT swfObject::MakeButtonSimple(swfObject*, std::int16_t, std::int16_t, std::int16_t,
                                    std::int16_t, std::int16_t, std::int16_t, std::int16_t,
                                    std::int16_t) { return E_NOTIMPL; }

} // namespace quillot
