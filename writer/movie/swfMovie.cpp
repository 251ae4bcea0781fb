#include "writer/movie/swfMovie.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "writer/interactive/swfAction.h"
#include "writer/movie/ControlTags.h"
#include "writer/movie/MovieFile.h"
#include "writer/movie/TempFolder.h"
#include "writer/objects/swfObject.h"

namespace quillot {

swfMovie::swfMovie() : m_tempFolder(SystemTempFolder()) {}

HRESULT swfMovie::WriteMovie(const std::string& fname) {
    m_lastError.clear();
    return WriteMovieFile(m_model, fname, m_lastError) ? S_OK : STG_E_CANTSAVE;
}

HRESULT swfMovie::SetSize(std::int32_t cx, std::int32_t cy) {
    m_model.width = cx;
    m_model.height = cy;
    return S_OK;
}

HRESULT swfMovie::SetFrameRate(std::int32_t framerate) {
    m_model.frameRate = framerate;
    return S_OK;
}

HRESULT swfMovie::get_filename(std::string& filename) const {
    filename = m_fileName;
    return S_OK;
}

HRESULT swfMovie::put_filename(const std::string&) { return S_OK; }

Frame* swfMovie::CurrentFrame() {
    if (m_currentFrame < 0 || m_currentFrame >= MovieModel::kMaxFrameCount) {
        return nullptr;
    }
    return &m_model.GetFrame(m_currentFrame);
}

HRESULT swfMovie::AddObject(swfObject* object) {
    return ApplyOnCurrentFrame(object, &WriterObject::AddToFrame);
}

HRESULT swfMovie::RemoveObject(swfObject* object) {
    return ApplyOnCurrentFrame(object, &WriterObject::RemoveFromFrame);
}

HRESULT swfMovie::ApplyOnCurrentFrame(swfObject* object, void (WriterObject::*step)(Frame&)) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (object->Kind() <= 0 || object->Internal() == nullptr) {
        return S_OK; // not made yet
    }
    Frame* frame = CurrentFrame();
    if (frame == nullptr) {
        return S_FALSE;
    }
    (object->Internal()->*step)(*frame);
    return S_OK;
}

HRESULT swfMovie::AddAction(swfAction* action) {
    if (action == nullptr) {
        return E_POINTER;
    }
    if (action->Kind() <= 0) {
        return S_OK;
    }
    Frame* frame = CurrentFrame();
    if (frame == nullptr) {
        return S_FALSE;
    }
    auto tag = std::make_unique<DoActionTag>();
    action->Template().AddToDoAction(*tag);
    frame->Append(std::move(tag));
    return S_OK;
}

HRESULT swfMovie::GotoFrame(std::int32_t index) {
    m_currentFrame = index;
    return S_OK;
}

HRESULT swfMovie::SetFrameBkColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    Frame* frame = CurrentFrame();
    if (frame == nullptr) {
        return S_FALSE;
    }
    frame->Append(std::make_unique<SetBackgroundColorTag>(PackRgba(red, green, blue, 255)));
    return S_OK;
}

HRESULT swfMovie::MakeMovie() {
    const std::string name = UniqueTempName(m_tempFolder);
    if (name.empty()) {
        return E_POINTER;
    }
    m_fileName = name + ".swf";
    return WriteMovie(TempFilePath());
}

HRESULT swfMovie::SetTempDir(const std::string& tempDir) {
    m_tempFolder = tempDir;
    return S_OK;
}

HRESULT swfMovie::get_Content(std::vector<std::uint8_t>& content) const {
    return ReadFileContent(TempFilePath(), content);
}

HRESULT swfMovie::DeleteTempFile() {
    std::remove(TempFilePath().c_str());
    return S_OK;
}

HRESULT swfMovie::ReadFileContent(const std::string& fname,
                                  std::vector<std::uint8_t>& content) const {
    content.clear();
    std::ifstream file(fname, std::ios::binary);
    if (!file) {
        return S_FALSE;
    }
    content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    // Callers that treat the bytes as text find them terminated.
    content.push_back(0);
    return S_OK;
}

} // namespace quillot
