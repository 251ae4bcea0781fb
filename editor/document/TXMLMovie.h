#pragma once

#include "editor/document/IXMLMovie.h"
#include "editor/document/TXMLNode.h"
#include "editor/document/TXMLObjList.h"

namespace joyvane {

class TXMLMovie final : public IXMLMovie, public TXMLNode {
public:
    explicit TXMLMovie(pugi::xml_node movie) : TXMLNode(movie), m_objects(movie) {}

    std::string BgColor() override { return Text("BgColor"); }
    void SetBgColor(std::string_view value) override { SetText("BgColor", value); }
    std::int32_t BgColorValue() override { return Colour("BgColor"); }
    void SetBgColorValue(std::int32_t colour) override { SetInteger("BgColor", colour); }
    std::string BgPic() override { return Text("BgPic"); }
    void SetBgPic(std::string_view value) override { SetText("BgPic", value); }
    std::int32_t Width() override { return Integer("Width"); }
    void SetWidth(std::int32_t pixels) override { SetInteger("Width", pixels); }
    std::int32_t Height() override { return Integer("Height"); }
    void SetHeight(std::int32_t pixels) override { SetInteger("Height", pixels); }
    std::int32_t Rate() override { return Integer("Rate"); }
    void SetRate(std::int32_t framesPerSecond) override { SetInteger("Rate", framesPerSecond); }
    std::int32_t TotalFrames() override { return Integer("TotalFrames"); }
    void SetTotalFrames(std::int32_t frames) override { SetInteger("TotalFrames", frames); }
    std::int32_t Times() override { return Integer("Times"); }
    void SetTimes(std::int32_t value) override { SetInteger("Times", value); }
    std::int32_t FileSize() override { return Integer("FileSize"); }
    void SetFileSize(std::int32_t value) override { SetInteger("FileSize", value); }
    std::string MovieName() override { return Text("MovieName"); }
    void SetMovieName(std::string_view value) override { SetText("MovieName", value); }
    std::string Author() override { return Text("Author"); }
    void SetAuthor(std::string_view value) override { SetText("Author", value); }
    std::string Loop() override { return Text("Loop"); }
    void SetLoop(std::string_view value) override { SetText("Loop", value); }
    bool IsLooping() override;

    IXMLObjList& Obj() override { return m_objects; }

private:
    TXMLObjList m_objects;
};

} // namespace joyvane
