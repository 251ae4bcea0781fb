#pragma once

#include "writer/com/automation/IDispatch.h"

namespace quillot::com {

// The dual interface of swfMovie: operations in the order of their DISPIDs,
// a property's get before its put.
struct IswfMovie : IDispatch {
    virtual HRESULT WriteMovie(BSTR fname) = 0;
    virtual HRESULT SetSize(std::int32_t cx, std::int32_t cy) = 0;
    virtual HRESULT SetFrameRate(std::int32_t framerate) = 0;
    virtual HRESULT get_filename(BSTR* pVal) = 0;
    virtual HRESULT put_filename(BSTR newVal) = 0;
    virtual HRESULT AddObject(IUnknown* pUnk) = 0;
    virtual HRESULT GotoFrame(std::int32_t index) = 0;
    virtual HRESULT SetFrameBkColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
    virtual HRESULT RemoveObject(IUnknown* pUnk) = 0;
    virtual HRESULT AddAction(IUnknown* pUnk) = 0;
    virtual HRESULT MakeMovie() = 0;
    virtual HRESULT SetTempDir(BSTR tempDir) = 0;
    virtual HRESULT get_Content(VARIANT* pVal) = 0;
    virtual HRESULT DeleteTempFile() = 0;
    virtual HRESULT ReadFileContent(BSTR fname, VARIANT* content) = 0;
};

} // namespace quillot::com
