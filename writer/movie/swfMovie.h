#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "writer/movie/HResult.h"
#include "writer/movie/MovieModel.h"

namespace quillot {

class swfObject;
class swfAction;
class WriterObject;

// One movie in the making: its frames, stage settings and output file. The
// operations mirror the automation interface one to one; strings are UTF-8.
class swfMovie {
public:
    swfMovie();

    // Writes the movie to `fname` and empties it. Unlike the automation
    // interface, which reports success regardless, C++ callers learn of a file
    // that cannot be written through STG_E_CANTSAVE and LastError().
    HRESULT WriteMovie(const std::string& fname);
    HRESULT SetSize(std::int32_t cx, std::int32_t cy);
    HRESULT SetFrameRate(std::int32_t framerate);
    HRESULT get_filename(std::string& filename) const;
    HRESULT put_filename(const std::string& filename);
    HRESULT AddObject(swfObject* object);
    HRESULT GotoFrame(std::int32_t index);
    HRESULT SetFrameBkColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    HRESULT RemoveObject(swfObject* object);
    HRESULT AddAction(swfAction* action);
    HRESULT MakeMovie();
    HRESULT SetTempDir(const std::string& tempDir);
    HRESULT get_Content(std::vector<std::uint8_t>& content) const;
    HRESULT DeleteTempFile();
    HRESULT ReadFileContent(const std::string& fname, std::vector<std::uint8_t>& content) const;

    const std::string& LastError() const { return m_lastError; }
    const MovieModel& Model() const { return m_model; }

private:
    // The current frame, or none when the current index names a frame that
    // cannot exist (negative, or beyond the largest frame count).
    Frame* CurrentFrame();
    // Adds or removes a made object at the current frame.
    HRESULT ApplyOnCurrentFrame(swfObject* object, void (WriterObject::*step)(Frame&));
    std::string TempFilePath() const { return m_tempFolder + m_fileName; }

    MovieModel m_model;
    std::int32_t m_currentFrame = 0;
    std::string m_tempFolder;
    std::string m_fileName = "test.swf";
    std::string m_lastError;
};

} // namespace quillot
