#pragma once

#include "editor/generation/PictureEffect.h"
#include "editor/generation/TFlashObj.h"

namespace joyvane {

// The picture compiler: the object's media file (a JPEG) drawn in the
// rectangle of its position and size, shown and moved by its effect. Every
// picture has depth 1, behind every text.
class TFlashPic : public TFlashObj {
public:
    // The text of the message shown when a picture cannot be compiled.
    static constexpr std::string_view kErrorMessage = "Sorry, can not use the picture!";

    explicit TFlashPic(CompileContext context) : TFlashObj(context, ObjectKind::Pic) {}

    // Reads the object's fields; a field that cannot be read throws
    // ConversionError, which aborts the generation.
    void Load(int index) { Load(DocumentObject(index)); }
    void Load(TXMLObj object);
    // Emits the loaded picture. An error on the way ends this picture only:
    // it is reported to the host and the placements made so far stay.
    void CompileStep();

    std::int32_t StageWidth() const { return m_stageWidth; }
    std::int32_t StageHeight() const { return m_stageHeight; }
    const std::string& Content() const { return m_content; }
    const std::string& PictureFile() const { return m_pictureFile; }
    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }

private:
    struct TwipsRectangle {
        std::int32_t xmin, ymin, xmax, ymax;
    };

    // The picture's own rectangle on the stage.
    TwipsRectangle Rectangle() const;
    void RunEffect(const PictureEffect& effect);
    void SetUpPicture();
    void ShowStill();
    void CoverForFade();

    std::int32_t m_stageWidth = 0;
    std::int32_t m_stageHeight = 0;
    std::string m_content;
    std::string m_pictureFile;
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;
};

} // namespace joyvane
