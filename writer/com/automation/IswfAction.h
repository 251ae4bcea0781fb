#pragma once

#include "writer/com/automation/IDispatch.h"

namespace quillot::com {

// The dual interface of swfAction, in the order of the DISPIDs.
struct IswfAction : IDispatch {
    virtual HRESULT MakeActionStop() = 0;
    virtual HRESULT MakeActionPlay() = 0;
    virtual HRESULT MakeActionGotoFrame(std::int32_t frame) = 0;
    virtual HRESULT MakeActionGotoURL(BSTR url) = 0;
    virtual HRESULT MakeActionGotoURLTarget(BSTR url, BSTR target) = 0;
};

} // namespace quillot::com
