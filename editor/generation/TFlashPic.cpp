#include "editor/generation/TFlashPic.h"

#include "editor/generation/GenerationHost.h"
#include "editor/generation/PictureAnimation.h"
#include "editor/generation/PlacementSpan.h"
#include "editor/generation/Twips.h"
#include "editor/generation/WriterPool.h"

#include "editor/document/CardDocument.h"

#include <filesystem>

namespace joyvane {

namespace {

constexpr std::int32_t kPictureDepth = 1;
// The fade's cover darkens by this much alpha per frame of the movie.
constexpr std::int64_t kCoverAlphaPerFrame = 3;

} // namespace

void TFlashPic::Load(TXMLObj object) {
    m_layer = object.Layer();
    m_startTime = object.StartTime();
    m_endTime = object.EndTime();
    TXMLObjPic picture = object.ObjType().ObjPic();
    m_positionX = picture.PositionX();
    m_positionY = picture.PositionY();
    m_effectName = picture.EffectName();
    IXMLMovie& movie = m_context.document.Movie();
    m_stageWidth = movie.Width();
    m_stageHeight = movie.Height();
    m_objName = object.ObjName();
    m_content = picture.Content();
    m_pictureFile = MediaFile();
    m_width = picture.Width();
    m_height = picture.Height();
}

// A picture whose media file is gone (its object was renamed, or the file
// deleted) is simply absent, as the writer would leave it.
void TFlashPic::CompileStep() {
    if (m_content.empty())
        return;
    const PictureEffect* effect = FindPictureEffect(m_effectName);
    if (effect == nullptr)
        return;
    std::error_code error;
    if (!std::filesystem::is_regular_file(m_pictureFile, error)) {
        m_context.host.Trace("Picture file missing: " + m_pictureFile);
        return;
    }
    try {
        RunEffect(*effect);
    } catch (const std::exception&) {
        m_context.host.ReportObjectError(m_objName, kErrorMessage);
    }
}

void TFlashPic::RunEffect(const PictureEffect& effect) {
    SetUpPicture();
    switch (effect.routine) {
    case PictureRoutine::Still: ShowStill(); break;
    case PictureRoutine::Fade:
        ShowStill();
        CoverForFade();
        break;
    case PictureRoutine::Animated:
        PictureAnimation(m_context.pool, m_context.random, effect,
                         {m_width, m_height, m_stageWidth, m_stageHeight})
            .Run(m_startTime);
        break;
    }
}

// Positions and sizes come from anyone's card file; one whose twips leave
// the 32-bit range throws std::overflow_error.
TFlashPic::TwipsRectangle TFlashPic::Rectangle() const {
    const std::int32_t left = ToTwips(m_positionX);
    const std::int32_t top = ToTwips(m_positionY);
    return {left, top, AddTwips(left, ToTwips(m_width)), AddTwips(top, ToTwips(m_height))};
}

// The picture's rectangle on the stage, filled with its image at one image
// pixel per stage pixel.
void TFlashPic::SetUpPicture() {
    const TwipsRectangle r = Rectangle();
    m_context.pool.MakePicture(kPictureObject, r.xmin, r.ymin, r.xmax, r.ymax, m_width, m_height,
                               m_pictureFile);
    m_context.pool.SetDepth(kPictureObject, kPictureDepth);
}

void TFlashPic::ShowStill() {
    PlaceBetween(m_context.pool, kPictureObject, m_startTime, m_endTime);
}

// A black rectangle over the picture, its alpha rising with the frame
// number. The writer's default outline is kept, so a thin frame surrounds
// it. From frame 86 on the alpha no longer fits a byte and the conversion
// ends the cover there with an error.
void TFlashPic::CoverForFade() {
    WriterPool& pool = m_context.pool;
    const TwipsRectangle r = Rectangle();
    pool.MakeRectangle(kCoverObject, r.xmin, r.ymin, r.xmax, r.ymax);
    for (std::int64_t frame = m_startTime; frame <= m_endTime; ++frame) {
        pool.GotoFrame(static_cast<double>(frame));
        if (frame > m_startTime)
            pool.RemoveObject(kCoverObject);
        pool.SetSolidFill(kCoverObject, 0, 0, 0, kCoverAlphaPerFrame * frame);
        pool.AddObject(kCoverObject);
    }
}

} // namespace joyvane
