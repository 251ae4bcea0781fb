#include "writer/com/server/MovieComponent.h"

#include "writer/com/server/ActionComponent.h"
#include "writer/com/server/ComponentArguments.h"
#include "writer/com/server/ObjectComponent.h"

namespace quillot::com {

namespace {

// Automation clients have always been told that writing succeeded, and they
// stop on any failure; the C++ interface is the one that reports a file that
// cannot be written.
HRESULT AsWriteResult(HRESULT status) { return status == STG_E_CANTSAVE ? S_OK : status; }

} // namespace

HRESULT MovieComponent::WriteMovie(BSTR fname) {
    std::string path;
    const HRESULT status = ToText(fname, path);
    return Failed(status) ? status : AsWriteResult(m_movie.WriteMovie(path));
}

HRESULT MovieComponent::SetSize(std::int32_t cx, std::int32_t cy) { return m_movie.SetSize(cx, cy); }

HRESULT MovieComponent::SetFrameRate(std::int32_t framerate) {
    return m_movie.SetFrameRate(framerate);
}

HRESULT MovieComponent::get_filename(BSTR* pVal) {
    std::string name;
    m_movie.get_filename(name);
    return ReturnString(name, pVal);
}

HRESULT MovieComponent::put_filename(BSTR newVal) {
    std::string name;
    const HRESULT status = ToText(newVal, name);
    return Failed(status) ? status : m_movie.put_filename(name);
}

HRESULT MovieComponent::AddObject(IUnknown* pUnk) {
    ObjectComponent* object = ObjectComponent::Recognise(pUnk);
    return object ? m_movie.AddObject(&object->Object()) : E_POINTER;
}

HRESULT MovieComponent::GotoFrame(std::int32_t index) { return m_movie.GotoFrame(index); }

HRESULT MovieComponent::SetFrameBkColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return m_movie.SetFrameBkColor(red, green, blue);
}

HRESULT MovieComponent::RemoveObject(IUnknown* pUnk) {
    ObjectComponent* object = ObjectComponent::Recognise(pUnk);
    return object ? m_movie.RemoveObject(&object->Object()) : E_POINTER;
}

HRESULT MovieComponent::AddAction(IUnknown* pUnk) {
    ActionComponent* action = ActionComponent::Recognise(pUnk);
    return action ? m_movie.AddAction(&action->Action()) : E_POINTER;
}

HRESULT MovieComponent::MakeMovie() { return AsWriteResult(m_movie.MakeMovie()); }

HRESULT MovieComponent::SetTempDir(BSTR tempDir) {
    std::string folder;
    const HRESULT status = ToText(tempDir, folder);
    return Failed(status) ? status : m_movie.SetTempDir(folder);
}

HRESULT MovieComponent::get_Content(VARIANT* pVal) {
    std::vector<std::uint8_t> bytes;
    const HRESULT status = m_movie.get_Content(bytes);
    return ReturnBytes(status, bytes, pVal);
}

HRESULT MovieComponent::DeleteTempFile() { return m_movie.DeleteTempFile(); }

HRESULT MovieComponent::ReadFileContent(BSTR fname, VARIANT* content) {
    std::string path;
    HRESULT status = ToText(fname, path);
    std::vector<std::uint8_t> bytes;
    if (Succeeded(status)) {
        status = m_movie.ReadFileContent(path, bytes);
    }
    return ReturnBytes(status, bytes, content);
}

} // namespace quillot::com
