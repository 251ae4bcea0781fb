#pragma once

#include "writer/com/automation/IswfMovie.h"
#include "writer/com/server/DispatchComponent.h"
#include "writer/movie/swfMovie.h"

namespace quillot::com {

// The swfMovie class: IswfMovie over the writer's movie.
class MovieComponent final
    : public DispatchComponent<MovieComponent, IswfMovie, IID_IswfMovie, CLSID_swfMovie> {
public:
    explicit MovieComponent(IUnknown* outer) : DispatchComponent(outer) {}

    HRESULT WriteMovie(BSTR fname) override;
    HRESULT SetSize(std::int32_t cx, std::int32_t cy) override;
    HRESULT SetFrameRate(std::int32_t framerate) override;
    HRESULT get_filename(BSTR* pVal) override;
    HRESULT put_filename(BSTR newVal) override;
    HRESULT AddObject(IUnknown* pUnk) override;
    HRESULT GotoFrame(std::int32_t index) override;
    HRESULT SetFrameBkColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
    HRESULT RemoveObject(IUnknown* pUnk) override;
    HRESULT AddAction(IUnknown* pUnk) override;
    HRESULT MakeMovie() override;
    HRESULT SetTempDir(BSTR tempDir) override;
    HRESULT get_Content(VARIANT* pVal) override;
    HRESULT DeleteTempFile() override;
    HRESULT ReadFileContent(BSTR fname, VARIANT* content) override;

private:
    swfMovie m_movie;
};

} // namespace quillot::com
